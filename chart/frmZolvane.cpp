// Layout of the chart window: frames, controls and menus, in twips.
#include "frmZolvane.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "CommonDialog.h"
#include "Controls.h"
#include "PictureBox.h"
#include "Screen.h"
#include "Widgets.h"

using Chart::AddItem;
using Chart::AddSeparator;
using Chart::Make;
using Platform::Label;
using Platform::Place;

namespace {

constexpr int ColumnWidth = 3690;  // the left column of frames; the chart takes the rest

QScrollBar* MakeHScroll(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* bar = Make<QScrollBar>(parent, name, l, t, w, h, Qt::Horizontal);
    bar->setMinimum(1);
    bar->setMaximum(1);
    bar->setPageStep(1);  // a click beside the thumb moves one point or line
    bar->hide();
    return bar;
}

// A panel: row headings at left 120 from top 360, 240 apart; value columns 1 and 2.
struct PanelRow {
    Label** heading;
    const char* headingName;
    const char* caption;
    LabelPair* values;
    const char* valueName;
};

void BuildPanelRows(QWidget* frame, std::initializer_list<PanelRow> rows) {
    int top = 360;
    for (const PanelRow& row : rows) {
        *row.heading = Make<Label>(frame, row.headingName, 120, top, 1335, 255, row.caption);
        (*row.values)[0] = nullptr;
        for (int index = 1; index <= 2; ++index)
            (*row.values)[index] = Chart::ValueLabel(frame, QString("%1(%2)").arg(row.valueName).arg(index),
                                                     index == 1 ? 1440 : 2280, top, 855);
        top += 240;
    }
}

}  // namespace

frmZolvane::frmZolvane() {
    setObjectName("frmZolvane");
    setWindowTitle("Dazureduzerer Uzirez");
    // The frames are laid out in twips for a narrow 8-point face.
    QFont face("Liberation Sans");
    face.setPointSizeF(8.25);
    setFont(face);
    setCentralWidget(new QWidget(this));
    centralWidget()->setMouseTracking(true);
    setMouseTracking(true);

    BuildInputFrame();
    BuildOutputFrame();
    BuildProcessFrame();
    BuildUnitsFrame();
    BuildPressureFrame();
    BuildChartOptions();
    BuildMenus();

    picZolvane = Make<Platform::PictureBox>(centralWidget(), "picZolvane", ColumnWidth - 90, 0, 0, 0);
    cmdlgChartColor = new Platform::CommonDialog;
    cmdlgChartColor->HelpFile = "Zolvane.hlp";
    cmdlgChartColor->Parent = this;

    ConnectHandlers();
    // This and every window and dialog opened from it stay within the screen.
    Platform::KeepWindowsOnScreen();
    resize(1200, 760);
    Form_Load();
}

frmZolvane::~frmZolvane() {
    delete cmdlgChartColor;
}

void frmZolvane::BuildInputFrame() {
    frmInput = Chart::Frame(centralWidget(), "frmInput", "Input", 120, 0, 3375, 3375);
    struct Entry {
        QCheckBox** check;
        const char* checkName;
        Label** label;
        const char* labelName;
        const char* caption;
        QLineEdit** text;
        const char* textName;
    };
    const Entry entries[] = {
        {&chkDryBulb, "chkDryBulb", &lblDryBulb, "lblDryBulb", "Dry Bulb temp (F)", &txtDryBulb,
         "txtDryBulb"},
        {&chkWetBulb, "chkWetBulb", &lblWetBulb, "lblWetBulb", "Wet Bulb Temp (F)", &txtWetBulb,
         "txtWetBulb"},
        {&chkDewPoint, "chkDewPoint", &lblDewPoint, "lblDewPoint", "Dew Point (F)", &txtDewPoint,
         "txtDewPoint"},
        {&chkRelHumid, "chkRelHumid", &lblRelHumid, "lblRelHumid", "Relative Humidity (%)", &txtRelHumid,
         "txtRelHumid"},
    };
    int top = 300;
    for (const Entry& e : entries) {
        *e.check = Make<QCheckBox>(frmInput, e.checkName, 120, top + 15, 255, 255, "");
        *e.label = Make<Label>(frmInput, e.labelName, 420, top + 15, 1695, 255, e.caption);
        *e.text = Make<QLineEdit>(frmInput, e.textName, 2160, top, 1095, 300);
        top += 345;
    }
    cmdCalculate = Make<QPushButton>(frmInput, "cmdCalculate", 120, 1710, 3135, 345, "Calculate");
    cmdCalculate->setToolTip("Evaluate Input Values");

    struct Output {
        Label** label;
        const char* labelName;
        const char* caption;
        Label** value;
        const char* valueName;
    };
    const Output outputs[] = {
        {&lblEnthalpy, "lblEnthalpy", "Enthalpy (BTU/lb)", &lblEnthalpyVal, "lblEnthalpyVal"},
        {&lblHumidRatio, "lblHumidRatio", "Humidity Ratio (lb/lb)", &lblHumidRatioVal, "lblHumidRatioVal"},
        {&lblVaporPress, "lblVaporPress", "Vapor Pressure (psia)", &lblVaporPressVal, "lblVaporPressVal"},
        {&lblSatDegree, "lblSatDegree", "Degree of Sat. (%)", &lblSatDegreeVal, "lblSatDegreeVal"},
        {&lblSpVol, "lblSpVol", "Specific Volume (ft  /lb)", &lblSpVolVal, "lblSpVolVal"},
    };
    // Five rows 240 apart end inside the frame's border, clear of Calculate above.
    top = 2100;
    for (const Output& o : outputs) {
        *o.label = Make<Label>(frmInput, o.labelName, 120, top, 1995, 255, o.caption);
        *o.value = Make<Label>(frmInput, o.valueName, 2160, top, 1095, 255, "");
        (*o.value)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        top += 240;
    }
    // The exponent of the length unit, placed in the gap of the specific-volume caption.
    lblCubed = Make<Label>(frmInput, "lblCubed", 0, 0, 120, 195, "3");
    QFont small = lblCubed->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    lblCubed->setFont(small);
}

