#include <cmath>
#include <string>
#include <tuple>

#include "support/EngineFixture.h"

using namespace Global;

// One of the four input properties as it was in a saved state.
static float InputOf(const StatePoint& p, const float* var) {
    return var == &DryBulb    ? p.DryBulb
           : var == &WetBulb  ? p.WetBulb
           : var == &DewPoint ? p.DewPoint
                              : p.RelHumid;
}

class SolverTest : public EngineFixture {};

TEST_F(SolverTest, TextbookStates) {
    ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(75), RelHumid, 0.5));
    EXPECT_NEAR(HumidRatio, 0.00923, 0.00001);
    EXPECT_NEAR(Fahrenheit(DewPoint), 55.2, 0.1);
    EXPECT_NEAR(Enthalpy, 28.1, 0.05);
    EXPECT_NEAR(SpVol, 13.68, 0.01);
    EXPECT_NEAR(Fahrenheit(WetBulb), 62.6, 0.25);  // the search stops at |dW| < 5e-5 lb/lb

    ASSERT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, Rankine(75), WetBulb, Rankine(62.5)));
    EXPECT_NEAR(HumidRatio, 0.00919, 0.00001);
    EXPECT_NEAR(RelHumid, 0.498, 0.001);
    EXPECT_NEAR(Fahrenheit(DewPoint), 55.1, 0.1);

    ASSERT_TRUE(Solve(CalcDewPointRelHumid, DewPoint, Rankine(50), RelHumid, 0.5));
    EXPECT_NEAR(Fahrenheit(DryBulb), 69.4, 0.1);

    // At 5000 ft the same air holds more water per pound and takes more room.
    SetPressure(12.228f);
    ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(75), RelHumid, 0.5));
    EXPECT_NEAR(HumidRatio, 0.01113, 0.00002);
    EXPECT_NEAR(SpVol, 16.49, 0.02);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SolverTest, SaturatedShortCuts) {
    for (int f : {-10, 40, 90}) {
        SCOPED_TRACE(std::to_string(f) + " F");
        const float t = Rankine(f);
        ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, t, RelHumid, 0.9999f));
        EXPECT_TRUE(WetBulb == t && DewPoint == t);
        // Just below, the dew point comes from the correlation instead, which may lie up to
        // 0.1 R above the dry bulb.
        ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, t, RelHumid, std::nextafter(0.9999f, 0.0f)));
        EXPECT_NE(DewPoint, t);
        EXPECT_LT(DewPoint, t + 0.1f);

        ASSERT_TRUE(Solve(CalcDewPointRelHumid, DewPoint, t, RelHumid, 1));
        EXPECT_TRUE(DryBulb == t && WetBulb == t);
        EXPECT_FLOAT_EQ(SatDegree, 1);
        ASSERT_TRUE(Solve(CalcWetBulbRelHumid, WetBulb, t, RelHumid, 1));
        EXPECT_TRUE(DryBulb == t && DewPoint == t);
        EXPECT_FLOAT_EQ(HumidRatio, HumidRatioSat);
        ASSERT_TRUE(Solve(CalcDryBulbDewPoint, DryBulb, t, DewPoint, t));
        EXPECT_TRUE(WetBulb == t && RelHumid == 1);
        ASSERT_TRUE(Solve(CalcWetBulbDewPoint, WetBulb, t, DewPoint, t));
        EXPECT_EQ(DryBulb, t);
        EXPECT_FLOAT_EQ(RelHumid, 1);

        // Dry and wet bulb count as equal within 0.0001 R.
        ASSERT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, t, WetBulb, std::nextafter(t, 0.0f)));
        EXPECT_TRUE(RelHumid == 1 && DewPoint == t);
        ASSERT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, t, WetBulb, t - 0.0002f));
        EXPECT_LT(RelHumid, 1);
    }
    EXPECT_TRUE(messages.empty());
}

// The stepwise searches end within 0.0001 R of the crossing: a little either side of the dry
// bulb found, the humidity ratio (or RH) from dry and wet bulb lies either side of the target.
TEST_F(SolverTest, StepwiseSearchesBracketTheCrossing) {
    const struct {
        double wet, dew, relHumid;
    } cases[] = {{20, -10, 0.3}, {45, 30, 0.5}, {62.5, 55, 0.5}, {80, 40, 0.1}, {100, 99, 0.95}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.wet) + " F wet bulb");
        const float wet = Rankine(c.wet), rh = static_cast<float>(c.relHumid);
        auto expectBracket = [&](float& property, float target) {
            const float dry = DryBulb;
            ASSERT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, dry - 0.0002f, WetBulb, wet));
            EXPECT_GE(property, target);
            ASSERT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, dry + 0.0002f, WetBulb, wet));
            EXPECT_LE(property, target);
        };
        ASSERT_TRUE(Solve(CalcWetBulbDewPoint, WetBulb, wet, DewPoint, Rankine(c.dew)));
        const float w = HumidRatio;
        expectBracket(HumidRatio, w);
        ASSERT_TRUE(Solve(CalcWetBulbRelHumid, WetBulb, wet, RelHumid, rh));
        expectBracket(RelHumid, rh);
    }
}

