#include "dialogs/value_list_models.h"

#include "attributes/count_tables.h"
#include "dialogs/entry_dialog_model.h"

namespace pentad::dialogs {

namespace {

QStringList numbers(const std::vector<int>& values) {
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts;
}

QStringList texts(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* t : utf8)
        list << QString::fromUtf8(t);
    return list;
}

constexpr std::array<int, 7> kDivisors = {7, 9, 11, 13, 17, 19, 23};

} // namespace

// --- positions --------------------------------------------------------------------------

void PositionEntryModel::setTicked(int code, bool on) {
    if (code < 1 || code > 5 || ticked(code) == on)
        return;
    ticked_[static_cast<std::size_t>(code - 1)] = on;
    rebuildChecklist();
}

int PositionEntryModel::tickedCount() const { return static_cast<int>(std::count(ticked_.begin(), ticked_.end(), true)); }

QString PositionEntryModel::positionString() const {
    QString codes;
    for (int code = 5; code >= 1; --code)
        if (ticked(code))
            codes += QChar(u'0' + code);
    return codes;
}

QString PositionEntryModel::headRefusal() const {
    return tickedCount() < 2 ? QStringLiteral("请至少设置 2 个位置。") : QString();
}

QString PositionEntryModel::entryText(const QStringList& checkedValues) const {
    return positionString() + u'|' + checkedValues.join(u',');
}

void PositionEntryModel::tickOnly(const QString& codes) {
    for (int code = 1; code <= 5; ++code)
        ticked_[static_cast<std::size_t>(code - 1)] = codes.contains(QChar(u'0' + code));
    rebuildChecklist();
}

QString PositionEntryModel::takeHead(const QString& entry) {
    const qsizetype bar = entry.indexOf(u'|');
    tickOnly(bar < 0 ? entry : entry.left(bar));
    return bar < 0 ? QString() : entry.mid(bar + 1);
}

void PositionEntryModel::afterEntryMade() {
    // Ticking all five again rebuilds the list only when that changes the ticks.
    if (tickedCount() != 5)
        tickOnly(QStringLiteral("54321"));
}

// --- TfrmSum ----------------------------------------------------------------------------

QString SumDialogModel::caption(int kind) {
    static const QStringList captions = texts({
        "和值设定", "合值设定", "跨度设定", "均值设定", "大数和设定", "小数和设定", "奇数和设定", "偶数和设定",
        "除3余数和设定", "除4余数和设定", "除5余数和设定", "除6余数和设定", "除7余数和设定", "奇数个数设定",
        "大数个数设定", "质数个数设定"});
    return captions.value(kind - 1);
}

QString SumDialogModel::field(int kind) {
    static const QStringList fields = texts({"txtSSum", "txtSHeWei", "txtSKuaDu", "txtSJun", "txtSTMDS", "txtSTMXS",
                                       "txtSTMJS", "txtSTMOS", "txtSC3H", "txtSC4H", "txtSC5H", "txtSC6H",
                                       "txtSC7H", "txtSJOShu", "txtSDXShu", "txtSZhiShu"});
    return fields.value(kind - 1);
}

QStringList SumDialogModel::offeredValues() const {
    const int k = tickedCount();
    if (k < 2)
        return {};
    using attr::ClassSum;
    switch (kind_) {
    case 1: return numberTexts(0, 9 * k);
    case 2:
    case 3:
    case 4: return numberTexts(0, 9);
    case 5: return numbers(attr::offeredValues(attr::classSumCounts(ClassSum::Big, k)));
    case 6: return numbers(attr::offeredValues(attr::classSumCounts(ClassSum::Small, k)));
    case 7: return numbers(attr::offeredValues(attr::classSumCounts(ClassSum::Odd, k)));
    case 8: return numbers(attr::offeredValues(attr::classSumCounts(ClassSum::Even, k)));
    case 9:
    case 10:
    case 11:
    case 12:
    case 13: return numberTexts(0, (kind_ - 7) * k); // remainders by 3..7: at most (r-1) each
    case 14:
    case 15:
    case 16: return numberTexts(0, k);
    default: return {};
    }
}

// --- TfrmJO -----------------------------------------------------------------------------

QString PatternDialogModel::caption(int kind) {
    static const QStringList captions = texts({"奇偶类型设定", "大小类型设定", "质合类型设定", "单选012路类型设定"});
    return captions.value(kind - 1);
}

QString PatternDialogModel::field(int kind) {
    static const QStringList fields = texts({"txtSJOLei", "txtSDXLei", "txtSZHLei", "txtSDan012"});
    return fields.value(kind - 1);
}

QStringList PatternDialogModel::offeredValues() const {
    const int k = tickedCount();
    if (k < 2 || kind_ < 1 || kind_ > 4)
        return {};
    static const std::array<std::pair<QChar, QChar>, 3> kSymbols = {
        {{u'奇', u'偶'}, {u'大', u'小'}, {u'质', u'合'}}};
    const bool routes = kind_ == 4;
    const int base = routes ? 3 : 2;
    int count = 1;
    for (int i = 0; i < k; ++i)
        count *= base;
    QStringList patterns;
    for (int q = 0; q < count; ++q) {
        QString pattern(5, routes ? QChar(u'X') : QChar(u'Ｘ'));
        // The least significant digit goes on the lowest ticked position.
        int rest = q;
        for (int code = 1; code <= 5; ++code) {
            if (!ticked(code))
                continue;
            const int digit = rest % base;
            rest /= base;
            const QChar symbol = routes ? QChar(u'0' + digit)
                                        : (digit == 1 ? kSymbols[static_cast<std::size_t>(kind_ - 1)].first
                                                      : kSymbols[static_cast<std::size_t>(kind_ - 1)].second);
            pattern[5 - code] = symbol;
        }
        patterns << pattern;
    }
    return patterns;
}

