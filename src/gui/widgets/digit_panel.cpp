#include "widgets/digit_panel.h"

#include <QMouseEvent>

DigitPanel::DigitPanel(int digit, std::function<void(int)> clicked, QWidget* parent)
    : QLabel(QString::number(digit), parent), digit_(digit), clicked_(std::move(clicked)) {
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setCursor(Qt::PointingHandCursor);
    setChosen(false);
}

void DigitPanel::setChosen(bool chosen) {
    setStyleSheet(chosen
                      ? QStringLiteral("QLabel { font-weight: bold; color: rgb(255,0,0); background: rgb(231,231,231); }")
                      : QStringLiteral("QLabel { font-weight: bold; color: rgb(128,128,128); background: rgb(218,215,208); }"));
}

void DigitPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        clicked_(digit_);
}
