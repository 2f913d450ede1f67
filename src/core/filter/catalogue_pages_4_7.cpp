#include "filter/catalogue_rows.h"

// 过滤4: zones and position differences; 过滤5: three-way sizes and digit order; 过滤6:
// banker digits and two-codes; 过滤7: 邻孤传 and 复隔中 of the latest draws.
namespace pentad::filter {

using namespace rows;

namespace {

const QString kValues = QStringLiteral("TfrmWX");
const QString kTwoPositions = QStringLiteral("TfrmMWC");

Row valueList(const char* caption, const char* stem, Column c, int kind, Syntax syntax = Syntax::ValueList) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), syntax).field().dialog(kValues, kind).column(c);
}

Row zoneRow(const char* stem, const std::array<const char*, 5>& zones) {
    const QString s = QString::fromLatin1(stem);
    Row row(QStringLiteral("区间分布"), s, Syntax::ZoneCount);
    for (int z = 0; z < 5; ++z)
        row.control(edit(QStringLiteral("txtS") + s + QString::number(z + 1), QString::number(z + 1) + QStringLiteral("："),
                         KeyRule::DigitsComma, QString::fromLatin1(zones[static_cast<std::size_t>(z)]), 2));
    return row.boxes(QStringLiteral("chkS") + s, range(0, 5));
}

Row countBoxes(const char* caption, const char* stem, Column c) {
    const QString s = QString::fromLatin1(stem);
    return Row(QString::fromUtf8(caption), s, Syntax::ChoiceBoxes).boxes(QStringLiteral("chkS") + s, range(0, 5)).column(c);
}

Row bankerPositions(int row) {
    const QString s = QStringLiteral("DM") + QString::number(row);
    return Row(QStringLiteral("单码"), s, Syntax::BankerPositions).field().positionBoxes(QStringLiteral("chkS") + s);
}

Row bankerCount(int row) {
    const QString s = QStringLiteral("DM") + QString::number(row);
    return Row(QStringLiteral("数字"), s, Syntax::BankerCount).field().boxes(QStringLiteral("chkS") + s, range(0, 5));
}

// The three set fields of a group with their generate button; the caption is the group's
// hint.
ConditionSpec setFields(const QString& hint, const QString& generate, const QString& generateCaption,
                        const std::array<std::pair<const char*, const char*>, 3>& fields) {
    Row row(hint, {}, Syntax::None);
    row.enableBox({}).tolerance({}).button(generate, generateCaption);
    for (const auto& [name, label] : fields)
        row.control(edit(QString::fromLatin1(name), QString::fromUtf8(label)));
    return row;
}

// 邻号 .. 中号: param is the set's index in the group's set fields (in priority order).
Row classCount(const char* caption, const char* stem, int set) {
    const QString s = QString::fromLatin1(stem);
    return Row(QString::fromUtf8(caption), s, Syntax::ClassCount).boxes(QStringLiteral("chkS") + s, range(0, 5)).param(set);
}

// param 0: 邻孤传, 1: 复隔中.
Row classForm(const char* caption, const char* stem, Syntax syntax, const char* dialog, int kind, int family) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), syntax)
        .field()
        .dialog(QString::fromLatin1(dialog), kind)
        .param(family);
}

} // namespace

