#include "ChartWindowFixture.h"
#include "Screen.h"

namespace {

// Only the first bad entry in the order dry bulb, dew point, RH, wet bulb speaks; refusals add no
// point and leave the default pointer.
TEST_F(ChartWindowTest, RefusedEntriesSayWhyAndAddNoPoint) {
    AddPoint({{"DryBulb", "75"}});
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}, {"WetBulb", "60"}});
    AddPoint({{"DryBulb", "100"}, {"WetBulb", "40"}});
    AddPoint({{"DryBulb", "300"}, {"RelHumid", "50"}});  // above boiling at this pressure
    AddPoint({{"WetBulb", "600"}, {"RelHumid", "0"}});
    AddPoint({{"WetBulb", "600"}, {"DewPoint", ""}});
    AddPoint({{"DryBulb", "500.01"}, {"DewPoint", "-300"}});
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "abc"}});
    AddPoint({{"DryBulb", "80"}, {"WetBulb", "-200.5"}});
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "Two input parameters must be checked", "Please check only two input paramters",
                          "This combination is invalid, and results in a negative Humidity ratio",
                          Global::MsgOutOfRange, "Invalid Relative Humidity", "Invalid Dew Point",
                          "Invalid Dry Bulb", "Invalid Relative Humidity", "Invalid Wet Bulb"}));
    EXPECT_EQ(Global::NumPoints, 0);
    EXPECT_EQ(Platform::MousePointer(), 0);

    messages.clear();
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "100"}});      // 100 % is allowed
    AddPoint({{"DryBulb", "  6 0 "}, {"RelHumid", "40%"}});  // blanks skipped, trailing text ignored
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(Global::NumPoints, 2);
    EXPECT_FLOAT_EQ(Global::Points(1).RelHumid, 1.0f);
    EXPECT_FLOAT_EQ(Global::Points(2).DryBulb, 519.67f);
    ClickLabel("lblWetBulb");  // a property's label toggles its box
    EXPECT_TRUE(Find<QCheckBox>("chkWetBulb")->isChecked());
    Global::Points.ReDim(Global::NumPoints = 32767);  // a full table
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    EXPECT_EQ(Told(),
              std::vector<std::string>{
                  "The chart already holds 32767 points, the most it can hold. Delete points to add more."});
    EXPECT_EQ(Global::Points.UBound(), 32767);
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
}

}  // namespace
