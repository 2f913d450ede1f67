#include <QFile>
#include "cli_runner.h"

#include <QTemporaryDir>
#include <QTest>


class TestCliDraws : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importThenList() {
        QTemporaryDir home;
        const QString file = home.filePath("in.txt");
        QFile in(file);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("13002 5 4 3 2 1\r\n2013001,2013-01-01,00007\r\nnonsense\r\n");
        in.close();
        const CliRun imported = runCli({"--home", home.path(), "import", file});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.out.contains(QStringLiteral("新增 2 期，跳过 0 期，拒绝 1 行")), qPrintable(imported.out));
        QVERIFY(imported.out.contains(QStringLiteral("第 3 行")));

        const CliRun listed = runCli({"draws", "--home", home.path()});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out, QStringLiteral("period,d1,d2,d3,d4,d5\n2013001,0,0,0,0,7\n2013002,5,4,3,2,1\n"));

        // The listing reads back as an import of nothing new.
        const QString again = home.filePath("again.csv");
        QFile out(again);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(listed.out.toUtf8());
        out.close();
        QVERIFY(runCli({"--home", home.path(), "import", again}).out.contains(QStringLiteral("新增 0 期，跳过 2 期")));
    }

    void failuresExitNonZero() {
        QTemporaryDir home;
        QCOMPARE(runCli({}).exitCode, 2);
        QCOMPARE(runCli({"--home", home.path(), "unknown"}).exitCode, 2);
        QCOMPARE(runCli({"--home", home.path(), "import"}).exitCode, 2);
        const CliRun missing = runCli({"--home", home.path(), "import", home.filePath("missing.csv")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("missing.csv"));

        QDir().mkpath(home.filePath("Data"));
        QFile notDb(home.filePath("Data/draws.db"));
        QVERIFY(notDb.open(QIODevice::WriteOnly));
        notDb.write("plain text");
        notDb.close();
        const CliRun refused = runCli({"--home", home.path(), "draws"});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("draws.db"));
    }
};

QTEST_GUILESS_MAIN(TestCliDraws)
#include "tst_cli_draws.moc"
