// How long a filter run takes over the whole candidate space: no condition, a realistic
// scheme, every condition of the catalogue, every history row at its largest window, and the
// realistic scheme through a straightforward evaluator that reads the value texts for every
// candidate (what the compiled run is measured against).

#include "app/allocator_tuning.h"
#include "real_history.h"

#include "attributes/draw_relations.h"
#include "attributes/position_set.h"
#include "filter/catalogue.h"
#include "filter/condition_compiler.h"
#include "filter/filter_request.h"
#include "filter/value_syntax.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace pentad;
using namespace pentad::filter;

namespace {

std::vector<attr::Digits> latestDraws() {
    bench::RealHistory& h = bench::realHistory();
    return h.loaded ? historyOf(h.store.newestFirst()) : std::vector<attr::Digits>{};
}

FilterState stateOf(const std::vector<std::pair<const char*, const char*>>& settings) {
    FilterState s = defaultFilterState();
    for (const auto& [name, value] : settings) {
        const QString n = QString::fromLatin1(name);
        if (n.startsWith(QStringLiteral("txt")))
            s.setText(n, QString::fromUtf8(value));
        else if (n.startsWith(QStringLiteral("cmb")))
            s.setIndex(n, QString::fromLatin1(value).toInt());
        else
            s.setChecked(n, true);
    }
    return s;
}

// About thirty conditions over the pages, eight of them tolerant, with the vote.
FilterState realisticScheme() {
    return stateOf({
        {"chkSSum", ""}, {"txtSSum", "54321|15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30;"},
        {"chkSHeWei", ""}, {"chkSHeWeiWrong", ""}, {"txtSHeWei", "54321|0,1,2,3,5,6,7,8;"},
        {"chkSJOShu", ""}, {"txtSJOShu", "54321|1,2,3,4;"},
        {"chkSDXShu", ""}, {"txtSDXShu", "54321|1,2,3,4;"},
        {"chkSZhiShu", ""}, {"chkSZhiShuWrong", ""}, {"txtSZhiShu", "54321|1,2,3;"},
        {"chkSKuaDu", ""}, {"txtSKuaDu", "54321|5,6,7,8,9;"},
        {"chkSTMJS", ""}, {"chkSTMJSWrong", ""}, {"txtSTMJS", "543|0,1,3,4,5,6,7,8,9,10,11,12,13,14,15;"},
        {"chkSC3H", ""}, {"txtSC3H", "54321|2,3,4,5,6,7,8;"},
        {"chkSAC", ""}, {"txtSAC", "3,4,5,6,7,8,9"},
        {"chkSWJH", ""}, {"chkSWJHWrong", ""}, {"txtSWJH", "40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60"},
        {"chkSZDM", ""}, {"txtSZDM", "5,6,7,8,9"},
        {"chkSZXM", ""}, {"txtSZXM", "0,1,2,3,4"},
        {"chkSWHC1", ""}, {"chkSWHC1Wrong", ""}, {"txtSWHC1", "0,1,2,3,4,5,6"},
        {"chkSTMHS", ""}, {"txtSTMHS", "0,4,6,8,9,10,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30"},
        {"chkS0Sum", ""}, {"txtS0Sum", "0,3,6,9,12,15,18"},
        {"chkSZDLWJ", ""}, {"txtSZDLWJ", "3,4,5,6,7,8,9"},
        {"chkSLJJS", ""}, {"txtSLJJS", "2,3,4"},
        {"chkSWQ2M", ""}, {"chkSWQ2MWrong", ""}, {"txtSWQ2M", "00,01,02,03,04,05,06,07,08,09,10,11,12,13,14,15"},
        {"chkSSum012", ""}, {"chkSSum0120", ""}, {"chkSSum0121", ""},
        {"chkS0120", ""}, {"chkS01201", ""}, {"chkS01202", ""}, {"chkS01203", ""},
        {"chkSLian", ""}, {"chkSLian0", ""}, {"chkSLian2", ""}, {"chkSLian3", ""},
        {"chkSTong", ""}, {"chkSTongWrong", ""}, {"chkSTong0", ""}, {"chkSTong2", ""},
        {"chkSDZXD", ""}, {"chkSDZXD0", ""}, {"chkSDZXD1", ""}, {"chkSDZXD2", ""},
        {"chkSHWDZX", ""}, {"chkSHWDZX1", ""}, {"chkSHWDZX2", ""}, {"chkSHWDZX3", ""},
        {"chkSLianZu", ""}, {"chkSLianZu0", ""}, {"chkSLianZu1", ""},
        {"chkSSumJO", ""}, {"chkSSumJOWrong", ""},
        {"chkSHistory", ""}, {"cmbSHistory", "10"},
        {"chkSCLSZu", ""}, {"cmbSCLSZu", "7"},
        {"chkSCLSD3", ""}, {"cmbSCLSD3", "3"},
        {"chkSCLSWQ", ""}, {"chkSCLSWQWrong", ""}, {"cmbSCLSWQ", "0"},
        {"chkSTotalWrong", ""}, {"cmbSTotalWrongMin", "0"}, {"cmbSTotalWrong", "2"},
    });
}

// Every row enabled and tolerant, with values that let most numbers pass: the most work a
// run can have.
FilterState everyCondition() {
    FilterState s = defaultFilterState();
    QStringList all;
    for (int v = 0; v <= 135; ++v)
        all << QString::number(v);
    QStringList codes;
    for (int v = 0; v < 100; ++v)
        codes << QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& row : g.conditions)
            for (const ControlSpec& c : row.controls) {
                if (c.kind == ControlKind::CheckBox && c.name != QStringLiteral("chkSTotalWrong"))
                    s.setChecked(c.name, true);
                if (c.kind == ControlKind::Combo && row.syntax == Syntax::History)
                    s.setIndex(c.name, static_cast<int>(c.items.size()) - 1);
            }
    const auto text = [&s](const char* name, const QString& value) { s.setText(QString::fromLatin1(name), value); };
    for (const char* f : {"txtSSum", "txtSHeWei", "txtSJun", "txtSJOShu", "txtSDXShu", "txtSZhiShu", "txtSTMJS",
                          "txtSTMOS", "txtSTMXS", "txtSTMDS", "txtSC3H", "txtSC4H", "txtSC5H", "txtSC6H", "txtSC7H",
                          "txtSKuaDu", "txtSWHCMore"})
        text(f, QStringLiteral("54321|") + all.join(u',') + QStringLiteral(";543|") + all.join(u',') + u';');
    for (const char* f : {"txtSTMHS", "txtSTMZS", "txtSWJH", "txtSFWJH", "txtS0Sum", "txtS1Sum", "txtS2Sum", "txtSWHC1",
                          "txtSWHC2", "txtSWHC3", "txtSWHC4", "txtSZDM", "txtSZXM", "txtSZDLWJ", "txtSZXLWJ", "txtSLJJS",
                          "txtSAC"})
        text(f, all.join(u','));
    for (const char* f : {"txtSWQ2M", "txtSQB2M", "txtSBS2M", "txtSSG2M", "txtSZ2M"})
        text(f, codes.join(u','));
    text("txtSMore2M", QStringLiteral("54|") + codes.join(u',') + u';');
    text("txtSADSum", QStringLiteral("13579|0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15;"));
    text("txtSJOLei", QStringLiteral("54|奇偶ＸＸＸ,奇奇ＸＸＸ,偶偶ＸＸＸ,偶奇ＸＸＸ;"));
    text("txtSDXLei", QStringLiteral("5|大ＸＸＸＸ,小ＸＸＸＸ;"));
    text("txtSZHLei", QStringLiteral("1|ＸＸＸＸ质,ＸＸＸＸ合;"));
    text("txtSDan012", QStringLiteral("54|00XXX,01XXX,02XXX,10XXX,11XXX,12XXX,20XXX,21XXX,22XXX;"));
    text("txtSZu012", QStringLiteral("1:2:2,2:1:2,2:2:1"));
    text("txtSDanDZX", QStringLiteral("大中小小小,小小小小小"));
    text("txtSZDZX", QStringLiteral("1小2中2大,2小2中1大"));
    text("txtSLCGLin", QStringLiteral("06"));
    text("txtSLCGChuan", QStringLiteral("12345"));
    text("txtSLCGGu", QStringLiteral("789"));
    text("txtSFGZFu", QStringLiteral("12345"));
    text("txtSFGZGe", QStringLiteral("79"));
    text("txtSFGZZhong", QStringLiteral("068"));
    text("txtSZLGC", QStringLiteral("1邻2孤2传"));
    text("txtSDLGC", QStringLiteral("邻孤孤传传"));
    text("txtSZFGZ", QStringLiteral("2复2隔1中"));
    text("txtSDFGZ", QStringLiteral("复复隔隔中"));
    for (const char* f : {"txtSDM1", "txtSDM2", "txtSDM3", "txtSDM4", "txtSDM5", "txtSDM6"})
        text(f, QStringLiteral("1,3"));
    text("txtSMoreSZ", QStringLiteral("1,3|012-W;5,7|012-W;"));
    text("txtSCNY", QStringLiteral("C07:0,1,2,3,4,5-W;C11:0,1,2,3,4,5,6,7,8-W;"));
    text("txtSPiPei", QStringLiteral("1/2/3/4/5|012-W;*/*/*/*/1|01-W;"));
    text("txtSJJB", QStringLiteral("12345,23456;"));
    text("txtSJJC", QStringLiteral("9/9/9/*/*;"));
    text("txtSCP3", QStringLiteral("123,456"));
    return s;
}

