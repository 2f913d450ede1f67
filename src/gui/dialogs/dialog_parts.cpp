#include "dialogs/dialog_parts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace dialog_parts {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* closeRow(QDialog* dialog, const QString& gap, const char* cancelName) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QPushButton* ok = button("cmdOK", QStringLiteral("确") + gap + QStringLiteral("定"), dialog);
    QPushButton* cancel = button(cancelName, QStringLiteral("取") + gap + QStringLiteral("消"), dialog);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace dialog_parts
