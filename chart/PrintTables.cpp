#include "PrintTables.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ChartRender.h"
#include "Global.h"
#include "PropertyTexts.h"

namespace Chart {

namespace {

using Platform::Surface;

constexpr double TitleSize = 12;
constexpr double HeadingSize = 9.75;
constexpr double RowSize = 9;
// Narrow enough for the headings to clear the column rules.
const std::string TableFont = "Arial";
// The last column is as wide as its heading.
const std::string LastHeading = "Specific Vol.";

// A table's column starts in twips of the page and the width of its last column.
struct Columns {
    std::vector<float> x;
    float lastWidth = 0;

    double Right() const { return static_cast<double>(x.back()) + lastWidth; }
};

void PrintTitle(Surface& page, const std::string& title, double top) {
    page.FontBold = true;
    page.FontSize = TitleSize;
    page.CurrentX = (page.Width() - static_cast<double>(page.TextWidth(title))) / 2;
    page.CurrentY = top;
    page.Print(title);
}

void Rule(Surface& page, const Columns& columns) {
    page.Line(columns.x.front(), page.CurrentY, columns.Right(), page.CurrentY);
}

// Not bold, text only, heading size and thick rules; the top rule at the current line.
Columns BeginTable(Surface& page, std::vector<float> x) {
    page.FontBold = false;
    page.FontTransparent = true;
    page.FontSize = HeadingSize;
    page.DrawWidth = 2;
    Columns columns{std::move(x), page.TextWidth(LastHeading)};
    Rule(page, columns);
    return columns;
}

// Heading texts at the column starts; the last one ends the line.
void PrintHeadingRow(Surface& page, const Columns& columns, const std::vector<std::string>& texts) {
    for (std::size_t c = 0; c < texts.size() && c < columns.x.size(); ++c) {
        page.CurrentX = columns.x[c];
        page.Print(texts[c], c + 1 == columns.x.size());
    }
}

// The specific-volume heading, "(ft3/lb)" with the 3 raised.
void PrintVolumeHeading(Surface& page, const Columns& columns) {
    page.CurrentX = columns.x.back();
    page.Print("    (" + Global::LengthUnit, false);
    PrintSubSup(page, "3", 1);
    page.Print("/" + Global::MassUnit + ")");
}

// One row of values, each centred in its column, then a rule under it. The last
// column is measured at the heading size, as its width is.
void PrintRow(Surface& page, const Columns& columns, const std::vector<std::string>& texts) {
    const std::size_t n = columns.x.size();
    for (std::size_t c = 0; c < n; ++c) {
        const std::string text = c < texts.size() ? texts[c] : std::string();
        if (c + 1 < n) {
            page.CurrentX =
                (static_cast<double>(columns.x[c]) + columns.x[c + 1]) / 2 - page.TextWidth(text) / 2.0;
            page.Print(text, false);
        } else {
            page.FontSize = HeadingSize;
            page.CurrentX =
                columns.x[c] + (static_cast<double>(columns.lastWidth) - page.TextWidth(text)) / 2;
            page.FontSize = RowSize;
            page.Print(text);
        }
    }
    Rule(page, columns);
}

// Whether one more row fits above the bottom edge of the page.
bool RowFits(Surface& page) {
    return static_cast<double>(page.CurrentY) + page.TextHeight("0") <= page.Height();
}

// Column rules from the table's top to its last row.
void EndTable(Surface& page, const Columns& columns, float top) {
    const float bottom = page.CurrentY;
    page.Line(columns.x.front(), top, columns.x.front(), bottom);
    for (std::size_t c = 1; c < columns.x.size(); ++c)
        page.Line(columns.x[c] - 20, top, columns.x[c] - 20, bottom);
    page.Line(columns.Right(), top, columns.Right(), bottom);
    page.CurrentY = bottom;
}

void PrintPointTable(Surface& page) {
    PrintTitle(page, "Data Points", PointTableTop(page));
    const float top = page.CurrentY;
    const Columns columns = BeginTable(page, {400, 1000, 1900, 2800, 3900, 5300, 6250, 7550, 8800, 9950});
    const std::string& t = Global::TempUnit;
    PrintHeadingRow(page, columns,
                    {"Point", "Dry Bulb", "Wet Bulb", "Dew Point", "Rel. Humidity", "Enthalpy",
                     "Humid. Ratio", "Vapor Press.", "Deg. of Sat", "Specific Vol."});
    PrintHeadingRow(
        page, columns,
        {"  No.", "    (" + t + ")", "    (" + t + ")", "    (" + t + ")", "       (%)",
         "(" + Global::EnthalpyUnit + ")", "      (" + Global::MassUnit + "/" + Global::MassUnit + ")",
         "      (" + Global::PressUnit + ")", "      (%)"});
    PrintVolumeHeading(page, columns);
    Rule(page, columns);
    page.FontSize = RowSize;
    const int n = std::min<int>(Global::NumPoints, Global::Points.UBound());
    for (int p = 1; p <= n && RowFits(page); ++p) PrintRow(page, columns, PointTexts(p));
    EndTable(page, columns, top);
}

// A table with no row under its headings tells the reader nothing: the title, both
// heading rows and one row fit on the page, or none of them is printed.
void PrintLineTable(Surface& page, int lines) {
    const std::string title = "Process Lines (Change in Properties)";
    page.FontBold = true;
    page.FontSize = TitleSize;
    const double titleTop = static_cast<double>(page.CurrentY) + 1.5 * page.TextHeight(title);
    double bottom = titleTop + page.TextHeight(title);
    page.FontBold = false;
    page.FontSize = HeadingSize;
    bottom += page.TextHeight(LastHeading);
    // The volume heading ends at the whole size its raised 3 goes back to.
    page.FontSize = std::nearbyint(HeadingSize);
    bottom += page.TextHeight(LastHeading);
    page.FontSize = RowSize;
    if (bottom + page.TextHeight("0") > page.Height()) return;
    PrintTitle(page, title, titleTop);
    const float top = page.CurrentY;
    const Columns columns =
        BeginTable(page, {250, 850, 1450, 2350, 3250, 4150, 5550, 6500, 7800, 9050, 9950});
    const std::string& t = Global::TempUnit;
    PrintHeadingRow(page, columns,
                    {"From", "  To", "Dry Bulb", "Wet Bulb", "   Dew", "Rel. Humidity", "Enthalpy",
                     "Humid. Ratio", "Vapor Press.", "Deg. of", "Specific Vol."});
    PrintHeadingRow(
        page, columns,
        {"Point", "Point", "    (" + t + ")", "    (" + t + ")", "Point (" + t + ")", "       (%)",
         "(" + Global::EnthalpyUnit + ")", "      (" + Global::MassUnit + "/" + Global::MassUnit + ")",
         "      (" + Global::PressUnit + ")", "Sat. (%)"});
    PrintVolumeHeading(page, columns);
    Rule(page, columns);
    page.FontSize = RowSize;
    for (int k = 1; k <= lines && RowFits(page); ++k) PrintRow(page, columns, LineTexts(k));
    EndTable(page, columns, top);
}

}  // namespace

double PointTableTop(const Surface& page) {
    return 0.45 * page.Height();
}

void PrintPoints(Surface& page) {
    const std::string font = page.FontName;
    page.FontName = TableFont;
    PrintPointTable(page);
    const int lines = CompleteLineCount();
    if (lines >= 1 && Global::ProcLines.UBound(0) >= 2) PrintLineTable(page, lines);
    page.FontName = font;
    page.FontTransparent = false;
    page.DrawWidth = 1;
}

}  // namespace Chart
