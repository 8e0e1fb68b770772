// Sampled geometry of the moist-air chart for one target surface: plot box, humidity
// ratio range, saturation curve, grid lines of every family and the RH curves, all
// written into the chart tables of Global.
#pragma once

#include <cstdint>

#include "Surface.h"

#include "Global.h"

namespace Chart {

inline constexpr int16_t ModePrinter = 1;
inline constexpr int16_t ModeScreen = 2;

// Plot box in twips of the target: left, right, top, bottom (bottom > top).
struct PlotBox {
    float L, R, T, B;
};

PlotBox PlotBoxFor(const Platform::Surface& target, int16_t mode);

// Position of a dry bulb (R) and a humidity ratio (lb/lb) inside the box, from the
// current chart limits.
float ChartX(const PlotBox& box, float dryBulb);
float ChartY(const PlotBox& box, float humidRatio);

// Grid step of 1, 2, 5 or 10 nearest to a scaled range: each candidate's distance is
// rounded half to even and a tie keeps the smaller step.
int16_t ChooseGridStep(double scaledRange);

// A point record (fields 1-9) from the current moist-air state, as a new point and
// every chart sample take it.
Global::StatePoint CurrentRecord();

// Rebuilds every chart table for the target; overwrites the current moist-air state.
void BuildChartTables(const Platform::Surface& target, int16_t mode);

}  // namespace Chart
