// How long the basic-analysis reports take over the real history: each report from 2013201
// to the newest draw, as the panel builds it on a click.

#include "real_history.h"

#include "analysis/basic_report.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace pentad;

namespace {

void BM_BasicReport(benchmark::State& state) {
    bench::RealHistory& h = bench::realHistory();
    if (!h.loaded) {
        state.SkipWithError("the real draw history is not here");
        return;
    }
    analysis::BasicOptions options;
    options.code = static_cast<int>(state.range(0));
    const store::PeriodRange range{2013201, *h.store.newestPeriod()};
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::buildBasicReport(h.store, range, options, nullptr));
}
BENCHMARK(BM_BasicReport)
    ->ArgName("view")
    ->Arg(47)->Arg(48)->Arg(49)->Arg(50)->Arg(51)->Arg(52)->Arg(53)->Arg(54)->Arg(56)
    ->Arg(57)->Arg(60)->Arg(61)->Arg(62)->Arg(63)->Arg(64)->Arg(65)->Arg(66)->Arg(67)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