// A state solved from dry bulb and RH, solved again from each other pair, is the same air within
// what the searches promise: the first one's wet bulb stops at |dW| < 5e-5 lb/lb (about 0.2 F),
// and the dew-point correlation strays from the saturation pressure by up to 0.07 F between 0 and
// 120 F (1.4e-4 lb/lb at the humid end), by more below -40 F. All else in the state is NaN, so a
// solver that reads or forgets a variable it should not shows up.
TEST_F(SolverTest, RoundTripsAgreeAcrossTheChart) {
    for (float press : {14.697f, 12.228f})
        for (int f = -20; f <= 120; f += 20)
            for (int rh : {20, 50, 80, 95}) {
                SCOPED_TRACE(std::to_string(f) + " F, " + std::to_string(rh) + " %, " +
                             std::to_string(press));
                SetPressure(press);
                PoisonState();
                ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(f), RelHumid, rh / 100.0));
                if (Fahrenheit(DewPoint) < -40) continue;
                const StatePoint base{DryBulb, WetBulb, DewPoint, RelHumid, Enthalpy, HumidRatio};

                for (const Solver& s : kSolvers) {
                    PoisonState();
                    ASSERT_TRUE(
                        Solve(s.solve, *s.first, InputOf(base, s.first), *s.second, InputOf(base, s.second)))
                        << s.name;
                    const bool fromWetBulb = s.solve == CalcDryBulbWetBulb;
                    EXPECT_NEAR(HumidRatio, base.HumidRatio, fromWetBulb ? 5.1e-5 : 2e-4) << s.name;
                    EXPECT_NEAR(DryBulb, base.DryBulb, 1.0) << s.name;
                    EXPECT_NEAR(WetBulb, base.WetBulb, 1.0) << s.name;
                    // From the wet bulb the dew point inherits its slack, several degrees in dry air.
                    EXPECT_NEAR(DewPoint, base.DewPoint, fromWetBulb ? 20.0 : 1.0) << s.name;
                    EXPECT_NEAR(Enthalpy, base.Enthalpy, 0.25) << s.name;
                    for (float v : {RelHumid, VaporPress, SatDegree, SpVol})
                        EXPECT_TRUE(std::isfinite(v)) << s.name;
                }
            }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SolverTest, ImpossiblePairsAreRefused) {
    RelHumid = 0.25f;
    DewPoint = Rankine(10);
    EXPECT_FALSE(Solve(CalcDryBulbWetBulb, DryBulb, Rankine(100), WetBulb, Rankine(40)));
    ExpectOneMessage("This combination is invalid, and results in a negative Humidity ratio");
    EXPECT_LT(HumidRatio, 0);
    EXPECT_EQ(RelHumid, 0.25f);  // nothing past the humidity ratio is touched
    EXPECT_EQ(DewPoint, Rankine(10));

    EXPECT_FALSE(Solve(CalcDryBulbDewPoint, DryBulb, Rankine(70), DewPoint, Rankine(80)));
    ExpectOneMessage("Error - Failure to converge iteration");
    EXPECT_FALSE(Solve(CalcWetBulbDewPoint, WetBulb, Rankine(60), DewPoint, Rankine(65)));
    ExpectOneMessage(MsgDewPointAboveWetBulb);
    // Drier than the 5e-5 lb/lb stop of the wet-bulb search can resolve.
    EXPECT_FALSE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(0), RelHumid, 0.001));
    ExpectOneMessage("Error-Data does not converge");
    // A search that wanders past the boiling point has failed to converge; the
    // inputs themselves (-20 F at 5 %) are fine.
    EXPECT_FALSE(Solve(CalcDewPointRelHumid, DewPoint, Rankine(-62.84), RelHumid, 0.05));
    ExpectOneMessage("Error-Data does not converge");
    // States with no water or a dew point well above the dry bulb are out of range, not
    // solved: -95 F at 50 %, a wet bulb of -200 F at 1 %, -200 C at 50 %, and a dew point
    // 6.9 F above -40 F, whose vapour pressures differ by less than the search's tolerance.
    for (auto [solve, first, a, second, b] :
         {std::tuple{&CalcDryBulbRelHumid, &DryBulb, -95.0, &RelHumid, 0.5},
          {&CalcWetBulbRelHumid, &WetBulb, -200.0, &RelHumid, 0.01},
          {&CalcDryBulbRelHumid, &DryBulb, -328.0, &RelHumid, 0.5},
          {&CalcDryBulbDewPoint, &DryBulb, -40.0, &DewPoint, Rankine(-33.1)},
          {&CalcDryBulbDewPoint, &DryBulb, 250.0, &DewPoint, Rankine(50)},     // boiling
          {&CalcWetBulbDewPoint, &WetBulb, 180.0, &DewPoint, Rankine(35)}}) {  // 2833 F dry bulb
        EXPECT_FALSE(Solve(solve, *first, Rankine(a), *second, b)) << a;
        ExpectOneMessage(MsgOutOfRange);
    }
    // Above 100 % there is nothing to solve for.
    EXPECT_FALSE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(70), RelHumid, 1.5));
    ExpectOneMessage(MsgOutOfRange);

    // A wet bulb above the dry bulb is supersaturated air, not an error.
    EXPECT_TRUE(Solve(CalcDryBulbWetBulb, DryBulb, Rankine(70), WetBulb, Rankine(72)));
    EXPECT_GT(RelHumid, 1);
    EXPECT_TRUE(messages.empty());
}
