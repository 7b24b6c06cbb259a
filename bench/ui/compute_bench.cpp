// "计算" with the longest run the list can hold: a = 32765 by steps of 1 in the step mode
// gives 32766 loop points and the closing point, 32767 rows. Timed from the click until
// the list holds every line, and until it has also been painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

#include "ui/form1.h"

namespace {

// A shown window set up for the 32767-row run.
std::unique_ptr<korvel::Form1> longRunWindow() {
    auto window = std::make_unique<korvel::Form1>();
    window->Option5->setChecked(true);
    window->Option2->setChecked(true);
    window->setInputTexts({"32765", "6", "60.3", "3000", "5000", "45.153", "1", "4.25"});
    window->show();
    QApplication::processEvents();
    return window;
}

// Click to every line in the list.
void BM_ComputeFillsList(benchmark::State& state) {
    auto window = longRunWindow();
    for (auto _ : state) {
        window->Command1_Click();
        benchmark::DoNotOptimize(window->List1->model()->rowCount());
    }
    if (window->listLines().size() != 32767) {
        state.SkipWithError("the run did not give 32767 rows");
    }
}
BENCHMARK(BM_ComputeFillsList)->Unit(benchmark::kMillisecond);

// Click to every line in the list and the list repainted with its scroll bar.
void BM_ComputeAndPaint(benchmark::State& state) {
    auto window = longRunWindow();
    for (auto _ : state) {
        window->Command1_Click();
        window->List1->viewport()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ComputeAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

// Runs the benchmarks inside an offscreen application.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
