#pragma once

#include "attributes/position_set.h"
#include "filter/number_tables.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Every filter condition of the ten filter pages and every control it owns, described once.
// The panel builds its pages from it, filter files are written and read in its order, the
// reset knows what to untick, and the condition compiler evaluates the enabled rows.
namespace pentad::filter {

enum class ControlKind { CheckBox, Edit, Combo, Radio };

// What typing is accepted in an edit field (besides Backspace and Enter).
enum class KeyRule {
    DigitsComma,      // digits and ","
    DigitsCommaStar,  // digits, "," and "*"
    DigitsColonComma, // digits, ":" and ","
    AnyKey,
    ReadOnly,         // no typing; only dialogs, files and generate buttons write it
};

struct ControlSpec {
    QString name;
    ControlKind kind = ControlKind::CheckBox;
    QString caption;      // a box's or radio's caption, the label in front of a field
    int value = 0;        // choice and position boxes: the attribute value the box allows
    QString defaultText;  // edit fields
    int maxLength = 0;    // edit fields; 0: no limit of their own
    KeyRule keys = KeyRule::DigitsComma;
    QStringList items;    // combos
    int defaultIndex = 0; // combos
    bool defaultChecked = false;
};

// How a row is evaluated.
enum class Syntax {
    None,            // controls only: the set fields of 邻孤传 and 复隔中
    Option,          // chkSDMSet: read by other rows
    Vote,            // chkSTotalWrong and its combos: read by the engine's vote
    EntryList,       // positional measure over each entry's positions
    PatternList,     // class pattern over each entry's positions
    DigitEntryList,  // 自定义数和
    ValueList,       // column value in the value list
    TwoCodeList,     // column value as a two-digit code in the value list
    ChoiceBoxes,     // column value has its box ticked
    RadioPair,       // column value is the selected button's class
    ItemText,        // the column value's form text occurs in the field
    PositionBoxes,   // a position of the column's position mask has its box ticked
    Comparison,      // two digits and the operator combo
    ZoneCount,       // 区间分布
    BankerPositions, // 单码
    BankerCount,     // 数字
    MoreDigits,      // 更多数字: tolerant entry list
    GroupTwoCode,    // 组选二码
    ClassCount,      // 邻号 .. 中号: digits in one of the three set fields
    ClassGroup,      // 组选邻孤传 / 组选复隔中
    ClassPattern,    // 单选邻孤传 / 单选复隔中
    Remainders,      // 除N余数: tolerant entry list
    ForcedKeep,      // 必出号
    ForcedKill,      // 必杀号
    Matching,        // 号码匹配: tolerant entry list
    FrontThree,      // 排列3排除
    History,         // relation with one of the latest draws in the window
};

// Measures over an entry's positions.
enum class Positional {
    None, Sum, Tail, Mean, OddCount, BigCount, PrimeCount, OddSum, EvenSum, BigSum, SmallSum,
    RemainderSum, Span, ChainedDifference, DigitString,
};

// The relations of the history rows.
enum class Relation {
    None, Equal, TwoCode0, TwoCode1, TwoCode2, TwoCode3, GroupEqual, CommonFour, MatchFour,
    MatchThree, RoutePattern, Size3Pattern, WeightedSum, ReverseWeightedSum, RemainderSums56,
    AdjacentDistances,
};

struct ConditionSpec {
    QString caption;
    QString enableBox;     // empty for the always-enabled set fields
    QString toleranceBox;  // empty: no tolerance box
    QString valueField;    // empty: none
    QString button;        // the setting or generate button, empty: none
    QString buttonCaption; // "设置", or the generate button's caption
    QString dialog;        // the setting dialog's class, empty: none
    int dialogKind = 0;
    std::vector<ControlSpec> controls; // in the group box's control order, buttons left out

    Syntax syntax = Syntax::None;
    Positional positional = Positional::None;
    attr::PatternFamily pattern = attr::PatternFamily::Parity;
    Column column = Column::SumParity;
    Relation relation = Relation::None;
    int param = 0; // remainder divisor; radio class of button 1; compared positions; class set

    // The controls the enable box enables: all but itself, plus the button.
    QStringList dependents() const;
    const ControlSpec* control(const QString& name) const;
};

struct GroupBoxSpec {
    QString name;    // "RzGroupBox1" .. "RzGroupBox22"
    QString caption; // " 和值 "
    int page = 1;    // 1..10: "过滤1" .. "过滤10"
    std::vector<ConditionSpec> conditions;
};

class Catalogue {
public:
    // The group boxes in numeric order.
    const std::vector<GroupBoxSpec>& groupBoxes() const { return groups_; }
    // The group boxes of one page (1..10) in their order on the page.
    std::vector<const GroupBoxSpec*> page(int page) const;

    // The control and row of a control or button name; null for an unknown name.
    const ControlSpec* control(const QString& name) const;
    const ConditionSpec* conditionOf(const QString& controlName) const;

    static const Catalogue& instance();

private:
    Catalogue();
    std::vector<GroupBoxSpec> groups_; // by number
    std::vector<QString> pageOrder_;   // group box names as the pages show them
    struct Place {
        const ConditionSpec* condition = nullptr;
        const ControlSpec* control = nullptr; // null for a button
    };
    QHash<QString, Place> index_;
};

inline constexpr int kPageCount = 10;
QString pageCaption(int page); // "过滤1"

// The five pad fields, 万 .. 个, and the radio buttons a filter file records on lines 7-9.
inline const QStringList kPadFields = {QStringLiteral("txtSW"), QStringLiteral("txtSQ"), QStringLiteral("txtSB"),
                                       QStringLiteral("txtSS"), QStringLiteral("txtSG")};
inline const QStringList kRadioStems = {QStringLiteral("SumJO"), QStringLiteral("SumDX"), QStringLiteral("HWZhi")};

// Page builders (one file per group of pages).
std::vector<GroupBoxSpec> pagesOneToThree();
std::vector<GroupBoxSpec> pagesFourToSeven();
std::vector<GroupBoxSpec> pagesEightToTen();

} // namespace pentad::filter
