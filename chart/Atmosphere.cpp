#include "Atmosphere.h"

#include <cmath>

namespace Chart {

namespace {

constexpr double SeaLevelInHg = 29.92;
constexpr double Lapse = 6.8753e-6;  // per ft
constexpr double Exponent = 5.2559;

bool Finite(const Barometer& b) {
    return std::isfinite(b.press) && std::isfinite(b.alt) && std::isfinite(b.pressInHg) && b.press > 0;
}

}  // namespace

std::optional<Barometer> FromPressure(double psia) {
    if (!(psia > 0) || !std::isfinite(psia)) return std::nullopt;
    Barometer b;
    b.press = static_cast<float>(psia);
    b.pressInHg = static_cast<float>(b.press * InHgPerPsia);
    b.alt = static_cast<float>((1 - std::pow(b.pressInHg / SeaLevelInHg, 1 / Exponent)) / Lapse);
    if (!Finite(b)) return std::nullopt;
    return b;
}

std::optional<Barometer> FromAltitude(double feet) {
    Barometer b;
    b.alt = static_cast<float>(feet);
    const double base = 1 - Lapse * b.alt;
    if (!(base > 0)) return std::nullopt;
    b.pressInHg = static_cast<float>(SeaLevelInHg * std::pow(base, Exponent));
    b.press = static_cast<float>(b.pressInHg / InHgPerPsia);
    // Kept in step with the pressure, as the pressure path does.
    b.pressInHg = static_cast<float>(b.press * InHgPerPsia);
    if (!Finite(b)) return std::nullopt;
    return b;
}

bool IsChartAltitude(float feet) {
    return feet >= AltitudeFloor && feet <= AltitudeLimit;
}

constexpr double PressureSlack = 1e-6;  // a few float steps

double LowestChartPressure() {
    static const double lowest = FromAltitude(AltitudeLimit)->press * (1 - PressureSlack);
    return lowest;
}

double HighestChartPressure() {
    static const double highest = FromAltitude(AltitudeFloor)->press * (1 + PressureSlack);
    return highest;
}

bool IsChartPressure(float psia) {
    return psia >= LowestChartPressure() && psia <= HighestChartPressure();
}

}  // namespace Chart
