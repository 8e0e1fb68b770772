#include <QCheckBox>

#include "CalcWindowFixture.h"
#include "frmZolvane.h"

namespace {

class HeatCoolTest : public CalcWindowTest {
protected:
    // 1: 75 F / 50 %; 2: heated at constant moisture to 95 F; 3: 55 F / 95 %.
    void AddExamplePoints() {
        AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
        AddPoint({{"DryBulb", "95"}, {"DewPoint", "55.16"}});
        AddPoint({{"DryBulb", "55"}, {"RelHumid", "95"}});
        ASSERT_EQ(Global::NumPoints, 3);
    }
    void Heat(const char* in, const char* out, const char* flow) {
        CalcTypeAll({{"txtHeatInPoint", in}, {"txtHeatOutPoint", out}, {"txtHeatFlow", flow}});
        CalcPress("cmdHeatCalc");
    }
    std::pair<int, int> Line(int k) { return {Global::ProcLines(1, k), Global::ProcLines(2, k)}; }
};

TEST_F(HeatCoolTest, HeatingRateBetweenTwoChartPoints) {
    AddExamplePoints();
    OpenCalculator("mnuOptProcHeat");
    Heat("1", "2", "100");
    EXPECT_EQ(CalcText("lblHeatQVal"), "29264");
    EXPECT_TRUE(CalcEnabled("lblHeatQ"));
    EXPECT_TRUE(Global::ProcessDataPresent);
    ASSERT_EQ(Global::ProcLines.UBound(1), 1);
    EXPECT_EQ(Line(1), std::make_pair(1, 2));
    EXPECT_EQ(Platform::MousePointer(), 0);

    // Typing greys the caption and keeps the figure until the next Calculate.
    CalcType("txtHeatInPoint", "2");
    EXPECT_FALSE(CalcEnabled("lblHeatQ"));
    EXPECT_EQ(CalcText("lblHeatQVal"), "29264");
    Heat("2", "1", "100");
    EXPECT_EQ(CalcText("lblHeatQVal"), "-29264");
    EXPECT_TRUE(CalcEnabled("lblHeatQ"));
    ASSERT_EQ(Global::ProcLines.UBound(1), 2);
    EXPECT_EQ(Line(2), std::make_pair(2, 1));

    // Point numbers round half to even: 1.5 and 2.5 are both point 2.
    Heat("1.5", "2.5", "100");
    EXPECT_EQ(Line(3), std::make_pair(2, 2));
    EXPECT_EQ(CalcText("lblHeatQVal"), "0.0");

    Global::Points(1).Enthalpy = 20;
    Global::Points(2).Enthalpy = 30;
    Heat("1", "2", "200");
    EXPECT_EQ(CalcText("lblHeatQVal"), "1.20e+05");

    CalcPress("cmdHeatCancel");  // hides without greying
    EXPECT_TRUE(!CalcShown("frmHeat") && CalcEnabled("lblHeatQ"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HeatCoolTest, CoolingRateAndCondensateWithTheirSigns) {
    AddExamplePoints();
    OpenCalculator("mnuOptProcCool");
    CalcTypeAll(
        {{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "3"}, {"txtCoolFlow", "100"}, {"txtCoolEnt", "23"}});
    CalcPress("cmdCoolCalc");
    EXPECT_EQ(CalcText("lblCoolRateVal"), "32520");
    EXPECT_EQ(CalcText("lblCoolWaterFlowVal"), "0.0506");
    EXPECT_TRUE(CalcEnabled("lblCoolRate") && CalcEnabled("lblCoolWaterFlow"));
    EXPECT_EQ(Line(1), std::make_pair(1, 3));

    // A wetter outlet gives condensate below zero, shown with its sign.
    CalcTypeAll({{"txtCoolInPoint", "3"}, {"txtCoolOutPoint", "1"}});
    EXPECT_FALSE(CalcEnabled("lblCoolRate") || CalcEnabled("lblCoolWaterFlow"));
    CalcPress("cmdCoolCalc");
    EXPECT_EQ(CalcText("lblCoolRateVal"), "-32520");
    EXPECT_EQ(CalcText("lblCoolWaterFlowVal"), "-0.0506");

    // Cancel greys both results before hiding the frame.
    CalcPress("cmdCoolCancel");
    EXPECT_FALSE(CalcShown("frmCool"));
    EXPECT_FALSE(CalcEnabled("lblCoolRate") || CalcEnabled("lblCoolWaterFlow"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HeatCoolTest, MetricFlowInKilogramsGivesJoules) {
    AddExamplePoints();
    Press("optMetricUnits");
    Press("cmdUnitsOK");
    OpenCalculator("mnuOptProcHeat");
    Heat("1", "2", "45.359236");  // 100 lb/min
    EXPECT_EQ(CalcText("lblHeatQVal"), "3.09e+07");
}

TEST_F(HeatCoolTest, ACalculatorLineEndsAPendingMouseLineAndTheTableHasALimit) {
    AddExamplePoints();
    Tick("chkLines");
    const Global::StatePoint& p3 = Global::Points(3);
    Window().picZolvane_MouseDown(2, 0, p3.PlotX, p3.PlotY);
    ASSERT_EQ(Global::LineState, 2);
    OpenCalculator("mnuOptProcHeat");
    Heat("1", "2", "100");
    ASSERT_EQ(Global::ProcLines.UBound(1), 1);
    EXPECT_EQ(Line(1), std::make_pair(1, 2));
    // The next two right clicks make a line of their own after the calculator's.
    const Global::StatePoint& p1 = Global::Points(1);
    Window().picZolvane_MouseDown(2, 0, p3.PlotX, p3.PlotY);
    Window().picZolvane_MouseDown(2, 0, p1.PlotX, p1.PlotY);
    EXPECT_EQ(Line(1), std::make_pair(1, 2));
    EXPECT_EQ(Line(2), std::make_pair(3, 1));

    // At 32767 lines nothing more is appended, with a message.
    Global::ProcLines.ReDim(2, 32767);
    for (int k = 3; k <= 32767; ++k) Global::ProcLines(1, k) = Global::ProcLines(2, k) = 1;
    Heat("1", "3", "100");
    EXPECT_EQ(Global::ProcLines.UBound(1), 32767);
    EXPECT_EQ(CalcText("lblHeatQVal"), "29264");
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"The chart already holds 32767 process lines, the most it "
                                       "can hold. Delete lines to add more."});
}

}  // namespace
