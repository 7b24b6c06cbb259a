// The slope in height beside the toe alone, in one process: the layer lines of 32767 points in
// all against the toe's 32767 rows, and the surface of a slope 20 m high, made and written.
#include <benchmark/benchmark.h>

#include "core/run.h"
#include "files/output_formats.h"

namespace {

// The toe of `a` by 1 in 位置2 by step length, as the list holds it.
korvel::ListedRun toeRun(const char* a, const char* b) {
    korvel::ListedRun run;
    run.texts = {a, b, "60", "1000", "500", "0", "1", "0"};
    run.selection.option5 = true;
    run.selection.position[1] = true;
    korvel::RunResult result = korvel::runCalculation(run.texts, run.selection);
    run.rows = std::move(result.rows);
    run.outline = result.outline;
    return run;
}

// The run and its CSV: the toe alone, a = 32765 (32767 rows); or a = 4280 raised 10 m as a
// cone in layers 0.7 m thick, whose toe and lines make 32767 points.
void BM_PointsAtTheLimit(benchmark::State& state) {
    const bool layered = state.range(0) == 1;
    const korvel::TypedHeights heights =
        layered ? korvel::TypedHeights{"10", "", "", "0.7"} : korvel::TypedHeights{};
    std::size_t bytes = 0;
    for (auto _ : state) {
        korvel::ExportRequest r =
            korvel::makeExportRequest(korvel::OutputFormat::PointCsv, {"0", ""}, heights,
                                      toeRun(layered ? "4280" : "32765", "6"));
        bytes = korvel::encodePointFile(korvel::OutputFormat::PointCsv, r.request).bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// A slope 20 m high on a toe of 30 m by 20 m, as a cone (1:1.5 and 1:1), with a flat top
// (1:1.25 and 1:0.75) and twisted (1:1.4 and 1:0.2): its surface made and written as LandXML.
void BM_SurfaceOfA20mSlope(benchmark::State& state) {
    const korvel::TypedHeights slopes[] = {
        {"20", "", "", ""}, {"20", "1.25", "0.75", ""}, {"20", "1.4", "0.2", ""}};
    const korvel::ListedRun toe = toeRun("30", "20");
    std::size_t faces = 0;
    for (auto _ : state) {
        korvel::ExportRequest r = korvel::makeExportRequest(korvel::OutputFormat::LandXml,
                                                            {"0", ""}, slopes[state.range(0)], toe);
        faces = r.request.heights->surface.faces.size();
        benchmark::DoNotOptimize(
            korvel::encodePointFile(korvel::OutputFormat::LandXml, r.request).bytes.size());
    }
    state.counters["faces"] = static_cast<double>(faces);
}

}  // namespace

// 0 the toe alone, 1 the toe and its layers
BENCHMARK(BM_PointsAtTheLimit)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
// 0 a cone, 1 a flat top, 2 twisted
BENCHMARK(BM_SurfaceOfA20mSlope)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
