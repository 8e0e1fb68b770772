#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "Atmosphere.h"
#include "FieldFile.h"
#include "Settings.h"

namespace {

const std::string Line1 = "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n",
                  Line2 = "0,0,0,0,0,14.697,0,29.92347", Line3 = "\r\n#TRUE#,#FALSE#,#FALSE#\r\n",
                  DefaultText = Line1 + Line2 + Line3;

std::optional<Chart::SettingsRecord> Read(const std::string& text) {
    std::istringstream in(text);
    Chart::FieldReader reader(in);
    return Chart::ReadSettingsRecord(reader);
}

TEST(Settings, FieldsAreShortestFloatsAndBadFieldsOrDamagedRecordsAreRefused) {
    std::string texts;
    for (float v : {14.697f, static_cast<float>(29.92347320551491), 0.0f, 1.5e-5f, -1.0f, 2.5e7f, 25000.0f,
                    -0.0625f, std::numeric_limits<float>::denorm_min()})
        texts += Chart::FloatText(v) + " ";
    EXPECT_EQ(texts, "14.697 29.92347 0 1.5E-05 -1 2.5E+07 25000 -0.0625 1E-45 ");

    std::istringstream in(" -3.5e1 ,\"a, b\"\r\n1.5,2.5,4.5E0,4.6");
    Chart::FieldReader r(in);
    EXPECT_EQ(r.ReadFloat(), -35.0f);
    EXPECT_EQ(r.ReadText(), "a, b");
    // A whole-number field takes any decimal form, rounded half to even, then range-checked.
    EXPECT_EQ((std::vector{r.ReadInt(0, 100), r.ReadInt(0, 100), r.ReadInt(0, 4), r.ReadInt(0, 4)}),
              (std::vector<decltype(r.ReadInt(0, 4))>{2, 2, 4, std::nullopt}));  // 5 is out of range

    ASSERT_TRUE(Read(DefaultText));
    for (const std::string& text : {Line1 + Line2 + "\r\n", std::string(),
                                    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,-5,0,255,0\r\n" + Line2 + Line3,
                                    Line1 + Line2 + "\r\nyes,#FALSE#,#FALSE#\r\n"})
        EXPECT_FALSE(Read(text)) << text;
    for (const char* bad : {"0,0,0,0,0,abc,0,29.92347", "0,0,9,0,0,14.697,0,29.92347",  // no such style
                            "0,0,0,0,0,nan,0,29.92347", "0,0,0,0,0,--14.697,0,29.92347",
                            "0,0,0,0,0,14.697,0,0.001",           // inHg that is not the pressure's
                            "0,0,0,0,0,0.001,0,0.002036026",      // far above any chart's altitude
                            "0,0,0,0,0,1E+30,0,2.036026E+30",     // far below
                            "0,0,0,0,0,14.697,-1E+07,29.92347"})  // an altitude the frame refuses
        EXPECT_FALSE(Read(Line1 + bad + Line3)) << bad;
    EXPECT_FALSE(
        Read(Line1 + "0,0,0,0,0,14.697" + std::string(Chart::MaxFieldLength, ' ') + ",0,29.92347" + Line3));
    // The pressures at both ends of the altitude range are sound, as their own rounding leaves them.
    for (double feet : {25000.0, -5000.0}) {
        const auto end = Chart::FromAltitude(feet);
        Chart::FieldWriter writer;
        Chart::WriteSettingsRecord(writer,
                                   {.press = end->press, .alt = end->alt, .pressInHg = end->pressInHg});
        EXPECT_TRUE(Read(writer.Text())) << feet;
    }
    const auto big = std::filesystem::temp_directory_path() / ("zolvane-big-" + std::to_string(getpid()));
    std::ofstream(big) << DefaultText + std::string(Chart::MaxSettingsFileBytes, '\n');
    EXPECT_FALSE(Chart::LoadSettingsFile(big));
    std::filesystem::remove(big);
}

}  // namespace
