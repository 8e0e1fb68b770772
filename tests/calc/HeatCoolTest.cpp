#include "CalcWindowFixture.h"

namespace {

class HeatCoolTest : public CalcWindowTest {
protected:
    void Heat(const char* in, const char* out) {
        CalcRun("cmdHeatCalc", {{"txtHeatInPoint", in}, {"txtHeatOutPoint", out}, {"txtHeatFlow", "100"}});
    }
};

TEST_F(HeatCoolTest, CoolingSignsAPendingMouseLineAndTheLineLimit) {
    AddExamplePoints(), OpenCalculator("mnuOptProcCool");
    CalcTypeAll(
        {{"txtCoolInPoint", "3"}, {"txtCoolOutPoint", "1"}, {"txtCoolFlow", "100"}, {"txtCoolEnt", "23"}});
    CalcPress("cmdCoolCalc");  // a wetter outlet: condensate below zero
    EXPECT_EQ(CalcTexts({"lblCoolRateVal", "lblCoolWaterFlowVal"}), QStringList({"-32520", "-0.0506"}));
    EXPECT_EQ(std::pair(CalcEnabled("lblCoolRate"), CalcEnabled("lblCoolWaterFlow")), std::pair(true, true));
    CalcPress("cmdCoolCancel");
    EXPECT_FALSE(CalcShown("frmCool") || CalcEnabled("lblCoolRate") || CalcEnabled("lblCoolWaterFlow"));

    // A calculator's line ends a pending mouse line.
    Tick("chkLines");
    const Global::StatePoint &p1 = Global::Points(1), &p3 = Global::Points(3);
    Window().picZolvane_MouseDown(2, 0, p3.PlotX, p3.PlotY);
    ASSERT_EQ(Global::LineState, 2);
    Trigger("mnuOptProcHeat"), Heat("1", "2");
    // The next two right clicks make a line of their own after the calculator's.
    Window().picZolvane_MouseDown(2, 0, p3.PlotX, p3.PlotY);
    Window().picZolvane_MouseDown(2, 0, p1.PlotX, p1.PlotY);
    EXPECT_EQ(Lines(), (LineList{{3, 1}, {1, 2}, {3, 1}}));

    // The 32767th line is appended; past it nothing is, with a message (air/air before its point).
    Global::ProcLines.ReDim(2, 32766);
    for (int k = 4; k <= 32766; ++k) Global::ProcLines(1, k) = Global::ProcLines(2, k) = 1;
    OpenCalculator("mnuOptProcAirAir");
    CalcTypeAll(
        {{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "5"}, {"txtAirInPoint2", "2"}, {"txtAirFlowIn2", "5"}});
    CalcPress("cmdAirCalc");
    Trigger("mnuOptProcHeat"), Heat("1", "3");
    EXPECT_EQ(Global::ProcLines.UBound(1), 32767);
    Heat("3", "1");
    EXPECT_EQ(std::pair(Global::ProcLines.UBound(1), int(Global::NumPoints)), std::pair(32767, 3));
    EXPECT_EQ(CalcText("lblHeatQVal"), "-32590");
    const std::string full =
        "The chart already holds 32767 process lines, the most it can hold. Delete lines to add more.";
    EXPECT_EQ(Told(), (Texts{full, full}));
}

}  // namespace
