#include "dialogs/number_sets_model.h"

#include "dialogs/entry_dialog_model.h"
#include "filter/filter_state.h"
#include "filter/list_fills.h"
#include "attributes/group_forms.h"
#include "attributes/history_classes.h"

namespace pentad::dialogs {

namespace {

const QString kIncomplete = QStringLiteral("请正确的设置组合方式。");

// The counts 0..5 ticked, as digits.
QString countText(const std::array<bool, 6>& counts) {
    QString text;
    for (int n = 0; n < 6; ++n)
        if (counts[static_cast<std::size_t>(n)])
            text += QChar(u'0' + n);
    return text;
}

std::array<bool, 6> countsIn(const QString& text) {
    std::array<bool, 6> counts{};
    for (int n = 0; n < 6; ++n)
        counts[static_cast<std::size_t>(n)] = text.contains(QChar(u'0' + n));
    return counts;
}

} // namespace

// --- TfrmLvChu --------------------------------------------------------------------------

QString KeepKillModel::title() const { return kind_ == 2 ? QStringLiteral("必杀号设置") : QStringLiteral("必出号设置"); }

QString KeepKillModel::combinationCaption() const {
    return kind_ == 2 ? QStringLiteral("滤除号 组合设置") : QStringLiteral("保留号 组合设置");
}

QString KeepKillModel::customCaption() const {
    return kind_ == 2 ? QStringLiteral("滤除号 自定义设置") : QStringLiteral("保留号 自定义设置");
}

void KeepKillModel::open(const QString& fieldText) {
    entries_ = splitDialogEntries(fieldText);
    combinationMode = true;
    picked_.reset();
}

QString KeepKillModel::fieldText() const { return joinDialogEntries(entries_); }

void KeepKillModel::clickPad(int row, int pad) {
    if (row < 0 || row > 4 || pad < 0 || pad > kAnyPad)
        return;
    auto& pads = pads_[static_cast<std::size_t>(row)];
    bool& p = pads[static_cast<std::size_t>(pad)];
    if (p) {
        p = false;
        return;
    }
    p = true;
    if (pad == kAnyPad)
        std::fill(pads.begin(), pads.begin() + kAnyPad, false);
    else
        pads[kAnyPad] = false;
}

void KeepKillModel::clearPads() {
    for (auto& row : pads_)
        row.fill(false);
}

std::optional<QString> KeepKillModel::makeEntry(QString* refusal) const {
    if (!combinationMode) {
        if (memo.isEmpty())
            return std::nullopt;
        QString entry = memo;
        entry.replace(QStringLiteral("\r\n"), QStringLiteral(",")).replace(u'\n', u',');
        return entry;
    }
    QStringList groups;
    for (const auto& row : pads_) {
        QString group;
        if (row[kAnyPad])
            group = QStringLiteral("*");
        for (int d = 0; d < 10; ++d)
            if (row[static_cast<std::size_t>(d)])
                group += QChar(u'0' + d);
        if (group.isEmpty()) {
            *refusal = kIncomplete;
            return std::nullopt;
        }
        groups << group;
    }
    return groups.join(u'/');
}

QString KeepKillModel::add() {
    picked_.reset();
    QString refusal;
    if (const auto entry = makeEntry(&refusal)) {
        entries_ << *entry;
        if (combinationMode)
            clearPads();
    }
    return refusal;
}

QString KeepKillModel::change() {
    const auto index = std::exchange(picked_, std::nullopt);
    QString refusal;
    if (const auto entry = makeEntry(&refusal); entry && index && *index < entries_.size()) {
        entries_[*index] = *entry;
        if (combinationMode)
            clearPads();
    }
    return refusal;
}

void KeepKillModel::pick(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    picked_ = index;
    const QString& entry = entries_[index];
    if (!entry.contains(u'/')) {
        combinationMode = false;
        memo = entry;
        return;
    }
    combinationMode = true;
    clearPads();
    const QStringList groups = entry.split(u'/');
    for (int row = 0; row < 5 && row < groups.size(); ++row) {
        auto& pads = pads_[static_cast<std::size_t>(row)];
        if (groups[row] == QStringLiteral("*"))
            pads[kAnyPad] = true;
        else
            for (int d = 0; d < 10; ++d)
                pads[static_cast<std::size_t>(d)] = groups[row].contains(QChar(u'0' + d));
    }
}

void KeepKillModel::removeEntry(int index) {
    if (index >= 0 && index < entries_.size())
        entries_.removeAt(index);
    picked_.reset();
}

void KeepKillModel::clearEntries() {
    entries_.clear();
    picked_.reset();
}

QString KeepKillModel::memoFromFile(const QStringList& lines) {
    // One pass over the text marks every window of five digits: the same set as testing each
    // of the 100,000 texts against the whole text.
    const QString text = lines.join(u',') + u',';
    const auto windows = filter::digitWindows(text, 5);
    QStringList numbers;
    for (int n = 0; n < static_cast<int>(windows.size()); ++n)
        if (windows[static_cast<std::size_t>(n)])
            numbers << QStringLiteral("%1").arg(n, 5, 10, QLatin1Char('0'));
    return numbers.join(u',');
}

// --- TfrmPiPei --------------------------------------------------------------------------

void MatchingModel::open(const QString& fieldText) {
    entries_ = splitDialogEntries(fieldText);
    picked_.reset();
}

QString MatchingModel::fieldText() const { return joinDialogEntries(entries_); }

void MatchingModel::clearInputs() {
    rows.fill(QString());
    counts.fill(false);
    tolerant = false;
}

std::optional<QString> MatchingModel::makeEntry(QString* refusal) const {
    QStringList groups;
    for (const QString& row : rows) {
        const QString ascending = attr::setText(attr::digitMaskOf(row));
        if (ascending.isEmpty()) {
            *refusal = kIncomplete;
            return std::nullopt;
        }
        groups << ascending;
    }
    const QString c = countText(counts);
    if (c.isEmpty()) {
        *refusal = QStringLiteral("请设置匹配正确的位置的个数。");
        return std::nullopt;
    }
    return groups.join(u'/') + u'|' + c + (tolerant ? QStringLiteral("-W") : QString());
}

QString MatchingModel::add() {
    picked_.reset();
    QString refusal;
    if (const auto entry = makeEntry(&refusal)) {
        entries_ << *entry;
        clearInputs();
    }
    return refusal;
}

QString MatchingModel::change() {
    const auto index = std::exchange(picked_, std::nullopt);
    QString refusal;
    if (const auto entry = makeEntry(&refusal); entry && index && *index < entries_.size()) {
        entries_[*index] = *entry;
        clearInputs();
    }
    return refusal;
}

void MatchingModel::pick(int index) {
    if (index < 0 || index >= entries_.size())
        return;
    picked_ = index;
    clearInputs();
    const QString& entry = entries_[index];
    tolerant = entry.contains(QStringLiteral("-W"));
    const qsizetype bar = entry.indexOf(u'|');
    counts = countsIn(bar < 0 ? QString() : entry.mid(bar + 1));
    const QStringList groups = (bar < 0 ? entry : entry.left(bar)).split(u'/');
    for (std::size_t row = 0; row < 5 && row < static_cast<std::size_t>(groups.size()); ++row)
        rows[row] = filter::cleanPadText(groups[static_cast<qsizetype>(row)]);
}

void MatchingModel::removeEntry(int index) {
    if (index >= 0 && index < entries_.size())
        entries_.removeAt(index);
    picked_.reset();
}

void MatchingModel::clearEntries() {
    entries_.clear();
    picked_.reset();
}

} // namespace pentad::dialogs
