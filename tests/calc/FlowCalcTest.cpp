#include <QRegularExpression>
#include <cmath>

#include "CalcWindowFixture.h"

namespace {

TEST_F(CalcWindowTest, VolumeFlowAtAPointBecomesTheCalculatorsMassFlow) {
    AddExamplePoints(1), OpenCalculator("mnuOptProcHeat");     // 13.68 ft3/lb
    CalcPress("cmdHeatFlowCalc"), CalcPress("cmdHeatFlowOK");  // no point chosen yet
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatFlow", "5"}, {"txtHeatVolFlow", "2000"}});
    CalcChoose("optHeatInPoint"), CalcPress("cmdHeatFlowOK");
    EXPECT_EQ(CalcTexts({"lblHeatMassFlowVal", "txtHeatFlow"}), QStringList({"146.2", "146.2"}));
    EXPECT_EQ(Told(), Texts{"Invalid input"});
    EXPECT_EQ(std::pair(CalcEnabled("lblHeatQ"), CalcShown("frmHeatFlowCalc")), std::pair(false, true));

    // Every refusal writes nothing: a blank point box names the point, the rest is "Invalid input".
    const std::pair<QString, QString> refused[] = {{"  ", "2000"}, {"2", "2000"},  {"1x", "2000"}, {"1", ""},
                                                   {"1", "lots"},  {"1", "1e999"}, {"1", "1e39"}};
    for (const auto& [point, volume] : refused) {
        messages.clear();
        CalcTypeAll({{"txtHeatOutPoint", point}, {"txtHeatFlow", "5"}, {"txtHeatVolFlow", volume}});
        CalcChoose("optHeatOutPoint"), CalcPress("cmdHeatFlowOK");
        EXPECT_EQ(CalcText("txtHeatFlow"), "5");
        EXPECT_EQ(Told(),
                  Texts{point == "  " ? "No point is provided for the outlet point" : "Invalid input"});
    }
}

// Each box takes every text while the others hold "1": no crash, hang or shown non-number.
TEST_F(CalcWindowTest, AnyTypedTextIsRefusedOrComputed) {
    AddExamplePoints(2);
    const QStringList texts =
        QString("| |abc|-|1e999|nan|inf|0x10|1,5|2abc|1e39|-0|1e-50|32768|-32769|0.5|1e|+2|.5|1d-3|-1|0|2")
            .split('|');
    const char* frames[][2] = {
        {"mnuOptProcHeat", "txtHeatInPoint txtHeatOutPoint txtHeatFlow txtHeatVolFlow"},
        {"mnuOptProcCool", "txtCoolInPoint txtCoolOutPoint txtCoolFlow txtCoolEnt txtCoolVolFlow"},
        {"mnuOptProcAirAir", "txtAirInPoint1 txtAirFlowIn1 txtAirInPoint2 txtAirFlowIn2 txtAirVolFlow"},
        {"mnuOptProcWatAir", "txtWatAirInPoint txtWatAirInFlow txtWatAirEnt txtWatAirInput txtWatAirVolFlow"},
        {"mnuOptProcHM", "txtHeatMoistQ txtMoistGainFlow txtMoistGainEnt txtHeatMoistPoint txtHMInputParam"}};
    OpenCalculator("mnuOptProcHeat");
    for (const char* option : {"optHeatInPoint", "optCoolIn", "optAirIn1"}) CalcChoose(option);
    for (const auto& [item, names] : frames) {
        Trigger(item);
        const QStringList boxes = QString(names).split(' ');
        for (const QString& box : boxes)
            for (const QString& text : texts) {
                for (const QString& other : boxes) Enter(other, other == box ? text : "1");
                for (const char* button :
                     {"cmdHeatCalc", "cmdHeatFlowOK", "cmdCoolCalc", "cmdCoolOK", "cmdAirOK", "cmdAirCalc",
                      "cmdWatAirCalc", "cmdHMCalc", "cmdWatAirFlowOK"})
                    CalcPress(button);
            }
    }
    const QRegularExpression notNumber("nan|inf", QRegularExpression::CaseInsensitiveOption);
    for (QLabel* label : Calc().findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(notNumber)) << label->objectName().toStdString();
    EXPECT_EQ(Platform::MousePointer(), 0);
    for (int k = 1; k <= Global::NumPoints; ++k) EXPECT_TRUE(std::isfinite(Global::Points(k).DryBulb));
    for (const auto& [from, to] : Lines())
        EXPECT_TRUE(from >= 1 && from <= Global::NumPoints && to >= 1 && to <= Global::NumPoints);
}

}  // namespace
