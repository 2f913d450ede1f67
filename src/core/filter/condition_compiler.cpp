#include "filter/condition_compiler.h"

#include "attributes/group_forms.h"
#include "attributes/number_attributes.h"
#include "attributes/position_set.h"
#include "filter/value_syntax.h"

#include <functional>

namespace pentad::filter {

namespace {

using attr::Digits;
using attr::PositionSet;
using OverPositions = std::function<int(const Digits&, const PositionSet&)>;
using Whole = std::function<int(const Digits&)>;

QString name(const char* prefix, const QString& stem, const char* suffix = "") {
    return QString::fromLatin1(prefix) + stem + QString::fromLatin1(suffix);
}

class Compiler {
public:
    Compiler(const FilterState& state, std::vector<Check>& out) : s_(state), out_(out) {}

    // Entry list: every entry's attribute over its positions is one of its values.
    void entryList(const char* stem, OverPositions attribute) {
        if (!enabled(stem))
            return;
        add(stem, [entries = parseEntryList(text(stem)), attribute](const Digits& d) {
            return std::all_of(entries.begin(), entries.end(), [&](const Entry& e) {
                return e.values.contains(attribute(d, e.positions));
            });
        });
    }

    void patternEntryList(const char* stem, attr::PatternFamily family) {
        if (!enabled(stem))
            return;
        add(stem, [entries = parsePatternEntryList(text(stem)), family](const Digits& d) {
            return std::all_of(entries.begin(), entries.end(), [&](const PatternEntry& e) {
                return e.matches(attr::classPatternAt(d, e.positions, family));
            });
        });
    }

    // Value list over all five digits: an empty list matches nothing.
    void valueList(const char* stem, Whole attribute) {
        if (!enabled(stem))
            return;
        add(stem, [values = parseValueList(text(stem)), attribute](const Digits& d) {
            return values.contains(attribute(d));
        });
    }

    void digitEntryList(const char* stem) {
        if (!enabled(stem))
            return;
        add(stem, [entries = parseDigitEntryList(text(stem))](const Digits& d) {
            return std::all_of(entries.begin(), entries.end(), [&](const DigitEntry& e) {
                return e.values.contains(attr::sumWhere(d, [&](int x) { return attr::inMask(e.digits, x); }));
            });
        });
    }

    // Radio pair: the candidate is in the class of the selected button (none selected: fails).
    void radioPair(const char* stem, std::function<bool(const Digits&)> inFirstClass) {
        if (!enabled(stem))
            return;
        const bool first = s_.checked(name("rdoS", QString::fromLatin1(stem), "1"));
        const bool second = !first && s_.checked(name("rdoS", QString::fromLatin1(stem), "2"));
        add(stem, [first, second, inFirstClass](const Digits& d) {
            return first ? inFirstClass(d) : second && !inFirstClass(d);
        });
    }

    // Choice boxes chkS + boxStem + k for the values from..to.
    void choiceBoxes(const char* stem, const char* boxStem, int from, int to, Whole attribute) {
        if (!enabled(stem))
            return;
        std::vector<bool> allowed(static_cast<std::size_t>(to + 1), false);
        for (int k = from; k <= to; ++k)
            allowed[static_cast<std::size_t>(k)] =
                s_.checked(name("chkS", QString::fromLatin1(boxStem)) + QString::number(k));
        add(stem, [allowed, attribute](const Digits& d) {
            const int v = attribute(d);
            return v >= 0 && v < static_cast<int>(allowed.size()) && allowed[static_cast<std::size_t>(v)];
        });
    }

    // Item text: the candidate's form occurs anywhere in the text (an empty text fails).
    void itemText(const char* stem, std::function<QString(const Digits&)> form) {
        if (!enabled(stem))
            return;
        add(stem, [field = text(stem), form](const Digits& d) {
            return !field.isEmpty() && field.contains(form(d));
        });
    }

