#include "store/period_range.h"

#include <QTest>

using namespace pentad::store;

namespace {

// The periods of 2012 and 2013 (358 draws each here) and of 2014 up to 2014100.
QStringList sampleYears() {
    QStringList periods;
    for (int year : {2012, 2013, 2014})
        for (int seq = 1; seq <= (year == 2014 ? 100 : 358); ++seq)
            periods << QString::number(year * 1000 + seq);
    return periods;
}

} // namespace

class TestPeriodRange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaults() {
        const QStringList periods = sampleYears();
        const auto text = [&](int index) { return index < 0 ? QString() : periods[index]; };
        for (RangePair pair : kRangePairs) {
            const RangeSelection s = defaultSelection(pair, periods);
            QCOMPARE(text(s.end), QStringLiteral("2014100"));
            const QString start = pair == RangePair::Basic      ? "2013201"
                                  : pair == RangePair::Advanced ? "2013001"
                                                                : "2012001";
            QCOMPARE(text(s.start), start);
        }
    }

    void fixedStartsMissing() {
        QStringList periods;
        for (int seq = 1; seq <= 200; ++seq)
            periods << QString::number(2013000 + seq);
        QCOMPARE(defaultSelection(RangePair::Basic, periods).start, -1);
        QCOMPARE(defaultSelection(RangePair::Advanced, periods).start, 0);
        const RangeSelection empty = defaultSelection(RangePair::Statistics, {});
        QCOMPARE(empty.start, -1);
        QCOMPARE(empty.end, -1);
    }

    void rules() {
        QCOMPARE(correctionAfterStartChange("2013005", "2013004"), RangeCorrection::EndToLast);
        QCOMPARE(correctionAfterStartChange("2013004", "2013004"), RangeCorrection::None);
        QCOMPARE(correctionAfterEndChange("2013005", "2013004"), RangeCorrection::StartToFirst);
        QCOMPARE(correctionAfterEndChange("2013001", "2013004"), RangeCorrection::None);
        // An empty start (no selection) never moves the end.
        QCOMPARE(correctionAfterStartChange("", "2013004"), RangeCorrection::None);
    }

    void followUps() {
        QCOMPARE(followUp(RangePair::Basic), RangeFollowUp::RebuildBasicPanel);
        QCOMPARE(followUp(RangePair::Statistics), RangeFollowUp::RefreshCurrentView);
        QCOMPARE(followUp(RangePair::Advanced), RangeFollowUp::RebuildAdvancedPanel);
        QCOMPARE(followUp(RangePair::Omission), RangeFollowUp::RefreshCurrentView);
        QCOMPARE(followUp(RangePair::Cool), RangeFollowUp::Nothing);
        QCOMPARE(followUp(RangePair::Query), RangeFollowUp::Nothing);
    }

    void rangeTexts() {
        QString hint;
        const auto range = rangeFromTexts("2013201", "2014100", &hint);
        QVERIFY(range);
        QCOMPARE(range->from, 2013201);
        QCOMPARE(range->to, 2014100);
        QCOMPARE(rangeStatusText(*range, 258), QStringLiteral("2013201~2014100 共 258 期"));
        QVERIFY(!rangeFromTexts("", "2014100", &hint));
        QCOMPARE(hint, QStringLiteral("请先选择起始期号。"));
        QVERIFY(!rangeFromTexts("2013201", "", &hint));
        QCOMPARE(hint, QStringLiteral("请先选择终止期号。"));
        QVERIFY(!rangeFromTexts("2013201 or 1=1", "2014100", &hint));
    }

    void betPeriodList() {
        const QStringList after = betPeriods(2013201, 2026);
        QCOMPARE(after.size(), 50);
        QCOMPARE(after.front(), QStringLiteral("2013202"));
        QCOMPARE(after.back(), QStringLiteral("2013251"));
        // After a year's last draw the next period is simply the next integer.
        QCOMPARE(betPeriods(2013358, 2026).front(), QStringLiteral("2013359"));
        QCOMPARE(betPeriods(std::nullopt, 2026).front(), QStringLiteral("2026001"));
    }
};

QTEST_GUILESS_MAIN(TestPeriodRange)
#include "tst_period_range.moc"
