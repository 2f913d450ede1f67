#pragma once

#include "dialogs/choice_models.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPlainTextEdit;

// A checklist of a fixed vocabulary (TfrmWX, TfrmSDZX), made for one opening.
class ChoiceListDialog : public QDialog {
    Q_OBJECT
public:
    // The new text on 确定, nothing on 取消.
    static std::optional<QString> editValues(QWidget* parent, int kind, const QString& fieldText);
    static std::optional<QString> editGroups(QWidget* parent, int kind, const QString& fieldText);

private:
    ChoiceListDialog(QWidget* parent, const QString& name, const QString& listName, const QString& title,
                     QStringList items, const QString& fieldText);
    void show();

    pentad::dialogs::ChoiceListModel model_;
    QListWidget* list_ = nullptr;
};

// Tfrm012: one class sign or more per position, multiplied out into items; made for one
// opening.
class Tfrm012 : public QDialog {
    Q_OBJECT
public:
    static std::optional<QString> edit(QWidget* parent, int kind, const QString& fieldText);

private:
    Tfrm012(QWidget* parent, int kind, const QString& fieldText);
    void showItems();

    pentad::dialogs::PatternProductModel model_;
    QListWidget* list_ = nullptr;
};

// TfrmLvP3: the 排列3 numbers to exclude, as free text; kept for the program's life.
class TfrmLvP3 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLvP3(QWidget* parent);
    std::optional<QString> edit(const QString& fieldText);

private:
    QPlainTextEdit* memo_ = nullptr;
};
