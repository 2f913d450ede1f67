#include "store/draw_import.h"
#include "store/draw_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad::store;

Q_DECLARE_METATYPE(std::vector<int>)

class TestDrawImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("number");
        QTest::newRow("period,d1..d5") << "2004001,9,2,8,8,2" << 2004001 << 92882;
        QTest::newRow("period,date,number") << "2004001,2004-11-14,92882" << 2004001 << 92882;
        QTest::newRow("date with slashes") << "2004001,2004/11/14,00007" << 2004001 << 7;
        QTest::newRow("period blanks digits") << "2013201 1 2 3 4 5" << 2013201 << 12345;
        QTest::newRow("period number") << "2013201\t12345" << 2013201 << 12345;
        QTest::newRow("five-digit period") << "13201,1,2,3,4,5" << 2013201 << 12345;
        QTest::newRow("quoted fields") << "\"2013201\",\"2013-08-01\",\"54321\"" << 2013201 << 54321;
        QTest::newRow("semicolons and CR") << "2013201;0;0;0;0;0\r" << 2013201 << 0;
    }
    void layouts() {
        QFETCH(QString, line);
        QFETCH(int, period);
        QFETCH(int, number);
        const ParsedDraws parsed = parseDraws(line);
        QVERIFY(parsed.rejected.empty());
        QCOMPARE(parsed.draws.size(), std::size_t(1));
        QCOMPARE(parsed.draws[0].period, period);
        QCOMPARE(parsed.draws[0].number(), number);
    }

    void rejectsMalformedLinesWithTheirNumbers() {
        const QString text = "period,d1,d2,d3,d4,d5\n"  // 1: column names, skipped
                             "2013001,1,2,3,4,5\n"      // 2
                             "\n"                       // 3: blank
                             "2013002,1,2,3,4\n"        // 4: four digits
                             "2013003,1,2,3,4,X\n"      // 5: not a digit
                             "201300,1,2,3,4,5\n"       // 6: six-digit period
                             "2013000,1,2,3,4,5\n"      // 7: sequence 000
                             "2013004,12,2,3,4,5\n"     // 8: two-digit field
                             "2013001,1,2,3,4,5\n"      // 9: exact repeat
                             "2013001,5,4,3,2,1\n"      // 10: conflicting repeat
                             "garbage\n"                // 11
                             "2013005,123456\n";        // 12: six digits
        const ParsedDraws parsed = parseDraws(text);
        QCOMPARE(parsed.draws.size(), std::size_t(1));
        QCOMPARE(parsed.repeats, 1);
        std::vector<int> lines;
        for (const RejectedLine& r : parsed.rejected) {
            lines.push_back(r.line);
            QVERIFY(!r.reason.isEmpty());
        }
        QCOMPARE(lines, (std::vector<int>{4, 5, 6, 7, 8, 10, 11, 12}));
    }

    void importSkipsStoredPeriodsInOneWrite() {
        QTemporaryDir dir;
        DrawStore store;
        QVERIFY(store.open(dir.filePath("draws.db"), nullptr));
        QVERIFY(store.insert({makeDraw(2013001, 12345)}, nullptr));
        QString error;
        const auto report = importDrawText(store,
                                           "2013001,9,9,9,9,9\n2013002,1,1,1,1,1\n2013002,1,1,1,1,1\n"
                                           "bad line\n2013003 22222\n",
                                           &error);
        QVERIFY2(report, qPrintable(error));
        QCOMPARE(report->added, 2);
        QCOMPARE(report->skipped, 2);
        QCOMPARE(report->rejected.size(), std::size_t(1));
        QCOMPARE(report->rejected[0].line, 4);
        QCOMPARE(store.newestFirst().size(), std::size_t(3));
        QCOMPARE(store.newestFirst().back().number(), 12345); // the stored draw stays
        QCOMPARE(describeImport(*report),
                 QStringLiteral("新增 2 期，跳过 2 期，拒绝 1 行\n第 4 行：期号“bad”应为七位数字（或五位，如 13201）"));
    }

    void importReadsGbkFilesAndReportsUnreadableOnes() {
        QTemporaryDir dir;
        DrawStore store;
        QVERIFY(store.open(dir.filePath("draws.db"), nullptr));
        const QString path = dir.filePath("gbk.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xc6\xda\xba\xc5,\xba\xc5\xc2\xeb\r\n2013001,12345\r\n"); // 期号,号码 in GBK
        file.close();
        QString error;
        const auto report = importDrawFile(store, path, &error);
        QVERIFY(report);
        QCOMPARE(report->added, 1);
        QVERIFY(report->rejected.empty());
        QVERIFY(!importDrawFile(store, dir.filePath("missing.csv"), &error));
        QVERIFY(error.contains("missing.csv"));
    }

    void importsTheRealHistory() {
        const QString history = QStringLiteral(PENTAD_SHARED_DATA "/pl5_history.csv");
        if (!QFile::exists(history))
            QSKIP("the real draw history is not here");
        QTemporaryDir dir;
        DrawStore store;
        QVERIFY(store.open(dir.filePath("draws.db"), nullptr));
        QString error;
        const auto report = importDrawFile(store, history, &error);
        QVERIFY(report);
        QCOMPARE(report->added, 7732);
        QVERIFY(report->rejected.empty());
        QCOMPARE(store.newestFirst().back().period, 2004001);
        QCOMPARE(store.newestFirst().back().number(), 92882);
        QCOMPARE(*store.newestPeriod(), 2026257);
        const auto again = importDrawFile(store, history, &error);
        QCOMPARE(again->added, 0);
        QCOMPARE(again->skipped, 7732);
    }
};

QTEST_GUILESS_MAIN(TestDrawImport)
#include "tst_draw_import.moc"
