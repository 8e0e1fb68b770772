#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FieldFile.h"
#include "Global.h"
#include "Settings.h"
#include "UnitSystem.h"

namespace {

const char* DefaultText =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n"
    "0,0,0,0,0,14.697,0,29.92347\r\n"
    "#TRUE#,#FALSE#,#FALSE#\r\n";

std::string Written(const Chart::SettingsRecord& record) {
    std::ostringstream out;
    Chart::FieldWriter writer(out);
    Chart::WriteSettingsRecord(writer, record);
    return out.str();
}

std::optional<Chart::SettingsRecord> Read(const std::string& text) {
    std::istringstream in(text);
    Chart::FieldReader reader(in);
    return Chart::ReadSettingsRecord(reader);
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("zolvane-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        path = (dir / "Zolvane.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void WriteRaw(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    std::filesystem::path dir;
    std::string path;
};

TEST(FieldFile, FloatsAreShortestOfSevenDigits) {
    EXPECT_EQ(Chart::FloatText(14.697f), "14.697");
    EXPECT_EQ(Chart::FloatText(static_cast<float>(29.92347320551491)), "29.92347");
    EXPECT_EQ(Chart::FloatText(0.0f), "0");
    EXPECT_EQ(Chart::FloatText(1.5e-5f), "1.5E-05");
    EXPECT_EQ(Chart::FloatText(-1.0f), "-1");
    EXPECT_EQ(Chart::FloatText(0.5f), "0.5");
    EXPECT_EQ(Chart::FloatText(2.5e7f), "2.5E+07");
    EXPECT_EQ(Chart::FloatText(25000.0f), "25000");
}

TEST(FieldFile, ReaderTakesCommasAndLineEndsAlikeAndRefusesBadFields) {
    std::istringstream in("  #TRUE#,12\r\n -3.5e1 ,\"a, b\",x\r\n1.5,2.5,4.5E0,4.6,#MAYBE#");
    Chart::FieldReader r(in);
    EXPECT_EQ(r.ReadBool(), true);
    EXPECT_EQ(r.ReadInt(0, 100), 12);
    EXPECT_EQ(r.ReadFloat(), -35.0f);
    EXPECT_EQ(r.ReadText(), "a, b");
    EXPECT_EQ(r.ReadFloat(), std::nullopt);  // "x"
    // A whole-number field takes any decimal form, rounded half to even, then range-checked.
    EXPECT_EQ(r.ReadInt(0, 100), 2);
    EXPECT_EQ(r.ReadInt(0, 100), 2);
    EXPECT_EQ(r.ReadInt(0, 4), 4);
    EXPECT_EQ(r.ReadInt(0, 4), std::nullopt);  // 5 is out of range
    EXPECT_EQ(r.ReadBool(), std::nullopt);
    EXPECT_EQ(r.ReadField(), std::nullopt);  // end of input
}

TEST(Settings, DefaultRecordWritesTheKnownThreeLines) {
    EXPECT_EQ(Written(Chart::SettingsRecord{}), DefaultText);
    auto back = Read(DefaultText);
    ASSERT_TRUE(back);
    EXPECT_EQ(Written(*back), DefaultText);
}

TEST(Settings, NonDefaultValuesRoundTrip) {
    Chart::SettingsRecord r;
    r.show = {false, true, false, true, false};
    r.color = {16711680, 65280, 12345, 0, 16777215};
    r.style = {1, 2, 3, 4, 0};
    r.press = 12.2275f;
    r.alt = 5000;
    r.pressInHg = 24.895f;
    r.usUnits = false;
    r.autoScale = true;
    r.scaleChanged = true;
    auto back = Read(Written(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->show, r.show);
    EXPECT_EQ(back->color, r.color);
    EXPECT_EQ(back->style, r.style);
    EXPECT_EQ(back->press, r.press);
    EXPECT_EQ(back->alt, r.alt);
    EXPECT_EQ(back->pressInHg, r.pressInHg);
    EXPECT_FALSE(back->usUnits);
    EXPECT_TRUE(back->autoScale);
    EXPECT_TRUE(back->scaleChanged);
}

TEST(Settings, DamagedRecordsAreRefused) {
    const std::string line1 = "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n";
    const std::string line3 = "#TRUE#,#FALSE#,#FALSE#\r\n";
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,14.697,0,29.92347\r\n"));  // ends after line 2
    EXPECT_FALSE(Read(""));
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,abc,0,29.92347\r\n" + line3));
    EXPECT_FALSE(Read(line1 + "0,0,9,0,0,14.697,0,29.92347\r\n" + line3));   // no such style
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,0,0,29.92347\r\n" + line3));        // no pressure
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,nan,0,29.92347\r\n" + line3));
    EXPECT_FALSE(Read("#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,-5,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n" +
                      line3));  // not a colour
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,14.697,0,29.92347\r\nyes,#FALSE#,#FALSE#\r\n"));
}

TEST_F(SettingsFileTest, MissingFileGivesNothingAndSaveReplacesTheFile) {
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
    WriteRaw("old contents that are not settings");
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
    Chart::SettingsRecord r;
    r.color[1] = 255;
    ASSERT_TRUE(Chart::SaveSettingsFile(path, r));
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,255,0,255,0");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, SaveIntoMissingFolderFailsAndLeavesNothing) {
    EXPECT_FALSE(Chart::SaveSettingsFile((dir / "no" / "Zolvane.ini").string(), Chart::SettingsRecord{}));
}

TEST(Units, EachSystemSetsFactorsTextsAndDefaultLimits) {
    Global::ResetState();
    Global::AutoScale = true;
    Chart::SetUnitSystem(false);
    EXPECT_EQ(Global::TempScale, static_cast<float>(5.0 / 9.0));
    EXPECT_EQ(Global::TempOffset, 273.15f);
    EXPECT_EQ(Global::PressFactor, 0.0068947589f);
    EXPECT_EQ(Global::EnthalpyOffset, 7.684f);
    EXPECT_EQ(Global::MassUnit, "kg");
    EXPECT_EQ(Global::PressUnit, "MPa");
    EXPECT_EQ(Global::ChartMaxDry, 581.66998f);
    EXPECT_EQ(Global::ChartMinDry, 491.66995f);
    EXPECT_EQ(Global::ChartMaxDew, 554.66998f);
    EXPECT_EQ(Global::ChartMinDew, Global::ChartMinDry);
    // 75 F shows as 23.89 C; 28.1 BTU/lb as 47.49 kJ/kg.
    EXPECT_NEAR(534.67 * Global::TempScale - Global::TempOffset, 23.89, 0.005);
    EXPECT_NEAR((28.1 - Global::EnthalpyOffset) * Global::EnthalpyFactor, 47.49, 0.005);

    Global::ChartMaxDry = 700;  // a typed limit is reset by a switch
    Chart::SetUnitSystem(true);
    EXPECT_EQ(Global::TempScale, 1.0f);
    EXPECT_EQ(Global::LengthUnit, "ft");
    EXPECT_EQ(Global::EnthalpyUnit, "BTU/lb");
    EXPECT_EQ(Global::ChartMaxDry, 579.67f);
    EXPECT_EQ(Global::ChartMinDry, 494.67f);
    EXPECT_EQ(Global::ChartMaxDew, 549.67f);
    EXPECT_TRUE(Global::AutoScale);  // scaling flags are not the unit system's
}

}  // namespace
