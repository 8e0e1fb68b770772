#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Atmosphere.h"
#include "FieldFile.h"
#include "Global.h"
#include "Settings.h"

namespace {

const std::string DefaultText =
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
              ("zolvane-settings-" + std::to_string(getpid()) + "-" +
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

TEST(Settings, RecordsWriteTheKnownLinesAndReadBack) {
    EXPECT_EQ(Written(Chart::SettingsRecord{}), DefaultText);
    Chart::SettingsRecord r;
    r.show = {false, true, false, true, false};
    r.color = {16711680, 65280, 12345, 0, 16777215};
    r.style = {1, 2, 3, 4, 0};
    r.press = 12.2275f;
    r.alt = 5000;
    r.pressInHg = 24.89551f;
    r.usUnits = false;
    r.autoScale = r.scaleChanged = true;
    auto back = Read(Written(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(Written(*back), Written(r));
    EXPECT_TRUE(back->show == r.show && back->color == r.color && back->style == r.style);
    EXPECT_TRUE(back->press == r.press && back->alt == r.alt && back->pressInHg == r.pressInHg);
    EXPECT_TRUE(!back->usUnits && back->autoScale && back->scaleChanged);
}

TEST(Settings, DamagedRecordsAreRefused) {
    const std::string line1 = "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n";
    const std::string line3 = "\r\n#TRUE#,#FALSE#,#FALSE#\r\n";
    auto withLine2 = [&](const std::string& line2) { return Read(line1 + line2 + line3); };
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,14.697,0,29.92347\r\n"));  // ends after line 2
    EXPECT_FALSE(Read(""));
    EXPECT_FALSE(Read("#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,-5,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347" +
                      line3));  // not a colour
    EXPECT_FALSE(Read(line1 + "0,0,0,0,0,14.697,0,29.92347\r\nyes,#FALSE#,#FALSE#\r\n"));
    for (const char* line2 : {"0,0,0,0,0,abc,0,29.92347", "0,0,9,0,0,14.697,0,29.92347",  // no such style
                              "0,0,0,0,0,nan,0,29.92347", "0,0,0,0,0,--14.697,0,29.92347",
                              "0,0,0,0,0,14.697,0,0.001",           // inHg that is not the pressure's
                              "0,0,0,0,0,0.001,0,0.002036026",      // far above any chart's altitude
                              "0,0,0,0,0,1E+30,0,2.036026E+30",     // far below
                              "0,0,0,0,0,14.697,-1E+07,29.92347"})  // an altitude the frame refuses
        EXPECT_FALSE(withLine2(line2)) << line2;
    EXPECT_FALSE(withLine2("0,0,0,0,0,14.697" + std::string(Chart::MaxFieldLength, ' ') + ",0,29.92347"));
    // The pressures at both ends of the altitude range are sound, as their own rounding leaves them.
    for (double feet : {25000.0, -5000.0}) {
        auto end = Chart::FromAltitude(feet);
        Chart::SettingsRecord r;
        r.press = end->press;
        r.alt = end->alt;
        r.pressInHg = end->pressInHg;
        EXPECT_TRUE(Read(Written(r))) << feet;
    }
}

TEST_F(SettingsFileTest, OnlyASmallRegularFileIsRead) {
    WriteRaw(DefaultText);
    EXPECT_TRUE(Chart::LoadSettingsFile(path));
    WriteRaw(DefaultText + std::string(Chart::MaxSettingsFileBytes, '\n'));
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
    // Neither a device nor a FIFO stalls or exhausts the start-up.
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
}

TEST_F(SettingsFileTest, SaveReplacesTheFileAndSparesItsNeighbours) {
    EXPECT_FALSE(Chart::LoadSettingsFile(path));
    WriteRaw("old contents that are not settings");
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    std::ofstream(path + ".tmp") << "a user's own file";
    Chart::SettingsRecord r;
    r.color[1] = 255;
    ASSERT_TRUE(Chart::SaveSettingsFile(path, r));
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,255,0,255,0");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    std::ifstream own(path + ".tmp");
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(own)), {}), "a user's own file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
    EXPECT_FALSE(Chart::SaveSettingsFile((dir / "no" / "Zolvane.ini").string(), r));
}

TEST_F(SettingsFileTest, ATargetThatCannotGetATemporaryNeighbourIsWrittenInPlace) {
    // A name so long that no longer name fits beside it stands in for a read-only folder,
    // which the superuser would not notice; the folder itself is tried when not privileged.
    const std::string longPath = (dir / std::string(250, 'z')).string();
    std::ofstream(longPath) << "old";
    EXPECT_TRUE(Chart::SaveSettingsFile(longPath, Chart::SettingsRecord{}));
    std::ifstream in(longPath, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), DefaultText);
    if (geteuid() != 0) {
        WriteRaw("old");
        std::filesystem::permissions(dir, std::filesystem::perms(0500));
        EXPECT_TRUE(Chart::SaveSettingsFile(path, Chart::SettingsRecord{}));
        std::filesystem::permissions(dir, std::filesystem::perms(0700));
        std::ifstream back(path, std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(back)), {}), DefaultText);
    }
}

}  // namespace
