// The unit-system options and the refresh of everything that shows converted values.
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "ChartTables.h"
#include "Controls.h"
#include "Global.h"
#include "UnitSystem.h"
#include "Widgets.h"
#include "frmZolvane.h"

void frmZolvane::optUSUnits_Click() {
    if (optUSUnits->isChecked()) Chart::SetUnitSystem(true);
}

void frmZolvane::optMetricUnits_Click() {
    if (optMetricUnits->isChecked()) Chart::SetUnitSystem(false);
}

void frmZolvane::mnuOptionsUnits_Click() {
    tabChart->hide();
    frmUnits->show();
    frmUnits->raise();
}

void frmZolvane::cmdUnitsOK_Click() {
    using namespace Global;
    if (NumPoints >= 1) {
        ShowPointState(NumPoints);
        if (NumPoints > 2) scrlOutput->show();
        ShowOutputPoints(NumPoints);
    }
    if (ProcLines.UBound(1) >= 1) ShowProcessLines(static_cast<int16_t>(ProcLines.UBound(1)));
    AutoScaleChart();
    BuildChartTables(Chart::ModeScreen);
    PlotChartPoints(Chart::ModeScreen);
    SetUnitCaptions();
    frmUnits->hide();
}

void frmZolvane::SetUnitCaptions() {
    using namespace Global;
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    lblDryBulb->setText("Dry Bulb Temp (" + q(TempUnit) + ")");
    lblWetBulb->setText("Wet Bulb Temp (" + q(TempUnit) + ")");
    lblDewPoint->setText("Dew Point Temp (" + q(TempUnit) + ")");
    lblEnthalpy->setText("Enthalpy (" + q(EnthalpyUnit) + ")");
    lblHumidRatio->setText("Humidity Ratio (" + q(MassUnit) + "/" + q(MassUnit) + ")");
    lblVaporPress->setText("Vapor Pressure (" + q(PressUnit) + ")");
    lblSpVol->setText("Specific Volume (" + q(LengthUnit) + "  /" + q(MassUnit) + ")");
    Chart::PlaceExponent(lblSpVol, lblCubed);
}
