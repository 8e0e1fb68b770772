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

// A trial on the line: its dry bulb, humidity ratio, and d, the wanted relative humidity
// less the one the line gives there. Air with no moisture has none, however far the
// humidity ratio runs below zero; only d says on which side of the wanted value a trial
// lies and whether it is met. The usual correction keeps its own measures: lineD, the
// difference as the vapour-pressure relation gives it (the humidity goes negative with the
// humidity ratio and is no number past the relation's pole, where lineD is infinite), and
// stepD, with the humidity ratio kept at or above 1e-4 and the humidity at or below 1.
struct LineTrial {
    float t = 0;
    float w = 0;
    float d = 0;
    float lineD = 0;
    float stepD = 0;
};

bool IsClose(const LineTrial& at) {
    return std::fabs(at.d) < RelHumidTolerance;
}

bool SameSide(const LineTrial& a, const LineTrial& b) {
    return std::signbit(a.d) == std::signbit(b.d);
}

// Moist air exists above absolute zero and below the boiling point.
bool OnLine(float t) {
    return t > 0 && Global::CalcSatPress(t) < Global::Press;
}

// The last dry bulb on the line going from `from` (on it) towards `to` (off it).
float LastOnLine(float from, float to) {
    return Global::LastFloatWhere(from, to, OnLine);
}

// One way along the line from the known point, walked in steps of 1 % of its dry bulb.
struct Walk {
    float step = 0;
    LineTrial before, far;  // the newest trial and the one two steps before it
    bool crossed = false;   // far meets or lies past the wanted value
    bool ended = false;     // the line ended (absolute zero, the boiling point) short of it
};

class RelHumidSearch {
public:
    RelHumidSearch(const StraightLine& line, float rh, float t1) : line_(line), rh_(rh), t1_(t1) {}

    LineTrial Trial(float temp) const {
        LineTrial at{temp, ToFloat(line_.At(temp))};
        const float relation = RelationAt(std::max(at.w, 1e-4f), temp);
        at.lineD = at.w > -0.62198f ? rh_ - (at.w >= 1e-4f ? relation : RelationAt(at.w, temp)) : INFINITY;
        at.d = at.w > 0 ? at.lineD : rh_;
        at.stepD = rh_ - std::min(relation, 1.0f);
        return at;
    }

    // One step further out from the known point, or to where the line ends on that side
    // (absolute zero, the boiling point); false when the passes run out or a trial holds
    // no number.
    bool Step(const LineTrial& known, Walk& walk);

    // The crossing between the known point and the walk's far end by the usual correction
    // T - (d / 10) T from tStart; false when the passes run out.
    bool CloseIn(const LineTrial& known, const Walk& walk, float tStart, LineTrial& crossing);

private:
    static float RelationAt(float w, float temp) {
        return ToFloat(Global::VaporPressOf(w, Global::Press) / Global::CalcSatPress(temp));
    }
    bool LookInto(float from, float to, const LineTrial& known, LineTrial& crossing);

    const StraightLine& line_;
    float rh_;
    float t1_;
    int pass_ = 0;
};

