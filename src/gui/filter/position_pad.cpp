#include "filter/position_pad.h"

#include "filter/key_rules.h"
#include "filter/position_pads.h"
#include "widgets/digit_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace pentad::filter;


PositionPad::PositionPad(const QString& letter, const QString& caption, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(new QLabel(caption, this));
    field_ = new QLineEdit(kAllDigits, this);
    field_->setObjectName(QStringLiteral("txtS") + letter);
    field_->setMaxLength(10);
    field_->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(240,240,240); }"));
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(kAllDigits) + 12);
    KeyRuleFilter::install(field_, KeyRuleFilter::Rule::PadDigits);
    row->addWidget(field_);
    for (int d = 0; d < 10; ++d) {
        auto* panel = new DigitPanel(d, [this](int digit) { panelClicked(digit); }, this);
        panel->setObjectName(QStringLiteral("pnS%1%2").arg(letter).arg(d));
        panels_[static_cast<std::size_t>(d)] = panel;
        row->addWidget(panel);
    }
    choices_ = new QComboBox(this);
    choices_->setObjectName(QStringLiteral("cmbS") + letter);
    choices_->addItems({QStringLiteral("选号"), QStringLiteral("全选"), QStringLiteral("清除"), QStringLiteral("反选"),
                        QStringLiteral("奇数"), QStringLiteral("偶数"), QStringLiteral("大数"), QStringLiteral("小数")});
    row->addWidget(choices_);
    row->addStretch(1);
    connect(field_, &QLineEdit::textChanged, this, &PositionPad::changed);
    connect(choices_, &QComboBox::activated, this, &PositionPad::quickChoice);
    changed();
}

QString PositionPad::text() const { return field_->text(); }

void PositionPad::setText(const QString& text) {
    field_->setText(text);
    changed(); // repaint even when the text did not change
}

void PositionPad::changed() {
    choices_->setCurrentIndex(0);
    const auto mask = padMask(field_->text());
    for (int d = 0; d < 10; ++d)
        panels_[static_cast<std::size_t>(d)]->setChosen(pentad::attr::inMask(mask, d));
}

void PositionPad::panelClicked(int digit) {
    choices_->setCurrentIndex(0);
    field_->setText(toggleDigit(field_->text(), digit));
}

void PositionPad::quickChoice(int index) {
    field_->setText(applyQuickChoice(field_->text(), static_cast<QuickChoice>(index)));
    changed();
}
