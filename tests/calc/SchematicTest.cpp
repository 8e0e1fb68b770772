// The five equipment figures on a recording surface, on screen and on paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "RecordingSurface.h"
#include "Schematics.h"

namespace {

using Calc::Schematic;
using Op = Platform::RecordingSurface::Op;
using Label = std::tuple<std::string, float, float>;

struct Expected {
    Schematic figure;
    std::size_t dotted, solid, circles;  // counted by hand: every segment, two strokes an arrowhead
    std::vector<Label> labels;
};
const Expected Figures[] = {
    {Schematic::HeatMoist,
     2,
     27,
     0,
     {{"Outlet", 2242, 1864}, {"Inlet", 288, 515}, {"Water Spray", 833, 2258}, {"q", 682, 1576}}},
    {Schematic::Cool,
     2,
     36,
     11,
     {{"water drain", 939, 2136}, {"Outlet", 2106, 1333}, {"Inlet", 197, 1303}, {"q", 773, 621}}},
    {Schematic::Heat, 2, 29, 0, {{"Inlet", 439, 258}, {"Outlet", 1773, 258}, {"q", 1621, 1636}}},
    {Schematic::AirAir, 3, 15, 0, {{"Inlet", 318, 1258}, {"Outlet", 2303, 1409}}},
    {Schematic::WatAir, 2, 17, 0, {{"Water Spray", 818, 2333}, {"Inlet", 197, 985}, {"Outlet", 2061, 955}}},
};

// Drawn on a target whose colours, fill and style the figure must neither use nor change.
Platform::RecordingSurface Drawn(Schematic figure, int16_t mode) {
    Platform::RecordingSurface s(11520, 15120);
    s.ForeColor = s.FillColor = 255;
    s.FillStyle = Platform::FillSolid;
    s.DrawStyle = 3;
    s.FontSize = 11;
    Calc::DrawSchematic(s, figure, Calc::SchematicOrigin(figure, mode));
    EXPECT_EQ(std::tie(s.DrawStyle, s.ForeColor, s.FillStyle), std::make_tuple(0, 255, Platform::FillSolid));
    return s;
}

TEST(Schematics, EachFigureTheSameOnScreenAndPaperApartFromTheOrigin) {
    for (const Expected& e : Figures) {
        SCOPED_TRACE(static_cast<int>(e.figure));
        std::vector<std::vector<std::tuple<Op, float, float, float, float, int16_t>>> strokes;
        for (int16_t mode : {1, 2}) {
            const Calc::Origin o = Calc::SchematicOrigin(e.figure, mode);
            std::size_t dotted = 0, solid = 0, circles = 0;
            std::vector<Label> labels;
            strokes.emplace_back();
            for (const auto& r : Drawn(e.figure, mode).records) {
                if (r.op == Op::Print) {
                    labels.emplace_back(r.text, r.x1 - o.X0, r.y1 - o.Y0);
                    EXPECT_EQ(r.fontSize, 11) << "the target's own font";
                    continue;
                }
                EXPECT_EQ(r.color, 0) << "black strokes and circles";
                dotted += r.op == Op::Line && r.drawStyle == 2;
                solid += r.op == Op::Line && r.drawStyle == 0;
                circles += r.op == Op::Circle;
                const float dx = r.op == Op::Line ? o.X0 : 0, dy = r.op == Op::Line ? o.Y0 : 0;
                strokes.back().emplace_back(r.op, r.x1 - o.X0, r.y1 - o.Y0, r.x2 - dx, r.y2 - dy,
                                            r.drawStyle);
                // On screen the figure lies inside its picture box.
                if (mode == 2) {
                    EXPECT_TRUE(r.x1 >= 0 && r.y1 >= 0 && r.x1 <= 2775 && r.y1 <= 2295);
                }
            }
            EXPECT_EQ(std::tie(dotted, solid, circles), std::tie(e.dotted, e.solid, e.circles));
            EXPECT_EQ(labels, e.labels);
        }
        EXPECT_EQ(strokes[0], strokes[1]);
    }
    const Calc::Origin paper = Calc::SchematicOrigin(Schematic::Cool, 1);
    EXPECT_EQ(std::make_tuple(paper.X0, paper.Y0), std::make_tuple(1000.0f, 400.0f));
}

TEST(Schematics, ArrowheadsReachBackAndAside) {
    const auto has = [](Schematic figure, float x1, float y1, float x2, float y2) {
        const auto records = Drawn(figure, 1).records;
        return std::any_of(records.begin(), records.end(), [&](const auto& r) {
            return r.op == Op::Line && std::tie(r.x1, r.y1, r.x2, r.y2) == std::tie(x1, y1, x2, y2);
        });
    };
    // Figure coordinates plus the paper origin (1000, 400).
    EXPECT_TRUE(has(Schematic::Cool, 1818, 1567, 1718, 1607));  // air pointing right
    EXPECT_TRUE(has(Schematic::Cool, 1818, 1567, 1718, 1527));
    EXPECT_TRUE(has(Schematic::Cool, 2697, 764, 2657, 864));      // coil outlet pointing up
    EXPECT_TRUE(has(Schematic::Cool, 2303, 1036, 2343, 936));     // coil inlet pointing down
    EXPECT_TRUE(has(Schematic::AirAir, 1939, 2036, 1894, 2127));  // slanted inlet head
    EXPECT_TRUE(has(Schematic::WatAir, 2242, 1703, 2348, 1658));  // nozzle stroke
}

}  // namespace
