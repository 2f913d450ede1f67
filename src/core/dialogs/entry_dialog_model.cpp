#include "dialogs/entry_dialog_model.h"

namespace pentad::dialogs {

namespace {
const QString kNoValues = QStringLiteral("您还没有进行条件设置。");
}

QStringList splitDialogEntries(const QString& fieldText) {
    QStringList entries = fieldText.split(u';');
    if (entries.last().isEmpty())
        entries.removeLast(); // the text ended with ";" (or was empty)
    return entries;
}

QString joinDialogEntries(const QStringList& entries) {
    QString text;
    for (const QString& e : entries)
        text += e + u';';
    return text;
}

QStringList numberTexts(int from, int to) {
    QStringList values;
    for (int v = from; v <= to; ++v)
        values << QString::number(v);
    return values;
}

void EntryDialogModel::open(const QString& fieldText) {
    entries_ = splitDialogEntries(fieldText);
    picked_.reset();
    resetHead();
}

QString EntryDialogModel::fieldText() const { return joinDialogEntries(entries_); }

void EntryDialogModel::setChecked(int item, bool checked) {
    if (item >= 0 && item < static_cast<int>(checklist_.size()))
        checklist_[static_cast<std::size_t>(item)].checked = checked;
}

void EntryDialogModel::quickOperation(QuickOperation op) {
    for (ChecklistItem& item : checklist_) {
        const int v = item.text.toInt();
        switch (op) {
        case QuickOperation::None: break;
        case QuickOperation::All: item.checked = true; break;
        case QuickOperation::Clear: item.checked = false; break;
        case QuickOperation::Invert: item.checked = !item.checked; break;
        case QuickOperation::Odd: item.checked = item.checked || v % 2 == 1; break;
        case QuickOperation::Even: item.checked = item.checked || v % 2 == 0; break;
        case QuickOperation::Route0: item.checked = item.checked || v % 3 == 0; break;
        case QuickOperation::Route1: item.checked = item.checked || v % 3 == 1; break;
        case QuickOperation::Route2: item.checked = item.checked || v % 3 == 2; break;
        }
    }
}

void EntryDialogModel::selectRange(int from, int to) {
    if (to < from)
        return;
    for (ChecklistItem& item : checklist_) {
        const int v = item.text.toInt();
        if (item.enabled && v >= from && v <= to)
            item.checked = true;
    }
}

QString EntryDialogModel::makeEntry(QString* entry) const {
    if (const QString refusal = headRefusal(); !refusal.isEmpty())
        return refusal;
    QStringList values;
    for (const ChecklistItem& item : checklist_)
        if (item.checked)
            values << item.text;
    if (values.isEmpty())
        return kNoValues;
    *entry = entryText(values);
    return {};
}

QString EntryDialogModel::add() {
    QString entry;
    if (const QString refusal = makeEntry(&entry); !refusal.isEmpty())
        return refusal;
    entries_ << entry;
    picked_.reset();
    afterEntryMade();
    return {};
}

QString EntryDialogModel::change() {
    if (!picked_ || *picked_ >= entries_.size())
        return {};
    QString entry;
    if (const QString refusal = makeEntry(&entry); !refusal.isEmpty())
        return refusal;
    entries_[*picked_] = entry;
    picked_.reset();
    afterEntryMade();
    return {};
}

void EntryDialogModel::removeEntry(int index) {
    if (index >= 0 && index < entries_.size())
        entries_.removeAt(index);
    picked_.reset();
}

void EntryDialogModel::clearEntries() {
    entries_.clear();
    picked_.reset();
}

void EntryDialogModel::pick(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    picked_ = index;
    const QString values = QLatin1Char(',') + takeHead(entries_[index]) + QLatin1Char(',');
    rebuildChecklist();
    for (ChecklistItem& item : checklist_)
        item.checked = values.contains(QLatin1Char(',') + item.text + QLatin1Char(','));
}

void EntryDialogModel::rebuildChecklist() {
    checklist_.clear();
    for (const QString& v : offeredValues())
        checklist_.push_back({v, false, true});
}

} // namespace pentad::dialogs
