#include <QFile>
#include "cli_runner.h"

#include <QTemporaryDir>
#include <QTest>


class TestCliReport : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private Q_SLOTS:
    void initTestCase() {
        const QString file = home_.filePath("in.csv");
        QFile in(file);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("2013200,1,2,3,4,5\n2013201,0,0,0,0,7\n2013202,1,2,2,9,9\n");
        in.close();
        QCOMPARE(runCli({"--home", home_.path(), "import", file}).exitCode, 0);
    }

    void printsAReport() {
        const CliRun run = runCli({"--home", home_.path(), "report", "basic", "--view", "67", "--to", "2013201"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("期号\t万\t千\t百\t十\t个\t除 7余数\t除 9余数\t除11余数\t除13余数\t除17余数\t除19余数\t除23余数\n"
                                         "2013201\t0\t0\t0\t0\t7\t0\t7\t7\t7\t7\t7\t7\n"));
        // The default range starts at 2013201 and ends with the newest draw.
        const CliRun overview = runCli({"--home", home_.path(), "report", "basic", "--view", "47"});
        QCOMPARE(overview.out.count('\n'), 3);
        QVERIFY(overview.out.endsWith(QStringLiteral("2013202\t1\t2\t2\t9\t9\t23\t3:2\t2:3\t3:2\t1:2:2:0:0\t2:1:2\t1-9\t8\t1,2\t2,2|9,9\n")));
    }

    void writesATableFile() {
        const QString csv = home_.filePath("out.csv");
        QCOMPARE(runCli({"--home", home_.path(), "report", "basic", "--view", "61", "--from", "2013202",
                         "--to", "2013202", "--csv", csv}).exitCode, 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\"2013202\",\"1\",\"2\",\"2\",\"9\",\"9\",\"46\",\"92\",\r\n"));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("one position") << QStringList{"--view", "66", "--positions", "3"} << 1 << "至少要选择两个位进行分析。";
        QTest::newRow("unknown view") << QStringList{"--view", "55"} << 2 << "未知的报表代码";
        QTest::newRow("bad step") << QStringList{"--view", "47", "--step", "21"} << 2 << "分析间隔";
        QTest::newRow("bad position") << QStringList{"--view", "49", "--positions", "16"} << 2 << "位置";
        QTest::newRow("empty bound") << QStringList{"--view", "47", "--from", ""} << 1 << "请先选择起始期号。";
        QTest::newRow("missing view") << QStringList{"--step", "2"} << 2 << "用法";
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const CliRun run = runCli(QStringList{"--home", home_.path(), "report", "basic"} + args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
