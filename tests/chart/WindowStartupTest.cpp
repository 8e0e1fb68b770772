#include <QRadioButton>

#include "ChartWindowFixture.h"

namespace {

const std::string DefaultSettings =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#"
    "\r\n";

TEST_F(ChartWindowTest, StartsWithDefaultsWithoutASettingsFile) {
    Window();
    EXPECT_TRUE(Find<QRadioButton>("optUSUnits")->isChecked());
    EXPECT_TRUE(Global::ShowDryLines && Global::ShowWetLines && Global::ShowDewLines && Global::ShowRHLines &&
                Global::ShowWLines);
    EXPECT_EQ(Global::RHLineColor, 255);
    EXPECT_EQ(Global::Press, 14.697f);
    EXPECT_FALSE(Global::AutoScale);
    EXPECT_EQ(Global::ProcLines.UBound(1), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Global::NumSatPoints, 551);  // the first resize built the screen tables
    EXPECT_FALSE(FileExists("Zolvane.ini"));
}

TEST_F(ChartWindowTest, ReadsTheSettingsFileAndStartsInItsUnits) {
    WriteFile("Zolvane.ini",
              "#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#,1,2,3,4,5\r\n1,2,3,4,0,12.2275,5000,24.89551\r\n"
              "#FALSE#,#TRUE#,#FALSE#\r\n");
    Window();
    EXPECT_TRUE(Find<QRadioButton>("optMetricUnits")->isChecked());
    EXPECT_FALSE(Global::ShowDryLines || Global::ShowWLines);
    EXPECT_EQ(Global::DewLineColor, 3);
    EXPECT_EQ(Global::RHLineStyle, 4);
    EXPECT_EQ(Global::Press, 12.2275f);
    EXPECT_EQ(Global::Alt, 5000.0f);
    EXPECT_TRUE(Global::AutoScale);
    EXPECT_EQ(Text("lblDewPoint"), "Dew Point Temp (C)");
}

TEST_F(ChartWindowTest, ShortOrDamagedSettingsFileGivesAllDefaultsSilently) {
    // A pressure whose inHg value is not its own would put 409000 ft3/lb in the next point.
    WriteFile("Zolvane.ini",
              "#FALSE#,#FALSE#,#TRUE#,#TRUE#,#TRUE#,9,9,9,9,9\r\n1,1,1,1,1,14.697,0,0.001\r\n"
              "#FALSE#,#TRUE#,#FALSE#\r\n");
    Window();
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    EXPECT_EQ(Text("lblSpVolVal"), "13.68");
    EXPECT_TRUE(Global::ShowDryLines);
    EXPECT_EQ(Global::DryLineColor, 0);
    EXPECT_TRUE(Find<QRadioButton>("optUSUnits")->isChecked());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, ExitWritesTheSettingsTheNextRunStartsFrom) {
    Window();
    Global::WetLineColor = 65280;
    Window().close();  // closing alone writes nothing
    EXPECT_FALSE(FileExists("Zolvane.ini"));
    Trigger("mnuFileExit");
    const std::string text = ReadFile("Zolvane.ini");
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,65280,0,255,0");
    Global::WetLineColor = 0;
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), DefaultSettings);
    ASSERT_FALSE(dialogs->requests.empty());
    EXPECT_EQ(dialogs->requests.back().helpCommand, Platform::HelpQuit);

    // Exit in metric units restarts in metric units.
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    Trigger("mnuFileExit");
    Restart();
    EXPECT_TRUE(Find<QRadioButton>("optMetricUnits")->isChecked());
    EXPECT_EQ(Text("lblDryBulb"), "Dry Bulb Temp (C)");
}

// The same air, 75 F at 50 %, in either system. The metric texts follow from the US state by
// C = (F - 32) x 5/9, kJ/kg = (BTU/lb - 7.684) x 2.326, m3/kg = 0.06242796 x ft3/lb and
// MPa = 0.0068947589 x psia.
TEST_F(ChartWindowTest, EitherUnitSystemShowsTheSameAirInItsOwnUnits) {
    const struct {
        const char* radio;
        QString dry, dew, enthalpy, volume, vapour, press, alt;
        QStringList captions;
    } systems[] = {
        {"optUSUnits",
         "75",
         "55.16",
         "28.10",
         "13.68",
         "0.215",
         "14.70",
         "0.0",
         {"Dry Bulb Temp (F)", "Enthalpy (BTU/lb)", "Humidity Ratio (lb/lb)", "Vapor Pressure (psia)",
          "Specific Volume (ft  /lb)", "Pressure (psia)", "Altitude (ft)"}},
        {"optMetricUnits",
         "23.88889",
         "12.87",
         "47.49",
         "0.854",
         "0.0015",
         "0.101",
         "0.0",
         {"Dry Bulb Temp (C)", "Enthalpy (kJ/kg)", "Humidity Ratio (kg/kg)", "Vapor Pressure (MPa)",
          "Specific Volume (m  /kg)", "Pressure (MPa)", "Altitude (m)"}},
    };
    for (const auto& s : systems) {
        SCOPED_TRACE(s.radio);
        Find<QRadioButton>(s.radio)->setChecked(true);
        Press("cmdUnitsOK");
        AddPoint({{"DryBulb", s.dry}, {"RelHumid", "50"}});
        EXPECT_EQ(Text("txtDewPoint"), s.dew);
        EXPECT_EQ(Text("lblEnthalpyVal"), s.enthalpy);
        EXPECT_EQ(Text("lblHumidRatioVal"), "0.0092");
        EXPECT_EQ(Text("lblSpVolVal"), s.volume);
        EXPECT_EQ(Text("lblVaporPressVal"), s.vapour);
        Trigger("mnuOptPress");
        EXPECT_EQ(Text("txtPress"), s.press);
        EXPECT_EQ(Text("txtAlt"), s.alt);
        Press("cmdClose");
        EXPECT_EQ((QStringList{Text("lblDryBulb"), Text("lblEnthalpy"), Text("lblHumidRatio"),
                               Text("lblVaporPress"), Text("lblSpVol"), Text("optPress"), Text("optAlt")}),
                  s.captions);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, SurvivesResizingToTinySizes) {
    Window();
    auto* picture = Find<Platform::PictureBox>("picZolvane");
    for (QSize size : {QSize(10, 10), QSize(250, 60), QSize(1, 1), QSize(900, 600)}) {
        Window().resize(size);
        QApplication::processEvents();
        EXPECT_GE(picture->width(), 0);
    }
    EXPECT_EQ(picture->width() * 15, std::max(0, Window().frameGeometry().width() * 15 - 3690));
}

}  // namespace
