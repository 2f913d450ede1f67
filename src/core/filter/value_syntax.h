#pragma once

#include "attributes/digit_classes.h"
#include "attributes/position_set.h"

#include <QString>
#include <QStringList>

#include <bitset>
#include <optional>
#include <vector>

// The value texts of the filter conditions, parsed once per run into small lookup values.
//
// Hand-edited texts may hold what the setting dialogs never write. They are read so that a
// run always goes on: a value that is not a canonical decimal (or, for two-digit codes, not
// two digits) matches nothing; an entry without "|", or whose position or digit set names
// nothing valid, constrains nothing and is skipped; codes outside 1..5 are dropped.
namespace pentad::filter {

// Attribute values a value list can name (the largest attribute compared is below 1000).
inline constexpr int kMaxListedValue = 999;

class ValueSet {
public:
    bool contains(int value) const {
        return value >= 0 && value <= kMaxListedValue && bits_.test(static_cast<std::size_t>(value));
    }
    bool isEmpty() const { return bits_.none(); }
    void add(int value) { bits_.set(static_cast<std::size_t>(value)); }

private:
    std::bitset<kMaxListedValue + 1> bits_;
};

enum class ValueForm { Decimal, TwoDigitCode };

// "3,4,10" (or "07,12" for two-digit codes). An empty text names no value.
ValueSet parseValueList(QStringView text, ValueForm form = ValueForm::Decimal);

// The entries of a text, each ended by ";"; non-empty text after the last ";" is one more.
// Empty entries are left out.
QStringList splitEntries(QStringView text);

// "543|10,12;": the attribute over 万千百 is 10 or 12.
struct Entry {
    attr::PositionSet positions;
    ValueSet values;
};
std::vector<Entry> parseEntryList(QStringView text, ValueForm form = ValueForm::Decimal);

// "13|5,9;": the sum of the digits that are in the set 1, 3 is 5 or 9.
struct DigitEntry {
    attr::DigitMask digits = 0;
    ValueSet values;
};
std::vector<DigitEntry> parseDigitEntryList(QStringView text);

// "54|奇偶ＸＸＸ,奇奇ＸＸＸ;": the class pattern over P occurs in the listed text.
struct PatternEntry {
    attr::PositionSet positions;
    QString listed; // "," + values + ","
    bool matches(const attr::Pattern& pattern) const { return listed.contains(attr::toText(pattern)); }
};
std::vector<PatternEntry> parsePatternEntryList(QStringView text);

// "13/*/5/02/79": per position a digit set, "*" for any digit. Nothing unless there are
// exactly five groups.
std::optional<std::array<attr::DigitMask, 5>> parseFiveGroups(QStringView text);

// One entry of a tolerant entry list: its text without the tolerance mark "-W".
struct TolerantEntry {
    QString body;
    bool tolerant = false;
};
std::vector<TolerantEntry> parseTolerantEntries(QStringView text);

} // namespace pentad::filter
