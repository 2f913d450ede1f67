#pragma once

#include "attributes/digit_classes.h"
#include "filter/value_syntax.h"

#include <array>
#include <cstdint>
#include <vector>

// Whole-space tables: the engine evaluates a condition for all 100,000 numbers at once into
// a pass table. Attributes of the whole number come from columns built once per program;
// attributes over chosen positions are folded digit by digit in nested loops, so every
// number costs one small step and no number is ever turned back into digits.
namespace pentad::filter {

inline constexpr int kNumbers = 100000;

// One byte per number: 1 where the number passes.
using PassTable = std::vector<std::uint8_t>;

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

// The column's value for every number (built on first use, then shared read-only).
const std::vector<std::uint16_t>& column(Column c);

// Base-3 pattern codes: a pattern of classes 0..2 in position order 万..个 read as a base-3
// number (万 the highest place), 0..242.
int patternCode(const std::array<int, 5>& classes);

// out[n] = allowed(column value of n).
void fillFromColumn(PassTable& out, Column c, const ValueSet& allowed);

// out[n] = accept(f(digits of n)).
template <class F> void fillPerNumber(PassTable& out, F f) {
    const auto& digits = everyNumberDigits();
    for (std::size_t n = 0; n < digits.size(); ++n)
        out[n] = static_cast<std::uint8_t>(f(digits[n]) ? 1 : 0);
}

// Folds the five digits of every number in place order: acc = step(acc, position, digit)
// for 万 .. 个, then out[n] = accept(acc). The loops share every prefix of digits.
template <class Acc, class Step, class Accept>
void fillFolded(PassTable& out, Acc start, Step step, Accept accept) {
    std::size_t n = 0;
    for (int a = 0; a < 10; ++a) {
        const Acc s0 = step(start, 0, a);
        for (int b = 0; b < 10; ++b) {
            const Acc s1 = step(s0, 1, b);
            for (int c = 0; c < 10; ++c) {
                const Acc s2 = step(s1, 2, c);
                for (int d = 0; d < 10; ++d) {
                    const Acc s3 = step(s2, 3, d);
                    for (int e = 0; e < 10; ++e)
                        out[n++] = static_cast<std::uint8_t>(accept(step(s3, 4, e)) ? 1 : 0);
                }
            }
        }
    }
}

// Per position and digit the amount the digit adds to an additive attribute.
using DigitTerms = std::array<std::array<int, 10>, 5>;

// out[n] = accept(sum over the positions of terms[position][digit]).
template <class Accept> void fillAdditive(PassTable& out, const DigitTerms& terms, Accept accept) {
    fillFolded(out, 0, [&terms](int acc, int pos, int digit) {
        return acc + terms[static_cast<std::size_t>(pos)][static_cast<std::size_t>(digit)];
    }, accept);
}

// out[n] = out[n] && other[n].
void intersect(PassTable& out, const PassTable& other);

} // namespace pentad::filter
