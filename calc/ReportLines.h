// The text of a calculator's printed report, below its schematic on the page.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Surface.h"

namespace Calc {

struct ReportLine {
    ReportLine(std::string line, float left = 500) : text(std::move(line)), indent(left) {}
    ReportLine(std::string beforeCube, float left, std::string rest)
        : text(std::move(beforeCube)), indent(left), afterCube(std::move(rest)) {}

    std::string text;
    float indent = 500;
    // A volume flow: `text` stops where the unit's exponent goes; a raised "3" follows,
    // then this.
    std::optional<std::string> afterCube;
};

// A caption and the text of its box or value label, " = " between them.
std::string Joined(const std::string& caption, const std::string& value);

// The report text's font and its first line, below the schematic.
void BeginReport(Platform::Surface& page);

void PrintReportLines(Platform::Surface& page, const std::vector<ReportLine>& lines);

// Moisture gain `gain`'s flow (row 1) or water enthalpy (row 2) in display units, as
// the table of gains shows it on screen and on paper.
std::string GainText(int row, int gain);

// The moisture gains' flows and enthalpies in display units under three heading lines.
// Rows stop short of `limit` with room for `linesAfter` report lines below them; the
// last line then tells how many gains were left out.
void PrintMoistGainTable(Platform::Surface& page, double limit, std::size_t linesAfter);

}  // namespace Calc
