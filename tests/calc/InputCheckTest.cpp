#include "CalcWindowFixture.h"

namespace {

const std::string Flow = "Invalid Flowrate, Flow must be Greater than 0", Bad = "Invalid Input";

TEST_F(CalcWindowTest, PointBoxesAndHeatingBoxesAreCheckedAtTheirLimitsAndAsWholeNumbers) {
    const std::string In = "Invalid Inlet Point";
    OpenCalculator("mnuOptProcHeat");  // every frame refuses points while the chart has none
    CalcTypeAll({{"txtCoolInPoint", "1"}, {"txtAirInPoint1", "1"}, {"txtWatAirInPoint", "1"}});
    Texts told;
    for (const char* item : {"mnuOptProcCool", "mnuOptProcAirAir", "mnuOptProcWatAir"})
        Trigger(item), told.push_back(CheckInputs());
    EXPECT_EQ(told, (Texts{In, "Invalid 1st Inlet Point", In}));
    // The water/air outlet quantity follows its own choice.
    AddExamplePoints(2);
    CalcTypeAll({{"txtWatAirInFlow", "100"}, {"txtWatAirEnt", "20"}, {"txtWatAirInput", "1"}});
    Calc().WatAirInputKind = 4;
    EXPECT_EQ(CheckInputs(), "Invalid Humidity Ratio");
    Trigger("mnuOptProcHeat");
    const std::pair<QString, std::vector<std::pair<QString, std::string>>> cases[] = {
        {"txtHeatInPoint", {{"2", ""}, {"1.5", ""}, {"3", In}, {"0.5", In}, {"2abc", In}, {"1e999", Bad}}},
        {"txtHeatOutPoint", {{"", "Invalid Outlet Point"}}},
        // clang-format off
        {"txtHeatFlow", {{"0", Flow}, {"-5", Flow}, {"1e-50", Flow}, {"7e", Flow}, {"1,5", Flow}, {"1 2", Flow},
                         {"0x10", Flow}, {"1e39", Bad}, {"12.5D+1", ""}, {".5", ""}, {"5.", ""}, {"+.5e1", ""},
                         {".", Flow}, {".e1", Flow}}}};
    // clang-format on
    for (const auto& [box, texts] : cases)
        for (const auto& [text, message] : texts) {
            CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
            CalcType(box, text);
            EXPECT_EQ(CheckInputs(), message) << box.toStdString() << " = \"" << text.toStdString() << "\"";
        }
    // A frame counts as shown by its own flag, also while its window is off screen.
    CalcType("txtHeatFlow", ""), Calc().hide();
    EXPECT_EQ(CheckInputs(), Flow);
    CalcPress("cmdHeatCancel");  // no calculator frame shown: nothing to check
    EXPECT_EQ(CheckInputs(), "");
}

TEST_F(CalcWindowTest, HeatAndMoistureBoxesSpeakInOrderAndByTheChosenQuantity) {
    AddExamplePoints(1);
    frmZolvaneCalc& calc = OpenCalculator("mnuOptProcHM");
    const char* order[][3] = {{"txtHeatMoistQ", "1000", "Invalid Sensible Heat Gain"},
                              {"txtMoistGainFlow", "2", "Invalid Moisture Flowrate"},
                              {"txtMoistGainEnt", "1100", "Invalid Moisture Enthalpy"},
                              {"txtHeatMoistPoint", "1", "Invalid Known Point"},
                              {"txtHMInputParam", "500", "Invalid Input Temperature"}};
    for (const auto& [box, text, message] : order) {
        EXPECT_EQ(CheckInputs(), message) << box;
        CalcType(box, text);
    }
    EXPECT_EQ(CheckInputs(), "");

    // The parameter box by the chosen quantity; a choice outside 0 to 5 checks nothing.
    const std::string T = "Invalid Input Temperature";
    // clang-format off
    const std::tuple<int32_t, QString, std::string> cases[] = {
        {2, "-200", T}, {0, "-199.99", ""}, {1, "500.01", T}, {3, "100", ""}, {3, "0", "Invalid Relative Humidity"},
        {4, "1", "Invalid Humidity Ratio"}, {4, "0.0099", ""}, {5, "0", Flow}, {5, "150", ""}, {9, "abc", ""},
        {0, ".", T}, {1, "-.5", ""}, {0, "1" + QString(400, '0') + "e-5", Bad}, {2, "-1" + QString(400, '0') + "e-5", Bad}};
    // clang-format on
    for (const auto& [kind, text, message] : cases) {
        calc.HMInputKind = kind, CalcType("txtHMInputParam", text);
        EXPECT_EQ(CheckInputs(), message) << kind << " \"" << text.toStdString() << "\"";
    }
}

}  // namespace
