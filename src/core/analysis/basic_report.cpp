#include "analysis/basic_report.h"

#include "attributes/group_forms.h"
#include "attributes/history_classes.h"
#include "attributes/number_attributes.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace pentad::analysis {

using attr::Digits;

namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kDigitColumns = 0xFFFFE1;
constexpr int kFixedColumns = 6;
constexpr int kReportColumns = 10;

// What one row of a report sees: the draw, its ticked digits, and the draws stored before it.
struct RowInput {
    Digits digits;
    std::vector<int> ticked;           // digits of the ticked positions, 万 .. 个
    const store::Draw* before = nullptr;   // stored just before
    const store::Draw* before2 = nullptr;  // the one before that
};

QString joined(const std::vector<int>& values, const QString& separator) {
    QStringList parts;
    for (int v : values)
        parts << QString::number(v);
    return parts.join(separator);
}

template <class Pred> std::vector<int> where(const std::vector<int>& digits, Pred pred) {
    std::vector<int> picked;
    std::copy_if(digits.begin(), digits.end(), std::back_inserter(picked), pred);
    return picked;
}

int sumOf(const std::vector<int>& digits) {
    int s = 0;
    for (int d : digits)
        s += d;
    return s;
}

QString ratio(std::initializer_list<std::size_t> counts) {
    QStringList parts;
    for (std::size_t c : counts)
        parts << QString::number(c);
    return parts.join(QLatin1Char(':'));
}

QString num(int v) { return QString::number(v); }

QString oddMark(int v) { return v % 2 ? QStringLiteral("奇  ") : QStringLiteral("  ●"); }

QString routeMark(int v) {
    static const QString marks[] = {QStringLiteral("0  "), QStringLiteral(" 1 "), QStringLiteral("  2")};
    return marks[v % 3];
}

// Per-digit symbols of a two-class family, concatenated.
template <class Pred>
QString twoClassType(const std::vector<int>& digits, Pred inFirst, const QString& first, const QString& second) {
    QString text;
    for (int d : digits)
        text += inFirst(d) ? first : second;
    return text;
}

// A two-class report (大小, 奇偶, 质合): type, the two lists, the ratio and the two sums.
template <class Pred>
QStringList twoClassReport(const std::vector<int>& digits, Pred inFirst, const QString& first,
                           const QString& second) {
    const auto a = where(digits, inFirst);
    const auto b = where(digits, [&](int d) { return !inFirst(d); });
    return {twoClassType(digits, inFirst, first, second), joined(a, QStringLiteral(",")),
            joined(b, QStringLiteral(",")), ratio({a.size(), b.size()}), num(sumOf(a)), num(sumOf(b))};
}

QString compare(int a, int b) {
    return a > b ? QStringLiteral(">") : a == b ? QStringLiteral("=") : QStringLiteral("<");
}

QString positionNames(int bits) {
    static const QString names = QStringLiteral("万千百十个");
    QString text;
    for (int i = 0; i < 5; ++i)
        if ((bits >> i) & 1)
            text += names[i];
    return text;
}

std::vector<int> allDigits(const Digits& d) { return {d.begin(), d.end()}; }

