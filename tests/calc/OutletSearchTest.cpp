// The relative-humidity search along a straightened process line, checked against a fine
// scan of the same line.
#include <string>

#include "OutletSearch.h"
#include "Psychro.h"
#include "support/EngineFixture.h"

namespace {

using Global::ToFloat;
using OutletSearchTest = EngineFixture;

// A line, the relative humidity wanted on it and the known dry bulb.
struct Case {
    Calc::StraightLine line;
    float rh, t1;

    static bool OnLine(float t) { return t > 0 && Global::CalcSatPress(t) < Global::Press; }

    // The wanted relative humidity less the line's at t; air with no moisture has none.
    float Miss(float t) const {
        const float w = ToFloat(line.At(t));
        return rh -
               (w > 0 ? ToFloat(Global::VaporPressOf(w, Global::Press) / Global::CalcSatPress(t)) : 0.0f);
    }

    // The first change of sign from t1 in steps of `step` R, up to `limit` R away, boiling, absolute
    // zero (a part step included) or where the moisture runs out for good; NAN when there is none.
    float FirstCrossing(double step, double limit) const {
        float before = t1;
        for (double k = 1; std::fabs(k * step) <= limit; ++k) {
            float t = ToFloat(t1 + k * step);
            for (int halve = 0; !OnLine(t) && halve < 200 && t != before; ++halve)
                t = ToFloat((t + before) / 2.0);
            if (!OnLine(t) || t == before) return NAN;
            if (std::signbit(Miss(t)) != std::signbit(Miss(before))) return t;
            if (!(line.At(t) > 0) && !(line.At(before) > 0)) return NAN;
            before = t;
        }
        return NAN;
    }

    // What is wrong with the search's answer, "" when nothing: an outlet that is no crossing or has
    // one nearer the known point (beyond the stop's own band), or a refusal where the line has one.
    std::string Verdict(double start) const {
        float t = 0;
        const Calc::SearchResult result = Calc::FindDryBulbAtRelHumid(line, rh, t1, ToFloat(start * t1), t);
        const bool found = result == Calc::SearchResult::Found;
        if (!found && result != Calc::SearchResult::Unreachable) return "no answer";
        const float d = Miss(t);
        const auto crossesTo = [&](float next) {
            return std::signbit(Miss(next)) != std::signbit(d) && std::fabs(d) <= std::fabs(Miss(next));
        };
        const std::string at = found ? "found " + std::to_string(t) : "refused";
        if (found && !(std::fabs(d) < 1e-5f) && !crossesTo(std::nextafter(t, 0.0f)) &&
            !crossesTo(std::nextafter(t, INFINITY)))
            return at + ", no crossing";
        const double limit = found ? std::fabs(static_cast<double>(t) - t1) - 0.1 : 1000;
        for (const double step : {0.02, -0.02})
            if (const float other = FirstCrossing(step, limit); !std::isnan(other))
                return at + ", crossing at " + std::to_string(other);
        return "";
    }
};

TEST_F(OutletSearchTest, EveryOutletFoundIsOnTheLineAndEveryRefusalHasNone) {
    for (const float press : {14.696f, 6.8447f}) {
        SetPressure(press);
        for (const float dry : {-60.0f, 40.0f, 75.0f, 110.0f})
            for (const float rhIn : {0.1f, 0.6f}) {
                Global::DryBulb = Rankine(dry), Global::RelHumid = rhIn;
                ASSERT_TRUE(Global::CalcDryBulbRelHumid());
                const float t1 = Global::DryBulb, w1 = Global::HumidRatio, h1 = Global::Enthalpy;
                // Water/air lines, spray to steam, through the humidity ratio the known dry bulb has
                // at the wanted value; heat-and-moisture lines, rising and falling (a dehumidifier);
                // a line whose moisture runs out near absolute zero, where no float holds the
                // saturation pressure and the humidity outgrows every float.
                for (const float r : {20.0f, 1000.0f, 1061 + 0.444f * (dry - 1), 1061 + 0.444f * (dry + 1),
                                      1150.0f, 1300.0f, 1800.0f, 3000.0f, -2000.0f, -8900.0f})
                    for (const float rh : {0.02f, 0.15f, 0.45f, 0.7f, 0.97f, 1.0f}) {
                        const float pw = ToFloat(static_cast<double>(Global::CalcSatPress(t1)) * rh);
                        const float wTrial = ToFloat(Global::HumidRatioOf(pw, press));
                        // Closing in starts on the far side of a known inlet or outlet.
                        for (const Calc::StraightLine& line :
                             {Calc::LineThroughTrial(t1, w1, h1, r, wTrial, false, false),
                              Calc::LineThroughTrial(t1, w1, h1, r, ToFloat(2.5 * w1), false, true),
                              Calc::StraightLine{w1 / (t1 - 60.0), -60.0 * w1 / (t1 - 60.0)}})
                            for (const double start : {1.01, 0.99})
                                EXPECT_EQ((Case{line, rh, t1}.Verdict(start)), "")
                                    << press << " psia, " << dry << " F/" << rhIn << ", r " << r << ", rh "
                                    << rh << ", start " << start;
                    }
            }
    }
}

}  // namespace
