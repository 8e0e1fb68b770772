#include "ChartRender.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "ChartTables.h"
#include "Global.h"

namespace Chart {

namespace {

using Platform::Surface;

constexpr double LabelSize = 8.25;
constexpr double TitleSize = 9.75;

// How many columns of an XY table the drawing may read: never more than the table holds,
// whatever the count says.
int Usable(int count, const Global::Table2<float>& table, int rows) {
    if (table.UBound(0) < rows) return 0;
    return std::min(count, table.UBound(1));
}

// Marker colours are held as floats in the point records.
int32_t ColorOf(float marker) {
    if (!(marker >= 0 && marker <= 16777215)) return Global::ColorRed;
    return static_cast<int32_t>(marker);
}

void DrawTitle(Surface& target, double top) {
    target.ForeColor = 0;
    target.FontSize = 10;
    target.FontBold = true;
    std::string text =
        "Pressure = " + Global::FormatValue(static_cast<double>(Global::Press) * Global::PressFactor, 99) +
        " " + Global::PressUnit;
    target.CurrentX = (target.Width() - static_cast<double>(target.TextWidth(text))) / 2;
    target.CurrentY = top - 700;
    target.Print(text);
    target.FontSize = 9.25;
    text = "Altitude = " + Global::FormatValue(static_cast<double>(Global::Alt) * Global::LengthFactor, 99) +
           " " + Global::LengthUnit;
    target.CurrentX = (target.Width() - static_cast<double>(target.TextWidth(text))) / 2;
    target.Print(text);
    target.FontBold = false;
    target.ForeColor = 0;
}

void DrawSaturationCurve(Surface& target) {
    const auto& xy = Global::SatCurveXY;
    const int n = Usable(Global::NumSatPoints, xy, 2);
    for (int i = 1; i < n; ++i) target.Line(xy(1, i), xy(2, i), xy(1, i + 1), xy(2, i + 1));
}

void DrawHumidityRatioFamily(Surface& target, const PlotBox& box, int16_t mode) {
    const auto& xy = Global::WLinesXY;
    const int n = Usable(Global::NumWLines, xy, 3);
    target.ForeColor = Global::WLineColor;
    target.DrawStyle = Global::WLineStyle;
    for (int j = 1; j <= n; ++j) target.Line(xy(3, j), xy(2, j), xy(1, j), xy(2, j));
    target.DrawStyle = 0;

    // The top edge carries no grid value, so it gets no label.
    target.FontSize = LabelSize;
    float g = Global::WLabelStart;
    for (int j = 1; j <= n - 1; ++j) {
        target.CurrentX = static_cast<double>(box.R) + 100;
        target.CurrentY = static_cast<double>(xy(2, j)) - 100;
        target.Print(Global::FormatValue(g, 3));
        g = g + Global::WLabelStep;
    }

    target.FontSize = TitleSize;
    target.CurrentX = static_cast<double>(box.R) - 150;
    target.CurrentY = static_cast<double>(box.T) - 300;
    target.Print(Global::MassUnit, false);
    PrintSubSup(target, "water", 2);
    target.Print("/" + Global::MassUnit, false);
    PrintSubSup(target, "air", 2);

    if (mode == ModePrinter) {
        target.CurrentX = static_cast<double>(box.R) + 600;
        target.CurrentY = (static_cast<double>(box.B) + box.T) / 2;
        target.Print("Humidity");
        target.CurrentX = static_cast<double>(box.R) + 600;
        target.Print("Ratio");
    } else {
        // Down the right side one letter per line, a wider gap between the words.
        const std::string title = "Humidity Ratio";
        target.CurrentY = (static_cast<double>(box.B) + box.T) / 2 - 7.0 * target.TextHeight(title);
        for (char c : title) {
            target.CurrentX = static_cast<double>(box.R) + 600;
            target.CurrentY = static_cast<double>(target.CurrentY) - 50;
            if (c == ' ')
                target.CurrentY = static_cast<double>(target.CurrentY) + 200;
            else
                target.Print(std::string(1, c));
        }
    }
    target.FontSize = LabelSize;
}

void DrawDryBulbFamily(Surface& target, const PlotBox& box) {
    const auto& xy = Global::DryLinesXY;
    const int n = Usable(Global::NumDryLines, xy, 2);
    target.ForeColor = Global::DryLineColor;
    target.DrawStyle = Global::DryLineStyle;
    for (int j = 1; j <= n; ++j) target.Line(xy(1, j), box.B, xy(1, j), xy(2, j));
    target.DrawStyle = 0;

    // Labels too wide for the spacing of the first two lines go every other one. A single
    // line has no spacing to test and its label always shows.
    const double spacing = n >= 2 ? static_cast<double>(xy(1, 2)) - xy(1, 1) : HUGE_VAL;
    float t = Global::DryLabelStart;
    bool show = true;
    for (int j = 1; j <= n; ++j) {
        const std::string s = Global::FormatValue(t, 0);
        const double width = target.TextWidth(s);
        target.CurrentX = xy(1, j) - width / 2;
        target.CurrentY = static_cast<double>(box.B) + 50;
        if (width > 0.75 * spacing) show = !show;
        if (t == Global::DryLabelStart) show = true;
        if (show) target.Print(s);
        t = t + Global::DryLabelStep;
    }

    target.FontSize = TitleSize;
    target.CurrentX = (static_cast<double>(box.R) + box.L) / 2 - target.TextWidth("Dry Bulb (oF)") / 2.0;
    target.CurrentY = static_cast<double>(box.B) + 250;
    target.Print("Dry Bulb (", false);
    PrintSubSup(target, "o", 1);
    target.Print(Global::TempUnit + ")");
    target.FontSize = LabelSize;
}

// Wet-bulb lines that both the XY table and the records can serve.
int WetLineCount() {
    int n = Usable(Global::NumWetLineEnds / 2, Global::WetLinesXY, 4);
    return std::min(n, (Global::WetLines.UBound() + 1) / 2);
}

void DrawWetBulbFamily(Surface& target) {
    const auto& xy = Global::WetLinesXY;
    target.ForeColor = Global::WetLineColor;
    target.DrawStyle = Global::WetLineStyle;
    for (int c = 1; c <= WetLineCount(); ++c) target.Line(xy(1, c), xy(2, c), xy(3, c), xy(4, c));
    target.DrawStyle = 0;
}

// One label where a wet-bulb and a dew-point line meet on the saturation curve.
void DrawTemperatureLabels(Surface& target) {
    const auto& xy = Global::WetLinesXY;
    if (Global::ShowWetLines) target.ForeColor = Global::WetLineColor;
    if (Global::ShowDewLines) target.ForeColor = Global::DewLineColor;
    for (int c = 1; c <= WetLineCount(); ++c) {
        target.CurrentX = static_cast<double>(xy(1, c)) - 200;
        target.CurrentY = static_cast<double>(xy(2, c)) - 150;
        const double t =
            static_cast<double>(Global::TempScale) * Global::WetLines(2 * c - 1).WetBulb - Global::TempOffset;
        target.Print(Global::FormatValue(t, 0));
    }
}

void DrawDewPointFamily(Surface& target, const PlotBox& box) {
    const auto& xy = Global::WetLinesXY;
    const int n = WetLineCount();
    target.ForeColor = Global::DewLineColor;
    target.DrawStyle = Global::DewLineStyle;
    for (int c = 1; c <= n; ++c) target.Line(xy(1, c), xy(2, c), box.R, xy(2, c));
    target.DrawStyle = 0;

    // Centred between the first and last saturated ends; with no lines, on the left edge.
    target.FontSize = TitleSize;
    target.FontTransparent = true;
    const double mid = n >= 1 ? (static_cast<double>(xy(1, 1)) + xy(1, n)) / 2 : box.L;
    const double xt = mid - target.TextWidth("Dew Point (F)") / 2.0 - 200;
    target.CurrentX = xt;
    target.CurrentY = (static_cast<double>(box.B) + box.T) / 2;
    target.Print("Dew");
    target.CurrentX = xt;
    target.Print("Point (" + Global::TempUnit + ")");
    target.FontTransparent = false;
    target.FontSize = LabelSize;
}

void DrawRelHumidCurve(Surface& target, const PlotBox& box, int c, int samples) {
    const auto& xy = Global::RHCurvesXY;
    target.DrawStyle = Global::RHLineStyle;
    int first = 0, last = 0;
    for (int i = 2; i <= samples; ++i) {
        float x1 = xy(c, 1, i - 1), y1 = xy(c, 2, i - 1);
        float x2 = xy(c, 1, i), y2 = xy(c, 2, i);
        const bool startAbove = y1<box.T, startBelow = y1> box.B;
        const bool endAbove = y2<box.T, endBelow = y2> box.B;
        const bool startInside = !startAbove && !startBelow, endInside = !endAbove && !endBelow;
        if (startInside && endAbove) {
            x2 = static_cast<double>(x1) + (static_cast<double>(x2) - x1) *
                                               (static_cast<double>(box.T) - y1) /
                                               (static_cast<double>(y2) - y1);
            y2 = box.T;
            target.Line(x1, y1, x2, y2);
        } else if (startBelow && endInside) {
            x1 = static_cast<double>(x1) + (static_cast<double>(box.B) - y1) *
                                               (static_cast<double>(x2) - x1) /
                                               (static_cast<double>(y2) - y1);
            y1 = box.B;
            target.Line(x1, y1, x2, y2);
        } else if (startInside && endInside) {
            if (first > 0)
                last = i;
            else
                first = i;
            target.Line(x1, y1, x2, y2);
        }
    }
    target.DrawStyle = 0;

    // Labels on every other curve, in the middle of the part wholly inside the box.
    if (c % 2 == 0 || first + last <= 0) return;
    const int m = static_cast<int>(std::nearbyint((first + last) / 2.0));
    target.CurrentX = (static_cast<double>(xy(c, 1, m - 1)) + xy(c, 1, m)) / 2 - 100;
    target.CurrentY = (static_cast<double>(xy(c, 2, m)) + xy(c, 2, m - 1)) / 2 - 100;
    target.FontSize = LabelSize;
    target.Print(Global::FormatValue(10 * c, 0) + "%");
}

void DrawRelHumidFamily(Surface& target, const PlotBox& box) {
    const auto& xy = Global::RHCurvesXY;
    if (xy.UBound(0) < 9 || xy.UBound(1) < 2) return;
    const int samples = std::min<int>(Global::NumRHPoints, xy.UBound(2));
    target.ForeColor = Global::RHLineColor;
    // The 100 % curve is the saturation curve, already drawn.
    for (int c = 1; c <= 9; ++c) DrawRelHumidCurve(target, box, c, samples);
}

void DrawStatePoints(Surface& target, const PlotBox& box) {
    const int n = std::min<int>(Global::NumPoints, Global::Points.UBound());
    target.FillStyle = Platform::FillSolid;
    for (int p = 1; p <= n; ++p) {
        Global::StatePoint& point = Global::Points(p);
        const int32_t color = ColorOf(point.MarkerColor);
        target.ForeColor = color;
        target.FillColor = color;
        Global::DryBulb = point.DryBulb;
        Global::HumidRatio = point.HumidRatio;
        const float x = ChartX(box, Global::DryBulb);
        const float y = ChartY(box, Global::HumidRatio);
        point.PlotX = x;
        point.PlotY = y;
        // A solid dot of 35 twips: the smaller filled rings of old lay wholly under it.
        target.Circle(x, y, 35);
        target.ForeColor = 0;
        target.CurrentX = static_cast<double>(target.CurrentX) + 30;
        // A whole number's text without the general formatter: a big chart has thousands.
        target.Print(std::to_string(p));
    }
}

}  // namespace

void PlotChartPoints(Surface& target, int16_t mode) {
    target.FontTransparent = false;
    const PlotBox box = PlotBoxFor(target, mode);
    if (mode != ModePrinter) target.Cls();

    DrawTitle(target, box.T);

    target.DrawStyle = 0;
    target.Line(box.L, box.B, box.R, box.B);
    target.Line(box.R, box.B, box.R, box.T);
    DrawSaturationCurve(target);

    if (Global::ShowWLines) DrawHumidityRatioFamily(target, box, mode);
    if (Global::ShowDryLines) DrawDryBulbFamily(target, box);
    if (Global::ShowWetLines) DrawWetBulbFamily(target);
    if (Global::ShowWetLines || Global::ShowDewLines) DrawTemperatureLabels(target);
    if (Global::ShowDewLines) DrawDewPointFamily(target, box);
    if (Global::ShowRHLines) DrawRelHumidFamily(target, box);

    if (Global::NumPoints > 0) {
        DrawStatePoints(target, box);
        if (Global::ProcLines.UBound(1) >= 1) DrawProcessLines(target);
    }

    // What the rubber band and the next drawing find on the target.
    target.ForeColor = 0;
    target.DrawStyle = 0;
    target.FillStyle = Platform::FillSolid;
    target.FontTransparent = false;
    target.FontBold = false;
}

void PrintSubSup(Surface& target, const std::string& text, int16_t position) {
    auto shift = static_cast<float>(target.TextHeight(text) / 4.0);
    if (position == 1) shift = -shift;
    // The whole size the text returns to; a size out of any font's range stays as it is.
    const double whole = std::nearbyint(target.FontSize);
    const double size = whole >= 0 && whole <= 100000 ? whole : target.FontSize;
    target.CurrentY = static_cast<double>(target.CurrentY) + shift;
    target.FontSize = size - 2;
    target.Print(text, false);
    target.CurrentY = static_cast<double>(target.CurrentY) - shift;
    target.FontSize = size;
}

void DrawProcessLines(Surface& target) {
    const auto& lines = Global::ProcLines;
    if (lines.UBound(0) < 2) return;
    int n = lines.UBound(1);
    // The pending line's To point is still 0: the rubber band shows it.
    if (Global::LineState == 2) n = n - 1;
    const int numPoints = std::min<int>(Global::NumPoints, Global::Points.UBound());
    // Runs of one colour go to the target together, in their order.
    std::vector<Platform::Segment> run;
    int32_t runColor = Global::ColorRed;
    for (int k = 1; k <= n; ++k) {
        const int from = lines(1, k), to = lines(2, k);
        if (from < 1 || from > numPoints || to < 1 || to > numPoints) continue;
        const int32_t color = k == Global::SelProcLine ? Global::ColorBlue : Global::ColorRed;
        if (color != runColor) {
            target.Lines(run, runColor);
            run.clear();
            runColor = color;
        }
        const auto& a = Global::Points(from);
        const auto& b = Global::Points(to);
        run.push_back({a.PlotX, a.PlotY, b.PlotX, b.PlotY});
    }
    target.Lines(run, runColor);
}

}  // namespace Chart
