#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ChartFile.h"

namespace {

const std::string Head =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#"
    "\r\n";
const std::string Point = "535.67,520.1,510.5,0.5,28.1,0.0093,0.2,0.49,1.671168E+07,255,1200,3400\r\n";
const std::string TwoLines = Head + "#FALSE#,2\r\n2\r\n" + Point + Point;

Chart::ChartFileData TwoPoints(int16_t calcType = 0) {
    Chart::ChartFileData data;
    data.Points.assign(
        2, {535.67f, 520.1f, 510.5f, 0.5f, 28.1f, 0.0093f, 0.2f, 0.49f, 16711680, 255, 1200, 3400});
    data.Lines = {{1, 2}};
    data.ProcessDataPresent = calcType != 0;
    data.Calc.CalcType = calcType;
    // Numbered texts, the last option of each line chosen; three gains for type 1.
    for (const Chart::CalcLine& line : Chart::CalcLayout(calcType)) {
        for (const Chart::CalcField& field : line) {
            if (field.kind == Chart::CalcFieldKind::Option)
                data.Calc.Options.push_back(&field == &line.back());
            if (field.kind == Chart::CalcFieldKind::Text || field.kind == Chart::CalcFieldKind::Caption)
                data.Calc.Texts.push_back(std::to_string(data.Calc.Texts.size()));
        }
    }
    if (calcType == 1)
        data.Calc.NumMoistGains = 3, data.Calc.MoistGains = {{5, 1100}, {2.5f, 1050.25f}, {0, 1e-05f}};
    return data;
}

std::string Resaved(const std::string& text) {
    auto parsed = Chart::ParseChartFile(text);
    return parsed.data ? Chart::ChartFileText(*parsed.data)
                       : "refused at " + std::to_string(int(parsed.failed));
}

TEST(ChartFile, WritesTheKnownBytesAndReadsEverySectionBack) {
    EXPECT_EQ(Chart::ChartFileText({}), Head + "#FALSE#,0\r\n0\r\n");
    EXPECT_EQ(Chart::ChartFileText(TwoPoints()), Head + "#FALSE#,1\r\n2\r\n" + Point + Point + "1,2\r\n");
    auto cooling = TwoPoints(3);
    cooling.Calc.Texts[3] = "say \"10\"";  // a quote would end the text early
    EXPECT_EQ(Chart::ChartFileText(cooling),
              Head + "#TRUE#,1\r\n3\r\n\"0\",\"1\",\"2\",\"say '10'\",\"4\",\"5\"\r\n2\r\n" + Point + Point +
                  "1,2\r\n");
    EXPECT_NE(
        Chart::ChartFileText(TwoPoints(1)).find("\"4\"\r\n3\r\n5,1100\r\n2.5,1050.25\r\n0,1E-05\r\n\"5\""),
        std::string::npos);
    cooling.Calc.Texts[3] = std::string(4095, 'x') + "\u00e9";  // too long: cut before the two-byte letter
    EXPECT_EQ(Chart::ParseChartFile(Chart::ChartFileText(cooling)).data.value().Calc.Texts[3],
              std::string(4095, 'x'));
    for (int16_t type : {1, 2, 3, 4, 5, 7}) {
        const std::string text = Chart::ChartFileText(TwoPoints(type));
        EXPECT_EQ(Resaved(text), text);
        // Any line end is a line end.
        std::string lf = text, cr = text;
        for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
        for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.erase(at + 1, 1);
        EXPECT_EQ(Resaved(lf), text);
        EXPECT_EQ(Resaved(cr), text);
    }
}

TEST(ChartFile, DamageIsReportedByStage) {
    using S = Chart::ChartFileStage;
    const std::pair<std::string, S> damaged[] = {
        {"", S::Opening},
        {"#TRUE#,#MAYBE#" + Head.substr(13), S::Opening},
        {Head.substr(0, 48) + "5" + Head.substr(49), S::Opening},  // a line style of 5
        {Head + "#FALSE#,-1\r\n0\r\n", S::Opening},
        {Head + "#FALSE#,0\r\n40000\r\n", S::Opening},
        {Head + "#TRUE#,0\r\n1\r\n\"1\",\"2\",\"3\",#TRUE#,#FALSE#,\"4\"\r\nxx", S::Opening},
        {Head + "#FALSE#,0\r\n2\r\n" + Point + "535.67,520.1\r\n", S::Points},
        {TwoLines + "1,2\r\n1,99\r\n", S::Lines},
        {TwoLines + "1,0\r\n1,2\r\n", S::Lines},
        {TwoLines + "1,2\r\n", S::Lines},
    };
    for (const auto& [text, stage] : damaged) {
        auto parsed = Chart::ParseChartFile(text);
        EXPECT_FALSE(parsed.data) << text;
        EXPECT_EQ(parsed.failed, stage) << text;
    }
    // A half-drawn last line, as older writers left it, is dropped.
    auto pending = Chart::ParseChartFile(TwoLines + "1,2\r\n2,0\r\n");
    ASSERT_TRUE(pending.data);
    EXPECT_EQ(pending.data->Lines.size(), 1u);
}

// Mutated valid files never crash or hang, and whatever is read is a chart the window
// can take whole: line ends in range, and it saves and reads back alike.
TEST(ChartFile, MutatedFilesAreReadWholeOrRefused) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789,.-+E#\"\r\n TRUEFALS";
    int accepted = 0;
    for (int round = 0; round < 10000; ++round) {
        std::string text = Chart::ChartFileText(TwoPoints(static_cast<int16_t>(random() % 7)));
        for (int edits = 1 + random() % 3; edits > 0 && !text.empty(); --edits) {
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
        }
        auto parsed = Chart::ParseChartFile(text);
        if (!parsed.data) continue;
        ++accepted;
        const int points = static_cast<int>(parsed.data->Points.size());
        for (const auto& line : parsed.data->Lines)
            ASSERT_TRUE(line[0] >= 1 && line[1] >= 1 && line[0] <= points && line[1] <= points) << text;
        const std::string saved = Chart::ChartFileText(*parsed.data);
        ASSERT_EQ(Resaved(saved), saved) << text;
    }
    EXPECT_GT(accepted, 100);  // the mutations reach the later stages too
}

TEST(ChartFile, NameRuleLooksAtTheFileNameOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"a.txt", "a.zlv"}, {"plant", "plant.zlv"},     {"my.chart", "my.chart.zlv"},
        {"B.ZLV", "B.zlv"}, {"run.d/x", "run.d/x.zlv"}, {"/tmp/run.d/report.txt", "/tmp/run.d/report.zlv"}};
    for (const auto& [chosen, path] : cases) EXPECT_EQ(Chart::ChartFilePath(chosen), path);
}

}  // namespace
