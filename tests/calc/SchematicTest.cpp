// The five equipment figures on a recording surface, on screen and on paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "RecordingSurface.h"
#include "Schematics.h"

namespace {

using Calc::Schematic;
using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;

struct Expected {
    Schematic figure;
    float boxWidth, boxHeight;  // the picture box's design size
    std::size_t dotted, solid, circles;
    std::vector<std::tuple<std::string, float, float>> labels;
};

// Counted by hand from the figures: every polyline segment, two strokes per arrowhead.
const std::vector<Expected> Figures{
    {Schematic::HeatMoist,
     2655,
     2295,
     2,
     27,
     0,
     {{"Outlet", 2242, 1864}, {"Inlet", 288, 515}, {"Water Spray", 833, 2258}, {"q", 682, 1576}}},
    {Schematic::Cool,
     2775,
     2295,
     2,
     36,
     11,
     {{"water drain", 939, 2136}, {"Outlet", 2106, 1333}, {"Inlet", 197, 1303}, {"q", 773, 621}}},
    {Schematic::Heat, 2775, 2295, 2, 29, 0, {{"Inlet", 439, 258}, {"Outlet", 1773, 258}, {"q", 1621, 1636}}},
    {Schematic::AirAir, 2775, 2175, 3, 15, 0, {{"Inlet", 318, 1258}, {"Outlet", 2303, 1409}}},
    {Schematic::WatAir,
     2775,
     2295,
     2,
     17,
     0,
     {{"Water Spray", 818, 2333}, {"Inlet", 197, 985}, {"Outlet", 2061, 955}}},
};

// A target left in a state the figures must neither use nor change.
Platform::RecordingSurface Drawn(Schematic figure, int16_t mode) {
    Platform::RecordingSurface s(11520, 15120);
    s.ForeColor = 255;
    s.FillColor = 255;
    s.FillStyle = Platform::FillSolid;
    s.DrawStyle = 3;
    s.FontSize = 11;
    s.FontBold = true;
    Calc::DrawSchematic(s, figure, Calc::SchematicOrigin(figure, mode));
    return s;
}

std::size_t Count(const Platform::RecordingSurface& s, Op op, int16_t style = -1) {
    return std::count_if(s.records.begin(), s.records.end(),
                         [&](const Record& r) { return r.op == op && (style < 0 || r.drawStyle == style); });
}

bool HasStroke(const Platform::RecordingSurface& s, float x1, float y1, float x2, float y2) {
    return std::any_of(s.records.begin(), s.records.end(), [&](const Record& r) {
        return r.op == Op::Line && r.x1 == x1 && r.y1 == y1 && r.x2 == x2 && r.y2 == y2;
    });
}

TEST(Schematics, EachFigureInBothModes) {
    for (const Expected& e : Figures) {
        for (int16_t mode : {1, 2}) {
            const Calc::Origin o = Calc::SchematicOrigin(e.figure, mode);
            const Platform::RecordingSurface s = Drawn(e.figure, mode);
            SCOPED_TRACE(testing::Message() << "figure " << static_cast<int>(e.figure) << " mode " << mode);
            EXPECT_EQ(Count(s, Op::Line, 2), e.dotted);
            EXPECT_EQ(Count(s, Op::Line, 0), e.solid);
            EXPECT_EQ(Count(s, Op::Line), e.dotted + e.solid);
            EXPECT_EQ(Count(s, Op::Circle), e.circles);
            EXPECT_EQ(Count(s, Op::Cls), 0u);
            std::vector<std::tuple<std::string, float, float>> labels;
            for (const Record& r : s.records) {
                if (r.op != Op::Print) {
                    EXPECT_EQ(r.color, 0) << "black, whatever ForeColor";
                    continue;
                }
                labels.emplace_back(r.text, r.x1 - o.X0, r.y1 - o.Y0);
                EXPECT_EQ(r.fontSize, 11) << "the target's own font";
            }
            EXPECT_EQ(labels, e.labels);
            EXPECT_EQ(s.DrawStyle, 0);
            EXPECT_EQ(s.ForeColor, 255);
            EXPECT_EQ(s.FillStyle, Platform::FillSolid);
            if (mode == 1) {
                EXPECT_EQ(o.X0, 1000);
                EXPECT_EQ(o.Y0, 400);
                continue;
            }
            // On screen the figure lies inside its picture box.
            for (const Record& r : s.records) {
                if (r.op != Op::Line) continue;
                for (float x : {r.x1, r.x2}) EXPECT_TRUE(x >= 0 && x <= e.boxWidth) << x;
                for (float y : {r.y1, r.y2}) EXPECT_TRUE(y >= 0 && y <= e.boxHeight) << y;
            }
        }
    }
}

TEST(Schematics, ScreenAndPaperDrawTheSameStrokes) {
    for (const Expected& e : Figures) {
        const Calc::Origin paper = Calc::SchematicOrigin(e.figure, 1);
        const Calc::Origin screen = Calc::SchematicOrigin(e.figure, 2);
        const auto a = Drawn(e.figure, 1).records;
        const auto b = Drawn(e.figure, 2).records;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].op, b[i].op);
            EXPECT_EQ(a[i].x1 - paper.X0, b[i].x1 - screen.X0) << i;
            EXPECT_EQ(a[i].y1 - paper.Y0, b[i].y1 - screen.Y0) << i;
            EXPECT_EQ(a[i].drawStyle, b[i].drawStyle);
            EXPECT_EQ(a[i].text, b[i].text);
        }
    }
    // Arrowheads 100 twips back and 40 aside; the slanted inlets' heads as drawn.
    const auto cool = Drawn(Schematic::Cool, 1);
    EXPECT_TRUE(HasStroke(cool, 1818, 1567, 1718, 1607));
    EXPECT_TRUE(HasStroke(cool, 1818, 1567, 1718, 1527));
    EXPECT_TRUE(HasStroke(cool, 2697, 764, 2657, 864)) << "coil outlet pointing up";
    EXPECT_TRUE(HasStroke(cool, 2303, 1036, 2343, 936)) << "coil inlet pointing down";
    const auto air = Drawn(Schematic::AirAir, 1);
    EXPECT_TRUE(HasStroke(air, 1955, 1491, 1848, 1491));
    EXPECT_TRUE(HasStroke(air, 1939, 2036, 1894, 2127));
    const auto wat = Drawn(Schematic::WatAir, 1);
    EXPECT_TRUE(HasStroke(wat, 2242, 1703, 2348, 1658)) << "nozzle fan from the pipe's top";
    EXPECT_TRUE(HasStroke(wat, 2242, 2430, 2282, 2530)) << "spray pipe arrow pointing up";
}

}  // namespace
