#pragma once

#include "dialogs/banker_digits_model.h"
#include "dialogs/number_sets_model.h"

#include <QDialog>

#include <array>
#include <optional>

class DigitPanel;
class PositionPad;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// TfrmDMSet: the rules of 更多数字; made for one opening.
class TfrmDMSet : public QDialog {
    Q_OBJECT
public:
    static std::optional<QString> edit(QWidget* parent, const QString& fieldText);

private:
    TfrmDMSet(QWidget* parent, const QString& fieldText);
    void readInputs();
    void showModel();
    void act(const QString& refusal);

    pentad::dialogs::BankerDigitsModel model_;
    QLineEdit* digits_ = nullptr;
    std::array<QCheckBox*, 6> counts_{};
    QCheckBox* tolerant_ = nullptr;
    QListWidget* list_ = nullptr;
};

// TfrmLvChu: 必出号 (kind 1) and 必杀号 (kind 2); kept for the program's life, so pads and
// memo keep their contents.
class TfrmLvChu : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLvChu(QWidget* parent);
    std::optional<QString> edit(int kind, const QString& fieldText);

    void cmdSelfOpenClick();
    void cmdSelfSaveClick();

private:
    void showModel();
    void act(const QString& refusal);

    pentad::dialogs::KeepKillModel model_;
    std::array<std::array<DigitPanel*, 11>, 5> pads_{};
    QGroupBox* combination_ = nullptr;
    QGroupBox* custom_ = nullptr;
    QRadioButton* rdoZuHe_ = nullptr;
    QRadioButton* rdoZDY_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* change_ = nullptr;
};

// TfrmPiPei: the rules of 号码匹配; kept for the program's life.
class TfrmPiPei : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPiPei(QWidget* parent);
    std::optional<QString> edit(const QString& fieldText);

private:
    void readInputs();
    void showModel();
    void act(const QString& refusal);

    pentad::dialogs::MatchingModel model_;
    std::array<PositionPad*, 5> rows_{};
    std::array<QCheckBox*, 6> counts_{};
    QCheckBox* tolerant_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* change_ = nullptr;
};