// --- TfrmMWC ----------------------------------------------------------------------------

QString TwoPositionDialogModel::caption(int kind) { return kind == 1 ? QStringLiteral("更多位差设置") : QStringLiteral("更多2码设置"); }

QString TwoPositionDialogModel::field(int kind) { return kind == 1 ? QStringLiteral("txtSWHCMore") : QStringLiteral("txtSMore2M"); }

QStringList TwoPositionDialogModel::offeredValues() const {
    if (tickedCount() < 2)
        return {};
    if (kind_ == 1)
        return numberTexts(0, 9);
    QStringList codes;
    for (int v = 0; v < 100; ++v)
        codes << QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    return codes;
}

QString TwoPositionDialogModel::headRefusal() const {
    return tickedCount() != 2 ? QStringLiteral("请设置 2 个位置。") : QString();
}

// --- TfrmADSum --------------------------------------------------------------------------

void DigitSumDialogModel::toggle(int digit) {
    if (digit < 0 || digit > 9)
        return;
    chosen_[static_cast<std::size_t>(digit)] = !chosen_[static_cast<std::size_t>(digit)];
    rebuildChecklist();
}

void DigitSumDialogModel::chooseAll() {
    chosen_.fill(true);
    rebuildChecklist();
}

QStringList DigitSumDialogModel::offeredValues() const {
    // Five digits, each adding itself when chosen and 0 otherwise.
    std::array<bool, 46> reachable{};
    reachable[0] = true;
    for (int position = 0; position < 5; ++position) {
        std::array<bool, 46> next{};
        for (int s = 0; s <= 45; ++s) {
            if (!reachable[static_cast<std::size_t>(s)])
                continue;
            for (int d = 0; d < 10; ++d)
                next[static_cast<std::size_t>(s + (chosen(d) ? d : 0))] = true;
        }
        reachable = next;
    }
    QStringList values;
    for (int s = 0; s <= 45; ++s)
        if (reachable[static_cast<std::size_t>(s)])
            values << QString::number(s);
    return values;
}

QString DigitSumDialogModel::headRefusal() const {
    return std::none_of(chosen_.begin(), chosen_.end(), [](bool c) { return c; }) ? QStringLiteral("请至少设置 1 个数字。")
                                                                                  : QString();
}

QString DigitSumDialogModel::entryText(const QStringList& checkedValues) const {
    QString digits;
    for (int d = 9; d >= 0; --d)
        if (chosen(d))
            digits += QChar(u'0' + d);
    return digits + u'|' + checkedValues.join(u',');
}

QString DigitSumDialogModel::takeHead(const QString& entry) {
    const qsizetype bar = entry.indexOf(u'|');
    const QString head = bar < 0 ? entry : entry.left(bar);
    for (int d = 0; d < 10; ++d)
        chosen_[static_cast<std::size_t>(d)] = head.contains(QChar(u'0' + d));
    return bar < 0 ? QString() : entry.mid(bar + 1);
}

// --- TfrmTSH ----------------------------------------------------------------------------

const QStringList& RemainderDialogModel::divisorNames() {
    static const QStringList names = texts({"除7余数", "除9余数", "除11余数", "除13余数", "除17余数", "除19余数", "除23余数"});
    return names;
}

void RemainderDialogModel::chooseDivisor(int index) {
    if (index < 0 || index >= static_cast<int>(kDivisors.size()))
        return;
    divisor_ = index;
    tolerant_ = false;
    rebuildChecklist();
}

QStringList RemainderDialogModel::offeredValues() const {
    return divisor_ ? numberTexts(0, kDivisors[static_cast<std::size_t>(*divisor_)] - 1) : QStringList();
}

QString RemainderDialogModel::entryText(const QStringList& checkedValues) const {
    const int n = divisor_ ? kDivisors[static_cast<std::size_t>(*divisor_)] : 0;
    return QStringLiteral("C%1:").arg(n, 2, 10, QLatin1Char('0')) + checkedValues.join(u',') +
           (tolerant_ ? QStringLiteral("-W") : QString());
}

QString RemainderDialogModel::takeHead(const QString& entry) {
    tolerant_ = entry.contains(QStringLiteral("-W"));
    const qsizetype colon = entry.indexOf(u':');
    const QString code = colon < 0 ? entry : entry.left(colon);
    divisor_.reset();
    for (std::size_t i = 0; i < kDivisors.size(); ++i)
        if (code == QStringLiteral("C%1").arg(kDivisors[i], 2, 10, QLatin1Char('0')))
            divisor_ = static_cast<int>(i);
    QString values = colon < 0 ? QString() : entry.mid(colon + 1);
    values.remove(QStringLiteral("-W"));
    return values;
}

void RemainderDialogModel::afterEntryMade() {
    for (ChecklistItem& item : items())
        item.checked = false;
    tolerant_ = false;
}

} // namespace pentad::dialogs
