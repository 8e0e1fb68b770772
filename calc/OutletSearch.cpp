#include "OutletSearch.h"

#include <algorithm>
#include <cmath>

#include "Global.h"

namespace Calc {

using Global::ToFloat;

StraightLine LineThroughTrial(float t1, float w1, float h1, double r, float wTrial, bool throughTrial,
                              bool singlePrecision) {
    const float hTrial = ToFloat(h1 + (static_cast<double>(wTrial) - w1) * r);
    const float tTrial = ToFloat(Global::TempFromEnthalpy(hTrial, wTrial));
    double dT = static_cast<double>(tTrial) - t1;
    if (singlePrecision) dT = ToFloat(dT);
    StraightLine line;
    // A trial point at the known dry bulb would make the line vertical.
    line.s = (static_cast<double>(wTrial) - w1) / (dT == 0 ? 1e-8 : dT);
    if (singlePrecision) line.s = ToFloat(line.s);
    line.b = throughTrial ? wTrial - line.s * tTrial : w1 - line.s * t1;
    if (singlePrecision) line.b = ToFloat(line.b);
    return line;
}

void StoreOnProcessLine(const Global::StatePoint& known, double slope, double w) {
    using namespace Global;
    HumidRatio = ToFloat(w);
    const float h = ToFloat(known.Enthalpy + (static_cast<double>(HumidRatio) - known.HumidRatio) * slope);
    DryBulb = ToFloat(TempFromEnthalpy(h, HumidRatio));
}

bool StoreDewPointOfHumidRatio() {
    using namespace Global;
    VaporPress = ToFloat(VaporPressOf(HumidRatio, Press));
    if (!(VaporPress > 0)) return false;
    DewPoint = ToFloat(DewPointFromVaporPress(VaporPress));
    return true;
}

bool StoreOnProcessLineAtDewPoint(const Global::StatePoint& known, double slope, float dewPoint) {
    using namespace Global;
    DewPoint = dewPoint;
    VaporPress = CalcSatPress(DewPoint);
    if (!(VaporPress < Press)) return false;  // at or above the boiling point
    StoreOnProcessLine(known, slope, HumidRatioOf(VaporPress, Press));
    return HumidRatio > 0 && std::isfinite(HumidRatio);
}

SearchResult FindDryBulbAtRelHumid(const StraightLine& line, float rh, float tStart, float& t) {
    float temp = tStart;
    float w = ToFloat(line.At(temp));
    auto relHumidAt = [&] {
        return ToFloat(Global::VaporPressOf(w, Global::Press) / Global::CalcSatPress(temp));
    };
    float phi = relHumidAt();
    float d = rh - phi;
    for (int pass = 0;; ++pass) {
        if (!std::isfinite(d) || !std::isfinite(temp)) return SearchResult::NoConvergence;
        if (std::fabs(d) < 1e-5f) break;
        if (pass >= MaxSearchPasses) return SearchResult::NoConvergence;
        temp = ToFloat(temp - (d / 10.0) * temp);
        w = std::max(ToFloat(line.At(temp)), 1e-4f);
        phi = std::min(relHumidAt(), 1.0f);
        d = rh - phi;
    }
    Global::VaporPress = ToFloat(Global::VaporPressOf(w, Global::Press));
    t = temp;
    return SearchResult::Found;
}

SearchResult FindDryBulbAtWetBulb(const StraightLine& line, float tStart, const WetBulbSearch& how) {
    using Global::DryBulb;
    const Global::MessageBatch once;  // a solver that keeps failing alike says so once
    DryBulb = tStart;
    float wLine = ToFloat(line.At(DryBulb));
    if (!Global::CalcDryBulbWetBulb() && how.firstSolveCounts) return SearchResult::SolverFailed;
    for (int pass = 0;; ++pass) {
        const float d = wLine - Global::HumidRatio;
        if (!std::isfinite(d)) return SearchResult::NoConvergence;
        if (std::fabs(d) < 1e-7f) return SearchResult::Found;
        if (pass >= MaxSearchPasses) return SearchResult::NoConvergence;
        const float before = DryBulb;
        const float next = ToFloat(DryBulb - how.stepShare * d * DryBulb);
        if (!std::isfinite(next)) return SearchResult::NoConvergence;
        if (how.stillIsConverged && next == before) return SearchResult::Found;
        DryBulb = next;
        if (!Global::CalcDryBulbWetBulb()) return SearchResult::SolverFailed;
        wLine = ToFloat(line.At(DryBulb));
    }
}

}  // namespace Calc
