// Barometric pressure and altitude related by the standard atmosphere.
#pragma once

#include <optional>

namespace Chart {

struct Barometer {
    float press;      // psia
    float alt;        // ft
    float pressInHg;  // inches of mercury
};

inline constexpr double InHgPerPsia = 2.036026;
// The chart is built for altitudes from AltitudeFloor to AltitudeLimit, the range the
// standard-atmosphere relation is made for; the pressures follow (about 17.55 down to
// 5.45 psia). Outside it the relations and the chart's scales fall apart.
inline constexpr float AltitudeLimit = 25000;  // ft
inline constexpr float AltitudeFloor = -5000;  // ft

// Pressure and altitude from a pressure in psia, or nothing when the relation has
// no real result (a pressure that is not positive and finite).
std::optional<Barometer> FromPressure(double psia);

// The same from an altitude in ft, or nothing at or above the altitude where the
// relation's base reaches zero (about 145448 ft).
std::optional<Barometer> FromAltitude(double feet);

bool IsChartAltitude(float feet);

// A pressure of the altitude range, allowing the rounding of a value that came from
// an altitude at one of its ends.
bool IsChartPressure(float psia);

// The two ends of that range (psia), with the same allowance.
double LowestChartPressure();
double HighestChartPressure();

}  // namespace Chart