// Every history row at its largest window, nothing else.
FilterState historyWindows() {
    FilterState s = defaultFilterState();
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& row : g.conditions)
            if (row.syntax == Syntax::History) {
                s.setChecked(row.enableBox, true);
                s.setChecked(row.toleranceBox, true);
                s.setIndex(row.controls.back().name, static_cast<int>(row.controls.back().items.size()) - 1);
            }
    return s;
}

void runScheme(benchmark::State& bm, const FilterState& scheme) {
    FilterRequest request;
    request.state = scheme;
    request.draws = latestDraws();
    if (request.draws.empty()) {
        bm.SkipWithError("the real draw history is not here");
        return;
    }
    std::size_t listed = 0;
    for (auto _ : bm) {
        const FilterOutcome outcome = runFilterRequest(request);
        listed = outcome.run.results.size();
        benchmark::DoNotOptimize(listed);
    }
    bm.counters["listed"] = static_cast<double>(listed);
}

void BM_FilterNoCondition(benchmark::State& bm) { runScheme(bm, defaultFilterState()); }
void BM_FilterRealistic(benchmark::State& bm) { runScheme(bm, realisticScheme()); }
void BM_FilterEveryCondition(benchmark::State& bm) { runScheme(bm, everyCondition()); }
void BM_FilterHistoryWindows(benchmark::State& bm) { runScheme(bm, historyWindows()); }

