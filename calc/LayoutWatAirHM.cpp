// Layout of the water/air and heat-and-moisture frames with their choosers and the
// moisture-gain table.
#include <QScrollBar>

#include "Layout.h"
#include "frmZolvaneCalc.h"

using namespace CalcLayout;

namespace {

// A chooser frame over the schematic: six options in a column and an OK button.
struct Choice {
    QRadioButton** option;
    const char* name;
    const char* caption;
};

QGroupBox* BuildChooser(QWidget* parent, const char* name, const char* caption,
                        std::initializer_list<Choice> choices, QPushButton*& ok, const char* okName) {
    QGroupBox* frame = Frame(parent, name, caption, PictureLeft, PictureTop, 3600, 2940);
    int top = 300;
    for (const Choice& c : choices) {
        *c.option = Option(frame, c.name, c.caption, 240, top, 3240);
        top += 360;
    }
    ok = Button(frame, okName, "OK", 1200, top + 60, 1200, 345);
    frame->hide();
    return frame;
}

}  // namespace

void frmZolvaneCalc::BuildWatAirFrame() {
    frmWatAir = Frame(centralWidget(), "frmWatAir", "Adiabatic Mixing of Water/Air", FrameLeft, FrameTop,
                      FrameWidth, FrameHeight);
    txtWatAirInPoint =
        InputRow(frmWatAir, lblWatAirInPoint, "lblWatAirInPoint", "Inlet Point", "txtWatAirInPoint", 360);
    txtWatAirInFlow = InputRow(frmWatAir, lblWatAirInFlow, "lblWatAirInFlow", "Inlet Air Flow (lb/min)",
                               "txtWatAirInFlow", 780);
    txtWatAirEnt =
        InputRow(frmWatAir, lblWatAirEnt, "lblWatAirEnt", "Water Enthalpy (BTU/lb)", "txtWatAirEnt", 1200);
    // The caption follows the chosen outlet quantity.
    txtWatAirInput = InputRow(frmWatAir, lblWatAirInput, "lblWatAirInput", "", "txtWatAirInput", 1620);
    cmdWatAirInput = Button(frmWatAir, "cmdWatAirInput", "Select Input Parameters", CaptionLeft, 2040);
    cmdWatAirMassFlowCalc = Button(frmWatAir, "cmdWatAirMassFlowCalc",
                                   "Calculate Mass  flow from Volumetric flow", CaptionLeft, 2460);
    lblWatAirOutPointVal = ResultRow(frmWatAir, lblWatAirOutPoint, "lblWatAirOutPoint", "Outlet Point",
                                     "lblWatAirOutPointVal", 3000);
    lblWatAirWatFlowVal = ResultRow(frmWatAir, lblWatAirWatFlow, "lblWatAirWatFlow",
                                    "Water Flow (lb/min) =", "lblWatAirWatFlowVal", 3360);
    cmdWatAirCalc = Button(frmWatAir, "cmdWatAirCalc", "Calculate", CaptionLeft, 3900, 1860);
    cmdWatAirCancel = Button(frmWatAir, "cmdWatAirCancel", "Cancel", 2220, 3900, 1860);
    picWatAir = Picture(frmWatAir, "picWatAir", 2775, 2295);
    frmWatAirInput = BuildChooser(frmWatAir, "frmWatAirInput", "Select Input Parameter",
                                  {{&optWatAirDry, "optWatAirDry", "Out. Dry Bulb"},
                                   {&optWatAirWet, "optWatAirWet", "Out. Wet Bulb"},
                                   {&optWatAirDew, "optWatAirDew", "Out. Dew Point"},
                                   {&optWatAirRel, "optWatAirRel", "Out. Rel. Humid."},
                                   {&optWatAirW, "optWatAirW", "Out. Humid. Ratio"},
                                   {&optWatAirWater, "optWatAirWater", "Water Flow"}},
                                  cmdWatAirOutOK, "cmdWatAirOutOK");
    BuildMassFlowFrame(frmWatAir, {{&frmWatAirMassFlowCalc, "frmWatAirMassFlowCalc"},
                                   {&lblWatAirVolFlow, "lblWatAirVolFlow"},
                                   "Inlet Volumetric Flow (ft  /min)",
                                   {&Label3, "Label3"},
                                   {&txtWatAirVolFlow, "txtWatAirVolFlow"},
                                   {nullptr, nullptr},
                                   {nullptr, nullptr},
                                   nullptr,
                                   {nullptr, nullptr},
                                   nullptr,
                                   {&cmdWatAirFlowOK, "cmdWatAirFlowOK"},
                                   {&cmdWatAirFlowClose, "cmdWatAirFlowClose"},
                                   {&lblWatAirMassFlowCalc, "lblWatAirMassFlowCalc"},
                                   {&lblWatAirMassFlowCalcVal, "lblWatAirMassFlowCalcVal"}});
}

