#include "filter/engine.h"
#include "filter/position_pads.h"

#include <QTest>

using namespace pentad;
using namespace pentad::filter;

namespace {

FilterPlan fullPads() {
    FilterPlan plan;
    plan.pads.fill(kAllDigits);
    return plan;
}

template <class Pred> Fill numbersWhere(Pred pred) {
    return [pred](int block, PassBlock& out) { fillPerNumber(block, out, pred); };
}

Check sumIs(int sum, bool tolerant) {
    return {numbersWhere([sum](const attr::Digits& d) { return d[0] + d[1] + d[2] + d[3] + d[4] == sum; }), tolerant};
}

} // namespace

class TestFilterEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noConditionListsEverything() {
        std::vector<int> percents;
        const FilterRun run = runFilter(fullPads(), [&](int p) { percents.push_back(p); return true; });
        QCOMPARE(run.results.size(), std::size_t(100000));
        QCOMPARE(run.results.front(), (FilterResult{0, 0}));
        QCOMPARE(run.results.back(), (FilterResult{99999, 0}));
        QCOMPARE(percents.front(), 1);
        QCOMPARE(percents.back(), 90);
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    }

    void oneTolerantConditionSortsAndCounts() {
        FilterPlan plan = fullPads();
        plan.checks.push_back(sumIs(10, true));
        const FilterRun run = runFilter(plan);
        QCOMPARE(run.results.size(), std::size_t(100000));
        QCOMPARE(run.results[0], (FilterResult{19, 0})); // the smallest number with sum 10
        QCOMPARE(run.results[995].failures, 0);            // 996 numbers have sum 10
        QCOMPARE(run.results[996], (FilterResult{0, 1}));
        QCOMPARE(failureShade(run.results[996].failures), 1);
        QCOMPARE(failureShade(0), 0);
        QCOMPARE(failureShade(14), 10);
    }

    void theVote() {
        FilterPlan plan = fullPads();
        plan.checks = {sumIs(10, true), sumIs(11, true)};
        plan.voteOn = true;
        plan.voteMin = 0;
        plan.voteMax = 4; // limited to the two tolerant units
        QCOMPARE(runFilter(plan).results.size(), std::size_t(100000));
        plan.voteMax = 1; // at most one failure: the sums 10 and 11
        QCOMPARE(runFilter(plan).results.size(), std::size_t(996 + 1340));
        plan.voteMin = 3;
        plan.voteMax = 4;
        QVERIFY(runFilter(plan).results.empty());
        // A rejecting condition removes candidates whatever the vote.
        plan = fullPads();
        plan.checks = {sumIs(0, false)};
        QCOMPARE(runFilter(plan).results, (std::vector<FilterResult>{FilterResult{0, 0}}));
    }

    void resultsAndPadsLimitTheCandidates() {
        FilterPlan plan = fullPads();
        plan.resultLimit = std::vector<int>{54321, 12345, 12345};
        plan.checks = {sumIs(15, true)};
        QCOMPARE(runFilter(plan).results, (std::vector<FilterResult>{{12345, 0}, {54321, 0}}));
        plan.pads[0] = QStringLiteral("5");
        QCOMPARE(runFilter(plan).results, (std::vector<FilterResult>{{54321, 0}}));
        plan.pads[1].clear();
        QVERIFY(runFilter(plan).results.empty());
    }

    void keepAndKill() {
        FilterPlan plan = fullPads();
        plan.checks = {sumIs(45, false)};
        plan.keep = numbersWhere([](const attr::Digits& d) { return attr::numberOf(d) == 12345; });
        plan.kill = numbersWhere([](const attr::Digits& d) { return attr::numberOf(d) == 12345 || attr::numberOf(d) == 99999; });
        // Kept before it is killed, and before the condition that would reject it.
        QCOMPARE(runFilter(plan).results, (std::vector<FilterResult>{{12345, 0}}));
        plan.checks.push_back(sumIs(0, true));
        plan.voteOn = true;
        plan.voteMin = 1;
        plan.voteMax = 1;
        QVERIFY(runFilter(plan).results.empty());
    }

    void manyUnitsStillCountExactly() {
        // 200 conditions: the full score 402 does not fit a byte.
        FilterPlan plan = fullPads();
        plan.pads = {"1", "2", "3", "4", kAllDigits};
        for (int i = 0; i < 200; ++i)
            plan.checks.push_back({numbersWhere([](const attr::Digits&) { return true; }), i % 2 == 0});
        plan.checks.push_back(sumIs(15, true));
        const FilterRun run = runFilter(plan);
        QCOMPARE(run.results.size(), std::size_t(10));
        QCOMPARE(run.results[0], (FilterResult{12345, 0}));
        QCOMPARE(run.results[1], (FilterResult{12340, 1}));
    }

    void cancelling() {
        int calls = 0;
        const FilterRun run = runFilter(fullPads(), [&](int p) { ++calls; return p < 40; });
        QVERIFY(run.cancelled);
        QVERIFY(run.results.empty());
        QVERIFY(calls < 50);
    }
};

QTEST_GUILESS_MAIN(TestFilterEngine)
#include "tst_filter_engine.moc"