std::vector<GroupBoxSpec> pagesFourToSeven() {
    std::vector<GroupBoxSpec> pages;
    pages.push_back(group(19, QStringLiteral(" 5分区间 "), 4, {
        zoneRow("Q5A", {"01", "23", "45", "67", "89"}),
        zoneRow("Q5B", {"09", "18", "27", "36", "45"}),
        zoneRow("Q5C", {"05", "16", "27", "38", "49"}),
    }));
    pages.push_back(group(2, QStringLiteral(" 位差 "), 4, {
        valueList("万-千", "WHC1", Column::Difference0, 26),
        valueList("千-百", "WHC2", Column::Difference1, 27),
        valueList("百-十", "WHC3", Column::Difference2, 28),
        valueList("十-个", "WHC4", Column::Difference3, 29),
        Row(QStringLiteral("更多"), QStringLiteral("WHCMore"), Syntax::EntryList)
            .field().dialog(kTwoPositions, 1).positional(Positional::ChainedDifference),
    }));
    pages.push_back(group(8, QStringLiteral(" 大中小 "), 5, {
        countBoxes("大数个数", "DZXD", Column::BigCount3),
        countBoxes("中数个数", "DZXZ", Column::MiddleCount3),
        countBoxes("小数个数", "DZXX", Column::SmallCount3),
        Row(QStringLiteral("单选大中小"), QStringLiteral("DanDZX"), Syntax::ItemText)
            .field(KeyRule::AnyKey).dialog(QStringLiteral("Tfrm012"), 2).column(Column::Size3Pattern),
        Row(QStringLiteral("组选大中小"), QStringLiteral("ZDZX"), Syntax::ItemText)
            .field(KeyRule::AnyKey).dialog(QStringLiteral("TfrmSDZX"), 4).column(Column::Size3Group),
    }));
    pages.push_back(group(20, QStringLiteral(" 号码顺序 "), 5, {
        valueList("最大码", "ZDM", Column::MaxDigit, 24),
        valueList("最小码", "ZXM", Column::MinDigit, 25),
        Row(QStringLiteral("最大位"), QStringLiteral("ZDW"), Syntax::PositionBoxes)
            .positionBoxes(QStringLiteral("chkSZDW")).column(Column::MaxPositions),
        Row(QStringLiteral("最小位"), QStringLiteral("ZXW"), Syntax::PositionBoxes)
            .positionBoxes(QStringLiteral("chkSZXW")).column(Column::MinPositions),
    }));
    pages.push_back(group(16, QStringLiteral(" 胆码 "), 6, {
        bankerPositions(1), bankerPositions(2), bankerPositions(3),
        bankerCount(4), bankerCount(5), bankerCount(6),
        Row(QStringLiteral("更多数字"), QStringLiteral("MoreSZ"), Syntax::MoreDigits)
            .tolerance({}).field(KeyRule::ReadOnly).dialog(QStringLiteral("TfrmDMSet")),
        Row(QStringLiteral("相同胆码数字只计算一次(对所有胆码数字有效)"), {}, Syntax::Option)
            .enableBox(QStringLiteral("chkSDMSet")).tolerance({}).tickedAtStart(),
    }));
    pages.push_back(group(12, QStringLiteral(" 二码 "), 6, {
        valueList("万千二码", "WQ2M", Column::TwoCode0, 1, Syntax::TwoCodeList),
        valueList("千百二码", "QB2M", Column::TwoCode1, 2, Syntax::TwoCodeList),
        valueList("百十二码", "BS2M", Column::TwoCode2, 3, Syntax::TwoCodeList),
        valueList("十个二码", "SG2M", Column::TwoCode3, 4, Syntax::TwoCodeList),
        Row(QStringLiteral("组选二码"), QStringLiteral("Z2M"), Syntax::GroupTwoCode).field().dialog(kValues, 5),
        Row(QStringLiteral("更多"), QStringLiteral("More2M"), Syntax::EntryList)
            .field().dialog(kTwoPositions, 2).positional(Positional::DigitString),
    }));
    pages.push_back(group(3, QStringLiteral(" 邻孤传 "), 7, {
        setFields(QStringLiteral("使用邻孤传过滤前请先进行邻孤传设置："), QStringLiteral("cmdSLGC"),
                  QStringLiteral("生成邻孤传号码"),
                  {{{"txtSLCGLin", "邻号："}, {"txtSLCGChuan", "传号："}, {"txtSLCGGu", "孤号："}}}),
        classCount("邻号", "LCGLin", 0),
        classCount("传号", "LCGChuan", 2),
        classCount("孤号", "LCGGu", 1),
        classForm("组选邻孤传", "ZLGC", Syntax::ClassGroup, "TfrmSDZX", 6, 0),
        classForm("单选邻孤传", "DLGC", Syntax::ClassPattern, "Tfrm012", 3, 0),
    }));
    pages.push_back(group(15, QStringLiteral(" 复隔中 "), 7, {
        setFields(QStringLiteral("使用复隔中过滤前请先进行复隔中设置："), QStringLiteral("cmdSFGZ"),
                  QStringLiteral("生成复隔中号码"),
                  {{{"txtSFGZFu", "复号："}, {"txtSFGZGe", "隔号："}, {"txtSFGZZhong", "中号："}}}),
        classCount("复号", "FGZFu", 0),
        classCount("隔号", "FGZGe", 1),
        classCount("中号", "FGZZhong", 2),
        classForm("组选复隔中", "ZFGZ", Syntax::ClassGroup, "TfrmSDZX", 7, 1),
        classForm("单选复隔中", "DFGZ", Syntax::ClassPattern, "Tfrm012", 4, 1),
    }));
    return pages;
}

} // namespace pentad::filter
