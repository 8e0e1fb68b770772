#include "ReportLines.h"

#include <algorithm>
#include <cmath>

#include "Format.h"
#include "Global.h"

namespace Calc {

namespace {

constexpr double TextSize = 9.75;
constexpr double TableSize = 9;
constexpr float ReportTop = 3000;
// How far the exponent of a volume unit rides above its line.
constexpr float CubeRise = 30;

// Two texts on one line, at their own left edges.
void PrintPair(Platform::Surface& page, float x1, const std::string& left, float x2,
               const std::string& right) {
    page.CurrentX = x1;
    page.Print(left, false);
    page.CurrentX = x2;
    page.Print(right);
}

}  // namespace

std::string Joined(const std::string& caption, const std::string& value) {
    return caption + " = " + value;
}

std::string GainText(int row, int gain) {
    using namespace Global;
    const double value = MoistGains(row, gain);
    // Held as a float first, as the boxes keep a display value.
    return FormatValue(ToFloat(row == 1 ? value * MassFactor : (value - EnthalpyOffset) * EnthalpyFactor),
                       99);
}

void BeginReport(Platform::Surface& page) {
    page.FontSize = TextSize;
    page.CurrentX = 500;
    page.CurrentY = ReportTop;
}

void PrintReportLines(Platform::Surface& page, const std::vector<ReportLine>& lines) {
    for (const ReportLine& line : lines) {
        page.CurrentX = line.indent;
        if (!line.afterCube) {
            page.Print(line.text);
            continue;
        }
        const float y = page.CurrentY;
        page.Print(line.text, false);
        page.CurrentY = y - CubeRise;
        page.Print("3", false);
        page.CurrentY = y;
        page.Print(*line.afterCube);
    }
}

void PrintMoistGainTable(Platform::Surface& page, double limit, std::size_t linesAfter) {
    using namespace Global;
    page.FontSize = TextSize;
    const double below = static_cast<double>(linesAfter) * page.TextHeight("0");
    page.FontSize = TableSize;
    PrintPair(page, 900, "Mass", 2000, "Water");
    PrintPair(page, 900, "Flowrate", 2000, "Enthalpy");
    PrintPair(page, 900, "(" + MassUnit + "/hr)", 2000, "(" + EnthalpyUnit + ")");
    const int n = MoistGains.UBound(0) >= 2 ? std::min<int>(NumMoistGains, MoistGains.UBound(1)) : 0;
    // The page is one page: what does not fit above the chart's tables is counted instead.
    const double row = page.TextHeight("0");
    const double room = limit - below - static_cast<double>(page.CurrentY);
    int shown = n;
    if (n * row > room) shown = std::clamp(static_cast<int>(std::floor(room / row)) - 1, 0, n);
    for (int i = 1; i <= shown; ++i) PrintPair(page, 1000, GainText(1, i), 2100, GainText(2, i));
    if (shown < n) {
        page.CurrentX = 1000;
        page.Print("... " + std::to_string(n - shown) +
                   (n - shown == 1 ? " more moisture gain" : " more moisture gains"));
    }
    page.FontSize = TextSize;
}

}  // namespace Calc
