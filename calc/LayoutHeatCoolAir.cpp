// Layout of the heating, cooling and air/air frames and of the mass-flow frames.
#include "Layout.h"
#include "frmZolvaneCalc.h"

using namespace CalcLayout;

namespace {

template <class T, class... Args>
T* Fill(Slot<T> slot, QWidget* parent, int l, int t, int w, int h, Args&&... args) {
    if (!slot.widget) return nullptr;
    *slot.widget = Make<T>(parent, slot.name, l, t, w, h, std::forward<Args>(args)...);
    return *slot.widget;
}

}  // namespace

void CalcLayout::BuildMassFlowFrame(QWidget* parent, const MassFlowFrame& f) {
    QGroupBox* frame = *f.frame.widget =
        Frame(parent, f.frame.name, "Mass Flow Calculator", CaptionLeft, MassFlowTop, 7560, 1380);
    Fill(f.volume, frame, 120, 360, 2880, 255, f.volumeCaption);
    Fill(f.box, frame, 3120, 330, 1200, 300);
    Fill(f.at, frame, 4440, 360, 300, 255, "at");
    Fill(f.first, frame, 4800, 330, 1200, 300, f.firstCaption);
    Fill(f.second, frame, 6120, 330, 1320, 300, f.secondCaption);
    Fill(f.mass, frame, 120, 840, 2880, 255, "Mass Flow (lb/min) =");
    *f.massValue.widget = Value(frame, f.massValue.name, 3120, 840);
    Fill(f.ok, frame, 4800, 780, 1200, 375, "OK");
    Fill(f.close, frame, 6120, 780, 1200, 375, "Close");
    *f.exponent.widget = Exponent(frame, f.exponent.name);
    frame->hide();
}

void frmZolvaneCalc::BuildHeatFrame() {
    frmHeat =
        Frame(centralWidget(), "frmHeat", "Moist Air Heating", FrameLeft, FrameTop, FrameWidth, FrameHeight);
    txtHeatInPoint =
        InputRow(frmHeat, lblHeatInPoint, "lblHeatInPoint", "Inlet Point", "txtHeatInPoint", 360);
    txtHeatOutPoint =
        InputRow(frmHeat, lblHeatOutPoint, "lblHeatOutPoint", "Outlet Point", "txtHeatOutPoint", 780);
    txtHeatFlow = InputRow(frmHeat, lblHeatFlow, "lblHeatFlow", "Air Flowrate (lb/min)", "txtHeatFlow", 1200);
    cmdHeatFlowCalc =
        Button(frmHeat, "cmdHeatFlowCalc", "Calculate Mass  flow from Volumetric flow", CaptionLeft, 1680);
    lblHeatQVal = ResultRow(frmHeat, lblHeatQ, "lblHeatQ", "Heat rate q (BTU/hr) =", "lblHeatQVal", 2280);
    cmdHeatCalc = Button(frmHeat, "cmdHeatCalc", "Calculate", CaptionLeft, 2880, 1860);
    cmdHeatCancel = Button(frmHeat, "cmdHeatCancel", "Cancel", 2220, 2880, 1860);
    picHeat = Picture(frmHeat, "picHeat", 2775, 2295);
    BuildMassFlowFrame(frmHeat, {{&frmHeatFlowCalc, "frmHeatFlowCalc"},
                                 {&lblHeatVolFlow, "lblHeatVolFlow"},
                                 "Volumetric Flow (ft  /min)",
                                 {&Label1, "Label1"},
                                 {&txtHeatVolFlow, "txtHeatVolFlow"},
                                 {&lblHeatAt, "lblHeatAt"},
                                 {&optHeatInPoint, "optHeatInPoint"},
                                 "Inlet",
                                 {&optHeatOutPoint, "optHeatOutPoint"},
                                 "Outlet",
                                 {&cmdHeatFlowOK, "cmdHeatFlowOK"},
                                 {&cmdHeatFlowClosel, "cmdHeatFlowClosel"},
                                 {&lblHeatMassFlow, "lblHeatMassFlow"},
                                 {&lblHeatMassFlowVal, "lblHeatMassFlowVal"}});
}

