#pragma once

#include <QLabel>

#include <functional>

// A clickable digit panel with the two looks of the position pads: a red digit on light
// grey when chosen, a grey digit on the darker grey otherwise.
class DigitPanel : public QLabel {
    Q_OBJECT
public:
    DigitPanel(int digit, std::function<void(int)> clicked, QWidget* parent);
    void setChosen(bool chosen);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int digit_;
    std::function<void(int)> clicked_;
};
