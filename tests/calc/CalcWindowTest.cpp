#include <QPushButton>

#include "CalcWindowFixture.h"

namespace {

const QStringList Frames = {"frmHeat", "frmCool", "frmAirAir", "frmWatAir", "frmHeatMoist"};
const QStringList HiddenAtLoad = {"frmHeatFlowCalc",       "frmCoolMassFlow", "frmAirMassCalc",
                                  "frmWatAirMassFlowCalc", "frmHMInputParam", "frmMoistGainMore",
                                  "frmWatAirInput"};

TEST_F(CalcWindowTest, LoadsWithOneGainDewPointChoicesAndTheFrameAsked) {
    Global::NumMoistGains = 4;
    OpenCalculator("mnuOptProcCool");
    EXPECT_EQ(Calc().windowTitle(), "Dividirivovev Evedivodarar");
    EXPECT_EQ(Global::NumMoistGains, 1);
    EXPECT_EQ(Global::MoistGains.UBound(1), 1);
    EXPECT_EQ(Calc().WatAirInputKind, 2);
    EXPECT_EQ(Calc().HMInputKind, 2);
    for (const char* option : {"optWatAirDew", "optHMInputDew", "optHeatMoistInlet"})
        EXPECT_TRUE(CalcFind<QRadioButton>(option)->isChecked()) << option;
    for (const QString& frame : Frames)
        EXPECT_EQ(CalcShown(frame), frame == "frmCool") << frame.toStdString();
    for (const QString& frame : HiddenAtLoad) EXPECT_FALSE(CalcShown(frame)) << frame.toStdString();
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (BTU/hr) =");

    // The window's own Options menu and the chart's menu switch frames alike.
    CalcTrigger("mnuOptionsHM");
    for (const QString& frame : Frames) EXPECT_EQ(CalcShown(frame), frame == "frmHeatMoist");
    Trigger("mnuOptProcAirAir");
    for (const QString& frame : Frames) EXPECT_EQ(CalcShown(frame), frame == "frmAirAir");
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcWindowTest, MetricCaptionsAreWrittenOnLoadOnly) {
    WriteFile("Zolvane.ini",
              "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#FALSE#,#"
              "FALSE#,#FALSE#\r\n");
    OpenCalculator("mnuOptProcHeat");
    // clang-format off
    const std::pair<const char*, const char*> captions[] = {
        {"lblHeatVolFlow", "Volumetric Flow (m  /min)"},   {"lblHeatMassFlow", "Mass Flow (kg/min) ="},
        {"lblHeatFlow", "Air Flowrate (kg/min)"},          {"lblHeatQ", "Heat rate q (J/hr) ="},
        {"lblCoolVolFlow", "Volumetric Flow (m  /min)"},   {"lblCoolMassFlow", "Mass Flow (kg/min) ="},
        {"lblCoolEnt", "Water Enthalpy (kJ/kg)"},          {"lblCoolWaterFlow", "Water Flow (kg/min)"},
        {"lblCoolFlow", "Air Flowrate (kg/min)"},          {"lblCoolRate", "Heat rate q (J/hr) ="},
        {"lblAirVolFlow", "Volumetric Flow (m  /min)"},    {"lblAirMassFlow", "Mass Flow (kg/min) ="},
        {"lblAirInFlow", "Air Flow (kg/min)"},             {"lblAirOutFlow", "Air Flow (kg/min)"},
        {"lblAirOutFlowCFM", "(m  /min)"},                 {"lblWatAirVolFlow", "Inlet Volumetric Flow (m  /min)"},
        {"lblWatAirMassFlowCalc", "Mass Flow (kg/min) ="}, {"lblWatAirInFlow", "Inlet Air Flow (kg/min)"},
        {"lblWatAirEnt", "Water Enthalpy (kJ/kg)"},        {"lblWatAirWatFlow", "Water Flow (kg/min) ="},
        {"lblHeatMoistQ", "Sensible Heat Gain q (J/hr)"},  {"lblMoistGainFlow", "Mass Flowrate (kg/hr)"},
        {"lblMoistGainEnt", "Water Enthalpy (kJ/kg)"},     {"lblHMOutputFlow", "Air Flowrate (kg/min)"},
        {"lblHMOutputFlowcfm", "(m  /min)"}};
    // clang-format on
    for (const auto& [name, caption] : captions) EXPECT_EQ(CalcText(name), caption) << name;

    // Back to US units in the chart window: the open calculator keeps its captions
    // until it is closed and opened again.
    Press("optUSUnits");
    Press("cmdUnitsOK");
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (J/hr) =");
    CalcTrigger("mnuFileExit");
    EXPECT_FALSE(CalcLoaded());
    OpenCalculator("mnuOptProcHeat");
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (BTU/hr) =");
}

TEST_F(CalcWindowTest, FramesKeepTheirTextsAndClosingLeavesTheChart) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"DewPoint", "55.16"}});
    OpenCalculator("mnuOptProcHeat");
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
    CalcPress("cmdHeatCalc");
    Trigger("mnuOptProcCool");
    CalcType("txtCoolEnt", "23");
    CalcTrigger("mnuOptionsHeat");
    EXPECT_EQ(CalcText("txtHeatFlow"), "100");
    Trigger("mnuOptProcCool");
    EXPECT_EQ(CalcText("txtCoolEnt"), "23");

    // Exit unloads the calculator alone: the flag goes, the chart's points and line stay.
    ASSERT_TRUE(Global::ProcessDataPresent);
    CalcTrigger("mnuFileExit");
    EXPECT_FALSE(CalcLoaded());
    EXPECT_FALSE(Global::ProcessDataPresent);
    EXPECT_EQ(Global::NumPoints, 2);
    EXPECT_EQ(Global::ProcLines.UBound(1), 1);
    EXPECT_TRUE(Window().isVisible());

    // Printer Setup asks for the set-up dialog and says nothing when it is cancelled.
    OpenCalculator("mnuOptProcHeat");
    CalcTrigger("mnuFilePrintSetup");
    ASSERT_EQ(dialogs->requests.size(), 1u);
    EXPECT_EQ(dialogs->requests[0].kind, Platform::DialogKind::Printer);
    EXPECT_EQ(dialogs->requests[0].flags, 64);
    EXPECT_TRUE(dialogs->requests[0].cancelError);

    // Closing the chart window unloads the calculator too, so the program can end.
    Global::ProcessDataPresent = true;
    Window().close();
    EXPECT_FALSE(CalcLoaded());
    EXPECT_FALSE(Global::ProcessDataPresent);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcWindowTest, EveryFrameFitsOnASmallScreenWithNothingClipped) {
    frmZolvaneCalc& calc = OpenCalculator("mnuOptProcHeat");
    EXPECT_LE(calc.frameGeometry().width(), 1280);
    EXPECT_LE(calc.frameGeometry().height(), 800 - 40);
    for (QWidget* frame : calc.findChildren<QGroupBox*>()) frame->show();  // choosers and tables too
    for (QWidget* w : calc.findChildren<QWidget*>()) {
        if (w->isWindow() || w->parentWidget() == &calc || !calc.centralWidget()->isAncestorOf(w)) continue;
        const QString name = w->objectName();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name.toStdString();
        int needed = 0;  // the caption's width with the control's own margins
        if (qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w)) needed = w->sizeHint().width();
        if (auto* button = qobject_cast<QPushButton*>(w))
            needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
        EXPECT_LE(needed, w->width() + 1) << name.toStdString();
    }
}

}  // namespace
