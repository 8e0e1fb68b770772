#include <QRadioButton>

#include "ChartWindowFixture.h"
#include "Screen.h"

namespace {

using Entries = std::vector<std::pair<QString, QString>>;

TEST_F(ChartWindowTest, CalculateAddsTheExamplePointAndShowsIt) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_EQ(Global::NumPoints, 1);
    const Global::StatePoint& p = Global::Points(1);
    EXPECT_NEAR(p.HumidRatio, 0.00923, 0.00002);
    EXPECT_NEAR(p.VaporPress, Global::CalcSatPress(p.DewPoint), 0);
    EXPECT_EQ(p.MarkerColor, Global::ColorBlue);
    EXPECT_EQ(Text("txtDryBulb"), "75.00");
    EXPECT_EQ(Text("txtRelHumid"), "50.00");
    EXPECT_EQ(Text("txtDewPoint"), "55.16");
    EXPECT_EQ(Text("lblEnthalpyVal"), "28.10");
    EXPECT_EQ(Text("lblHumidRatioVal"), "0.0092");
    EXPECT_EQ(Text("lblSpVolVal"), "13.68");
    EXPECT_EQ(Text("lblPointOutVal(1)"), "1");
    EXPECT_EQ(BackColor("lblDryOutVal(1)"), 0xFFFF00);
    EXPECT_EQ(Platform::MousePointer(), 0);
    // The chart drew the marker inside the picture box.
    EXPECT_GT(p.PlotX, 0);
    EXPECT_GT(p.PlotY, 0);
}

TEST_F(ChartWindowTest, WrongNumberOfTickedBoxesIsRefused) {
    AddPoint({{"DryBulb", "75"}});
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}, {"WetBulb", "60"}});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Two input parameters must be checked");
    EXPECT_EQ(messages[1].text, "Please check only two input paramters");
    EXPECT_EQ(messages[1].icon, Global::MsgIcon::Critical);
    EXPECT_EQ(messages[1].title, "Zolvane");
    EXPECT_EQ(Global::NumPoints, 0);
    EXPECT_EQ(Platform::MousePointer(), 0);
}

TEST_F(ChartWindowTest, EntriesAreCheckedInOrderAndAtTheirLimits) {
    // Only the first bad entry in the order dry bulb, dew point, RH, wet bulb speaks.
    AddPoint({{"WetBulb", "600"}, {"RelHumid", "0"}});
    AddPoint({{"WetBulb", "600"}, {"DewPoint", ""}});
    AddPoint({{"DryBulb", "500.01"}, {"DewPoint", "-300"}});
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "abc"}});
    AddPoint({{"DryBulb", "80"}, {"WetBulb", "-200.5"}});
    std::vector<std::string> texts;
    for (auto& m : messages) texts.push_back(m.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Invalid Relative Humidity", "Invalid Dew Point", "Invalid Dry Bulb",
                                               "Invalid Relative Humidity", "Invalid Wet Bulb"}));
    EXPECT_EQ(Global::NumPoints, 0);

    messages.clear();
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "100"}});  // 100 % is allowed
    AddPoint({{"DryBulb", "  6 0 "}, {"RelHumid", "40%"}});  // blanks skipped, trailing text ignored
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(Global::NumPoints, 2);
    EXPECT_FLOAT_EQ(Global::Points(1).RelHumid, 1.0f);
    EXPECT_FLOAT_EQ(Global::Points(2).DryBulb, 519.67f);
}

TEST_F(ChartWindowTest, EqualDryAndWetBulbGiveASaturatedPoint) {
    AddPoint({{"DryBulb", "70"}, {"WetBulb", "70"}});
    ASSERT_EQ(Global::NumPoints, 1);
    EXPECT_EQ(Global::Points(1).RelHumid, 1.0f);
    EXPECT_EQ(Global::Points(1).DewPoint, Global::Points(1).DryBulb);
    EXPECT_EQ(Text("txtRelHumid"), "100.0");
}

TEST_F(ChartWindowTest, EveryPairSolvesTheSameState) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    const QString wet = Text("txtWetBulb"), dew = Text("txtDewPoint");
    AddPoint({{"DryBulb", "75"}, {"WetBulb", wet}});
    AddPoint({{"DryBulb", "75"}, {"DewPoint", dew}});
    AddPoint({{"WetBulb", wet}, {"DewPoint", dew}});
    AddPoint({{"WetBulb", wet}, {"RelHumid", "50"}});
    AddPoint({{"DewPoint", dew}, {"RelHumid", "50"}});
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_EQ(Global::NumPoints, 6);
    for (int i = 2; i <= 6; ++i) {
        EXPECT_NEAR(Global::Points(i).DryBulb, Global::Points(1).DryBulb, 0.2) << i;
        EXPECT_NEAR(Global::Points(i).HumidRatio, Global::Points(1).HumidRatio, 0.00006) << i;
    }
    EXPECT_FALSE(Find<QScrollBar>("scrlOutput")->isHidden());
}

TEST_F(ChartWindowTest, SolverFailureAddsNoPoint) {
    AddPoint({{"DryBulb", "100"}, {"WetBulb", "40"}});
    AddPoint({{"DryBulb", "300"}, {"RelHumid", "50"}});  // above boiling at this pressure
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "This combination is invalid, and results in a negative Humidity ratio");
    EXPECT_EQ(Global::NumPoints, 0);
    EXPECT_EQ(Platform::MousePointer(), 0);
}

TEST_F(ChartWindowTest, LabelClicksToggleTheirBoxes) {
    ClickLabel("lblWetBulb");
    EXPECT_TRUE(Find<QCheckBox>("chkWetBulb")->isChecked());
    ClickLabel("lblWetBulb");
    EXPECT_FALSE(Find<QCheckBox>("chkWetBulb")->isChecked());
    ClickLabel("lblRelHumid");
    EXPECT_TRUE(Find<QCheckBox>("chkRelHumid")->isChecked());
}

TEST_F(ChartWindowTest, MetricEntryAndDisplay) {
    Window();
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    AddPoint({{"DryBulb", "0"}, {"RelHumid", "50"}});
    ASSERT_EQ(Global::NumPoints, 1);
    EXPECT_NEAR(Global::Points(1).DryBulb, 491.67, 0.001);
    EXPECT_EQ(Text("txtDryBulb"), "0.00");
    EXPECT_EQ(Text("lblDryOutVal(1)"), "0.00");
    // 1 MPa = 145 psia: the vapour pressure shows in MPa.
    EXPECT_NEAR(Text("lblVaporPressVal").toDouble(), Global::CalcSatPress(Global::Points(1).DewPoint) * 0.0068947589,
                0.00006);
}

TEST_F(ChartWindowTest, FullPointTableRefusesAnotherPoint) {
    Window();
    Global::NumPoints = 32767;
    Global::Points.ReDim(32767);
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Global::NumPoints, 32767);
    EXPECT_EQ(Global::Points.UBound(), 32767);
}

}  // namespace
