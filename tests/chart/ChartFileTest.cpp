#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ChartFile.h"

namespace {

const std::string Head =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n"
    "0,0,0,0,0,14.697,0,29.92347\r\n"
    "#TRUE#,#FALSE#,#FALSE#\r\n";
const std::string Point1 = "535.67,520.1,510.5,0.5,28.1,0.0093,0.2,0.49,13.7,255,1200,3400\r\n";
const std::string Point2 = "545.67,525,510.5,0.375,31.25,0.0093,0.2,0.36,13.9,1.671168E+07,1500,3400\r\n";

Chart::ChartFileData TwoPoints() {
    Chart::ChartFileData data;
    data.Points = {{535.67f, 520.1f, 510.5f, 0.5f, 28.1f, 0.0093f, 0.2f, 0.49f, 13.7f, 255, 1200, 3400},
                   {545.67f, 525, 510.5f, 0.375f, 31.25f, 0.0093f, 0.2f, 0.36f, 13.9f, 16711680, 1500, 3400}};
    data.Lines = {{1, 2}};
    return data;
}

Chart::ChartFileData WithSection(Chart::CalcSection section) {
    Chart::ChartFileData data = TwoPoints();
    data.ProcessDataPresent = true;
    data.Calc = std::move(section);
    return data;
}

// One valid file of each calculator type, and one of an unknown type.
std::vector<Chart::ChartFileData> Samples() {
    return {
        WithSection({1,
                     {"1200", "5", "1100", "2", "40", "", "1", "2"},
                     {true, false, false, true, false, false, false, false},
                     3,
                     {{5, 1100}, {2.5f, 1050.25f}, {0.125f, 1e-05f}}}),
        WithSection({1,
                     {"1200", "5", "1100", "2", "40", "3", "0.1", "7"},
                     {false, true, true, false, false, false, false, false},
                     1,
                     {}}),
        WithSection({2, {"1", "2", "40", "1200"}, {}, 0, {}}),
        WithSection({3, {"2", "1", "40", "10.5", "0.3", "-1200"}, {}, 0, {}}),
        WithSection({4, {"1", "2", "30", "10", "3", "40", "530.5"}, {}, 0, {}}),
        WithSection(
            {5, {"1", "40", "1100", "0.5", "3", "0.02"}, {false, false, false, false, false, true}, 0, {}}),
        WithSection({7, {}, {}, 0, {}})};
}

std::string Resaved(const std::string& text) {
    auto parsed = Chart::ParseChartFile(text);
    return parsed.data ? Chart::ChartFileText(*parsed.data)
                       : "refused at " + std::to_string(int(parsed.failed));
}

TEST(ChartFile, WritesTheKnownBytes) {
    EXPECT_EQ(Chart::ChartFileText({}), Head + "#FALSE#,0\r\n0\r\n");
    EXPECT_EQ(Chart::ChartFileText(TwoPoints()), Head + "#FALSE#,1\r\n2\r\n" + Point1 + Point2 + "1,2\r\n");
    auto cooling = Samples()[3];
    cooling.Calc.Texts[3] = "say \"10\"";
    EXPECT_EQ(Chart::ChartFileText(cooling),
              Head + "#TRUE#,1\r\n3\r\n\"2\",\"1\",\"40\",\"say '10'\",\"0.3\",\"-1200\"\r\n2\r\n" + Point1 +
                  Point2 + "1,2\r\n");
    EXPECT_EQ(Chart::ChartFileText(Samples()[0]),
              Head +
                  "#TRUE#,1\r\n1\r\n\"1200\",\"5\",\"1100\",#TRUE#,#FALSE#,\"2\"\r\n"
                  "#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#\r\n\"40\"\r\n3\r\n5,1100\r\n2.5,1050.25\r\n"
                  "0.125,1E-05\r\n\"\",\"1\",\"2\"\r\n2\r\n" +
                  Point1 + Point2 + "1,2\r\n");
}

TEST(ChartFile, EverySectionReadsBackFieldForField) {
    for (const auto& sample : Samples()) {
        const std::string text = Chart::ChartFileText(sample);
        EXPECT_EQ(Resaved(text), text);
        // Any line end is a line end.
        std::string lf = text, cr = text;
        for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
        for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.erase(at + 1, 1);
        EXPECT_EQ(Resaved(lf), text);
        EXPECT_EQ(Resaved(cr), text);
    }
    auto gains = Chart::ParseChartFile(Chart::ChartFileText(Samples()[0]));
    ASSERT_TRUE(gains.data);
    EXPECT_EQ(gains.data->Calc.NumMoistGains, 3);
    EXPECT_EQ(gains.data->Calc.MoistGains[1][1], 1050.25f);
    auto unknown = Chart::ParseChartFile(Chart::ChartFileText(Samples()[6]));
    ASSERT_TRUE(unknown.data);
    EXPECT_EQ(unknown.data->Points.size(), 2u);  // the count follows the type line
}

TEST(ChartFile, DamageIsReportedByStage) {
    using S = Chart::ChartFileStage;
    const std::string lines2 = Head + "#FALSE#,2\r\n2\r\n" + Point1 + Point2;
    const std::pair<std::string, S> damaged[] = {
        {"", S::Opening},
        {"#TRUE#,#MAYBE#" + Head.substr(13), S::Opening},
        {Head.substr(0, 48) + "5" + Head.substr(49), S::Opening},  // a line style of 5
        {Head + "#FALSE#,-1\r\n0\r\n", S::Opening},
        {Head + "#FALSE#,0\r\n40000\r\n", S::Opening},
        {Head + "#TRUE#,0\r\n1\r\n\"1\",\"2\"\r\n0\r\n", S::Opening},  // a section cut short
        {Head + "#TRUE#,0\r\n1\r\n\"1\",\"2\",\"3\",#TRUE#,#FALSE#,\"4\"\r\n" + std::string(6, 'x'),
         S::Opening},
        {Head + "#FALSE#,0\r\n2\r\n" + Point1 + "535.67,520.1\r\n", S::Points},
        {Head + "#FALSE#,1\r\n2\r\n" + Point1 + Point2 + "1,99\r\n", S::Lines},
        {lines2 + "1,0\r\n1,2\r\n", S::Lines},
        {lines2 + "1,2\r\n", S::Lines},
    };
    for (const auto& [text, stage] : damaged) {
        auto parsed = Chart::ParseChartFile(text);
        EXPECT_FALSE(parsed.data) << text;
        EXPECT_EQ(parsed.failed, stage) << text;
    }
    // A half-drawn last line, as older writers left it, is dropped.
    auto pending = Chart::ParseChartFile(lines2 + "1,2\r\n2,0\r\n");
    ASSERT_TRUE(pending.data);
    EXPECT_EQ(pending.data->Lines.size(), 1u);
}

// Mutated valid files never crash or hang, and whatever is read is a chart the window
// can take whole: counts and line ends in range, and it saves and reads back alike.
TEST(ChartFile, MutatedFilesAreReadWholeOrRefused) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789,.-+E#\"\r\n TRUEFALS";
    std::vector<std::string> valid;
    for (const auto& sample : Samples()) valid.push_back(Chart::ChartFileText(sample));
    int accepted = 0;
    for (int round = 0; round < 10000; ++round) {
        std::string text = valid[random() % valid.size()];
        for (int edits = 1 + random() % 3; edits > 0; --edits) {
            const std::size_t at = random() % text.size();
            const char c = alphabet[random() % alphabet.size()];
            switch (random() % 4) {
                case 0:
                    text[at] = c;
                    break;
                case 1:
                    text.insert(at, 1, c);
                    break;
                case 2:
                    text.erase(at, 1 + random() % 8);
                    break;
                default:
                    text.resize(at);
                    break;
            }
            if (text.empty()) break;
        }
        auto parsed = Chart::ParseChartFile(text);
        if (!parsed.data) continue;
        ++accepted;
        const auto& data = *parsed.data;
        for (const auto& line : data.Lines)
            ASSERT_TRUE(line[0] >= 1 && line[1] >= 1 && line[0] <= int(data.Points.size()) &&
                        line[1] <= int(data.Points.size()))
                << text;
        const std::string saved = Chart::ChartFileText(data);
        ASSERT_EQ(Resaved(saved), saved) << text;
    }
    EXPECT_GT(accepted, 100);  // the mutations reach the later stages too
}

TEST(ChartFile, NameRuleLooksAtTheFileNameOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"a.txt", "a.zlv"},  {"plant", "plant.zlv"},     {"my.chart", "my.chart.zlv"},
        {"B.ZLV", "B.zlv"},  {"run.d/x", "run.d/x.zlv"}, {"/tmp/run.d/report.txt", "/tmp/run.d/report.zlv"},
        {"d/.abc", "d/.zlv"}};
    for (const auto& [chosen, path] : cases) EXPECT_EQ(Chart::ChartFilePath(chosen), path);
}

}  // namespace
