#include "attributes/position_set.h"

#include <QString>

#include <cstdlib>

namespace pentad::attr {

PositionSet::PositionSet(QStringView codes) {
    for (QChar c : codes) {
        if (c < u'1' || c > u'5' || size_ == kMaxCodes)
            continue;
        const int index = 5 - (c.unicode() - u'0'); // '5' = 万 = index 0
        index_[static_cast<std::size_t>(size_++)] = static_cast<std::uint8_t>(index);
        mask_ = static_cast<std::uint8_t>(mask_ | (1u << index));
    }
}

namespace {

int digitAt(const Digits& d, const PositionSet& p, int i) {
    return d[static_cast<std::size_t>(p.at(i))];
}

template <class Pred> int countAt(const Digits& d, const PositionSet& p, Pred pred) {
    int n = 0;
    for (int i = 0; i < p.size(); ++i)
        n += pred(digitAt(d, p, i)) ? 1 : 0;
    return n;
}

template <class Pred> int sumWhereAt(const Digits& d, const PositionSet& p, Pred pred) {
    int s = 0;
    for (int i = 0; i < p.size(); ++i) {
        const int x = digitAt(d, p, i);
        s += pred(x) ? x : 0;
    }
    return s;
}

constexpr auto always = [](int) { return true; };

} // namespace

int sumAt(const Digits& d, const PositionSet& p) { return sumWhereAt(d, p, always); }
int tailAt(const Digits& d, const PositionSet& p) { return sumAt(d, p) % 10; }

int roundedMeanAt(const Digits& d, const PositionSet& p) {
    const int k = p.size();
    return k == 0 ? 0 : (sumAt(d, p) + k / 2) / k;
}

int spanAt(const Digits& d, const PositionSet& p) {
    if (p.isEmpty())
        return 0;
    int high = 0;
    int low = 9;
    for (int i = 0; i < p.size(); ++i) {
        const int x = digitAt(d, p, i);
        high = x > high ? x : high;
        low = x < low ? x : low;
    }
    return high - low;
}

int oddCountAt(const Digits& d, const PositionSet& p) { return countAt(d, p, isOdd); }
int bigCountAt(const Digits& d, const PositionSet& p) { return countAt(d, p, isBig); }
int primeCountAt(const Digits& d, const PositionSet& p) { return countAt(d, p, isPrime); }
int oddSumAt(const Digits& d, const PositionSet& p) { return sumWhereAt(d, p, isOdd); }
int evenSumAt(const Digits& d, const PositionSet& p) {
    return sumWhereAt(d, p, [](int x) { return !isOdd(x); });
}
int bigSumAt(const Digits& d, const PositionSet& p) { return sumWhereAt(d, p, isBig); }
int smallSumAt(const Digits& d, const PositionSet& p) {
    return sumWhereAt(d, p, [](int x) { return !isBig(x); });
}

int remainderSumAt(const Digits& d, const PositionSet& p, int k) {
    int s = 0;
    for (int i = 0; i < p.size(); ++i)
        s += digitAt(d, p, i) % k;
    return s;
}

int chainedDifferenceAt(const Digits& d, const PositionSet& p) {
    int e = 0;
    for (int i = 0; i < p.size(); ++i)
        e = std::abs(e - digitAt(d, p, i));
    return e;
}

long long digitStringAt(const Digits& d, const PositionSet& p) {
    long long value = 0;
    for (int i = 0; i < p.size() && i < 18; ++i)
        value = value * 10 + digitAt(d, p, i);
    return value;
}

Pattern classPatternAt(const Digits& d, const PositionSet& p, PatternFamily family) {
    Pattern pattern{};
    for (int i = 0; i < 5; ++i) {
        const int x = d[static_cast<std::size_t>(i)];
        char16_t symbol = u'Ｘ';
        switch (family) {
        case PatternFamily::Parity:
            symbol = isOdd(x) ? u'奇' : u'偶';
            break;
        case PatternFamily::Size:
            symbol = isBig(x) ? u'大' : u'小';
            break;
        case PatternFamily::Prime:
            symbol = isPrime(x) ? u'质' : u'合';
            break;
        case PatternFamily::Route:
            symbol = static_cast<char16_t>(u'0' + route(x));
            break;
        }
        if (!p.contains(i))
            symbol = family == PatternFamily::Route ? u'X' : u'Ｘ';
        pattern[static_cast<std::size_t>(i)] = symbol;
    }
    return pattern;
}

} // namespace pentad::attr
