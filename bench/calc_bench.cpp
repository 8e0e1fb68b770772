// A water/air Calculate whose wet-bulb search cannot end: from 95 F / 20 % with water of
// 1150 BTU/lb the line meets no 70 F wet bulb the search can settle on, so only the pass
// bound ends it: the longest a calculator's click can take.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtGlobal>
#include <filesystem>

#include "Global.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

namespace {

void BM_WaterAirWetBulbToTheBound(benchmark::State& state) {
    frmZolvane chart;
    chart.chkDryBulb->setChecked(true);
    chart.chkRelHumid->setChecked(true);
    chart.txtDryBulb->setText("95");
    chart.txtRelHumid->setText("20");
    chart.cmdCalculate_Click();
    frmZolvaneCalc calc(chart);
    calc.ShowFrame(CalcFrame::WatAir);
    calc.optWatAirWet->setChecked(true);
    calc.txtWatAirInPoint->setText("1");
    calc.txtWatAirInFlow->setText("100");
    calc.txtWatAirEnt->setText("1150");
    calc.txtWatAirInput->setText("70");
    int refused = 0;
    Global::SetMessageSink([&](const std::string&, Global::MsgIcon, const std::string&) { ++refused; });
    for (auto _ : state) calc.cmdWatAirCalc_Click();
    state.counters["Points"] = Global::NumPoints;  // 1: every click ended at the bound
    state.counters["Messages"] = benchmark::Counter(refused, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_WaterAirWetBulbToTheBound)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The chart window reads and writes its settings in the working folder.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
