// The process-calculator window: five calculator frames (heating, cooling, air/air
// mixing, water/air mixing, heat and moisture gains), one shown at a time. Widgets
// are built in code; every control's objectName is its name, an element of a
// control array "name(index)". The window talks to the chart window directly: it
// reads and adds points and process lines and redraws the chart.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class frmZolvane;

namespace Chart {
struct CalcSection;
}

namespace Platform {
class Label;
class PictureBox;
class CommonDialog;
}  // namespace Platform

// Calculator frames by number, as the chart window's menu asks for them.
namespace CalcFrame {
inline constexpr int16_t Heat = 1;
inline constexpr int16_t Cool = 2;
inline constexpr int16_t AirAir = 3;
inline constexpr int16_t WatAir = 4;
inline constexpr int16_t HeatMoist = 5;
}  // namespace CalcFrame

class frmZolvaneCalc : public QMainWindow {
    Q_OBJECT

public:
    explicit frmZolvaneCalc(frmZolvane& chart);
    ~frmZolvaneCalc() override;

    // The chart window the calculators read their points from and hand new states to.
    frmZolvane& ChartWindow() const { return chart_; }
    // False once the window has been unloaded; a new window starts from Form_Load again.
    bool Loaded() const { return loaded_; }

    // Makes frame k (CalcFrame) the only visible one; nothing else changes.
    void ShowFrame(int16_t Frame);

    // Which outlet quantity the water/air calculator and which sought-end property the
    // heat-and-moisture calculator are given: 0 dry bulb, 1 wet bulb, 2 dew point,
    // 3 relative humidity, 4 humidity ratio, 5 flow.
    int32_t WatAirInputKind = 0;
    int32_t HMInputKind = 0;

    // --- Moist Air Heating
    QGroupBox* frmHeat;
    Platform::Label *lblHeatInPoint, *lblHeatOutPoint, *lblHeatFlow, *lblHeatQ, *lblHeatQVal;
    QLineEdit *txtHeatInPoint, *txtHeatOutPoint, *txtHeatFlow;
    QPushButton *cmdHeatFlowCalc, *cmdHeatCalc, *cmdHeatCancel;
    Platform::PictureBox* picHeat;
    QGroupBox* frmHeatFlowCalc;
    Platform::Label *lblHeatVolFlow, *Label1, *lblHeatAt, *lblHeatMassFlow, *lblHeatMassFlowVal;
    QLineEdit* txtHeatVolFlow;
    QRadioButton *optHeatInPoint, *optHeatOutPoint;
    QPushButton *cmdHeatFlowOK, *cmdHeatFlowClosel;

    // --- Moist Air Cooling
    QGroupBox* frmCool;
    Platform::Label *lblCoolInPoint, *lblCoolOutPoint, *lblCoolFlow, *lblCoolEnt;
    QLineEdit *txtCoolInPoint, *txtCoolOutPoint, *txtCoolFlow, *txtCoolEnt;
    Platform::Label *lblCoolWaterFlow, *lblCoolWaterFlowVal, *lblCoolRate, *lblCoolRateVal;
    QPushButton *cmdCoolVolFlow, *cmdCoolCalc, *cmdCoolCancel;
    Platform::PictureBox* picCool;
    QGroupBox* frmCoolMassFlow;
    Platform::Label *lblCoolVolFlow, *Label2, *lblCoolAt, *lblCoolMassFlow, *lblCoolMassFlowVal;
    QLineEdit* txtCoolVolFlow;
    QRadioButton *optCoolIn, *optCoolOut;
    QPushButton *cmdCoolOK, *cmdCoolClose;

    // --- Adiabatic Mixing of Air/Air
    QGroupBox *frmAirAir, *frmAirAirInlet, *frmAirOutlet;
    Platform::Label *lblAirInPoint, *lblAirInFlow, *lblAirAir1st, *lblAirAir2nd;
    QLineEdit *txtAirInPoint1, *txtAirFlowIn1, *txtAirInPoint2, *txtAirFlowIn2;
    Platform::Label *lblAirOutPoint, *lblAirOutPointVal, *lblAirOutFlow, *lblAirOutFlowVal, *lblAirOutFlowCFM,
        *lblCube1, *lblAirOutFlowCFMVal;
    QPushButton *cmdAirMassCalc, *cmdAirCalc, *cmdAirCancel;
    Platform::PictureBox* picAirAir;
    QGroupBox* frmAirMassCalc;
    Platform::Label *lblAirVolFlow, *Label4, *lblAirAt, *lblAirMassFlow, *lblAirMassFlowVal;
    QLineEdit* txtAirVolFlow;
    QRadioButton *optAirIn1, *optAirIn2;
    QPushButton *cmdAirOK, *cmdAirClose;

