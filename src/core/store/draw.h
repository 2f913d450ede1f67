#pragma once

#include <array>
#include <cstdint>

namespace pentad::store {

// One draw: a period (year * 1000 + sequence, seven digits) and its five digits in
// position order 万 千 百 十 个.
struct Draw {
    int period = 0;
    std::array<std::uint8_t, 5> digits{};

    // The drawn number 0..99999.
    int number() const {
        return digits[0] * 10000 + digits[1] * 1000 + digits[2] * 100 + digits[3] * 10 + digits[4];
    }

    friend bool operator==(const Draw&, const Draw&) = default;
};

inline Draw makeDraw(int period, int number) {
    Draw d;
    d.period = period;
    for (int i = 4; i >= 0; --i, number /= 10)
        d.digits[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(number % 10);
    return d;
}

} // namespace pentad::store
