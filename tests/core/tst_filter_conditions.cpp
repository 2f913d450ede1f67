#include "filter_fixture.h"

#include "filter/catalogue.h"
#include "filter/condition_compiler.h"
#include "filter/filter_request.h"

#include <QTest>

using namespace pentad;
using namespace pentad::filter;

namespace {

// Latest first: 12945 is the latest draw, 33333 the sixth.
const std::vector<int> kDraws = {12945, 12345, 13579, 24680, 22222, 33333};

// Whether every check compiled from the settings passes the number.
bool passes(const QStringList& settings, int number) {
    const auto checks = compileChecks(fixture::stateOf(settings), fixture::drawsOf(kDraws));
    PassBlock block;
    for (const Check& c : checks) {
        c.fill(number / kBlockSize, block);
        if (!block[static_cast<std::size_t>(number % kBlockSize)])
            return false;
    }
    return true;
}

} // namespace

class TestFilterConditions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomes_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("passes");
        const auto row = [](const char* tag, QStringList settings, int number, bool pass) {
            QTest::newRow(tag) << settings << number << pass;
        };
        // 过滤1
        const QStringList sum = {"chkSSum", "txtSSum=54321|10,11,12;531|3,4;"};
        row("sum both entries", sum, 17201, true);
        row("sum first entry fails", sum, 10300, false);
        row("sum without final ;", {"chkSSum", "txtSSum=54321|10,11,12;531|3,4"}, 10300, false);
        row("sum without final ; passes", {"chkSSum", "txtSSum=54321|10,11,12;531|3,4"}, 17201, true);
        row("sum empty passes", {"chkSSum"}, 10300, true);
        row("tail", {"chkSHeWei", "txtSHeWei=54321|1;"}, 56000, true);
        row("mean", {"chkSJun", "txtSJun=54|2;"}, 12345, true);
        row("mean rounds down", {"chkSJun", "txtSJun=54|2;"}, 11345, false);
        row("parity pattern", {"chkSJOLei", "txtSJOLei=54|奇偶ＸＸＸ;"}, 30123, true);
        row("parity pattern fails", {"chkSJOLei", "txtSJOLei=54|奇偶ＸＸＸ;"}, 31000, false);
        row("size pattern", {"chkSDXLei", "txtSDXLei=5|大ＸＸＸＸ;"}, 50000, true);
        row("prime pattern", {"chkSZHLei", "txtSZHLei=1|ＸＸＸＸ质;"}, 4, false);
        row("odd sum radio", {"chkSSumJO", "rdoSSumJO1"}, 10000, true);
        row("even sum radio", {"chkSSumJO", "rdoSSumJO2"}, 10000, false);
        row("tail big", {"chkSSumDX", "rdoSSumDX2"}, 99999, true);
        row("tail big fails", {"chkSSumDX", "rdoSSumDX2"}, 4, false);
        row("no radio selected", {"chkSSumDX", "-rdoSSumDX1"}, 4, false);
        row("tail prime", {"chkSHWZhi", "rdoSHWZhi1"}, 1, true);
        row("sum route box", {"chkSSum012", "chkSSum0120"}, 3, true);
        row("sum route unticked", {"chkSSum012", "chkSSum0120"}, 1, false);
        row("tail three-way", {"chkSHWDZX", "chkSHWDZX2"}, 5, true);
        row("big count", {"chkSDXShu", "txtSDXShu=54321|2;"}, 55500, false);
        // 过滤2
        row("odd sum", {"chkSTMJS", "txtSTMJS=54321|9;"}, 90000, true);
        row("odd sum fails", {"chkSTMJS", "txtSTMJS=54321|9;"}, 90001, false);
        row("composite sum", {"chkSTMHS", "txtSTMHS=4"}, 40000, true);
        row("empty value list fails", {"chkSWJH"}, 0, false);
        row("weighted sum", {"chkSWJH", "txtSWJH=73"}, 90901, true);
        row("remainder sum", {"chkSC3H", "txtSC3H=5|2;"}, 50000, true);
        row("route-0 sum", {"chkS0Sum", "txtS0Sum=9"}, 36000, true);
        row("own digit sum", {"chkSADSum", "txtSADSum=13|4;"}, 13000, true);
        row("own digit sum fails", {"chkSADSum", "txtSADSum=13|4;"}, 11200, false);
        // 过滤3
        row("route count", {"chkS0120", "chkS01202"}, 36124, true);
        row("route count fails", {"chkS0120", "chkS01202"}, 12457, false);
        row("route group", {"chkSZu012", "txtSZu012=2:3:0,1:1:3"}, 3147, true);
        row("route group fails", {"chkSZu012", "txtSZu012=2:3:0,1:1:3"}, 12345, false);
        row("route pattern", {"chkSDan012", "txtSDan012=54|01XXX;"}, 1000, true);
        row("route pattern fails", {"chkSDan012", "txtSDan012=54|01XXX;"}, 0, false);
        row("compare >=", {"chkSGBCmp", "cmbSGBCmp=3"}, 10001, true);
        row("compare >= fails", {"chkSGBCmp", "cmbSGBCmp=3"}, 20001, false);
        row("compare unknown operator", {"chkSGBCmp", "cmbSGBCmp=9"}, 10001, false);
        row("compare irregular combo", {"chkSBScmp", "cmbSBSCmp=1"}, 330, true);
        // 过滤4
        row("zones 00000", {"chkSQ5A", "chkSQ5A1"}, 0, true);
        row("zones 01010", {"chkSQ5A", "chkSQ5A1"}, 1010, true);
        row("zones 02468", {"chkSQ5A", "chkSQ5A5"}, 2468, true);
        row("zones 02468 not 1", {"chkSQ5A", "chkSQ5A1"}, 2468, false);
        row("zones shared digit", {"chkSQ5A", "txtSQ5A2=01", "chkSQ5A1"}, 1010, true);
        row("difference", {"chkSWHC1", "txtSWHC1=0"}, 11000, true);
        row("chained difference", {"chkSWHCMore", "txtSWHCMore=54|1;"}, 12000, true);
        row("chained difference fails", {"chkSWHCMore", "txtSWHCMore=54|1;"}, 13000, false);
        // 过滤5
        row("big three-way count", {"chkSDZXD", "chkSDZXD2"}, 78000, true);
        row("size3 pattern", {"chkSDanDZX", "txtSDanDZX=大中小小小"}, 95021, true);
        row("size3 pattern fails", {"chkSDanDZX", "txtSDanDZX=大中小小小"}, 15021, false);
        row("size3 group", {"chkSZDZX", "txtSZDZX=3小1中1大"}, 95021, true);
        row("largest digit", {"chkSZDM", "txtSZDM=9"}, 90000, true);
        row("largest position", {"chkSZDW", "chkSZDW5"}, 90009, true);
        row("largest position fails", {"chkSZDW", "chkSZDW5"}, 90008, false);
        // 过滤6
        row("banker position", {"chkSDM1", "txtSDM1=7", "chkSDM13"}, 700, true);
        row("banker position fails", {"chkSDM1", "txtSDM1=7", "chkSDM13"}, 70000, false);
        row("banker count distinct", {"chkSDM4", "txtSDM4=1,3", "chkSDM42"}, 11300, true);
        row("banker count positions", {"chkSDM4", "txtSDM4=1,3", "chkSDM43", "-chkSDMSet"}, 11300, true);
        row("banker count positions not 2", {"chkSDM4", "txtSDM4=1,3", "chkSDM42", "-chkSDMSet"}, 11300, false);
        row("more digits", {"chkSMoreSZ", "txtSMoreSZ=1,3|2;"}, 11300, true);
        row("more digits fails", {"chkSMoreSZ", "txtSMoreSZ=1,3|2;"}, 11000, false);
        row("more digits counts positions", {"chkSMoreSZ", "txtSMoreSZ=1,3|3;", "-chkSDMSet"}, 11300, true);
        row("group two-code", {"chkSZ2M", "txtSZ2M=19"}, 91000, true);
        row("group two-code fails", {"chkSZ2M", "txtSZ2M=19"}, 10000, false);
        row("two-code", {"chkSWQ2M", "txtSWQ2M=07"}, 7123, true);
        row("two-code fails", {"chkSWQ2M", "txtSWQ2M=07"}, 70123, false);
        row("more two-code", {"chkSMore2M", "txtSMore2M=54|07;"}, 7123, true);
        row("more two-code three positions", {"chkSMore2M", "txtSMore2M=543|07;"}, 7123, false);
        // 过滤7: the sets the latest draw 12345 gives
        const QStringList sets = {"txtSLCGLin=06", "txtSLCGChuan=12345", "txtSLCGGu=789"};
        row("neighbour count", sets + QStringList{"chkSLCGLin", "chkSLCGLin1"}, 61234, true);
        row("neighbour count fails", sets + QStringList{"chkSLCGLin", "chkSLCGLin1"}, 12345, false);
        row("neighbour group", sets + QStringList{"chkSZLGC", "txtSZLGC=1邻2孤2传"}, 7812, true);
        row("neighbour group fails", sets + QStringList{"chkSZLGC", "txtSZLGC=1邻2孤2传"}, 12345, false);
        row("neighbour pattern", sets + QStringList{"chkSDLGC", "txtSDLGC=邻孤孤传传"}, 7812, true);
        row("repeat count", {"txtSFGZGe=79", "chkSFGZGe", "chkSFGZGe2"}, 79000, true);
        // 过滤8, over the draws above; windows are item indexes
        row("draw in window", {"chkSHistory", "cmbSHistory=0"}, 22222, false);
        row("draw past window", {"chkSHistory", "cmbSHistory=0"}, 33333, true);
        row("group equal", {"chkSCLSZu", "cmbSCLSZu=0"}, 54321, false);
        row("four common", {"chkSCLSZ4", "cmbSCLSZ4=0"}, 12344, false);
        row("three common", {"chkSCLSZ4", "cmbSCLSZ4=0"}, 12399, true);
        row("three in place", {"chkSCLSD3", "cmbSCLSD3=0"}, 12999, false);
        row("one in place", {"chkSCLSD3", "cmbSCLSD3=0"}, 21954, true);
        row("four in place", {"chkSCLSD4", "cmbSCLSD4=4"}, 12346, false);
        row("three in place for four", {"chkSCLSD4", "cmbSCLSD4=4"}, 12356, true);
        row("history two-code", {"chkSCLSWQ", "cmbSCLSWQ=0"}, 12000, false);
        row("history route pattern", {"chkSCLSD012", "cmbSCLSD012=4"}, 45678, false);
        row("history route pattern past window", {"chkSCLSD012", "cmbSCLSD012=4"}, 0, true);
        row("history distances", {"chkSCLSTLWJ", "cmbSCLSTLWJ=4"}, 98765, false);
        row("history remainder sums", {"chkSCLS56YSH", "cmbSCLS56YSH=4"}, 21345, false);
        row("history weighted sum", {"chkSCLSWJH", "cmbSCLSWJH=4"}, 0, true);
        // 过滤9
        row("largest adjacent distance", {"chkSZDLWJ", "txtSZDLWJ=1"}, 12345, true);
        row("remainder 7", {"chkSCNY", "txtSCNY=C07:0;"}, 7, true);
        row("remainder 14", {"chkSCNY", "txtSCNY=C07:0;"}, 14, true);
        row("remainder 8", {"chkSCNY", "txtSCNY=C07:0;"}, 8, false);
        row("unknown divisor reads 0", {"chkSCNY", "txtSCNY=C99:0;"}, 8, true);
        row("remainder without values", {"chkSCNY", "txtSCNY=C07;"}, 7, false);
        // 过滤10
        row("matching", {"chkSPiPei", "txtSPiPei=1/2/3/4/5|5;"}, 12345, true);
        row("matching fails", {"chkSPiPei", "txtSPiPei=1/2/3/4/5|5;"}, 12344, false);
        row("matching any group", {"chkSPiPei", "txtSPiPei=1/*/3/4/5|5;"}, 19345, true);
        row("matching broken groups left out", {"chkSPiPei", "txtSPiPei=1/2|5;"}, 99999, true);
        row("front three", {"chkSCP3", "txtSCP3=123"}, 12345, false);
        row("front three 12300", {"chkSCP3", "txtSCP3=123"}, 12300, false);
        row("front three kept", {"chkSCP3", "txtSCP3=123"}, 1234, true);
        row("front three empty", {"chkSCP3"}, 12345, true);
        row("consecutive none", {"chkSLian", "chkSLian0"}, 13579, true);
        row("consecutive none fails", {"chkSLian", "chkSLian0"}, 12000, false);
        row("same digits", {"chkSTong", "chkSTong2"}, 11234, true);
        row("span", {"chkSKuaDu", "txtSKuaDu=54321|9;"}, 90000, true);
        row("span fails", {"chkSKuaDu", "txtSKuaDu=54321|9;"}, 80000, false);
        row("AC", {"chkSAC", "txtSAC=1"}, 11111, true);
        row("AC fails", {"chkSAC", "txtSAC=1"}, 12345, false);
        // Texts no dialog writes: they never stop the run
        row("entry without bar is left out", {"chkSSum", "txtSSum=abc;"}, 12345, true);
        row("codes outside 1..5 are dropped", {"chkSSum", "txtSSum=9|5;"}, 12345, true);
        row("non-digit values match nothing", {"chkSSum", "txtSSum=54|x;"}, 12345, false);
        row("codes outside 1..5 inside a set", {"chkSSum", "txtSSum=95|1;"}, 10000, true);
        row("pattern of the wrong length", {"chkSJOLei", "txtSJOLei=54|奇偶;"}, 30123, false);
        row("unticked condition", {"txtSSum=54321|0;"}, 12345, true);
    }

    void outcomes() {
        QFETCH(QStringList, settings);
        QFETCH(int, number);
        QFETCH(bool, passes);
        QCOMPARE(::passes(settings, number), passes);
    }

    void voteUnitsAndTolerance() {
        // A tolerant entry list gives one unit per entry, each with its own mark.
        auto checks = compileChecks(fixture::stateOf({"chkSCNY", "txtSCNY=C07:0,3,6;C11:1,2-W;"}));
        QCOMPARE(checks.size(), std::size_t(2));
        QVERIFY(!checks[0].tolerant);
        QVERIFY(checks[1].tolerant);
        checks = compileChecks(fixture::stateOf({"chkSPiPei", "txtSPiPei=1/2/3/4/5|45-W;*/*/*/*/1|1;"}));
        QCOMPARE(checks.size(), std::size_t(2));
        QVERIFY(checks[0].tolerant);
        QVERIFY(compileChecks(fixture::stateOf({"chkSMoreSZ"})).empty()); // no entries, no unit
        QVERIFY(compileChecks(fixture::stateOf({"chkSGBCmp", "chkSGBCMPWrong"}))[0].tolerant);
        // 必出号 and 必杀号 take no unit.
        QVERIFY(compileChecks(fixture::stateOf({"chkSJJB", "txtSJJB=12345;", "chkSJJC"})).empty());
    }

    void forcedLists() {
        const auto run = [](const QStringList& settings) {
            FilterRequest request;
            request.state = fixture::stateOf(settings);
            return runFilterRequest(request).run.results;
        };
        // Kept although 和值 rejects it; killed by a five-group entry.
        QCOMPARE(run({"chkSSum", "txtSSum=54321|0;", "chkSJJB", "txtSJJB=12345;"}),
                 (std::vector<FilterResult>{{0, 0}, {12345, 0}}));
        QCOMPARE(run({"chkSSum", "txtSSum=54321|6;", "chkSJJC", "txtSJJC=1/2/3/*/*;0/0/*/*/*;"}).size(),
                 std::size_t(210 - 1 - 28)); // numbers of sum 6, without 12300 and the 28 of 00xyz
        // Custom lists match every five-digit run, kept over killed.
        QCOMPARE(run({"chkSSum", "txtSSum=54321|45;", "chkSJJB", "txtSJJB=1234567;", "chkSJJC", "txtSJJC=23456;"}),
                 (std::vector<FilterResult>{{12345, 0}, {23456, 0}, {34567, 0}, {99999, 0}}));
        // With a vote minimum above 0 a kept number is not listed.
        QVERIFY(run({"chkSSum", "txtSSum=54321|0;", "chkSJJB", "txtSJJB=12345;", "chkSTotalWrong", "cmbSTotalWrongMin=1"})
                    .empty());
    }

    void preChecks() {
        FilterRequest request;
        request.state = fixture::stateOf({"chkSZLGC", "txtSLCGLin=06", "txtSLCGChuan=12345"});
        QCOMPARE(runFilterRequest(request).refusal, QStringLiteral("请设置邻孤传号码。"));
        request.state = fixture::stateOf({"chkSZFGZ", "txtSFGZFu=1"});
        QCOMPARE(refusalOf(request), QStringLiteral("请设置复隔中号码。"));
        request.byResults = true;
        QCOMPARE(refusalOf(request), QStringLiteral("只有在结果不为0的情况下才能使用该过滤方法。"));
        request.state = fixture::stateOf({});
        request.results = {12345, 54321};
        const FilterOutcome outcome = runFilterRequest(request);
        QVERIFY(outcome.refusal.isEmpty());
        QCOMPARE(outcome.run.results, (std::vector<FilterResult>{{12345, 0}, {54321, 0}}));
    }

    void voteLimits() {
        FilterRequest request;
        // Two tolerant conditions; the vote's upper limit 4 becomes 2.
        request.state = fixture::stateOf({"chkSSum", "chkSSumWrong", "txtSSum=54321|0;", "chkSAC", "chkSACWrong",
                                          "txtSAC=1", "chkSTotalWrong", "cmbSTotalWrong=3"});
        QCOMPARE(runFilterRequest(request).run.results.size(), std::size_t(100000));
        request.state.setIndex("cmbSTotalWrongMin", 3);
        QVERIFY(runFilterRequest(request).run.results.empty());
        request.state.setIndex("cmbSTotalWrongMin", 2);
        const auto results = runFilterRequest(request).run.results;
        QCOMPARE(results.size(), std::size_t(100000 - 10)); // all but the ten AC-1 numbers
        QCOMPARE(results.front(), (FilterResult{1, 2}));
    }

    void windowsReadTheirItems() {
        const FilterState s = defaultFilterState();
        QCOMPARE(comboValue(s, "cmbSHistory"), 100);
        QCOMPARE(comboValue(s, "cmbSCLSZu"), 40);
        QCOMPARE(comboValue(s, "cmbSTotalWrong"), 4);
        FilterState far = s;
        far.setIndex("cmbSHistory", 500);
        QCOMPARE(comboValue(far, "cmbSHistory"), 650);
        // A window larger than the store uses every draw.
        QVERIFY(!passes({"chkSHistory", "cmbSHistory=38"}, 33333));
    }
};

QTEST_GUILESS_MAIN(TestFilterConditions)
#include "tst_filter_conditions.moc"
