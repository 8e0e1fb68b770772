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
#include "Settings.h"
#include "UnitSystem.h"

namespace {

constexpr int WidthPixels = 1280;
constexpr int HeightPixels = 800;

// What start-up does without a settings file.
void SetUSDefaults() {
    Global::ResetState();
    Chart::ApplySettings(Chart::SettingsRecord{});
    Chart::SetUnitSystem(true);
    Global::ProcLines.ReDim(2, 0);
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
