// Whole calculation runs at the row limit, where a surveyor's slowest run would be.
#include <benchmark/benchmark.h>

#include "core/run.h"

namespace {

// Step mode: a = 32765 by 1 gives 32766 loop points and the vertex, 32767 rows.
void BM_runStepLengthAtRowLimit(benchmark::State& state) {
    const std::array<std::string, 8> texts = {"32765", "6",      "60.3", "3000",
                                              "5000",  "45.153", "1",    "4.25"};
    korvel::Selection selection;
    selection.option5 = true;
    selection.position[1] = true;
    for (auto _ : state) {
        const korvel::RunResult r = korvel::runCalculation(texts, selection);
        benchmark::DoNotOptimize(r.rows.data());
        if (r.rows.size() != 32767)
            state.SkipWithError("expected 32767 rows");
    }
}
BENCHMARK(BM_runStepLengthAtRowLimit)->Unit(benchmark::kMillisecond);

// Angle mode: 90 degrees swept by 9.9 seconds gives 32722 sweep points and the closing
// point, 32723 rows, just below the limit.
void BM_runByAngleNearRowLimit(benchmark::State& state) {
    const std::array<std::string, 8> texts = {"10", "6", "90", "1000", "500", "0", "0.00099", "4"};
    korvel::Selection selection;
    selection.position[1] = true;
    for (auto _ : state) {
        const korvel::RunResult r = korvel::runCalculation(texts, selection);
        benchmark::DoNotOptimize(r.rows.data());
        if (r.rows.size() != 32723)
            state.SkipWithError("expected 32723 rows");
    }
}
BENCHMARK(BM_runByAngleNearRowLimit)->Unit(benchmark::kMillisecond);

}  // namespace
