#include "filter/number_tables.h"

#include "attributes/group_forms.h"
#include "attributes/number_attributes.h"

#include <algorithm>

namespace pentad::filter {

namespace {

using attr::Digits;

int sortedDigits(const Digits& d) {
    Digits s = d;
    std::sort(s.begin(), s.end());
    return attr::numberOf(s);
}

int classPattern(const Digits& d, int (*classOf)(int)) {
    std::array<int, 5> classes{};
    for (std::size_t i = 0; i < 5; ++i)
        classes[i] = classOf(d[i]);
    return patternCode(classes);
}

} // namespace

int columnValue(Column c, const Digits& d) {
    using namespace attr;
    switch (c) {
    case Column::SumParity: return sumParity(d);
    case Column::TailBig: return tailIsBig(d);
    case Column::TailPrime: return tailIsPrime(d);
    case Column::SumRoute: return sumRoute(d);
    case Column::TailSize3: return tailSize3(d);
    case Column::CompositeSum: return compositeSum(d);
    case Column::PrimeSum: return primeSum(d);
    case Column::RouteSum0: return routeSum(d, 0);
    case Column::RouteSum1: return routeSum(d, 1);
    case Column::RouteSum2: return routeSum(d, 2);
    case Column::WeightedSum: return weightedSum(d);
    case Column::ReverseWeightedSum: return reverseWeightedSum(d);
    case Column::RouteCount0: return routeCount(d, 0);
    case Column::RouteCount1: return routeCount(d, 1);
    case Column::RouteCount2: return routeCount(d, 2);
    case Column::RouteGroup: return routeGroup(d);
    case Column::RoutePattern: return classPattern(d, [](int x) { return route(x); });
    case Column::Difference0: return adjacentDistance(d, 0);
    case Column::Difference1: return adjacentDistance(d, 1);
    case Column::Difference2: return adjacentDistance(d, 2);
    case Column::Difference3: return adjacentDistance(d, 3);
    case Column::SmallCount3: return size3Count(d, kSmall3);
    case Column::MiddleCount3: return size3Count(d, kMiddle3);
    case Column::BigCount3: return size3Count(d, kBig3);
    case Column::Size3Pattern: return classPattern(d, [](int x) { return int(size3(x)) - 1; });
    case Column::Size3Group: return size3Group(d);
    case Column::MaxDigit: return maxDigit(d);
    case Column::MinDigit: return minDigit(d);
    case Column::MaxPositions: return maxPositions(d);
    case Column::MinPositions: return minPositions(d);
    case Column::TwoCode0: return twoCode(d, 0);
    case Column::TwoCode1: return twoCode(d, 1);
    case Column::TwoCode2: return twoCode(d, 2);
    case Column::TwoCode3: return twoCode(d, 3);
    case Column::MaxAdjacent: return maxAdjacentDistance(d);
    case Column::MinAdjacent: return minAdjacentDistance(d);
    case Column::AdjacentKinds: return adjacentDistanceKinds(d);
    case Column::AdjacentDistances:
        return adjacentDistance(d, 0) * 1000 + adjacentDistance(d, 1) * 100 + adjacentDistance(d, 2) * 10 +
               adjacentDistance(d, 3);
    case Column::ConsecutiveCount: return consecutive(d).count;
    case Column::ConsecutiveGroups: return consecutive(d).groups;
    case Column::SameCount: return same(d).count;
    case Column::SameGroups: return same(d).groups;
    case Column::AcValue: return acValue(d);
    case Column::FrontThree: return frontThree(d);
    case Column::SortedDigits: return sortedDigits(d);
    case Column::RemainderSums56: return remainderSum(d, 5) * 64 + remainderSum(d, 6);
    case Column::Count_: break;
    }
    return 0;
}

namespace {

struct Columns {
    std::array<std::vector<std::uint16_t>, static_cast<std::size_t>(Column::Count_)> values;
    std::array<std::vector<std::uint8_t>, static_cast<std::size_t>(Column::Count_)> narrow;

    Columns() {
        const auto& digits = everyNumberDigits();
        for (std::size_t c = 0; c < values.size(); ++c) {
            std::vector<int> raw(digits.size());
            for (std::size_t n = 0; n < digits.size(); ++n)
                raw[n] = columnValue(static_cast<Column>(c), digits[n]);
            if (static_cast<Column>(c) == Column::SortedDigits)
                rank(raw);
            values[c].assign(raw.begin(), raw.end());
            if (*std::max_element(raw.begin(), raw.end()) < 256)
                narrow[c].assign(raw.begin(), raw.end());
        }
    }

    // Replaces values by their rank among the distinct values (so they fit 16 bits).
    static void rank(std::vector<int>& raw) {
        std::vector<int> distinct = raw;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        for (int& v : raw)
            v = static_cast<int>(std::lower_bound(distinct.begin(), distinct.end(), v) - distinct.begin());
    }
};

const Columns& columns() {
    static const Columns all;
    return all;
}

// The column as bytes when all its values fit one, else empty: half the memory to stream.
const std::vector<std::uint8_t>& narrowColumn(Column c) { return columns().narrow[static_cast<std::size_t>(c)]; }

} // namespace

const std::vector<attr::Digits>& everyNumberDigits() {
    static const std::vector<attr::Digits> digits = [] {
        std::vector<attr::Digits> all(kNumbers);
        for (int n = 0; n < kNumbers; ++n)
            all[static_cast<std::size_t>(n)] = attr::digitsOf(n);
        return all;
    }();
    return digits;
}

const std::vector<std::uint16_t>& column(Column c) { return columns().values[static_cast<std::size_t>(c)]; }

int patternCode(const std::array<int, 5>& classes) {
    int code = 0;
    for (int k : classes)
        code = code * 3 + k;
    return code;
}

const std::vector<std::uint16_t>& distinctValues(Column c) {
    static const auto distinct = [] {
        std::array<std::vector<std::uint16_t>, static_cast<std::size_t>(Column::Count_)> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            auto v = column(static_cast<Column>(i));
            std::sort(v.begin(), v.end());
            v.erase(std::unique(v.begin(), v.end()), v.end());
            all[i] = std::move(v);
        }
        return all;
    }();
    return distinct[static_cast<std::size_t>(c)];
}

ColumnLookup::ColumnLookup(Column c, const ValueSet& allowed)
    : column_(c), accepted_(static_cast<std::size_t>(distinctValues(c).back()) + 1, 0) {
    for (std::uint16_t v : distinctValues(c))
        accepted_[v] = allowed.contains(v) ? 1 : 0;
}

void ColumnLookup::fill(int block, PassBlock& out) const {
    const auto lookUp = [&](const auto* values) {
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = accepted_[values[i]];
    };
    if (const auto& narrow = narrowColumn(column_); !narrow.empty())
        lookUp(narrow.data() + block * kBlockSize);
    else
        lookUp(column(column_).data() + block * kBlockSize);
}

} // namespace pentad::filter
