// The air/air mixing calculator: two inlet streams mixed adiabatically make one new
// point, joined to both inlets.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "CalcShared.h"
#include "Global.h"
#include "OutletSearch.h"
#include "Psychro.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

using namespace Calc;

namespace {

// The mixed dry bulb on the straight line through the two inlets. With equal (or a
// few float steps apart) humidity ratios that line is flat or ill-conditioned, and the
// mass-weighted mean it stands for is taken instead.
float MixedDryBulb(const Global::StatePoint& a, float m1, const Global::StatePoint& b, float m2, float w) {
    const double dT = static_cast<double>(b.DryBulb) - a.DryBulb;
    const float s =
        Global::ToFloat((static_cast<double>(b.HumidRatio) - a.HumidRatio) / (dT == 0 ? 1e-8 : dT));
    const float intercept = Global::ToFloat(b.HumidRatio - static_cast<double>(b.DryBulb) * s);
    const double onLine = (static_cast<double>(w) - intercept) / s;
    const double mean = (static_cast<double>(m1) * a.DryBulb + static_cast<double>(m2) * b.DryBulb) /
                        (static_cast<double>(m1) + m2);
    return Global::ToFloat(std::isfinite(onLine) && std::fabs(onLine - mean) <= 0.001 ? onLine : mean);
}

}  // namespace

void frmZolvaneCalc::cmdAirCalc_Click() {
    RunGuarded([this] {
        using namespace Global;
        if (!CalcInputCheck()) return;
        ResultsGrey grey([this] { AirInput_Change(); });
        const int16_t p1 = PointOrRefuse(txtAirInPoint1), p2 = PointOrRefuse(txtAirInPoint2);
        const float m1 = FloatOrRefuse(txtAirFlowIn1) / MassFactor,
                    m2 = FloatOrRefuse(txtAirFlowIn2) / MassFactor;
        const StatePoint a = Points(p1), b = Points(p2);

        HumidRatio =
            ToFloat((static_cast<double>(b.HumidRatio) * m2 + static_cast<double>(a.HumidRatio) * m1) /
                    (static_cast<double>(m1) + m2));
        DryBulb = MixedDryBulb(a, m1, b, m2, HumidRatio);
        if (!StoreDewPointOfHumidRatio() || !std::isfinite(DryBulb) || !std::isfinite(DewPoint)) Refuse();
        // Whatever will be shown must be a number before the point is made: the total
        // flow, and the volume flow at the mixed state (the hand-off's two-decimal texts
        // move its specific volume by far less than the 1 % allowed for here).
        const double flow = static_cast<double>(m1) + m2, cubic = std::pow(LengthFactor, 3);
        const QString shownFlow = ShownOrRefuse(flow * MassFactor);
        ShownOrRefuse(1.01 * cubic * SpVolOf(DryBulb, HumidRatio, PressInHg) * flow);
        if (!HandOffState(chart_, Partner::DewPoint, 2)) return;  // the chart window has said why

        const int16_t mixed = NumPoints;
        lblAirOutPointVal->setText(Chart::Shown(mixed, 0));
        lblAirOutFlowVal->setText(shownFlow);
        lblAirOutFlowCFMVal->setText(ShownOrEmpty(cubic * Points(mixed).SpVol * flow));
        for (QWidget* caption : AirResultCaptions()) caption->setEnabled(true);
        grey.Dismiss();
        AppendProcessLines(chart_, {{p1, mixed}, {p2, mixed}});
    });
}

void frmZolvaneCalc::cmdAirCancel_Click() {
    frmAirAir->setVisible(false);
}

void frmZolvaneCalc::ConnectAirAirHandlers() {
    connect(cmdAirCalc, &QPushButton::clicked, this, [this] { cmdAirCalc_Click(); });
    connect(cmdAirCancel, &QPushButton::clicked, this, [this] { cmdAirCancel_Click(); });
}
