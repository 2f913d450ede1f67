#include "store/draw_store.h"
#include "store_fixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad::store;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<int> periods(const std::vector<Draw>& draws) {
    std::vector<int> result;
    for (const Draw& d : draws)
        result.push_back(d.period);
    return result;
}

} // namespace

class TestDrawStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createsOnFirstStartAndKeepsDraws() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Data/draws.db");
        {
            DrawStore store;
            QString error;
            QVERIFY2(store.open(path, &error), qPrintable(error));
            QVERIFY(store.isEmpty());
            QVERIFY(!store.newestPeriod());
            QVERIFY(store.insert({makeDraw(2013002, 12299), makeDraw(2013001, 7)}, &error));
        }
        DrawStore store;
        QVERIFY(store.open(path, nullptr));
        QCOMPARE(store.newestFirst().size(), std::size_t(2));
        QCOMPARE(store.newestFirst()[0], makeDraw(2013002, 12299));
        QCOMPARE(store.newestFirst()[1].number(), 7);
        QCOMPARE(*store.newestPeriod(), 2013002);
    }

    void refusesFilesThatAreNotOurs_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("foreignTable");
        QTest::newRow("text file") << QByteArray("this is not a database\r\n") << QString();
        QTest::newRow("random bytes") << QByteArray(4096, '\x5a') << QString();
        QTest::newRow("database of another program") << QByteArray() << "CREATE TABLE Other (x)";
        QTest::newRow("table without our columns") << QByteArray() << "CREATE TABLE Lottery5 (ItemNo INTEGER)";
    }
    void refusesFilesThatAreNotOurs() {
        QFETCH(QByteArray, content);
        QFETCH(QString, foreignTable);
        QTemporaryDir dir;
        const QString path = dir.filePath("draws.db");
        if (foreignTable.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        } else {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(foreignTable));
            db.close();
        }
        QSqlDatabase::removeDatabase("foreign");
        const QByteArray before = fileBytes(path);

        DrawStore store;
        QString error;
        QVERIFY(!store.open(path, &error));
        QVERIFY(!store.isOpen());
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!store.insert({makeDraw(2013001, 1)}, &error));
    }

    void insertIsAllOrNothing() {
        QTemporaryDir dir;
        DrawStore store;
        QVERIFY(store.open(dir.filePath("draws.db"), nullptr));
        QVERIFY(store.insert({makeDraw(2013001, 11111)}, nullptr));
        Draw bad = makeDraw(2013003, 0);
        bad.digits[2] = 12; // refused by the table's check
        QString error;
        QVERIFY(!store.insert({makeDraw(2013002, 22222), bad}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(store.reload());
        QCOMPARE(periods(store.newestFirst()), (std::vector<int>{2013001}));
        // Periods already stored are left alone.
        QVERIFY(store.insert({makeDraw(2013001, 99999), makeDraw(2013002, 22222)}, nullptr));
        QCOMPARE(store.newestFirst().back().number(), 11111);
        QCOMPARE(store.newestFirst().size(), std::size_t(2));
    }

    void rangesAndLookBack() {
        QTemporaryDir dir;
        DrawStore store;
        QVERIFY(store.open(dir.filePath("draws.db"), nullptr));
        auto draws = drawsOfYear(2012, 5);
        const auto y2013 = drawsOfYear(2013, 5);
        draws.insert(draws.end(), y2013.begin(), y2013.end());
        QVERIFY(store.insert(draws, nullptr));

        QCOMPARE(periods(store.range(2012004, 2013002, Order::NewestFirst)),
                 (std::vector<int>{2013002, 2013001, 2012005, 2012004}));
        QCOMPARE(periods(store.range(2012004, 2013002, Order::OldestFirst)),
                 (std::vector<int>{2012004, 2012005, 2013001, 2013002}));
        QCOMPARE(periods(store.range(2013005, 2013005, Order::NewestFirst)), (std::vector<int>{2013005}));
        QVERIFY(store.range(2013003, 2013002, Order::NewestFirst).empty());
        QCOMPARE(store.range(1000000, 9999999, Order::NewestFirst).size(), std::size_t(10));

        QCOMPARE(store.newest(3).size(), std::size_t(3));
        QCOMPARE(store.newest(3).front().period, 2013005);
        QCOMPARE(store.newest(50).size(), std::size_t(10));

        QCOMPARE(*store.indexOf(2012005), std::size_t(5));
        QVERIFY(!store.indexOf(2012006));
        const auto older = store.olderThan(2013001, 3);
        QCOMPARE(older.size(), std::size_t(3));
        QCOMPARE(older[0].period, 2012005);
        QCOMPARE(older[2].period, 2012003);
        QVERIFY(store.olderThan(2012001, 5).empty());
        QVERIFY(store.olderThan(2011001, 5).empty());
    }
};

QTEST_GUILESS_MAIN(TestDrawStore)
#include "tst_draw_store.moc"
