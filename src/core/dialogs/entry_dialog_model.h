#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the value-list dialogs share: the entry list box that composes a field text, and the
// value checklist the entries are built from. Each dialog supplies its head (positions,
// digits or a divisor), the values it offers for that head, and how an entry is written.
namespace pentad::dialogs {

// The entries of a field text as every dialog reads them: every piece up to a ";" (empty
// pieces too), and a non-empty rest after the last ";".
QStringList splitDialogEntries(const QString& fieldText);
// Every entry followed by ";".
QString joinDialogEntries(const QStringList& entries);

// The decimal texts from..to.
QStringList numberTexts(int from, int to);

struct ChecklistItem {
    QString text;
    bool checked = false;
    bool enabled = true;
};

enum class QuickOperation { None, All, Clear, Invert, Odd, Even, Route0, Route1, Route2 };

class EntryDialogModel {
public:
    virtual ~EntryDialogModel() = default;

    // Opening: the entries of the field text (every piece up to a ";", empty pieces too; a
    // non-empty rest after the last ";"), then the dialog's own reset of head and checklist.
    void open(const QString& fieldText);
    // 确定: every entry followed by ";".
    QString fieldText() const;

    const QStringList& entries() const { return entries_; }
    const std::vector<ChecklistItem>& checklist() const { return checklist_; }
    bool changeEnabled() const { return picked_.has_value(); }

    void setChecked(int item, bool checked);
    void quickOperation(QuickOperation op);
    // Checks every enabled item whose value lies in from..to (nothing when to < from).
    void selectRange(int from, int to);

    // 添加 / 修改: the message that refuses it, or an empty text when it was done.
    QString add();
    QString change();
    void removeEntry(int index);
    void clearEntries();
    // A click in the entry list box.
    void pick(int index);

protected:
    // The values the current head offers; an empty list when the head offers none.
    virtual QStringList offeredValues() const = 0;
    // Why the current head cannot make an entry, or an empty text.
    virtual QString headRefusal() const = 0;
    virtual QString entryText(const QStringList& checkedValues) const = 0;
    // Sets the head from an entry's text and returns the part holding its values.
    virtual QString takeHead(const QString& entry) = 0;
    virtual void resetHead() = 0;      // on opening
    virtual void afterEntryMade() = 0; // after a successful add or change

    // Refills the checklist from offeredValues(), nothing checked.
    void rebuildChecklist();
    std::vector<ChecklistItem>& items() { return checklist_; }

private:
    QString makeEntry(QString* entry) const;

    QStringList entries_;
    std::vector<ChecklistItem> checklist_;
    std::optional<int> picked_;
};

} // namespace pentad::dialogs
