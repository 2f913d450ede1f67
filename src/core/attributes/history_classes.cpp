#include "attributes/history_classes.h"

#include <algorithm>
#include <cstdlib>

namespace pentad::attr {

namespace {
constexpr DigitMask bit(int x) { return static_cast<DigitMask>(1u << x); }
} // namespace

ClassSets neighbourSets(const Digits& latest) {
    enum { kNeighbour, kIsolated, kPassed };
    ClassSets s;
    for (int x = 0; x < 10; ++x) {
        int cls = kIsolated;
        for (int a : latest) {
            if (x == a) {
                cls = kPassed;
                break;
            }
            if (std::abs(x - a) == 1 || std::abs(x - a) == 9)
                cls = kNeighbour;
        }
        s.sets[static_cast<std::size_t>(cls)] |= bit(x);
    }
    return s;
}

ClassSets repeatSets(const Digits& latest, const Digits& before) {
    ClassSets s;
    for (int x = 0; x < 10; ++x) {
        const bool inLatest = std::find(latest.begin(), latest.end(), x) != latest.end();
        const bool inBefore = std::find(before.begin(), before.end(), x) != before.end();
        s.sets[inLatest ? 0u : inBefore ? 1u : 2u] |= bit(x);
    }
    return s;
}

QString setText(DigitMask set) {
    QString text;
    for (int x = 0; x < 10; ++x)
        if (inMask(set, x))
            text += QChar(u'0' + x);
    return text;
}

QString classGroupText(int group, const QString& symbols) {
    return QString::number(group / 100) + symbols[0] + QString::number(group / 10 % 10) +
           symbols[1] + QString::number(group % 10) + symbols[2];
}

QString classPatternText(const Digits& d, const ClassSets& s, const QString& symbols) {
    QString text;
    for (int k : classify(d, s))
        if (k >= 0)
            text += symbols[k];
    return text;
}

} // namespace pentad::attr
