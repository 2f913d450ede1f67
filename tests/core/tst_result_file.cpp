#include "filter/result_file.h"
#include "text/gbk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad::filter;

class TestResultFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void betsInText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::vector<int>>("bets");
        QTest::newRow("lines repeat") << QByteArray("12345\r\n12345\r\n00007\r\n") << std::vector<int>{7, 12345};
        QTest::newRow("one line, three bets") << QByteArray("12345,23456,34567") << std::vector<int>{12345, 23456, 34567};
        QTest::newRow("six digits") << QByteArray("123456") << std::vector<int>{};
        QTest::newRow("four digits") << QByteArray("1234 x") << std::vector<int>{};
        QTest::newRow("report layout") << QByteArray(" 00123 , 04567          ----> 10\r\n第 2013201 期")
                                       << std::vector<int>{123, 4567};
        QTest::newRow("between Chinese") << pentad::text::toGbk(QStringLiteral("号码99999号码"))
                                         << std::vector<int>{99999};
    }
    void betsInText() {
        QFETCH(QByteArray, text);
        QFETCH(std::vector<int>, bets);
        QCOMPARE(::betsInText(text), bets);
    }

    void fileNames() {
        QVERIFY(isOpenableResultName("bets.TXT"));
        QVERIFY(isOpenableResultName("a.Txt"));
        QVERIFY(!isOpenableResultName("bets.tXt"));
        QVERIFY(!isOpenableResultName("bets.rtf"));
        QVERIFY(usesPlainLayout("bets.tXt"));
        QVERIFY(usesPlainLayout("x.txt.bak"));
        QVERIFY(!usesPlainLayout("bets.rtf"));
    }

    void reportLayoutOfSevenBets() {
        const QDateTime at(QDate(2026, 12, 11), QTime(9, 5));
        const QStringList lines = resultFileLines({1, 2, 3, 4, 5, 6, 7}, false, "2026340", at);
        QCOMPARE(lines.mid(0, 8), (QStringList{"青禾巧选排列5", lines[1], "", "第 2026340 期 排列5 投注总计：7 注", "",
                                               " 00001 , 00002 , 00003 , 00004 , 00005          ----> 5",
                                               " 00006 , 00007 , ", ""}));
        QVERIFY(lines[1].startsWith("https://"));
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines.last().contains("2026"));
        QCOMPARE(resultFileLines({7, 12345}, true, "x", at), (QStringList{"00007", "12345"}));
    }

    void savesAndReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bets.TXT");
        QString error;
        QVERIFY(saveResultFile(path, {12345, 7}, "2026001", QDateTime::currentDateTime(), &error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("12345\r\n00007\r\n"));
        QCOMPARE(*readResultFile(path, &error), (std::vector<int>{7, 12345}));
        QVERIFY(!readResultFile(dir.filePath("missing.txt"), &error));
        QVERIFY(error.contains("missing.txt"));
    }
};

QTEST_GUILESS_MAIN(TestResultFile)
#include "tst_result_file.moc"
