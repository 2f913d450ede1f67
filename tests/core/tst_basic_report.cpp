#include "analysis/basic_report.h"
#include "store/draw_store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pentad;
using namespace pentad::analysis;

namespace {

// A store of the given numbers as the periods 2013001, 2013002, ... (oldest first).
struct Fixture {
    QTemporaryDir dir;
    store::DrawStore store;
    explicit Fixture(const std::vector<int>& numbers) {
        store.open(dir.filePath("draws.db"), nullptr);
        std::vector<store::Draw> draws;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            draws.push_back(store::makeDraw(2013001 + static_cast<int>(i), numbers[i]));
        store.insert(draws, nullptr);
    }
    Table build(int code, int step = 1, std::array<bool, 5> ticked = {true, true, true, true, true},
                store::PeriodRange range = {2013001, 2013999}) {
        QString message;
        auto table = buildBasicReport(store, range, {code, step, ticked}, &message);
        if (!table)
            qFatal("report refused: %s", qPrintable(message));
        return *table;
    }
};

QStringList reportRow(const Table& table, int row) {
    QStringList cells;
    for (int c = 6; c < table.columnCount(); ++c)
        if (table.column(c).visible)
            cells << table.cell(row, c).text;
    return cells;
}

QStringList visibleHeadings(const Table& table) {
    QStringList names;
    for (int c = 6; c < table.columnCount(); ++c)
        if (table.column(c).visible)
            names << table.column(c).heading;
    return names;
}

} // namespace

class TestBasicReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overview() {
        Fixture f({12299});
        const Table t = f.build(47);
        QCOMPARE(t.rowCount(), 1);
        QCOMPARE(t.cell(0, 0).text, QStringLiteral("2013001"));
        QCOMPARE(t.cell(0, 1).text, QStringLiteral("1"));
        QCOMPARE(reportRow(t, 0), (QStringList{"23", "3:2", "2:3", "3:2", "1:2:2:0:0", "2:1:2", "1-9", "8", "1,2",
                                               "2,2|9,9"}));
        QCOMPARE(t.column(10).heading, QStringLiteral(" 单012路 "));
        QCOMPARE(t.column(10).width, 60); // 9 GBK bytes
        QCOMPARE(t.column(1).width, 16);
    }

    void sumTailMeanOfTwoPositions() {
        Fixture f({38000});
        const Table t = f.build(48, 1, {true, true, false, false, false});
        QCOMPARE(reportRow(t, 0), (QStringList{"11", "奇  ", "  2", "1", "奇  ", " 1 ", "6", "  ●", "0  "}));
        QCOMPARE(*t.column(6).background, Rgb(0xF7F7FF));
        QCOMPARE(*t.column(9).background, Rgb(0xF7FFF7));
        QCOMPARE(*t.column(14).background, Rgb(0xFFF7F7));
        QVERIFY(!t.column(15).visible);
    }

    void tickedReportsNeedTwoPositions() {
        Fixture f({12345});
        QString message;
        QVERIFY(!buildBasicReport(f.store, {2013001, 2013001}, {66, 1, {false, false, true, false, false}}, &message));
        QCOMPARE(message, QStringLiteral("至少要选择两个位进行分析。"));
        // Reports over all positions ignore the boxes.
        QVERIFY(buildBasicReport(f.store, {2013001, 2013001}, {67, 1, {false, false, false, false, false}}, &message));
    }

    void stepFillsBottomUp() {
        Fixture f({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        const Table t = f.build(61, 3);
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.cell(2, 0).text, QStringLiteral("2013010")); // newest
        QCOMPARE(t.cell(1, 0).text, QStringLiteral("2013007")); // 4th newest
        QCOMPARE(t.cell(0, 0).text, QStringLiteral("2013004")); // 7th newest
        QCOMPARE(f.build(61, 20).rowCount(), 0);
        QCOMPARE(f.build(61, 1, {}, {2013011, 2013020}).rowCount(), 0);
    }

    void lookingBack() {
        Fixture f({11111, 22222, 33333, 12345, 45678, 98760, 13579});
        // 复隔中 over the newest five draws: four rows, the two oldest without analysis.
        const Table fgz = f.build(60, 1, {}, {2013003, 2013007});
        QCOMPARE(fgz.rowCount(), 4);
        QVERIFY(fgz.cell(0, 6).text.isEmpty());
        QVERIFY(fgz.cell(1, 6).text.isEmpty());
        // 13579 after 98760 and 45678: 复 7 9, 隔 5, 中 1 3.
        QCOMPARE(fgz.cell(3, 0).text, QStringLiteral("2013007"));
        QCOMPARE(reportRow(fgz, 3), (QStringList{"中中隔复复", "2", "1", "2", "13579", "068", "24"}));

        // 邻孤传 from the oldest stored draw: that row has period and digits only.
        const Table lgc = f.build(57, 1, {}, {2013001, 2013003});
        QCOMPARE(lgc.rowCount(), 2);
        QCOMPARE(lgc.cell(0, 0).text, QStringLiteral("2013002"));
        QCOMPARE(reportRow(lgc, 0), (QStringList{"邻邻邻邻邻", "5", "0", "0", "13", "0456789", "2"}));
        const Table fromOldest = f.build(57, 1, {}, {2013001, 2013002});
        QCOMPARE(fromOldest.rowCount(), 1);
        QCOMPARE(fromOldest.cell(0, 0).text, QStringLiteral("2013002"));
        // The look-back uses the whole store, whatever the step.
        const Table stepped = f.build(57, 3, {}, {2013001, 2013007});
        QCOMPARE(stepped.rowCount(), 1);
        QCOMPARE(stepped.cell(0, 0).text, QStringLiteral("2013007"));
        QCOMPARE(reportRow(stepped, 0)[0], QStringLiteral("邻孤邻传传")); // 13579 after 98760
    }

    void remaindersOfTheValue() {
        Fixture f({7});
        QCOMPARE(reportRow(f.build(67), 0), (QStringList{"0", "7", "7", "7", "7", "7", "7"}));
        QCOMPARE(visibleHeadings(f.build(67))[0], QStringLiteral("除 7余数"));
    }

    void reportsOverTickedPositions_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("大小") << 49 << 57123 << "12345" << QStringList{"■■小小小", "5,7", "1,2,3", "2:3", "12", "6"};
        QTest::newRow("大中小") << 50 << 57123 << "1245" << QStringList{"中大小中", "7", "5,3", "2", "1:2:1", "7", "8", "2"};
        QTest::newRow("奇偶") << 51 << 57123 << "345" << QStringList{"奇●奇", "1,3", "2", "2:1", "4", "2"};
        QTest::newRow("余数和") << 52 << 57123 << "12" << QStringList{"3", "4", "2", "6", "5"};
        QTest::newRow("质合") << 54 << 40123 << "12345" << QStringList{"合合◆◆◆", "1,2,3", "4,0", "3:2", "6", "4"};
        QTest::newRow("连号") << 62 << 12056 << "12345" << QStringList{"0,1,2|5,6", "5", "2"};
        QTest::newRow("同号") << 63 << 11333 << "1345" << QStringList{"3,3,3", "3", "1"};
        QTest::newRow("012路") << 65 << 36147 << "12345" << QStringList{"0:0:1:1:1", "3,6", "1,4,7", "", "2:3:0", "9", "12", "0"};
        QTest::newRow("跨度") << 66 << 91111 << "12" << QStringList{"9", "1", "8", "  ●", "■  ", "  合", "    ②"};
    }
    void reportsOverTickedPositions() {
        QFETCH(int, code);
        QFETCH(int, number);
        QFETCH(QString, ticked);
        QFETCH(QStringList, cells);
        std::array<bool, 5> boxes{};
        for (QChar c : ticked)
            boxes[static_cast<std::size_t>(c.digitValue() - 1)] = true;
        Fixture f({number});
        QCOMPARE(reportRow(f.build(code, 1, boxes), 0), cells);
    }

    void reportsOverAllPositions() {
        Fixture f({90901});
        QCOMPARE(reportRow(f.build(53), 0), (QStringList{"3", "0", "0", "0", "2", "3", "0", "0", "2"}));
        QCOMPARE(*f.build(53).column(11).background, Rgb(0xF4F4FF));
        QCOMPARE(reportRow(f.build(56), 0), (QStringList{"9", "9", "9", "1", "9", "1", "2"}));
        QCOMPARE(reportRow(f.build(61), 0), (QStringList{"73", "41"}));
        QCOMPARE(reportRow(f.build(64), 0), (QStringList{">", "<", ">", "<", "9", "0", "万百", "千十"}));
    }

    void textForms() {
        QCOMPARE(consecutiveText({1, 2, 5, 6}), QStringLiteral("1,2|5,6"));
        QCOMPARE(consecutiveText({7, 8, 9}), QStringLiteral("7,8,9"));
        QCOMPARE(consecutiveText({9, 0, 4}), QString());
        QCOMPARE(consecutiveRuns({9, 0, 4}), 0);
        QCOMPARE(consecutiveRuns({1, 2, 5, 6}), 2);
        QCOMPARE(repeatText({1, 1, 3, 3, 3}), QStringLiteral("1,1|3,3,3"));
        QCOMPARE(repeatText({1, 2}), QString());
        QCOMPARE(tickedPositionsText({true, false, true, false, true}), QStringLiteral("135"));
    }
};

QTEST_GUILESS_MAIN(TestBasicReport)
#include "tst_basic_report.moc"
