// Air/air and water/air mixing as a user runs them: points made on the chart, the
// calculator's boxes typed, Calculate pressed, the new point and lines read back.
#include <QPushButton>

#include "CalcWindowFixture.h"
#include "Screen.h"

namespace {

class MixingTest : public CalcWindowTest {
protected:
    using LineList = std::vector<std::pair<int, int>>;
    LineList AllLines() {
        LineList lines;
        for (int k = 1; k <= Global::ProcLines.UBound(1); ++k)
            lines.emplace_back(Global::ProcLines(1, k), Global::ProcLines(2, k));
        return lines;
    }
    int Lines() { return static_cast<int>(AllLines().size()); }

    void MixAir(const QString& p1, const QString& f1, const QString& p2, const QString& f2) {
        OpenCalculator("mnuOptProcAirAir");
        CalcTypeAll({{"txtAirInPoint1", p1}, {"txtAirFlowIn1", f1}, {"txtAirInPoint2", p2}, {"txtAirFlowIn2", f2}});
        CalcPress("cmdAirCalc");
    }
    bool AirResultsEnabled() {
        bool all = true;
        for (const char* name : {"lblAirOutFlowCFM", "lblCube1", "frmAirOutlet", "lblAirOutPoint", "lblAirOutFlow"})
            all = all && CalcEnabled(name);
        return all;
    }

    // Inlet 95 F / 20 % at 100 lb/min with water of 20 BTU/lb; the outlet given by `option`.
    void WashAir(const char* option, const QString& value) {
        if (Global::NumPoints == 0) AddPoint({{"DryBulb", "95"}, {"RelHumid", "20"}});
        OpenCalculator("mnuOptProcWatAir");
        CalcPress("cmdWatAirInput");
        CalcChoose(option);
        CalcPress("cmdWatAirOutOK");
        CalcTypeAll({{"txtWatAirInPoint", "1"}, {"txtWatAirInFlow", "100"}, {"txtWatAirEnt", "20"},
                     {"txtWatAirInput", value}});
        messages.clear();
        CalcPress("cmdWatAirCalc");
    }
};

TEST_F(MixingTest, AirAirMixesTwoInletsIntoANewPointJoinedToBoth) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"RelHumid", "40"}});
    MixAir("1", "300", "2", "100");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Text("txtDryBulb"), "80.00");
    EXPECT_EQ(Text("txtDewPoint"), "58.55");
    ASSERT_EQ(Global::NumPoints, 3);
    EXPECT_EQ(CalcText("lblAirOutPointVal"), "3");
    EXPECT_EQ(CalcText("lblAirOutFlowVal"), "400.0");
    EXPECT_EQ(CalcText("lblAirOutFlowCFMVal"), "5533");
    EXPECT_EQ(AllLines(), (LineList{{1, 3}, {2, 3}}));
    EXPECT_TRUE(AirResultsEnabled());
    EXPECT_TRUE(Global::ProcessDataPresent);
    EXPECT_EQ(Platform::MousePointer(), 0);

    // Equal flows: the plain means of the two inlets.
    CalcTypeAll({{"txtAirFlowIn1", "50"}, {"txtAirFlowIn2", "50"}});
    EXPECT_FALSE(AirResultsEnabled());
    CalcPress("cmdAirCalc");
    EXPECT_EQ(Text("txtDryBulb"), "85.00");
    const double w = (Global::Points(1).HumidRatio + Global::Points(2).HumidRatio) / 2.0;
    const double dewPoint = Global::DewPointFromVaporPress(Global::Press * w / (w + 0.62198)) - 459.67;
    EXPECT_EQ(Text("txtDewPoint").toStdString(), Global::FormatValue(dewPoint, 2));
    EXPECT_EQ(Lines(), 4);

    // One point twice: a flat line through the inlets, and the point itself comes back.
    MixAir("1", "300", "1", "100");
    EXPECT_EQ(Text("txtDryBulb"), "75.00");
    EXPECT_EQ(Global::NumPoints, 5);
    EXPECT_EQ(Global::Points(5).DryBulb, Global::Points(1).DryBulb);
}

TEST_F(MixingTest, AirAirFogAddsNothingAndGreysTheResults) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"RelHumid", "40"}});
    MixAir("1", "300", "2", "100");
    ASSERT_TRUE(AirResultsEnabled());
    AddPoint({{"DryBulb", "40"}, {"RelHumid", "100"}});
    AddPoint({{"DryBulb", "100"}, {"RelHumid", "100"}});
    messages.clear();
    MixAir("4", "100", "5", "100");
    // Only the chart window's own word on the state; nothing of ours, nothing drawn.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Global::NumPoints, 5);
    EXPECT_EQ(Lines(), 2);
    EXPECT_EQ(CalcText("lblAirOutPointVal"), "3");
    EXPECT_FALSE(AirResultsEnabled());
    EXPECT_EQ(Platform::MousePointer(), 0);
}

TEST_F(MixingTest, WaterAirFindsTheOutletOfEachKind) {
    WashAir("optWatAirWater", "0.3");
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(Text("txtDryBulb"), "81.71");
    EXPECT_EQ(Text("txtDewPoint"), "57.29");
    EXPECT_EQ(CalcText("lblWatAirOutPointVal"), "2");
    EXPECT_FALSE(CalcShown("lblWatAirWatFlow"));
    EXPECT_EQ(AllLines(), (LineList{{1, 2}}));

    WashAir("optWatAirDew", "60");
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(CalcText("lblWatAirWatFlowVal"), "0.407");
    EXPECT_TRUE(CalcShown("lblWatAirWatFlow") && CalcEnabled("lblWatAirWatFlow"));

    // Drier than the inlet: warned, and the point and line still come.
    WashAir("optWatAirDry", "120");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Invalid Input, This results in a negative water flow!"});
    EXPECT_EQ(CalcText("lblWatAirWatFlowVal"), "-0.568");
    EXPECT_EQ(Global::NumPoints, 4);
    EXPECT_EQ(Lines(), 3);
    EXPECT_TRUE(Global::ProcessDataPresent);
}

TEST_F(MixingTest, WaterAirRefusalsAddNothingAndGreyTheResults) {
    WashAir("optWatAirDew", "60");
    ASSERT_EQ(Global::NumPoints, 2);
    const struct {
        const char* option;
        const char* value;
        const char* message;
    } refused[] = {
        {"optWatAirDry", "130", "Error, Invalid Input"},  // the line runs out of water
        {"optWatAirWet", "65", "Error, Invalid Input"},   // met only above saturation, at 2.41 F
        {"optWatAirRel", "80", "Error - Failure to converge iteration"},  // oscillates to the bound
        {"optWatAirDew", "400", "Error, Invalid Input"},  // above the boiling point
    };
    for (const auto& r : refused) {
        WashAir(r.option, r.value);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{r.message}) << r.option << " " << r.value;
        EXPECT_EQ(Global::NumPoints, 2);
        EXPECT_EQ(Lines(), 1);
        EXPECT_FALSE(CalcEnabled("lblWatAirOutPoint"));
        EXPECT_FALSE(CalcEnabled("lblWatAirWatFlow"));
        EXPECT_EQ(CalcText("lblWatAirWatFlowVal"), "0.407");
        EXPECT_EQ(Platform::MousePointer(), 0);
    }
}

}  // namespace
