// The month chart drawn on the Qt raster surface at the chart window's design
// size at 100, 150 and 200 %, a laptop screen and a 4K screen at 100 and 200 %,
// each beside one plain fill of an image of the same size as the baseline.

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"
#include "controls/FontStandIns.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Fonts need a QGuiApplication; the benchmark's own main does not make one,
// so the first chart benchmark does, on the offscreen platform.
void ensureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static const auto app = std::make_unique<QGuiApplication>(argc, argv);
    cyclo::InstallFontStandIns();
}

// Width and height in device pixels, and the device pixel ratio in percent.
void BM_ChartRedraw(benchmark::State& state)
{
    ensureGuiApplication();
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const double ratio = static_cast<double>(state.range(2)) / 100.0;
    cyclo::QtChartSurface surface(size);
    cyclo::ChartState chart;
    chart.ChartBirth = {1981, 4, 8};
    chart.ChartView = {2001, 9, 15};
    for (auto _ : state) {
        cyclo::DrawChart(surface, chart, ratio);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.SetLabel("4 curves");
}
BENCHMARK(BM_ChartRedraw)
    ->ArgNames({"width", "height", "ratio%"})
    ->Args({418, 283, 100})
    ->Args({836, 566, 200})
    ->Args({627, 424, 150})
    ->Args({1280, 800, 100})
    ->Args({3840, 2160, 100})
    ->Args({3840, 2160, 200})
    ->Unit(benchmark::kMicrosecond);

void BM_ImageFillBaseline(benchmark::State& state)
{
    QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                 QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(qRgb(192, 192, 192));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ImageFillBaseline)
    ->ArgNames({"width", "height"})
    ->Args({418, 283})
    ->Args({836, 566})
    ->Args({627, 424})
    ->Args({1280, 800})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

} // namespace
