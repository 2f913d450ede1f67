#include "filter/position_pad.h"

#include "filter/key_rules.h"
#include "filter/position_pads.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

using namespace pentad::filter;

namespace {

// A digit panel: a label that reports clicks.
class DigitPanel : public QLabel {
public:
    DigitPanel(int digit, std::function<void(int)> clicked, QWidget* parent)
        : QLabel(QString::number(digit), parent), digit_(digit), clicked_(std::move(clicked)) {
        setAlignment(Qt::AlignCenter);
        setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            clicked_(digit_);
    }

private:
    int digit_;
    std::function<void(int)> clicked_;
};

QString panelStyle(bool selected) {
    return selected ? QStringLiteral("QLabel { font-weight: bold; color: rgb(255,0,0); background: rgb(231,231,231); }")
                    : QStringLiteral("QLabel { font-weight: bold; color: rgb(128,128,128); background: rgb(218,215,208); }");
}

} // namespace

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
        panels_[static_cast<std::size_t>(d)]->setStyleSheet(panelStyle(pentad::attr::inMask(mask, d)));
}

void PositionPad::panelClicked(int digit) {
    choices_->setCurrentIndex(0);
    field_->setText(toggleDigit(field_->text(), digit));
}

void PositionPad::quickChoice(int index) {
    field_->setText(applyQuickChoice(field_->text(), static_cast<QuickChoice>(index)));
    changed();
}
