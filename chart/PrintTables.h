// The printed tables of the points and of the process lines, below the chart.
#pragma once

#include "Surface.h"

namespace Chart {

// "Data Points" from 45 % of the page height down, then, when there are complete
// process lines, "Process Lines (Change in Properties)". Rows that would fall below
// the page are left out. Leaves FontTransparent false and the line width 1.
void PrintPoints(Platform::Surface& page);

// Where the "Data Points" title begins: what is printed above it must end there.
double PointTableTop(const Platform::Surface& page);

}  // namespace Chart
