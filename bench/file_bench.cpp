// A chart of 32767 points joined by 32766 lines in the real window, on a picture box
// of 1280 x 800 pixels: Open with its redraw, one redraw, Save and Clear All. The
// redraw is timed twice: points row by row, each line a few pixels long, and points
// anywhere on the chart, each line crossing it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "ChartFile.h"
#include "ChartTables.h"
#include "CommonDialog.h"
#include "Global.h"
#include "PictureBox.h"
#include "frmZolvane.h"

namespace {

constexpr int BigCount = 32767;

// States over the US default chart, each joined to the next: row by row, or anywhere
// on the chart by dry bulb and dew point (a fixed seed, so every run draws the same).
std::string BigChartText(bool random) {
    Global::Press = 14.697f;
    Global::PressInHg = 14.697f * 2.036026f;
    Chart::ChartFileData data;
    const int columns = 182;
    std::mt19937 generator(17);
    auto uniform = [&] { return generator() / 4294967296.0; };
    for (int i = 0; i < BigCount; ++i) {
        if (random) {
            const double dry = 36 + 83 * uniform();
            Global::DryBulb = static_cast<float>(dry + 459.67);
            Global::DewPoint = static_cast<float>(36 + (std::min(dry, 89.0) - 36) * uniform() + 459.67);
            Global::CalcDryBulbDewPoint();
        } else {
            Global::DryBulb = static_cast<float>(36 + 82.0 * (i % columns) / columns + 459.67);
            Global::RelHumid = static_cast<float>(0.05 + 0.9 * (i / columns) / (BigCount / columns + 1.0));
            Global::CalcDryBulbRelHumid();
        }
        Global::StatePoint p = Chart::CurrentRecord();
        p.MarkerColor = static_cast<float>(Global::ColorRed);
        data.Points.push_back(p);
        if (i > 0) data.Lines.push_back({static_cast<int16_t>(i), static_cast<int16_t>(i + 1)});
    }
    return Chart::ChartFileText(data);
}

struct Bench {
    Platform::ScriptedDialogBackend* dialogs = nullptr;
    std::unique_ptr<frmZolvane> window;
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "zolvane-file-bench";
    std::string bigPath, randomPath;

    Bench() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        auto backend = std::make_unique<Platform::ScriptedDialogBackend>();
        dialogs = backend.get();
        Platform::SetDialogBackend(std::move(backend));
        Global::ResetState();
        bigPath = (dir / "big.zlv").string();
        randomPath = (dir / "random.zlv").string();
        std::ofstream(bigPath, std::ios::binary) << BigChartText(false);
        std::ofstream(randomPath, std::ios::binary) << BigChartText(true);
        window = std::make_unique<frmZolvane>();
        // The picture box takes the window less the left column and the menu row.
        window->resize(1280 + 3690 / 15 - 4, 800 + 780 / 15 - 4);
        window->show();
        QApplication::processEvents();
    }

    void Open(bool random = false) {
        dialogs->AnswerPath(random ? randomPath : bigPath);
        window->OpenChartFile();
    }
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

void BM_OpenBigChart(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state) b.Open();
    state.counters["Points"] = Global::NumPoints;
    state.counters["PictureWidth"] = b.window->picZolvane->width();
    state.counters["PictureHeight"] = b.window->picZolvane->height();
}

void BM_RedrawBigChart(benchmark::State& state) {
    Bench& b = Shared();
    b.Open();
    for (auto _ : state) b.window->PlotChartPoints(Chart::ModeScreen);
}

void BM_RedrawRandomChart(benchmark::State& state) {
    Bench& b = Shared();
    b.Open(true);
    for (auto _ : state) b.window->PlotChartPoints(Chart::ModeScreen);
}

void BM_SaveBigChart(benchmark::State& state) {
    Bench& b = Shared();
    b.Open();
    const std::string path = (b.dir / "saved.zlv").string();
    for (auto _ : state) {
        b.dialogs->AnswerPath(path);
        b.window->mnuFileSave_Click();
    }
    state.counters["Bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

void BM_ClearAllBigChart(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        b.Open();
        state.ResumeTiming();
        b.window->mnuEditClear_Click();
    }
    state.counters["PointsLeft"] = Global::NumPoints;
}

BENCHMARK(BM_OpenBigChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawBigChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawRandomChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBigChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClearAllBigChart)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Global::SetMessageSink([](const std::string&, Global::MsgIcon, const std::string&) {});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Shared().window.reset();
    Platform::SetDialogBackend(nullptr);
    return 0;
}
