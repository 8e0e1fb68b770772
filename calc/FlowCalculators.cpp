// The four "Mass Flow Calculator" frames: a volume flow of moist air at one of the
// calculator's points, turned into the dry-air mass flow by the point's specific
// volume and written into the calculator's flow box.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <initializer_list>

#include "CalcShared.h"
#include "Global.h"
#include "frmZolvaneCalc.h"

using namespace Calc;

namespace {

constexpr const char* InvalidSideInput = "Invalid input";

// One way to pick the point: an option (none: always), the calculator's own point
// box, the message for a blank box, and the flow box the result goes to.
struct PointChoice {
    const QRadioButton* option;
    const QLineEdit* point;
    const char* missing;
    QLineEdit* target;
};

void ConvertVolumeFlow(std::initializer_list<PointChoice> choices, const QLineEdit* volumeBox,
                       Platform::Label* result) {
    RunGuarded([&] {
        using namespace Global;
        const PointChoice* chosen = nullptr;
        for (const PointChoice& c : choices)
            if (!c.option || c.option->isChecked()) {
                chosen = &c;
                break;
            }
        if (!chosen) return ShowMessage(InvalidSideInput);
        if (chosen->point->text().trimmed().isEmpty()) return ShowMessage(chosen->missing);
        const std::optional<int16_t> point = ReadPoint(chosen->point);
        const std::optional<float> volume = ReadFloat(volumeBox);
        if (!point || !volume) return ShowMessage(InvalidSideInput);
        // ft3 (or m3) per lb of dry air
        const float perMass = LengthFactor * LengthFactor * LengthFactor * Points(*point).SpVol;
        if (perMass == 0) return ShowMessage(InvalidSideInput);
        const float mass = *volume / perMass;  // lb/min
        const double shown = static_cast<double>(mass) * MassFactor;
        if (!std::isfinite(ToFloat(shown))) return ShowMessage(InvalidSideInput);
        result->setText(ShownFloat(shown, 99));
        // The box gets the figure as shown, and greys its calculator's results.
        chosen->target->setText(result->text());
    });
}

}  // namespace

void frmZolvaneCalc::ConnectFlowCalcHandlers() {
    const std::pair<QPushButton*, QGroupBox*> openers[] = {{cmdHeatFlowCalc, frmHeatFlowCalc},
                                                           {cmdCoolVolFlow, frmCoolMassFlow},
                                                           {cmdAirMassCalc, frmAirMassCalc},
                                                           {cmdWatAirMassFlowCalc, frmWatAirMassFlowCalc}};
    for (const auto& [button, frame] : openers) connect(button, &QPushButton::clicked, frame, &QWidget::show);
    const std::pair<QPushButton*, QGroupBox*> closers[] = {{cmdHeatFlowClosel, frmHeatFlowCalc},
                                                           {cmdCoolClose, frmCoolMassFlow},
                                                           {cmdAirClose, frmAirMassCalc},
                                                           {cmdWatAirFlowClose, frmWatAirMassFlowCalc}};
    for (const auto& [button, frame] : closers) connect(button, &QPushButton::clicked, frame, &QWidget::hide);
    connect(cmdHeatFlowOK, &QPushButton::clicked, this, [this] { cmdHeatFlowOK_Click(); });
    connect(cmdCoolOK, &QPushButton::clicked, this, [this] { cmdCoolOK_Click(); });
    connect(cmdAirOK, &QPushButton::clicked, this, [this] { cmdAirOK_Click(); });
    connect(cmdWatAirFlowOK, &QPushButton::clicked, this, [this] { cmdWatAirFlowOK_Click(); });
}

void frmZolvaneCalc::cmdHeatFlowOK_Click() {
    ConvertVolumeFlow(
        {{optHeatInPoint, txtHeatInPoint, "No point is provided for the inlet point", txtHeatFlow},
         {optHeatOutPoint, txtHeatOutPoint, "No point is provided for the outlet point", txtHeatFlow}},
        txtHeatVolFlow, lblHeatMassFlowVal);
}

void frmZolvaneCalc::cmdCoolOK_Click() {
    ConvertVolumeFlow(
        {{optCoolIn, txtCoolInPoint, "No point is provided for the input point", txtCoolFlow},
         {optCoolOut, txtCoolOutPoint, "No point is provided for the output point", txtCoolFlow}},
        txtCoolVolFlow, lblCoolMassFlowVal);
}

void frmZolvaneCalc::cmdAirOK_Click() {
    ConvertVolumeFlow({{optAirIn1, txtAirInPoint1, "No point is provided for point 1", txtAirFlowIn1},
                       {optAirIn2, txtAirInPoint2, "No point is provided for point 2", txtAirFlowIn2}},
                      txtAirVolFlow, lblAirMassFlowVal);
}

void frmZolvaneCalc::cmdWatAirFlowOK_Click() {
    ConvertVolumeFlow(
        {{nullptr, txtWatAirInPoint, "No point is provided for the inlet point", txtWatAirInFlow}},
        txtWatAirVolFlow, lblWatAirMassFlowCalcVal);
}
