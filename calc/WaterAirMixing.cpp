// The water/air mixing calculator (an air washer): water of a given enthalpy mixed
// into an inlet stream; the outlet state, found from one given outlet quantity or the
// water flow, becomes a new point joined to the inlet.
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

constexpr const char* ErrorInvalidInput = "Error, Invalid Input";
constexpr const char* OutletBelowSaturation =
    "The outlet dry bulb lies below the point where the mixing line reaches saturation";
constexpr int32_t WaterFlowKind = 5;
constexpr float ChordSaturationMargin = 0.2f;  // R

// The outlet state of one input kind, written into the current state with the
// partner of its dry bulb; false after a message. v is the given value, internal units.
bool SolveOutlet(int32_t kind, const Global::StatePoint& in, float hw, float ma, float v, Partner& partner) {
    using namespace Global;
    const float t1 = in.DryBulb, w1 = in.HumidRatio, h1 = in.Enthalpy;
    const auto refuse = [] {
        ShowMessage(ErrorInvalidInput);
        return false;
    };
    const auto notConverged = [] {
        ShowMessage(MsgFailureToConverge);
        return false;
    };
    partner = Partner::DewPoint;
    switch (kind) {
        case 0: {
            DryBulb = v;
            const StraightLine line = LineThroughTrial(t1, w1, h1, hw, ToFloat(2.5 * w1), true, false);
            HumidRatio = ToFloat(line.At(DryBulb));
            if (!StoreDewPointOfHumidRatio()) return refuse();
            // Near saturation the straight line runs a little above the curved one: within
            // its own error the outlet is saturated air at the given dry bulb.
            if (DewPoint > DryBulb && DewPoint - DryBulb <= ChordSaturationMargin) DewPoint = DryBulb;
            if (DewPoint > DryBulb) {
                ShowMessage(OutletBelowSaturation);
                return false;
            }
            break;
        }
        case 1: {
            WetBulb = v;
            partner = Partner::WetBulb;
            const StraightLine line = LineThroughTrial(t1, w1, h1, hw, ToFloat(2.5 * w1), false, false);
            switch (FindDryBulbAtWetBulb(line, ToFloat(1.01 * t1), {0.5, false, true})) {
                case SearchResult::NoConvergence:
                case SearchResult::Unreachable:
                    return notConverged();
                case SearchResult::SolverFailed:
                    return refuse();  // after the solver's own message
                case SearchResult::Found:
                    break;
            }
            // The line meets the wet bulb only above saturation there.
            if (DryBulb < WetBulb) return refuse();
            break;
        }
        case 2:
            if (!StoreOnProcessLineAtDewPoint(in, hw, v)) return refuse();
            break;
        case 3: {
            RelHumid = v;
            partner = Partner::RelHumid;
            SatPress = CalcSatPress(t1);
            VaporPress = ToFloat(static_cast<double>(SatPress) * RelHumid);
            if (!(VaporPress < Press)) return refuse();
            // The humidity ratio the inlet dry bulb would have at the wanted humidity.
            const float wTrial = ToFloat(HumidRatioOf(VaporPress, Press));
            const StraightLine line = LineThroughTrial(t1, w1, h1, hw, wTrial, false, false);
            float t = 0;
            const SearchResult result = FindDryBulbAtRelHumid(line, RelHumid, t1, ToFloat(1.01 * t1), t);
            if (result == SearchResult::Unreachable) return refuse();
            if (result != SearchResult::Found) return notConverged();
            DryBulb = t;
            break;
        }
        case 4:
            StoreOnProcessLine(in, hw, v);
            if (!StoreDewPointOfHumidRatio()) return refuse();
            break;
        default: {
            const float h = ToFloat((static_cast<double>(ma) * h1 + static_cast<double>(hw) * v) / ma);
            HumidRatio = ToFloat((h - static_cast<double>(h1)) / hw + w1);
            DryBulb = ToFloat(TempFromEnthalpy(h, HumidRatio));
            if (!StoreDewPointOfHumidRatio()) return refuse();
            break;
        }
    }
    if (!std::isfinite(DryBulb) || !std::isfinite(PartnerValue(partner))) return refuse();
    return true;
}

}  // namespace

