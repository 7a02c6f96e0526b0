#include "engine/chart/PieChart.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Drawing the whole At A Glance chart: the full 100 slices of mixed sizes,
// with labels as the expenses give them, text included. The window keeps its
// chart picture and every recalculation draws into it again; drawing into a
// new picture adds allocating it. Run from the build folder, with
// repetitions for a median:
//   bench/chart/pie_chart_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
namespace {

cashvane::ChartSlices fullChart()
{
    cashvane::ChartSlices slices;
    for (int k = 1; k <= 100; ++k) {
        const int amount = k % 7 == 0 ? 900 + 13 * k : 5 + (k * 37) % 240;
        slices.push_back({amount, QStringLiteral("Expense %1 (%2.00)").arg(k).arg(amount),
                          QColor(88 + (k * 53) % 168, 88 + (k * 97) % 168, 88 + (k * 31) % 168)});
    }
    return slices;
}

void drawIntoTheKeptPicture(benchmark::State& state)
{
    const cashvane::ChartSlices slices = fullChart();
    QImage picture(cashvane::kExpensesChartWidth, cashvane::kExpensesChartHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        cashvane::drawPieChart(picture, slices, static_cast<int>(slices.size()), 0, 0, cashvane::kExpensesChartWidth,
                               cashvane::kExpensesChartHeight, cashvane::kExpensesChartScheme,
                               QStringLiteral("Expenses Breakdown"));
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(drawIntoTheKeptPicture)->Unit(benchmark::kMicrosecond);

void drawIntoANewPicture(benchmark::State& state)
{
    const cashvane::ChartSlices slices = fullChart();
    for (auto _ : state) {
        QImage picture = cashvane::drawExpensesChart(slices);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(drawIntoANewPicture)->Unit(benchmark::kMicrosecond);

} // namespace

// The chart's text needs a QGuiApplication; the offscreen platform needs no
// display.
int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid())
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
