#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "ChartRender.h"
#include "ChartTables.h"
#include "Global.h"
#include "RecordingSink.h"
#include "RecordingSurface.h"
#include "Settings.h"
#include "UnitSystem.h"

namespace {

using namespace Global;
using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState(), Chart::ApplySettings(Chart::SettingsRecord{}), Chart::SetUnitSystem(true);
        ProcLines.ReDim(2, 0);
    }

    static float Internal(double shown) { return static_cast<float>((shown + TempOffset) / TempScale); }
    static double Shown(float internal) { return static_cast<double>(internal) * TempScale - TempOffset; }
    void Build() { Chart::BuildChartTables(screen, Chart::ModeScreen); }
    void SetLimits(double maxDry, double minDry, double maxDew) {
        ChartMaxDry = Internal(maxDry), ChartMinDry = ChartMinDew = Internal(minDry);
        ChartMaxDew = Internal(maxDew), Build();
    }

    void Draw(int16_t mode = Chart::ModeScreen) {
        Chart::BuildChartTables(screen, mode), screen.records.clear();
        Chart::PlotChartPoints(screen, mode), box = Chart::PlotBoxFor(screen, mode);
    }

    std::vector<Record> Ops(Op op, const char* text = nullptr) const {
        std::vector<Record> out;
        for (const Record& r : screen.records)
            if (r.op == op && (!text || r.text == text)) out.push_back(r);
        return out;
    }

    std::vector<std::string> DryLabels() const {
        std::vector<std::string> out;
        for (const Record& r : Ops(Op::Print))
            if (r.y1 == box.B + 50) out.push_back(r.text);
        return out;
    }

    Platform::RecordingSurface screen{19200, 12000};
    Chart::PlotBox box{};
    RecordingMessageSink sink;
};

TEST_F(ChartTest, UsDefaultTablesAndTitles) {
    Draw();
    EXPECT_NEAR(ChartMinW, 0.004275, 2e-5);                 // saturated at 35 F
    EXPECT_NEAR(RHCurves(5, 9).HumidRatio, 0.00923, 3e-5);  // 50 % at 75 F
    // W 0.006 ... 0.030 and the top edge; dry bulbs 35 ... 115 (90 F, the top's dew point, saturates
    // on the top);
    // wet bulbs 35 ... 85 from the loop, 90 from the top of the curve.
    ASSERT_TRUE(NumWLines == 14 && NumDryLines == 17 && NumWetLineEnds == 24);
    EXPECT_TRUE(WLinesXY(2, 14) == box.T && WLinesXY(3, 14) == SatCurveXY(1, NumSatPoints));
    EXPECT_GT(DryLinesXY(2, 11), box.T);
    EXPECT_EQ(DryLinesXY(2, 12), box.T);
    EXPECT_EQ(WetLines(23).WetBulb, ChartMaxDew);
    int bottom = 0;  // each wet-bulb line ends on the bottom edge, or on the right at its own wet bulb
    for (int c = 1; c <= 12; ++c) {
        const StatePoint &upper = WetLines(2 * c - 1), &lower = WetLines(2 * c);
        EXPECT_NEAR(lower.WetBulb, upper.WetBulb, 0.01);
        const bool onBottom = WetLinesXY(4, c) == box.B;
        bottom += onBottom;
        EXPECT_TRUE(onBottom ? std::abs(lower.DewPoint - ChartMinDew) < 0.01
                             : WetLinesXY(3, c) == box.R && lower.DryBulb == ChartMaxDry &&
                                   WetLinesXY(4, c) == Chart::ChartY(box, lower.HumidRatio));
    }
    EXPECT_TRUE(bottom > 2 && bottom < 10);
    std::string down;  // one letter a line on screen
    for (const Record& r : Ops(Op::Print)) down += r.x1 == box.R + 600 ? r.text : "";
    EXPECT_EQ(down, "HumidityRatio");
    Draw(Chart::ModePrinter);
    EXPECT_NE(screen.records.front().op, Op::Cls);
    EXPECT_EQ(Ops(Op::Print, "Humidity").at(0).y1, (box.B + box.T) / 2);
}

