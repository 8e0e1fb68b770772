// The Atmospheric Pressure frame: pressure or altitude, the other from the standard atmosphere.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "Atmosphere.h"
#include "ChartTables.h"
#include "Controls.h"
#include "Global.h"
#include "Widgets.h"
#include "frmZolvane.h"

void frmZolvane::BuildPressureFrame() {
    using Chart::Make;
    frmPress = Make<QGroupBox>(centralWidget(), "frmPress", 120, 0, 3375, 3375, "Atmospheric Pressure");
    frmPress->setAutoFillBackground(true);
    Label1 = Make<Platform::Label>(frmPress, "Label1", 120, 300, 3135, 255,
                                   "Enter Atmospheric Pressure or Altitude");
    optPress = Make<QRadioButton>(frmPress, "optPress", 120, 720, 1815, 300, "Pressure ");
    optPress->setChecked(true);
    txtPress = Make<QLineEdit>(frmPress, "txtPress", 2040, 720, 1215, 300);
    optAlt = Make<QRadioButton>(frmPress, "optAlt", 120, 1200, 1815, 300, "Altitude");
    txtAlt = Make<QLineEdit>(frmPress, "txtAlt", 2040, 1200, 1215, 300);
    cmdPressOK = Make<QPushButton>(frmPress, "cmdPressOK", 360, 1800, 1215, 375, "OK");
    cmdClose = Make<QPushButton>(frmPress, "cmdClose", 1800, 1800, 1215, 375, "Close");
    frmPress->hide();
}

void frmZolvane::ConnectPressureHandlers() {
    connect(mnuOptPress, &QAction::triggered, this, [this] { mnuOptPress_Click(); });
    connect(cmdPressOK, &QPushButton::clicked, this, [this] { cmdPressOK_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmZolvane::mnuOptPress_Click() {
    using namespace Global;
    frmPress->show();
    frmPress->raise();
    optPress->setText(QString::fromStdString("Pressure (" + PressUnit + ")"));
    optAlt->setText(QString::fromStdString("Altitude (" + LengthUnit + ")"));
    txtPress->setText(Chart::Shown(Press * PressFactor, 99));
    txtAlt->setText(Chart::Shown(Alt * LengthFactor, 99));
}

void frmZolvane::cmdPressOK_Click() {
    using namespace Global;
    // A refused entry leaves the pressure in force as it was.
    // Below the altitude floor (a pressure above about 17.55 psia) no chart can be built.
    const bool byPressure = optPress->isChecked();
    const std::optional<double> typed = Chart::ReadNumber(byPressure ? txtPress : txtAlt);
    std::optional<Chart::Barometer> entry;
    if (typed)
        entry = byPressure ? Chart::FromPressure(*typed / PressFactor) : Chart::FromAltitude(*typed / LengthFactor);
    if (!entry || entry->alt < Chart::AltitudeFloor) {
        ShowMessage(byPressure ? "Invalid Pressure" : "Invalid Altitude");
        return;
    }
    if (entry->alt > Chart::AltitudeLimit) {
        ShowMessage("Altitudes are valid only below " + FormatValue(Chart::AltitudeLimit * LengthFactor, 0) +
                    " " + LengthUnit);
        return;
    }
    Press = entry->press;
    Alt = entry->alt;
    PressInHg = entry->pressInHg;
    txtPress->setText(Chart::Shown(Press * PressFactor, 99));
    txtAlt->setText(Chart::Shown(Alt * LengthFactor, 99));
}

void frmZolvane::cmdClose_Click() {
    frmPress->hide();
    BuildChartTables(Chart::ModeScreen);
    PlotChartPoints(Chart::ModeScreen);
}
