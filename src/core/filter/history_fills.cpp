#include "filter/history_fills.h"

#include <algorithm>

namespace pentad::filter {

namespace {

using attr::Digits;

std::optional<Column> keyColumn(Relation r) {
    switch (r) {
    case Relation::TwoCode0: return Column::TwoCode0;
    case Relation::TwoCode1: return Column::TwoCode1;
    case Relation::TwoCode2: return Column::TwoCode2;
    case Relation::TwoCode3: return Column::TwoCode3;
    case Relation::GroupEqual: return Column::SortedDigits;
    case Relation::RoutePattern: return Column::RoutePattern;
    case Relation::Size3Pattern: return Column::Size3Pattern;
    case Relation::WeightedSum: return Column::WeightedSum;
    case Relation::ReverseWeightedSum: return Column::ReverseWeightedSum;
    case Relation::RemainderSums56: return Column::RemainderSums56;
    case Relation::AdjacentDistances: return Column::AdjacentDistances;
    default: return std::nullopt;
    }
}

// The numbers that differ from the draw in at most `changes` positions.
void markNear(std::vector<std::uint8_t>& marks, const Digits& draw, int changes, int from = 0) {
    marks[static_cast<std::size_t>(attr::numberOf(draw))] = 1;
    if (changes == 0)
        return;
    for (int pos = from; pos < 5; ++pos) {
        Digits other = draw;
        for (std::uint8_t d = 0; d < 10; ++d) {
            if (d == draw[static_cast<std::size_t>(pos)])
                continue;
            other[static_cast<std::size_t>(pos)] = d;
            markNear(marks, other, changes - 1, pos + 1);
        }
    }
}

// The five four-digit multisets of a number (one digit left out), as sorted-digit values.
std::array<int, 5> fourDigitKeys(const Digits& d) {
    Digits sorted = d;
    std::sort(sorted.begin(), sorted.end());
    std::array<int, 5> keys{};
    for (std::size_t skip = 0; skip < 5; ++skip) {
        int key = 0;
        for (std::size_t i = 0; i < 5; ++i)
            if (i != skip)
                key = key * 10 + sorted[i];
        keys[skip] = key;
    }
    return keys;
}

const std::vector<std::array<std::uint16_t, 5>>& fourDigitKeysOfEveryNumber() {
    static const auto keys = [] {
        std::vector<std::array<std::uint16_t, 5>> all(kNumbers);
        const auto& digits = everyNumberDigits();
        for (std::size_t n = 0; n < all.size(); ++n) {
            const auto k = fourDigitKeys(digits[n]);
            for (std::size_t i = 0; i < 5; ++i)
                all[n][i] = static_cast<std::uint16_t>(k[i]);
        }
        return all;
    }();
    return keys;
}

} // namespace

Fill historyFill(Relation relation, std::vector<Digits> window) {
    if (const auto c = keyColumn(relation)) {
        std::vector<std::uint8_t> marked(1 << 16, 0);
        const auto& keys = column(*c);
        for (const Digits& d : window)
            marked[keys[static_cast<std::size_t>(attr::numberOf(d))]] = 1;
        return [c = *c, marked = std::move(marked)](int block, PassBlock& out) {
            const std::uint16_t* keys = column(c).data() + block * kBlockSize;
            for (std::size_t i = 0; i < out.size(); ++i)
                out[i] = !marked[keys[i]];
        };
    }
    if (relation == Relation::CommonFour) {
        std::vector<std::uint8_t> marked(10000, 0);
        for (const Digits& d : window)
            for (int key : fourDigitKeys(d))
                marked[static_cast<std::size_t>(key)] = 1;
        return [marked = std::move(marked)](int block, PassBlock& out) {
            const auto* keys = fourDigitKeysOfEveryNumber().data() + block * kBlockSize;
            for (std::size_t i = 0; i < out.size(); ++i) {
                const auto& k = keys[i];
                out[i] = !(marked[k[0]] | marked[k[1]] | marked[k[2]] | marked[k[3]] | marked[k[4]]);
            }
        };
    }
    const int changes = relation == Relation::MatchFour ? 1 : relation == Relation::MatchThree ? 2 : 0;
    std::vector<std::uint8_t> marked(kNumbers, 0);
    for (const Digits& d : window)
        markNear(marked, d, changes);
    return [marked = std::move(marked)](int block, PassBlock& out) {
        const std::uint8_t* near = marked.data() + block * kBlockSize;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = !near[i];
    };
}

} // namespace pentad::filter