// The straightforward evaluator: every candidate reads every enabled row's texts again and
// compares itself with each draw of a history window.
bool naivePasses(const FilterState& s, const ConditionSpec& row, const attr::Digits& d,
                 const std::vector<attr::Digits>& draws) {
    const QString field = row.valueField.isEmpty() ? QString() : s.text(row.valueField);
    switch (row.syntax) {
    case Syntax::EntryList:
        for (const Entry& e : parseEntryList(field)) {
            int v = 0;
            switch (row.positional) {
            case Positional::Sum: v = attr::sumAt(d, e.positions); break;
            case Positional::Tail: v = attr::tailAt(d, e.positions); break;
            case Positional::OddCount: v = attr::oddCountAt(d, e.positions); break;
            case Positional::BigCount: v = attr::bigCountAt(d, e.positions); break;
            case Positional::PrimeCount: v = attr::primeCountAt(d, e.positions); break;
            case Positional::OddSum: v = attr::oddSumAt(d, e.positions); break;
            case Positional::RemainderSum: v = attr::remainderSumAt(d, e.positions, row.param); break;
            case Positional::Span: v = attr::spanAt(d, e.positions); break;
            default: break;
            }
            if (!e.values.contains(v))
                return false;
        }
        return true;
    case Syntax::ValueList:
        return parseValueList(field).contains(columnValue(row.column, d));
    case Syntax::TwoCodeList:
        return parseValueList(field, ValueForm::TwoDigitCode).contains(columnValue(row.column, d));
    case Syntax::ChoiceBoxes: {
        const int v = columnValue(row.column, d);
        return std::any_of(row.controls.begin(), row.controls.end(), [&](const ControlSpec& c) {
            return c.kind == ControlKind::CheckBox && c.name != row.enableBox && c.name != row.toleranceBox &&
                   c.value == v && s.checked(c.name);
        });
    }
    case Syntax::RadioPair:
        return columnValue(row.column, d) == (s.checked(row.controls[2].name) ? row.param : 1 - row.param);
    case Syntax::History: {
        const int window = std::min<int>(comboValue(s, row.controls.back().name), static_cast<int>(draws.size()));
        for (int i = 0; i < window; ++i) {
            const attr::Digits& h = draws[static_cast<std::size_t>(i)];
            const bool related = row.relation == Relation::Equal        ? d == h
                                 : row.relation == Relation::GroupEqual ? attr::groupEqual(d, h)
                                 : row.relation == Relation::MatchThree ? attr::positionalMatches(d, h) >= 3
                                                                        : attr::sameTwoCode(d, h, 0);
            if (related)
                return false;
        }
        return true;
    }
    default:
        return true;
    }
}

std::size_t naiveRun(const FilterState& s, const std::vector<attr::Digits>& draws) {
    std::vector<const ConditionSpec*> rows;
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& row : g.conditions)
            if (!row.enableBox.isEmpty() && s.checked(row.enableBox) && row.syntax != Syntax::Vote)
                rows.push_back(&row);
    std::size_t listed = 0;
    const int high = std::min(comboValue(s, QStringLiteral("cmbSTotalWrong")), static_cast<int>(rows.size()));
    for (int n = 0; n < kNumbers; ++n) {
        const attr::Digits d = attr::digitsOf(n);
        int failures = 0;
        bool rejected = false;
        for (const ConditionSpec* row : rows) {
            if (naivePasses(s, *row, d, draws))
                continue;
            if (!s.checked(row->toleranceBox)) {
                rejected = true;
                break;
            }
            ++failures;
        }
        listed += !rejected && failures <= high;
    }
    return listed;
}

void BM_FilterNaiveRealistic(benchmark::State& bm) {
    const FilterState scheme = realisticScheme();
    const std::vector<attr::Digits> draws = latestDraws();
    if (draws.empty()) {
        bm.SkipWithError("the real draw history is not here");
        return;
    }
    std::size_t listed = 0;
    for (auto _ : bm) {
        listed = naiveRun(scheme, draws);
        benchmark::DoNotOptimize(listed);
    }
    bm.counters["listed"] = static_cast<double>(listed);
}

BENCHMARK(BM_FilterNoCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterRealistic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterEveryCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterHistoryWindows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterNaiveRealistic)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    pentad::app::keepLargeBlocksForReuse();
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
