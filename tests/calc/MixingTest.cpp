#include "CalcWindowFixture.h"
#include "Psychro.h"

namespace {

class MixingTest : public CalcWindowTest {
protected:
    void MixAir(const QString& p1, const QString& f1, const QString& p2, const QString& f2) {
        OpenCalculator("mnuOptProcAirAir");
        CalcTypeAll(
            {{"txtAirInPoint1", p1}, {"txtAirFlowIn1", f1}, {"txtAirInPoint2", p2}, {"txtAirFlowIn2", f2}});
        messages.clear(), CalcPress("cmdAirCalc");
    }
    // Inlet 95 F / 20 % at 100 lb/min with water of 20 BTU/lb; the outlet given by `option`.
    void WashAir(const char* option, QString value, const char* water = "20", const char* flow = "100",
                 const QString& inlet = "1") {
        if (Global::NumPoints == 0) AddPoint({{"DryBulb", "95"}, {"RelHumid", "20"}});
        OpenCalculator("mnuOptProcWatAir");
        CalcPress("cmdWatAirInput"), CalcChoose(option), CalcPress("cmdWatAirOutOK");
        CalcTypeAll({{"txtWatAirInPoint", inlet}, {"txtWatAirInFlow", flow}, {"txtWatAirEnt", water}});
        CalcType("txtWatAirInput", value), messages.clear(), CalcPress("cmdWatAirCalc");
    }
};

TEST_F(MixingTest, AirAirMakesTheMixedPointJoinedToBothInlets) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}}), AddPoint({{"DryBulb", "95"}, {"RelHumid", "40"}});
    MixAir("1", "300", "2", "100");
    EXPECT_TRUE(messages.empty() && Shown() == "80.00 / 58.55");
    EXPECT_EQ(CalcTexts({"lblAirOutPointVal", "lblAirOutFlowVal", "lblAirOutFlowCFMVal"}),
              QStringList({"3", "400.0", "5533"}));
    EXPECT_EQ(Lines(), (LineList{{1, 3}, {2, 3}}));
    const auto resultsEnabled = [this] {
        return AllEnabled(
            {"lblAirOutFlowCFM", "lblCube1", "frmAirOutlet", "lblAirOutPoint", "lblAirOutFlow"});
    };
    EXPECT_TRUE(resultsEnabled() && Global::ProcessDataPresent);

    // One point twice: the line through the inlets is flat, and the point itself comes back.
    MixAir("1", "300", "1", "100");
    EXPECT_TRUE(Text("txtDryBulb") == "75.00" && Global::NumPoints == 4);

    // Fog (40 F and 100 F saturated): only the chart window's own word, nothing drawn, greyed.
    AddPoint({{"DryBulb", "40"}, {"RelHumid", "100"}}), AddPoint({{"DryBulb", "100"}, {"RelHumid", "100"}});
    MixAir("5", "100", "6", "100");
    EXPECT_EQ(Told(), Texts{Global::MsgDewPointAboveDryBulb});
    // A total flow, or volume flow, no float holds: refused before the point is made.
    for (const char* flow : {"3e38", "1e38"}) {
        MixAir("1", flow, "2", flow);
        EXPECT_EQ(Told(), Texts{"Invalid Input"}) << flow;
    }
    EXPECT_EQ(std::pair(int(Global::NumPoints), Lines().size()), std::pair(6, std::size_t{4}));
    EXPECT_EQ(CalcText("lblAirOutPointVal"), "4");
    EXPECT_TRUE(!resultsEnabled() && Platform::MousePointer() == 0);
}

