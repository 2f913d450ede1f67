#pragma once

#include "attributes/digit_classes.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// A position set P written as position codes '1'..'5' by place value ('1' = 个 .. '5' = 万).
// Numeric attributes visit the codes in the order written, a code written twice counting
// twice; class patterns only ask whether a position occurs. Characters other than '1'..'5'
// (only a hand-edited file can hold them) are dropped, so a set of none of them is empty:
// its sums and counts are 0, its mean and span 0, its pattern all fillers.
namespace pentad::attr {

class PositionSet {
public:
    static constexpr int kMaxCodes = 32; // longer texts are cut here

    constexpr PositionSet() = default;
    explicit PositionSet(QStringView codes);

    int size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    // The position index (0 = 万 .. 4 = 个) of the i-th code.
    int at(int i) const { return index_[static_cast<std::size_t>(i)]; }
    // Bit i set when position index i (0 = 万) occurs.
    std::uint8_t mask() const { return mask_; }
    bool contains(int positionIndex) const { return (mask_ >> positionIndex) & 1u; }

private:
    std::array<std::uint8_t, kMaxCodes> index_{};
    int size_ = 0;
    std::uint8_t mask_ = 0;
};

int sumAt(const Digits& d, const PositionSet& p);
int tailAt(const Digits& d, const PositionSet& p);
int roundedMeanAt(const Digits& d, const PositionSet& p); // (sum + k div 2) div k
int spanAt(const Digits& d, const PositionSet& p);
int oddCountAt(const Digits& d, const PositionSet& p);
int bigCountAt(const Digits& d, const PositionSet& p);
int primeCountAt(const Digits& d, const PositionSet& p);
int oddSumAt(const Digits& d, const PositionSet& p);
int evenSumAt(const Digits& d, const PositionSet& p);
int bigSumAt(const Digits& d, const PositionSet& p);
int smallSumAt(const Digits& d, const PositionSet& p);
int remainderSumAt(const Digits& d, const PositionSet& p, int k);
// 更多位差: e := abs(e - digit) over the codes in order, from e = 0.
int chainedDifferenceAt(const Digits& d, const PositionSet& p);
// 更多二码: the digits at P in the order of P read as a decimal value (P = 53 gives d1 d3).
long long digitStringAt(const Digits& d, const PositionSet& p);

// Five symbols in position order 万..个: a class symbol for a position in P, the filler
// for the others.
using Pattern = std::array<char16_t, 5>;
enum class PatternFamily { Parity, Size, Prime, Route };
Pattern classPatternAt(const Digits& d, const PositionSet& p, PatternFamily family);

inline QString toText(const Pattern& pattern) {
    return QString(reinterpret_cast<const QChar*>(pattern.data()), 5);
}

} // namespace pentad::attr
