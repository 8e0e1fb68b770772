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
class QTabWidget;
class CalculatorLink;

namespace Chart {
struct ChartFileData;
}

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
    void mnuFilePrint_Click();

    // The calculator window, known only through this link (installed by the application).
    void SetCalculatorLink(CalculatorLink* link);

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

    // --- Atmospheric Pressure frame
    QGroupBox* frmPress;
    Platform::Label* Label1;
    QRadioButton *optPress, *optAlt;
    QLineEdit *txtPress, *txtAlt;
    QPushButton *cmdPressOK, *cmdClose;

    // --- Chart options tab strip: pages "Axis", "Line Color", "Line Style", "Scale"
    QTabWidget* tabChart;
    Platform::Label* lblAxisOptions;
    QCheckBox *chkDryAxis, *chkWetAxis, *chkDewAxis, *chkRHAxis, *chkHumidAxis;
    QPushButton *cmdOK, *cmdCancel;
    Platform::Label* lblColorOptions;
    QPushButton *cmdDry, *cmdWet, *cmdDew, *cmdRH, *cmdW, *cmdColorOK;
    Platform::Label *lblStyle1, *lblDirection;
    Platform::Label *lblDry, *lblWet, *lblDew, *lblRH, *lblW;
    Platform::PictureBox *picDry, *picWet, *picDew, *picRH, *picW;
    Platform::PictureBox *picSolid, *picDash, *picDot, *picDashDot, *picDashDotDot;
    QPushButton* cmdStyleOK;
    QCheckBox* chkAutoScale;
    QGroupBox* frmScale;
    Platform::Label *lblScaleMaxDry, *lblScaleMinDry, *lblScaleMaxDew;
    QLineEdit *txtScaleMaxDry, *txtScaleMinDry, *txtScaleMaxDew;
    QPushButton *cmdScaleOK, *cmdScaleCancel;

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
    // False, after saying so, when `added` more lines would pass the most a chart holds.
    static bool RoomForLines(int added);

    // Pressure and altitude.
    void mnuOptPress_Click();
    void cmdPressOK_Click();
    void cmdClose_Click();

    // Chart options: apply, cancels, limits and automatic scaling.
    void mnuOptionsChart_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdScaleCancel_Click();
    void cmdScaleOK_Click();
    void chkAutoScale_Click();
    bool AutoScaleChart();

    // Line families: colours, highlights and styles. Family f and style s are
    // numbered in the fixed order (dry bulb, wet bulb, dew point, RH, humidity
    // ratio; solid, dash, dot, dash-dot, dash-dot-dot).
    void cmdDry_Click();
    void cmdWet_Click();
    void cmdDew_Click();
    void cmdRH_Click();
    void cmdW_Click();
    void lblDry_Click();
    void lblWet_Click();
    void lblDew_Click();
    void lblRH_Click();
    void lblW_Click();
    void picDry_Click();
    void picWet_Click();
    void picDew_Click();
    void picRH_Click();
    void picW_Click();
    void picSolid_Click();
    void picDash_Click();
    void picDot_Click();
    void picDashDot_Click();
    void picDashDotDot_Click();
    void cmdColorOK_Click();
    void cmdStyleOK_Click();

    // Printing.
    void mnuFilePrintSetup_Click();

    // Chart files. OpenChartFile is true when a file was read and applied.
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    bool OpenChartFile();

    // Help menu.
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();

    // Process Calculations items.
    void mnuOptProcHeat_Click();
    void mnuOptProcCool_Click();
    void mnuOptProcAirAir_Click();
    void mnuOptProcWatAir_Click();
    void mnuOptProcHM_Click();

    // Edit commands.
    void mnuEditDeletePoints_Click();
    void mnuEditDeleteLines_Click();
    void mnuEditClear_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildInputFrame();
    void BuildOutputFrame();
    void BuildProcessFrame();
    void BuildUnitsFrame();
    void BuildPressureFrame();
    void BuildChartOptions();
    void BuildMenus();
    void ConnectHandlers();
    void ConnectPressureHandlers();
    void ConnectChartOptionHandlers();
    void ConnectEditHandlers();
    void ConnectPrintHandlers();
    void PrintPoints();
    void ConnectFileHandlers();
    void ApplyChartFile(const Chart::ChartFileData& data);
    void RestartRubberBand();
    void ConnectHelpHandlers();
    void ConnectCalculatorHandlers();
    void ShowCalculator(int16_t Frame);

    // Line families (shared by the per-family handlers above).
    void ChooseFamilyColor(int family);
    void ToggleHighlight(int family);
    void AssignStyle(int16_t style);
    void DrawFamilySample(int family);
    void DrawStyleSample(int16_t style);

    // Clear All: deletes points above `kept` at once, as one-by-one deletion would.
    void DropPointsAbove(int16_t kept);

    std::string settingsPath_;
    // While set, the screen chart is not drawn: one drawing follows at the end.
    bool drawingDeferred_ = false;
    CalculatorLink* calculatorLink_ = nullptr;
};
