#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>
#include <tuple>

#include "ChartFile.h"
#include "ChartFileMutation.h"

namespace {

using namespace Chart;

const std::string Head =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n"
    "0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#\r\n";
const std::string Point = "535.67,520.1,510.5,0.5,28.1,0.0093,0.2,0.49,1.671168E+07,255,1200,3400\r\n";
const std::string TwoLines = Head + "#FALSE#,2\r\n2\r\n" + Point + Point;

// Two points joined by a line; with a calculator section of numbered texts, the last
// option of each line chosen, and three gains for type 1.
ChartFileData TwoPoints(int16_t calcType = 0) {
    ChartFileData data;
    data.Points.assign(
        2, {535.67f, 520.1f, 510.5f, 0.5f, 28.1f, 0.0093f, 0.2f, 0.49f, 16711680, 255, 1200, 3400});
    data.Lines = {{1, 2}};
    data.ProcessDataPresent = calcType != 0;
    data.Calc.CalcType = calcType;
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
    for (int16_t type : {1, 2, 3, 4, 5, 7}) {
        const std::string text = ChartFileText(TwoPoints(type));
        // Any line end is a line end.
        for (const char* end : {"\r\n", "\n", "\r"})
            EXPECT_EQ(Resaved(std::regex_replace(text, std::regex("\r\n"), end)), text);
    }
}

TEST(ChartFile, DamageIsReportedByStage) {
    // Damaged texts by the stage that refuses them: opening, points, lines.
    const std::vector<std::string> damaged[] = {
        {"", "#TRUE#,#MAYBE#" + Head.substr(13), Head.substr(0, 48) + "5" + Head.substr(49),  // a style of 5
         Head + "#FALSE#,-1\r\n0\r\n", Head + "#FALSE#,0\r\n32768\r\n", Head + "#FALSE#,40000\r\n0\r\n",
         Head + "#FALSE#,32768\r\n0\r\n",
         Head + "#TRUE#,0\r\n1\r\n\"1\",\"2\",\"3\",#TRUE#,#FALSE#,\"4\"\r\nxx"},
        {Head + "#FALSE#,0\r\n2\r\n" + Point + "535.67,520.1\r\n"},
        {TwoLines + "1,2\r\n1,99\r\n", TwoLines + "1,0\r\n1,2\r\n", TwoLines + "1,2\r\n"}};
    for (int stage = 0; stage < 3; ++stage)
        for (const std::string& text : damaged[stage])
            EXPECT_EQ(Resaved(text), "refused at " + std::to_string(stage)) << text;
    // A half-drawn last line, as older writers left it, is dropped.
    EXPECT_EQ(Resaved(TwoLines + "1,2\r\n2,0\r\n"), ChartFileText(TwoPoints()));
}

// A point no solver can leave is refused at the point stage; every value one can leave is kept.
TEST(ChartFile, PointsAreStatesTheSolversCanLeave) {
    // First field replaced (0 dry bulb, 1 wet bulb, 2 dew point, 3 RH, 4 enthalpy, 5 W, 6 vapour
    // pressure, 7 degree of saturation), the values from there on, whether the point is kept.
    const std::tuple<int, std::string, bool> rows[] = {
        {0, "-1", false},
        {0, "0", false},
        {1, "0", false},
        {2, "-5", false},
        {3, "1.01", false},
        {3, "-0.01", false},
        {5, "-1E-06", false},
        {0, "1E+39", false},
        {3, "1.000001", true},
        {1, "600,510.5,1.5", true},  // a wet bulb above the dry bulb
        {4, "-48", true},
        {5, "0", true},
        {6, "1E-10", true},
        {7, "2", true},
        {0, "1E-06,1E-06,1E-06", true}};
    for (const auto& [first, values, kept] : rows) {
        std::vector<std::string> fields;
        std::istringstream in(Point.substr(0, Point.size() - 2) + "," + values);
        for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
        std::ranges::copy(fields.begin() + 12, fields.end(), fields.begin() + first);
        std::string line;
        for (int i = 0; i < 12; ++i) line += (i ? "," : "") + fields[i];
        const auto parsed = ParseChartFile(Head + "#FALSE#,0\r\n1\r\n" + line + "\r\n");
        EXPECT_EQ(std::string(parsed.data ? "kept" : StageText(parsed.failed)),
                  kept ? "kept" : "Error Reading data")
            << line;
    }
}

// The writer takes only charts the reader takes back.
TEST(ChartFile, OnlyChartsTheReaderTakesBackFit) {
    const std::pair<std::function<void(ChartFileData&)>, bool> rows[] = {
        {[](ChartFileData&) {}, true},
        {[](ChartFileData& d) {
             d.Lines.assign(32767, {2, 1});
         },
         true},
        {[](ChartFileData& d) {
             d.Lines.assign(32768, {2, 1});
         },
         false},
        {[](ChartFileData& d) { d.Points.resize(32768, d.Points[0]); }, false},
        {[](ChartFileData& d) { d.Lines[0][1] = 3; }, false},
        {[](ChartFileData& d) { d.Lines[0][0] = 0; }, false},
        {[](ChartFileData& d) { d.Points[1].HumidRatio = -1e-6f; }, false},
        {[](ChartFileData& d) { d.Calc.NumMoistGains = -1; }, false}};
    for (const auto& [edit, fits] : rows) {
        ChartFileData data = TwoPoints(1);
        edit(data);
        EXPECT_EQ(FitsChartFile(data), fits) << &edit - &rows[0].first;
        EXPECT_EQ(ParseChartFile(ChartFileText(data)).data.has_value(), fits) << &edit - &rows[0].first;
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
        auto parsed = ParseChartFile(text);
        if (!parsed.data) continue;
        const std::string saved = ChartFileText(*parsed.data);
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
