// The calculator window: building it, loading and unloading, its menus, which frame
// is shown, and the mouse-pointer resets.
#include "frmZolvaneCalc.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>

#include "CommonDialog.h"
#include "Global.h"
#include "Layout.h"
#include "Screen.h"

using Chart::AddItem;
using Chart::AddSeparator;
using Chart::PlaceExponent;
using Platform::Label;
using Platform::ToQ;

frmZolvaneCalc::frmZolvaneCalc(frmZolvane& chart) : chart_(chart) {
    setObjectName("frmZolvaneCalc");
    setWindowTitle("Dividirivovev Evedivodarar");
    QFont face("Liberation Sans");
    face.setPointSizeF(8.25);
    setFont(face);
    setCentralWidget(new QWidget(this));

    BuildHeatFrame();
    BuildCoolFrame();
    BuildAirAirFrame();
    BuildWatAirFrame();
    BuildHeatMoistFrame();
    BuildMenus();
    for (QGroupBox* frame : {frmHeat, frmCool, frmAirAir, frmWatAir, frmHeatMoist}) frame->hide();
    cmdlgDialog1 = new Platform::CommonDialog;
    cmdlgDialog1->Parent = this;

    using namespace CalcLayout;
    const int width = 2 * FrameLeft + FrameWidth, height = 2 * FrameTop + FrameHeight;
    centralWidget()->setMinimumSize(qRound(width / Platform::TwipsPerPixel),
                                    qRound(height / Platform::TwipsPerPixel));

    ConnectHandlers();
    ConnectFileHandlers();
    ConnectHeatCoolHandlers();
    ConnectFlowCalcHandlers();
    ConnectAirAirHandlers();
    ConnectWatAirHandlers();
    ConnectHeatMoistHandlers();
    adjustSize();
    Form_Load();
}

frmZolvaneCalc::~frmZolvaneCalc() {
    delete cmdlgDialog1;
}

void frmZolvaneCalc::BuildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuFileOpen = AddItem(mnuFile, "mnuFileOpen", "&Open...");
    mnuFileSave = AddItem(mnuFile, "mnuFileSave", "&Save...");
    mnuFileSep1 = AddSeparator(mnuFile, "mnuFileSep1");
    mnuFilePrintSetup = AddItem(mnuFile, "mnuFilePrintSetup", "Printer &Setup");
    mnuFilePrint = AddItem(mnuFile, "mnuFilePrint", "&Print");
    mnuFileSep = AddSeparator(mnuFile, "mnuFileSep");
    mnuFileExit = AddItem(mnuFile, "mnuFileExit", "&Exit");

    mnuOptions = bar->addMenu("&Options");
    mnuOptions->setObjectName("mnuOptions");
    mnuOptionsHeat = AddItem(mnuOptions, "mnuOptionsHeat", "Moist Air Heating ...");
    mnuOptionsCool = AddItem(mnuOptions, "mnuOptionsCool", "Moist Air Cooling ...");
    mnuOptionsAirAir = AddItem(mnuOptions, "mnuOptionsAirAir", "Adiabatic Mixing Air/Air ...");
    mnuOptionsWaterAir = AddItem(mnuOptions, "mnuOptionsWaterAir", "Adibatic Mixing Water/Air ...");
    mnuOptionsHM = AddItem(mnuOptions, "mnuOptionsHM", "Heat and Moisture Gains ...");
}

void frmZolvaneCalc::ConnectHandlers() {
    connect(mnuFilePrintSetup, &QAction::triggered, this, [this] { mnuFilePrintSetup_Click(); });
    ConnectPrintHandlers();
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuOptionsHeat, &QAction::triggered, this, [this] { mnuOptionsHeat_Click(); });
    connect(mnuOptionsCool, &QAction::triggered, this, [this] { mnuOptionsCool_Click(); });
    connect(mnuOptionsAirAir, &QAction::triggered, this, [this] { mnuOptionsAirAir_Click(); });
    connect(mnuOptionsWaterAir, &QAction::triggered, this, [this] { mnuOptionsWaterAir_Click(); });
    connect(mnuOptionsHM, &QAction::triggered, this, [this] { mnuOptionsHM_Click(); });

    setMouseTracking(true);
    for (QWidget* target : std::initializer_list<QWidget*>{
             centralWidget(), frmAirAir, frmCool, frmHeat, frmHeatMoist, frmKnowPoint, frmMoistGain,
             frmWatAir, SSFrame1, picAirAir, picCool, picHeat, picWatAir})
        Platform::ResetPointerOnMouseMove(*target);
}

