#pragma once

#include "attributes/digit_classes.h"

#include <cstdlib>
#include <iterator>

// Attributes of a whole five-digit number. Pure, cheap and free of allocation: the filter
// runs them up to 100,000 times per condition.
namespace pentad::attr {

constexpr int digitSum(const Digits& d) { return d[0] + d[1] + d[2] + d[3] + d[4]; }
constexpr int sumTail(const Digits& d) { return digitSum(d) % 10; }
constexpr int sumParity(const Digits& d) { return digitSum(d) % 2; }
constexpr int sumRoute(const Digits& d) { return digitSum(d) % 3; }
constexpr bool tailIsBig(const Digits& d) { return sumTail(d) >= 5; }
constexpr bool tailIsPrime(const Digits& d) { return isPrime(sumTail(d)); }
constexpr int tailSize3(const Digits& d) { return size3(sumTail(d)); }

constexpr int maxDigit(const Digits& d) {
    int m = 0;
    for (int x : d)
        m = x > m ? x : m;
    return m;
}
constexpr int minDigit(const Digits& d) {
    int m = 9;
    for (int x : d)
        m = x < m ? x : m;
    return m;
}
constexpr int span(const Digits& d) { return maxDigit(d) - minDigit(d); }

// The positions (bit i-1 for ordinal i, 1 = 万) holding a digit value.
constexpr int positionsOf(const Digits& d, int value) {
    int bits = 0;
    for (int i = 0; i < 5; ++i)
        bits |= (d[static_cast<std::size_t>(i)] == value) << i;
    return bits;
}
// 最大位 / 最小位: every position holding the largest / smallest digit.
constexpr int maxPositions(const Digits& d) { return positionsOf(d, maxDigit(d)); }
constexpr int minPositions(const Digits& d) { return positionsOf(d, minDigit(d)); }

constexpr int acValue(const Digits& d) {
    bool seen[10] = {};
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            seen[std::abs(d[static_cast<std::size_t>(i)] - d[static_cast<std::size_t>(j)])] = true;
    int count = 0;
    for (bool s : seen)
        count += s;
    return count;
}

constexpr int weightedSum(const Digits& d) {
    return 5 * d[0] + 4 * d[1] + 3 * d[2] + 2 * d[3] + d[4];
}
constexpr int reverseWeightedSum(const Digits& d) {
    return d[0] + 2 * d[1] + 3 * d[2] + 4 * d[3] + 5 * d[4];
}

// The sum of (digit mod k), k = 3..7.
constexpr int remainderSum(const Digits& d, int k) {
    return d[0] % k + d[1] % k + d[2] % k + d[3] % k + d[4] % k;
}

template <class Pred> constexpr int sumWhere(const Digits& d, Pred pred) {
    int s = 0;
    for (int x : d)
        s += pred(x) ? x : 0;
    return s;
}
template <class Pred> constexpr int countWhere(const Digits& d, Pred pred) {
    int c = 0;
    for (int x : d)
        c += pred(x) ? 1 : 0;
    return c;
}

constexpr int routeSum(const Digits& d, int r) {
    return sumWhere(d, [r](int x) { return route(x) == r; });
}
constexpr int routeCount(const Digits& d, int r) {
    return countWhere(d, [r](int x) { return route(x) == r; });
}
constexpr int primeSum(const Digits& d) { return sumWhere(d, isPrime); }
constexpr int compositeSum(const Digits& d) {
    return sumWhere(d, [](int x) { return !isPrime(x); });
}
constexpr int size3Count(const Digits& d, Size3 s) {
    return countWhere(d, [s](int x) { return size3(x) == s; });
}
constexpr int oddCount(const Digits& d) { return countWhere(d, isOdd); }
constexpr int bigCount(const Digits& d) { return countWhere(d, isBig); }
constexpr int primeCount(const Digits& d) { return countWhere(d, isPrime); }

// 位差 of adjacent positions: i = 0 is 万-千 .. i = 3 is 十-个.
constexpr int adjacentDistance(const Digits& d, int i) {
    return std::abs(d[static_cast<std::size_t>(i)] - d[static_cast<std::size_t>(i + 1)]);
}
constexpr int maxAdjacentDistance(const Digits& d) {
    int m = 0;
    for (int i = 0; i < 4; ++i)
        m = adjacentDistance(d, i) > m ? adjacentDistance(d, i) : m;
    return m;
}
constexpr int minAdjacentDistance(const Digits& d) {
    int m = 9;
    for (int i = 0; i < 4; ++i)
        m = adjacentDistance(d, i) < m ? adjacentDistance(d, i) : m;
    return m;
}
constexpr int adjacentDistanceKinds(const Digits& d) {
    bool seen[10] = {};
    for (int i = 0; i < 4; ++i)
        seen[adjacentDistance(d, i)] = true;
    int count = 0;
    for (bool s : seen)
        count += s;
    return count;
}

// 二码 of adjacent positions as 0..99, tens digit first: i = 0 is 万千 .. i = 3 is 十个.
constexpr int twoCode(const Digits& d, int i) {
    return d[static_cast<std::size_t>(i)] * 10 + d[static_cast<std::size_t>(i + 1)];
}

// The attributes below take the five digits or any other run of digits (the ticked positions
// of a report, say).

// 连号 marks: every digit value that differs by 1 from another of the digits (9 and 0 do not).
template <class Run> constexpr std::array<bool, 10> consecutiveMarks(const Run& digits) {
    std::array<bool, 10> marked{};
    const std::size_t n = std::size(digits);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (std::abs(int(digits[i]) - int(digits[j])) == 1)
                marked[static_cast<std::size_t>(digits[i])] = marked[static_cast<std::size_t>(digits[j])] = true;
    return marked;
}

// 连号: how many values are marked, and the runs they form.
struct Consecutive {
    int count = 0;
    int groups = 0;
};
template <class Run> constexpr Consecutive consecutive(const Run& digits) {
    const auto marked = consecutiveMarks(digits);
    Consecutive c;
    for (std::size_t v = 0; v < 10; ++v) {
        c.count += marked[v];
        c.groups += marked[v] && (v == 0 || !marked[v - 1]);
    }
    return c;
}

// How often each digit value occurs.
template <class Run> constexpr std::array<int, 10> occurrences(const Run& digits) {
    std::array<int, 10> occurs{};
    for (auto x : digits)
        ++occurs[static_cast<std::size_t>(x)];
    return occurs;
}

// 同号: digits whose value occurs at least twice, and how many such values there are.
struct Same {
    int count = 0;
    int groups = 0;
};
template <class Run> constexpr Same same(const Run& digits) {
    Same s;
    for (int n : occurrences(digits)) {
        if (n > 1) {
            s.count += n;
            ++s.groups;
        }
    }
    return s;
}

// The whole value modulo n (7, 9, 11, 13, 17, 19, 23).
constexpr int valueRemainder(const Digits& d, int n) { return numberOf(d) % n; }

// 排列3: the value of 万千百, 0..999.
constexpr int frontThree(const Digits& d) { return d[0] * 100 + d[1] * 10 + d[2]; }

// 均值 over all five positions: halves round up.
constexpr int roundedMean(const Digits& d) { return (digitSum(d) + 2) / 5; }

} // namespace pentad::attr
