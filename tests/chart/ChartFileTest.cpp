#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "Atmosphere.h"
#include "ChartFile.h"
#include "ChartFileMutation.h"
#include "ChartTables.h"
#include "EngineFixture.h"

namespace {

using namespace Chart;

const std::string Head =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n"
    "0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#\r\n";
const std::string Point = "535.67,520.1,510.5,0.5,28.1,0.0093,0.2,0.49,1.671168E+07,255,1200,3400\r\n",
                  TwoLines = Head + "#FALSE#,2\r\n2\r\n" + Point + Point;

// Two points joined by a line; with a calculator section of numbered texts, the last
// option of each line chosen, and three gains for type 1.
ChartFileData TwoPoints(int16_t calcType = 0) {
    ChartFileData data;
    data.Points.assign(
        2, {535.67f, 520.1f, 510.5f, 0.5f, 28.1f, 0.0093f, 0.2f, 0.49f, 16711680, 255, 1200, 3400});
    data.Lines = {{1, 2}};
    data.ProcessDataPresent = calcType != 0, data.Calc.CalcType = calcType;
    for (const CalcLine& line : CalcLayout(calcType))
        for (const CalcField& field : line) {
            if (field.kind == CalcFieldKind::Option) data.Calc.Options.push_back(&field == &line.back());
            if (field.kind == CalcFieldKind::Text || field.kind == CalcFieldKind::Caption)
                data.Calc.Texts.push_back(std::to_string(data.Calc.Texts.size()));
        }
    if (calcType == 1)
        data.Calc.NumMoistGains = 3, data.Calc.MoistGains = {{5, 1100}, {2.5f, 1050.25f}, {0, 1e-05f}};
    return data;
}

std::string Resaved(const std::string& text) {
    auto parsed = ParseChartFile(text);
    return parsed.data ? ChartFileText(*parsed.data) : "refused at " + std::to_string(int(parsed.failed));
}

TEST(ChartFile, WritesTheKnownBytesAndReadsEverySectionBack) {
    EXPECT_EQ(ChartFileText({}), Head + "#FALSE#,0\r\n0\r\n");
    EXPECT_EQ(ChartFileText(TwoPoints()), Head + "#FALSE#,1\r\n2\r\n" + Point + Point + "1,2\r\n");
    auto cooling = TwoPoints(3);
    cooling.Calc.Texts[3] = "say \"10\"";  // a quote would end the text early
    EXPECT_EQ(ChartFileText(cooling),
              Head + "#TRUE#,1\r\n3\r\n\"0\",\"1\",\"2\",\"say '10'\",\"4\",\"5\"\r\n2\r\n" + Point + Point +
                  "1,2\r\n");
    EXPECT_NE(ChartFileText(TwoPoints(1)).find("\"4\"\r\n3\r\n5,1100\r\n2.5,1050.25\r\n0,1E-05\r\n\"5\""),
              std::string::npos);
    cooling.Calc.Texts[3] = std::string(4095, 'x') + "\u00e9";  // too long: cut before the two-byte letter
    EXPECT_EQ(ParseChartFile(ChartFileText(cooling)).data.value().Calc.Texts[3], std::string(4095, 'x'));
    for (int16_t type : {1, 2, 3, 4, 5, 7}) {  // any line end is a line end
        const std::string text = ChartFileText(TwoPoints(type));
        for (const char* end : {"\r\n", "\n", "\r"})
            EXPECT_EQ(Resaved(std::regex_replace(text, std::regex("\r\n"), end)), text);
    }
}

TEST(ChartFile, DamageIsReportedByStage) {
    // One point: dry bulb, wet bulb, dew point, RH, enthalpy, W, then a tiny vapour pressure and
    // a degree of saturation of 2, as a wet bulb above the dry bulb gives.
    auto one = [](const char* f, const char* spVol = "13") {
        return Head + "#FALSE#,0\r\n1\r\n" + f + ",1E-10,2," + spVol + ",255,0,0\r\n";
    };
    // Damaged texts by the stage that refuses them: opening, points, lines.
    const std::vector<std::string> damaged[] = {
        {"", "#TRUE#,#MAYBE#" + Head.substr(13), Head.substr(0, 48) + "5" + Head.substr(49),  // a style of 5
         Head + "#FALSE#,-1\r\n0\r\n", Head + "#FALSE#,0\r\n32768\r\n", Head + "#FALSE#,40000\r\n0\r\n",
         Head + "#FALSE#,32768\r\n0\r\n",
         Head + "#TRUE#,0\r\n1\r\n\"1\",\"2\",\"3\",#TRUE#,#FALSE#,\"4\"\r\nxx"},
        {Head + "#FALSE#,0\r\n2\r\n" + Point + "535.67,520.1\r\n", one("0,520,510,.5,28,.009"),
         one("535,-1,510,.5,28,.009"), one("535,520,-5,.5,28,.009"), one("535,520,510,1.01,28,.009"),
         one("535,520,510,-.01,28,.009"), one("535,520,510,.5,28,-1E-06"),
         // No state boils at the highest pressure, nor holds or carries this much.
         one("5E+25,520,510,.5,28,.009"), one("535,690,510,.5,28,.009"), one("535,520,9.2E+18,.5,28,.009"),
         one("535,520,510,.5,28,2.1E+09"), one("535,520,510,.5,3E+10,.009"), one("535,520,510,.5,-111,0"),
         one("535,520,510,.5,28,.009", "0"), one("535,520,510,.5,28,.009", "2E+09")},
        {TwoLines + "1,2\r\n1,99\r\n", TwoLines + "1,0\r\n1,2\r\n", TwoLines + "1,2\r\n"}};
    for (int stage = 0; stage < 3; ++stage)
        for (const std::string& text : damaged[stage])
            EXPECT_EQ(Resaved(text), "refused at " + std::to_string(stage)) << text;
    // Values the solvers leave: RH rounded above 1, more above a wet bulb above the dry bulb,
    // enthalpy below 0, no water.
    for (const char* kept : {"535,520,510,1.000001,28,.009", "535,600,510,1.5,28,.009",
                             "535,520,510,.5,-48,0", "131.67,131.67,131.67,1,-78.72,0"})
        EXPECT_TRUE(ParseChartFile(one(kept)).data) << kept;
    // A half-drawn last line, as older writers left it, is dropped.
    EXPECT_EQ(Resaved(TwoLines + "1,2\r\n2,0\r\n"), ChartFileText(TwoPoints()));
}

// The hottest temperature (R) whose saturation pressure stays below `press`.
float Hottest(double press) {
    float below = 131.67f, above = 1800;
    while (std::nextafter(below, above) != above) {
        const float mid = below + (above - below) / 2;
        (Global::CalcSatPress(mid) < press ? below : above) = mid;
    }
    return below;
}

// Every state the solvers leave is read back: all six, at both ends of the pressure range and
// one float step above the saturation pressure of a hot wet bulb (the wettest air there is),
// from the coldest temperature that can be typed (-200 C) to boiling, saturated to nearly dry.
TEST(ChartFile, EveryStateTheSolversLeaveIsRead) {
    RecordingMessageSink sink;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto pick = [&](float low, float high) {
        const double u = unit(random);
        return u < 0.25 ? low : u < 0.5 ? high : static_cast<float>(low + (high - low) * unit(random));
    };
    const double ends[] = {FromAltitude(AltitudeLimit)->press, FromAltitude(AltitudeFloor)->press};
    int solved = 0;
    float wettest = 0;
    for (int round = 0; round < 30000; ++round) {
        const float hotWetBulb = static_cast<float>(Hottest(ends[0]) + 55 * unit(random));
        const double press =
            round % 3 < 2 ? ends[round % 3] : std::nextafter(Global::CalcSatPress(hotWetBulb), 1e9f);
        Global::Press = static_cast<float>(press), Global::PressInHg = static_cast<float>(press * 2.036026);
        const Solver& s = kSolvers[round / 3 % 6];
        *s.first = pick(131.67f, Hottest(press));
        *s.second = s.second == &Global::RelHumid ? pick(1e-40f, 1) : pick(131.67f, Hottest(press));
        if (!IsChartPressure(Global::Press) || !s.solve()) continue;
        ++solved, wettest = std::max(wettest, Global::HumidRatio);
        ChartFileData data;
        data.Points = {CurrentRecord()};
        ASSERT_TRUE(ParseChartFile(ChartFileText(data)).data) << s.name << ": " << ChartFileText(data);
    }
    Global::ResetState();
    EXPECT_GT(solved, 10000);
    EXPECT_GT(wettest, 1.3e7f);  // the wettest air was reached
}

// The writer takes only what the reader takes back: counts, line ends, points, gains.
TEST(ChartFile, WriterTakesOnlyWhatTheReaderTakesBack) {
    for (int edit = 0; edit < 8; ++edit) {
        ChartFileData d = TwoPoints(1);
        if (edit == 1 || edit == 2) d.Lines.assign(32766 + edit, {2, 1});
        if (edit == 3) d.Points.resize(32768, d.Points[0]);
        if (edit == 4 || edit == 5) d.Lines[0][edit - 4] = static_cast<int16_t>(3 * (edit - 4));  // 0, 3
        if (edit == 6) d.Points[1].HumidRatio = -1e-6f;
        if (edit == 7) d.Calc.NumMoistGains = -1;
        EXPECT_EQ(FitsChartFile(d), edit < 2) << edit;
        EXPECT_EQ(ParseChartFile(ChartFileText(d)).data.has_value(), edit < 2) << edit;
    }
}

// Mutated valid files never crash or hang, and whatever is read is a chart the window
// can take whole: it saves and reads back alike (a line end out of range would not).
TEST(ChartFile, MutatedFilesAreReadWholeOrRefused) {
    std::mt19937 random(11);
    int accepted = 0;
    for (int round = 0; round < 10000; ++round) {
        const std::string text =
            MutatedText(ChartFileText(TwoPoints(static_cast<int16_t>(random() % 7))), random);
        const std::string saved = Resaved(text);
        if (saved.starts_with("refused at ")) continue;
        ASSERT_EQ(Resaved(saved), saved) << text;
        ++accepted;
    }
    EXPECT_GT(accepted, 100);  // the mutations reach the later stages too
}

TEST(ChartFile, NameRuleLooksAtTheFileNameOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"a.txt", "a.zlv"}, {"plant", "plant.zlv"},     {"my.chart", "my.chart.zlv"},
        {"B.ZLV", "B.zlv"}, {"run.d/x", "run.d/x.zlv"}, {"/tmp/run.d/report.txt", "/tmp/run.d/report.zlv"}};
    for (const auto& [chosen, path] : cases) EXPECT_EQ(ChartFilePath(chosen), path);
}

}  // namespace
