// File > Open and File > Save of chart files.
#include <QAction>
#include <QRadioButton>
#include <QScrollBar>
#include <filesystem>

#include "CalculatorLink.h"
#include "ChartFile.h"
#include "ChartTables.h"
#include "CommonDialog.h"
#include "FieldFile.h"
#include "Global.h"
#include "frmZolvane.h"

void frmZolvane::ConnectFileHandlers() {
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
}

void frmZolvane::mnuFileOpen_Click() {
    OpenChartFile();
}

bool frmZolvane::OpenChartFile() {
    cmdlgChartColor->Filter = Chart::ChartFileFilter;
    if (!cmdlgChartColor->ShowOpen()) return false;
    Chart::ParsedChartFile parsed;
    if (auto text = Platform::ReadWholeFile(cmdlgChartColor->FileName, Chart::MaxChartFileBytes))
        parsed = Chart::ParseChartFile(*text);
    if (!parsed.data) {
        Global::ShowMessage(Chart::StageText(parsed.failed), Global::MsgIcon::None, Chart::ChartFileTitle);
        return false;
    }
    ApplyChartFile(*parsed.data);
    return true;
}

void frmZolvane::ApplyChartFile(const Chart::ChartFileData& data) {
    using namespace Global;
    EndPendingLine();
    Chart::ApplySettings(data.Settings);
    // The calculator texts are in the file's units, so those come first (a calculator window
    // the Open creates shows them too). Selecting the option applies the other unit system
    // only when it changes.
    (data.Settings.usUnits ? optUSUnits : optMetricUnits)->setChecked(true);
    SetUnitCaptions();
    ProcessDataPresent = data.ProcessDataPresent;
    if (ProcessDataPresent && calculatorLink_) calculatorLink_->ApplyCalcSection(data.Calc);

    NumPoints = static_cast<int16_t>(data.Points.size());
    Points.Erase();
    Points.ReDim(NumPoints);
    for (int i = 1; i <= NumPoints; ++i) Points(i) = data.Points[static_cast<std::size_t>(i - 1)];
    const int numLines = static_cast<int>(data.Lines.size());
    ProcLines.Erase();
    ProcLines.ReDim(2, numLines);
    for (int k = 1; k <= numLines; ++k) {
        ProcLines(1, k) = data.Lines[static_cast<std::size_t>(k - 1)][0];
        ProcLines(2, k) = data.Lines[static_cast<std::size_t>(k - 1)][1];
    }

    // The file's pressure and the limits now in force need tables of their own.
    BuildChartTables(Chart::ModeScreen);
    ShowPointState(NumPoints);
    scrlOutput->setVisible(NumPoints > 2);
    ShowOutputPoints(NumPoints);
    ShowProcessLines(static_cast<int16_t>(numLines));
}

void frmZolvane::mnuFileSave_Click() {
    cmdlgChartColor->Filter = Chart::ChartFileFilter;
    std::string path;
    std::error_code unreadable;  // a name that cannot be looked at is saved to, or fails, as before
    // The name rule decides which file is written, so the question comes after it; No chooses
    // again, as the platform's own Save dialogs do. Each round waits for the user.
    do {
        if (!cmdlgChartColor->ShowSave()) return;
        path = Chart::ChartFilePath(cmdlgChartColor->FileName);
    } while (std::filesystem::exists(path, unreadable) && !cmdlgChartColor->ShowReplace(path));
    // The next Open or Save offers the file as written, not the name as typed.
    cmdlgChartColor->FileName = path;
    Chart::ChartFileData data = Chart::CurrentChart(Chart::CurrentSettings(optUSUnits->isChecked()));
    data.ProcessDataPresent = Global::ProcessDataPresent;
    // With no calculator to ask, type 0 restores nothing but reads back.
    if (data.ProcessDataPresent && calculatorLink_) calculatorLink_->CollectCalcSection(data.Calc);
    // A chart the reader would refuse is not saved as if it were one.
    if (!Chart::FitsChartFile(data) || !Platform::ReplaceFile(path, Chart::ChartFileText(data)))
        Global::ShowMessage(Chart::SaveFailedText, Global::MsgIcon::Critical, Chart::ChartFileTitle);
}