void frmZolvane::BuildOutputFrame() {
    frmOutput = Chart::Frame(centralWidget(), "frmOutput", "Output", 120, 3360, 3375, 3135);
    BuildPanelRows(
        frmOutput,
        {
            {&lblPoint, "lblPoint", "Point Number", &lblPointOutVal, "lblPointOutVal"},
            {&lblDryOut, "lblDryOut", "Dry Bulb", &lblDryOutVal, "lblDryOutVal"},
            {&lblWetOut, "lblWetOut", "Wet Bulb", &lblWetOutVal, "lblWetOutVal"},
            {&lblDewOut, "lblDewOut", "Dew Point", &lblDewOutVal, "lblDewOutVal"},
            {&lblRelHumidOut, "lblRelHumidOut", "Relative Humidity", &lblRHOutVal, "lblRHOutVal"},
            {&lblEnthalpyOut, "lblEnthalpyOut", "Enthalpy", &lblEnthalpyOutVal, "lblEnthalpyOutVal"},
            {&lblHumidRatioOut, "lblHumidRatioOut", "Humidity Ratio", &lblWOutVal, "lblWOutVal"},
            {&lblVaporPressOut, "lblVaporPressOut", "Vapor Pressure", &lblVPOutVal, "lblVPOutVal"},
            {&lblSatDegreeOut, "lblSatDegreeOut", "Degree of Sat.", &lblUOutVal, "lblUOutVal"},
            {&lblSpecificVolOut, "lblSpecificVolOut", "Specific Volume", &lblSpVolOutVal, "lblSpVolOutVal"},
        });
    scrlOutput = MakeHScroll(frmOutput, "scrlOutput", 1440, 2775, 1695, 255);

    chkLines = Make<QCheckBox>(centralWidget(), "chkLines", 240, 6600, 3135, 300, "Lines Disabled");
    chkLines->setToolTip("Allows Points to be connected");
}

void frmZolvane::BuildProcessFrame() {
    frmProcess = Chart::Frame(centralWidget(), "frmProcess", "Process Lines", 120, 0, 3375, 3375);
    BuildPanelRows(
        frmProcess,
        {
            {&lblFromPoint, "lblFromPoint", "From Point", &lblFromVal, "lblFromVal"},
            {&lblToPoint, "lblToPoint", "To Point", &lblToVal, "lblToVal"},
            {&lblDeltaDry, "lblDeltaDry", "Dry Bulb", &lblDeltaDryVal, "lblDeltaDryVal"},
            {&lblDeltaWet, "lblDeltaWet", "Wet Bulb", &lblDeltaWetVal, "lblDeltaWetVal"},
            {&lblDetlaDew, "lblDetlaDew", "Dew Point", &lblDeltaDewVal, "lblDeltaDewVal"},
            {&lblDeltaRH, "lblDeltaRH", "Relative Humidity", &lblDeltaRHVal, "lblDeltaRHVal"},
            {&lblDeltah, "lblDeltah", "Enthalpy", &lblDeltahVal, "lblDeltahVal"},
            {&lblDeltaW, "lblDeltaW", "Humidity Ratio", &lblDeltaWVal, "lblDeltaWVal"},
            {&lblDeltaVP, "lblDeltaVP", "Vapor Pressure", &lblDeltaVPVal, "lblDeltaVPVal"},
            {&lblDeltaU, "lblDeltaU", "Degree of Sat", &lblDeltaUVal, "lblDeltaUVal"},
            {&lblDeltaSpVol, "lblDeltaSpVol", "Specific Volume", &lblDeltaSpVolVal, "lblDeltaSpVolVal"},
        });
    scrlProcess = MakeHScroll(frmProcess, "scrlProcess", 120, 3015, 3015, 255);
    frmProcess->hide();
}

