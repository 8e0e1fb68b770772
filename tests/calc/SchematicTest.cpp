// The five equipment figures on a recording surface, on screen and on paper, against the
// figures' own coordinates written out here a second time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>
#include <vector>

#include "RecordingSurface.h"
#include "Schematics.h"

namespace {

using enum Calc::Schematic;
using Op = Platform::RecordingSurface::Op;

// "d" dotted or "s" solid polylines, with arrowheads ">x,y" (pointing right), "vx,y" (down),
// "^x,y" (up) at their tips; "f" strokes from the first point to each of the others; "o" circles
// "x,y,r"; "t" a label and its top-left corner; groups apart by ';'.
const std::string Duct =
    "d 606,485 606,1909; d 2000,485 2000,1909; s 606,485 2000,485; s 2000,1909 606,1909;"
    "s 348,1167 818,1167 >818,1167; s 1758,1167 2258,1167 >2258,1167;";
const std::string Coil =
    "1303,364 1303,697 1076,773 1515,788 1076,879 1515,909 1091,985 1530,1015 "
    "1091,1076 1530,1152 1091,1212 1530,1273 ";

struct Figure {
    Calc::Schematic figure;
    float x0, y0, boxWidth, boxHeight;  // the screen origin and the picture box
    std::string strokes;
};
const Figure Figures[] = {
    {HeatMoist, -150, -300, 2655, 2295,
     "d 364,697 364,879; d 2348,1864 2348,1697; s 364,697 2106,697 2106,1697 2348,1697;"
     "s 364,879 545,879 545,1864 2348,1864; s 1242,2273 1242,1500 ^1242,2045;"
     "f 1242,1500 1348,1455 1364,1515 1333,1576; f 1242,1712 1333,1682; f 1242,1727 1333,1788 1348,1727;"
     "s 258,788 606,788 >606,788; s 2167,1788 2485,1788 >2485,1788;"
     "s 409,1500 500,1576 621,1470 727,1545 909,1545 >909,1545;"
     "t Outlet 2242,1864; t Inlet 288,515; t Water Spray 833,2258; t q 682,1576"},
    {Cool, 0, -200, 2775, 2295,
     Duct + "s " + Coil + "1697,1273 1697,364 v1303,636 ^1697,364; s 1045,1288 1303,1439 1561,1288;" +
         "s 1303,1439 1303,2136 v1303,2136; s 697,864 742,773 833,909 924,818 1076,818 >1076,818;" +
         "o 1152,1273,15 1288,1348,21 1242,1273,15 1379,1288,15 1455,1197,21 1152,1136,15 1258,1136,15 " +
         "1409,1061,21 1136,1015,15 1409,955,21 1136,909,21;" +
         "t water drain 939,2136; t Outlet 2106,1333; t Inlet 197,1303; t q 773,621"},
    {Heat, 0, 0, 2775, 2295,
     Duct + "s " + Coil + "1303,1318 1303,2091 v1303,2091;" +
         "s 1439,1303 1545,1424 1485,1591 1545,1727 1545,1803 v1545,1803;" +
         "t Inlet 439,258; t Outlet 1773,258; t q 1621,1636"},
    {AirAir, -100, -300, 2775, 2175,
     "d 788,818 636,1136; d 652,1591 788,1909; d 2212,1530 2212,1197; s 636,1136 1136,1364 652,1591;"
     "s 788,818 1591,1197 2212,1197; s 788,1909 1591,1530 2212,1530; s 2015,1364 2424,1364 >2424,1364;"
     "s 606,909 955,1091; f 955,1091 848,1091 909,1015; s 576,1818 939,1636; f 939,1636 894,1727 848,1636;"
     "t Inlet 318,1258; t Outlet 2303,1409"},
    {WatAir, 0, -300, 2775, 2295,
     Duct + "s 1242,2348 1242,1303 ^1242,2030; f 1242,1303 1348,1258 1348,1379 1333,1303;" +
         "f 1242,1606 1348,1545 1333,1682 1348,1606; t Water Spray 818,2333; t Inlet 197,985; t Outlet "
         "2061,955"},
};

std::string Point(float x, float y) {
    return std::to_string(std::lround(x)) + "," + std::to_string(std::lround(y));
}

// A segment either way round, as "d a b" or "s a b" with its ends in order.
std::string Segment(char style, const std::string& a, const std::string& b) {
    return std::string(1, style) + " " + std::min(a, b) + " " + std::max(a, b);
}

std::vector<std::string> Expected(const std::string& strokes) {
    std::vector<std::string> out;
    std::istringstream groups(strokes);
    for (std::string group; std::getline(groups, group, ';');) {
        std::istringstream tokens(group);
        char kind = 0;
        if (tokens >> kind && kind == 't') out.push_back(group.substr(group.find('t')));
        std::string previous, first;
        for (std::string t; kind != 't' && tokens >> t;) {
            float x = 0, y = 0, r = 0;
            const bool head = t[0] == '>' || t[0] == 'v' || t[0] == '^';
            std::sscanf(t.c_str() + head, "%f,%f,%f", &x, &y, &r);
            const std::string p = Point(x, y);
            const float dx = t[0] == '>' ? -100 : 0, dy = t[0] == 'v' ? -100 : t[0] == '^' ? 100 : 0;
            for (float s : {-40, 40})  // arrowheads: 100 back along the shaft, 40 to either side
                if (head) out.push_back(Segment('s', p, Point(x + dx + (dx ? 0 : s), y + dy + (dx ? s : 0))));
            if (kind == 'o') out.push_back("o " + p + " " + std::to_string(std::lround(r)));
            if (kind == 'f' && !first.empty()) out.push_back(Segment('s', first, p));
            if (kind != 'f' && kind != 'o' && !head && !previous.empty())
                out.push_back(Segment(kind, previous, p));
            if (first.empty()) first = p;
            previous = p;
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(Schematics, EveryStrokeCircleAndLabelAtItsPlaceOnScreenAndPaper) {
    for (const Figure& f : Figures)
        for (int16_t mode : {1, 2}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(f.figure)) + " mode " + std::to_string(mode));
            const float x0 = mode == 1 ? 1000 : f.x0, y0 = mode == 1 ? 400 : f.y0;
            // A target whose colours, fill and style the figure must neither use nor change.
            Platform::RecordingSurface s(11520, 15120);
            s.ForeColor = s.FillColor = 255, s.FillStyle = Platform::FillSolid, s.DrawStyle = 3,
            s.FontSize = 11;
            Calc::DrawSchematic(s, f.figure, Calc::SchematicOrigin(f.figure, mode));
            EXPECT_EQ(std::tie(s.DrawStyle, s.ForeColor, s.FillStyle),
                      std::make_tuple(0, 255, Platform::FillSolid));
            std::vector<std::string> drawn;
            for (const auto& r : s.records) {
                const std::string a = Point(r.x1 - x0, r.y1 - y0);
                // The target's own font; black strokes and circles.
                EXPECT_EQ(std::pair(r.fontSize, r.op == Op::Print ? 0 : r.color), std::pair(11.0, 0));
                if (r.op == Op::Print) drawn.push_back("t " + r.text + " " + a);
                const char style = r.drawStyle == 2 ? 'd' : r.drawStyle == 0 ? 's' : '?';
                if (r.op == Op::Circle) drawn.push_back("o " + a + " " + std::to_string(std::lround(r.x2)));
                if (r.op == Op::Line) drawn.push_back(Segment(style, a, Point(r.x2 - x0, r.y2 - y0)));
                const bool inBox = std::min({r.x1, r.y1, r.x2, r.y2}) >= 0 &&
                                   std::max(r.x1, r.x2) <= f.boxWidth && std::max(r.y1, r.y2) <= f.boxHeight;
                EXPECT_TRUE(mode != 2 || inBox) << "on screen inside the picture box: " << a;
            }
            std::sort(drawn.begin(), drawn.end());
            EXPECT_EQ(drawn, Expected(f.strokes));
        }
}

}  // namespace