void frmZolvaneCalc::BuildCoolFrame() {
    frmCool =
        Frame(centralWidget(), "frmCool", "Moist Air Cooling", FrameLeft, FrameTop, FrameWidth, FrameHeight);
    txtCoolInPoint =
        InputRow(frmCool, lblCoolInPoint, "lblCoolInPoint", "Inlet Point", "txtCoolInPoint", 360);
    txtCoolOutPoint =
        InputRow(frmCool, lblCoolOutPoint, "lblCoolOutPoint", "Outlet Point", "txtCoolOutPoint", 780);
    txtCoolFlow = InputRow(frmCool, lblCoolFlow, "lblCoolFlow", "Air Flowrate (lb/min)", "txtCoolFlow", 1200);
    txtCoolEnt = InputRow(frmCool, lblCoolEnt, "lblCoolEnt", "Water Enthalpy (BTU/lb)", "txtCoolEnt", 1620);
    cmdCoolVolFlow =
        Button(frmCool, "cmdCoolVolFlow", "Calculate Mass  flow from Volumetric flow", CaptionLeft, 2100);
    lblCoolWaterFlowVal = ResultRow(frmCool, lblCoolWaterFlow, "lblCoolWaterFlow", "Water Flow (lb/min)",
                                    "lblCoolWaterFlowVal", 2640);
    lblCoolRateVal =
        ResultRow(frmCool, lblCoolRate, "lblCoolRate", "Heat rate q (BTU/hr) =", "lblCoolRateVal", 3000);
    cmdCoolCalc = Button(frmCool, "cmdCoolCalc", "Calculate", CaptionLeft, 3540, 1860);
    cmdCoolCancel = Button(frmCool, "cmdCoolCancel", "Cancel", 2220, 3540, 1860);
    picCool = Picture(frmCool, "picCool", 2775, 2295);
    BuildMassFlowFrame(frmCool, {{&frmCoolMassFlow, "frmCoolMassFlow"},
                                 {&lblCoolVolFlow, "lblCoolVolFlow"},
                                 "Volumetric Flow (ft  /min)",
                                 {&Label2, "Label2"},
                                 {&txtCoolVolFlow, "txtCoolVolFlow"},
                                 {&lblCoolAt, "lblCoolAt"},
                                 {&optCoolIn, "optCoolIn"},
                                 "Inlet",
                                 {&optCoolOut, "optCoolOut"},
                                 "Outlet",
                                 {&cmdCoolOK, "cmdCoolOK"},
                                 {&cmdCoolClose, "cmdCoolClose"},
                                 {&lblCoolMassFlow, "lblCoolMassFlow"},
                                 {&lblCoolMassFlowVal, "lblCoolMassFlowVal"}});
}

void frmZolvaneCalc::BuildAirAirFrame() {
    frmAirAir = Frame(centralWidget(), "frmAirAir", "Adiabatic Mixing of Air/Air", FrameLeft, FrameTop,
                      FrameWidth, FrameHeight);
    frmAirAirInlet = Frame(frmAirAir, "frmAirAirInlet", "Inlet", CaptionLeft, 240, ColumnWidth, 1500);
    lblAirInPoint = Caption(frmAirAirInlet, "lblAirInPoint", "Point No.", 720, 300, 1440);
    lblAirInFlow = Caption(frmAirAirInlet, "lblAirInFlow", "Air Flow (lb/min)", 2280, 300, 1560);
    lblAirAir1st = Caption(frmAirAirInlet, "lblAirAir1st", "1st", 120, 690, 540);
    txtAirInPoint1 = Box(frmAirAirInlet, "txtAirInPoint1", 720, 660, 1440);
    txtAirFlowIn1 = Box(frmAirAirInlet, "txtAirFlowIn1", 2280, 660, 1560);
    lblAirAir2nd = Caption(frmAirAirInlet, "lblAirAir2nd", "2nd", 120, 1110, 540);
    txtAirInPoint2 = Box(frmAirAirInlet, "txtAirInPoint2", 720, 1080, 1440);
    txtAirFlowIn2 = Box(frmAirAirInlet, "txtAirFlowIn2", 2280, 1080, 1560);
    cmdAirMassCalc =
        Button(frmAirAir, "cmdAirMassCalc", "Calculate Mass  flow from Volumetric flow", CaptionLeft, 1920);

    frmAirOutlet =
        Frame(frmAirAir, "frmAirOutlet", "Combined Outlet Point", CaptionLeft, 2400, ColumnWidth, 1440);
    lblAirOutPoint = Caption(frmAirOutlet, "lblAirOutPoint", "Point No.", 120, 300, 2400);
    lblAirOutPointVal = Value(frmAirOutlet, "lblAirOutPointVal", 2640, 300);
    lblAirOutFlow = Caption(frmAirOutlet, "lblAirOutFlow", "Air Flow (lb/min)", 120, 660, 2400);
    lblAirOutFlowVal = Value(frmAirOutlet, "lblAirOutFlowVal", 2640, 660);
    lblAirOutFlowCFM = Caption(frmAirOutlet, "lblAirOutFlowCFM", "(ft  /min)", 120, 1020, 2400);
    lblAirOutFlowCFMVal = Value(frmAirOutlet, "lblAirOutFlowCFMVal", 2640, 1020);
    lblCube1 = Exponent(frmAirOutlet, "lblCube1");

    cmdAirCalc = Button(frmAirAir, "cmdAirCalc", "Calculate", CaptionLeft, 3960, 1860);
    cmdAirCancel = Button(frmAirAir, "cmdAirCancel", "Cancel", 2220, 3960, 1860);
    picAirAir = Picture(frmAirAir, "picAirAir", 2775, 2175);
    BuildMassFlowFrame(frmAirAir, {{&frmAirMassCalc, "frmAirMassCalc"},
                                   {&lblAirVolFlow, "lblAirVolFlow"},
                                   "Volumetric Flow (ft  /min)",
                                   {&Label4, "Label4"},
                                   {&txtAirVolFlow, "txtAirVolFlow"},
                                   {&lblAirAt, "lblAirAt"},
                                   {&optAirIn1, "optAirIn1"},
                                   "1st Inlet",
                                   {&optAirIn2, "optAirIn2"},
                                   "2nd  Inlet",
                                   {&cmdAirOK, "cmdAirOK"},
                                   {&cmdAirClose, "cmdAirClose"},
                                   {&lblAirMassFlow, "lblAirMassFlow"},
                                   {&lblAirMassFlowVal, "lblAirMassFlowVal"}});
}
