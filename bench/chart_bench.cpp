// Chart build and drawing at the US default limits on a 1280 x 800-pixel picture box,
// on the real image surface and on the recording surface (drawing code alone).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <string>

#include "ChartRender.h"
#include "ChartTables.h"
#include "Global.h"
#include "QtSurface.h"
#include "RecordingSurface.h"

namespace {

constexpr int WidthPixels = 1280;
constexpr int HeightPixels = 800;

void SetUSDefaults() {
    using namespace Global;
    ResetState();
    Press = 14.697f;
    PressInHg = static_cast<float>(Press * 2.036026);
    TempScale = PressFactor = LengthFactor = 1;
    TempOffset = 459.67f;
    TempUnit = std::string("F");
    MassUnit = std::string("lb");
    PressUnit = std::string("psia");
    LengthUnit = std::string("ft");
    ChartMaxDry = 579.67f;
    ChartMinDry = ChartMinDew = 494.67f;
    ChartMaxDew = 549.67f;
    ShowDryLines = ShowWetLines = ShowDewLines = ShowRHLines = ShowWLines = true;
    RHLineColor = ColorRed;
    ProcLines.ReDim(2, 0);
}

// The recording surface keeps every operation: drop them so each pass starts alike.
void Reset(Platform::RecordingSurface& s) {
    s.records.clear();
}
void Reset(Platform::ImageSurface&) {}

struct RecordingTarget {
    static Platform::RecordingSurface Make() {
        return Platform::RecordingSurface(WidthPixels * 15, HeightPixels * 15);
    }
};
struct ImageTarget {
    static Platform::ImageSurface Make() { return Platform::ImageSurface(WidthPixels, HeightPixels); }
};

template <class Target>
void BM_BuildChartTables(benchmark::State& state) {
    SetUSDefaults();
    auto surface = Target::Make();
    for (auto _ : state) Chart::BuildChartTables(surface, Chart::ModeScreen);
    state.counters["SatPoints"] = Global::NumSatPoints;
}

template <class Target>
void BM_PlotChartPoints(benchmark::State& state) {
    SetUSDefaults();
    auto surface = Target::Make();
    Chart::BuildChartTables(surface, Chart::ModeScreen);
    for (auto _ : state) {
        Reset(surface);
        Chart::PlotChartPoints(surface, Chart::ModeScreen);
    }
}

template <class Target>
void BM_BuildAndPlot(benchmark::State& state) {
    SetUSDefaults();
    auto surface = Target::Make();
    for (auto _ : state) {
        Reset(surface);
        Chart::BuildChartTables(surface, Chart::ModeScreen);
        Chart::PlotChartPoints(surface, Chart::ModeScreen);
    }
}

BENCHMARK(BM_BuildChartTables<RecordingTarget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlotChartPoints<RecordingTarget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildAndPlot<RecordingTarget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildChartTables<ImageTarget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlotChartPoints<ImageTarget>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildAndPlot<ImageTarget>)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The image surface measures fonts through Qt, which needs an application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Global::SetMessageSink([](const std::string&, Global::MsgIcon, const std::string&) {});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