void frmZolvaneCalc::Form_Load() {
    using namespace Global;
    NumMoistGains = 1;
    MoistGains.Erase();
    MoistGains.ReDim(2, 1);
    WatAirInputKind = 2;
    HMInputKind = 2;
    optWatAirDew->setChecked(true);
    optHMInputDew->setChecked(true);
    optHeatMoistInlet->setChecked(true);

    const QString volume = ToQ("(" + LengthUnit + "  /min)"), massPerMin = ToQ("(" + MassUnit + "/min)"),
                  enthalpy = ToQ("(" + EnthalpyUnit + ")"), energyPerHour = ToQ("(" + EnergyUnit + "/hr)");
    const std::pair<Label*, QString> captions[] = {
        {lblHeatVolFlow, "Volumetric Flow " + volume},
        {lblHeatMassFlow, "Mass Flow " + massPerMin + " ="},
        {lblHeatFlow, "Air Flowrate " + massPerMin},
        {lblHeatQ, "Heat rate q " + energyPerHour + " ="},
        {lblCoolVolFlow, "Volumetric Flow " + volume},
        {lblCoolMassFlow, "Mass Flow " + massPerMin + " ="},
        {lblCoolEnt, "Water Enthalpy " + enthalpy},
        {lblCoolWaterFlow, "Water Flow " + massPerMin},
        {lblCoolFlow, "Air Flowrate " + massPerMin},
        {lblCoolRate, "Heat rate q " + energyPerHour + " ="},
        {lblAirVolFlow, "Volumetric Flow " + volume},
        {lblAirMassFlow, "Mass Flow " + massPerMin + " ="},
        {lblAirInFlow, "Air Flow " + massPerMin},
        {lblAirOutFlow, "Air Flow " + massPerMin},
        {lblAirOutFlowCFM, volume},
        {lblWatAirVolFlow, "Inlet Volumetric Flow " + volume},
        {lblWatAirMassFlowCalc, "Mass Flow " + massPerMin + " ="},
        {lblWatAirInFlow, "Inlet Air Flow " + massPerMin},
        {lblWatAirEnt, "Water Enthalpy " + enthalpy},
        {lblWatAirWatFlow, "Water Flow " + massPerMin + " ="},
        {lblHeatMoistQ, "Sensible Heat Gain q " + energyPerHour},
        {lblMoistGainFlow, ToQ("Mass Flowrate (" + MassUnit + "/hr)")},
        {lblMoistGainEnt, "Water Enthalpy " + enthalpy},
        {lblHMOutputFlow, "Air Flowrate " + massPerMin},
        {lblHMOutputFlowcfm, volume},
    };
    for (const auto& [label, caption] : captions) label->setText(caption);
    PlaceExponents();
    Platform::CenterForm(*this);
}

void frmZolvaneCalc::PlaceExponents() {
    PlaceExponent(lblHeatVolFlow, Label1);
    PlaceExponent(lblCoolVolFlow, Label2);
    PlaceExponent(lblWatAirVolFlow, Label3);
    PlaceExponent(lblAirVolFlow, Label4);
    PlaceExponent(lblAirOutFlowCFM, lblCube1);
    PlaceExponent(lblHMOutputFlowcfm, lblcube);
}

void frmZolvaneCalc::Form_Unload() {
    // A later save of the chart then writes no calculator section; the points and
    // lines the calculators made stay on the chart.
    Global::ProcessDataPresent = false;
    loaded_ = false;
}

void frmZolvaneCalc::closeEvent(QCloseEvent* event) {
    if (loaded_) Form_Unload();
    event->accept();
}

void frmZolvaneCalc::ShowFrame(int16_t Frame) {
    // In the fixed order water/air, heat and moisture, heating, cooling, air/air.
    const std::pair<QGroupBox*, int16_t> frames[] = {{frmWatAir, CalcFrame::WatAir},
                                                     {frmHeatMoist, CalcFrame::HeatMoist},
                                                     {frmHeat, CalcFrame::Heat},
                                                     {frmCool, CalcFrame::Cool},
                                                     {frmAirAir, CalcFrame::AirAir}};
    for (const auto& [frame, number] : frames) frame->setVisible(number == Frame);
}

void frmZolvaneCalc::mnuOptionsHeat_Click() {
    ShowFrame(CalcFrame::Heat);
}
void frmZolvaneCalc::mnuOptionsCool_Click() {
    ShowFrame(CalcFrame::Cool);
}
void frmZolvaneCalc::mnuOptionsAirAir_Click() {
    ShowFrame(CalcFrame::AirAir);
}
void frmZolvaneCalc::mnuOptionsWaterAir_Click() {
    ShowFrame(CalcFrame::WatAir);
}
void frmZolvaneCalc::mnuOptionsHM_Click() {
    ShowFrame(CalcFrame::HeatMoist);
}

void frmZolvaneCalc::mnuFilePrintSetup_Click() {
    cmdlgDialog1->CancelError = true;
    cmdlgDialog1->Flags = Platform::PrinterFlagSetupOnly;
    // Cancelling ends the command silently.
    cmdlgDialog1->ShowPrinter();
}

void frmZolvaneCalc::mnuFileExit_Click() {
    close();
}

void frmZolvaneCalc::Form_MouseMove() {
    Platform::SetMousePointer(Platform::PointerDefault);
}

void frmZolvaneCalc::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QMainWindow::mouseMoveEvent(event);
}
