// Saturation pressure, moist-air relations and the six state solvers.
//
// A solver takes no arguments: the caller writes the two known properties into the
// current state (Global.h), calls the solver and reads the rest back. Every solver
// reads Press and PressInHg. On failure it shows a message and returns false; no
// non-finite value is ever left in a state that a solver reports as solved.
#pragma once

#include <cmath>

namespace Global {

// Saturation pressure (psia) over ice at or below 32 F, over water above; T in R.
float CalcSatPress(float t);

// Dew point (R) of a vapour pressure pw > 0 psia; not a number for pw <= 0.
double DewPointFromVaporPress(double pw);

// Humidity ratio (lb/lb) of vapour pressure p at barometric pressure `press` (psia): not
// finite, or negative, at or above the boiling point, which callers check.
double HumidRatioOf(double p, double press);

// Vapour pressure (psia) of humidity ratio w at barometric pressure `press`.
double VaporPressOf(double w, double press);

// Enthalpy (BTU/lb) of moist air at dry bulb t (R) and humidity ratio w (lb/lb).
double EnthalpyOf(double t, double w);

// Dry bulb (R) of moist air with enthalpy h (BTU/lb) and humidity ratio w (lb/lb).
double TempFromEnthalpy(double h, double w);

// Specific volume (ft3 per lb of dry air) at dry bulb t (R), humidity ratio w (lb/lb)
// and barometric pressure pressInHg (inches of mercury).
double SpVolOf(double t, double w, double pressInHg);

bool CalcDryBulbWetBulb();
bool CalcDryBulbDewPoint();
bool CalcDryBulbRelHumid();
bool CalcDewPointRelHumid();
// These two refuse only an impossible pair or an arithmetic fault.
bool CalcWetBulbDewPoint();
bool CalcWetBulbRelHumid();

// The dew-point correlation runs up to 0.07 R above the saturation temperature between
// 0 and 130 F, so near-saturated air may show a dew point that far above its dry bulb
// (or wet bulb); more than this is no state at all (far below 0 F the correlation climbs
// back up). A wet bulb given with a dry bulb has the same slack.
inline constexpr float DewPointOvershoot = 0.1f;

// The last float from `inside` (which meets `in`) towards `outside` (which does not) that
// meets it, for an `in` that holds on one side of a single turn.
template <class In>
float LastFloatWhere(float inside, float outside, In in) {
    while (std::nextafter(inside, outside) != outside) {
        const auto mid = static_cast<float>((static_cast<double>(inside) + outside) / 2);
        if (mid == inside || mid == outside) break;
        (in(mid) ? inside : outside) = mid;
    }
    return inside;
}

inline constexpr const char* MsgNegativeWWetBulb =
    "This combination is invalid, and results in a negative Humidity ratio";
inline constexpr const char* MsgFailureToConverge = "Error - Failure to converge iteration";
inline constexpr const char* MsgDataDoesNotConverge = "Error-Data does not converge";
inline constexpr const char* MsgOutOfRange =
    "Error - This state cannot be computed: a temperature is at or above the boiling point at "
    "this pressure, or a value is out of range";
inline constexpr const char* MsgDewPointAboveWetBulb =
    "This combination is invalid: the dew point cannot be above the wet bulb";
inline constexpr const char* MsgDewPointAboveDryBulb =
    "This combination is invalid: the dew point cannot be above the dry bulb";
inline constexpr const char* MsgWetBulbAboveDryBulb =
    "This combination is invalid: the wet bulb cannot be above the dry bulb";

}  // namespace Global