TEST_F(ChartTest, OtherLimitsAndUnits) {
    // A metric right edge a hair under 49.5 C rounds to 49, though as a 32-bit float it is 49.5
    // and would round to 50: the relative-humidity samples end at 48 C.
    Chart::SetUnitSystem(false), ChartMaxDry = 580.769958f;
    ASSERT_LT(Shown(ChartMaxDry), 49.5);
    Build();
    EXPECT_EQ(NumRHPoints, 25);
    // A bottom edge below one step: the first humidity-ratio line is one step.
    TempScale = 1, TempOffset = 459.67f, SetLimits(120, 0, 90);
    EXPECT_FLOAT_EQ(WLabelStart, WLabelStep);

    // A hot chart below boiling: each wet-bulb line runs down to the right; those whose lower
    // end lies thousands of degrees out (165 F and up) end on the right edge.
    SetLimits(210, 35, 200);
    const float right = Chart::PlotBoxFor(screen, Chart::ModeScreen).R;
    ASSERT_EQ(NumWetLineEnds, 34);
    for (int c = 2; c <= NumWetLineEnds / 2; ++c) {  // the first is the bottom corner itself
        EXPECT_GT(WetLinesXY(3, c), WetLinesXY(1, c)) << c;
        EXPECT_EQ(Shown(WetLines(2 * c - 1).WetBulb) > 164 ? WetLinesXY(3, c) : right, right) << c;
    }
    EXPECT_TRUE(sink.messages.empty());
    // Part-degree limits: the whole-degree loop yields 35 ... 41.
    SetLimits(40.6, 35.4, 38);
    ASSERT_EQ(NumRHPoints, 7);
    EXPECT_NEAR(Shown(RHCurves(3, 7).DryBulb), 41, 1e-3);

    for (auto [range, step] : {std::pair{3.5, 1}, {7.5, 5}, {std::numeric_limits<double>::quiet_NaN(), 10}})
        EXPECT_EQ(Chart::ChooseGridStep(range), step) << range;  // 3.5: 2, 2, 2, 6 away; the smaller
}

