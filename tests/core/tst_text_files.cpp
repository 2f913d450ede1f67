#include "text/gbk.h"
#include "text/line_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad::text;

class TestTextFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gbkRoundTrip() {
        const QString title = QStringLiteral("青禾巧选排列5");
        const QByteArray bytes = toGbk(title);
        QCOMPARE(bytes.toHex(), QByteArray("c7e0baccc7c9d1a1c5c5c1d035"));
        bool ok = false;
        QCOMPARE(fromGbk(bytes, &ok), title);
        QVERIFY(ok);
        QCOMPARE(gbkLength(QStringLiteral("号码A")), 5);
    }

    void invalidGbkIsFlagged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0xFF") << QByteArray("ab\xff\xff");
        QTest::newRow("lone lead byte at end") << QByteArray("ab\xc7");
        QTest::newRow("trail byte below 0x40") << QByteArray("\xc7\x20");
        QTest::newRow("0x80") << QByteArray("\x80");
    }
    void invalidGbkIsFlagged() {
        QFETCH(QByteArray, bytes);
        bool ok = true;
        fromGbk(bytes, &ok);
        QVERIFY(!ok);
    }

    void decodesUtf8OrGbk() {
        bool ok = false;
        QCOMPARE(decodeText(QStringLiteral("青禾巧选").toUtf8(), &ok), QStringLiteral("青禾巧选"));
        QVERIFY(ok);
        QCOMPARE(decodeText(toGbk(QStringLiteral("青禾巧选")), &ok), QStringLiteral("青禾巧选"));
        QVERIFY(ok);
        decodeText("ab\xff\xff", &ok);
        QVERIFY(!ok);
    }

    void writesGbkWithCrLfAndReadsAnyLineEnd() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/out.txt"));
        QVERIFY(writeGbkLines(path, {QStringLiteral("号码"), QStringLiteral("12345")}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xba\xc5\xc2\xeb\r\n12345\r\n"));
        file.close();

        QFile mixed(dir.filePath(QStringLiteral("mixed.txt")));
        QVERIFY(mixed.open(QIODevice::WriteOnly));
        mixed.write("a\r\nb\nc\rd");
        mixed.close();
        const auto read = readGbkLines(mixed.fileName());
        QVERIFY(read);
        QCOMPARE(read->lines, (QStringList{"a", "b", "c", "d"}));
        QVERIFY(read->valid);
    }

    void atomicWriteReplacesWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QVERIFY(writeFileAtomically(path, QByteArray(1000, 'x')));
        QVERIFY(writeFileAtomically(path, "short"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("short"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"f.txt"});
    }

    void unreadableFileReportsWhy() {
        QString error;
        QVERIFY(!readGbkLines(QStringLiteral("/nonexistent/file.txt"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_text_files.moc"