QStringList reportCells(int code, const RowInput& in) {
    const Digits& d = in.digits;
    const std::vector<int> five = allDigits(d);
    const std::vector<int>& t = in.ticked;
    switch (code) {
    case 47: {
        QStringList routes;
        for (int x : five)
            routes << num(attr::route(x));
        return {num(attr::digitSum(d)),
                ratio({std::size_t(attr::oddCount(d)), std::size_t(5 - attr::oddCount(d))}),
                ratio({std::size_t(attr::bigCount(d)), std::size_t(5 - attr::bigCount(d))}),
                ratio({std::size_t(attr::primeCount(d)), std::size_t(5 - attr::primeCount(d))}),
                routes.join(QLatin1Char(':')),
                ratio({std::size_t(attr::routeCount(d, 0)), std::size_t(attr::routeCount(d, 1)),
                       std::size_t(attr::routeCount(d, 2))}),
                num(attr::minDigit(d)) + QLatin1Char('-') + num(attr::maxDigit(d)),
                num(attr::span(d)), consecutiveText(five), repeatText(five)};
    }
    case 48: {
        const int s = sumOf(t);
        const int n = static_cast<int>(t.size());
        const int m = (s + n / 2) / n;
        return {num(s),     oddMark(s),     routeMark(s), num(s % 10), oddMark(s % 10),
                routeMark(s % 10), num(m), oddMark(m), routeMark(m)};
    }
    case 49:
        return twoClassReport(t, attr::isBig, QStringLiteral("■"), QStringLiteral("小"));
    case 50: {
        const auto big = where(t, [](int x) { return attr::size3(x) == attr::kBig3; });
        const auto middle = where(t, [](int x) { return attr::size3(x) == attr::kMiddle3; });
        const auto small = where(t, [](int x) { return attr::size3(x) == attr::kSmall3; });
        QString type;
        for (int x : t)
            type += attr::size3(x) == attr::kBig3 ? u'大' : attr::size3(x) == attr::kMiddle3 ? u'中' : u'小';
        return {type, joined(big, QStringLiteral(",")), joined(middle, QStringLiteral(",")),
                joined(small, QStringLiteral(",")), ratio({big.size(), middle.size(), small.size()}),
                num(sumOf(big)), num(sumOf(middle)), num(sumOf(small))};
    }
    case 51:
        return twoClassReport(t, attr::isOdd, QStringLiteral("奇"), QStringLiteral("●"));
    case 52: {
        QStringList cells;
        for (int k = 3; k <= 7; ++k) {
            int s = 0;
            for (int x : t)
                s += x % k;
            cells << num(s);
        }
        return cells;
    }
    case 53: {
        QStringList cells;
        for (int pair = 0; pair < 5; ++pair)
            cells << num(attr::countWhere(d, [pair](int x) { return x / 2 == pair; }));
        for (int triple = 0; triple < 4; ++triple)
            cells << num(attr::countWhere(d, [triple](int x) { return x / 3 == triple; }));
        return cells;
    }
    case 54:
        return twoClassReport(t, attr::isPrime, QStringLiteral("◆"), QStringLiteral("合"));
    case 56:
        return {num(attr::adjacentDistance(d, 0)), num(attr::adjacentDistance(d, 1)),
                num(attr::adjacentDistance(d, 2)), num(attr::adjacentDistance(d, 3)),
                num(attr::maxAdjacentDistance(d)), num(attr::minAdjacentDistance(d)),
                num(attr::adjacentDistanceKinds(d))};
    case 57: {
        if (!in.before)
            return {};
        const attr::ClassSets against = attr::neighbourSets(in.before->digits);
        const attr::ClassSets next = attr::neighbourSets(d);
        const int group = attr::classGroup(d, against);
        return {attr::classPatternText(d, against, attr::kNeighbourSymbols), num(group / 100),
                num(group / 10 % 10), num(group % 10), attr::setText(next.sets[0]),
                attr::setText(next.sets[1]), attr::setText(next.sets[2])};
    }
    case 60: {
        if (!in.before || !in.before2)
            return {};
        const attr::ClassSets against = attr::repeatSets(in.before->digits, in.before2->digits);
        const attr::ClassSets next = attr::repeatSets(d, in.before->digits);
        const int group = attr::classGroup(d, against);
        return {attr::classPatternText(d, against, attr::kRepeatSymbols), num(group / 100),
                num(group / 10 % 10), num(group % 10), attr::setText(next.sets[0]),
                attr::setText(next.sets[1]), attr::setText(next.sets[2])};
    }
    case 61:
        return {num(attr::weightedSum(d)), num(attr::reverseWeightedSum(d))};
    case 62: {
        const attr::Consecutive c = attr::consecutive(t);
        return {consecutiveText(t), num(c.count), num(c.groups)};
    }
    case 63: {
        const attr::Same repeats = attr::same(t);
        return {repeatText(t), num(repeats.count), num(repeats.groups)};
    }
    case 64:
        return {compare(d[0], d[1]), compare(d[1], d[2]), compare(d[2], d[3]), compare(d[3], d[4]),
                num(attr::maxDigit(d)), num(attr::minDigit(d)), positionNames(attr::maxPositions(d)),
                positionNames(attr::minPositions(d))};
    case 65: {
        QStringList routes;
        std::vector<int> byRoute[3];
        for (int x : t) {
            routes << num(attr::route(x));
            byRoute[attr::route(x)].push_back(x);
        }
        return {routes.join(QLatin1Char(':')), joined(byRoute[0], QStringLiteral(",")),
                joined(byRoute[1], QStringLiteral(",")), joined(byRoute[2], QStringLiteral(",")),
                ratio({byRoute[0].size(), byRoute[1].size(), byRoute[2].size()}),
                num(sumOf(byRoute[0])), num(sumOf(byRoute[1])), num(sumOf(byRoute[2]))};
    }
    case 66: {
        const int high = *std::max_element(t.begin(), t.end());
        const int low = *std::min_element(t.begin(), t.end());
        const int k = high - low;
        static const QString routeMarks[] = {QStringLiteral("〇    "), QStringLiteral("  ①  "),
                                             QStringLiteral("    ②")};
        return {num(high), num(low), num(k), k % 2 ? QStringLiteral("奇  ") : QStringLiteral("  ●"),
                k < 5 ? QStringLiteral("  小") : QStringLiteral("■  "),
                attr::isPrime(k) ? QStringLiteral("◆  ") : QStringLiteral("  合"), routeMarks[k % 3]};
    }
    case 67: {
        QStringList cells;
        for (int n : {7, 9, 11, 13, 17, 19, 23})
            cells << num(attr::valueRemainder(d, n));
        return cells;
    }
    default:
        return {};
    }
}

