#pragma once

#include "attributes/number_attributes.h"
#include "attributes/position_set.h"

#include <QString>

// Patterns and group forms over all five positions, zones and banker digits.
namespace pentad::attr {

// 大中小 pattern in position order: 95021 -> 大中小小小.
constexpr Pattern size3Pattern(const Digits& d) {
    Pattern p{};
    for (std::size_t i = 0; i < 5; ++i)
        p[i] = size3(d[i]) == kSmall3 ? u'小' : size3(d[i]) == kMiddle3 ? u'中' : u'大';
    return p;
}

// 大中小 group form a小b中c大 as one value a*100 + b*10 + c (95021 -> 311).
constexpr int size3Group(const Digits& d) {
    return size3Count(d, kSmall3) * 100 + size3Count(d, kMiddle3) * 10 + size3Count(d, kBig3);
}
QString size3GroupText(int group); // 311 -> "3小1中1大"

// 012 group form a:b:c as one value a*100 + b*10 + c (03147 -> 230).
constexpr int routeGroup(const Digits& d) {
    return routeCount(d, 0) * 100 + routeCount(d, 1) * 10 + routeCount(d, 2);
}
QString routeGroupText(int group); // 230 -> "2:3:0"

// The route digits in position order as a value 0..22222 (each digit 0..2).
constexpr int routePattern(const Digits& d) {
    return route(d[0]) * 10000 + route(d[1]) * 1000 + route(d[2]) * 100 + route(d[3]) * 10 +
           route(d[4]);
}
// The three-way sizes in position order as a value of digits 1..3.
constexpr int size3PatternValue(const Digits& d) {
    return size3(d[0]) * 10000 + size3(d[1]) * 1000 + size3(d[2]) * 100 + size3(d[3]) * 10 +
           size3(d[4]);
}

// 区间分布: each digit goes to the first zone whose set holds it (or to none); the count is
// how many distinct zones received a digit.
constexpr int zoneCount(const Digits& d, const std::array<DigitMask, 5>& zones) {
    unsigned used = 0;
    for (int x : d) {
        for (std::size_t z = 0; z < 5; ++z) {
            if (inMask(zones[z], x)) {
                used |= 1u << z;
                break;
            }
        }
    }
    int count = 0;
    for (std::size_t z = 0; z < 5; ++z)
        count += (used >> z) & 1u;
    return count;
}

// 胆码 hits: positions whose digit is in the set, or the distinct digit values among them.
constexpr int bankerHits(const Digits& d, DigitMask bankers, bool distinctValues) {
    if (!distinctValues)
        return countWhere(d, [bankers](int x) { return inMask(bankers, x); });
    DigitMask hit = 0;
    for (int x : d)
        if (inMask(bankers, x))
            hit = static_cast<DigitMask>(hit | (1u << x));
    int count = 0;
    for (int x = 0; x < 10; ++x)
        count += inMask(hit, x);
    return count;
}

// The digits named by a text: every digit character counts, anything else is ignored.
DigitMask digitMaskOf(QStringView text);

} // namespace pentad::attr