void frmZolvaneCalc::BuildHeatMoistFrame() {
    frmHeatMoist = Frame(centralWidget(), "frmHeatMoist", "Heat and Moisture Gains", FrameLeft, FrameTop,
                         FrameWidth, FrameHeight);
    frmKnowPoint = Frame(frmHeatMoist, "frmKnowPoint", "Known Point", CaptionLeft, 240, ColumnWidth, 660);
    optHeatMoistInlet = Option(frmKnowPoint, "optHeatMoistInlet", "Inlet", 240, 270, 1560);
    optHeatMoistOutlet = Option(frmKnowPoint, "optHeatMoistOutlet", "Outlet", 1920, 270, 1560);
    txtHeatMoistPoint = InputRow(frmHeatMoist, lblHeatMoistPoint, "lblHeatMoistPoint", "Point No.",
                                 "txtHeatMoistPoint", 1020);
    txtHeatMoistQ = InputRow(frmHeatMoist, lblHeatMoistQ, "lblHeatMoistQ", "Sensible Heat Gain q (BTU/hr)",
                             "txtHeatMoistQ", 1440);

    frmMoistGain =
        Frame(frmHeatMoist, "frmMoistGain", "Moisture Heat Gains", CaptionLeft, 1860, ColumnWidth, 1500);
    lblMoistGainFlow = Caption(frmMoistGain, "lblMoistGainFlow", "Mass Flowrate (lb/hr)", 120, 330, 2520);
    txtMoistGainFlow = Box(frmMoistGain, "txtMoistGainFlow", 2640, 300);
    lblMoistGainEnt = Caption(frmMoistGain, "lblMoistGainEnt", "Water Enthalpy (BTU/lb)", 120, 720, 2520);
    txtMoistGainEnt = Box(frmMoistGain, "txtMoistGainEnt", 2640, 690);
    cmdMoistGain = Button(frmMoistGain, "cmdMoistGain", "More than one input...", 120, 1050, 3720, 345);

    cmdHMInputParam = Button(frmHeatMoist, "cmdHMInputParam", "...", CaptionLeft, 3450, 420, 300);
    lblHMInputParam = Caption(frmHeatMoist, "lblHMInputParam", "Outlet Dew Point (F)", 660, 3480, 3420);
    txtHMInputParam = Box(frmHeatMoist, "txtHMInputParam", FieldLeft, 3810);

    SSFrame1 = Frame(frmHeatMoist, "SSFrame1", "Output Parameters", CaptionLeft, 4200, ColumnWidth, 1440);
    lblHMOutputPoint = Caption(SSFrame1, "lblHMOutputPoint", "Outlet Point No.", 120, 300, 2400);
    lblHMOutputPointVal = Value(SSFrame1, "lblHMOutputPointVal", 2640, 300);
    lblHMOutputFlow = Caption(SSFrame1, "lblHMOutputFlow", "Air Flowrate (lb/min)", 120, 660, 2400);
    lblHMOutputFlowVal = Value(SSFrame1, "lblHMOutputFlowVal", 2640, 660);
    lblHMOutputFlowcfm = Caption(SSFrame1, "lblHMOutputFlowcfm", "(ft  /min)", 120, 1020, 2400);
    lblOutCFM = Value(SSFrame1, "lblOutCFM", 2640, 1020);
    lblcube = Exponent(SSFrame1, "lblcube");

    cmdHMCalc = Button(frmHeatMoist, "cmdHMCalc", "Calculate", CaptionLeft, 5760, 1860);
    cmdHMCancel = Button(frmHeatMoist, "cmdHMCancel", "Cancel", 2220, 5760, 1860);
    picMoist = Picture(frmHeatMoist, "picMoist", 2655, 2295);
    frmHMInputParam = BuildChooser(frmHeatMoist, "frmHMInputParam", "Select Input Parmater",
                                   {{&optHMInputDry, "optHMInputDry", "Outlet Dry Bulb (F)"},
                                    {&optHMInputWet, "optHMInputWet", "Outlet Wet Bulb (F)"},
                                    {&optHMInputDew, "optHMInputDew", "Outlet Dew Point (F)"},
                                    {&optHMInputPhi, "optHMInputPhi", "Outlet Rel. Humidity (%)"},
                                    {&optHMInputW, "optHMInputW", "Outlet Humid. Ratio (lb/lb)"},
                                    {&optHMInputFlow, "optHMInputFlow", "Air Flowrate (lb/min)"}},
                                   cmdHMInputOK, "cmdHMInputOK");

    // The moisture-gain table: five rows of flow and enthalpy, a scroll bar once there are more.
    frmMoistGainMore = Frame(frmHeatMoist, "frmMoistGainMore", "", PictureLeft, PictureTop, 4680, 2940);
    lblHMFlow = Caption(frmMoistGainMore, "lblHMFlow", "Mass Flow", 360, 180, 1680);
    lblHMEnth = Caption(frmMoistGainMore, "lblHMEnth", "Water Enthalpy", 2160, 180, 1680);
    for (int k = 0; k < 5; ++k) {
        txtHMFlow[k] = Box(frmMoistGainMore, QString("txtHMFlow(%1)").arg(k), 360, 480 + k * 360, 1680);
        txtMHEnth[k] = Box(frmMoistGainMore, QString("txtMHEnth(%1)").arg(k), 2160, 480 + k * 360, 1680);
    }
    scrlHMMoist = Make<QScrollBar>(frmMoistGainMore, "scrlHMMoist", 3960, 480, 255, 1740, Qt::Vertical);
    scrlHMMoist->setMinimum(1);
    scrlHMMoist->setMaximum(1);
    scrlHMMoist->hide();
    cmdHMMoistAdd = Button(frmMoistGainMore, "cmdHMMoistAdd", "Add a Row", 240, 2400, 1320);
    cmdHMMoistOK = Button(frmMoistGainMore, "cmdHMMoistOK", "OK", 1680, 2400, 1320);
    cmdHMMoistCancel = Button(frmMoistGainMore, "cmdHMMoistCancel", "Cancel", 3120, 2400, 1320);
    frmMoistGainMore->hide();
}
