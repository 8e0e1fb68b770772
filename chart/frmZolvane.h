// The chart window: point entry, the chart, the two panels and the option frames.
// Widgets are built in code; every control's objectName is its name, an element of
// a control array "name(index)", so tests and automation find them.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace Platform {
class Label;
class PictureBox;
class CommonDialog;
}  // namespace Platform

// Value labels of a panel row: indexes 1 and 2 (0 unused).
using LabelPair = std::array<Platform::Label*, 3>;

class frmZolvane : public QMainWindow {
    Q_OBJECT

public:
    frmZolvane();
    ~frmZolvane() override;

    // Routines other windows call.
    void BuildChartTables(int16_t Mode);
    void PlotChartPoints(int16_t Mode);
    void cmdCalculate_Click();

    // Where the settings file is read and written; fixed at start-up.
    const std::string& SettingsPath() const { return settingsPath_; }

    // --- Input frame
    QGroupBox* frmInput;
    QCheckBox *chkDryBulb, *chkWetBulb, *chkDewPoint, *chkRelHumid;
    QLineEdit *txtDryBulb, *txtWetBulb, *txtDewPoint, *txtRelHumid;
    Platform::Label *lblDryBulb, *lblWetBulb, *lblDewPoint, *lblRelHumid;
    Platform::Label *lblEnthalpy, *lblHumidRatio, *lblVaporPress, *lblSatDegree, *lblSpVol, *lblCubed;
    Platform::Label *lblEnthalpyVal, *lblHumidRatioVal, *lblVaporPressVal, *lblSatDegreeVal, *lblSpVolVal;
    QPushButton* cmdCalculate;

    // --- Output frame
    QGroupBox* frmOutput;
    Platform::Label *lblPoint, *lblDryOut, *lblWetOut, *lblDewOut, *lblRelHumidOut, *lblEnthalpyOut,
        *lblHumidRatioOut, *lblVaporPressOut, *lblSatDegreeOut, *lblSpecificVolOut;
    LabelPair lblPointOutVal, lblDryOutVal, lblWetOutVal, lblDewOutVal, lblRHOutVal, lblEnthalpyOutVal,
        lblWOutVal, lblVPOutVal, lblUOutVal, lblSpVolOutVal;
    QScrollBar* scrlOutput;
    QCheckBox* chkLines;

    // --- Process Lines frame
    QGroupBox* frmProcess;
    Platform::Label *lblFromPoint, *lblToPoint, *lblDeltaDry, *lblDeltaWet, *lblDetlaDew, *lblDeltaRH,
        *lblDeltah, *lblDeltaW, *lblDeltaVP, *lblDeltaU, *lblDeltaSpVol;
    LabelPair lblFromVal, lblToVal, lblDeltaDryVal, lblDeltaWetVal, lblDeltaDewVal, lblDeltaRHVal,
        lblDeltahVal, lblDeltaWVal, lblDeltaVPVal, lblDeltaUVal, lblDeltaSpVolVal;
    QScrollBar* scrlProcess;

    // --- Units frame
    QGroupBox* frmUnits;
    QRadioButton *optUSUnits, *optMetricUnits;
    QPushButton* cmdUnitsOK;

    // --- Chart
    Platform::PictureBox* picZolvane;
    Platform::CommonDialog* cmdlgChartColor;

    // --- Menus
    QMenu *File, *mnuEdit, *mnuOptions, *mnuOptionsCalc, *mnuHelp;
    QAction *mnuFileOpen, *mnuFileSave, *mnuFileSep1, *mnuFilePrintSetup, *mnuFilePrint, *mnuFileSep,
        *mnuFileExit;
    QAction *mnuEditDeletePoints, *mnuEditDeleteLines, *mnuEditSep, *mnuEditClear;
    QAction *mnuOptPress, *mnuOptSep0, *mnuOptionsUnits, *mnuOptSep1, *mnuOptionsChart, *mnuOptSep2,
        *mnuOptionsProcess, *mnuOptSep3;
    QAction *mnuOptProcHeat, *mnuOptProcCool, *mnuOptProcAirAir, *mnuOptProcWatAir, *mnuOptProcHM;
    QAction *mnuHelpContents, *mnuHelpSearch, *mnuHelpSep, *mnuHelpAbout;

    // Handlers, named after control and event.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Form_MouseMove();
    void picZolvane_Paint();
    void mnuFileExit_Click();
    void mnuOptionsUnits_Click();
    void optUSUnits_Click();
    void optMetricUnits_Click();
    void cmdUnitsOK_Click();
    void SetUnitCaptions();

    // Point entry and the selected point.
    bool InputCheck();
    void lblDryBulb_Click();
    void lblWetBulb_Click();
    void lblDewPoint_Click();
    void lblRelHumid_Click();
    void SelectPoint(int16_t PointNo);
    void ShowPointState(int16_t PointNo);

    // Output panel: the ten rows' value clicks all run OutputValue_Click.
    void ShowOutputPoints(int16_t PointNo);
    void scrlOutput_Change();
    void OutputValue_Click(int16_t Index);

    // Process-lines panel: the eleven rows' value clicks all run ProcessValue_Click.
    void ShowProcessLines(int16_t LineNo);
    void scrlProcess_Change();
    void ProcessValue_Click(int16_t Index);
    void mnuOptionsProcess_Click();

    // Mouse on the chart.
    int16_t FindNearestPoint(float X, float Y);
    void chkLines_Click();
    void picZolvane_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picZolvane_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    // Drops a process line whose To point is not picked yet, so it can never
    // count as a line to point 0.
    void EndPendingLine();

    bool AutoScaleChart();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildInputFrame();
    void BuildOutputFrame();
    void BuildProcessFrame();
    void BuildUnitsFrame();
    void BuildMenus();
    void ConnectHandlers();

    std::string settingsPath_;
};
