// Saving the results workbook and text file for the longest list (32767 rows), and the
// same workbook written by Perl's Spreadsheet::WriteExcel in the same run.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "files/results_text.h"
#include "files/save.h"
#include "files/workbook/workbook.h"
#include "files/workbook/worksheet.h"
#include "files/workbook/xls_workbook.h"

namespace {

// Result list lines as the calculation run formats them, with negative coordinates mixed in.
QStringList stakeLines(int count) {
    QStringList lines;
    lines.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const double x = (n % 7 == 0 ? -1.0 : 1.0) * (3000.0 + n * 1.731);
        const double y = 500000.0 - n * 0.377;
        lines << QStringLiteral("%1     %2     %3")
                     .arg(n, 3)
                     .arg(QString::number(x, 'f', 3), QString::number(y, 'f', 3));
    }
    return lines;
}

// One save of the whole workbook, from list lines to the renamed file on disk.
void BM_SaveXls(benchmark::State& state) {
    const QStringList lines = stakeLines(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成果.xls"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::saveWorkbook(path, lines).code);
    }
}
BENCHMARK(BM_SaveXls)->Arg(32767)->Unit(benchmark::kMillisecond);

// The .xls file in memory only: cutting, BIFF8 records, compound file.
void BM_EncodeXls(benchmark::State& state) {
    const QStringList lines = stakeLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::encodeXlsWorkbook(korvel::cutIntoCells(lines)).bytes);
    }
}
BENCHMARK(BM_EncodeXls)->Arg(32767)->Unit(benchmark::kMillisecond);

// One save of the .xlsx workbook through libxlsxwriter.
void BM_SaveXlsx(benchmark::State& state) {
    const QStringList lines = stakeLines(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成果.xlsx"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::saveWorkbook(path, lines).code);
    }
}
BENCHMARK(BM_SaveXlsx)->Arg(32767)->Unit(benchmark::kMillisecond);

// One save of the results text file.
void BM_SaveText(benchmark::State& state) {
    const QStringList lines = stakeLines(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("成果.txt"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            korvel::saveFileAtomically(path, korvel::encodeResultsText(lines)).code);
    }
}
BENCHMARK(BM_SaveText)->Arg(32767)->Unit(benchmark::kMillisecond);

// Both writers on the same cells, one after the other in each iteration. The iteration
// time is WriteExcel's own (first cell to closed file, Perl start-up left out); the
// counters give both times and how many times faster the .xls writer here is.
void BM_WriteExcelSideBySide(benchmark::State& state) {
    const QStringList lines = stakeLines(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("lines.txt"));
    {
        QFile f(input);
        f.open(QIODevice::WriteOnly);
        f.write(lines.join(u'\n').toUtf8());
    }
    double oursTotal = 0.0, theirsTotal = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = !korvel::saveWorkbook(dir.filePath(QStringLiteral("ours.xls")), lines);
        const double ours = static_cast<double>(timer.nsecsElapsed()) / 1e9;

        QProcess perl;
        perl.start(QStringLiteral("/usr/bin/perl"),
                   {QStringLiteral(KORVEL_WRITE_EXCEL_SCRIPT), input,
                    dir.filePath(QStringLiteral("theirs.xls"))});
        if (!ok || !perl.waitForFinished(300000) || perl.exitCode() != 0) {
            state.SkipWithError("a writer failed (is libspreadsheet-writeexcel-perl installed?)");
            break;
        }
        const double theirs = perl.readAllStandardOutput().trimmed().toDouble();
        state.SetIterationTime(theirs);
        oursTotal += ours;
        theirsTotal += theirs;
    }
    if (oursTotal > 0.0) {
        state.counters["ours_ms"] =
            benchmark::Counter(oursTotal * 1e3, benchmark::Counter::kAvgIterations);
        state.counters["writeexcel_ms"] =
            benchmark::Counter(theirsTotal * 1e3, benchmark::Counter::kAvgIterations);
        state.counters["times_faster"] = theirsTotal / oursTotal;
    }
}
BENCHMARK(BM_WriteExcelSideBySide)
    ->Arg(32767)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
