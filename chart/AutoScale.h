// Automatic scaling of the chart limits to the points, without any window.
#pragma once

namespace Chart {

// Applies a pending manual entry or, with automatic scaling on, moves the limits of
// Global in steps of 5 display degrees until every point fits. usUnits picks the gap
// kept between the maximum dry bulb and dew point (30 F, else 15 C). True when the
// chart tables must be rebuilt.
bool AutoScaleLimits(bool usUnits);

}  // namespace Chart