TEST_F(ChartTest, BadInputsEndAndReportOnce) {
    // Boiling near 102 F: every hotter sample fails alike, and says so once.
    Press = 1, Build();
    ASSERT_FALSE(sink.messages.empty());
    Build();  // a resize or print: reported already
    const auto told = sink.Texts();
    EXPECT_EQ(std::set<std::string>(told.begin(), told.end()).size(), told.size());

    Press = 14.697f;
    for (float broken : {std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
        SetLimits(broken, -broken, broken);
        EXPECT_EQ(NumSatPoints + NumRHPoints, 0);
    }
    SetLimits(30000, -400, 3000);
    EXPECT_GT(NumRHPoints, 3000);

    NumSatPoints = NumWLines = NumDryLines = NumWetLineEnds = NumRHPoints = NumPoints = 500;
    ProcLines.ReDim(2, 1), ProcLines(1, 1) = 400, ProcLines(2, 1) = 1;
    Chart::PlotChartPoints(screen, Chart::ModePrinter);
    Platform::RecordingSurface empty(0, 0);
    Chart::BuildChartTables(empty, Chart::ModeScreen), Chart::PlotChartPoints(empty, Chart::ModeScreen);
    EXPECT_EQ(empty.ForeColor, 0);
}

TEST_F(ChartTest, LabelsAndColoursFollowTheShownFamiliesAndRelHumidCurvesStayInTheBox) {
    WetLineColor = 0x00FF00, DewLineColor = 0xFF00FF, DryLineColor = 0x808080, RHLineColor = 0x0000AA;
    Draw();
    EXPECT_EQ(DryLabels().size(), 17u);
    int onTop = 0, onBottom = 0;
    for (const Record& r : Ops(Op::Line)) {
        if (r.color != 0x0000AA) continue;
        ASSERT_TRUE(std::min(r.y1, r.y2) >= box.T && std::max(r.y1, r.y2) <= box.B);
        onTop += r.y2 == box.T, onBottom += r.y1 == box.B;
    }
    EXPECT_TRUE(onTop >= 4 && onBottom >= 1);
    for (const char* label : {"10%", "30%", "50%", "70%", "90%"}) EXPECT_EQ(Ops(Op::Print, label).size(), 1u);
    EXPECT_TRUE(Ops(Op::Print, "20%").empty());
    auto at35 = Ops(Op::Print, "35");  // the dry-bulb label, then the label on the curve
    ASSERT_EQ(at35.size(), 2u);        // at the curve the dew point's colour wins over the wet bulb's
    EXPECT_TRUE(at35[0].fontSize == 8.25 && at35[0].color == 0x808080 && at35[1].color == 0xFF00FF);
    // Without the humidity-ratio and dew-point families nothing sets 8.25 before the dry bulbs.
    ShowWLines = ShowDewLines = false, Draw();
    at35 = Ops(Op::Print, "35");
    EXPECT_TRUE(at35.at(0).fontSize == 9.25 && at35.at(1).fontSize == 8.25 && at35[1].color == 0x00FF00);
    SetLimits(120, 60, 90), Draw();  // the 10 % curve lies wholly below the box
    EXPECT_TRUE(Ops(Op::Print, "10%").empty());
    // Dry-bulb labels thin out when crowded.
    SetLimits(120, 35, 90), screen.SetSize(3000, 12000), Draw();  // 119 twips between lines, 165 for a label
    EXPECT_EQ(DryLabels(),
              std::vector<std::string>({"35", "45", "55", "65", "75", "85", "95", "105", "115"}));
    SetLimits(35.8, 35, 35.5), Draw();
    EXPECT_EQ(DryLabels(), std::vector<std::string>{"35"});
}

TEST_F(ChartTest, BareChartWithPointsNumbersAndProcessLines) {
    ShowDryLines = ShowWetLines = ShowDewLines = ShowRHLines = ShowWLines = false;
    Points.ReDim(NumPoints = 3);
    for (int p = 1; p <= 3; ++p) {
        Points(p).DryBulb = Internal(45 + 15 * p), Points(p).HumidRatio = 0.005f * p;
        Points(p).MarkerColor = p == 2 ? ColorBlue : ColorRed;
    }
    ProcLines.ReDim(2, 4);  // 1-2, 2-3 (selected), 3-7 (no such point), 3-pending
    const int16_t ends[] = {1, 2, 2, 3, 3, 7, 3, 0};
    for (int k = 1; k <= 4; ++k) ProcLines(1, k) = ends[2 * k - 2], ProcLines(2, k) = ends[2 * k - 1];
    SelProcLine = LineState = 2, Draw();
    EXPECT_EQ(screen.records.front().op, Op::Cls);
    const auto prints = Ops(Op::Print);
    ASSERT_EQ(prints.size(), 2u + 3u);
    EXPECT_EQ(std::pair(prints[0].text + "|" + prints[1].text, prints[0].y1),
              std::pair(std::string("Pressure = 14.70 psia|Altitude = 0.0 ft"), box.T - 700));
    const auto circles = Ops(Op::Circle);
    ASSERT_EQ(circles.size(), 3u);
    for (int p = 1; p <= 3; ++p) {
        const Record &c = circles[p - 1], number = Ops(Op::Print, std::to_string(p).c_str()).at(0);
        EXPECT_TRUE(c.x2 == 35 && c.x1 == Points(p).PlotX && c.fillColor == Points(p).MarkerColor &&
                    c.fillStyle == Platform::FillSolid);
        EXPECT_TRUE(number.x1 == Points(p).PlotX + 30 && number.y1 == Points(p).PlotY);
    }
    auto lines = Ops(Op::Line);
    ASSERT_EQ(lines.size(), 2u + 550u + 2u);  // bottom and right edges, the curve, two lines
    EXPECT_EQ(std::vector<float>({lines[0].x1, lines[0].y1, lines[1].x2, lines[1].y2}),
              std::vector<float>({box.L, box.B, box.R, box.T}));
    EXPECT_TRUE(lines[552].color == ColorRed && lines[552].y2 == Points(2).PlotY);
    EXPECT_TRUE(lines[553].color == ColorBlue && lines[553].x2 == Points(3).PlotX);
    LineState = 1, ProcLines(2, 4) = 1, Draw();  // no longer pending: 3-1 is drawn
    EXPECT_EQ(Ops(Op::Line).size(), 2u + 550u + 3u);
}

}  // namespace
