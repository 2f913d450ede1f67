#include "filter/catalogue_rows.h"

// 过滤1: sums and the odd, big and prime classes; 过滤2: special sums; 过滤3: routes and
// the comparisons of neighbouring positions.
namespace pentad::filter {

using namespace rows;

namespace {

const QString kSum = QStringLiteral("TfrmSum");
const QString kPattern = QStringLiteral("TfrmJO");
const QString kValues = QStringLiteral("TfrmWX");

Row entryList(const char* caption, const char* stem, Positional p, int kind, int param = 0) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), Syntax::EntryList)
        .field()
        .dialog(kSum, kind)
        .positional(p, param);
}

Row readOnlyEntryList(const char* caption, const char* stem, Positional p, int kind, int param = 0) {
    return entryList(caption, stem, p, kind, param).field(KeyRule::ReadOnly);
}

Row patternList(const char* caption, const char* stem, attr::PatternFamily k, int kind, KeyRule keys = KeyRule::ReadOnly) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), Syntax::PatternList)
        .field(keys)
        .dialog(kPattern, kind)
        .pattern(k);
}

Row valueList(const char* caption, const char* stem, Column c, int kind) {
    return Row(QString::fromUtf8(caption), QString::fromLatin1(stem), Syntax::ValueList)
        .field()
        .dialog(kValues, kind)
        .column(c);
}

Row comparison(const char* caption, const char* stem, int left, int right, const char* combo = nullptr) {
    const QString s = QString::fromLatin1(stem);
    ControlSpec op;
    op.name = combo ? QString::fromLatin1(combo) : QStringLiteral("cmbS") + s;
    op.kind = ControlKind::Combo;
    op.items = {QStringLiteral(">"), QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">="),
                QStringLiteral("<="), QStringLiteral("<>")};
    return Row(QString::fromUtf8(caption), s, Syntax::Comparison).control(op).param(left * 10 + right);
}

} // namespace

