// The month chart drawn on the Qt raster surface at the chart window's design
// size, a laptop screen and a 4K screen, each beside one plain fill of an
// image of the same size as the baseline.

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"

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
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void BM_ChartRedraw(benchmark::State& state)
{
    ensureGuiApplication();
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    cyclo::QtChartSurface surface(size);
    cyclo::ChartState chart;
    chart.ChartBirth = {1981, 4, 8};
    chart.ChartView = {2001, 9, 15};
    for (auto _ : state) {
        cyclo::DrawChart(surface, chart);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.SetLabel("4 curves");
}
BENCHMARK(BM_ChartRedraw)
    ->Args({418, 283})
    ->Args({1280, 800})
    ->Args({3840, 2160})
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
    ->Args({418, 283})
    ->Args({1280, 800})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

} // namespace
