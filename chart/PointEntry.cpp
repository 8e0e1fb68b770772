// Point entry from the Input frame and the selected point.
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <optional>

#include "ChartTables.h"
#include "Controls.h"
#include "Global.h"
#include "Screen.h"
#include "Widgets.h"
#include "frmZolvane.h"

namespace {

using Chart::ReadNumber;

// A typed temperature in display units, in Rankine.
float TypedTemperature(const QLineEdit* box) {
    return static_cast<float>((ReadNumber(box).value_or(0) + Global::TempOffset) / Global::TempScale);
}

float TypedRelHumid(const QLineEdit* box) {
    return static_cast<float>(ReadNumber(box).value_or(0) / 100);
}

void Toggle(QCheckBox* box) {
    box->setChecked(!box->isChecked());
}

}  // namespace

using Chart::Shown;

bool frmZolvane::InputCheck() {
    struct Entry {
        QCheckBox* check;
        QLineEdit* text;
        double min;
        bool minAllowed;
        const char* message;
    };
    const Entry entries[] = {
        {chkDryBulb, txtDryBulb, -200, true, "Invalid Dry Bulb"},
        {chkDewPoint, txtDewPoint, -200, true, "Invalid Dew Point"},
        {chkRelHumid, txtRelHumid, 0, false, "Invalid Relative Humidity"},
        {chkWetBulb, txtWetBulb, -200, true, "Invalid Wet Bulb"},
    };
    for (const Entry& e : entries) {
        if (!e.check->isChecked()) continue;
        const double max = e.check == chkRelHumid ? 100 : 500;
        const std::optional<double> v = ReadNumber(e.text);
        if (!v || (e.minAllowed ? *v < e.min : *v <= e.min) || *v > max) {
            Global::ShowMessage(e.message);
            return false;
        }
    }
    return true;
}

void frmZolvane::cmdCalculate_Click() {
    using namespace Global;
    const Platform::Hourglass hourglass;  // for the whole calculation
    if (!InputCheck()) return;
    const int ticked = chkDryBulb->isChecked() + chkWetBulb->isChecked() + chkDewPoint->isChecked() +
                       chkRelHumid->isChecked();
    if (ticked != 2) {
        ShowMessage(ticked > 2 ? "Please check only two input paramters"
                               : "Two input parameters must be checked");
        return;
    }
    if (NumPoints >= MaxCount) {
        ShowMessage("The chart already holds 32767 points, the most it can hold. Delete points to add more.");
        return;
    }

    // Each known property: its box, its text and where its value goes.
    struct Known {
        QCheckBox* check;
        QLineEdit* text;
        float& value;
        bool temperature;
    };
    const Known dry{chkDryBulb, txtDryBulb, DryBulb, true}, wet{chkWetBulb, txtWetBulb, WetBulb, true},
        dew{chkDewPoint, txtDewPoint, DewPoint, true}, rh{chkRelHumid, txtRelHumid, RelHumid, false};
    struct Pair {
        const Known& first;
        const Known& second;
        bool (*solve)();
    };
    const Pair pairs[] = {{dry, wet, CalcDryBulbWetBulb}, {dry, dew, CalcDryBulbDewPoint},
                          {dry, rh, CalcDryBulbRelHumid}, {dew, wet, CalcWetBulbDewPoint},
                          {wet, rh, CalcWetBulbRelHumid}, {dew, rh, CalcDewPointRelHumid}};
    bool solved = false;
    for (const Pair& pair : pairs) {
        if (!pair.first.check->isChecked() || !pair.second.check->isChecked()) continue;
        for (const Known* known : {&pair.first, &pair.second})
            known->value = known->temperature ? TypedTemperature(known->text) : TypedRelHumid(known->text);
        // The solver takes a wet bulb above the dry bulb, as the searches along a process
        // line try such states on their way, but as a point it is no state of moist air.
        if (pair.solve == CalcDryBulbWetBulb && WetBulb > static_cast<double>(DryBulb) + DewPointOvershoot) {
            ShowMessage(MsgWetBulbAboveDryBulb);
            return;
        }
        solved = pair.solve();
        break;
    }
    if (!solved) return;  // the solver has said why

    ++NumPoints;
    Points.ReDim(NumPoints);
    StatePoint& p = Points(NumPoints);
    p = Chart::CurrentRecord();
    p.MarkerColor = ColorRed;
    ShowPointState(NumPoints);
    if (NumPoints > 2) scrlOutput->show();
    ShowOutputPoints(NumPoints);
}

void frmZolvane::lblDryBulb_Click() {
    Toggle(chkDryBulb);
}
void frmZolvane::lblWetBulb_Click() {
    Toggle(chkWetBulb);
}
void frmZolvane::lblDewPoint_Click() {
    Toggle(chkDewPoint);
}
void frmZolvane::lblRelHumid_Click() {
    Toggle(chkRelHumid);
}

void frmZolvane::SelectPoint(int16_t PointNo) {
    using namespace Global;
    if (PointNo < 1 || NumPoints < 1) return;
    for (int i = 1; i <= NumPoints; ++i) {
        StatePoint& p = Points(i);
        if (i != PointNo) {
            p.MarkerColor = ColorRed;
            continue;
        }
        p.MarkerColor = ColorBlue;
        DryBulb = p.DryBulb;
        DewPoint = p.DewPoint;
        WetBulb = p.WetBulb;
        HumidRatio = p.HumidRatio;
        Enthalpy = p.Enthalpy;
        RelHumid = p.RelHumid;
        SatDegree = p.SatDegree;
        SpVol = p.SpVol;
    }
}

void frmZolvane::ShowPointState(int16_t PointNo) {
    using namespace Global;
    SelectPoint(PointNo);
    txtDryBulb->setText(Shown(DryBulb * TempScale - TempOffset, 2));
    txtWetBulb->setText(Shown(WetBulb * TempScale - TempOffset, 2));
    txtDewPoint->setText(Shown(DewPoint * TempScale - TempOffset, 2));
    txtRelHumid->setText(Shown(RelHumid * 100.0f, 99));
    lblEnthalpyVal->setText(Shown((Enthalpy - EnthalpyOffset) * EnthalpyFactor, 99));
    lblHumidRatioVal->setText(Shown(HumidRatio, 99));
    lblVaporPressVal->setText(Shown(CalcSatPress(DewPoint) * PressFactor, 99));
    lblSatDegreeVal->setText(Shown(SatDegree * 100.0f, 99));
    lblSpVolVal->setText(Shown(SpVol * SpVolFactor, 99));
    if (AutoScaleChart()) BuildChartTables(Chart::ModeScreen);
    PlotChartPoints(Chart::ModeScreen);
}