TEST_F(MixingTest, WaterAirFindsTheOutletOfEachKind) {
    WashAir("optWatAirWater", "0.3");
    EXPECT_EQ(Shown(), "81.71 / 57.29");
    EXPECT_TRUE(CalcText("lblWatAirOutPointVal") == "2" && !CalcShown("lblWatAirWatFlow"));
    WashAir("optWatAirDew", "60");
    EXPECT_EQ(std::tuple(Told(), CalcText("lblWatAirWatFlowVal"), CalcShown("lblWatAirWatFlow"),
                         CalcEnabled("lblWatAirWatFlow")),
              std::tuple(Texts{}, QString("0.405"), true, true));

    // Drier than the inlet: warned, and the point and line still come.
    WashAir("optWatAirDry", "120");
    EXPECT_EQ(std::pair(Told(), CalcText("lblWatAirWatFlowVal")),
              std::pair(Texts{"Invalid Input, This results in a negative water flow!"}, QString("-0.572")));
    EXPECT_EQ(Lines(), (LineList{{1, 2}, {1, 3}, {1, 4}}));

    const char* refused[][6] = {
        {"SI", "optWatAirDry", "30", "40", "3e38", "Invalid Input"},          // a water flow no float holds
        {"US", "optWatAirDry", "130", "20", "100", "Error, Invalid Input"},   // the line runs out of water
        {"US", "optWatAirWet", "65", "20", "100", "Error, Invalid Input"},    // met only above saturation
        {"US", "optWatAirRel", "95", "1200", "100", "Error, Invalid Input"},  // steam: boils before 95 %
        {"US", "optWatAirDew", "400", "20", "100", "Error, Invalid Input"},   // above the boiling point
    };
    for (const auto& [units, option, value, water, flow, message] : refused) {
        UseUnits(units == std::string("US")), WashAir(option, value, water, flow);
        EXPECT_EQ(Told(), std::vector<std::string>{message}) << option << " " << value;
        EXPECT_TRUE(Global::NumPoints == 4 && Lines().size() == 3u && Platform::MousePointer() == 0);
        EXPECT_FALSE(CalcEnabled("lblWatAirOutPoint") || CalcEnabled("lblWatAirWatFlow"));
        EXPECT_EQ(CalcText("lblWatAirWatFlowVal"), "-0.572");
    }
    // A full line table: no outlet point is made whose line would be refused. A half-drawn
    // line takes no room: it is dropped first.
    SetLines(LineList(32767, {1, 1})), WashAir("optWatAirDew", "60");
    EXPECT_EQ(Global::NumPoints, 4);
    Global::ProcLines(2, 32767) = 0, Global::LineState = 2, WashAir("optWatAirDew", "60");
    EXPECT_EQ(Lines().back(), std::make_pair(1, 5));
}

TEST_F(MixingTest, WaterAirOutletsByRelativeHumidityAndNearSaturation) {
    // Worked out apart from the program in tools/outlet_states.py.
    // clang-format off
    for (const auto& [rh, dry, water] : {std::tuple{"10", "105.14", "-0.226"} /* water taken out */,
             {"60", "75.78", "0.442"}, {"80", "70.41", "0.574"}, {"90", "68.20", "0.630"},
             {"95", "67.18", "0.656"}, {"100", "66.22", "0.681"}}) {  // clang-format on
        WashAir("optWatAirRel", rh);
        EXPECT_EQ(Text("txtDryBulb") + " " + CalcText("lblWatAirWatFlowVal"), QString(dry) + " " + water);
    }
    // The straight line crosses saturation at 65.92 F: a little below it the outlet is
    // saturated air; further below, the calculator's own refusal and nothing added.
    WashAir("optWatAirDry", "65.8");
    EXPECT_EQ(Shown(), "65.80 / 65.80");
    WashAir("optWatAirDry", "65.7");
    EXPECT_EQ(Told(),
              Texts{"The outlet dry bulb lies below the point where the mixing line reaches saturation"});
    EXPECT_EQ(Global::NumPoints, 8);
}

TEST_F(MixingTest, WaterAirSteamHumidifyingMeetsTheLineBesideTheInlet) {
    // Worked out in tools/outlet_states.py: inlet, water near the vapour's enthalpy (1061 +
    // 0.444 t), wanted relative humidity; the outlet's dry bulb, water flow, and whether warned.
    UsePressure("14.696");
    // clang-format off
    const char* rows[][5] = {
        {"50", "40", "1082.2", "35", "50.00 -0.0380 warned"}, {"50", "40", "1084.2", "50", "50.00 0.0762"},
        {"60", "30", "1087.6", "40", "60.00 0.110"}, {"60", "30", "1086.6", "25", "60.00 -0.0547 warned"},
        {"60", "30", "1087.6", "25", "60.00 -0.0547 warned"}, {"70", "50", "1091.08", "60", "69.99 0.158"},
        {"70", "50", "1093.08", "45", "70.00 -0.0787 warned"}, {"80", "20", "1095.52", "30", "79.99 0.218"},
        {"80", "20", "1097.52", "15", "80.00 -0.109 warned"}, {"90", "30", "1099.96", "25", "90.01 -0.152 warned"},
        {"90", "30", "1101.96", "40", "90.01 0.306"}, {"90", "30", "1100", "20", "90.01 -0.303 warned"}};
    // clang-format on
    for (const auto& [dry, rhIn, water, rh, outlet] : rows) {
        AddPoint({{"DryBulb", dry}, {"RelHumid", rhIn}});
        WashAir("optWatAirRel", rh, water, "100", QString::number(Global::NumPoints));
        EXPECT_EQ(
            Text("txtDryBulb") + " " + CalcText("lblWatAirWatFlowVal") + (Told().empty() ? "" : " warned"),
            outlet)
            << dry << " F / " << rhIn << " %, water " << water << ", outlet " << rh << " %";
    }
}

}  // namespace
