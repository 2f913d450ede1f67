#include "filter/condition_compiler.h"

#include "attributes/group_forms.h"
#include "attributes/history_classes.h"
#include "filter/catalogue.h"
#include "filter/history_fills.h"
#include "filter/list_fills.h"
#include "filter/positional_fills.h"
#include "filter/value_syntax.h"

#include <algorithm>

namespace pentad::filter {

namespace {

using attr::DigitMask;

// The set fields of 邻孤传 and 复隔中 in the priority order of their classes.
const std::array<std::array<QString, 3>, 2> kSetFields = {{
    {QStringLiteral("txtSLCGLin"), QStringLiteral("txtSLCGGu"), QStringLiteral("txtSLCGChuan")},
    {QStringLiteral("txtSFGZFu"), QStringLiteral("txtSFGZGe"), QStringLiteral("txtSFGZZhong")},
}};

QString size3PatternText(int code) {
    static const std::array<QChar, 3> kSymbols = {u'小', u'中', u'大'};
    QString text(5, u' ');
    for (int pos = 4; pos >= 0; --pos, code /= 3)
        text[pos] = kSymbols[static_cast<std::size_t>(code % 3)];
    return text;
}

// The form text a column value stands for in an item text.
QString formText(Column c, int value) {
    switch (c) {
    case Column::RouteGroup: return attr::routeGroupText(value);
    case Column::Size3Group: return attr::size3GroupText(value);
    case Column::Size3Pattern: return size3PatternText(value);
    default: return QString::number(value);
    }
}

class Compiler {
public:
    Compiler(const FilterState& state, const std::vector<attr::Digits>& draws) : s_(state), draws_(draws) {}

    void add(const ConditionSpec& row) {
        if (row.enableBox.isEmpty() || !s_.checked(row.enableBox))
            return;
        const bool tolerant = !row.toleranceBox.isEmpty() && s_.checked(row.toleranceBox);
        const QString field = row.valueField.isEmpty() ? QString() : s_.text(row.valueField);
        const auto push = [&](Fill fill) { checks_.push_back({std::move(fill), tolerant}); };
        switch (row.syntax) {
        case Syntax::None:
        case Syntax::Option:
        case Syntax::Vote:
        case Syntax::ForcedKeep:
        case Syntax::ForcedKill:
            return;
        case Syntax::EntryList: return push(entryListFill(row.positional, row.param, field));
        case Syntax::PatternList: return push(patternListFill(row.pattern, field));
        case Syntax::DigitEntryList: return push(digitEntryListFill(field));
        case Syntax::ValueList: return push(columnFill(row.column, parseValueList(field)));
        case Syntax::TwoCodeList: return push(columnFill(row.column, parseValueList(field, ValueForm::TwoDigitCode)));
        case Syntax::ChoiceBoxes: return push(columnFill(row.column, tickedValues(row)));
        case Syntax::RadioPair: return push(columnFill(row.column, radioClass(row)));
        case Syntax::ItemText: return push(columnFill(row.column, listedForms(row.column, field)));
        case Syntax::PositionBoxes: return push(columnFill(row.column, positionMasks(tickedValues(row))));
        case Syntax::Comparison: return push(comparisonFill(row));
        case Syntax::ZoneCount: return push(zoneFill(row));
        case Syntax::BankerPositions: return push(bankerPositionsFill(row, field));
        case Syntax::BankerCount: {
            const DigitMask set = attr::digitMaskOf(field);
            return push([set, allowed = tickedValues(row), distinct = distinctBankers()](int block, PassBlock& out) {
                fillBankerHits(block, out, set, distinct, [&allowed](int hits) { return allowed.contains(hits); });
            });
        }
        case Syntax::MoreDigits: return append(moreDigitsChecks(field, distinctBankers()));
        case Syntax::GroupTwoCode: return push(groupTwoCodeFill(parseValueList(field, ValueForm::TwoDigitCode)));
        case Syntax::ClassCount: return push(classCountFill(row));
        case Syntax::ClassGroup: return push(classFormFill(row, field, true));
        case Syntax::ClassPattern: return push(classFormFill(row, field, false));
        case Syntax::Remainders: return append(remainderChecks(field));
        case Syntax::Matching: return append(matchingChecks(field));
        case Syntax::FrontThree: return push(frontThreeFill(field));
        case Syntax::History: {
            const int window = std::clamp(comboValue(s_, row.controls.back().name), 0, static_cast<int>(draws_.size()));
            return push(historyFill(row.relation, {draws_.begin(), draws_.begin() + window}));
        }
        }
    }

    std::vector<Check> take() { return std::move(checks_); }

private:
    static Fill columnFill(Column c, ValueSet allowed) {
        return [lookup = ColumnLookup(c, allowed)](int block, PassBlock& out) { lookup.fill(block, out); };
    }

