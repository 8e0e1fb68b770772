#include <QLineEdit>
#include <cmath>

#include "CalcWindowFixture.h"

namespace {

TEST_F(CalcWindowTest, VolumeFlowAtAPointBecomesTheCalculatorsMassFlow) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});  // 13.68 ft3/lb
    OpenCalculator("mnuOptProcHeat");
    CalcPress("cmdHeatFlowCalc");
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatFlow", "5"}, {"txtHeatVolFlow", "2000"}});
    CalcChoose("optHeatInPoint");
    CalcPress("cmdHeatFlowOK");
    EXPECT_EQ(CalcText("lblHeatMassFlowVal"), "146.2");
    EXPECT_EQ(CalcText("txtHeatFlow"), "146.2");
    EXPECT_FALSE(CalcEnabled("lblHeatQ"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(CalcShown("frmHeatFlowCalc"));

    // Every refusal writes nothing: a blank point box names the point, the rest is "Invalid input".
    const std::pair<QString, QString> refused[] = {{"  ", "2000"}, {"2", "2000"},  {"1x", "2000"}, {"1", ""},
                                                   {"1", "lots"},  {"1", "1e999"}, {"1", "1e39"}};
    messages.clear();
    for (const auto& [point, volume] : refused) {
        CalcTypeAll({{"txtHeatOutPoint", point}, {"txtHeatFlow", "5"}, {"txtHeatVolFlow", volume}});
        CalcChoose("optHeatOutPoint");
        CalcPress("cmdHeatFlowOK");
        EXPECT_EQ(CalcText("txtHeatFlow"), "5");
    }
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"No point is provided for the outlet point",
                                                        "Invalid input", "Invalid input", "Invalid input",
                                                        "Invalid input", "Invalid input", "Invalid input"}));
}

TEST_F(CalcWindowTest, EachSideCalculatorWritesItsOwnFlowBox) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    OpenCalculator("mnuOptProcAirAir");
    CalcPress("cmdAirOK");  // no inlet chosen yet
    CalcTypeAll({{"txtAirInPoint2", "1"}, {"txtAirFlowIn1", "7"}, {"txtAirVolFlow", "1000"}});
    CalcChoose("optAirIn1");
    CalcPress("cmdAirOK");
    CalcChoose("optAirIn2");
    CalcPress("cmdAirOK");
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{"Invalid input", "No point is provided for point 1"}));
    EXPECT_EQ(CalcText("txtAirFlowIn1"), "7");
    EXPECT_EQ(CalcText("txtAirFlowIn2"), "73.11");
    EXPECT_FALSE(CalcEnabled("frmAirOutlet"));

    messages.clear();
    Trigger("mnuOptProcWatAir");
    CalcType("txtWatAirVolFlow", "1000");
    CalcPress("cmdWatAirFlowOK");
    CalcType("txtWatAirInPoint", "1");
    CalcPress("cmdWatAirFlowOK");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"No point is provided for the inlet point"});
    EXPECT_EQ(CalcText("txtWatAirInFlow"), "73.11");

    Trigger("mnuOptProcCool");
    CalcTypeAll({{"txtCoolOutPoint", "1"}, {"txtCoolVolFlow", "2000"}});
    CalcChoose("optCoolOut");
    CalcPress("cmdCoolOK");
    EXPECT_EQ(CalcText("txtCoolFlow"), "146.2");
}

// No typed text ends the program or shows a number that is not one.
TEST_F(CalcWindowTest, AnyTypedTextIsRefusedOrComputed) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"DewPoint", "55.16"}});
    const QStringList texts = {"",     " ",   "abc",  "-",    "1e999", "-1e999", "nan",    "inf",
                               "0x10", "1,5", "2abc", "1e39", "-0",    "1e-50",  "32768",  "-32769",
                               "1.5",  "0.5", "1e",   "9e9",  "+2",    ".5",     "3.4e38", "1d-3"};
    const std::pair<const char*, QStringList> frames[] = {
        {"mnuOptProcHeat", {"txtHeatInPoint", "txtHeatOutPoint", "txtHeatFlow", "txtHeatVolFlow"}},
        {"mnuOptProcCool",
         {"txtCoolInPoint", "txtCoolOutPoint", "txtCoolFlow", "txtCoolEnt", "txtCoolVolFlow"}},
        {"mnuOptProcAirAir", {"txtAirInPoint1", "txtAirFlowIn1", "txtAirVolFlow"}},
        {"mnuOptProcWatAir", {"txtWatAirInPoint", "txtWatAirInFlow", "txtWatAirEnt", "txtWatAirVolFlow"}},
        {"mnuOptProcHM", {"txtHeatMoistQ", "txtMoistGainFlow", "txtMoistGainEnt", "txtHeatMoistPoint"}}};
    const QStringList buttons = {"cmdHeatCalc", "cmdHeatFlowOK", "cmdCoolCalc", "cmdCoolOK",      "cmdAirOK",
                                 "cmdAirCalc",  "cmdWatAirCalc", "cmdHMCalc",   "cmdWatAirFlowOK"};
    OpenCalculator("mnuOptProcHeat");
    for (const char* option : {"optHeatInPoint", "optCoolIn", "optAirIn1"}) CalcChoose(option);
    for (const auto& [item, boxes] : frames) {
        Trigger(item);
        for (const QString& box : boxes)
            for (const QString& text : texts) {
                for (const QString& other : boxes) CalcType(other, "1");
                CalcType(box, text);
                Calc().CalcInputCheck();
                for (const QString& button : buttons) CalcPress(button);
            }
    }
    for (QLabel* label : Calc().findChildren<QLabel*>()) {
        const QString shown = label->text().toLower();
        EXPECT_FALSE(shown.contains("nan") || shown.contains("inf")) << label->objectName().toStdString();
    }
    EXPECT_EQ(Platform::MousePointer(), 0);
    for (int k = 1; k <= Global::ProcLines.UBound(1); ++k)
        for (int row : {1, 2})
            EXPECT_TRUE(Global::ProcLines(row, k) >= 1 && Global::ProcLines(row, k) <= Global::NumPoints);
}

}  // namespace
