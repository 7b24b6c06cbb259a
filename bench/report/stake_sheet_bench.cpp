// The stake-out sheet painted into PDF bytes: the worked example's 7 rows, and the longest
// list, 32767 rows (about 750 pages), with and without the polar columns. The drawing is made
// here as the DXF file draws the points: each point, its name and the toe line.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>

#include "report/stake_sheet.h"

namespace {

using namespace korvel;

// `count` rows along a quarter ellipse of 12.5 by 6 around (3000, 5000), scaled up with the
// count so that the points keep about a metre apart, as a long run's do.
std::vector<StakeRow> quarterRows(int count) {
    std::vector<StakeRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    const double scale = std::max(1.0, count / 12.0);
    for (int k = 1; k <= count; ++k) {
        const double t = 1.5707963267948966 * (k - 1) / std::max(1, count - 1);
        rows.push_back(
            makeStakeRow(k, 3000 + 6 * scale * std::sin(t), 5000 + 12.5 * scale * std::cos(t)));
    }
    return rows;
}

// The points, their names and the toe line of `rows`, named with `prefix`.
Drawing pointsDrawing(const std::vector<StakeRow>& rows, const std::string& prefix) {
    Drawing d;
    std::vector<DrawingPlace> toe;
    d.low = {HUGE_VAL, HUGE_VAL, {}, {}, {}};
    d.high = {-HUGE_VAL, -HUGE_VAL, {}, {}, {}};
    for (const StakeRow& row : rows) {
        const DrawingPlace at{std::stod(row.y), std::stod(row.x), row.y, row.x, {}};
        d.entities.push_back(DrawingPoint{Layer::StakePoint, at});
        d.entities.push_back(DrawingText{
            Layer::StakeName, {at.east + 0.2, at.north + 0.2, {}, {}, {}}, pointName(prefix, row)});
        toe.push_back(at);
        d.low = {std::min(d.low.east, at.east), std::min(d.low.north, at.north), {}, {}, {}};
        d.high = {std::max(d.high.east, at.east), std::max(d.high.north, at.north), {}, {}, {}};
    }
    d.entities.push_back(DrawingPolyline{Layer::ToeLine, std::move(toe)});
    return d;
}

// The worked example's header and boxes with `rows` rows, and a station when `polar`.
StakeSheet sheetOf(int rows, bool polar) {
    StakeSheet sheet;
    sheet.header = {"G15 沈海高速 第3标段", "K12+345 左幅", "Leica TS06 No.1234567", "2026-12-07"};
    sheet.texts = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
    sheet.position = SlopePosition::Position2;
    sheet.prefix = "L2-";
    sheet.rows = quarterRows(rows);
    sheet.drawing = pointsDrawing(sheet.rows, sheet.prefix);
    if (polar) {
        sheet.station = SheetStation{"S1", "2990", "4990"};
        sheet.backsight = SheetStation{"B1", "3100", "5000"};
    }
    return sheet;
}

// range(0): rows; range(1): 1 with the polar columns.
void BM_StakeSheet(benchmark::State& state) {
    const StakeSheet sheet = sheetOf(static_cast<int>(state.range(0)), state.range(1) != 0);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const SheetPdf made = renderStakeSheet(sheet);
        if (made.problem) {
            state.SkipWithError("the sheet was refused");
            break;
        }
        bytes = made.pdf.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StakeSheet)
    ->Args({7, 0})
    ->Args({7, 1})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

// Painting a PDF needs a QGuiApplication; the offscreen platform needs no display.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
