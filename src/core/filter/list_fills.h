#pragma once

#include "filter/engine.h"

#include <vector>

// The checks of the lists that name numbers or rules entry by entry: 必出号 / 必杀号,
// 号码匹配, 除N余数, 更多数字 and 排列3排除.
namespace pentad::filter {

// Numbers matched by at least one entry: a five-group entry ("13/*/5/02/79"), or a custom
// list in which the number's five characters occur. A five-group entry without exactly five
// groups matches nothing.
Fill forcedListFill(const QString& text);

// 号码匹配 "G|C;" / "G|C-W;": each entry one check. Entries without "|" or without five
// groups are left out.
std::vector<Check> matchingChecks(const QString& text);

// 除N余数 "C07:0,3,6;": each entry one check; a code other than C07 .. C23 gives the
// remainder 0, an entry without ":" has no values and fails.
std::vector<Check> remainderChecks(const QString& text);

// 更多数字 "1,3|12;": banker hits of each entry's digits, counted as `distinct` says.
// Entries without "|" are left out.
std::vector<Check> moreDigitsChecks(const QString& text, bool distinct);

// 排列3排除: fails when the number's 万千百 occur as three consecutive digits of the text.
Fill frontThreeFill(const QString& text);

// out[n] = accept(banker hits of the set in n): hit positions, or with `distinct` the
// distinct digit values among them.
template <class Accept>
void fillBankerHits(int block, PassBlock& out, attr::DigitMask set, bool distinct, Accept accept) {
    if (distinct)
        fillFolded(block, out, 0u, [set](unsigned acc, int, int d) { return attr::inMask(set, d) ? acc | (1u << d) : acc; },
                   [&accept](unsigned hit) { return accept(bitCount(hit)); });
    else
        fillFolded(block, out, 0, [set](int acc, int, int d) { return acc + attr::inMask(set, d); }, accept);
}

// Marks every run of `width` consecutive digit characters of the text (as a value).
std::vector<std::uint8_t> digitWindows(QStringView text, int width);

} // namespace pentad::filter
