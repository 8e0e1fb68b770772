// Automatic scaling of the chart limits to the points, without any window.
#pragma once

#include <vector>

namespace Chart {

// Applies a pending manual entry or, with automatic scaling on, moves the limits of
// Global in steps of 5 display degrees until every point fits. usUnits picks the gap
// kept between the maximum dry bulb and dew point (30 F, else 15 C). True when the
// chart tables must be rebuilt.
bool AutoScaleLimits(bool usUnits);

// Dry bulb and dew point extremes of a set of points (R).
struct PointRange {
    float maxDry, minDry, maxDew, minDew;
};

// The same for points whose extremes are known already; nullptr for no points.
bool AutoScaleLimits(bool usUnits, const PointRange* range);

// The extremes of points 1..k for every k (element 0 unused), in one pass.
std::vector<PointRange> PrefixRanges();

}  // namespace Chart
