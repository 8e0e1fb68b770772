// The values of a point and the changes along a process line as the panels show them
// and the printed tables print them, so screen and paper always agree.
#pragma once

#include <string>
#include <vector>

namespace Chart {

// Point number, dry bulb, wet bulb, dew point, RH, enthalpy, humidity ratio, vapour
// pressure, degree of saturation and specific volume of point p, in display units.
std::vector<std::string> PointTexts(int p);

// From, To and the nine changes To minus From of process line k; From and To alone
// when either point does not exist.
std::vector<std::string> LineTexts(int k);

// Process lines with both ends picked: the pending line, whose To point is not
// picked yet, is not one.
int CompleteLineCount();

}  // namespace Chart
