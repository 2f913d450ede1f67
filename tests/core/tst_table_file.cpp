#include "analysis/table.h"
#include "analysis/table_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad::analysis;

class TestTableFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bytesOfASmallTable() {
        Table table({{"期号"}, {"hidden"}, {"号码"}, {"说明"}});
        table.column(1).visible = false;
        const int r0 = table.addRow();
        table.setText(r0, 0, "2013201");
        table.setText(r0, 1, "never written");
        table.setText(r0, 2, "12345");
        table.setText(r0, 3, "say \"hi\", twice");
        table.addRow(); // an empty row still gives a line of empty fields
        QCOMPARE(tableFileBytes(table),
                 QByteArray("\"\xc6\xda\xba\xc5\",\"\xba\xc5\xc2\xeb\",\"\xcb\xb5\xc3\xf7\",\r\n"
                            "\"2013201\",\"12345\",\"say \"\"hi\"\", twice\",\r\n"
                            "\"\",\"\",\"\",\r\n"));
    }

    void savesAtomically() {
        QTemporaryDir dir;
        Table table({{"A"}});
        table.setText(table.addRow(), 0, "1");
        const QString path = dir.filePath("t.csv");
        QString error;
        QVERIFY(saveTableFile(table, path, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"A\",\r\n\"1\",\r\n"));
        QVERIFY(!saveTableFile(table, "/proc/no/such/t.csv", &error));
        QVERIFY(!error.isEmpty());
    }

    void widthsFromHeadingBytes_data() {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("width"); // -1: unchanged
        QTest::newRow("2 bytes") << "期" << -1;
        QTest::newRow("3 bytes") << "万位1" << 40; // 2+2+1 = 5 bytes
        QTest::newRow("abc") << "abc" << 26;
        QTest::newRow("4 bytes") << "期号" << 33;
        QTest::newRow("6 bytes") << "和值数" << 42;
        QTest::newRow("7 bytes") << "ABCDEFG" << 48;
        QTest::newRow("8 bytes") << "连号个数" << 54;
        QTest::newRow("9 bytes") << "123456789" << 60;
        QTest::newRow("10 bytes") << "大中小形态" << 74;
        QTest::newRow("11 bytes") << "12345678901" << 80;
        QTest::newRow("12 bytes") << "邻孤传号码表" << 85;
        QTest::newRow("13 bytes") << "1234567890123" << -1;
    }
    void widthsFromHeadingBytes() {
        QFETCH(QString, heading);
        QFETCH(int, width);
        Table table({{heading, 99}});
        FitColumnToHeading(table, 0);
        QCOMPARE(table.column(0).width, width < 0 ? 99 : width);
    }
};

QTEST_GUILESS_MAIN(TestTableFile)
#include "tst_table_file.moc"
