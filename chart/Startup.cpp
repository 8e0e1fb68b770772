// Start-up, the settings file, File > Exit, closing, and the mouse-pointer resets.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QThread>
#include <vector>

#include "CalculatorLink.h"
#include "CommonDialog.h"
#include "Controls.h"
#include "Global.h"
#include "PictureBox.h"
#include "PrinterSurface.h"
#include "Screen.h"
#include "Settings.h"
#include "frmZolvane.h"

void frmZolvane::ConnectHandlers() {
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuOptionsUnits, &QAction::triggered, this, [this] { mnuOptionsUnits_Click(); });
    connect(optUSUnits, &QRadioButton::toggled, this, [this] { optUSUnits_Click(); });
    connect(optMetricUnits, &QRadioButton::toggled, this, [this] { optMetricUnits_Click(); });
    connect(cmdUnitsOK, &QPushButton::clicked, this, [this] { cmdUnitsOK_Click(); });
    connect(picZolvane, &Platform::PictureBox::Paint, this, [this] { picZolvane_Paint(); });
    connect(picZolvane, &Platform::PictureBox::MouseDown, this,
            [this](int button, int shift, float x, float y) {
                picZolvane_MouseDown(static_cast<int16_t>(button), static_cast<int16_t>(shift), x, y);
            });
    connect(picZolvane, &Platform::PictureBox::MouseMove, this,
            [this](int button, int shift, float x, float y) {
                picZolvane_MouseMove(static_cast<int16_t>(button), static_cast<int16_t>(shift), x, y);
            });

    connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });
    connect(lblDryBulb, &Platform::Label::clicked, this, [this] { lblDryBulb_Click(); });
    connect(lblWetBulb, &Platform::Label::clicked, this, [this] { lblWetBulb_Click(); });
    connect(lblDewPoint, &Platform::Label::clicked, this, [this] { lblDewPoint_Click(); });
    connect(lblRelHumid, &Platform::Label::clicked, this, [this] { lblRelHumid_Click(); });
    connect(chkLines, &QCheckBox::toggled, this, [this] { chkLines_Click(); });

    connect(scrlOutput, &QScrollBar::valueChanged, this, [this] { scrlOutput_Change(); });
    for (LabelPair* row : {&lblPointOutVal, &lblDryOutVal, &lblWetOutVal, &lblDewOutVal, &lblRHOutVal,
                           &lblEnthalpyOutVal, &lblWOutVal, &lblVPOutVal, &lblUOutVal, &lblSpVolOutVal})
        for (int16_t index = 1; index <= 2; ++index)
            connect((*row)[index], &Platform::Label::clicked, this,
                    [this, index] { OutputValue_Click(index); });

    connect(scrlProcess, &QScrollBar::valueChanged, this, [this] { scrlProcess_Change(); });
    for (LabelPair* row :
         {&lblFromVal, &lblToVal, &lblDeltaDryVal, &lblDeltaWetVal, &lblDeltaDewVal, &lblDeltaRHVal,
          &lblDeltahVal, &lblDeltaWVal, &lblDeltaVPVal, &lblDeltaUVal, &lblDeltaSpVolVal})
        for (int16_t index = 1; index <= 2; ++index)
            connect((*row)[index], &Platform::Label::clicked, this,
                    [this, index] { ProcessValue_Click(index); });
    // The menu keeps its own check mark: undo the toggle the action made on its own.
    connect(mnuOptionsProcess, &QAction::triggered, this, [this](bool checked) {
        mnuOptionsProcess->setChecked(!checked);
        mnuOptionsProcess_Click();
    });

    ConnectPressureHandlers();
    ConnectPrintHandlers();
    ConnectChartOptionHandlers();
    ConnectEditHandlers();
    ConnectFileHandlers();
    ConnectHelpHandlers();
    ConnectCalculatorHandlers();

    // The tab strip's tab bar, pages and their controls lie over the strip itself and
    // take its moves.
    std::vector<QWidget*> targets{centralWidget(), frmInput,     frmOutput, frmProcess,
                                  frmUnits,        cmdCalculate, chkLines,  tabChart};
    for (QWidget* part : tabChart->findChildren<QWidget*>()) targets.push_back(part);
    for (QWidget* target : targets) Platform::ResetPointerOnMouseMove(*target);
}

void frmZolvane::Form_Load() {
    Global::ProcLines.Erase();
    Global::ProcLines.ReDim(2, 0);
    Global::NumPoints = 0;
    Global::ProcessDataPresent = false;

    // Resolved once, so a later change of the working directory does not move it.
    settingsPath_ = QDir::current().absoluteFilePath(Chart::SettingsFileName).toStdString();
    Platform::SetPdfOutputPath(QDir::current().absoluteFilePath(QStringLiteral("Zolvane.pdf")));
    // A missing, short or damaged file gives the defaults, silently.
    Chart::SettingsRecord settings = Chart::LoadSettingsFile(settingsPath_).value_or(Chart::SettingsRecord{});
    Chart::ApplySettings(settings);
    // Neither option is selected yet, so this always runs the chosen one's click.
    (settings.usUnits ? optUSUnits : optMetricUnits)->setChecked(true);

    Platform::CenterForm(*this);
    SetUnitCaptions();
}

void frmZolvane::mnuFileExit_Click() {
    // A failed write is not reported: the program still ends.
    Chart::SaveSettingsFile(settingsPath_, Chart::CurrentSettings(optUSUnits->isChecked()));
    cmdlgChartColor->HelpCommand = Platform::HelpQuit;
    cmdlgChartColor->ShowHelp();
    // Outside the event loop (a test driving the window) there is nothing to end, and
    // asking anyway would make every later modal box return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void frmZolvane::Form_Unload() {
    // The calculator window goes with the chart, so the program ends.
    if (calculatorLink_) calculatorLink_->CloseCalculator();
    cmdlgChartColor->HelpCommand = Platform::HelpQuit;
    cmdlgChartColor->ShowHelp();
}

void frmZolvane::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmZolvane::Form_MouseMove() {
    Platform::SetMousePointer(0);
}

void frmZolvane::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QMainWindow::mouseMoveEvent(event);
}