    void append(std::vector<Check> more) {
        for (Check& c : more)
            checks_.push_back(std::move(c));
    }

    bool distinctBankers() const { return s_.checked(QStringLiteral("chkSDMSet")); }

    // The values of the ticked choice or position boxes.
    ValueSet tickedValues(const ConditionSpec& row) const {
        ValueSet values;
        for (const ControlSpec& c : row.controls)
            if (c.kind == ControlKind::CheckBox && c.name != row.enableBox && c.name != row.toleranceBox &&
                s_.checked(c.name))
                values.add(c.value);
        return values;
    }

    // The class of the selected radio button (param is the first button's); none selected
    // allows nothing.
    ValueSet radioClass(const ConditionSpec& row) const {
        ValueSet values;
        const auto radios = std::find_if(row.controls.begin(), row.controls.end(),
                                         [](const ControlSpec& c) { return c.kind == ControlKind::Radio; });
        if (s_.checked(radios->name))
            values.add(row.param);
        else if (s_.checked((radios + 1)->name))
            values.add(1 - row.param);
        return values;
    }

    // Item text: the values whose form occurs in the field; an empty field allows nothing.
    static ValueSet listedForms(Column c, const QString& field) {
        ValueSet values;
        if (field.isEmpty())
            return values;
        for (std::uint16_t v : distinctValues(c))
            if (v <= kMaxListedValue && field.contains(formText(c, v)))
                values.add(v);
        return values;
    }

    // 最大位 / 最小位: the position masks (bit i-1 for ordinal i) that hold a ticked position.
    static ValueSet positionMasks(const ValueSet& ordinals) {
        ValueSet masks;
        for (int mask = 1; mask < 32; ++mask)
            for (int ordinal = 1; ordinal <= 5; ++ordinal)
                if ((mask >> (ordinal - 1) & 1) && ordinals.contains(ordinal))
                    masks.add(mask);
        return masks;
    }

    Fill comparisonFill(const ConditionSpec& row) const {
        const int op = s_.index(row.controls.back().name);
        const std::size_t left = static_cast<std::size_t>(row.param / 10);
        const std::size_t right = static_cast<std::size_t>(row.param % 10);
        // Which digit pairs (left, right) hold the relation, then the two digits folded
        // into a pair index.
        std::array<std::uint8_t, 100> holds{};
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                holds[static_cast<std::size_t>(a * 10 + b)] = op == 0 ? a > b : op == 1 ? a == b : op == 2 ? a < b
                                                            : op == 3 ? a >= b : op == 4 ? a <= b : op == 5 && a != b;
        DigitTerms terms{};
        for (std::size_t d = 0; d < 10; ++d) {
            terms[left][d] += static_cast<int>(10 * d);
            terms[right][d] += static_cast<int>(d);
        }
        return [holds, terms](int block, PassBlock& out) {
            fillAdditive(block, out, terms, [&holds](int pair) { return holds[static_cast<std::size_t>(pair)] != 0; });
        };
    }

    Fill zoneFill(const ConditionSpec& row) const {
        // Each digit's zone bit: the first zone whose field holds it, none when no zone does.
        std::array<unsigned, 10> zoneBit{};
        int zone = 0;
        for (const ControlSpec& c : row.controls) {
            if (c.kind != ControlKind::Edit)
                continue;
            const DigitMask mask = attr::digitMaskOf(s_.text(c.name));
            for (int d = 0; d < 10; ++d)
                if (zoneBit[static_cast<std::size_t>(d)] == 0 && attr::inMask(mask, d))
                    zoneBit[static_cast<std::size_t>(d)] = 1u << zone;
            ++zone;
        }
        return [zoneBit, allowed = tickedValues(row)](int block, PassBlock& out) {
            fillFolded(block, out, 0u, [&zoneBit](unsigned acc, int, int d) { return acc | zoneBit[static_cast<std::size_t>(d)]; },
                       [&allowed](unsigned used) { return allowed.contains(bitCount(used)); });
        };
    }

    Fill bankerPositionsFill(const ConditionSpec& row, const QString& field) const {
        const DigitMask set = attr::digitMaskOf(field);
        const ValueSet ordinals = tickedValues(row);
        return [set, ordinals](int block, PassBlock& out) {
            fillFolded(block, out, false, [&](bool hit, int pos, int d) {
                return hit || (ordinals.contains(pos + 1) && attr::inMask(set, d));
            }, [](bool hit) { return hit; });
        };
    }

