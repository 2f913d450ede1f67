#pragma once

#include <array>
#include <cstdint>

// The digit classes: each family partitions 0..9.
namespace pentad::attr {

using Digits = std::array<std::uint8_t, 5>; // position order 万 千 百 十 个

constexpr Digits digitsOf(int n) {
    return {static_cast<std::uint8_t>(n / 10000 % 10), static_cast<std::uint8_t>(n / 1000 % 10),
            static_cast<std::uint8_t>(n / 100 % 10), static_cast<std::uint8_t>(n / 10 % 10),
            static_cast<std::uint8_t>(n % 10)};
}

constexpr int numberOf(const Digits& d) {
    return d[0] * 10000 + d[1] * 1000 + d[2] * 100 + d[3] * 10 + d[4];
}

// 1 counts as prime and 0 as composite.
inline constexpr std::array<bool, 10> kPrime = {false, true, true, true, false,
                                                true,  false, true, false, false};

constexpr bool isOdd(int digit) { return digit % 2 == 1; }
constexpr bool isBig(int digit) { return digit >= 5; }
constexpr bool isPrime(int digit) { return kPrime[static_cast<std::size_t>(digit)]; }
constexpr int route(int digit) { return digit % 3; }

// Three-way size: 1 small (0-2), 2 middle (3-6), 3 big (7-9).
enum Size3 : std::uint8_t { kSmall3 = 1, kMiddle3 = 2, kBig3 = 3 };
constexpr Size3 size3(int digit) { return digit <= 2 ? kSmall3 : digit <= 6 ? kMiddle3 : kBig3; }

// A digit set as ten bits (bit x for digit x).
using DigitMask = std::uint16_t;
constexpr bool inMask(DigitMask mask, int digit) { return (mask >> digit) & 1u; }

} // namespace pentad::attr
