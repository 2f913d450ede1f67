#pragma once

#include "attributes/group_forms.h"
#include "attributes/number_attributes.h"

// Relations between a candidate c and an earlier draw h.
namespace pentad::attr {

constexpr int positionalMatches(const Digits& c, const Digits& h) {
    int n = 0;
    for (std::size_t i = 0; i < 5; ++i)
        n += c[i] == h[i];
    return n;
}

// Common digits as multisets: each digit of h can be matched once.
constexpr int commonDigits(const Digits& c, const Digits& h) {
    Digits pool = h;
    int n = 0;
    for (int x : c) {
        for (auto& p : pool) {
            if (p == x) {
                p = 10;
                ++n;
                break;
            }
        }
    }
    return n;
}
constexpr bool groupEqual(const Digits& c, const Digits& h) { return commonDigits(c, h) == 5; }

// The two digits at adjacent positions i, i+1 (0 = 万千 .. 3 = 十个) agree.
constexpr bool sameTwoCode(const Digits& c, const Digits& h, int i) {
    return twoCode(c, i) == twoCode(h, i);
}
constexpr bool sameRoutePattern(const Digits& c, const Digits& h) {
    return routePattern(c) == routePattern(h);
}
constexpr bool sameSize3Pattern(const Digits& c, const Digits& h) {
    return size3PatternValue(c) == size3PatternValue(h);
}
constexpr bool sameWeightedSum(const Digits& c, const Digits& h) {
    return weightedSum(c) == weightedSum(h);
}
constexpr bool sameReverseWeightedSum(const Digits& c, const Digits& h) {
    return reverseWeightedSum(c) == reverseWeightedSum(h);
}
constexpr bool sameRemainderSums56(const Digits& c, const Digits& h) {
    return remainderSum(c, 5) == remainderSum(h, 5) && remainderSum(c, 6) == remainderSum(h, 6);
}
constexpr bool sameAdjacentDistances(const Digits& c, const Digits& h) {
    for (int i = 0; i < 4; ++i)
        if (adjacentDistance(c, i) != adjacentDistance(h, i))
            return false;
    return true;
}

} // namespace pentad::attr
