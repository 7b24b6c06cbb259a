// The check of 32767 staked points, step by step as korvel-calc --measured does it: the
// instrument's file read (CSV and GSI-16, as Korvel exports them), the check with its summary,
// and the check's text and CSV; beside them, the run that makes the design points.
#include <benchmark/benchmark.h>

#include "core/run.h"
#include "files/check_outputs.h"
#include "files/measured/measured_points.h"
#include "files/output_formats.h"

namespace {

// The step example at a = 32765 by 1 in 位置2: 32767 rows.
korvel::RunResult longestRun() {
    korvel::Selection selection;
    selection.option5 = true;
    selection.position[1] = true;
    return korvel::runCalculation({"32765", "6", "60.3", "3000", "5000", "45.153", "1", "4.25"},
                                  selection);
}

// The rows as the instrument gives them back: Korvel's own point file in `format`.
QByteArray measuredFile(korvel::OutputFormat format) {
    korvel::RunResult run = longestRun();
    const korvel::ExportRequest request = korvel::makeExportRequest(
        format, {"152.340", "L2-"}, {}, {{}, {}, std::move(run.rows), run.outline});
    return QByteArray::fromStdString(korvel::encodePointFile(format, request.request).bytes);
}

void BM_Run(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(longestRun().rows.data());
    }
}
BENCHMARK(BM_Run)->Unit(benchmark::kMillisecond);

void BM_ReadMeasured(benchmark::State& state, korvel::OutputFormat written,
                     korvel::MeasuredFormat read) {
    const QByteArray bytes = measuredFile(written);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            korvel::decodeMeasuredPoints(bytes, read, korvel::CoordinateOrder::NorthEast)
                .points.pegs.data());
    }
}
BENCHMARK_CAPTURE(BM_ReadMeasured, csv, korvel::OutputFormat::PointCsv,
                  korvel::MeasuredFormat::Delimited)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadMeasured, gsi16, korvel::OutputFormat::LeicaGsi,
                  korvel::MeasuredFormat::Gsi)
    ->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state) {
    const korvel::RunResult run = longestRun();
    const korvel::MeasuredPoints measured = korvel::decodeMeasuredPoints(
        measuredFile(korvel::OutputFormat::PointCsv), korvel::MeasuredFormat::Delimited, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            korvel::makeCheckReport(run.rows, "L2-", measured, {}).check.rows.data());
    }
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_CheckOutputs(benchmark::State& state) {
    const korvel::RunResult run = longestRun();
    const korvel::MeasuredPoints measured = korvel::decodeMeasuredPoints(
        measuredFile(korvel::OutputFormat::PointCsv), korvel::MeasuredFormat::Delimited, {});
    const korvel::CheckReport report = korvel::makeCheckReport(run.rows, "L2-", measured, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::checkText(report, "\n").data());
        benchmark::DoNotOptimize(korvel::encodeCheckCsv(report).data());
    }
}
BENCHMARK(BM_CheckOutputs)->Unit(benchmark::kMillisecond);

}  // namespace
