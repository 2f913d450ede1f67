#pragma once

#include "attributes/digit_classes.h"

#include <QString>

// Small helpers shared by the filter, the dialogs and the reports.
namespace pentad::attr {

// A two-digit value 0..99 with its smaller digit as tens: 73 -> 37.
constexpr int SortPair(int v) {
    const int a = v / 10 % 10;
    const int b = v % 10;
    return a < b ? a * 10 + b : b * 10 + a;
}

// A three-digit value 0..999 with its digits ascending: 907 -> 79 (digits 0, 7, 9).
constexpr int SortTriple(int v) {
    int a = v / 100 % 10, b = v / 10 % 10, c = v % 10;
    if (a > b) std::swap(a, b);
    if (b > c) std::swap(b, c);
    if (a > b) std::swap(a, b);
    return a * 100 + b * 10 + c;
}

// C(n, k) for 0 <= k <= n <= 10; 0 outside that range.
constexpr int Binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    long long product = 1;
    long long factorial = 1;
    for (int i = 0; i < k; ++i) {
        product *= n - i;
        factorial *= i + 1;
    }
    return static_cast<int>(product / factorial);
}

// The idx-th (from 1) k-element combination, lexicographically, of the n digits 10-n .. 9,
// as ascending digit characters: (10, 2, 1) -> "01", (10, 6, 210) -> "456789".
// An idx outside 1..C(n, k) gives an empty text.
QString KthCombination(int n, int k, int idx);

// Largest minus smallest of five digits.
constexpr int SpanOfFive(const Digits& d) {
    int high = 0;
    int low = 9;
    for (int x : d) {
        high = x > high ? x : high;
        low = x < low ? x : low;
    }
    return high - low;
}

// 组选二码: the ten unordered pairs (i < j) of the five digits, each smaller digit first,
// in pair order (1,2), (1,3), (1,4), (1,5), (2,3), ..., (4,5).
constexpr std::array<std::uint8_t, 10> groupTwoCodes(const Digits& d) {
    std::array<std::uint8_t, 10> codes{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = i + 1; j < 5; ++j)
            codes[n++] = static_cast<std::uint8_t>(SortPair(d[i] * 10 + d[j]));
    return codes;
}

} // namespace pentad::attr