void frmZolvaneCalc::cmdWatAirCalc_Click() {
    RunGuarded([this] {
        using namespace Global;
        if (!CalcInputCheck()) return;
        const int32_t kind = WatAirInputKind;
        const int16_t i = PointOrRefuse(txtWatAirInPoint);
        const float ma = FloatOrRefuse(txtWatAirInFlow) / MassFactor;
        const float hw = FloatOrRefuse(txtWatAirEnt) / EnthalpyFactor + EnthalpyOffset;
        const float v = GivenValue(kind, FloatOrRefuse(txtWatAirInput));

        // The results are shown current from here; every failure below greys them again.
        lblWatAirOutPoint->setEnabled(true);
        lblWatAirWatFlow->setVisible(kind != WaterFlowKind);
        lblWatAirWatFlow->setEnabled(kind != WaterFlowKind);
        lblWatAirWatFlowVal->setVisible(kind != WaterFlowKind);
        ResultsGrey grey([this] { WatAirInput_Change(); });
        ClearChartInputChecks(chart_);

        const StatePoint in = Points(i);
        Partner partner{};
        if (!SolveOutlet(kind, in, hw, ma, v, partner)) return;
        // The water flow must be a number before the point is made (the hand-off's
        // two-decimal texts move the outlet's humidity ratio by far less than allowed here).
        const double dW = std::fabs(static_cast<double>(HumidRatio) - in.HumidRatio);
        if (kind != WaterFlowKind) ShownOrRefuse(1.01 * (dW + 0.01 * HumidRatio) * ma * MassFactor);
        if (!HandOffState(chart_, partner, 1)) return;  // the chart window has said why

        const int16_t outlet = NumPoints;
        if (kind != WaterFlowKind) {
            const float mw = ToFloat((static_cast<double>(Points(outlet).HumidRatio) - in.HumidRatio) * ma);
            if (mw < 0) ShowMessage("Invalid Input, This results in a negative water flow!");
            lblWatAirWatFlowVal->setText(ShownOrRefuse(static_cast<double>(mw) * MassFactor));
        }
        lblWatAirOutPointVal->setText(Chart::Shown(outlet, 0));
        grey.Dismiss();
        AppendProcessLines(chart_, {{i, outlet}});
    });
}

void frmZolvaneCalc::cmdWatAirCancel_Click() {
    frmWatAir->setVisible(false);
}

void frmZolvaneCalc::cmdWatAirInput_Click() {
    frmWatAirInput->setVisible(true);
    cmdWatAirOutOK->setVisible(true);
}

void frmZolvaneCalc::cmdWatAirOutOK_Click() {
    WatAirInput_Change();
    frmWatAirInput->setVisible(false);
}

// Any of the four input boxes changed (or the chooser closed): the results no longer
// belong to the inputs. With the water flow given there is no water flow to show.
void frmZolvaneCalc::WatAirInput_Change() {
    const bool flowShown = WatAirInputKind != WaterFlowKind;
    lblWatAirOutPoint->setEnabled(false);
    lblWatAirWatFlow->setEnabled(false);
    lblWatAirWatFlow->setVisible(flowShown);
    lblWatAirWatFlowVal->setVisible(flowShown);
}

// The chooser's options with their codes; the captions name the given outlet quantity.
std::array<frmZolvaneCalc::Choice, 6> frmZolvaneCalc::WatAirChoices() const {
    using Global::MassUnit, Global::TempUnit;
    const QString temp = QString::fromStdString(" (" + TempUnit + ")");
    const QString mass = QString::fromStdString(MassUnit);
    return {{{optWatAirDry, 0, "Outlet Dry Bulb" + temp},
             {optWatAirWet, 1, "Outlet Wet Bulb" + temp},
             {optWatAirDew, 2, "Outlet Dew Point" + temp},
             {optWatAirRel, 3, "Outlet Relative Humidity (%)"},
             {optWatAirW, 4, "Outlet Humidity Ratio (" + mass + "/" + mass + ")"},
             {optWatAirWater, WaterFlowKind, "Water Flow (" + mass + "/min)"}}};
}

void frmZolvaneCalc::optWatAir_Click(int32_t Kind) {
    for (const Choice& choice : WatAirChoices()) {
        if (choice.kind != Kind || !choice.option->isChecked()) continue;
        lblWatAirInput->setText(choice.caption);
        WatAirInputKind = Kind;
    }
}

void frmZolvaneCalc::ConnectWatAirHandlers() {
    connect(cmdWatAirCalc, &QPushButton::clicked, this, [this] { cmdWatAirCalc_Click(); });
    connect(cmdWatAirCancel, &QPushButton::clicked, this, [this] { cmdWatAirCancel_Click(); });
    connect(cmdWatAirInput, &QPushButton::clicked, this, [this] { cmdWatAirInput_Click(); });
    connect(cmdWatAirOutOK, &QPushButton::clicked, this, [this] { cmdWatAirOutOK_Click(); });
    for (const Choice& choice : WatAirChoices())
        connect(choice.option, &QRadioButton::toggled, this, [this, kind = choice.kind](bool on) {
            if (on) optWatAir_Click(kind);
        });
    for (QLineEdit* box : {txtWatAirInPoint, txtWatAirInFlow, txtWatAirEnt, txtWatAirInput})
        connect(box, &QLineEdit::textChanged, this, [this] { WatAirInput_Change(); });
}
