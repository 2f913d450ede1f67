#pragma once

#include "attributes/digit_classes.h"

#include <span>
#include <vector>

// How many of the 100,000 five-digit numbers take each value of an attribute. Computed once by
// enumeration on first use and read-only afterwards. The theoretical probability of a value
// is its count / 1000 percent.
namespace pentad::attr {

enum class Counted {
    Sum, SumTail, Span, MaxDigit, MinDigit, RoundedMean, AcValue,
    WeightedSum, ReverseWeightedSum,
    RemainderSum3, RemainderSum4, RemainderSum5, RemainderSum6, RemainderSum7,
    Route0Sum, Route1Sum, Route2Sum, PrimeSum, CompositeSum,
    Route0Count, Route1Count, Route2Count, SmallCount3, MiddleCount3, BigCount3,
    OddCount, BigCount, PrimeCount,
    AdjacentDistance, MaxAdjacentDistance, MinAdjacentDistance, AdjacentDistanceKinds,
    ConsecutiveCount, ConsecutiveGroups, SameCount, SameGroups,
    Size3Group, RouteGroup,
};
inline constexpr int kCountedKinds = static_cast<int>(Counted::RouteGroup) + 1;

// The attribute's value for one number (AdjacentDistance is 万-千; the others have the same
// distribution).
int countedValue(Counted attribute, const Digits& d);

// Counts indexed by value, up to the largest value the attribute takes.
std::span<const int> countTable(Counted attribute);

// Sums of the digits of a class over k = 2..5 digits: counts over the 10^k digit strings,
// indexed by value 0..45.
enum class ClassSum { Big, Small, Odd, Even };
std::span<const int> classSumCounts(ClassSum family, int k);

// The values whose count is not zero, ascending.
std::vector<int> offeredValues(std::span<const int> counts);

} // namespace pentad::attr