std::vector<GroupBoxSpec> pagesOneToThree() {
    std::vector<GroupBoxSpec> pages;
    pages.push_back(group(1, QStringLiteral(" 和值 "), 1, {
        entryList("和值", "Sum", Positional::Sum, 1),
        entryList("合值", "HeWei", Positional::Tail, 2),
        entryList("均值", "Jun", Positional::Mean, 4),
        Row(QStringLiteral("和值奇偶"), QStringLiteral("SumJO"), Syntax::RadioPair)
            .radios(QStringLiteral("奇数"), QStringLiteral("偶数"), 1).column(Column::SumParity),
        Row(QStringLiteral("合值大小"), QStringLiteral("SumDX"), Syntax::RadioPair)
            .radios(QStringLiteral("小数"), QStringLiteral("大数"), 0).column(Column::TailBig),
        Row(QStringLiteral("和值012路"), QStringLiteral("Sum012"), Syntax::ChoiceBoxes)
            .namedBoxes(QStringLiteral("chkSSum012"), {{0, QStringLiteral("0路")}, {1, QStringLiteral("1路")},
                                                       {2, QStringLiteral("2路")}})
            .column(Column::SumRoute),
        Row(QStringLiteral("合值质合"), QStringLiteral("HWZhi"), Syntax::RadioPair)
            .radios(QStringLiteral("质数"), QStringLiteral("合数"), 1).column(Column::TailPrime),
        Row(QStringLiteral("合值大中小"), QStringLiteral("HWDZX"), Syntax::ChoiceBoxes)
            .namedBoxes(QStringLiteral("chkSHWDZX"), {{1, QStringLiteral("小")}, {2, QStringLiteral("中")},
                                                      {3, QStringLiteral("大")}})
            .column(Column::TailSize3),
    }));
    pages.push_back(group(4, QStringLiteral(" 奇偶 "), 1, {
        entryList("奇数个数", "JOShu", Positional::OddCount, 14),
        patternList("奇偶类型", "JOLei", attr::PatternFamily::Parity, 1),
    }));
    pages.push_back(group(5, QStringLiteral(" 大小 "), 1, {
        entryList("大数个数", "DXShu", Positional::BigCount, 15),
        patternList("大小类型", "DXLei", attr::PatternFamily::Size, 2),
    }));
    pages.push_back(group(10, QStringLiteral(" 质合 "), 1, {
        entryList("质数个数", "ZhiShu", Positional::PrimeCount, 16),
        patternList("质合类型", "ZHLei", attr::PatternFamily::Prime, 3),
    }));
    pages.push_back(group(18, QStringLiteral(" 特殊和值 "), 2, {
        readOnlyEntryList("奇数和", "TMJS", Positional::OddSum, 7),
        readOnlyEntryList("偶数和", "TMOS", Positional::EvenSum, 8),
        entryList("小数和", "TMXS", Positional::SmallSum, 6),
        entryList("大数和", "TMDS", Positional::BigSum, 5),
        valueList("合数和", "TMHS", Column::CompositeSum, 18),
        valueList("质数和", "TMZS", Column::PrimeSum, 17),
        readOnlyEntryList("除3余数和", "C3H", Positional::RemainderSum, 9, 3),
        readOnlyEntryList("除4余数和", "C4H", Positional::RemainderSum, 10, 4),
        readOnlyEntryList("除5余数和", "C5H", Positional::RemainderSum, 11, 5),
        readOnlyEntryList("除6余数和", "C6H", Positional::RemainderSum, 12, 6),
        readOnlyEntryList("除7余数和", "C7H", Positional::RemainderSum, 13, 7),
        valueList("位积和", "WJH", Column::WeightedSum, 19),
        valueList("反位积和", "FWJH", Column::ReverseWeightedSum, 20),
        valueList("0路数和", "0Sum", Column::RouteSum0, 21),
        valueList("1路数和", "1Sum", Column::RouteSum1, 22),
        valueList("2路数和", "2Sum", Column::RouteSum2, 23),
        Row(QStringLiteral("自定义数和"), QStringLiteral("ADSum"), Syntax::DigitEntryList)
            .field(KeyRule::DigitsCommaStar).dialog(QStringLiteral("TfrmADSum")),
    }));
    pages.push_back(group(9, QStringLiteral(" 012路 "), 3, {
        Row(QStringLiteral("0 路个数"), QStringLiteral("0120"), Syntax::ChoiceBoxes)
            .boxes(QStringLiteral("chkS0120"), range(0, 5)).column(Column::RouteCount0),
        Row(QStringLiteral("1 路个数"), QStringLiteral("0121"), Syntax::ChoiceBoxes)
            .boxes(QStringLiteral("chkS0121"), range(0, 5)).column(Column::RouteCount1),
        Row(QStringLiteral("2 路个数"), QStringLiteral("0122"), Syntax::ChoiceBoxes)
            .boxes(QStringLiteral("chkS0122"), range(0, 5)).column(Column::RouteCount2),
        patternList("单选012路", "Dan012", attr::PatternFamily::Route, 4, KeyRule::DigitsColonComma),
        Row(QStringLiteral("组选012路"), QStringLiteral("Zu012"), Syntax::ItemText)
            .field(KeyRule::AnyKey).dialog(QStringLiteral("TfrmSDZX"), 5).column(Column::RouteGroup),
    }));
    pages.push_back(group(6, QStringLiteral(" 大小关系 "), 3, {
        comparison("万千比较", "WQCmp", 0, 1),
        comparison("千百比较", "QBCmp", 1, 2),
        comparison("百十比较", "BScmp", 2, 3, "cmbSBSCmp"),
        comparison("十个比较", "SGCmp", 3, 4),
        comparison("个万比较", "GBCmp", 4, 0).tolerance(QStringLiteral("chkSGBCMPWrong")),
    }));
    return pages;
}

} // namespace pentad::filter
