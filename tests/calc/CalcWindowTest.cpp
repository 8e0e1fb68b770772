#include <QPushButton>

#include "CalcWindowFixture.h"

namespace {

TEST_F(CalcWindowTest, LoadsWithOneGainDewPointChoicesAndTheFrameAsked) {
    Global::NumMoistGains = 4;
    OpenCalculator("mnuOptProcCool");
    EXPECT_TRUE(Global::NumMoistGains == 1 && Global::MoistGains.UBound(1) == 1);
    for (const char* option : {"optWatAirDew", "optHMInputDew", "optHeatMoistInlet"})
        EXPECT_TRUE(CalcFind<QRadioButton>(option)->isChecked()) << option;
    // The frame asked shows alone (no chooser or table), chosen from the chart's menu or the window's own.
    EXPECT_EQ(ShownFrames(), QStringList{"frmCool"});
    CalcTrigger("mnuOptionsHM");
    EXPECT_EQ(ShownFrames(), QStringList{"frmHeatMoist"});
    Trigger("mnuOptProcAirAir");
    EXPECT_EQ(ShownFrames(), QStringList{"frmAirAir"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcWindowTest, MetricCaptionsAndFiguresAreWrittenOnLoadOnly) {
    AddExamplePoints(2);
    UseUnits(false);
    OpenCalculator("mnuOptProcHeat");
    EXPECT_EQ(
        CalcTexts({"lblHeatVolFlow", "lblHeatQ", "lblCoolEnt", "lblHMOutputFlowcfm", "lblMoistGainFlow"}),
        QStringList({"Volumetric Flow (m  /min)", "Heat rate q (J/hr) =", "Water Enthalpy (kJ/kg)",
                     "(m  /min)", "Mass Flowrate (kg/hr)"}));
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "45.359236"}});
    CalcPress("cmdHeatCalc");  // 100 lb/min
    EXPECT_EQ(CalcText("lblHeatQVal"), "3.09e+07");
    // Back to US units: the open calculator keeps its captions until it is opened again.
    UseUnits(true);
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (J/hr) =");
    CalcTrigger("mnuFileExit");
    OpenCalculator("mnuOptProcHeat");
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (BTU/hr) =");
}

TEST_F(CalcWindowTest, FramesKeepTheirTextsAndClosingLeavesTheChart) {
    AddExamplePoints(2);
    OpenCalculator("mnuOptProcHeat");
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
    CalcPress("cmdHeatCalc");
    Trigger("mnuOptProcCool");
    CalcType("txtCoolEnt", "23");
    CalcTrigger("mnuOptionsHeat");
    EXPECT_EQ(CalcTexts({"txtHeatFlow", "lblHeatQVal"}), QStringList({"100", "29264"}));
    Trigger("mnuOptProcCool");
    EXPECT_EQ(CalcText("txtCoolEnt"), "23");

    // Exit unloads the calculator alone: the flag goes, the chart's points and line stay.
    ASSERT_TRUE(Global::ProcessDataPresent);
    CalcTrigger("mnuFileExit");
    EXPECT_FALSE(CalcLoaded() || Global::ProcessDataPresent);
    EXPECT_TRUE(Global::NumPoints == 2 && Lines() == (LineList{{1, 2}}) && Window().isVisible());
    OpenCalculator("mnuOptProcHeat");
    // Closing the chart window unloads the calculator too, so the program can end.
    Global::ProcessDataPresent = true;
    Window().close();
    EXPECT_FALSE(CalcLoaded() || Global::ProcessDataPresent);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcWindowTest, EveryFrameFitsOnASmallScreenWithNothingClipped) {
    frmZolvaneCalc& calc = OpenCalculator("mnuOptProcHeat");
    EXPECT_TRUE(calc.frameGeometry().width() <= 1280 && calc.frameGeometry().height() <= 800 - 40);
    for (QWidget* frame : calc.findChildren<QGroupBox*>()) frame->show();  // choosers and tables too
    for (QWidget* w : calc.centralWidget()->findChildren<QWidget*>()) {
        auto* button = qobject_cast<QPushButton*>(w);
        const int needed = qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) ? w->sizeHint().width()
                           : button ? button->fontMetrics().horizontalAdvance(button->text()) + 6
                                    : 0;
        EXPECT_TRUE(w->isWindow() ||
                    (w->parentWidget()->rect().contains(w->geometry()) && needed <= w->width() + 1))
            << w->objectName().toStdString();
    }
}

}  // namespace
