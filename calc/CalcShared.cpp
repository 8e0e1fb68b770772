#include "CalcShared.h"

#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "ChartTables.h"
#include "Global.h"
#include "Screen.h"
#include "frmZolvane.h"

namespace Calc {

namespace {

struct Refusal {};

}  // namespace

std::optional<float> ReadFloat(const QLineEdit* box) {
    const std::optional<double> value = ReadNumber(box);
    if (!value) return std::nullopt;
    const float stored = Global::ToFloat(*value);
    if (!std::isfinite(stored)) return std::nullopt;
    return stored;
}

std::optional<int16_t> ReadPoint(const QLineEdit* box) {
    const std::optional<double> value = ReadNumber(box);
    if (!value || !(*value >= 1 && *value <= Global::NumPoints)) return std::nullopt;
    return Global::ToInt16(*value);
}

void RunGuarded(const std::function<void()>& handler) {
    const Platform::Hourglass hourglass;
    try {
        handler();
    } catch (...) {
        Global::ShowMessage(InvalidInput);
    }
}

void Refuse() {
    throw Refusal{};
}

float FloatOrRefuse(const QLineEdit* box) {
    const std::optional<float> value = ReadFloat(box);
    if (!value) Refuse();
    return *value;
}

int16_t PointOrRefuse(const QLineEdit* box) {
    const std::optional<int16_t> point = ReadPoint(box);
    if (!point) Refuse();
    return *point;
}

QString ShownOrRefuse(double displayValue, int digits) {
    if (!std::isfinite(Global::ToFloat(displayValue))) Refuse();
    return ShownFloat(displayValue, digits);
}

QString ShownOrEmpty(double displayValue, int digits) {
    if (!std::isfinite(Global::ToFloat(displayValue))) return {};
    return ShownFloat(displayValue, digits);
}

float GivenValue(int32_t kind, float typed) {
    using namespace Global;
    return kind <= 2   ? (typed + TempOffset) / TempScale
           : kind == 3 ? ToFloat(typed / 100.0)
           : kind == 4 ? typed
                       : ToFloat(typed / static_cast<double>(MassFactor));
}

void ClearChartInputChecks(frmZolvane& chart) {
    for (QCheckBox* box : {chart.chkDryBulb, chart.chkDewPoint, chart.chkWetBulb, chart.chkRelHumid})
        box->setChecked(false);
}

float PartnerValue(Partner partner) {
    using namespace Global;
    return partner == Partner::DewPoint ? DewPoint : partner == Partner::WetBulb ? WetBulb : RelHumid;
}

bool HandOffState(frmZolvane& chart, Partner partner, int lines) {
    using namespace Global;
    // No point is made whose lines would be refused.
    if (!frmZolvane::RoomForLines(lines)) return false;
    const auto temperature = [](float rankine) { return Chart::Shown(rankine * TempScale - TempOffset, 2); };
    chart.chkDryBulb->setChecked(true);
    chart.chkDewPoint->setChecked(partner == Partner::DewPoint);
    chart.chkWetBulb->setChecked(partner == Partner::WetBulb);
    chart.chkRelHumid->setChecked(partner == Partner::RelHumid);
    chart.txtDryBulb->setText(temperature(DryBulb));
    switch (partner) {
        case Partner::DewPoint:
            chart.txtDewPoint->setText(temperature(DewPoint));
            break;
        case Partner::WetBulb:
            chart.txtWetBulb->setText(temperature(WetBulb));
            break;
        case Partner::RelHumid:
            chart.txtRelHumid->setText(Chart::Shown(RelHumid * 100.0f, 99));
            break;
    }
    const int16_t before = NumPoints;
    chart.cmdCalculate_Click();
    return NumPoints == before + 1;
}

bool AppendProcessLines(frmZolvane& chart, std::initializer_list<std::pair<int16_t, int16_t>> lines) {
    using Global::ProcLines;
    chart.EndPendingLine();
    if (!frmZolvane::RoomForLines(static_cast<int>(lines.size()))) return false;
    const int n = std::max(0, ProcLines.UBound(1));
    ProcLines.ReDim(2, n + static_cast<int>(lines.size()));
    int k = n;
    for (const auto& [from, to] : lines) {
        ++k;
        ProcLines(1, k) = from;
        ProcLines(2, k) = to;
    }
    chart.PlotChartPoints(Chart::ModeScreen);
    Global::ProcessDataPresent = true;
    return true;
}

}  // namespace Calc
