// Each point format for the longest list (32767 rows), as korvel-calc -o and the list's
// export build it: encoded in memory, and saved to disk through the atomic save.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/run.h"
#include "files/output_formats.h"

namespace {

// The step example at a = 32765 by 1 in 位置2: 32767 rows, names L2-1 to L2-32767.
korvel::OutputRequest longestRun() {
    korvel::Selection selection;
    selection.option5 = true;
    selection.position[1] = true;
    korvel::RunResult run = korvel::runCalculation(
        {"32765", "6", "60.3", "3000", "5000", "45.153", "1", "4.25"}, selection);
    korvel::OutputRequest request;
    request.rows = std::move(run.rows);
    request.outline = run.outline;
    request.points = {"152.340", "L2-"};
    request.written = QDateTime::currentDateTime();
    return request;
}

const korvel::OutputFormat kFormats[] = {
    korvel::OutputFormat::CassDat, korvel::OutputFormat::LeicaGsi, korvel::OutputFormat::PointCsv,
    korvel::OutputFormat::LandXml, korvel::OutputFormat::Dxf};

// The file's bytes in memory: naming, cutting and writing the rows.
void BM_EncodePoints(benchmark::State& state) {
    const korvel::OutputRequest request = longestRun();
    const korvel::OutputFormat format = kFormats[state.range(0)];
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = korvel::encodePointFile(format, request).bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// The same from rows to the renamed file on disk.
void BM_SavePoints(benchmark::State& state) {
    const korvel::OutputRequest request = longestRun();
    const korvel::OutputFormat format = kFormats[state.range(0)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("放样.pts"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::saveOutput(path, format, request).code);
    }
}

}  // namespace

// 0 .dat, 1 .gsi, 2 .csv, 3 .xml, 4 .dxf
BENCHMARK(BM_EncodePoints)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePoints)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
