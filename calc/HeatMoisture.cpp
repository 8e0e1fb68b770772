// The heat-and-moisture-gains calculator: air passing through a space that gains
// sensible heat and moisture. One end is a known point; the other is found on the
// process line of slope dh/dW = R from one given property or the air flow.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "CalcShared.h"
#include "Global.h"
#include "OutletSearch.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

using namespace Calc;
using Global::ToFloat;

namespace {

constexpr int32_t AirFlowKind = 5;
constexpr const char* DryBulbBelowSaturation =
    "The dry bulb given lies below the point where the process line reaches saturation";

// The sought end of one input kind, written into the current state with the partner
// of its dry bulb; false after a message. v is the given value in internal units,
// r the process line's slope (BTU/lb water) and m the moisture gained (lb/hr).
bool SolveSoughtEnd(int32_t kind, const Global::StatePoint& known, bool inletKnown, float r, float m, float v,
                    Partner& partner) {
    using namespace Global;
    const float t1 = known.DryBulb, w1 = known.HumidRatio, h1 = known.Enthalpy;
    const auto refuse = [] {
        ShowMessage(InvalidInput);
        return false;
    };
    // The process line straightened through a second point at 2.5 times the known humidity ratio.
    const auto straightLine = [&](bool throughTrial) {
        return LineThroughTrial(t1, w1, h1, r, ToFloat(2.5 * w1), throughTrial, true);
    };
    const float start = ToFloat(t1 * (inletKnown ? 1.01 : 0.99));
    partner = Partner::DewPoint;
    switch (kind) {
        case 0:
            DryBulb = v;
            HumidRatio = ToFloat(straightLine(true).At(DryBulb));
            if (!(HumidRatio > 0) || !StoreDewPointOfHumidRatio()) return refuse();
            if (DewPoint > static_cast<double>(DryBulb) + DewPointOvershoot) {
                ShowMessage(DryBulbBelowSaturation);
                return false;
            }
            break;
        case 1:
            WetBulb = v;
            partner = Partner::WetBulb;
            switch (FindDryBulbAtWetBulb(straightLine(false), start, {1.0, true, false})) {
                case SearchResult::NoConvergence:
                case SearchResult::Unreachable:
                    ShowMessage(MsgFailureToConverge);
                    return false;
                case SearchResult::SolverFailed:
                    return false;  // the solver has said why
                case SearchResult::Found:
                    break;
            }
            break;
        case 2:
            if (!StoreOnProcessLineAtDewPoint(known, r, v)) return refuse();
            break;
        case 3: {
            RelHumid = v;
            partner = Partner::RelHumid;
            float t = 0;
            const SearchResult result = FindDryBulbAtRelHumid(straightLine(false), RelHumid, t1, start, t);
            if (result == SearchResult::Unreachable) return refuse();
            if (result != SearchResult::Found) {
                ShowMessage(MsgFailureToConverge);
                return false;
            }
            DryBulb = t;
            break;
        }
        case 4:
            StoreOnProcessLine(known, r, v);
            if (!StoreDewPointOfHumidRatio()) return refuse();
            break;
        default: {
            // The moisture gained per lb of dry air, added on the way from inlet to outlet.
            const float x = ToFloat(m / (static_cast<double>(v) * 60));
            const float sign = inletKnown ? 1.0f : -1.0f;
            HumidRatio = ToFloat(w1 + static_cast<double>(sign) * x);
            const float h = ToFloat(h1 + static_cast<double>(sign) * r * x);
            DryBulb = ToFloat(TempFromEnthalpy(h, HumidRatio));
            if (!(HumidRatio > 0) || !StoreDewPointOfHumidRatio()) return refuse();
            break;
        }
    }
    if (!std::isfinite(DryBulb) || !std::isfinite(PartnerValue(partner))) return refuse();
    return true;
}

}  // namespace

void frmZolvaneCalc::cmdHMCalc_Click() {
    RunGuarded([this] {
        using namespace Global;
        StorePendingGainEdit();
        if (!CalcInputCheck()) return;
        const bool inletKnown = optHeatMoistInlet->isChecked();
        const int32_t kind = HMInputKind;
        // The results are shown current from here; every failure below greys them again.
        ShowHMResults();
        ResultsGrey grey([this] { HeatMoistInput_Change(); });

        const int16_t p = PointOrRefuse(txtHeatMoistPoint);
        float m = 0, h = 0;
        for (int i = 1; i <= NumMoistGains; ++i) {
            m = ToFloat(m + static_cast<double>(MoistGains(1, i)));
            h = ToFloat(h + static_cast<double>(MoistGains(1, i)) * MoistGains(2, i));
        }
        if (m == 0 || !std::isfinite(m)) {
            ShowMessage(InvalidMoistureFlow);
            return;
        }
        const float q = ToFloat(FloatOrRefuse(txtHeatMoistQ) / static_cast<double>(EnergyFactor));
        const float r = ToFloat((static_cast<double>(q) + h) / m);
        if (!std::isfinite(h) || !std::isfinite(r)) Refuse();
        const float v = GivenValue(kind, FloatOrRefuse(txtHMInputParam));
        ClearChartInputChecks(chart_);

        const StatePoint known = Points(p);
        Partner partner{};
        if (!SolveSoughtEnd(kind, known, inletKnown, r, m, v, partner)) return;
        // Judged on the end found, not on the new point: re-solving the handed-off pair
        // moves its humidity ratio by more than the change it would otherwise show.
        const bool moistureChanged = std::fabs(static_cast<double>(HumidRatio) - known.HumidRatio) >= 1e-7;
        if (!HandOffState(chart_, partner, 1)) return;  // the chart window has said why

        const int16_t end = NumPoints;
        if (kind != AirFlowKind) {
            const double dW = inletKnown ? static_cast<double>(Points(end).HumidRatio) - known.HumidRatio
                                         : static_cast<double>(known.HumidRatio) - Points(end).HumidRatio;
            const float ma = ToFloat(m / (dW * 60));
            // No change of humidity ratio: no air flow to show, while the point stands.
            const bool flowKnown = moistureChanged && dW != 0 && std::isfinite(ma);
            if (flowKnown && ma < 0) ShowMessage("AirFlow Input, This results in a negative air flow!");
            for (QWidget* flowLabel : HMFlowLabels()) flowLabel->setVisible(true);
            lblHMOutputFlowVal->setText(flowKnown ? ShownOrEmpty(static_cast<double>(ma) * MassFactor) : "");
            lblOutCFM->setText(flowKnown ? ShownOrEmpty(std::pow(LengthFactor, 3) * Points(end).SpVol * ma)
                                         : "");
        }
        lblHMOutputPointVal->setText(Chart::Shown(end, 0));
        grey.Dismiss();
        const int16_t from = inletKnown ? p : end, to = inletKnown ? end : p;
        AppendProcessLines(chart_, {{from, to}});
    });
}

