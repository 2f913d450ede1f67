#include "app/about_box.h"

#include "app/product.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(product::kTitle, this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(QStringLiteral("版  本：1.63"), this), 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(QStringLiteral("买彩谨慎，量力而行"), this), 0, Qt::AlignHCenter);
    auto* links = new QLabel(
        QStringLiteral("<a href=\"%1\">体彩官方网站</a> · <a href=\"%2\">%3</a>")
            .arg(product::kOfficialSite, product::kHomePage, product::kMaker),
        this);
    links->setOpenExternalLinks(true);
    layout->addWidget(links, 0, Qt::AlignHCenter);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
