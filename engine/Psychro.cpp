#include "Psychro.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "Global.h"

namespace Global {

namespace {

// Raised inside a solver when the arithmetic leaves the range the relations hold in
// (boiling point reached, no vapour, non-finite value); the solver reports it once.
struct ArithmeticFault {};

double Checked(double v) {
    if (!std::isfinite(v)) throw ArithmeticFault{};
    return v;
}

// Every value written into the state is rounded to float here, and never left non-finite.
void Store(float& var, double v) {
    auto f = static_cast<float>(v);
    if (!std::isfinite(f)) throw ArithmeticFault{};
    var = f;
}

constexpr double RankineOffset = 459.67;

// R1: humidity ratio from a vapour pressure.
double R1(double p) {
    if (!(p < Press)) throw ArithmeticFault{};  // at or above the boiling point
    return Checked(HumidRatioOf(p, Press));
}

// R2: vapour pressure from a humidity ratio.
double R2(double w) {
    return Checked(VaporPressOf(w, Press));
}

// R3: thermodynamic wet-bulb relation; reads HumidRatioSatWet of the wet bulb tw.
double R3(double t, double tw) {
    double tf = t - RankineOffset;
    double twf = tw - RankineOffset;
    return Checked(((1093 - 0.556 * twf) * HumidRatioSatWet - 0.24 * (t - tw)) / (1093 + 0.444 * tf - twf));
}

// R4: degree of saturation.
double R4() {
    return Checked(static_cast<double>(HumidRatio) / HumidRatioSat);
}

// R5: relative humidity of degree of saturation mu at dry bulb t.
double R5(double mu, float t) {
    return Checked(mu / (1 - (1 - mu) * static_cast<double>(CalcSatPress(t)) / Press));
}

// R7 and R8 at the current DryBulb and HumidRatio.
void StoreVolumeAndEnthalpy() {
    Store(SpVol, SpVolOf(DryBulb, HumidRatio, PressInHg));
    Store(Enthalpy, EnthalpyOf(DryBulb, HumidRatio));
}

// R6 into DewPoint.
void StoreDewPoint(double pw) {
    if (!(pw > 0)) throw ArithmeticFault{};
    Store(DewPoint, DewPointFromVaporPress(pw));
}

// Saturated short cut at DryBulb, keeping RelHumid as given.
void StoreSaturatedState() {
    Store(SatPress, CalcSatPress(DryBulb));
    Store(VaporPress, static_cast<double>(SatPress) * RelHumid);
    Store(HumidRatioSat, R1(SatPress));
    Store(HumidRatio, R1(VaporPress));
    Store(SatDegree, static_cast<double>(HumidRatio) / HumidRatioSat);
}

// Working values of a wet-bulb trial, then R3 at DryBulb.
double WetBulbTrial(double tw) {
    Store(SatPressWet, CalcSatPress(static_cast<float>(tw)));
    Store(HumidRatioSatWet, R1(SatPressWet));
    return R3(DryBulb, tw);
}

struct GainSearch {
    float tolerance;
    double gain;
    int restartAfter;
    bool restartResetsX;
    int giveUpAfter;
    const char* message;
    bool seeksWetBulb;  // a wet bulb is corrected downward by a positive error
};

// Gain-scaled correction with restarts. Ends because the gain doubles at each restart
// and the search gives up once it is past 1000; false after the message.
template <class Evaluate, class Clamp>
bool GainSearchPasses(const GainSearch& s, double& x, Evaluate evaluate, Clamp clamp) {
    const double start = x;
    double e = evaluate(x);
    double k = s.gain;
    int passes = 0;
    for (;;) {
        if (std::fabs(e) < s.tolerance) return true;
        double step = e * x / (static_cast<double>(VaporPress) * k);
        x = clamp(s.seeksWetBulb ? x - step : x + step);
        const double next = evaluate(x);
        if (passes > s.restartAfter) {
            k *= 2;
            passes = 0;
            if (s.restartResetsX) x = start;
        }
        if (k > 1000 && passes > s.giveUpAfter) {
            ShowMessage(s.message);
            return false;
        }
        e = next;
        ++passes;
    }
}

// A trial that wanders out of the relations' range is the search failing, and is
// reported as such rather than as a bad input.
template <class Evaluate, class Clamp>
bool RunGainSearch(const GainSearch& s, double& x, Evaluate evaluate, Clamp clamp) {
    if (!(VaporPress > 0)) throw ArithmeticFault{};
    try {
        return GainSearchPasses(s, x, evaluate, clamp);
    } catch (const ArithmeticFault&) {
        ShowMessage(s.message);
        return false;
    }
}

// Stepwise upward search of the dry bulb from the wet bulb for the crossing of a
// falling f with the target. Each step size has a pass bound, so a target that is
// never crossed ends as a fault, not a hang.
template <class F>
double FindDryBulbStepwise(double target, F f) {
    float ta = WetBulb;
    float tb = ta;
    for (double step : {1.0, 0.1, 0.01, 0.001, 0.0001}) {
        // 70000 whole degrees cover the lower end of any wet-bulb line a chart can ask
        // for (a 195 F line down to a 35 F dew point takes about 9200).
        const int bound = step == 1.0 ? 70000 : 100;
        for (int pass = 0;; ++pass) {
            if (pass >= bound) throw ArithmeticFault{};
            tb = static_cast<float>(ta + step);
            // Past about 1590 F a float no longer moves by the small steps: the crossing
            // is then found as closely as a float can hold it.
            if (tb == ta) break;
            if (!(f(tb) >= target)) break;
            ta = tb;
        }
    }
    return (static_cast<double>(ta) + tb) / 2;
}

// What a solver hands back as solved must be a state: some water, finite values and no
// dew point above the dry bulb, except from a dry and a wet bulb (near saturation the
// wet bulb may lie within the slack above the dry bulb, and in cold dry air the
// correlation puts the dew point of the wet bulb's humidity ratio degrees too high).
void RequireState(bool dewPointBounded) {
    // The saturation relation peaks near 2000 R and falls beyond, so a dry bulb found out
    // there (a hot wet bulb with a low dew point) would pass for one below boiling.
    if (!(DryBulb < 1800)) throw ArithmeticFault{};
    for (float v : {DryBulb, WetBulb, DewPoint, RelHumid, Enthalpy, HumidRatio, VaporPress, SatDegree, SpVol})
        if (!std::isfinite(v)) throw ArithmeticFault{};
    if (HumidRatio < 0 || SatDegree < 0) throw ArithmeticFault{};
    if (dewPointBounded && DewPoint > static_cast<double>(DryBulb) + DewPointOvershoot)
        throw ArithmeticFault{};
}

template <class Body>
bool Guarded(Body body, bool dewPointBounded = true) {
    try {
        if (!(Press > 0) || !std::isfinite(Press) || !(PressInHg > 0) || !std::isfinite(PressInHg))
            throw ArithmeticFault{};
        if (!body()) return false;
        RequireState(dewPointBounded);
        return true;
    } catch (const ArithmeticFault&) {
        ShowMessage(MsgOutOfRange);
        return false;
    }
}

// A relative humidity above 100 % (or none at all) is no state to solve for.
void RequireRelHumid() {
    if (!(RelHumid > 0 && RelHumid <= 1)) throw ArithmeticFault{};
}

constexpr float SaturatedRelHumid = 0.9999f;

// The wet bulb whose trial holds the dew point's humidity ratio. The trial's humidity
// ratio rises with the wet bulb, from no more than the dew point's at the dew point to
// the saturated one at the dry bulb: halving that bracket ends at neighbouring floats,
// the nearer of which holds the dew point's humidity ratio as closely as a float wet
// bulb can. A dew point within the slack above the dry bulb gives the dry bulb.
bool FindWetBulbOfDewPoint(double& x) {
    const double target = R1(VaporPress);
    double low = std::min(DewPoint, DryBulb), high = DryBulb;
    // Each pass halves the bracket; some 30 bring any two floats of the chart together.
    for (int pass = 0; pass < 100; ++pass) {
        const auto mid = static_cast<float>((low + high) / 2);
        if (!(mid > low && mid < high)) {
            const double missLow = std::fabs(WetBulbTrial(low) - target);
            x = missLow < std::fabs(WetBulbTrial(high) - target) ? low : high;
            return true;
        }
        const double w = WetBulbTrial(mid);
        if (w == target) {
            x = mid;
            return true;
        }
        (w < target ? low : high) = mid;
    }
    ShowMessage(MsgFailureToConverge);
    return false;
}

}  // namespace

double HumidRatioOf(double p, double press) {
    return 0.62198 * p / (press - p);
}

double VaporPressOf(double w, double press) {
    return w * press / (0.62198 + w);
}

float CalcSatPress(float t) {
    const double T = t;
    double lnp;
    if (t <= 491.67f) {
        lnp = -10214.165 / T - 4.8932428 - 0.0053765794 * T + 1.9202377e-7 * T * T +
              3.5575832e-10 * T * T * T - 9.0344688e-14 * T * T * T * T + 4.1635019 * std::log(T);
    } else {
        lnp = -10440.397 / T - 11.29465 - 0.02702355 * T + 1.289036e-5 * T * T - 2.4780681e-9 * T * T * T +
              6.5459673 * std::log(T);
    }
    return static_cast<float>(std::exp(static_cast<double>(static_cast<float>(lnp))));
}

double DewPointFromVaporPress(double pw) {
    if (!(pw > 0)) return NAN;
    double a = std::log(pw);
    double td = pw > 0.08994139f ? 100.45 + 33.193 * a + 2.319 * a * a + 0.17074 * a * a * a +
                                       1.2063 * std::pow(pw, 0.1984)
                                 : 90.12 + 26.142 * a + 0.8927 * a * a;
    return td + RankineOffset;
}

double EnthalpyOf(double t, double w) {
    const double f = t - RankineOffset;
    return 0.24 * f + w * (1061 + 0.444 * f);
}

double TempFromEnthalpy(double h, double w) {
    return (h - 1061 * w) / (0.24 + 0.444 * w) + RankineOffset;
}

double SpVolOf(double t, double w, double pressInHg) {
    return 0.7543 * t * (1 + 1.6078 * w) / pressInHg;
}

bool CalcDryBulbWetBulb() {
    return Guarded(
        [] {
            if (std::fabs(static_cast<double>(DryBulb) - WetBulb) < 0.0001f) {
                DewPoint = DryBulb;
                RelHumid = 1;
                StoreSaturatedState();
            } else {
                Store(SatPressWet, CalcSatPress(WetBulb));
                Store(HumidRatioSatWet, R1(SatPressWet));
                Store(HumidRatio, R3(DryBulb, WetBulb));
                if (HumidRatio < 0) {
                    ShowMessage(MsgNegativeWWetBulb);
                    return false;
                }
                Store(HumidRatioSat, R1(CalcSatPress(DryBulb)));
                Store(VaporPress, R2(HumidRatio));
                Store(SatDegree, R4());
                Store(RelHumid, R5(SatDegree, DryBulb));
                StoreDewPoint(VaporPress);
            }
            StoreVolumeAndEnthalpy();
            return true;
        },
        false);
}

bool CalcDryBulbDewPoint() {
    return Guarded([] {
        if (DewPoint > static_cast<double>(DryBulb) + DewPointOvershoot) {
            ShowMessage(MsgDewPointAboveDryBulb);
            return false;
        }
        // At the dry bulb, or within the correlation's slack above it: saturated air.
        if (DewPoint >= static_cast<double>(DryBulb) - 0.000001f) {
            WetBulb = DryBulb;
            RelHumid = 1;
            StoreSaturatedState();
            StoreVolumeAndEnthalpy();
            return true;
        }
        Store(VaporPress, CalcSatPress(DewPoint));
        // A boiling dry bulb is out of range, not a search that failed.
        if (!(CalcSatPress(DryBulb) < Press)) throw ArithmeticFault{};
        double x = 0;
        if (!FindWetBulbOfDewPoint(x)) return false;
        Store(WetBulb, x);
        WetBulbTrial(WetBulb);  // the saturation values at the wet bulb found
        // The dew point's own humidity ratio, which the wet bulb holds as closely as a float can.
        Store(HumidRatio, R1(VaporPress));
        Store(HumidRatioSat, R1(CalcSatPress(DryBulb)));
        Store(SatDegree, R4());
        Store(RelHumid, R5(SatDegree, DryBulb));
        StoreVolumeAndEnthalpy();
        return true;
    });
}

bool CalcDewPointRelHumid() {
    return Guarded([] {
        RequireRelHumid();
        Store(VaporPress, CalcSatPress(DewPoint));
        Store(SatPress, static_cast<double>(VaporPress) / RelHumid);
        Store(HumidRatio, R1(VaporPress));
        Store(HumidRatioSat, R1(SatPress));
        if (RelHumid >= SaturatedRelHumid) {
            DryBulb = DewPoint;
            WetBulb = DewPoint;
        } else {
            auto clamp = [](double x) { return x <= DewPoint ? DewPoint : x > 900 ? 900.0 : x; };
            const GainSearch dry{0.00001f, 20, 200, true, 195, MsgDataDoesNotConverge, false};
            double x = DewPoint;
            auto dryError = [](double t) {
                return Checked(static_cast<double>(SatPress) - CalcSatPress(static_cast<float>(t)));
            };
            if (!RunGainSearch(dry, x, dryError, clamp)) return false;
            Store(DryBulb, x);

            const GainSearch wet{0.000001f, 20, 200, false, 190, MsgDataDoesNotConverge, true};
            x = DryBulb;
            auto wetError = [](double tw) { return Checked(WetBulbTrial(tw) - HumidRatio); };
            if (!RunGainSearch(wet, x, wetError, clamp)) return false;
            Store(WetBulb, x);
        }
        Store(SatDegree, static_cast<double>(HumidRatio) / HumidRatioSat);
        StoreVolumeAndEnthalpy();
        return true;
    });
}

bool CalcDryBulbRelHumid() {
    return Guarded([] {
        RequireRelHumid();
        Store(SatPress, CalcSatPress(DryBulb));
        Store(VaporPress, static_cast<double>(RelHumid) * SatPress);
        Store(HumidRatioSat, R1(SatPress));
        Store(HumidRatio, R1(VaporPress));
        Store(SatDegree, static_cast<double>(HumidRatio) / HumidRatioSat);
        StoreVolumeAndEnthalpy();
        if (RelHumid >= SaturatedRelHumid) {
            WetBulb = DryBulb;
            DewPoint = DryBulb;
            return true;
        }
        StoreDewPoint(VaporPress);
        const GainSearch search{0.00005f, 20, 300, true, 290, MsgDataDoesNotConverge, true};
        double x = DryBulb;
        auto evaluate = [](double tw) { return Checked(WetBulbTrial(tw) - HumidRatio); };
        auto clamp = [](double tw) { return tw <= 0 || tw > DryBulb ? static_cast<double>(DryBulb) : tw; };
        if (!RunGainSearch(search, x, evaluate, clamp)) return false;
        Store(WetBulb, x);
        return true;
    });
}

bool CalcWetBulbDewPoint() {
    return Guarded([] {
        // Even saturated air at the wet bulb holds less water than this dew point.
        if (DewPoint > static_cast<double>(WetBulb) + DewPointOvershoot) {
            ShowMessage(MsgDewPointAboveWetBulb);
            return false;
        }
        Store(SatPressWet, CalcSatPress(WetBulb));
        Store(HumidRatioSatWet, R1(SatPressWet));
        if (DewPoint >= static_cast<double>(WetBulb) - 0.000001f) {
            // A dew point within the slack above the wet bulb is the correlation's error:
            // the air is saturated at the wet bulb and holds no more than saturated air.
            DryBulb = WetBulb;
            VaporPress = SatPressWet;
            HumidRatio = HumidRatioSatWet;
        } else {
            Store(VaporPress, CalcSatPress(DewPoint));
            Store(HumidRatio, R1(VaporPress));
            Store(DryBulb, FindDryBulbStepwise(HumidRatio, [](float t) { return R3(t, WetBulb); }));
        }
        Store(HumidRatioSat, R1(CalcSatPress(DryBulb)));
        Store(SatDegree, R4());
        Store(RelHumid, R5(SatDegree, DryBulb));
        StoreVolumeAndEnthalpy();
        return true;
    });
}

bool CalcWetBulbRelHumid() {
    return Guarded([] {
        RequireRelHumid();
        Store(SatPressWet, CalcSatPress(WetBulb));
        Store(HumidRatioSatWet, R1(SatPressWet));
        if (RelHumid >= SaturatedRelHumid) {
            DryBulb = WetBulb;
            DewPoint = WetBulb;
            StoreSaturatedState();
        } else {
            auto relHumidAt = [](float t) {
                Store(HumidRatio, R3(t, WetBulb));
                Store(HumidRatioSat, R1(CalcSatPress(t)));
                Store(SatDegree, R4());
                return R5(SatDegree, t);
            };
            Store(DryBulb, FindDryBulbStepwise(RelHumid, relHumidAt));
            Store(VaporPress, static_cast<double>(RelHumid) * CalcSatPress(DryBulb));
            StoreDewPoint(VaporPress);
        }
        Store(HumidRatioSat, R1(CalcSatPress(DryBulb)));
        Store(SatDegree, static_cast<double>(HumidRatio) / HumidRatioSat);
        StoreVolumeAndEnthalpy();
        return true;
    });
}

}  // namespace Global