void frmZolvaneCalc::cmdHMCancel_Click() {
    frmHeatMoist->setVisible(false);
}

// The chooser's options with their codes; the captions name the sought end.
std::array<frmZolvaneCalc::Choice, 6> frmZolvaneCalc::HMChoices() const {
    using Global::MassUnit, Global::TempUnit;
    const QString end = optHeatMoistInlet->isChecked()    ? "Outlet"
                        : optHeatMoistOutlet->isChecked() ? "Inlet"
                                                          : "";
    const QString temp = QString::fromStdString(" (" + TempUnit + ")");
    const QString mass = QString::fromStdString(MassUnit);
    return {{{optHMInputDry, 0, end + " Dry Bulb" + temp},
             {optHMInputWet, 1, end + " Wet Bulb" + temp},
             {optHMInputDew, 2, end + " Dew Point" + temp},
             {optHMInputPhi, 3, end + " Rel. Humidity (%)"},
             {optHMInputW, 4, end + " Humid. Ratio (" + mass + "/" + mass + ")"},
             {optHMInputFlow, AirFlowKind, "Air Flowrate (" + mass + "/min)"}}};
}

void frmZolvaneCalc::cmdHMInputParam_Click() {
    lblHMOutputPoint->setEnabled(false);
    lblHMOutputFlow->setEnabled(false);
    frmHMInputParam->setVisible(true);
    for (const Choice& choice : HMChoices()) choice.option->setText(choice.caption);
}

void frmZolvaneCalc::cmdHMInputOK_Click() {
    frmHMInputParam->setVisible(false);
}

void frmZolvaneCalc::optHMInput_Click(int32_t Kind) {
    for (const Choice& choice : HMChoices()) {
        if (choice.kind != Kind || !choice.option->isChecked()) continue;
        lblHMInputParam->setText(choice.option->text());
        HMInputKind = Kind;
        for (QWidget* label : HMFlowLabels()) label->setVisible(Kind != AirFlowKind);
    }
}

// Inlet or outlet chosen as the known point: the captions take the other end's name.
void frmZolvaneCalc::optHeatMoistKnown_Click() {
    HeatMoistInput_Change();
    cmdHMInputParam_Click();
    optHMInput_Click(HMInputKind);
    cmdHMInputOK_Click();
}

void frmZolvaneCalc::HeatMoistInput_Change() {
    for (QWidget* caption : HMResultCaptions()) caption->setEnabled(false);
}

void frmZolvaneCalc::txtHMInputParam_Change() {
    lblHMOutputPoint->setEnabled(false);
    lblHMOutputFlow->setEnabled(false);
}

std::array<QWidget*, 5> frmZolvaneCalc::HMResultCaptions() const {
    return {lblHMOutputFlowcfm, lblcube, lblOutCFM, lblHMOutputPoint, lblHMOutputFlow};
}

void frmZolvaneCalc::ShowHMResults() {
    for (QWidget* caption : HMResultCaptions()) caption->setEnabled(true);
    lblHMOutputPoint->setText(optHeatMoistInlet->isChecked() ? "Outlet Point No." : "Inlet Point No.");
}

std::array<QWidget*, 5> frmZolvaneCalc::HMFlowLabels() const {
    return {lblHMOutputFlowcfm, lblcube, lblOutCFM, lblHMOutputFlow, lblHMOutputFlowVal};
}

void frmZolvaneCalc::ConnectHeatMoistHandlers() {
    connect(cmdHMCalc, &QPushButton::clicked, this, [this] { cmdHMCalc_Click(); });
    connect(cmdHMCancel, &QPushButton::clicked, this, [this] { cmdHMCancel_Click(); });
    connect(cmdHMInputParam, &QPushButton::clicked, this, [this] { cmdHMInputParam_Click(); });
    connect(cmdHMInputOK, &QPushButton::clicked, this, [this] { cmdHMInputOK_Click(); });
    for (QRadioButton* option : {optHeatMoistInlet, optHeatMoistOutlet})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) optHeatMoistKnown_Click();
        });
    for (const Choice& choice : HMChoices())
        connect(choice.option, &QRadioButton::toggled, this, [this, kind = choice.kind](bool on) {
            if (on) optHMInput_Click(kind);
        });
    for (QLineEdit* box : {txtHeatMoistPoint, txtHeatMoistQ, txtMoistGainFlow, txtMoistGainEnt})
        connect(box, &QLineEdit::textChanged, this, [this] { HeatMoistInput_Change(); });
    connect(txtHMInputParam, &QLineEdit::textChanged, this, [this] { txtHMInputParam_Change(); });
    ConnectMoistGainHandlers();
}
