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

namespace {

// A trial on the line: its dry bulb, humidity ratio, and the wanted relative humidity
// less the one the line gives there; stepD is that difference as the usual correction
// takes it, with the humidity ratio kept at or above 1e-4 and the humidity at or below 1.
struct LineTrial {
    float t = 0;
    float w = 0;
    float d = 0;
    float stepD = 0;
};

}  // namespace

SearchResult FindDryBulbAtRelHumid(const StraightLine& line, float rh, float t1, float tStart, float& t) {
    using Global::Press;
    const auto relHumid = [&](float w, float temp) {
        return ToFloat(Global::VaporPressOf(w, Press) / Global::CalcSatPress(temp));
    };
    const auto trial = [&](float temp) {
        LineTrial at{temp, ToFloat(line.At(temp)), 0, 0};
        at.d = rh - relHumid(at.w, temp);
        at.stepD = rh - std::min(relHumid(std::max(at.w, 1e-4f), temp), 1.0f);
        return at;
    };
    const auto found = [&](const LineTrial& at) {
        Global::HumidRatio = at.w;
        Global::VaporPress = ToFloat(Global::VaporPressOf(at.w, Press));
        t = at.t;
        return SearchResult::Found;
    };
    const auto close = [](const LineTrial& at) { return std::fabs(at.d) < RelHumidTolerance; };
    const auto sameSide = [](const LineTrial& a, const LineTrial& b) {
        return std::signbit(a.d) == std::signbit(b.d);
    };

    // The bracket: from the known point out along the line until the wanted value is
    // passed. Out is towards saturation for a wetter outlet, away from it for a drier
    // one; which way along the dry bulb that is, the line itself tells.
    LineTrial known = trial(t1);
    if (!std::isfinite(known.d)) return SearchResult::NoConvergence;
    if (close(known)) return found(known);
    const float probe = ToFloat(1e-3 * t1);
    const bool wetterAsWarmer = trial(ToFloat(t1 + probe)).d < trial(ToFloat(t1 - probe)).d;
    const float step = ToFloat((wetterAsWarmer == (known.d > 0) ? 0.01 : -0.01) * t1);
    int pass = 0;
    const auto outward = [&](const LineTrial& from, LineTrial& next) {
        const float temp = ToFloat(from.t + static_cast<double>(step));
        // Below absolute zero or above the boiling point there is no moist air.
        if (!(temp > 0) || !(Global::CalcSatPress(temp) < Press)) return false;
        next = trial(temp);
        return true;
    };
    // Where the humidity comes near the wanted value and turns back between two steps,
    // the turn is looked into (golden section) lest a crossing hide between the steps.
    const auto lookIntoTurn = [&](float from, float to, LineTrial& crossing) {
        constexpr double Golden = 0.6180339887498949;
        double lo = from, hi = to;
        for (int look = 0; look < 60 && std::fabs(hi - lo) > 1e-4 * t1; ++look, ++pass) {
            const LineTrial x = trial(ToFloat(hi - Golden * (hi - lo))),
                            y = trial(ToFloat(lo + Golden * (hi - lo)));
            for (const LineTrial& at : {x, y}) {
                if (!sameSide(at, known) || close(at)) {
                    crossing = at;
                    return true;
                }
            }
            if (std::fabs(x.d) < std::fabs(y.d))
                hi = y.t;
            else
                lo = x.t;
        }
        return false;
    };
    LineTrial before = known, far = known;
    while (sameSide(far, known)) {
        if (++pass > MaxSearchPasses) return SearchResult::NoConvergence;
        const LineTrial last = far;
        if (!outward(last, far)) return SearchResult::Unreachable;
        if (!std::isfinite(far.d)) return SearchResult::NoConvergence;
        if (close(far)) return found(far);
        if (sameSide(far, known) && std::fabs(last.d) < std::fabs(before.d) &&
            std::fabs(last.d) <= std::fabs(far.d) && lookIntoTurn(before.t, far.t, far)) {
            if (close(far)) return found(far);
            break;
        }
        // Still short of the wanted value where the moisture has run out.
        if (sameSide(far, known) && !(far.w > 0)) return SearchResult::Unreachable;
        before = last;
    }
    // One step further on the same side, so that the usual first trials fall inside.
    if (LineTrial beyond; outward(far, beyond) && std::isfinite(beyond.d) && sameSide(beyond, far))
        far = beyond;

    // Then the usual correction T - (d / 10) T from the usual start, each trial inside
    // the bracket narrowing it. A trial outside it still counts when it lies on the side
    // its sign belongs to, is closer than the one before and corrects back towards the
    // bracket (the correction overshot but converges): it widens the bracket. Otherwise,
    // or where the trial holds no number (a correction far out of range), the next trial
    // halves the bracket.
    LineTrial a = known, b = far;
    LineTrial at = trial(tStart);
    at.stepD = at.d;  // the start's is taken as it is
    float lastD = INFINITY;
    for (;;) {
        if (close(at)) return found(at);
        if (++pass > MaxSearchPasses) return SearchResult::NoConvergence;
        const bool finite = std::isfinite(at.d);
        float next = ToFloat(at.t - (at.stepD / 10.0) * at.t);
        LineTrial& end = sameSide(at, a) ? a : b;
        const float away = (&end == &a ? -1.0f : 1.0f) * step;  // away from the bracket at this end
        const bool inside = finite && std::min(a.t, b.t) < at.t && at.t < std::max(a.t, b.t);
        const bool widens =
            finite && (at.t - end.t) * away > 0 && (next - at.t) * away < 0 && std::fabs(at.d) < lastD;
        if (inside || widens) end = at;
        if (finite) lastD = std::fabs(at.d);
        // On a steep line one float step of dry bulb can move the humidity by more than
        // the tolerance: with the ends neighbouring floats the nearer is the closest a
        // float holds the crossing.
        if (std::nextafter(std::min(a.t, b.t), INFINITY) >= std::max(a.t, b.t))
            return found(std::fabs(a.d) <= std::fabs(b.d) ? a : b);
        if (!(inside || widens) || !(next > 0) || !(Global::CalcSatPress(next) < Press))
            next = ToFloat((static_cast<double>(a.t) + b.t) / 2);
        at = trial(next);
    }
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
