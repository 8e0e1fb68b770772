// The searches along a process line that the water/air and heat-and-moisture
// calculators share, with the dew point of a humidity ratio that air/air mixing uses
// too. Plain C++ on the engine's current state; every loop is bounded.
#pragma once

namespace Global {
struct StatePoint;
}

namespace Calc {

inline constexpr int MaxSearchPasses = 100000;

// The process line h = h1 + (W - W1) R, straightened in the dry-bulb/humidity-ratio
// plane: W = s T + b, T in Rankine.
struct StraightLine {
    double s = 0;
    double b = 0;
    double At(double t) const { return s * t + b; }
};

// The line through the known state (t1, w1, h1) and the state of humidity ratio
// wTrial on the process line of slope r. The intercept is written through the trial
// point or through the known point; single-precision callers round s and b to float.
StraightLine LineThroughTrial(float t1, float w1, float h1, double r, float wTrial, bool throughTrial,
                              bool singlePrecision);

// The state of humidity ratio w on the process line through the known state with
// slope dh/dW: HumidRatio and DryBulb of the current state.
void StoreOnProcessLine(const Global::StatePoint& known, double slope, double w);

// VaporPress and DewPoint of the current HumidRatio; false when it holds no vapour.
bool StoreDewPointOfHumidRatio();

// The state on the process line whose dew point is dewPoint (R); false when no
// humidity ratio has that dew point at this pressure.
bool StoreOnProcessLineAtDewPoint(const Global::StatePoint& known, double slope, float dewPoint);

enum class SearchResult { Found, NoConvergence, SolverFailed, Unreachable };

inline constexpr float RelHumidTolerance = 1e-5f;

// Dry bulb (R) where the line through the known dry bulb t1 reaches the relative
// humidity rh (vapour pressure over saturation pressure; none where the line holds no
// moisture): bracketed out from t1 both ways, then closed in from tStart; of crossings
// on both sides the nearer t1. HumidRatio and VaporPress of the current state are the
// line's there. Unreachable when on neither side the line meets the value before it
// reaches absolute zero or the boiling point, or runs out of moisture.
SearchResult FindDryBulbAtRelHumid(const StraightLine& line, float rh, float t1, float tStart, float& t);

// Dry bulb where the line meets the wet bulb held in the current state. Steps
// DryBulb by stepShare x error x DryBulb and re-solves the state each pass.
struct WetBulbSearch {
    double stepShare;
    bool firstSolveCounts;  // a failure of the first solve ends the search
    bool stillIsConverged;  // a correction too small to move the float is convergence
};
SearchResult FindDryBulbAtWetBulb(const StraightLine& line, float tStart, const WetBulbSearch& how);

}  // namespace Calc
