#include "Schematics.h"

#include <vector>

namespace Calc {

namespace {

using Platform::Surface;

struct Pt {
    float x, y;
};
enum class Head { None, Up, Down, Right };
// A stroke through its points, with an arrowhead at `tip` pointing along an axis.
struct Stroke {
    std::vector<Pt> points;
    Head head = Head::None;
    Pt tip{};
};
// Strokes from one point to each of several ends: nozzle sprays, slanted arrowheads.
struct Fan {
    Pt from;
    std::vector<Pt> to;
};
struct Drop {
    Pt centre;
    float radius;
};
struct Caption {
    const char* text;
    Pt at;
};
struct Figure {
    std::vector<Stroke> dotted;
    std::vector<Stroke> solid;
    std::vector<Fan> fans;
    std::vector<Drop> drops;
    std::vector<Caption> labels;
};

constexpr int32_t Black = 0;

// The duct with its open ends and the air arrows, shared by the coil and spray figures.
const std::vector<Stroke> DuctOpenings{{{{606, 485}, {606, 1909}}}, {{{2000, 485}, {2000, 1909}}}};
const std::vector<Stroke> DuctAndAir{{{{606, 485}, {2000, 485}}},
                                     {{{2000, 1909}, {606, 1909}}},
                                     {{{348, 1167}, {818, 1167}}, Head::Right, {818, 1167}},
                                     {{{1758, 1167}, {2258, 1167}}, Head::Right, {2258, 1167}}};
// The coil's zigzag between its inlet pipe and its last turn.
const std::vector<Pt> CoilTurns{{1303, 364},  {1303, 697},  {1076, 773},  {1515, 788},
                                {1076, 879},  {1515, 909},  {1091, 985},  {1530, 1015},
                                {1091, 1076}, {1530, 1152}, {1091, 1212}, {1530, 1273}};

std::vector<Stroke> Joined(std::vector<Stroke> a, const std::vector<Stroke>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Pt> Joined(std::vector<Pt> a, const std::vector<Pt>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Figure CoolFigure() {
    return {
        DuctOpenings,
        Joined(DuctAndAir,
               {{Joined(CoilTurns, {{1697, 1273}, {1697, 364}}), Head::Up, {1697, 364}},
                {{}, Head::Down, {1303, 636}},
                {{{1045, 1288}, {1303, 1439}, {1561, 1288}}},
                {{{1303, 1439}, {1303, 2136}}, Head::Down, {1303, 2136}},
                {{{697, 864}, {742, 773}, {833, 909}, {924, 818}, {1076, 818}}, Head::Right, {1076, 818}}}),
        {},
        {{{1152, 1273}, 15},
         {{1288, 1348}, 21},
         {{1242, 1273}, 15},
         {{1379, 1288}, 15},
         {{1455, 1197}, 21},
         {{1152, 1136}, 15},
         {{1258, 1136}, 15},
         {{1409, 1061}, 21},
         {{1136, 1015}, 15},
         {{1409, 955}, 21},
         {{1136, 909}, 21}},
        {{"water drain", {939, 2136}}, {"Outlet", {2106, 1333}}, {"Inlet", {197, 1303}}, {"q", {773, 621}}}};
}

Figure HeatFigure() {
    return {DuctOpenings,
            Joined(DuctAndAir, {{Joined(CoilTurns, {{1303, 1318}, {1303, 2091}}), Head::Down, {1303, 2091}},
                                {{{1439, 1303}, {1545, 1424}, {1485, 1591}, {1545, 1727}, {1545, 1803}},
                                 Head::Down,
                                 {1545, 1803}}}),
            {},
            {},
            {{"Inlet", {439, 258}}, {"Outlet", {1773, 258}}, {"q", {1621, 1636}}}};
}

Figure WatAirFigure() {
    return {DuctOpenings,
            Joined(DuctAndAir, {{{{1242, 2348}, {1242, 1303}}, Head::Up, {1242, 2030}}}),
            {{{1242, 1303}, {{1348, 1258}, {1348, 1379}, {1333, 1303}}},
             {{1242, 1606}, {{1348, 1545}, {1333, 1682}, {1348, 1606}}}},
            {},
            {{"Water Spray", {818, 2333}}, {"Inlet", {197, 985}}, {"Outlet", {2061, 955}}}};
}

Figure HeatMoistFigure() {
    return {
        {{{{364, 697}, {364, 879}}}, {{{2348, 1864}, {2348, 1697}}}},
        {{{{364, 697}, {2106, 697}, {2106, 1697}, {2348, 1697}}},
         {{{364, 879}, {545, 879}, {545, 1864}, {2348, 1864}}},
         {{{1242, 2273}, {1242, 1500}}, Head::Up, {1242, 2045}},
         {{{258, 788}, {606, 788}}, Head::Right, {606, 788}},
         {{{2167, 1788}, {2485, 1788}}, Head::Right, {2485, 1788}},
         {{{409, 1500}, {500, 1576}, {621, 1470}, {727, 1545}, {909, 1545}}, Head::Right, {909, 1545}}},
        {{{1242, 1500}, {{1348, 1455}, {1364, 1515}, {1333, 1576}}},
         {{1242, 1712}, {{1333, 1682}}},
         {{1242, 1727}, {{1333, 1788}, {1348, 1727}}}},
        {},
        {{"Outlet", {2242, 1864}}, {"Inlet", {288, 515}}, {"Water Spray", {833, 2258}}, {"q", {682, 1576}}}};
}

Figure AirAirFigure() {
    return {{{{{788, 818}, {636, 1136}}}, {{{652, 1591}, {788, 1909}}}, {{{2212, 1530}, {2212, 1197}}}},
            {{{{636, 1136}, {1136, 1364}, {652, 1591}}},
             {{{788, 818}, {1591, 1197}, {2212, 1197}}},
             {{{788, 1909}, {1591, 1530}, {2212, 1530}}},
             {{{2015, 1364}, {2424, 1364}}, Head::Right, {2424, 1364}},
             {{{606, 909}, {955, 1091}}},
             {{{576, 1818}, {939, 1636}}}},
            {{{955, 1091}, {{848, 1091}, {909, 1015}}}, {{939, 1636}, {{894, 1727}, {848, 1636}}}},
            {},
            {{"Inlet", {318, 1258}}, {"Outlet", {2303, 1409}}}};
}

const Figure& FigureOf(Schematic figure) {
    static const Figure figures[] = {HeatMoistFigure(), CoolFigure(), HeatFigure(), AirAirFigure(),
                                     WatAirFigure()};
    return figures[static_cast<int>(figure)];
}

void DrawStrokes(Surface& target, const std::vector<Stroke>& strokes, Origin o) {
    const auto line = [&](Pt a, Pt b) { target.Line(o.X0 + a.x, o.Y0 + a.y, o.X0 + b.x, o.Y0 + b.y, Black); };
    for (const Stroke& s : strokes) {
        for (std::size_t i = 1; i < s.points.size(); ++i) line(s.points[i - 1], s.points[i]);
        // Two strokes 100 twips back along the shaft, 40 to either side.
        const Pt t = s.tip;
        switch (s.head) {
            case Head::Right:
                line(t, {t.x - 100, t.y + 40});
                line(t, {t.x - 100, t.y - 40});
                break;
            case Head::Down:
                line(t, {t.x + 40, t.y - 100});
                line(t, {t.x - 40, t.y - 100});
                break;
            case Head::Up:
                line(t, {t.x + 40, t.y + 100});
                line(t, {t.x - 40, t.y + 100});
                break;
            case Head::None:
                break;
        }
    }
}

}  // namespace

Origin SchematicOrigin(Schematic figure, int16_t mode) {
    if (mode == 1) return {1000, 400};
    switch (figure) {
        case Schematic::HeatMoist:
            return {-150, -300};
        case Schematic::Cool:
            return {0, -200};
        case Schematic::Heat:
            return {0, 0};
        case Schematic::AirAir:
            return {-100, -300};
        case Schematic::WatAir:
            return {0, -300};
    }
    return {0, 0};
}

void DrawSchematic(Surface& target, Schematic figure, Origin origin) {
    const Figure& f = FigureOf(figure);
    target.DrawStyle = 2;
    DrawStrokes(target, f.dotted, origin);
    target.DrawStyle = 0;
    DrawStrokes(target, f.solid, origin);
    for (const Fan& fan : f.fans)
        for (const Pt& end : fan.to)
            target.Line(origin.X0 + fan.from.x, origin.Y0 + fan.from.y, origin.X0 + end.x, origin.Y0 + end.y,
                        Black);
    for (const Drop& d : f.drops)
        target.Circle(origin.X0 + d.centre.x, origin.Y0 + d.centre.y, d.radius, Black);
    for (const Caption& label : f.labels) {
        target.CurrentX = origin.X0 + label.at.x;
        target.CurrentY = origin.Y0 + label.at.y;
        target.Print(label.text);
    }
}

}  // namespace Calc