void frmZolvane::BuildUnitsFrame() {
    frmUnits = Chart::Frame(centralWidget(), "frmUnits", "Units", 120, 0, 3375, 3375);
    optUSUnits = Make<QRadioButton>(frmUnits, "optUSUnits", 360, 360, 2655, 300, "US Units");
    optUSUnits->setToolTip("Convert to US Units");
    optMetricUnits = Make<QRadioButton>(frmUnits, "optMetricUnits", 360, 720, 2655, 300, "Metric Units");
    optMetricUnits->setToolTip("Convert to Metric Units");
    cmdUnitsOK = Make<QPushButton>(frmUnits, "cmdUnitsOK", 1080, 1110, 1215, 345, "OK");
    frmUnits->hide();
}

void frmZolvane::BuildMenus() {
    QMenuBar* bar = menuBar();
    File = bar->addMenu("&File");
    File->setObjectName("File");
    mnuFileOpen = AddItem(File, "mnuFileOpen", "&Open...");
    mnuFileSave = AddItem(File, "mnuFileSave", "&Save...");
    mnuFileSep1 = AddSeparator(File, "mnuFileSep1");
    mnuFilePrintSetup = AddItem(File, "mnuFilePrintSetup", "Print &Setup");
    mnuFilePrint = AddItem(File, "mnuFilePrint", "&Print");
    mnuFileSep = AddSeparator(File, "mnuFileSep");
    mnuFileExit = AddItem(File, "mnuFileExit", "&Exit");

    mnuEdit = bar->addMenu("&Edit");
    mnuEdit->setObjectName("mnuEdit");
    mnuEditDeletePoints = AddItem(mnuEdit, "mnuEditDeletePoints", "&Delete Points", "Ctrl+P");
    mnuEditDeleteLines = AddItem(mnuEdit, "mnuEditDeleteLines", "Delete &Lines", "Ctrl+L");
    mnuEditSep = AddSeparator(mnuEdit, "mnuEditSep");
    mnuEditClear = AddItem(mnuEdit, "mnuEditClear", "Clear &All", "Ctrl+A");

    mnuOptions = bar->addMenu("&Options");
    mnuOptions->setObjectName("mnuOptions");
    mnuOptPress = AddItem(mnuOptions, "mnuOptPress", "P&ressure");
    mnuOptSep0 = AddSeparator(mnuOptions, "mnuOptSep0");
    mnuOptionsUnits = AddItem(mnuOptions, "mnuOptionsUnits", "&Units...");
    mnuOptSep1 = AddSeparator(mnuOptions, "mnuOptSep1");
    mnuOptionsChart = AddItem(mnuOptions, "mnuOptionsChart", "&Chart...");
    mnuOptSep2 = AddSeparator(mnuOptions, "mnuOptSep2");
    mnuOptionsProcess = AddItem(mnuOptions, "mnuOptionsProcess", "&Process Lines");
    mnuOptionsProcess->setCheckable(true);
    mnuOptSep3 = AddSeparator(mnuOptions, "mnuOptSep3");
    mnuOptionsCalc = mnuOptions->addMenu("P&rocess Calculations");
    mnuOptionsCalc->setObjectName("mnuOptionsCalc");
    mnuOptProcHeat = AddItem(mnuOptionsCalc, "mnuOptProcHeat", "Moist Air Heating ...");
    mnuOptProcCool = AddItem(mnuOptionsCalc, "mnuOptProcCool", "Moist Air Cooling ...");
    mnuOptProcAirAir = AddItem(mnuOptionsCalc, "mnuOptProcAirAir", "Adiabatic Mixing Air/Air ...");
    mnuOptProcWatAir = AddItem(mnuOptionsCalc, "mnuOptProcWatAir", "Adiabatic Mixing Water/Air ...");
    mnuOptProcHM = AddItem(mnuOptionsCalc, "mnuOptProcHM", "Heat and Moisture Gains ...");

    mnuHelp = bar->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuHelpContents = AddItem(mnuHelp, "mnuHelpContents", "&Contents...");
    mnuHelpSearch = AddItem(mnuHelp, "mnuHelpSearch", "&Search Help...");
    mnuHelpSep = AddSeparator(mnuHelp, "mnuHelpSep");
    mnuHelpAbout = AddItem(mnuHelp, "mnuHelpAbout", "&About");
}
