// The heating and cooling calculators, and the greying of results while their
// inputs (and those of air/air mixing) are being edited.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "CalcShared.h"
#include "Controls.h"
#include "Global.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

using namespace Calc;

void frmZolvaneCalc::ConnectHeatCoolHandlers() {
    connect(cmdHeatCalc, &QPushButton::clicked, this, [this] { cmdHeatCalc_Click(); });
    connect(cmdHeatCancel, &QPushButton::clicked, this, [this] { cmdHeatCancel_Click(); });
    connect(cmdCoolCalc, &QPushButton::clicked, this, [this] { cmdCoolCalc_Click(); });
    connect(cmdCoolCancel, &QPushButton::clicked, this, [this] { cmdCoolCancel_Click(); });
    // textChanged, not textEdited: a box written by a side calculator greys too.
    for (QLineEdit* box : {txtHeatInPoint, txtHeatOutPoint, txtHeatFlow})
        connect(box, &QLineEdit::textChanged, this, [this] { HeatInput_Change(); });
    for (QLineEdit* box : {txtCoolInPoint, txtCoolOutPoint, txtCoolFlow, txtCoolEnt})
        connect(box, &QLineEdit::textChanged, this, [this] { CoolInput_Change(); });
    for (QLineEdit* box : {txtAirInPoint1, txtAirInPoint2, txtAirFlowIn1, txtAirFlowIn2})
        connect(box, &QLineEdit::textChanged, this, [this] { AirInput_Change(); });
}

void frmZolvaneCalc::HeatInput_Change() {
    lblHeatQ->setEnabled(false);
}

void frmZolvaneCalc::CoolInput_Change() {
    lblCoolWaterFlow->setEnabled(false);
    lblCoolRate->setEnabled(false);
}

void frmZolvaneCalc::AirInput_Change() {
    for (QWidget* caption : AirResultCaptions()) caption->setEnabled(false);
}

std::array<QWidget*, 5> frmZolvaneCalc::AirResultCaptions() const {
    return {lblAirOutFlowCFM, lblCube1, frmAirOutlet, lblAirOutPoint, lblAirOutFlow};
}

void frmZolvaneCalc::cmdHeatCalc_Click() {
    RunGuarded([this] {
        using namespace Global;
        if (!CalcInputCheck()) return;
        const int16_t in = PointOrRefuse(txtHeatInPoint), out = PointOrRefuse(txtHeatOutPoint);
        const float flow = FloatOrRefuse(txtHeatFlow) / MassFactor;  // lb dry air per minute
        const double q = (static_cast<double>(Points(out).Enthalpy) - Points(in).Enthalpy) * (flow * 60.0);
        const QString shown = ShownOrRefuse(q * EnergyFactor);
        if (!AppendProcessLines(chart_, {{in, out}})) return;
        lblHeatQVal->setText(shown);
        lblHeatQ->setEnabled(true);
    });
}

void frmZolvaneCalc::cmdHeatCancel_Click() {
    frmHeat->hide();
}

void frmZolvaneCalc::cmdCoolCalc_Click() {
    RunGuarded([this] {
        using namespace Global;
        if (!CalcInputCheck()) return;
        const int16_t in = PointOrRefuse(txtCoolInPoint), out = PointOrRefuse(txtCoolOutPoint);
        const float flow = FloatOrRefuse(txtCoolFlow) / MassFactor;                       // lb/min
        const float water = FloatOrRefuse(txtCoolEnt) / EnthalpyFactor + EnthalpyOffset;  // BTU/lb, 0 F datum
        const StatePoint &i = Points(in), &o = Points(out);
        const double removed = static_cast<double>(i.HumidRatio) - o.HumidRatio;  // condensate, lb/lb
        const double q = ((static_cast<double>(i.Enthalpy) - o.Enthalpy) - removed * water) * (flow * 60.0);
        const QString rate = ShownOrRefuse(q * EnergyFactor);
        const QString condensate = ShownOrRefuse(removed * flow * MassFactor);
        if (!AppendProcessLines(chart_, {{in, out}})) return;
        lblCoolRateVal->setText(rate);
        lblCoolWaterFlowVal->setText(condensate);
        lblCoolWaterFlow->setEnabled(true);
        lblCoolRate->setEnabled(true);
    });
}

void frmZolvaneCalc::cmdCoolCancel_Click() {
    CoolInput_Change();
    frmCool->hide();
}