// Where the humidity comes near the wanted value and turns back between two steps, the
// turn is looked into (golden section on the distance from the wanted value) lest a
// crossing hide between the steps.
bool RelHumidSearch::LookInto(float from, float to, const LineTrial& known, LineTrial& crossing) {
    constexpr double Golden = 0.6180339887498949;
    double lo = from, hi = to;
    for (int look = 0; look < 60 && std::fabs(hi - lo) > 1e-4 * t1_; ++look, ++pass_) {
        const LineTrial x = Trial(ToFloat(hi - Golden * (hi - lo))),
                        y = Trial(ToFloat(lo + Golden * (hi - lo)));
        for (const LineTrial& at : {x, y}) {
            if (!SameSide(at, known) || IsClose(at)) {
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
}

bool RelHumidSearch::Step(const LineTrial& known, Walk& walk) {
    if (++pass_ > MaxSearchPasses) return false;
    const LineTrial last = walk.far;
    float temp = ToFloat(last.t + static_cast<double>(walk.step));
    // A step past the boiling point or absolute zero stops at the line's last dry bulb,
    // so a crossing inside it is still found.
    const bool lastStep = !OnLine(temp);
    if (lastStep) temp = LastOnLine(last.t, temp);
    if (temp == last.t) {
        walk.ended = true;
        return true;
    }
    walk.far = Trial(temp);
    if (std::isnan(walk.far.d)) return false;
    walk.crossed = IsClose(walk.far) || !SameSide(walk.far, known);
    if (walk.crossed) return true;
    const bool turn =
        std::fabs(last.d) < std::fabs(walk.before.d) && std::fabs(last.d) <= std::fabs(walk.far.d);
    walk.crossed = turn && LookInto(walk.before.t, walk.far.t, known, walk.far);
    walk.ended = !walk.crossed && lastStep;
    walk.before = last;
    return true;
}

// Each trial inside the bracket narrows it. A trial outside it still counts when it lies
// on the side its sign belongs to, is closer than the one before and corrects back towards
// the bracket (the correction overshot but converges): it widens the bracket. Otherwise,
// or where the trial holds no number (a correction far out of range), the next trial
// halves the bracket.
bool RelHumidSearch::CloseIn(const LineTrial& known, const Walk& walk, float tStart, LineTrial& crossing) {
    LineTrial a = known, b = walk.far;
    if (IsClose(b)) {
        crossing = b;
        return true;
    }
    // One step further on the same side, so that the usual first trials fall inside.
    if (const float beyond = ToFloat(b.t + static_cast<double>(walk.step)); OnLine(beyond)) {
        const LineTrial further = Trial(beyond);
        if (std::isfinite(further.d) && SameSide(further, b)) b = further;
    }
    LineTrial at = Trial(tStart);
    at.stepD = at.lineD;  // the start's is taken as it is
    float lastD = INFINITY;
    for (;;) {
        if (IsClose(at)) break;
        if (++pass_ > MaxSearchPasses) return false;
        const bool finite = std::isfinite(at.d);
        float next = ToFloat(at.t - (at.stepD / 10.0) * at.t);
        LineTrial& end = SameSide(at, a) ? a : b;
        const float away = (&end == &a ? -1.0f : 1.0f) * walk.step;  // away from the bracket at this end
        // Near absolute zero the humidity of moist air outgrows any float: still a side.
        const bool inside = !std::isnan(at.d) && std::min(a.t, b.t) < at.t && at.t < std::max(a.t, b.t);
        // A trial with no moisture steers the correction by a clamped humidity ratio, which
        // can settle on a false root out there: such a trial never widens the bracket.
        const bool widens = finite && at.w > 0 && (at.t - end.t) * away > 0 && (next - at.t) * away < 0 &&
                            std::fabs(at.lineD) < lastD;
        if (inside || widens) end = at;
        if (finite) lastD = std::fabs(at.lineD);
        // On a steep line one float step of dry bulb can move the humidity by more than
        // the tolerance: with the ends neighbouring floats the nearer is the closest a
        // float holds the crossing.
        if (std::nextafter(std::min(a.t, b.t), INFINITY) >= std::max(a.t, b.t)) {
            at = std::fabs(a.d) <= std::fabs(b.d) ? a : b;
            break;
        }
        if (!(inside || widens) || !OnLine(next)) next = ToFloat((static_cast<double>(a.t) + b.t) / 2);
        at = Trial(next);
    }
    crossing = at;
    return true;
}

}  // namespace

SearchResult FindDryBulbAtRelHumid(const StraightLine& line, float rh, float t1, float tStart, float& t) {
    RelHumidSearch search(line, rh, t1);
    const LineTrial known = search.Trial(t1);
    if (!std::isfinite(known.d)) return SearchResult::NoConvergence;
    LineTrial answer = known;
    if (!IsClose(known)) {
        // The bracket: out from the known point both ways at once until the wanted value
        // is passed on one side or the line has ended on both.
        const float step = ToFloat(0.01 * t1);
        Walk walks[2] = {{step, known, known}, {-step, known, known}};
        const auto crossed = [&] { return walks[0].crossed || walks[1].crossed; };
        while (!crossed()) {
            if (walks[0].ended && walks[1].ended) return SearchResult::Unreachable;
            for (Walk& walk : walks)
                if (!walk.ended && !search.Step(known, walk)) return SearchResult::NoConvergence;
        }
        // Then close in; where both ways cross within the same step count, the crossing
        // nearer the known point is the outlet.
        bool found = false;
        for (const Walk& walk : walks) {
            LineTrial crossing;
            if (!walk.crossed || !search.CloseIn(known, walk, tStart, crossing)) continue;
            if (!found || std::fabs(crossing.t - t1) < std::fabs(answer.t - t1)) answer = crossing;
            found = true;
        }
        if (!found) return SearchResult::NoConvergence;
    }
    Global::HumidRatio = answer.w;
    Global::VaporPress = ToFloat(Global::VaporPressOf(answer.w, Global::Press));
    t = answer.t;
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
