// File > Print and File > Print Setup: the chart and its tables on one printed page.
#include <QAction>

#include "ChartTables.h"
#include "CommonDialog.h"
#include "Global.h"
#include "PrintTables.h"
#include "PrinterSurface.h"
#include "frmZolvane.h"

void frmZolvane::ConnectPrintHandlers() {
    connect(mnuFilePrint, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
    connect(mnuFilePrintSetup, &QAction::triggered, this, [this] { mnuFilePrintSetup_Click(); });
}

// A calculator's report may already have begun the document on the same page.
void frmZolvane::mnuFilePrint_Click() {
    Platform::Surface& page = Platform::PrinterPage();
    BuildChartTables(Chart::ModePrinter);
    PlotChartPoints(Chart::ModePrinter);
    if (Global::NumPoints >= 1) PrintPoints();
    // A failure to start or finish the document is reported by the page itself.
    page.EndDoc();
    // Whatever this document left on the page must not reach the next one.
    page.ResetSettings();
    BuildChartTables(Chart::ModeScreen);
    PlotChartPoints(Chart::ModeScreen);
}

void frmZolvane::mnuFilePrintSetup_Click() {
    cmdlgChartColor->CancelError = true;
    cmdlgChartColor->Flags = Platform::PrinterFlagSetupOnly;
    // Cancel ends the command without a word.
    cmdlgChartColor->ShowPrinter();
}

void frmZolvane::PrintPoints() {
    Chart::PrintPoints(Platform::PrinterPage());
}
