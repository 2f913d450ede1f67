#include "filter/list_fills.h"

#include "attributes/group_forms.h"
#include "filter/value_syntax.h"

namespace pentad::filter {

namespace {

int powerOfTen(int width) {
    int p = 1;
    for (int i = 0; i < width; ++i)
        p *= 10;
    return p;
}

// Which counts 0..9 the text allows: those whose digit occurs anywhere in it.
std::array<bool, 10> allowedCounts(const QString& counts) {
    std::array<bool, 10> allowed{};
    for (int k = 0; k < 10; ++k)
        allowed[static_cast<std::size_t>(k)] = counts.contains(QChar(u'0' + k));
    return allowed;
}

// The numbers whose digit is in its group at `count` positions, for all counts at once.
void fillMatchCount(int block, PassBlock& out, const std::array<attr::DigitMask, 5>& groups,
                    const std::array<bool, 10>& allowed) {
    fillFolded(block, out, 0, [&groups](int acc, int pos, int d) {
        return acc + attr::inMask(groups[static_cast<std::size_t>(pos)], d);
    }, [&allowed](int hits) { return allowed[static_cast<std::size_t>(hits)]; });
}

} // namespace

std::vector<std::uint8_t> digitWindows(QStringView text, int width) {
    const int limit = powerOfTen(width);
    std::vector<std::uint8_t> marks(static_cast<std::size_t>(limit), 0);
    int value = 0;
    int run = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            run = 0;
            value = 0;
            continue;
        }
        value = (value * 10 + (c.unicode() - u'0')) % limit;
        if (++run >= width)
            marks[static_cast<std::size_t>(value)] = 1;
    }
    return marks;
}

Fill forcedListFill(const QString& text) {
    std::vector<std::array<attr::DigitMask, 5>> groups;
    std::vector<std::uint8_t> listed(kNumbers, 0);
    for (const QString& entry : splitEntries(text)) {
        if (!entry.contains(u'/')) {
            const auto windows = digitWindows(entry, 5);
            for (std::size_t n = 0; n < listed.size(); ++n)
                listed[n] |= windows[n];
        } else if (const auto g = parseFiveGroups(entry)) {
            groups.push_back(*g);
        }
    }
    return [groups = std::move(groups), listed = std::move(listed)](int block, PassBlock& out) {
        std::copy_n(listed.begin() + block * kBlockSize, kBlockSize, out.begin());
        PassBlock next;
        for (const auto& g : groups) {
            fillFolded(block, next, true, [&g](bool acc, int pos, int d) {
                return acc && attr::inMask(g[static_cast<std::size_t>(pos)], d);
            }, [](bool all) { return all; });
            for (std::size_t i = 0; i < out.size(); ++i)
                out[i] |= next[i];
        }
    };
}

std::vector<Check> matchingChecks(const QString& text) {
    std::vector<Check> checks;
    for (const TolerantEntry& e : parseTolerantEntries(text)) {
        const qsizetype bar = e.body.indexOf(u'|');
        if (bar < 0)
            continue;
        const auto groups = parseFiveGroups(QStringView(e.body).left(bar));
        if (!groups)
            continue;
        const auto allowed = allowedCounts(e.body.mid(bar + 1));
        checks.push_back({[g = *groups, allowed](int block, PassBlock& out) { fillMatchCount(block, out, g, allowed); },
                          e.tolerant});
    }
    return checks;
}

std::vector<Check> remainderChecks(const QString& text) {
    static const QStringList kCodes = {QStringLiteral("C07"), QStringLiteral("C09"), QStringLiteral("C11"),
                                       QStringLiteral("C13"), QStringLiteral("C17"), QStringLiteral("C19"),
                                       QStringLiteral("C23")};
    static const std::array<int, 7> kDivisors = {7, 9, 11, 13, 17, 19, 23};
    std::vector<Check> checks;
    for (const TolerantEntry& e : parseTolerantEntries(text)) {
        const qsizetype colon = e.body.indexOf(u':');
        const QString code = colon < 0 ? e.body : e.body.left(colon);
        const ValueSet values = colon < 0 ? ValueSet() : parseValueList(QStringView(e.body).mid(colon + 1));
        const qsizetype known = kCodes.indexOf(code);
        const int divisor = known < 0 ? 0 : kDivisors[static_cast<std::size_t>(known)];
        checks.push_back({[divisor, values](int block, PassBlock& out) {
            if (divisor == 0) {
                out.fill(values.contains(0) ? 1 : 0);
                return;
            }
            for (int i = 0, r = block * kBlockSize % divisor; i < kBlockSize; ++i, r = r + 1 == divisor ? 0 : r + 1)
                out[static_cast<std::size_t>(i)] = values.contains(r);
        }, e.tolerant});
    }
    return checks;
}

std::vector<Check> moreDigitsChecks(const QString& text, bool distinct) {
    std::vector<Check> checks;
    for (const TolerantEntry& e : parseTolerantEntries(text)) {
        const qsizetype bar = e.body.indexOf(u'|');
        if (bar < 0)
            continue;
        const attr::DigitMask set = attr::digitMaskOf(QStringView(e.body).left(bar));
        const auto allowed = allowedCounts(e.body.mid(bar + 1));
        checks.push_back({[set, allowed, distinct](int block, PassBlock& out) {
            fillBankerHits(block, out, set, distinct, [&allowed](int hits) { return allowed[static_cast<std::size_t>(hits)]; });
        }, e.tolerant});
    }
    return checks;
}

Fill frontThreeFill(const QString& text) {
    return [excluded = digitWindows(text, 3)](int block, PassBlock& out) {
        for (int i = 0; i < kBlockSize; ++i)
            out[static_cast<std::size_t>(i)] = !excluded[static_cast<std::size_t>((block * kBlockSize + i) / 100)];
    };
}

} // namespace pentad::filter
