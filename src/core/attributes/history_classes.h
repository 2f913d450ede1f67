#pragma once

#include "attributes/digit_classes.h"

#include <QString>

// Digit classes relative to the latest draws: 邻孤传 from the latest draw, 复隔中 from the
// latest two.
namespace pentad::attr {

// Three digit sets in their priority order (邻 孤 传, or 复 隔 中).
struct ClassSets {
    std::array<DigitMask, 3> sets{};
};

// 邻孤传 from the latest draw: 传 a digit of it; else 邻 one apart (9 and 0 too); else 孤.
ClassSets neighbourSets(const Digits& latest);
// 复隔中 from the latest draw and the one before: 复 in the latest; else 隔 in the one before;
// else 中.
ClassSets repeatSets(const Digits& latest, const Digits& before);

// The set's digits ascending, as text: "0379".
QString setText(DigitMask set);

// The class of each digit of a candidate: the first set (in priority order) holding it,
// or -1 for none.
constexpr std::array<int, 5> classify(const Digits& d, const ClassSets& s) {
    std::array<int, 5> classes{};
    for (std::size_t i = 0; i < 5; ++i) {
        classes[i] = -1;
        for (int k = 0; k < 3; ++k) {
            if (inMask(s.sets[static_cast<std::size_t>(k)], d[i])) {
                classes[i] = k;
                break;
            }
        }
    }
    return classes;
}

// How many of the five digits fall in each set, as a*100 + b*10 + c.
constexpr int classGroup(const Digits& d, const ClassSets& s) {
    int counts[3] = {};
    for (int k : classify(d, s))
        if (k >= 0)
            ++counts[k];
    return counts[0] * 100 + counts[1] * 10 + counts[2];
}

// "a邻b孤c传" / "a复b隔c中".
QString classGroupText(int group, const QString& symbols);
// The class symbols in position order; digits in no set add nothing.
QString classPatternText(const Digits& d, const ClassSets& s, const QString& symbols);

inline const QString kNeighbourSymbols = QStringLiteral("邻孤传");
inline const QString kRepeatSymbols = QStringLiteral("复隔中");

} // namespace pentad::attr
