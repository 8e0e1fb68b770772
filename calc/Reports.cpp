// The calculators' schematics on their picture boxes and on paper, their printed
// reports, and the calculator window's File > Print.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "PrintTables.h"
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

// A result greyed on screen belongs to inputs changed since: on paper it would pass for
// theirs, so it is left out, as is one the screen does not show at all.
void AddResult(std::vector<ReportLine>& lines, const QWidget* caption, ReportLine line) {
    if (caption->isEnabled() && !caption->isHidden()) lines.push_back(std::move(line));
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
    std::vector<ReportLine> lines{{"Inlet Point = " + TextOf(txtHeatInPoint)},
                                  {"Outlet Point = " + TextOf(txtHeatOutPoint)},
                                  {Joined(TextOf(lblHeatFlow), TextOf(txtHeatFlow))}};
    AddResult(lines, lblHeatQ, {TextOf(lblHeatQ) + " " + TextOf(lblHeatQVal)});
    PrintReport(Calc::Schematic::Heat, *picHeat, lines);
}

void frmZolvaneCalc::PrintCool() {
    std::vector<ReportLine> lines{{"Inlet Point = " + TextOf(txtCoolInPoint)},
                                  {"Outlet Point = " + TextOf(txtCoolOutPoint)},
                                  {Joined(TextOf(lblCoolFlow), TextOf(txtCoolFlow))},
                                  {Joined(TextOf(lblCoolEnt), TextOf(txtCoolEnt))}};
    AddResult(lines, lblCoolWaterFlow, {Joined(TextOf(lblCoolWaterFlow), TextOf(lblCoolWaterFlowVal))});
    AddResult(lines, lblCoolRate, {TextOf(lblCoolRate) + " " + TextOf(lblCoolRateVal)});
    PrintReport(Calc::Schematic::Cool, *picCool, lines);
}

void frmZolvaneCalc::PrintAirAir() {
    std::vector<ReportLine> lines{{"1st Inlet Point = " + TextOf(txtAirInPoint1)},
                                  {Joined(TextOf(lblAirInFlow), TextOf(txtAirFlowIn1)), 1000},
                                  {"2nd Inlet Point = " + TextOf(txtAirInPoint2)},
                                  {Joined(TextOf(lblAirInFlow), TextOf(txtAirFlowIn2)), 1000}};
    AddResult(lines, lblAirOutPoint, {"Combined Outlet at Point No. " + TextOf(lblAirOutPointVal)});
    AddResult(lines, lblAirOutFlow, {"Outlet " + Joined(TextOf(lblAirOutFlow), TextOf(lblAirOutFlowVal))});
    AddResult(lines, lblAirOutFlowCFM,
              {"Outlet Air Flow(" + Global::LengthUnit, 500, "/min) = " + TextOf(lblAirOutFlowCFMVal)});
    PrintReport(Calc::Schematic::AirAir, *picAirAir, lines);
}

// The water-flow line shows a figure only when it was worked out for these inputs: with
// the water flow given, the input line above holds it.
void frmZolvaneCalc::PrintWatAir() {
    std::vector<ReportLine> lines{{"Inlet Point = " + TextOf(txtWatAirInPoint)},
                                  {Joined(TextOf(lblWatAirInFlow), TextOf(txtWatAirInFlow))},
                                  {Joined(TextOf(lblWatAirEnt), TextOf(txtWatAirEnt))},
                                  {Joined(TextOf(lblWatAirInput), TextOf(txtWatAirInput))}};
    AddResult(lines, lblWatAirOutPoint, {Joined(TextOf(lblWatAirOutPoint), TextOf(lblWatAirOutPointVal))});
    AddResult(lines, lblWatAirWatFlow, {TextOf(lblWatAirWatFlow) + " " + TextOf(lblWatAirWatFlowVal)});
    PrintReport(Calc::Schematic::WatAir, *picWatAir, lines);
}

void frmZolvaneCalc::PrintHeatMoist() {
    PrintReport(Calc::Schematic::HeatMoist, *picMoist,
                {{Joined(TextOf(lblHeatMoistQ), TextOf(txtHeatMoistQ))}, {"Moisture Heat Gains"}});
    Platform::Surface& page = Platform::PrinterPage();
    const std::string end = optHeatMoistInlet->isChecked() ? "Inlet" : "Outlet";
    std::vector<ReportLine> lines{{end + " Point No. = " + TextOf(txtHeatMoistPoint)},
                                  {Joined(TextOf(lblHMInputParam), TextOf(txtHMInputParam))}};
    AddResult(lines, lblHMOutputPoint, {Joined(TextOf(lblHMOutputPoint), TextOf(lblHMOutputPointVal))});
    // Given the air flow, the report has no flow of its own to show. The volume flow is
    // worked out from the mass flow: a new outlet quantity makes both stale.
    if (HMInputKind != 5) {
        AddResult(lines, lblHMOutputFlow, {Joined(TextOf(lblHMOutputFlow), TextOf(lblHMOutputFlowVal))});
        AddResult(lines, lblHMOutputFlow,
                  {"Outlet Air Flowrate(" + Global::LengthUnit, 500, "/min) = " + TextOf(lblOutCFM)});
    }
    if (Global::NumMoistGains < 2) {
        Calc::PrintReportLines(page, {{Joined(TextOf(lblMoistGainFlow), TextOf(txtMoistGainFlow)), 1000},
                                      {Joined(TextOf(lblMoistGainEnt), TextOf(txtMoistGainEnt)), 1000}});
    } else {
        Calc::PrintMoistGainTable(page, Chart::PointTableTop(page), lines.size());
    }
    Calc::PrintReportLines(page, lines);
}
