#pragma once

#include "dialogs/value_list_models.h"

#include <QDialog>

#include <memory>
#include <optional>

class QComboBox;
class QHBoxLayout;
class QListWidget;
class QPushButton;

// The common window of the value-list dialogs: the head selector a member adds, the value
// checklist, the range selection, the entry list box and its buttons. The model holds the
// state; the window shows it after every action.
class ValueListDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally on the field's text; the new text on 确定, nothing on 取消.
    std::optional<QString> edit(const QString& title, const QString& fieldText);

protected:
    struct Tools {
        bool quickCombo = false; // cmbKX (TfrmSum)
        bool range = true;       // cmbS1 至 cmbS2 and its button
        QString rangeButton = QStringLiteral("cmdSelect");
        QString toolsSpacing = QStringLiteral(" "); // "全 选" or "全选"
        bool legend = false;                          // the AND note beside the entries
    };
    ValueListDialog(const QString& name, const Tools& tools, QWidget* parent);

    void setModel(std::unique_ptr<pentad::dialogs::EntryDialogModel> model);
    pentad::dialogs::EntryDialogModel& model() { return *model_; }
    QHBoxLayout* headRow() const { return headRow_; }
    void refresh();
    // Shows the model's head in the member's widgets.
    virtual void showHead() = 0;
    void report(const QString& refusal);

private:
    void build(const Tools& tools);
    void itemChanged(int row, bool checked);

    std::unique_ptr<pentad::dialogs::EntryDialogModel> model_;
    QHBoxLayout* headRow_ = nullptr;
    QListWidget* checklist_ = nullptr;
    QListWidget* entries_ = nullptr;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    QPushButton* change_ = nullptr;
    QStringList shownValues_;
    bool refreshing_ = false;
};

// The members whose head is the five position boxes chkSNo5 (万) .. chkSNo1 (个).
class PositionDialog : public ValueListDialog {
    Q_OBJECT
protected:
    PositionDialog(const QString& name, const Tools& tools, const QString& label, QWidget* parent);
    pentad::dialogs::PositionEntryModel& positions();
    void showHead() override;

private:
    std::array<class QCheckBox*, 5> boxes_{}; // by code - 1
};

class TfrmSum : public PositionDialog {
    Q_OBJECT
public:
    explicit TfrmSum(QWidget* parent);
    std::optional<QString> edit(int kind, const QString& fieldText);
};

class TfrmJO : public PositionDialog {
    Q_OBJECT
public:
    explicit TfrmJO(QWidget* parent);
    std::optional<QString> edit(int kind, const QString& fieldText);
};

class TfrmMWC : public PositionDialog {
    Q_OBJECT
public:
    explicit TfrmMWC(QWidget* parent);
    std::optional<QString> edit(int kind, const QString& fieldText);
};

class TfrmADSum : public ValueListDialog {
    Q_OBJECT
public:
    explicit TfrmADSum(QWidget* parent);
    std::optional<QString> edit(const QString& fieldText);

protected:
    void showHead() override;

private:
    pentad::dialogs::DigitSumDialogModel& digits();
    std::array<class DigitPanel*, 10> pads_{};
};

class TfrmTSH : public ValueListDialog {
    Q_OBJECT
public:
    explicit TfrmTSH(QWidget* parent);
    std::optional<QString> edit(const QString& fieldText);

protected:
    void showHead() override;

private:
    pentad::dialogs::RemainderDialogModel& remainders();
    QComboBox* divisors_ = nullptr;
    class QCheckBox* tolerant_ = nullptr;
};
