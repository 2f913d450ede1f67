#include "filter/positional_fills.h"

#include "attributes/number_attributes.h"
#include "filter/value_syntax.h"

namespace pentad::filter {

namespace {

using attr::PositionSet;

int digitTerm(Positional measure, int divisor, int d) {
    switch (measure) {
    case Positional::OddCount: return attr::isOdd(d);
    case Positional::BigCount: return attr::isBig(d);
    case Positional::PrimeCount: return attr::isPrime(d);
    case Positional::OddSum: return attr::isOdd(d) ? d : 0;
    case Positional::EvenSum: return attr::isOdd(d) ? 0 : d;
    case Positional::BigSum: return attr::isBig(d) ? d : 0;
    case Positional::SmallSum: return attr::isBig(d) ? 0 : d;
    case Positional::RemainderSum: return divisor > 0 ? d % divisor : 0;
    default: return d; // sums, tails and means start from the plain sum
    }
}

// Per position: the term of each digit, once for every time the position is written.
DigitTerms additiveTerms(Positional measure, int divisor, const PositionSet& p) {
    DigitTerms terms{};
    for (int i = 0; i < p.size(); ++i)
        for (int d = 0; d < 10; ++d)
            terms[static_cast<std::size_t>(p.at(i))][static_cast<std::size_t>(d)] += digitTerm(measure, divisor, d);
    return terms;
}

// The largest additive value is 32 codes of 9; a byte per value makes the test a load.
using Accepted = std::array<std::uint8_t, 1024>;

template <class Map> Accepted acceptedBy(const ValueSet& values, Map map) {
    Accepted accepted{};
    for (std::size_t v = 0; v < accepted.size(); ++v)
        accepted[v] = values.contains(map(static_cast<int>(v)));
    return accepted;
}

Fill additiveFill(const DigitTerms& terms, const Accepted& accepted) {
    return [terms, accepted](int block, PassBlock& out) {
        fillAdditive(block, out, terms, [&accepted](int v) { return accepted[static_cast<std::size_t>(v)] != 0; });
    };
}

Fill entryFill(Positional measure, int divisor, const Entry& e) {
    const PositionSet p = e.positions;
    const ValueSet values = e.values;
    switch (measure) {
    case Positional::Tail:
        return additiveFill(additiveTerms(measure, divisor, p), acceptedBy(values, [](int v) { return v % 10; }));
    case Positional::Mean: {
        const int k = p.size();
        return additiveFill(additiveTerms(measure, divisor, p), acceptedBy(values, [k](int v) { return (v + k / 2) / k; }));
    }
    case Positional::Span:
        return [p, values](int block, PassBlock& out) {
            struct Range {
                int low = 9;
                int high = 0;
            };
            fillFolded(block, out, Range{}, [&p](Range r, int pos, int d) {
                return p.contains(pos) ? Range{std::min(r.low, d), std::max(r.high, d)} : r;
            }, [&values](Range r) { return values.contains(r.high - r.low); });
        };
    case Positional::ChainedDifference:
        return [p, values](int block, PassBlock& out) {
            fillPerNumber(block, out, [&](const attr::Digits& d) { return values.contains(attr::chainedDifferenceAt(d, p)); });
        };
    case Positional::DigitString: {
        // Compared as a two-digit code, so only two positions can match.
        if (p.size() != 2)
            return [](int, PassBlock& out) { out.fill(0); };
        DigitTerms terms{};
        for (int d = 0; d < 10; ++d) {
            terms[static_cast<std::size_t>(p.at(0))][static_cast<std::size_t>(d)] += 10 * d;
            terms[static_cast<std::size_t>(p.at(1))][static_cast<std::size_t>(d)] += d;
        }
        return additiveFill(terms, acceptedBy(values, [](int v) { return v; }));
    }
    default:
        return additiveFill(additiveTerms(measure, divisor, p), acceptedBy(values, [](int v) { return v; }));
    }
}

// The numbers every entry passes; an empty list passes all.
Fill allEntries(std::vector<Fill> entries) {
    return [entries = std::move(entries)](int block, PassBlock& out) {
        if (entries.empty()) {
            out.fill(1);
            return;
        }
        entries.front()(block, out);
        PassBlock next;
        for (std::size_t i = 1; i < entries.size(); ++i) {
            entries[i](block, next);
            intersect(out, next);
        }
    };
}

int familyClass(attr::PatternFamily family, int d) {
    switch (family) {
    case attr::PatternFamily::Parity: return attr::isOdd(d);
    case attr::PatternFamily::Size: return attr::isBig(d);
    case attr::PatternFamily::Prime: return attr::isPrime(d);
    case attr::PatternFamily::Route: return attr::route(d);
    }
    return 0;
}

constexpr std::array<int, 5> kPlace3 = {81, 27, 9, 3, 1};

// Which pattern codes (classes of the positions in P, base 3, 万 highest) the entry lists:
// each code's pattern is made from a digit of each class and compared as text.
Accepted listedCodes(attr::PatternFamily family, const PatternEntry& e) {
    std::array<int, 3> digitOfClass{-1, -1, -1};
    for (int d = 9; d >= 0; --d)
        digitOfClass[static_cast<std::size_t>(familyClass(family, d))] = d;
    Accepted listed{};
    for (int code = 0; code < 243; ++code) {
        attr::Digits sample{};
        bool possible = true;
        for (int pos = 4, rest = code; pos >= 0; --pos, rest /= 3) {
            const int cls = rest % 3;
            const int digit = digitOfClass[static_cast<std::size_t>(cls)];
            possible = possible && digit >= 0 && (cls == 0 || e.positions.contains(pos));
            sample[static_cast<std::size_t>(pos)] = static_cast<std::uint8_t>(std::max(digit, 0));
        }
        listed[static_cast<std::size_t>(code)] = possible && e.matches(attr::classPatternAt(sample, e.positions, family));
    }
    return listed;
}

} // namespace

Fill entryListFill(Positional measure, int divisor, const QString& text) {
    const ValueForm form = measure == Positional::DigitString ? ValueForm::TwoDigitCode : ValueForm::Decimal;
    std::vector<Fill> fills;
    for (const Entry& e : parseEntryList(text, form))
        fills.push_back(entryFill(measure, divisor, e));
    return allEntries(std::move(fills));
}

Fill patternListFill(attr::PatternFamily family, const QString& text) {
    std::vector<Fill> fills;
    for (const PatternEntry& e : parsePatternEntryList(text)) {
        DigitTerms terms{};
        for (int pos = 0; pos < 5; ++pos)
            for (int d = 0; d < 10; ++d)
                terms[static_cast<std::size_t>(pos)][static_cast<std::size_t>(d)] =
                    e.positions.contains(pos) ? familyClass(family, d) * kPlace3[static_cast<std::size_t>(pos)] : 0;
        fills.push_back(additiveFill(terms, listedCodes(family, e)));
    }
    return allEntries(std::move(fills));
}

Fill digitEntryListFill(const QString& text) {
    std::vector<Fill> fills;
    for (const DigitEntry& e : parseDigitEntryList(text)) {
        DigitTerms terms{};
        for (auto& position : terms)
            for (int d = 0; d < 10; ++d)
                position[static_cast<std::size_t>(d)] = attr::inMask(e.digits, d) ? d : 0;
        fills.push_back(additiveFill(terms, acceptedBy(e.values, [](int v) { return v; })));
    }
    return allEntries(std::move(fills));
}

} // namespace pentad::filter
