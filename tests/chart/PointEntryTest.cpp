#include "ChartWindowFixture.h"
#include "Screen.h"

namespace {

// Only the first bad entry in the order dry bulb, dew point, RH, wet bulb speaks; refusals add no
// point and leave the default pointer.
TEST_F(ChartWindowTest, RefusedEntriesSayWhyAndAddNoPoint) {
    AddPoint({{"DryBulb", "75"}}), AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}, {"WetBulb", "60"}});
    AddPoint({{"DryBulb", "100"}, {"WetBulb", "40"}});
    AddPoint({{"DryBulb", "300"}, {"RelHumid", "50"}});  // above boiling at this pressure
    AddPoint({{"WetBulb", "600"}, {"RelHumid", "0"}}), AddPoint({{"WetBulb", "600"}, {"DewPoint", ""}});
    AddPoint({{"DryBulb", "500.01"}, {"DewPoint", "-300"}}),
        AddPoint({{"DryBulb", "80"}, {"RelHumid", "abc"}});
    AddPoint({{"DryBulb", "80"}, {"WetBulb", "-200.5"}});
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "Two input parameters must be checked", "Please check only two input paramters",
                          "This combination is invalid, and results in a negative Humidity ratio",
                          Global::MsgOutOfRange, "Invalid Relative Humidity", "Invalid Dew Point",
                          "Invalid Dry Bulb", "Invalid Relative Humidity", "Invalid Wet Bulb"}));
    EXPECT_EQ((std::pair<int, int>(Global::NumPoints, Platform::MousePointer())), std::pair(0, 0));

    messages.clear();
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "100"}});   // 100 % is allowed
    AddPoint({{"DryBulb", " 60 "}, {"RelHumid", "40"}});  // blanks around the number ignored
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

// A box holds one number or is refused with its own message, as the calculators refuse theirs; a
// pair that is no state of moist air says which temperature is above which. Slack: 0.1 R.
TEST_F(ChartWindowTest, TextThatIsNoNumberAndPairsThatAreNoStateAddNothing) {
    const QString huge = "1" + QString(400, '0') + "e-5";  // about 1e395
    // clang-format off
    std::vector<std::tuple<bool, QString, QString, QString, QString, std::string>> rows = {
        {true, "DryBulb", "70", "RelHumid", "40%", "Invalid Relative Humidity"},
        {true, "DryBulb", "70", "DewPoint", "5O", "Invalid Dew Point"},
        {true, "DryBulb", "70", "WetBulb", "0x3C", "Invalid Wet Bulb"},
        {true, "DryBulb", "70", "DewPoint", "75", Global::MsgDewPointAboveDryBulb},
        {true, "DryBulb", "70", "WetBulb", "80", Global::MsgWetBulbAboveDryBulb},
        {true, "DryBulb", "70", "WetBulb", "70.11", Global::MsgWetBulbAboveDryBulb},
        {true, "WetBulb", "60", "DewPoint", "61", Global::MsgDewPointAboveWetBulb},
        {false, "DryBulb", "20", "WetBulb", "20.07", Global::MsgWetBulbAboveDryBulb},  // 0.126 R
        {true, "DryBulb", "70", "WetBulb", "70.09", ""}, {true, "DryBulb", "70", "DewPoint", "70.09", ""},
        {true, "WetBulb", "60", "DewPoint", "60.09", ""}, {false, "DryBulb", "20", "WetBulb", "20.05", ""},
        {true, "DryBulb", "+.7e2", "RelHumid", " 50. ", ""}};
    // clang-format on
    for (const QString& dry :
         QStringList{"abc", "21,5", "inf", "nan", "\u22125", "\uff12\uff11", "6 0", "70F", huge, "-" + huge})
        rows.emplace_back(true, "DryBulb", dry, "RelHumid", "50", "Invalid Dry Bulb");
    for (const auto& [us, first, a, second, b, message] : rows) {
        UseUnits(us), messages.clear();
        const int16_t before = Global::NumPoints;
        AddPoint({{first, a}, {second, b}});
        EXPECT_EQ(Told(), message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message})
            << (first + " " + a + ", " + second + " " + b).toStdString();
        EXPECT_EQ(Global::NumPoints, before + message.empty());
    }
}

TEST_F(ChartWindowTest, EveryPairSolvesTheSameState) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    const QString wet = Text("txtWetBulb"), dew = Text("txtDewPoint");
    AddPoint({{"DryBulb", "75"}, {"WetBulb", wet}}), AddPoint({{"DryBulb", "75"}, {"DewPoint", dew}});
    AddPoint({{"WetBulb", wet}, {"DewPoint", dew}}), AddPoint({{"WetBulb", wet}, {"RelHumid", "50"}});
    AddPoint({{"DewPoint", dew}, {"RelHumid", "50"}});
    ASSERT_EQ(std::pair(Told(), int(Global::NumPoints)), std::pair(std::vector<std::string>{}, 6));
    for (int i = 2; i <= 6; ++i) {
        EXPECT_NEAR(Global::Points(i).DryBulb, Global::Points(1).DryBulb, 0.2) << i;
        EXPECT_NEAR(Global::Points(i).HumidRatio, Global::Points(1).HumidRatio, 0.00006) << i;
    }
}

}  // namespace
