#include "filter/catalogue_rows.h"

// 过滤8: features of the latest draws; 过滤9: adjacent distances and remainders of the whole
// number; 过滤10: forced lists, matching, 排列3, consecutive and same digits, span, AC and
// the failure vote.
namespace pentad::filter {

using namespace rows;

namespace {

const QString kValues = QStringLiteral("TfrmWX");

Row history(const char* caption, const char* stem, Relation r, const std::vector<int>& windows, int selected) {
    const QString s = QString::fromLatin1(stem);
    return Row(QString::fromUtf8(caption), s, Syntax::History)
        .control(numberCombo(QStringLiteral("cmbS") + s, windows, selected))
        .relation(r);
}

Row valueList(const char* caption, const char* stem, Column c, int kind) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), Syntax::ValueList).field().dialog(kValues, kind).column(c);
}

Row countBoxes(const char* caption, const char* stem, Column c, const std::vector<int>& values) {
    const QString s = QString::fromLatin1(stem);
    return Row(QString::fromUtf8(caption), s, Syntax::ChoiceBoxes).boxes(QStringLiteral("chkS") + s, values).column(c);
}

Row noToleranceList(const char* caption, const char* stem, Syntax syntax, KeyRule keys, const char* dialog, int kind = 0) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), syntax)
        .tolerance({})
        .field(keys)
        .dialog(QString::fromLatin1(dialog), kind);
}

} // namespace

std::vector<GroupBoxSpec> pagesEightToTen() {
    const auto shortWindows = joined(range(1, 15), {20, 25, 30, 35, 40});
    const auto sumWindows = joined(range(1, 20), {25});
    const auto twoCodeWindows = std::vector<int>{5, 10, 20, 25, 30, 40, 50};
    std::vector<GroupBoxSpec> pages;
    pages.push_back(group(13, QStringLiteral(" 历史特征滤除 "), 8, {
        history("单选012路", "CLSD012", Relation::RoutePattern, shortWindows, 4),
        history("单选大中小", "CLSDDZX", Relation::Size3Pattern, shortWindows, 4),
        history("位积和", "CLSWJH", Relation::WeightedSum, sumWindows, 8),
        history("除5(6)余数和", "CLS56YSH", Relation::RemainderSums56, range(1, 25), 8),
        history("反位积和", "CLSFWJH", Relation::ReverseWeightedSum, sumWindows, 8),
        history("开奖号码", "History", Relation::Equal, joined(joined({5}, range(10, 200, 10)), range(225, 650, 25)), 100),
        history("万千二码", "CLSWQ", Relation::TwoCode0, twoCodeWindows, 5),
        history("千百二码", "CLSQB", Relation::TwoCode1, twoCodeWindows, 5),
        history("百十二码", "CLSBS", Relation::TwoCode2, twoCodeWindows, 5),
        history("十个二码", "CLSSG", Relation::TwoCode3, twoCodeWindows, 5),
        history("组选号码", "CLSZu", Relation::GroupEqual, range(5, 80, 5), 40),
        history("组选4码", "CLSZ4", Relation::CommonFour, {5, 10, 15, 20, 25, 30, 40, 50}, 20),
        history("直选4码", "CLSD4", Relation::MatchFour, joined(range(1, 10), range(20, 160, 10)), 30),
        history("同邻位间距", "CLSTLWJ", Relation::AdjacentDistances, joined(range(1, 20), {25, 30}), 12),
        history("直选3码", "CLSD3", Relation::MatchThree, range(1, 12), 4),
    }));
    pages.push_back(group(21, QStringLiteral(" 邻位间距 "), 9, {
        valueList("最大邻位距", "ZDLWJ", Column::MaxAdjacent, 9),
        valueList("最小邻位距", "ZXLWJ", Column::MinAdjacent, 10),
        valueList("邻位距数目", "LJJS", Column::AdjacentKinds, 8),
    }));
    pages.push_back(group(22, QStringLiteral(" 除N余数 "), 9, {
        noToleranceList("除N余数", "CNY", Syntax::Remainders, KeyRule::DigitsComma, "TfrmTSH"),
    }));
    pages.push_back(group(17, QStringLiteral(" 交集处理 "), 10, {
        noToleranceList("必出号", "JJB", Syntax::ForcedKeep, KeyRule::ReadOnly, "TfrmLvChu", 1),
        noToleranceList("必杀号", "JJC", Syntax::ForcedKill, KeyRule::ReadOnly, "TfrmLvChu", 2),
        noToleranceList("号码匹配", "PiPei", Syntax::Matching, KeyRule::ReadOnly, "TfrmPiPei"),
    }));
    pages.push_back(group(11, QStringLiteral(" 其他 "), 10, {
        Row(QStringLiteral("排列3排除"), QStringLiteral("CP3"), Syntax::FrontThree)
            .field(KeyRule::ReadOnly).dialog(QStringLiteral("TfrmLvP3")),
        countBoxes("连号个数", "Lian", Column::ConsecutiveCount, {0, 2, 3, 4, 5}),
        countBoxes("同号个数", "Tong", Column::SameCount, {0, 2, 3, 4, 5}),
        countBoxes("连号组数", "LianZu", Column::ConsecutiveGroups, range(0, 2)),
        countBoxes("同号组数", "TongZu", Column::SameGroups, range(0, 2)),
    }));
    pages.push_back(group(7, QStringLiteral(" 跨度 "), 10, {
        Row(QStringLiteral("跨度"), QStringLiteral("KuaDu"), Syntax::EntryList)
            .field().dialog(QStringLiteral("TfrmSum"), 3).positional(Positional::Span),
        valueList("AC值", "AC", Column::AcValue, 12),
    }));
    pages.push_back(group(14, QStringLiteral(" 数量表决 "), 10, {
        Row(QStringLiteral("容错总数"), QStringLiteral("TotalWrong"), Syntax::Vote)
            .tolerance({})
            .control(numberCombo(QStringLiteral("cmbSTotalWrongMin"), range(0, 9), 0))
            .control(numberCombo(QStringLiteral("cmbSTotalWrong"), range(1, 10), 4)),
    }));
    return pages;
}

} // namespace pentad::filter
