#pragma once

#include "attributes/digit_classes.h"
#include "filter/value_syntax.h"

#include <array>
#include <cstdint>
#include <vector>

// Whole-space tables: the engine evaluates a condition for a block of 1,000 numbers at a
// time (one 万千 prefix), so a block's tables stay in the processor's nearest cache and a
// block without candidates is skipped. Attributes of the whole number come from columns
// built once per program; attributes over chosen positions are folded digit by digit in
// nested loops, so every number costs one small step.
namespace pentad::filter {

inline constexpr int kNumbers = 100000;

// Blocks of numbers: block b holds b*1000 .. b*1000+999.
inline constexpr int kBlockSize = 1000;
inline constexpr int kBlocks = kNumbers / kBlockSize;

// One byte per number of a block: 1 where the number passes.
using PassBlock = std::array<std::uint8_t, kBlockSize>;

// The digits of every number, in number order.
const std::vector<attr::Digits>& everyNumberDigits();

// Attributes of the whole number, each value at most 65535.
enum class Column : std::uint8_t {
    SumParity, TailBig, TailPrime, SumRoute, TailSize3,
    CompositeSum, PrimeSum, RouteSum0, RouteSum1, RouteSum2,
    WeightedSum, ReverseWeightedSum,
    RouteCount0, RouteCount1, RouteCount2, RouteGroup, RoutePattern,
    Difference0, Difference1, Difference2, Difference3,
    SmallCount3, MiddleCount3, BigCount3, Size3Pattern, Size3Group,
    MaxDigit, MinDigit, MaxPositions, MinPositions,
    TwoCode0, TwoCode1, TwoCode2, TwoCode3,
    MaxAdjacent, MinAdjacent, AdjacentKinds, AdjacentDistances,
    ConsecutiveCount, ConsecutiveGroups, SameCount, SameGroups,
    AcValue, FrontThree,
    SortedDigits, // the same value for numbers with the same digits in any order
    RemainderSums56,
    Count_
};

// The column's value of one number.
int columnValue(Column c, const attr::Digits& d);

// The column's value for every number (built on first use, then shared read-only).
const std::vector<std::uint16_t>& column(Column c);

// Base-3 pattern codes: a pattern of classes 0..2 in position order 万..个 read as a base-3
// number (万 the highest place), 0..242.
int patternCode(const std::array<int, 5>& classes);

// The distinct values of a column, ascending.
const std::vector<std::uint16_t>& distinctValues(Column c);

// The number of set bits of a digit mask (at most ten bits), by table: the processors the
// program is built for need not have an instruction for it.
inline constexpr std::array<std::uint8_t, 1024> kBitCounts = [] {
    std::array<std::uint8_t, 1024> t{};
    for (unsigned m = 1; m < t.size(); ++m)
        t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1u));
    return t;
}();
inline int bitCount(unsigned mask) { return kBitCounts[mask & 1023u]; }

// out[i] = the allowed byte of the column value of the block's i-th number, by a byte table
// over all values made once when the check is compiled.
class ColumnLookup {
public:
    ColumnLookup(Column c, const ValueSet& allowed);
    void fill(int block, PassBlock& out) const;

private:
    Column column_;
    std::vector<std::uint8_t> accepted_; // per column value
};

// out[i] = f(digits of the block's i-th number).
template <class F> void fillPerNumber(int block, PassBlock& out, F f) {
    const attr::Digits* digits = everyNumberDigits().data() + block * kBlockSize;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>(f(digits[i]) ? 1 : 0);
}

// Folds the five digits of the block's numbers in place order: acc = step(acc, position,
// digit) for 万 .. 个, then out[i] = accept(acc). The loops share every prefix of digits.
template <class Acc, class Step, class Accept>
void fillFolded(int block, PassBlock& out, Acc start, Step step, Accept accept) {
    const Acc s1 = step(step(start, 0, block / 10), 1, block % 10);
    std::size_t i = 0;
    for (int c = 0; c < 10; ++c) {
        const Acc s2 = step(s1, 2, c);
        for (int d = 0; d < 10; ++d) {
            const Acc s3 = step(s2, 3, d);
            for (int e = 0; e < 10; ++e)
                out[i++] = static_cast<std::uint8_t>(accept(step(s3, 4, e)) ? 1 : 0);
        }
    }
}

// Per position and digit the amount the digit adds to an additive attribute.
using DigitTerms = std::array<std::array<int, 10>, 5>;

// out[i] = accept(sum over the positions of terms[position][digit]).
template <class Accept> void fillAdditive(int block, PassBlock& out, const DigitTerms& terms, Accept accept) {
    fillFolded(block, out, 0, [&terms](int acc, int pos, int digit) {
        return acc + terms[static_cast<std::size_t>(pos)][static_cast<std::size_t>(digit)];
    }, accept);
}

// out[i] = out[i] && other[i].
inline void intersect(PassBlock& out, const PassBlock& other) {
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] &= other[i];
}

} // namespace pentad::filter
