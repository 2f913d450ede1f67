#include "attributes/count_tables.h"

#include <QTest>

#include <numeric>

using namespace pentad::attr;

namespace {

QList<int> asList(std::span<const int> counts) { return QList<int>(counts.begin(), counts.end()); }

QList<int> range(int from, int to, int step = 1) {
    QList<int> values;
    for (int v = from; v <= to; v += step)
        values << v;
    return values;
}

QList<int> offered(std::span<const int> counts) {
    const auto values = offeredValues(counts);
    return QList<int>(values.begin(), values.end());
}

} // namespace

class TestCountTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTableCountsAllNumbers() {
        for (int kind = 0; kind < kCountedKinds; ++kind) {
            const auto counts = countTable(static_cast<Counted>(kind));
            QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 100000);
        }
        for (auto family : {ClassSum::Big, ClassSum::Small, ClassSum::Odd, ClassSum::Even})
            for (int k = 2; k <= 5; ++k) {
                const auto counts = classSumCounts(family, k);
                QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), int(std::pow(10, k)));
            }
        QVERIFY(classSumCounts(ClassSum::Big, 6).empty());
    }

    void statedDistributions() {
        QCOMPARE(asList(countTable(Counted::AcValue)),
                 (QList<int>{0, 10, 1350, 3000, 18840, 15840, 30000, 25440, 5040, 480}));
        QCOMPARE(asList(countTable(Counted::Span)),
                 (QList<int>{10, 270, 1440, 3990, 7920, 12750, 17520, 20790, 20640, 14670}));
        const QList<int> half = {3125, 15625, 31250, 31250, 15625, 3125};
        QCOMPARE(asList(countTable(Counted::OddCount)), half);
        QCOMPARE(asList(countTable(Counted::BigCount)), half);
        QCOMPARE(asList(countTable(Counted::PrimeCount)), half);

        const QList<int> lowerSums = {1,    5,    15,   35,   70,   126,  210,  330,
                                      495,  715,  996,  1340, 1745, 2205, 2710, 3246,
                                      3795, 4335, 4840, 5280, 5631, 5875, 6000};
        const auto sums = countTable(Counted::Sum);
        QCOMPARE(sums.size(), std::size_t(46));
        for (int v = 0; v <= 22; ++v) {
            QCOMPARE(sums[static_cast<std::size_t>(v)], lowerSums[v]);
            QCOMPARE(sums[static_cast<std::size_t>(45 - v)], lowerSums[v]);
        }
    }

    void classSumsPerPositionCount() {
        // Big-digit sum over two digits: 0 when both are small (25 strings), 18 only for 99.
        const auto big2 = classSumCounts(ClassSum::Big, 2);
        QCOMPARE(big2[0], 25);
        QCOMPARE(big2[18], 1);
        QCOMPARE(offered(classSumCounts(ClassSum::Big, 5)), (QList<int>{0} + range(5, 45)));
        QCOMPARE(offered(classSumCounts(ClassSum::Small, 5)), range(0, 20));
        QCOMPARE(offered(classSumCounts(ClassSum::Odd, 5)), (range(0, 37) + QList<int>{39, 41, 43, 45}));
        QCOMPARE(offered(classSumCounts(ClassSum::Even, 5)), range(0, 40, 2));
    }

    void offeredClassSumsOfFive() {
        QCOMPARE(offered(countTable(Counted::PrimeSum)), (range(0, 31) + QList<int>{33, 35}));
        QCOMPARE(offered(countTable(Counted::CompositeSum)), (QList<int>{0, 4, 6, 8, 9, 10} + range(12, 45)));
        QCOMPARE(offered(countTable(Counted::Route0Sum)), range(0, 45, 3));
        QCOMPARE(offered(countTable(Counted::Route1Sum)),
                 (range(0, 23) + QList<int>{25, 26, 28, 29, 32, 35}));
        QCOMPARE(offered(countTable(Counted::Route2Sum)),
                 (QList<int>{0, 2} + range(4, 26) + QList<int>{28, 29, 31, 32, 34, 37, 40}));
    }
};

QTEST_GUILESS_MAIN(TestCountTables)
#include "tst_count_tables.moc"
