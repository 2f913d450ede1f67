#include "filter/value_syntax.h"

#include "attributes/group_forms.h"

namespace pentad::filter {

namespace {

// The value a token names, when it is written as the dialogs write it.
std::optional<int> tokenValue(QStringView token, ValueForm form) {
    if (token.isEmpty() || token.size() > 3)
        return std::nullopt;
    int value = 0;
    for (QChar c : token) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (form == ValueForm::TwoDigitCode)
        return token.size() == 2 ? std::optional(value) : std::nullopt;
    const bool canonical = token.size() == 1 || token.front() != u'0';
    return canonical ? std::optional(value) : std::nullopt;
}

// Splits "head|values" at the first "|"; nothing when there is none.
std::optional<std::pair<QStringView, QStringView>> headAndValues(QStringView entry) {
    const qsizetype bar = entry.indexOf(u'|');
    if (bar < 0)
        return std::nullopt;
    return std::pair{entry.left(bar), entry.mid(bar + 1)};
}

} // namespace

ValueSet parseValueList(QStringView text, ValueForm form) {
    ValueSet set;
    for (QStringView token : text.split(u','))
        if (const auto value = tokenValue(token, form))
            set.add(*value);
    return set;
}

QStringList splitEntries(QStringView text) {
    // The part after the last ";" is an entry only when it holds something; an empty entry
    // (";;") says nothing.
    QStringList entries;
    for (QStringView entry : text.split(u';', Qt::SkipEmptyParts))
        entries << entry.toString();
    return entries;
}

namespace {

// Calls `make(head, values)` for every entry with a "|" and collects what it returns.
template <class T, class Make> std::vector<T> headedEntries(QStringView text, Make make) {
    std::vector<T> entries;
    for (const QString& entry : splitEntries(text))
        if (const auto parts = headAndValues(entry))
            if (std::optional<T> parsed = make(parts->first, parts->second))
                entries.push_back(std::move(*parsed));
    return entries;
}

} // namespace

std::vector<Entry> parseEntryList(QStringView text, ValueForm form) {
    return headedEntries<Entry>(text, [form](QStringView head, QStringView values) -> std::optional<Entry> {
        const attr::PositionSet positions(head);
        if (positions.isEmpty())
            return std::nullopt;
        return Entry{positions, parseValueList(values, form)};
    });
}

std::vector<DigitEntry> parseDigitEntryList(QStringView text) {
    return headedEntries<DigitEntry>(text, [](QStringView head, QStringView values) -> std::optional<DigitEntry> {
        const attr::DigitMask digits = attr::digitMaskOf(head);
        if (digits == 0)
            return std::nullopt;
        return DigitEntry{digits, parseValueList(values)};
    });
}

std::vector<PatternEntry> parsePatternEntryList(QStringView text) {
    return headedEntries<PatternEntry>(text, [](QStringView head, QStringView values) -> std::optional<PatternEntry> {
        const attr::PositionSet positions(head);
        if (positions.isEmpty())
            return std::nullopt;
        return PatternEntry{positions, QLatin1Char(',') + values.toString() + QLatin1Char(',')};
    });
}

std::optional<std::array<attr::DigitMask, 5>> parseFiveGroups(QStringView text) {
    const auto groups = text.split(u'/');
    if (groups.size() != 5)
        return std::nullopt;
    std::array<attr::DigitMask, 5> masks{};
    for (std::size_t i = 0; i < 5; ++i)
        masks[i] = groups[static_cast<qsizetype>(i)] == u"*" ? attr::DigitMask(0x3FF)
                                                             : attr::digitMaskOf(groups[static_cast<qsizetype>(i)]);
    return masks;
}

std::vector<TolerantEntry> parseTolerantEntries(QStringView text) {
    std::vector<TolerantEntry> entries;
    for (QString entry : splitEntries(text)) {
        const bool tolerant = entry.contains(QStringLiteral("-W"));
        entry.remove(QStringLiteral("-W"));
        entries.push_back({entry, tolerant});
    }
    return entries;
}

} // namespace pentad::filter
