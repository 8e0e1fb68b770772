#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "ChartWindowFixture.h"

namespace {

const std::string DefaultSettings =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#"
    "\r\n";

TEST_F(ChartWindowTest, StartsWithDefaultsWithoutASettingsFile) {
    Window();
    EXPECT_EQ(Window().windowTitle(), "Dazureduzerer Uzirez");
    EXPECT_TRUE(Find<QRadioButton>("optUSUnits")->isChecked());
    EXPECT_TRUE(Global::ShowDryLines && Global::ShowWetLines && Global::ShowDewLines && Global::ShowRHLines &&
                Global::ShowWLines);
    EXPECT_EQ(Global::RHLineColor, 255);
    EXPECT_EQ(Global::WetLineColor, 0);
    EXPECT_EQ(Global::Press, 14.697f);
    EXPECT_EQ(Global::Alt, 0.0f);
    EXPECT_FALSE(Global::AutoScale);
    EXPECT_EQ(Global::NumPoints, 0);
    EXPECT_EQ(Global::ProcLines.UBound(1), 0);
    EXPECT_EQ(Text("lblDryBulb"), "Dry Bulb Temp (F)");
    EXPECT_EQ(Text("lblSpVol"), "Specific Volume (ft  /lb)");
    EXPECT_TRUE(messages.empty());
    // The first resize built the screen tables.
    EXPECT_EQ(Global::NumSatPoints, 551);
    EXPECT_FALSE(FileExists("Zolvane.ini"));
}

TEST_F(ChartWindowTest, ReadsTheSettingsFileAndStartsInItsUnits) {
    WriteFile("Zolvane.ini",
              "#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#,1,2,3,4,5\r\n1,2,3,4,0,12.2275,5000,24.89551\r\n"
              "#FALSE#,#TRUE#,#FALSE#\r\n");
    Window();
    EXPECT_TRUE(Find<QRadioButton>("optMetricUnits")->isChecked());
    EXPECT_FALSE(Global::ShowDryLines);
    EXPECT_FALSE(Global::ShowWLines);
    EXPECT_EQ(Global::DewLineColor, 3);
    EXPECT_EQ(Global::RHLineStyle, 4);
    EXPECT_EQ(Global::Press, 12.2275f);
    EXPECT_EQ(Global::Alt, 5000.0f);
    EXPECT_TRUE(Global::AutoScale);
    EXPECT_FLOAT_EQ(Global::ChartMaxDry, 581.66998f);
    EXPECT_EQ(Text("lblDewPoint"), "Dew Point Temp (C)");
    EXPECT_EQ(Text("lblEnthalpy"), "Enthalpy (kJ/kg)");
    EXPECT_EQ(Text("lblHumidRatio"), "Humidity Ratio (kg/kg)");
    EXPECT_EQ(Text("lblVaporPress"), "Vapor Pressure (MPa)");
    EXPECT_EQ(Text("lblSpVol"), "Specific Volume (m  /kg)");
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
    EXPECT_EQ(Global::DryLineStyle, 0);
    EXPECT_EQ(Global::Press, 14.697f);
    EXPECT_TRUE(Find<QRadioButton>("optUSUnits")->isChecked());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, ExitWritesTheSettingsAndClosingDoesNot) {
    Window();
    Global::WetLineColor = 65280;
    Window().close();
    EXPECT_FALSE(FileExists("Zolvane.ini"));
    Trigger("mnuFileExit");
    const std::string text = ReadFile("Zolvane.ini");
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,65280,0,255,0");
    Global::WetLineColor = 0;
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), DefaultSettings);
    // Both roads tell the help viewer to quit.
    ASSERT_FALSE(dialogs->requests.empty());
    EXPECT_EQ(dialogs->requests.back().helpCommand, Platform::HelpQuit);
}

TEST_F(ChartWindowTest, MenusCarryTheirCaptionsAndShortcuts) {
    Window();
    EXPECT_EQ(Find<QMenu>("File")->title(), "&File");
    EXPECT_EQ(Find<QAction>("mnuFilePrintSetup")->text(), "Print &Setup");
    EXPECT_TRUE(Find<QAction>("mnuFileSep1")->isSeparator());
    EXPECT_EQ(Find<QAction>("mnuEditDeletePoints")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(Find<QAction>("mnuEditDeleteLines")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(Find<QAction>("mnuEditClear")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(Find<QMenu>("mnuOptionsCalc")->title(), "P&rocess Calculations");
    EXPECT_EQ(Find<QAction>("mnuOptProcWatAir")->text(), "Adiabatic Mixing Water/Air ...");
    EXPECT_EQ(Find<QAction>("mnuHelpSearch")->text(), "&Search Help...");
    QStringList menus;
    for (QAction* a : Window().menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Options", "&Help"}));
}

TEST_F(ChartWindowTest, SurvivesResizingToTinySizes) {
    Window();
    auto* picture = Find<Platform::PictureBox>("picZolvane");
    for (QSize size : {QSize(10, 10), QSize(250, 60), QSize(1, 1), QSize(900, 600)}) {
        Window().resize(size);
        QApplication::processEvents();
        EXPECT_GE(picture->width(), 0);
        EXPECT_GE(picture->height(), 0);
    }
    EXPECT_GT(picture->width(), 0);
    EXPECT_EQ(picture->width() * 15, std::max(0, Window().frameGeometry().width() * 15 - 3690));
}

TEST_F(ChartWindowTest, UnitsOkRedrawsInTheNewSystemAndRewritesCaptions) {
    Window();
    Trigger("mnuOptionsUnits");
    EXPECT_FALSE(Find<QWidget>("frmUnits")->isHidden());
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    EXPECT_EQ(Global::TempUnit, "C");
    EXPECT_EQ(Text("lblDryBulb"), "Dry Bulb Temp (F)");  // not before OK
    Press("cmdUnitsOK");
    EXPECT_TRUE(Find<QWidget>("frmUnits")->isHidden());
    EXPECT_EQ(Text("lblDryBulb"), "Dry Bulb Temp (C)");
    EXPECT_EQ(Global::NumSatPoints, 631);  // 0 to 35 C of dew point, one sample per 0.1 R
    EXPECT_TRUE(messages.empty());
}

}  // namespace
