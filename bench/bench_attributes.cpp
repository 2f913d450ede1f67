// The cost of the whole-number attributes: every one of them for each of the 100,000 numbers.
// The counter "per_number" is the time for all attributes of one number.

#include "attributes/count_tables.h"
#include "attributes/group_forms.h"
#include "attributes/number_attributes.h"
#include "attributes/share_unit.h"

#include <benchmark/benchmark.h>

using namespace pentad::attr;

namespace {

constexpr int kNumbers = 100000;

void setPerNumberCounter(benchmark::State& state) {
    state.counters["per_number"] = benchmark::Counter(
        kNumbers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_AllWholeNumberAttributes(benchmark::State& state) {
    for (auto _ : state) {
        for (int n = 0; n < kNumbers; ++n) {
            const Digits d = digitsOf(n);
            for (int kind = 0; kind < kCountedKinds; ++kind)
                benchmark::DoNotOptimize(countedValue(static_cast<Counted>(kind), d));
            benchmark::DoNotOptimize(maxPositions(d));
            benchmark::DoNotOptimize(minPositions(d));
            benchmark::DoNotOptimize(groupTwoCodes(d));
            benchmark::DoNotOptimize(frontThree(d));
            for (int m : {7, 9, 11, 13, 17, 19, 23})
                benchmark::DoNotOptimize(valueRemainder(d, m));
            for (int i = 0; i < 4; ++i)
                benchmark::DoNotOptimize(twoCode(d, i) + adjacentDistance(d, i));
        }
    }
    setPerNumberCounter(state);
}
BENCHMARK(BM_AllWholeNumberAttributes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
