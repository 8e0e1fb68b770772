// The heat-and-moisture calculator and its table of moisture gains, driven by control
// names as a user does: a gain box is typed into and left for the next one.
#include <QScrollBar>

#include "CalcWindowFixture.h"
#include "Screen.h"

namespace {

class HeatMoistureTest : public CalcWindowTest {
protected:
    // Known point 55 F / 95 %, q 20000 BTU/hr, one gain of 10 lb/hr at 1100 BTU/lb.
    void OpenWithKnownPoint() {
        AddPoint({{"DryBulb", "55"}, {"RelHumid", "95"}});
        OpenCalculator("mnuOptProcHM");
        CalcTypeAll({{"txtHeatMoistPoint", "1"}, {"txtHeatMoistQ", "20000"}});
        Enter("txtMoistGainFlow", "10");
        Enter("txtMoistGainEnt", "1100");
    }
    void Enter(const QString& box, const QString& text) {
        CalcFind<QWidget>(box)->setFocus();
        CalcType(box, text);
        CalcFind<QWidget>("txtHeatMoistQ")->setFocus();
    }
    void Seek(const char* option, const QString& value) {
        CalcPress("cmdHMInputParam");
        CalcChoose(option);
        CalcPress("cmdHMInputOK");
        CalcType("txtHMInputParam", value);
        messages.clear();
        CalcPress("cmdHMCalc");
    }
    bool ResultsEnabled() {
        return AllEnabled(
            {"lblHMOutputFlowcfm", "lblcube", "lblOutCFM", "lblHMOutputPoint", "lblHMOutputFlow"});
    }
    QString Row(const char* column, int k) { return CalcText(QString("%1(%2)").arg(column).arg(k)); }
};

TEST_F(HeatMoistureTest, FindsTheSoughtEndOfEachKind) {
    OpenWithKnownPoint();
    Seek("optHMInputFlow", "50");
    EXPECT_EQ(Text("txtDryBulb"), "82.37");
    EXPECT_EQ(Text("txtDewPoint"), "62.49");
    EXPECT_EQ(CalcText("lblHMOutputPoint"), "Outlet Point No.");
    EXPECT_FALSE(CalcShown("lblHMOutputFlowVal"));
    Seek("optHMInputDry", "75");
    EXPECT_EQ(CalcText("lblHMOutputFlowVal"), "66.20");
    EXPECT_EQ(CalcText("lblOutCFM"), "908.3");
    Seek("optHMInputDew", "60");
    EXPECT_EQ(CalcText("lblHMOutputFlowVal"), "71.39");
    EXPECT_EQ(CalcText("lblOutCFM"), "977.4");
    EXPECT_TRUE(MessageTexts().empty() && ResultsEnabled());

    // The wet bulb, relative humidity and humidity ratio of that end find it again: the
    // first two on the chord through 2.5 times the known humidity ratio, a degree off
    // the process line here; the humidity ratio on the line, off by the dew point's rounding.
    const Global::StatePoint end = Global::Points(4);
    const QString wet = Text("txtWetBulb"), rh = Text("txtRelHumid"),
                  w = QString::number(end.HumidRatio, 'g', 9);
    for (const auto& [option, value, near] :
         {std::tuple{"optHMInputWet", wet, 1.2}, {"optHMInputPhi", rh, 1.0}, {"optHMInputW", w, 0.25}}) {
        Seek(option, value);
        EXPECT_TRUE(MessageTexts().empty()) << option;
        EXPECT_NEAR(Global::Points(Global::NumPoints).DryBulb, end.DryBulb, near) << option;
    }
    EXPECT_EQ(AllLines(), (LineList{{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}}));

    // The first end known as the outlet: the line runs back to about the first point.
    CalcChoose("optHeatMoistOutlet");
    EXPECT_EQ(CalcText("optHMInputDew"), "Inlet Dew Point (F)");
    CalcType("txtHeatMoistPoint", "2");
    Seek("optHMInputFlow", "50");
    EXPECT_EQ(CalcText("lblHMOutputPoint"), "Inlet Point No.");
    EXPECT_NEAR(Global::Points(8).DryBulb, Global::Points(1).DryBulb, 0.02);
    EXPECT_EQ(AllLines().back(), std::pair(8, 2));
}

TEST_F(HeatMoistureTest, RefusalsAndWarnings) {
    OpenWithKnownPoint();
    // An inlet wetter than the known outlet: a negative air flow, warned, shown, and the point stands.
    CalcChoose("optHeatMoistOutlet");
    Seek("optHMInputDew", "56");
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"AirFlow Input, This results in a negative air flow!"});
    EXPECT_TRUE(CalcText("lblHMOutputFlowVal").startsWith("-"));
    Seek("optHMInputFlow", "0.01");  // more water than the air can give back
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Invalid Input"});
    EXPECT_FALSE(ResultsEnabled());
    Seek("optHMInputDew", "400");  // above the boiling point
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Invalid Input"});

    // Every gain dropped by OK while the boxes still read 10 and 1100.
    CalcPress("cmdMoistGain");
    Enter("txtHMFlow(0)", "0");
    Enter("txtMHEnth(0)", "0");
    CalcPress("cmdHMMoistOK");
    EXPECT_EQ(Global::NumMoistGains, 0);
    Seek("optHMInputDew", "60");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Invalid Moisture Flowrate"});
    EXPECT_EQ(AllLines(), (LineList{{2, 1}}));
    EXPECT_FALSE(ResultsEnabled());
    EXPECT_EQ(Platform::MousePointer(), 0);

    // The boxes bring gain 1 back, and an edit still in its box counts.
    Enter("txtMoistGainFlow", "10");
    EXPECT_EQ(Global::NumMoistGains, 1);
    CalcFind<QWidget>("txtMoistGainEnt")->setFocus();
    CalcType("txtMoistGainEnt", "1100");
    CalcChoose("optHeatMoistInlet");
    Seek("optHMInputFlow", "50");
    EXPECT_EQ(Text("txtDryBulb"), "82.37");
}