    // --- Adiabatic Mixing of Water/Air
    QGroupBox* frmWatAir;
    Platform::Label *lblWatAirInPoint, *lblWatAirInFlow, *lblWatAirEnt, *lblWatAirInput;
    QLineEdit *txtWatAirInPoint, *txtWatAirInFlow, *txtWatAirEnt, *txtWatAirInput;
    QPushButton *cmdWatAirInput, *cmdWatAirMassFlowCalc, *cmdWatAirCalc, *cmdWatAirCancel;
    QGroupBox* frmWatAirInput;  // chooser of the given outlet quantity
    QRadioButton *optWatAirDry, *optWatAirWet, *optWatAirDew, *optWatAirRel, *optWatAirW, *optWatAirWater;
    QPushButton* cmdWatAirOutOK;
    Platform::Label *lblWatAirOutPoint, *lblWatAirOutPointVal, *lblWatAirWatFlow, *lblWatAirWatFlowVal;
    Platform::PictureBox* picWatAir;
    QGroupBox* frmWatAirMassFlowCalc;
    Platform::Label *lblWatAirVolFlow, *Label3, *lblWatAirMassFlowCalc, *lblWatAirMassFlowCalcVal;
    QLineEdit* txtWatAirVolFlow;
    QPushButton *cmdWatAirFlowOK, *cmdWatAirFlowClose;

    // --- Heat and Moisture Gains
    QGroupBox *frmHeatMoist, *frmKnowPoint, *frmMoistGain, *SSFrame1;
    QRadioButton *optHeatMoistInlet, *optHeatMoistOutlet;
    Platform::Label *lblHeatMoistPoint, *lblHeatMoistQ, *lblMoistGainFlow, *lblMoistGainEnt, *lblHMInputParam;
    QLineEdit *txtHeatMoistPoint, *txtHeatMoistQ, *txtMoistGainFlow, *txtMoistGainEnt, *txtHMInputParam;
    QPushButton *cmdMoistGain, *cmdHMInputParam, *cmdHMCalc, *cmdHMCancel;
    QGroupBox* frmHMInputParam;  // chooser of the given property of the sought end
    QRadioButton *optHMInputDry, *optHMInputWet, *optHMInputDew, *optHMInputPhi, *optHMInputW,
        *optHMInputFlow;
    QPushButton* cmdHMInputOK;
    Platform::Label *lblHMOutputPoint, *lblHMOutputPointVal, *lblHMOutputFlow, *lblHMOutputFlowVal,
        *lblHMOutputFlowcfm, *lblcube, *lblOutCFM;
    Platform::PictureBox* picMoist;
    QGroupBox* frmMoistGainMore;  // the table of moisture gains, five rows at a time
    Platform::Label *lblHMFlow, *lblHMEnth;
    std::array<QLineEdit*, 5> txtHMFlow, txtMHEnth;
    QScrollBar* scrlHMMoist;
    QPushButton *cmdHMMoistAdd, *cmdHMMoistOK, *cmdHMMoistCancel;

    // --- Window
    Platform::CommonDialog* cmdlgDialog1;  // printer set-up only
    QMenu *mnuFile, *mnuOptions;
    QAction *mnuFileOpen, *mnuFileSave, *mnuFileSep1, *mnuFilePrintSetup, *mnuFilePrint, *mnuFileSep,
        *mnuFileExit;
    QAction *mnuOptionsHeat, *mnuOptionsCool, *mnuOptionsAirAir, *mnuOptionsWaterAir, *mnuOptionsHM;

    // Handlers, named after control and event.
    void Form_Load();
    void Form_Unload();
    void Form_MouseMove();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFilePrintSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuOptionsHeat_Click();
    void mnuOptionsCool_Click();
    void mnuOptionsAirAir_Click();
    void mnuOptionsWaterAir_Click();
    void mnuOptionsHM_Click();

    // Printed reports: the schematic, then one line per input and result.
    void PrintHeat();
    void PrintAirAir();
    void PrintWatAir();

    // Checks the visible calculator's inputs; false after a message.
    bool CalcInputCheck();

    // Heating and cooling.
    void cmdHeatCalc_Click();
    void cmdHeatCancel_Click();
    void HeatInput_Change();  // any of the three heating input boxes
    void cmdCoolCalc_Click();
    void cmdCoolCancel_Click();
    void CoolInput_Change();  // any of the four cooling input boxes
    void AirInput_Change();   // any of the four air/air input boxes

