// The five equipment figures on a recording surface, on screen and on paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "RecordingSurface.h"
#include "Schematics.h"

namespace {

using enum Calc::Schematic;
using Op = Platform::RecordingSurface::Op;
using Counts = std::tuple<std::size_t, std::size_t, std::size_t>;  // dotted, solid, circles

// Counted by hand: every segment, two strokes an arrowhead; labels at figure coordinates.
const std::tuple<Calc::Schematic, Counts, std::string> Figures[] = {
    {HeatMoist, {2, 27, 0}, "Outlet 2242 1864, Inlet 288 515, Water Spray 833 2258, q 682 1576, "},
    {Cool, {2, 36, 11}, "water drain 939 2136, Outlet 2106 1333, Inlet 197 1303, q 773 621, "},
    {Heat, {2, 29, 0}, "Inlet 439 258, Outlet 1773 258, q 1621 1636, "},
    {AirAir, {3, 15, 0}, "Inlet 318 1258, Outlet 2303 1409, "},
    {WatAir, {2, 17, 0}, "Water Spray 818 2333, Inlet 197 985, Outlet 2061 955, "},
};

// Drawn on a target whose colours, fill and style the figure must neither use nor change.
Platform::RecordingSurface Drawn(Calc::Schematic figure, int16_t mode) {
    Platform::RecordingSurface s(11520, 15120);
    s.ForeColor = s.FillColor = 255, s.FillStyle = Platform::FillSolid, s.DrawStyle = 3, s.FontSize = 11;
    Calc::DrawSchematic(s, figure, Calc::SchematicOrigin(figure, mode));
    EXPECT_EQ(std::tie(s.DrawStyle, s.ForeColor, s.FillStyle), std::make_tuple(0, 255, Platform::FillSolid));
    return s;
}

TEST(Schematics, EachFigureTheSameOnScreenAndPaperApartFromTheOrigin) {
    for (const auto& [figure, counts, expectedLabels] : Figures) {
        SCOPED_TRACE(static_cast<int>(figure));
        std::vector<std::vector<std::tuple<Op, float, float, float, float, int16_t>>> strokes;
        for (int16_t mode : {1, 2}) {
            const Calc::Origin o = Calc::SchematicOrigin(figure, mode);
            Counts drawn{};
            std::string labels;
            strokes.emplace_back();
            for (const auto& r : Drawn(figure, mode).records) {
                if (r.op == Op::Print) {
                    labels += r.text + " " + std::to_string(std::lround(r.x1 - o.X0)) + " " +
                              std::to_string(std::lround(r.y1 - o.Y0)) + ", ";
                    EXPECT_EQ(r.fontSize, 11) << "the target's own font";
                    continue;
                }
                EXPECT_EQ(r.color, 0) << "black strokes and circles";
                std::get<0>(drawn) += r.op == Op::Line && r.drawStyle == 2;
                std::get<1>(drawn) += r.op == Op::Line && r.drawStyle == 0;
                std::get<2>(drawn) += r.op == Op::Circle;
                const float line = r.op == Op::Line;  // a circle's x2 is its radius
                strokes.back().emplace_back(r.op, r.x1 - o.X0, r.y1 - o.Y0, r.x2 - line * o.X0,
                                            r.y2 - line * o.Y0, r.drawStyle);
                const bool inBox = r.x1 >= 0 && r.y1 >= 0 && r.x1 <= 2775 && r.y1 <= 2295;
                EXPECT_TRUE(mode == 1 || inBox) << "on screen inside the picture box";
            }
            EXPECT_EQ(drawn, counts);
            EXPECT_EQ(labels, expectedLabels);
        }
        EXPECT_EQ(strokes[0], strokes[1]);
    }
    // Arrowheads reach back and aside (figure coordinates plus the paper origin 1000, 400).
    const auto has = [](Calc::Schematic figure, std::array<float, 4> line) {
        const auto records = Drawn(figure, 1).records;
        return std::any_of(records.begin(), records.end(), [&](const auto& r) {
            return r.op == Op::Line && std::array{r.x1, r.y1, r.x2, r.y2} == line;
        });
    };
    EXPECT_TRUE(has(Cool, {1818, 1567, 1718, 1607}) && has(Cool, {2697, 764, 2657, 864}) &&
                has(Cool, {2303, 1036, 2343, 936}) && has(AirAir, {1939, 2036, 1894, 2127}) &&
                has(WatAir, {2242, 1703, 2348, 1658}));
}

}  // namespace
