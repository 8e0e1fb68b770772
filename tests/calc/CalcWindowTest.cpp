#include <QPushButton>
#include <cmath>

#include "CalcWindowFixture.h"

namespace {

// Metric figures against SI worked out apart from the program's factors: 1 lb = 0.45359237 kg,
// 1 ft3/lb = 0.062428 m3/kg, 1 BTU/lb = 2.326 kJ/kg, and enthalpies counted from 0 F, which lies
// 7.684 x 2.326 = 17.873 kJ/kg below the 0 C of a typed water enthalpy.
TEST_F(CalcWindowTest, MetricFiguresMatchSIAndCaptionsAreWrittenOnLoadOnly) {
    AddExamplePoints(2), UseUnits(false), OpenCalculator("mnuOptProcAirAir");
    EXPECT_EQ(
        CalcTexts({"lblHeatVolFlow", "lblHeatQ", "lblCoolEnt", "lblHMOutputFlowcfm", "lblMoistGainFlow"}),
        QStringList({"Volumetric Flow (m  /min)", "Heat rate q (J/hr) =", "Water Enthalpy (kJ/kg)",
                     "(m  /min)", "Mass Flowrate (kg/hr)"}));
    const double m3PerKg = 0.3048 * 0.3048 * 0.3048 / 0.45359237;  // per ft3/lb
    const auto near = [this](const char* label, double reference) {
        EXPECT_NEAR(CalcText(label).toDouble(), reference, 2e-3 * std::fabs(reference)) << label;
    };
    auto& p = Global::Points;
    const auto calculate = [&](const char* button, std::initializer_list<std::pair<QString, QString>> boxes) {
        return CalcRun(button, boxes), p(Global::NumPoints);
    };
    // The dry bulb handed over (C) for air of point k given dW kg/kg of water on a line of slope r kJ/kg.
    const auto dryBulbOnLine = [&](int k, double dW, double r) {
        const double w = p(k).HumidRatio + dW, h = p(k).Enthalpy + r / 2.326 * dW;  // BTU/lb from 0 F
        EXPECT_NEAR(Text("txtDryBulb").toDouble(), ((h - 1061 * w) / (0.24 + 0.444 * w) - 32) / 1.8, 0.006);
    };
    // 60 + 40 kg/min read back through the factor as a float: "100.0", not "100.00".
    CalcTypeAll({{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "60"}, {"txtAirInPoint2", "2"}});
    auto out = calculate("cmdAirCalc", {{"txtAirFlowIn2", "40"}});
    EXPECT_EQ(CalcText("lblAirOutFlowVal"), "100.0");
    near("lblAirOutFlowCFMVal", 100 * out.SpVol * m3PerKg);
    // Water/air from point 2 at 50 kg/min with water of 42 kJ/kg: to a 17 C dew point, then 0.2 kg/min.
    Trigger("mnuOptProcWatAir");
    CalcTypeAll({{"txtWatAirInPoint", "2"}, {"txtWatAirInFlow", "50"}, {"txtWatAirEnt", "42"}});
    out = calculate("cmdWatAirCalc", {{"txtWatAirInput", "17"}});
    EXPECT_EQ(Text("txtDewPoint"), "17.00");
    near("lblWatAirWatFlowVal", 50 * (out.HumidRatio - p(2).HumidRatio));
    CalcPress("cmdWatAirInput"), CalcChoose("optWatAirWater"), CalcPress("cmdWatAirOutOK");
    calculate("cmdWatAirCalc", {{"txtWatAirInput", "0.2"}}), dryBulbOnLine(2, 0.2 / 50, 42 + 17.873);

    // Heat and moisture from point 1: 1e5 J/hr and 5 kg/hr of water at 2500 kJ/kg, a line of
    // 1e5 / 1000 / 5 + 2500 + 17.873 kJ/kg; 25 kg/min of air takes up 5 / (25 x 60) kg/kg. Then
    // the air flow and volume to a 17 C dew point.
    Trigger("mnuOptProcHM"), CalcTypeAll({{"txtHeatMoistPoint", "1"}, {"txtHeatMoistQ", "1e5"}});
    Enter("txtMoistGainFlow", "5"), Enter("txtMoistGainEnt", "2500");
    CalcPress("cmdHMInputParam"), CalcChoose("optHMInputFlow"), CalcPress("cmdHMInputOK");
    calculate("cmdHMCalc", {{"txtHMInputParam", "25"}}), dryBulbOnLine(1, 5 / 1500.0, 20 + 2500 + 17.873);
    CalcPress("cmdHMInputParam"), CalcChoose("optHMInputDew"), CalcPress("cmdHMInputOK");
    out = calculate("cmdHMCalc", {{"txtHMInputParam", "17"}});
    EXPECT_EQ(Text("txtDewPoint"), "17.00");
    const double air = 5 / ((out.HumidRatio - p(1).HumidRatio) * 60);
    near("lblHMOutputFlowVal", air), near("lblOutCFM", air * out.SpVol * m3PerKg);

    // Points 1 and 2 made 30 and 29 BTU/lb (69.78, 67.454 kJ/kg), 0.02 and 0.01 kg/kg, 14 and
    // 13 ft3/lb (0.87399, 0.81156 m3/kg). Heating at 50 kg/min: 50 x 60 x -2.326 = -6978 kJ/hr;
    // cooling with condensate at 42 kJ/kg: 50 x 60 x (2.326 - 0.01 x (42 + 17.873)) = 5182 kJ/hr
    // and 0.01 x 50 = 0.5 kg/min.
    std::tie(p(1).Enthalpy, p(1).HumidRatio, p(1).SpVol) = std::tuple(30.0f, 0.02f, 14.0f);
    std::tie(p(2).Enthalpy, p(2).HumidRatio, p(2).SpVol) = std::tuple(29.0f, 0.01f, 13.0f);
    Trigger("mnuOptProcHeat");
    calculate("cmdHeatCalc", {{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "50"}});
    EXPECT_EQ(CalcText("lblHeatQVal"), "-6.98e+06");
    Trigger("mnuOptProcCool");
    CalcTypeAll({{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "2"}, {"txtCoolFlow", "50"}});
    calculate("cmdCoolCalc", {{"txtCoolEnt", "42"}});
    EXPECT_EQ(CalcTexts({"lblCoolRateVal", "lblCoolWaterFlowVal"}), QStringList({"5.18e+06", "0.500"}));
    // 100 m3/min at point 1 is 100 / 0.87399 = 114.42 kg/min, at point 2 123.22 kg/min; each side
    // calculator (menu, option, volume, OK, result, flow box, kg/min) writes it into its own flow box.
    for (const QString row :
         {"mnuOptProcHeat optHeatInPoint txtHeatVolFlow cmdHeatFlowOK lblHeatMassFlowVal txtHeatFlow 114.4",
          "mnuOptProcCool optCoolOut txtCoolVolFlow cmdCoolOK lblCoolMassFlowVal txtCoolFlow 123.2",
          "mnuOptProcAirAir optAirIn1 txtAirVolFlow cmdAirOK lblAirMassFlowVal txtAirFlowIn1 114.4",
          "mnuOptProcAirAir optAirIn2 txtAirVolFlow cmdAirOK lblAirMassFlowVal txtAirFlowIn2 123.2",
          "mnuOptProcWatAir - txtWatAirVolFlow cmdWatAirFlowOK lblWatAirMassFlowCalcVal txtWatAirInFlow "
          "123.2"}) {
        const QStringList f = row.split(' ');
        Trigger(f[0]), CalcType(f[2], "100");
        if (f[1] != "-") CalcChoose(f[1]);
        CalcPress(f[3]);
        EXPECT_EQ(CalcText(f[4]) + " " + CalcText(f[5]), f[6] + " " + f[6]) << row.toStdString();
    }
    // Point 2's flow went to its own box.
    EXPECT_EQ(std::pair(CalcText("txtAirFlowIn1"), Told()), std::pair(QString("114.4"), Texts{}));

    // Back to US units: the open calculator keeps its captions until it is opened again.
    UseUnits(true);
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (J/hr) =");
    CalcTrigger("mnuFileExit"), OpenCalculator("mnuOptProcHeat");
    EXPECT_EQ(CalcText("lblHeatQ"), "Heat rate q (BTU/hr) =");
}

TEST_F(CalcWindowTest, LoadsWithItsDefaultsAndTheFrameAskedAndEveryInputBoxGreysItsResults) {
    Global::NumMoistGains = 4, OpenCalculator("mnuOptProcCool");
    EXPECT_TRUE(Global::NumMoistGains == 1 && Global::MoistGains.UBound(1) == 1);
    for (const char* option : {"optWatAirDew", "optHMInputDew", "optHeatMoistInlet"})
        EXPECT_TRUE(CalcFind<QRadioButton>(option)->isChecked()) << option;
    // The frame asked shows alone (no chooser or table), chosen from the chart's menu or the window's own.
    QStringList shown = ShownFrames();
    CalcTrigger("mnuOptionsHM"), shown += ShownFrames();
    Trigger("mnuOptProcAirAir"), shown += ShownFrames();
    EXPECT_EQ(shown, QStringList({"frmCool", "frmHeatMoist", "frmAirAir"}));
    // Typing into any input box greys the result captions of its calculator.
    const QString heat = "lblHeatQ", cool = "lblCoolWaterFlow lblCoolRate",
                  air = "lblAirOutFlowCFM lblCube1 frmAirOutlet lblAirOutPoint lblAirOutFlow",
                  wat = "lblWatAirOutPoint lblWatAirWatFlow", end = "lblHMOutputPoint lblHMOutputFlow",
                  hm = "lblHMOutputFlowcfm lblcube lblOutCFM " + end;
    const std::pair<const char*, QString> rows[] = {
        {"txtHeatInPoint", heat},  {"txtHeatOutPoint", heat}, {"txtHeatFlow", heat},
        {"txtCoolInPoint", cool},  {"txtCoolOutPoint", cool}, {"txtCoolFlow", cool},
        {"txtCoolEnt", cool},      {"txtAirInPoint1", air},   {"txtAirInPoint2", air},
        {"txtAirFlowIn1", air},    {"txtAirFlowIn2", air},    {"txtWatAirInPoint", wat},
        {"txtWatAirInFlow", wat},  {"txtWatAirEnt", wat},     {"txtWatAirInput", wat},
        {"txtHeatMoistPoint", hm}, {"txtHeatMoistQ", hm},     {"txtMoistGainFlow", hm},
        {"txtMoistGainEnt", hm},   {"txtHMInputParam", end}};
    for (const auto& [box, captions] : rows) {
        for (const QString& caption : captions.split(' ')) CalcFind<QWidget>(caption)->setEnabled(true);
        CalcType(box, CalcText(box) + "7");
        for (const QString& caption : captions.split(' '))
            EXPECT_FALSE(CalcEnabled(caption)) << box << " " << caption.toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcWindowTest, FramesKeepTheirTextsAndClosingLeavesTheChart) {
    AddExamplePoints(), OpenCalculator("mnuOptProcHeat");
    // Halves go to the even point: 2 to 2.
    CalcRun("cmdHeatCalc", {{"txtHeatInPoint", "1.5"}, {"txtHeatOutPoint", "2.5"}, {"txtHeatFlow", "100"}});
    CalcRun("cmdHeatCalc", {{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}});
    EXPECT_EQ(std::pair(CalcEnabled("lblHeatQ"), int(Platform::MousePointer())), std::pair(true, 0));
    CalcType("txtHeatFlow", "1e2");  // greys the caption; the figure stays until the next Calculate
    Trigger("mnuOptProcCool"), CalcType("txtCoolEnt", "23"), CalcTrigger("mnuOptionsHeat");
    EXPECT_EQ(CalcTexts({"txtHeatFlow", "lblHeatQVal"}), QStringList({"1e2", "29384"}));
    Trigger("mnuOptProcCool");
    EXPECT_EQ(CalcText("txtCoolEnt"), "23");

    // Exit unloads the calculator alone: the flag goes, the chart's points and line stay.
    const bool present = Global::ProcessDataPresent;
    CalcTrigger("mnuFileExit");
    EXPECT_EQ(std::tuple(present, CalcLoaded(), Global::ProcessDataPresent, Global::NumPoints, Lines(),
                         Window().isVisible()),
              std::tuple(true, false, false, int16_t{3}, LineList{{2, 2}, {1, 2}}, true));
    OpenCalculator("mnuOptProcHeat");
    // Closing the chart window unloads the calculator too, so the program can end.
    Global::ProcessDataPresent = true, Window().close();
    EXPECT_EQ(std::tuple(CalcLoaded(), Global::ProcessDataPresent, Told()),
              std::tuple(false, false, Texts{}));
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