TEST_F(HeatMoistureTest, TableAppendsFillsGapsCompactsAndEditsTheGainShown) {
    OpenWithKnownPoint();
    CalcPress("cmdMoistGain");
    EXPECT_EQ(Row("txtHMFlow", 0), "10.00");
    Enter("txtHMFlow(3)", "4");  // two rows below the last gain
    EXPECT_EQ(Global::NumMoistGains, 4);
    EXPECT_EQ(Row("txtHMFlow", 2), "0.0");
    EXPECT_EQ(Row("txtMHEnth", 2), "");
    Enter("txtMHEnth(4)", "");  // an empty box left: "0.0", nothing stored
    EXPECT_EQ(Row("txtMHEnth", 4), "0.0");
    Enter("txtHMFlow(3)", "abc");  // not a number: the stored value comes back
    EXPECT_EQ(Row("txtHMFlow", 3), "4.000");
    CalcPress("cmdHMMoistOK");
    ASSERT_EQ(Global::NumMoistGains, 2);
    EXPECT_EQ(Global::MoistGains(1, 2), 4);
    EXPECT_EQ(Global::MoistGains(2, 2), 0);

    // Eight gains, reopened twice: each time the first row shows gain 5 and edits it.
    CalcPress("cmdMoistGain");
    for (int k = 2; k < 5; ++k) Enter(QString("txtHMFlow(%1)").arg(k), QString::number(k + 1));
    for (int g = 6; g <= 8; ++g) {
        CalcPress("cmdHMMoistAdd");
        Enter("txtHMFlow(4)", QString::number(g));
    }
    CalcPress("cmdHMMoistOK");
    ASSERT_EQ(Global::NumMoistGains, 8);
    for (const char* shown : {"5.000", "50.00"}) {
        CalcPress("cmdMoistGain");
        EXPECT_EQ(CalcFind<QScrollBar>("scrlHMMoist")->value(), 5);
        EXPECT_EQ(Row("txtHMFlow", 0), shown);
        EXPECT_EQ(Row("txtHMFlow", 4), "");
        Enter("txtHMFlow(0)", "50");
        CalcPress("cmdHMMoistCancel");
    }
    EXPECT_EQ(Global::MoistGains(1, 5), 50);
    EXPECT_EQ(Global::MoistGains(1, 4), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HeatMoistureTest, MetricGainsShowBackAsTyped) {
    WriteFile("Zolvane.ini",
              "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n"
              "#FALSE#,#FALSE#,#FALSE#\r\n");
    OpenCalculator("mnuOptProcHM");
    CalcPress("cmdMoistGain");
    Enter("txtHMFlow(1)", "5");
    Enter("txtMHEnth(1)", "2500");
    CalcPress("cmdHMMoistCancel");
    CalcPress("cmdMoistGain");
    EXPECT_EQ(Row("txtHMFlow", 1), "5.000");
    EXPECT_EQ(Row("txtMHEnth", 1), "2500");
}

TEST_F(HeatMoistureTest, NoTypedTextBreaksTheThreeCalculators) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"RelHumid", "40"}});
    const QStringList texts = {"",  " ", "2abc", "1e999", "1e39", "1e-50", "-1",
                               "0", "1", "2",    "1.5",   "NaN",  "99999"};
    const std::tuple<const char*, const char*, QStringList> frames[] = {
        {"mnuOptProcAirAir",
         "cmdAirCalc",
         {"txtAirInPoint1", "txtAirFlowIn1", "txtAirInPoint2", "txtAirFlowIn2"}},
        {"mnuOptProcWatAir",
         "cmdWatAirCalc",
         {"txtWatAirInPoint", "txtWatAirInFlow", "txtWatAirEnt", "txtWatAirInput"}},
        {"mnuOptProcHM",
         "cmdHMCalc",
         {"txtHeatMoistPoint", "txtHeatMoistQ", "txtMoistGainFlow", "txtMoistGainEnt", "txtHMInputParam"}},
    };
    for (const auto& [item, calculate, boxes] : frames) {
        OpenCalculator(item);
        for (int i = 0; i < texts.size(); ++i) {
            for (int b = 0; b < boxes.size(); ++b) Enter(boxes[b], texts[(i + 3 * b) % texts.size()]);
            CalcPress(calculate);
            EXPECT_EQ(Platform::MousePointer(), 0);
        }
    }
    for (int k = 1; k <= Global::NumPoints; ++k) EXPECT_TRUE(std::isfinite(Global::Points(k).DryBulb));
}

}  // namespace
