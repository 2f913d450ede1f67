#include "filter/result_file.h"

#include "app/product.h"
#include "text/line_file.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>

namespace pentad::filter {

std::vector<int> betsInText(QByteArrayView bytes) {
    std::vector<bool> seen(100000, false);
    int run = 0;
    int value = 0;
    const auto endRun = [&] {
        if (run == 5)
            seen[static_cast<std::size_t>(value)] = true;
        run = 0;
        value = 0;
    };
    // ASCII digits are single bytes in GBK and UTF-8 alike, so the bytes need no decoding.
    for (char c : bytes) {
        if (c >= '0' && c <= '9') {
            ++run;
            value = run <= 5 ? value * 10 + (c - '0') : value;
        } else {
            endRun();
        }
    }
    endRun();
    std::vector<int> bets;
    for (int n = 0; n < 100000; ++n)
        if (seen[static_cast<std::size_t>(n)])
            bets.push_back(n);
    return bets;
}

bool isOpenableResultName(const QString& path) {
    return path.contains(QStringLiteral(".txt")) || path.contains(QStringLiteral(".TXT")) ||
           path.contains(QStringLiteral(".Txt"));
}

std::optional<std::vector<int>> readResultFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取文件 %1：%2").arg(path, file.errorString());
        return std::nullopt;
    }
    return betsInText(file.readAll());
}

bool usesPlainLayout(const QString& path) { return path.toUpper().contains(QStringLiteral(".TXT")); }

std::vector<int> randomBets(int count) {
    std::vector<int> bets;
    for (int i = 0; i < count; ++i)
        bets.push_back(static_cast<int>(QRandomGenerator::global()->bounded(100000)));
    return bets;
}

QString betText(int bet) { return QStringLiteral("%1").arg(bet, 5, 10, QLatin1Char('0')); }

QStringList resultFileLines(const std::vector<int>& bets, bool plain, const QString& period, const QDateTime& savedAt) {
    QStringList lines;
    if (plain) {
        for (int bet : bets)
            lines << betText(bet);
        return lines;
    }
    lines << product::kTitle << product::kHomePage << QString()
          << QStringLiteral("第 %1 期 排列5 投注总计：%2 注").arg(period).arg(bets.size()) << QString();
    for (std::size_t start = 0; start < bets.size(); start += 5) {
        const std::size_t end = std::min(bets.size(), start + 5);
        QString line = QStringLiteral(" ");
        if (end - start == 5) {
            QStringList group;
            for (std::size_t i = start; i < end; ++i)
                group << betText(bets[i]);
            line += group.join(QStringLiteral(" , ")) + QStringLiteral("          ----> ") + QString::number(end);
        } else {
            for (std::size_t i = start; i < end; ++i)
                line += betText(bets[i]) + QStringLiteral(" , ");
        }
        lines << line;
    }
    lines << QString() << QLocale(QLocale::Chinese, QLocale::China).toString(savedAt, QLocale::ShortFormat);
    return lines;
}

bool saveResultFile(const QString& path, const std::vector<int>& bets, const QString& period,
                    const QDateTime& savedAt, QString* error) {
    return text::writeGbkLines(path, resultFileLines(bets, usesPlainLayout(path), period, savedAt), error);
}

} // namespace pentad::filter
