#include "attributes/count_tables.h"

#include "attributes/group_forms.h"
#include "attributes/number_attributes.h"

#include <array>

namespace pentad::attr {

int countedValue(Counted attribute, const Digits& d) {
    switch (attribute) {
    case Counted::Sum: return digitSum(d);
    case Counted::SumTail: return sumTail(d);
    case Counted::Span: return span(d);
    case Counted::MaxDigit: return maxDigit(d);
    case Counted::MinDigit: return minDigit(d);
    case Counted::RoundedMean: return roundedMean(d);
    case Counted::AcValue: return acValue(d);
    case Counted::WeightedSum: return weightedSum(d);
    case Counted::ReverseWeightedSum: return reverseWeightedSum(d);
    case Counted::RemainderSum3: return remainderSum(d, 3);
    case Counted::RemainderSum4: return remainderSum(d, 4);
    case Counted::RemainderSum5: return remainderSum(d, 5);
    case Counted::RemainderSum6: return remainderSum(d, 6);
    case Counted::RemainderSum7: return remainderSum(d, 7);
    case Counted::Route0Sum: return routeSum(d, 0);
    case Counted::Route1Sum: return routeSum(d, 1);
    case Counted::Route2Sum: return routeSum(d, 2);
    case Counted::PrimeSum: return primeSum(d);
    case Counted::CompositeSum: return compositeSum(d);
    case Counted::Route0Count: return routeCount(d, 0);
    case Counted::Route1Count: return routeCount(d, 1);
    case Counted::Route2Count: return routeCount(d, 2);
    case Counted::SmallCount3: return size3Count(d, kSmall3);
    case Counted::MiddleCount3: return size3Count(d, kMiddle3);
    case Counted::BigCount3: return size3Count(d, kBig3);
    case Counted::OddCount: return oddCount(d);
    case Counted::BigCount: return bigCount(d);
    case Counted::PrimeCount: return primeCount(d);
    case Counted::AdjacentDistance: return adjacentDistance(d, 0);
    case Counted::MaxAdjacentDistance: return maxAdjacentDistance(d);
    case Counted::MinAdjacentDistance: return minAdjacentDistance(d);
    case Counted::AdjacentDistanceKinds: return adjacentDistanceKinds(d);
    case Counted::ConsecutiveCount: return consecutive(d).count;
    case Counted::ConsecutiveGroups: return consecutive(d).groups;
    case Counted::SameCount: return same(d).count;
    case Counted::SameGroups: return same(d).groups;
    case Counted::Size3Group: return size3Group(d);
    case Counted::RouteGroup: return routeGroup(d);
    }
    return 0;
}

namespace {

struct Tables {
    std::array<std::vector<int>, kCountedKinds> whole;
    std::array<std::array<std::array<int, 46>, 6>, 4> classSums{}; // [family][k][value]
};

bool inFamily(ClassSum family, int x) {
    switch (family) {
    case ClassSum::Big: return isBig(x);
    case ClassSum::Small: return !isBig(x);
    case ClassSum::Odd: return isOdd(x);
    case ClassSum::Even: return !isOdd(x);
    }
    return false;
}

Tables enumerate() {
    Tables t;
    for (int kind = 0; kind < kCountedKinds; ++kind) {
        std::vector<int>& counts = t.whole[static_cast<std::size_t>(kind)];
        for (int n = 0; n < 100000; ++n) {
            const auto value = static_cast<std::size_t>(countedValue(static_cast<Counted>(kind), digitsOf(n)));
            if (value >= counts.size())
                counts.resize(value + 1);
            ++counts[value];
        }
    }
    for (int family = 0; family < 4; ++family) {
        for (int k = 2; k <= 5; ++k) {
            int strings = 1;
            for (int i = 0; i < k; ++i)
                strings *= 10;
            for (int n = 0; n < strings; ++n) {
                int sum = 0;
                for (int m = n, i = 0; i < k; ++i, m /= 10)
                    sum += inFamily(static_cast<ClassSum>(family), m % 10) ? m % 10 : 0;
                ++t.classSums[static_cast<std::size_t>(family)][static_cast<std::size_t>(k)]
                             [static_cast<std::size_t>(sum)];
            }
        }
    }
    return t;
}

const Tables& tables() {
    static const Tables t = enumerate();
    return t;
}

} // namespace

std::span<const int> countTable(Counted attribute) {
    return tables().whole[static_cast<std::size_t>(attribute)];
}

std::span<const int> classSumCounts(ClassSum family, int k) {
    if (k < 2 || k > 5)
        return {};
    return tables().classSums[static_cast<std::size_t>(family)][static_cast<std::size_t>(k)];
}

std::vector<int> offeredValues(std::span<const int> counts) {
    std::vector<int> values;
    for (std::size_t v = 0; v < counts.size(); ++v)
        if (counts[v] != 0)
            values.push_back(static_cast<int>(v));
    return values;
}

} // namespace pentad::attr
