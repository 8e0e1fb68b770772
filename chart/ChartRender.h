// Draws the chart from the chart tables built for the same target.
#pragma once

#include <cstdint>
#include <string>

#include "Surface.h"

namespace Chart {

// Whole chart: titles, frame, saturation curve, the shown families with labels, the
// numbered points and the process lines. Mode 2 (screen) clears the target first.
// Sets PlotX/PlotY of every point; leaves DryBulb and HumidRatio at the last point's.
void PlotChartPoints(Platform::Surface& target, int16_t mode);

// Text raised (position 1) or lowered (2) by a quarter of its height, 2 points smaller;
// leaves CurrentY as it was and the font size made whole.
void PrintSubSup(Platform::Surface& target, const std::string& text, int16_t position);

// Every complete process line, the selected one blue and the others red, at the
// points' last drawn positions.
void DrawProcessLines(Platform::Surface& target);

}  // namespace Chart
