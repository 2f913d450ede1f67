#include "dialogs/banker_digits_model.h"

#include "dialogs/entry_dialog_model.h"

namespace pentad::dialogs {

void BankerDigitsModel::open(const QString& fieldText) {
    entries_ = splitDialogEntries(fieldText);
    clearInputs();
}

QString BankerDigitsModel::fieldText() const { return joinDialogEntries(entries_); }

bool BankerDigitsModel::acceptsKey(const QString& current, QChar key) {
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != u',')
        return false;
    if (current.isEmpty())
        return true; // the rule only looks at a last character
    return current.back() == u',' ? digit : !digit;
}

QString BankerDigitsModel::entryRefusal() const {
    if (digits.isEmpty())
        return QStringLiteral("请输入胆码。");
    if (std::none_of(counts.begin(), counts.end(), [](bool c) { return c; }))
        return QStringLiteral("请设置胆码出现的次数。");
    return {};
}

QString BankerDigitsModel::entry() const {
    QString countText;
    for (int n = 0; n < 6; ++n)
        if (counts[static_cast<std::size_t>(n)])
            countText += QChar(u'0' + n);
    return digits + u'|' + countText + (tolerant ? QStringLiteral("-W") : QString());
}

void BankerDigitsModel::clearInputs() {
    digits.clear();
    counts.fill(false);
    tolerant = false;
}

QString BankerDigitsModel::add() {
    if (digits.isEmpty())
        return QStringLiteral("请输入胆码。");
    if (entries_.size() >= kMaxEntries)
        return QStringLiteral("目前胆码设置不能超过 15 条。");
    if (const QString refusal = entryRefusal(); !refusal.isEmpty())
        return refusal;
    entries_ << entry();
    clearInputs();
    return {};
}

QString BankerDigitsModel::modify(int index) {
    if (const QString refusal = entryRefusal(); !refusal.isEmpty())
        return refusal;
    if (index < 0 || index >= entries_.size())
        return {};
    entries_[index] = entry();
    clearInputs();
    return {};
}

void BankerDigitsModel::pick(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    clearInputs();
    const QString& e = entries_[index];
    tolerant = e.contains(QStringLiteral("-W"));
    const qsizetype bar = e.indexOf(u'|');
    digits = bar < 0 ? e : e.left(bar);
    const QString countPart = bar < 0 ? QString() : e.mid(bar + 1);
    for (int n = 0; n < 6; ++n)
        counts[static_cast<std::size_t>(n)] = countPart.contains(QChar(u'0' + n));
}

void BankerDigitsModel::removeEntry(int index) {
    if (index >= 0 && index < entries_.size())
        entries_.removeAt(index);
}

} // namespace pentad::dialogs
