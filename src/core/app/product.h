#pragma once

#include <QString>

// Texts and addresses that name the product and its maker.
namespace product {
inline const QString kTitle = QStringLiteral("青禾巧选排列5");
inline const QString kMaker = QStringLiteral("青禾软件");
inline const QString kNotice = QStringLiteral("© 2026 青禾软件");
inline const QString kOfficialSite = QStringLiteral("https://www.lottery.gov.cn/");
inline const QString kHomePage = QStringLiteral("https://www.lottery.gov.cn/kj/kjlb.html?plw");
} // namespace product
