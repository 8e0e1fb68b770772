// The calculators' schematics on their picture boxes and on paper, their printed
// reports, and the calculator window's File > Print.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "PrinterSurface.h"
#include "ReportLines.h"
#include "Schematics.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

using Calc::Joined;
using Calc::ReportLine;

namespace {

std::string TextOf(const QLineEdit* box) {
    return Platform::FromQ(box->text());
}

std::string TextOf(const QLabel* label) {
    return Platform::FromQ(label->text());
}

void Draw(Calc::Schematic figure, int16_t mode, Platform::PictureBox& box) {
    Platform::Surface& target = mode == 1 ? Platform::PrinterPage() : box.surface();
    Calc::DrawSchematic(target, figure, Calc::SchematicOrigin(figure, mode));
}

// The schematic first, then the report's lines below it.
void PrintReport(Calc::Schematic figure, Platform::PictureBox& box, const std::vector<ReportLine>& lines) {
    Draw(figure, 1, box);
    Platform::Surface& page = Platform::PrinterPage();
    Calc::BeginReport(page);
    Calc::PrintReportLines(page, lines);
}

}  // namespace

void frmZolvaneCalc::ConnectPrintHandlers() {
    connect(mnuFilePrint, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
    connect(picMoist, &Platform::PictureBox::Paint, this, [this] { DrawHeatMoist(2); });
    connect(picCool, &Platform::PictureBox::Paint, this, [this] { DrawCool(2); });
    connect(picHeat, &Platform::PictureBox::Paint, this, [this] { DrawHeat(2); });
    connect(picAirAir, &Platform::PictureBox::Paint, this, [this] { DrawAirAir(2); });
    connect(picWatAir, &Platform::PictureBox::Paint, this, [this] { DrawWatAir(2); });
}

void frmZolvaneCalc::DrawHeatMoist(int16_t Mode) {
    Draw(Calc::Schematic::HeatMoist, Mode, *picMoist);
}

void frmZolvaneCalc::DrawCool(int16_t Mode) {
    Draw(Calc::Schematic::Cool, Mode, *picCool);
}

void frmZolvaneCalc::DrawHeat(int16_t Mode) {
    Draw(Calc::Schematic::Heat, Mode, *picHeat);
}

void frmZolvaneCalc::DrawAirAir(int16_t Mode) {
    Draw(Calc::Schematic::AirAir, Mode, *picAirAir);
}

void frmZolvaneCalc::DrawWatAir(int16_t Mode) {
    Draw(Calc::Schematic::WatAir, Mode, *picWatAir);
}

// The visible calculator's schematic and report, then the chart and its tables, as
// one document.
void frmZolvaneCalc::mnuFilePrint_Click() {
    StorePendingGainEdit();  // a gain typed but not yet left is printed too
    if (!frmHeatMoist->isHidden()) PrintHeatMoist();
    if (!frmHeat->isHidden()) PrintHeat();
    if (!frmCool->isHidden()) PrintCool();
    if (!frmAirAir->isHidden()) PrintAirAir();
    if (!frmWatAir->isHidden()) PrintWatAir();
    ChartWindow().mnuFilePrint_Click();
}

void frmZolvaneCalc::PrintHeat() {
    PrintReport(Calc::Schematic::Heat, *picHeat,
                {{"Inlet Point = " + TextOf(txtHeatInPoint)},
                 {"Outlet Point = " + TextOf(txtHeatOutPoint)},
                 {Joined(TextOf(lblHeatFlow), TextOf(txtHeatFlow))},
                 {TextOf(lblHeatQ) + " " + TextOf(lblHeatQVal)}});
}

void frmZolvaneCalc::PrintCool() {
    PrintReport(Calc::Schematic::Cool, *picCool,
                {{"Inlet Point = " + TextOf(txtCoolInPoint)},
                 {"Outlet Point = " + TextOf(txtCoolOutPoint)},
                 {Joined(TextOf(lblCoolFlow), TextOf(txtCoolFlow))},
                 {Joined(TextOf(lblCoolEnt), TextOf(txtCoolEnt))},
                 {Joined(TextOf(lblCoolWaterFlow), TextOf(lblCoolWaterFlowVal))},
                 {TextOf(lblCoolRate) + " " + TextOf(lblCoolRateVal)}});
}

void frmZolvaneCalc::PrintAirAir() {
    PrintReport(Calc::Schematic::AirAir, *picAirAir,
                {{"1st Inlet Point = " + TextOf(txtAirInPoint1)},
                 {Joined(TextOf(lblAirInFlow), TextOf(txtAirFlowIn1)), 1000},
                 {"2nd Inlet Point = " + TextOf(txtAirInPoint2)},
                 {Joined(TextOf(lblAirInFlow), TextOf(txtAirFlowIn2)), 1000},
                 {"Combined Outlet at Point No. " + TextOf(lblAirOutPointVal)},
                 {"Outlet " + Joined(TextOf(lblAirOutFlow), TextOf(lblAirOutFlowVal))},
                 {"Outlet Air Flow(" + Global::LengthUnit, 500, "/min) = " + TextOf(lblAirOutFlowCFMVal)}});
}

// The water-flow line is printed whichever outlet quantity was given, the flow too.
void frmZolvaneCalc::PrintWatAir() {
    PrintReport(Calc::Schematic::WatAir, *picWatAir,
                {{"Inlet Point = " + TextOf(txtWatAirInPoint)},
                 {Joined(TextOf(lblWatAirInFlow), TextOf(txtWatAirInFlow))},
                 {Joined(TextOf(lblWatAirEnt), TextOf(txtWatAirEnt))},
                 {Joined(TextOf(lblWatAirInput), TextOf(txtWatAirInput))},
                 {Joined(TextOf(lblWatAirOutPoint), TextOf(lblWatAirOutPointVal))},
                 {TextOf(lblWatAirWatFlow) + " " + TextOf(lblWatAirWatFlowVal)}});
}

void frmZolvaneCalc::PrintHeatMoist() {
    PrintReport(Calc::Schematic::HeatMoist, *picMoist,
                {{Joined(TextOf(lblHeatMoistQ), TextOf(txtHeatMoistQ))}, {"Moisture Heat Gains"}});
    Platform::Surface& page = Platform::PrinterPage();
    if (Global::NumMoistGains < 2) {
        Calc::PrintReportLines(page, {{Joined(TextOf(lblMoistGainFlow), TextOf(txtMoistGainFlow)), 1000},
                                      {Joined(TextOf(lblMoistGainEnt), TextOf(txtMoistGainEnt)), 1000}});
    } else {
        Calc::PrintMoistGainTable(page);
    }
    const std::string end = optHeatMoistInlet->isChecked() ? "Inlet" : "Outlet";
    std::vector<ReportLine> lines{{end + " Point No. = " + TextOf(txtHeatMoistPoint)},
                                  {Joined(TextOf(lblHMInputParam), TextOf(txtHMInputParam))},
                                  {Joined(TextOf(lblHMOutputPoint), TextOf(lblHMOutputPointVal))}};
    // Given the air flow, the report has no flow of its own to show.
    if (HMInputKind != 5) {
        lines.push_back({Joined(TextOf(lblHMOutputFlow), TextOf(lblHMOutputFlowVal))});
        lines.push_back({"Outlet Air Flowrate(" + Global::LengthUnit, 500, "/min) = " + TextOf(lblOutCFM)});
    }
    Calc::PrintReportLines(page, lines);
}