QStringList utf8(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

QStringList headings(int code) {
    switch (code) {
    case 47: return utf8({"和值", "奇偶比", "大小比", "质合比", " 单012路 ", "组012路", "首尾号", "跨度", "  连 号  ", "  同 号  "});
    case 48: return utf8({"和值", "奇偶", "012路", "合值", "奇偶", "012路", "均值", "奇偶", "012路"});
    case 49: return utf8({" 大小 类型 ", "  大 数  ", "  小 数  ", "大小比", "大数和", "小数和"});
    case 50: return utf8({" 排列 类型 ", "  大 数  ", "  中 数  ", "  小 数  ", "大中小比", "大数和", "中数和", "小数和"});
    case 51: return utf8({" 奇偶 类型 ", "  奇 数  ", "  偶 数  ", "奇偶比", "奇数和", "偶数和"});
    case 52: return utf8({"除3余数和", "除4余数和", "除5余数和", "除6余数和", "除7余数和"});
    case 53: return utf8({"0-1", "2-3", "4-5", "6-7", "8-9", "0-2", "3-5", "6-8", "9-9"});
    case 54: return utf8({" 质合 类型 ", "  质 数  ", "  合 数  ", "质合比", "质数和", "合数和"});
    case 56: return utf8({"万-千", "千-百", "百-十", "十-个", "最大邻位距", "最小邻位距", "邻位间距数"});
    case 57: return utf8({"   类型   ", " 邻号个数 ", " 孤号个数 ", " 传号个数 ", "下期邻号", "下期孤号", "下期传号"});
    case 60: return utf8({"   类型   ", " 复号个数 ", " 隔号个数 ", " 中号个数 ", "下期复号", "下期隔号", "下期中号"});
    case 61: return utf8({" 位积和 ", "反位积和"});
    case 62: return utf8({"  连  号  ", "连号数", "连号组数"});
    case 63: return utf8({"  同  号  ", "同号数", "同号组数"});
    case 64: return utf8({" 万 千 ", " 千 百 ", " 百 十 ", " 十 个 ", "最大码", "最小码", " 最大位 ", " 最小位 "});
    case 65: return utf8({" 排列 类型 ", "  0  路  ", "  1  路  ", "  2  路  ", " 012比 ", "0路和", "1路和", "2路和"});
    case 66: return utf8({"最大码", "最小码", "跨度", " 奇偶 ", " 大小 ", " 质合 ", "  012路  "});
    case 67: return utf8({"除 7余数", "除 9余数", "除11余数", "除13余数", "除17余数", "除19余数", "除23余数"});
    default: return utf8({});
    }
}

// Column backgrounds of the report columns (index 0 = column 7).
Rgb reportColumnColour(int code, int index) {
    if (code == 48)
        return index < 3 ? 0xF7F7FF : index < 6 ? 0xF7FFF7 : 0xFFF7F7;
    if (code == 53 && index >= 5)
        return 0xF4F4FF;
    return kWhite;
}

Table prepareGrid(int code) {
    std::vector<Column> columns;
    columns.emplace_back(QStringLiteral("期号"), 49);
    for (const char* name : {"万", "千", "百", "十", "个"})
        columns.emplace_back(QString::fromUtf8(name), 16, kDigitColumns);
    const QStringList names = headings(code);
    for (int i = 0; i < kReportColumns; ++i) {
        const bool used = i < names.size();
        columns.emplace_back(used ? names[i] : QString(), 64, reportColumnColour(code, i), used);
    }
    Table table(std::move(columns));
    for (int i = 0; i < names.size(); ++i)
        FitColumnToHeading(table, kFixedColumns + i);
    return table;
}

} // namespace

