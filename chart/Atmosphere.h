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
inline constexpr float AltitudeLimit = 25000;  // ft

// Pressure and altitude from a pressure in psia, or nothing when the relation has
// no real result (a pressure that is not positive and finite).
std::optional<Barometer> FromPressure(double psia);

// The same from an altitude in ft, or nothing at or above the altitude where the
// relation's base reaches zero (about 145448 ft).
std::optional<Barometer> FromAltitude(double feet);

}  // namespace Chart
