#include "cli_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A filter file with all pads open and the given condition lines.
QByteArray filterFile(const QByteArray& lines) {
    return "title\r\ntxtSW:0123456789\r\ntxtSQ:0123456789\r\ntxtSB:0123456789\r\ntxtSS:0123456789\r\n"
           "txtSG:0123456789\r\n" + lines;
}

} // namespace

class TestCliFilter : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

    CliRun filter(const QStringList& args) { return runCli(QStringList{"--home", home_.path(), "filter"} + args); }

private Q_SLOTS:
    void initTestCase() {
        const QString draws = home_.filePath("in.csv");
        QVERIFY(writeFile(draws, "2013200,1,2,3,4,5\n2013201,0,0,0,0,7\n2013202,1,2,2,9,9\n"));
        QCOMPARE(runCli({"--home", home_.path(), "import", draws}).exitCode, 0);
    }

    void printsTheResultsInOrder() {
        const QString f = home_.filePath("sum.sfl");
        // Sum 0 or 1, tolerant; the latest two draws excluded (window 5 holds all three).
        QVERIFY(writeFile(f, filterFile("chkSSum:True\r\nchkSSumWrong:True\r\ntxtSSum:54321|1;\r\n"
                                        "chkSHistory:True\r\ncmbSHistory:0\r\n"
                                        "chkSTotalWrong:True\r\ncmbSTotalWrong:0\r\n")));
        const CliRun run = filter({"--filter", f, "--with-failures"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 100000 - 3);
        QCOMPARE(lines.mid(0, 6), (QStringList{"00001\t0", "00010\t0", "00100\t0", "01000\t0", "10000\t0", "00000\t1"}));
        QVERIFY(!lines.contains("12345\t1"));
        QCOMPARE(filter({"--filter", f}).out.left(12), QStringLiteral("00001\n00010\n"));
    }

    void limitsToAResultFile() {
        const QString f = home_.filePath("none.sfl");
        QVERIFY(writeFile(f, filterFile("")));
        const QString results = home_.filePath("bets.txt");
        QVERIFY(writeFile(results, "54321\r\n12345,12345 and 123456 00007\r\n"));
        QCOMPARE(filter({"--filter", f, "--results", results}).out, QStringLiteral("00007\n12345\n54321\n"));
        // An empty result list refuses the run.
        QVERIFY(writeFile(results, "nothing\r\n"));
        const CliRun refused = filter({"--filter", f, "--results", results});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains(QStringLiteral("只有在结果不为0的情况下才能使用该过滤方法。")));
    }

    void refusals() {
        QCOMPARE(filter({}).exitCode, 2);
        QCOMPARE(filter({"--filter"}).exitCode, 2);
        QCOMPARE(filter({"--filter", home_.filePath("missing.sfl")}).exitCode, 1);
        const QString f = home_.filePath("lgc.sfl");
        QVERIFY(writeFile(f, filterFile("chkSZLGC:True\r\n")));
        const CliRun run = filter({"--filter", f});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("请设置邻孤传号码。")));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliFilter)
#include "tst_cli_filter.moc"
