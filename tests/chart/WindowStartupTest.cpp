#include "ChartWindowFixture.h"

namespace {

const std::string DefaultSettings =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#"
    "\r\n";

// Only Exit writes the settings; without a file the window starts on the defaults.
TEST_F(ChartWindowTest, ExitWritesTheSettingsTheNextRunStartsFrom) {
    Window().close();
    EXPECT_FALSE(FileExists("Zolvane.ini"));
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), DefaultSettings);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, ReadsTheSettingsFileAndWritesItBackUnchanged) {
    const std::string text =
        "#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#,1,2,3,4,5\r\n1,2,3,4,0,12.2275,5000,24.89551\r\n"
        "#FALSE#,#TRUE#,#FALSE#\r\n";
    WriteFile("Zolvane.ini", text), Window();
    EXPECT_TRUE(Find<QRadioButton>("optMetricUnits")->isChecked());
    EXPECT_EQ(Text("lblDryBulb"), "Dry Bulb Temp (C)");
    EXPECT_FALSE(Global::ShowDryLines || Global::ShowWLines);
    EXPECT_EQ(Global::Alt, 5000.0f);
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), text);
}

// The same air, 75 F at 50 %, in either system. The metric texts follow from the US state by
// C = (F - 32) x 5/9, kJ/kg = (BTU/lb - 7.684) x 2.326, m3/kg = 0.06242796 x ft3/lb and
// MPa = 0.0068947589 x psia.
TEST_F(ChartWindowTest, EitherUnitSystemShowsTheSameAirInItsOwnUnits) {
    const std::pair<const char*, QStringList> systems[] = {
        {"75",
         {"55.16", "28.10", "0.0092", "13.68", "0.215", "14.70", "0.0", "Dry Bulb Temp (F)",
          "Enthalpy (BTU/lb)", "Humidity Ratio (lb/lb)", "Vapor Pressure (psia)", "Specific Volume (ft  /lb)",
          "Pressure (psia)", "Altitude (ft)"}},
        {"23.88889",
         {"12.87", "47.49", "0.0092", "0.854", "0.0015", "0.101", "0.0", "Dry Bulb Temp (C)",
          "Enthalpy (kJ/kg)", "Humidity Ratio (kg/kg)", "Vapor Pressure (MPa)", "Specific Volume (m  /kg)",
          "Pressure (MPa)", "Altitude (m)"}},
    };
    for (const auto& [dry, expected] : systems) {
        UseUnits(dry == systems[0].first);
        AddPoint({{"DryBulb", dry}, {"RelHumid", "50"}});
        Trigger("mnuOptPress");
        EXPECT_EQ(TextsOf({"txtDewPoint", "lblEnthalpyVal", "lblHumidRatioVal", "lblSpVolVal",
                           "lblVaporPressVal", "txtPress", "txtAlt", "lblDryBulb", "lblEnthalpy",
                           "lblHumidRatio", "lblVaporPress", "lblSpVol", "optPress", "optAlt"}),
                  expected.join('|'));
        Press("cmdClose");
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, SurvivesResizingToTinySizes) {
    auto* picture = Find<Platform::PictureBox>("picZolvane");
    for (QSize size : {QSize(10, 10), QSize(1, 1), QSize(900, 600)})
        Window().resize(size), QApplication::processEvents();
    EXPECT_EQ(picture->width() * 15, std::max(0, Window().frameGeometry().width() * 15 - 3690));
}

}  // namespace