bool isBasicViewCode(int code) {
    return std::find(std::begin(kBasicViewCodes), std::end(kBasicViewCodes), code) !=
           std::end(kBasicViewCodes);
}

bool usesAllPositions(int code) {
    for (int all : {47, 53, 56, 57, 60, 61, 64, 67})
        if (code == all)
            return true;
    return false;
}

int basicReportPage(int code) { return code == 67 ? 2 : 1; }

QString tickedPositionsText(const std::array<bool, 5>& ticked) {
    QString text;
    for (int i = 0; i < 5; ++i)
        if (ticked[static_cast<std::size_t>(i)])
            text += QChar(u'1' + i);
    return text;
}

std::optional<Table> buildBasicReport(const store::DrawStore& store, const store::PeriodRange& range,
                                      const BasicOptions& options, QString* message) {
    const int code = options.code;
    if (!usesAllPositions(code) && tickedPositionsText(options.ticked).size() < 2) {
        if (message)
            *message = QStringLiteral("至少要选择两个位进行分析。");
        return std::nullopt;
    }
    Table table = prepareGrid(code);
    const std::vector<store::Draw> draws = store.range(range.from, range.to, store::Order::NewestFirst);
    const int step = std::clamp(options.step, 1, 20);
    int rows = static_cast<int>(draws.size()) / step;
    if (code == 57 || code == 60)
        rows = std::max(0, rows - 1);
    table.resizeRows(rows);
    const bool allPositions = usesAllPositions(code);
    // Bottom up: the newest draw in the last row, each row above step draws older.
    for (int row = rows - 1, at = 0; row >= 0; --row, at += step) {
        const store::Draw& draw = draws[static_cast<std::size_t>(at)];
        table.setText(row, 0, QString::number(draw.period));
        for (int i = 0; i < 5; ++i)
            table.setText(row, 1 + i, QString::number(draw.digits[static_cast<std::size_t>(i)]));
        RowInput in;
        in.digits = draw.digits;
        for (int i = 0; i < 5; ++i)
            if (allPositions || options.ticked[static_cast<std::size_t>(i)])
                in.ticked.push_back(draw.digits[static_cast<std::size_t>(i)]);
        const auto earlier = store.olderThan(draw.period, 2);
        in.before = !earlier.empty() ? &earlier[0] : nullptr;
        in.before2 = earlier.size() > 1 ? &earlier[1] : nullptr;
        if (code == 60 && row < 2)
            continue; // the two oldest rows of this report show the draw alone
        const QStringList cells = reportCells(code, in);
        for (int i = 0; i < cells.size(); ++i)
            table.setText(row, kFixedColumns + i, cells[i]);
    }
    return table;
}

QString consecutiveText(const std::vector<int>& digits) {
    const auto marked = attr::consecutiveMarks(digits);
    QString text;
    for (int v = 0; v < 10; ++v) {
        if (!marked[static_cast<std::size_t>(v)])
            continue;
        text += QString::number(v);
        text += v == 9 || marked[static_cast<std::size_t>(v + 1)] ? u',' : u'|';
    }
    text.chop(1);
    return text;
}

int consecutiveRuns(const std::vector<int>& digits) { return attr::consecutive(digits).groups; }

QString repeatText(const std::vector<int>& digits) {
    const auto occurs = attr::occurrences(digits);
    QString text;
    for (int v = 0; v < 10; ++v) {
        if (occurs[static_cast<std::size_t>(v)] < 2)
            continue;
        QStringList copies;
        for (int i = 0; i < occurs[static_cast<std::size_t>(v)]; ++i)
            copies << QString::number(v);
        text += copies.join(QLatin1Char(',')) + QLatin1Char('|');
    }
    text.chop(1);
    return text;
}

} // namespace pentad::analysis