    static Fill groupTwoCodeFill(const ValueSet& codes) {
        std::array<std::array<bool, 10>, 10> listed{};
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                listed[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                    codes.contains(std::min(a, b) * 10 + std::max(a, b));
        return [listed](int block, PassBlock& out) {
            fillPerNumber(block, out, [&listed](const attr::Digits& d) {
                for (std::size_t i = 0; i < 5; ++i)
                    for (std::size_t j = i + 1; j < 5; ++j)
                        if (listed[d[i]][d[j]])
                            return true;
                return false;
            });
        };
    }

    attr::ClassSets classSets(const ConditionSpec& row) const {
        attr::ClassSets sets;
        const auto& fields = kSetFields[static_cast<std::size_t>(row.syntax == Syntax::ClassCount ? familyOf(row) : row.param)];
        for (std::size_t k = 0; k < 3; ++k)
            sets.sets[k] = attr::digitMaskOf(s_.text(fields[k]));
        return sets;
    }

    // Which family a count row belongs to: its box names start like the family's fields.
    static int familyOf(const ConditionSpec& row) { return row.enableBox.startsWith(QStringLiteral("chkSLCG")) ? 0 : 1; }

    Fill classCountFill(const ConditionSpec& row) const {
        const DigitMask set = classSets(row).sets[static_cast<std::size_t>(row.param)];
        return [set, allowed = tickedValues(row)](int block, PassBlock& out) {
            fillBankerHits(block, out, set, false, [&allowed](int hits) { return allowed.contains(hits); });
        };
    }

    // 组选 (group): the class counts a*100+b*10+c; 单选 (pattern): per position its class+1
    // (0 for a digit in no set) in base 4. The field must hold the form's text.
    Fill classFormFill(const ConditionSpec& row, const QString& field, bool group) const {
        const attr::ClassSets sets = classSets(row);
        const QString& symbols = row.param == 0 ? attr::kNeighbourSymbols : attr::kRepeatSymbols;
        std::array<int, 10> classOf{};
        for (int d = 0; d < 10; ++d)
            classOf[static_cast<std::size_t>(d)] = attr::classify({static_cast<std::uint8_t>(d)}, sets)[0];
        DigitTerms terms{};
        constexpr std::array<int, 5> kPlace4 = {256, 64, 16, 4, 1};
        constexpr std::array<int, 3> kGroupWeight = {100, 10, 1};
        for (std::size_t pos = 0; pos < 5; ++pos)
            for (std::size_t d = 0; d < 10; ++d) {
                const int k = classOf[d];
                terms[pos][d] = group ? (k < 0 ? 0 : kGroupWeight[static_cast<std::size_t>(k)]) : (k + 1) * kPlace4[pos];
            }
        std::vector<std::uint8_t> listed(1024, 0);
        if (!field.isEmpty())
            for (int value = 0; value < 1024; ++value)
                listed[static_cast<std::size_t>(value)] = field.contains(group ? attr::classGroupText(value, symbols)
                                                                               : classPatternText(value, symbols));
        return [terms, listed](int block, PassBlock& out) {
            fillAdditive(block, out, terms, [&listed](int v) { return listed[static_cast<std::size_t>(v)] != 0; });
        };
    }

    static QString classPatternText(int code, const QString& symbols) {
        QString text;
        for (int place = 256; place > 0; place /= 4) {
            const int k = code / place % 4;
            if (k > 0)
                text += symbols[k - 1];
        }
        return text;
    }

    const FilterState& s_;
    const std::vector<attr::Digits>& draws_;
    std::vector<Check> checks_;
};

} // namespace

int comboValue(const FilterState& state, const QString& comboName) {
    const ControlSpec* combo = Catalogue::instance().control(comboName);
    if (!combo || combo->items.isEmpty())
        return 0;
    const int index = std::clamp(state.index(comboName), 0, static_cast<int>(combo->items.size()) - 1);
    return combo->items[index].toInt();
}

std::vector<Check> compileChecks(const FilterState& state, const std::vector<attr::Digits>& newestDraws) {
    Compiler compiler(state, newestDraws);
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& row : g.conditions)
            compiler.add(row);
    return compiler.take();
}

FilterPlan compileFilter(const FilterState& state, const std::vector<attr::Digits>& newestDraws) {
    FilterPlan plan;
    plan.pads = state.pads;
    plan.checks = compileChecks(state, newestDraws);
    if (state.checked(QStringLiteral("chkSJJB")))
        plan.keep = forcedListFill(state.text(QStringLiteral("txtSJJB")));
    if (state.checked(QStringLiteral("chkSJJC")))
        plan.kill = forcedListFill(state.text(QStringLiteral("txtSJJC")));
    plan.voteOn = state.checked(QStringLiteral("chkSTotalWrong"));
    plan.voteMin = comboValue(state, QStringLiteral("cmbSTotalWrongMin"));
    plan.voteMax = comboValue(state, QStringLiteral("cmbSTotalWrong"));
    return plan;
}

} // namespace pentad::filter