    // Volumetric-to-mass flow side calculators.
    void cmdHeatFlowOK_Click();
    void cmdCoolOK_Click();
    void cmdAirOK_Click();
    void cmdWatAirFlowOK_Click();

    // Air/air mixing.
    void cmdAirCalc_Click();
    void cmdAirCancel_Click();

    // Water/air mixing and its chooser of the given outlet quantity.
    void cmdWatAirCalc_Click();
    void cmdWatAirCancel_Click();
    void cmdWatAirInput_Click();
    void cmdWatAirOutOK_Click();
    void optWatAir_Click(int32_t Kind);  // any of the six options, by its code
    void WatAirInput_Change();           // any of the four input boxes

    // Heat and moisture gains and its chooser of the given property.
    void cmdHMCalc_Click();
    void cmdHMCancel_Click();
    void cmdHMInputParam_Click();
    void cmdHMInputOK_Click();
    void optHeatMoistKnown_Click();       // inlet or outlet chosen as the known point
    void optHMInput_Click(int32_t Kind);  // any of the six options, by its code
    void HeatMoistInput_Change();         // known point, heat gain or a single-gain box
    void txtHMInputParam_Change();

    // The moisture-gain table.
    void cmdMoistGain_Click();
    void scrlHMMoist_Change();
    void cmdHMMoistAdd_Click();
    void cmdHMMoistOK_Click();
    void cmdHMMoistCancel_Click();
    void txtHMFlow_LostFocus(int16_t Index);
    void txtMHEnth_LostFocus(int16_t Index);
    void txtMoistGainFlow_LostFocus();
    void txtMoistGainEnt_LostFocus();
    // Runs the LostFocus of the gain box that has the focus, so that an edit not yet
    // stored counts when a button is pressed from code or a menu is used.
    void StorePendingGainEdit();

    // The chart file's calculator section: the visible calculator, and restoring one.
    void CollectCalcSection(Chart::CalcSection& section);
    void ApplyCalcSection(const Chart::CalcSection& section);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildHeatFrame();
    void BuildCoolFrame();
    void BuildAirAirFrame();
    void BuildWatAirFrame();
    void BuildHeatMoistFrame();
    void BuildMenus();
    void PlaceExponents();
    void ConnectHandlers();
    void ConnectFileHandlers();
    void ApplyMoistGains(const Chart::CalcSection& section);
    void EnableResults(int16_t calcType);
    void ConnectHeatCoolHandlers();
    void ConnectFlowCalcHandlers();
    // The air/air calculation, the water/air and heat-and-moisture frames and the
    // moisture-gain table connect their own handlers here.
    void ConnectAirAirHandlers();
    void ConnectWatAirHandlers();
    void ConnectHeatMoistHandlers();
    void ConnectMoistGainHandlers();

    // An option of a chooser: its code and the caption it gives.
    struct Choice {
        QRadioButton* option;
        int32_t kind;
        QString caption;
    };
    std::array<Choice, 6> WatAirChoices() const;
    std::array<Choice, 6> HMChoices() const;
    // Result captions, greyed while their calculator's inputs change.
    std::array<QWidget*, 5> HMResultCaptions() const;
    std::array<QWidget*, 5> AirResultCaptions() const;
    std::array<QWidget*, 5> HMFlowLabels() const;  // hidden with the air flow given
    // The results shown current, the point caption naming the sought end.
    void ShowHMResults();
    void ShowGainRows(int first);
    void StoreRowGain(int row, int16_t index);
    void StoreSingleGain(int row);
    // The message of the first gain box whose text cannot be stored: the two single-gain
    // boxes when asked, and the table's rows while the table is shown.
    std::optional<std::string> UnstoredGainMessage(bool singleBoxes) const;
    bool GainTextRefused(bool singleBoxes);  // true after showing that message
    void ConnectPrintHandlers();

    // Schematics on the picture boxes (Mode 2) and the printer page (Mode 1).
    void DrawHeatMoist(int16_t Mode);
    void DrawCool(int16_t Mode);
    void DrawHeat(int16_t Mode);
    void DrawAirAir(int16_t Mode);
    void DrawWatAir(int16_t Mode);
    void PrintCool();
    void PrintHeatMoist();

    frmZolvane& chart_;
    bool loaded_ = true;
    int firstShownGain_ = 1;  // the gain the table's first row shows
};
