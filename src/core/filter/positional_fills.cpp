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

void fillEntry(PassTable& out, Positional measure, int divisor, const Entry& e) {
    const PositionSet& p = e.positions;
    const ValueSet& values = e.values;
    switch (measure) {
    case Positional::Tail:
        fillAdditive(out, additiveTerms(measure, divisor, p), [&](int v) { return values.contains(v % 10); });
        return;
    case Positional::Mean: {
        const int k = p.size();
        fillAdditive(out, additiveTerms(measure, divisor, p), [&](int v) { return values.contains((v + k / 2) / k); });
        return;
    }
    case Positional::Span: {
        struct Range {
            int low = 9;
            int high = 0;
        };
        fillFolded(out, Range{}, [&p](Range r, int pos, int d) {
            return p.contains(pos) ? Range{std::min(r.low, d), std::max(r.high, d)} : r;
        }, [&](Range r) { return values.contains(r.high - r.low); });
        return;
    }
    case Positional::ChainedDifference:
        fillPerNumber(out, [&](const attr::Digits& d) { return values.contains(attr::chainedDifferenceAt(d, p)); });
        return;
    case Positional::DigitString: {
        // Compared as a two-digit code, so only two positions can match.
        if (p.size() != 2) {
            std::fill(out.begin(), out.end(), 0);
            return;
        }
        DigitTerms terms{};
        for (int d = 0; d < 10; ++d) {
            terms[static_cast<std::size_t>(p.at(0))][static_cast<std::size_t>(d)] += 10 * d;
            terms[static_cast<std::size_t>(p.at(1))][static_cast<std::size_t>(d)] += d;
        }
        fillAdditive(out, terms, [&](int v) { return values.contains(v); });
        return;
    }
    default:
        fillAdditive(out, additiveTerms(measure, divisor, p), [&](int v) { return values.contains(v); });
    }
}

// Calls fillOne(table, entry) for every entry and keeps the numbers every entry passes.
template <class E, class FillOne> Fill allEntries(std::vector<E> entries, FillOne fillOne) {
    return [entries = std::move(entries), fillOne](PassTable& out) {
        if (entries.empty()) {
            std::fill(out.begin(), out.end(), 1);
            return;
        }
        fillOne(out, entries.front());
        PassTable next(out.size());
        for (std::size_t i = 1; i < entries.size(); ++i) {
            fillOne(next, entries[i]);
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

// Which pattern codes (classes of the positions in P, base 3, 万 highest) the entry lists:
// each code's pattern is made from a digit of each class and compared as text.
std::vector<std::uint8_t> listedCodes(attr::PatternFamily family, const PatternEntry& e) {
    std::array<int, 3> digitOfClass{-1, -1, -1};
    for (int d = 9; d >= 0; --d)
        digitOfClass[static_cast<std::size_t>(familyClass(family, d))] = d;
    std::vector<std::uint8_t> listed(243, 0);
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

constexpr std::array<int, 5> kPlace3 = {81, 27, 9, 3, 1};

} // namespace

Fill entryListFill(Positional measure, int divisor, const QString& text) {
    const ValueForm form = measure == Positional::DigitString ? ValueForm::TwoDigitCode : ValueForm::Decimal;
    return allEntries(parseEntryList(text, form), [measure, divisor](PassTable& out, const Entry& e) {
        fillEntry(out, measure, divisor, e);
    });
}

Fill patternListFill(attr::PatternFamily family, const QString& text) {
    return allEntries(parsePatternEntryList(text), [family](PassTable& out, const PatternEntry& e) {
        const std::vector<std::uint8_t> listed = listedCodes(family, e);
        DigitTerms terms{};
        for (int pos = 0; pos < 5; ++pos)
            for (int d = 0; d < 10; ++d)
                terms[static_cast<std::size_t>(pos)][static_cast<std::size_t>(d)] =
                    e.positions.contains(pos) ? familyClass(family, d) * kPlace3[static_cast<std::size_t>(pos)] : 0;
        fillAdditive(out, terms, [&listed](int code) { return listed[static_cast<std::size_t>(code)] != 0; });
    });
}

Fill digitEntryListFill(const QString& text) {
    return allEntries(parseDigitEntryList(text), [](PassTable& out, const DigitEntry& e) {
        DigitTerms terms{};
        for (auto& position : terms)
            for (int d = 0; d < 10; ++d)
                position[static_cast<std::size_t>(d)] = attr::inMask(e.digits, d) ? d : 0;
        fillAdditive(out, terms, [&e](int v) { return e.values.contains(v); });
    });
}

} // namespace pentad::filter