    // ">" "=" "<" ">=" "<=" "<>" between two positions; another index fails.
    void comparison(const char* stem, const char* combo, const char* tolerance, int left, int right) {
        if (!enabled(stem))
            return;
        const int op = s_.index(QString::fromLatin1(combo));
        Check check;
        check.tolerant = s_.checked(QString::fromLatin1(tolerance));
        check.passes = [op, left, right](const Digits& d) {
            const int a = d[static_cast<std::size_t>(left)];
            const int b = d[static_cast<std::size_t>(right)];
            switch (op) {
            case 0: return a > b;
            case 1: return a == b;
            case 2: return a < b;
            case 3: return a >= b;
            case 4: return a <= b;
            case 5: return a != b;
            default: return false;
            }
        };
        out_.push_back(std::move(check));
    }

private:
    bool enabled(const char* stem) const { return s_.checked(name("chkS", QString::fromLatin1(stem))); }
    QString text(const char* stem) const { return s_.text(name("txtS", QString::fromLatin1(stem))); }

    void add(const char* stem, std::function<bool(const Digits&)> passes) {
        out_.push_back({std::move(passes), s_.checked(name("chkS", QString::fromLatin1(stem), "Wrong"))});
    }

    const FilterState& s_;
    std::vector<Check>& out_;
};

OverPositions remainderSumOver(int k) {
    return [k](const Digits& d, const PositionSet& p) { return attr::remainderSumAt(d, p, k); };
}

} // namespace

std::vector<Check> compileChecks(const FilterState& state) {
    std::vector<Check> checks;
    Compiler c(state, checks);
    using attr::PatternFamily;
    // In the engine's evaluation order.
    c.entryList("Sum", attr::sumAt);
    c.entryList("HeWei", attr::tailAt);
    c.entryList("Jun", attr::roundedMeanAt);
    c.entryList("JOShu", attr::oddCountAt);
    c.patternEntryList("JOLei", PatternFamily::Parity);
    c.radioPair("SumJO", [](const Digits& d) { return attr::sumParity(d) == 1; });
    c.entryList("DXShu", attr::bigCountAt);
    c.patternEntryList("DXLei", PatternFamily::Size);
    c.radioPair("SumDX", [](const Digits& d) { return !attr::tailIsBig(d); });
    for (int k = 3; k <= 7; ++k) {
        const QByteArray stem = "C" + QByteArray::number(k) + "H";
        c.entryList(stem.constData(), remainderSumOver(k));
    }
    c.choiceBoxes("HWDZX", "HWDZX", 1, 3, attr::tailSize3);
    c.entryList("TMJS", attr::oddSumAt);
    c.entryList("TMOS", attr::evenSumAt);
    c.entryList("TMDS", attr::bigSumAt);
    c.entryList("TMXS", attr::smallSumAt);
    c.valueList("TMHS", attr::compositeSum);
    c.valueList("TMZS", attr::primeSum);
    c.valueList("0Sum", [](const Digits& d) { return attr::routeSum(d, 0); });
    c.valueList("1Sum", [](const Digits& d) { return attr::routeSum(d, 1); });
    c.valueList("2Sum", [](const Digits& d) { return attr::routeSum(d, 2); });
    c.digitEntryList("ADSum");
    for (int r = 0; r <= 2; ++r) {
        const QByteArray stem = "012" + QByteArray::number(r);
        c.choiceBoxes(stem.constData(), stem.constData(), 0, 5, [r](const Digits& d) { return attr::routeCount(d, r); });
    }
    c.choiceBoxes("Sum012", "Sum012", 0, 2, attr::sumRoute);
    c.patternEntryList("Dan012", PatternFamily::Route);
    c.itemText("Zu012", [](const Digits& d) { return attr::routeGroupText(attr::routeGroup(d)); });
    c.valueList("WJH", attr::weightedSum);
    c.valueList("FWJH", attr::reverseWeightedSum);
    c.comparison("WQCmp", "cmbSWQCmp", "chkSWQCmpWrong", 0, 1);
    c.comparison("QBCmp", "cmbSQBCmp", "chkSQBCmpWrong", 1, 2);
    c.comparison("BScmp", "cmbSBSCmp", "chkSBScmpWrong", 2, 3);
    c.comparison("SGCmp", "cmbSSGCmp", "chkSSGCmpWrong", 3, 4);
    c.comparison("GBCmp", "cmbSGBCmp", "chkSGBCMPWrong", 4, 0);
    c.entryList("ZhiShu", attr::primeCountAt);
    c.patternEntryList("ZHLei", PatternFamily::Prime);
    c.radioPair("HWZhi", [](const Digits& d) { return attr::tailIsPrime(d); });
    return checks;
}

} // namespace pentad::filter
