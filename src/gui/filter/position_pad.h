#pragma once

#include <QWidget>

#include <array>

class DigitPanel;
class QComboBox;
class QLineEdit;

// One position pad: the field of allowed digits (the only state), the ten digit panels that
// mirror and toggle it, and the quick-choice list.
class PositionPad : public QWidget {
    Q_OBJECT
public:
    // `letter` names the controls: W Q B S G (txtSW, pnSW0.., cmbSW).
    PositionPad(const QString& letter, const QString& caption, QWidget* parent);

    QString text() const;
    void setText(const QString& text);

    QLineEdit* field() const { return field_; }

private:
    void changed();
    void panelClicked(int digit);
    void quickChoice(int index);

    QLineEdit* field_;
    QComboBox* choices_;
    std::array<DigitPanel*, 10> panels_{};
};
