#include <algorithm>
#include <cfloat>
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

    EXPECT_TRUE(messages.empty());
}

// States computed apart from the engine (tools/reference_states.py: the relations and
// searches written out again, every stored value rounded to a float). Each search's
// start gain, pass limits, tolerance, constants, the midpoint of the stepwise search and
// the last trial's humidity ratio leave their mark at float tolerance; among them are
// states after restarts and after a give-up, whose state is that of the last trial.
TEST_F(SolverTest, ReferenceStates) {
    const struct {
        bool (*solve)();
        float a, b, press;
        bool solved;
        std::array<float, 13> state;  // in the order of kStateVars
    } cases[] = {
        // clang-format off
        {CalcDryBulbWetBulb, 534.669983f, 522.169983f, 14.697f, true, {534.669983f, 522.169983f, 514.726196f, 0.498040497f, 28.0597343f, 0.0091928523f, 0.214057595f, 0.490621537f, 13.6769705f, 0.0f, 0.279912174f, 0.0187371559f, 0.0120759327f}},
        {CalcDryBulbWetBulb, 479.670013f, 477.670013f, 12.2273f, true, {479.670013f, 477.670013f, 473.392303f, 0.735932052f, 6.82831049f, 0.00189582678f, 0.0371561795f, 0.735127151f, 14.5778866f, 0.0f, 0.0458405353f, 0.00257890997f, 0.0023405978f}},
        {CalcDryBulbDewPoint, 534.669983f, 514.669983f, 14.697f, true, {534.669983f, 522.192566f, 514.669983f, 0.498835653f, 28.0760326f, 0.00920774695f, 0.213968977f, 0.491416454f, 13.6772938f, 0.0f, 0.280134976f, 0.0187371559f, 0.0120857311f}},
        {CalcDryBulbDewPoint, 569.669983f, 499.670013f, 12.2273f, true, {569.669983f, 525.52124f, 499.670013f, 0.0959080979f, 33.3764f, 0.00628595613f, 0.121650927f, 0.0867710188f, 17.4349518f, 0.0f, 0.314730406f, 0.0724430382f, 0.0164327286f}},
        {CalcDryBulbRelHumid, 534.669983f, 0.5f, 14.697f, true, {534.669983f, 522.300964f, 514.833984f, 0.5f, 28.0999012f, 0.00922955759f, 0.214899793f, 0.492580503f, 13.6777658f, 0.429799587f, 0.281206727f, 0.0187371559f, 0.012132871f}},
        {CalcDryBulbRelHumid, 499.670013f, 0.9f, 12.2273f, true, {499.670013f, 498.421875f, 496.97467f, 0.899999976f, 15.6622686f, 0.00561966049f, 0.109485835f, 0.899096489f, 15.2763596f, 0.121650927f, 0.115866892f, 0.00625034189f, 0.00595031912f}},
        {CalcDryBulbRelHumid, 519.669983f, 0.37f, 14.697f, true, {519.669983f, 507.130768f, 493.309784f, 0.370000005f, 18.7913551f, 0.00403751153f, 0.0947885737f, 0.365910441f, 13.1846876f, 0.256185323f, 0.161858484f, 0.0110341525f, 0.0069261617f}},
        {CalcWetBulbDewPoint, 522.169983f, 514.669983f, 14.697f, true, {534.686768f, 522.169983f, 514.669983f, 0.497555286f, 28.0596046f, 0.00918899011f, 0.213968977f, 0.490132272f, 13.6773167f, 0.0f, 0.279912174f, 0.0187479798f, 0.0120759327f}},
        {CalcWetBulbDewPoint, 479.670013f, 449.670013f, 14.697f, true, {487.260986f, 479.670013f, 449.670013f, 0.149759635f, 7.1140976f, 0.000458663679f, 0.0108299507f, 0.149132654f, 12.2917547f, 0.0f, 0.0504886024f, 0.00307554146f, 0.00214405335f}},
        {CalcWetBulbRelHumid, 522.169983f, 0.5f, 14.697f, true, {534.602295f, 522.169983f, 514.771912f, 0.5f, 28.0601921f, 0.00920836907f, 0.214414433f, 0.492595673f, 13.6755753f, 0.0f, 0.279912174f, 0.0186935645f, 0.0120759327f}},
        {CalcWetBulbRelHumid, 539.669983f, 0.1f, 12.2273f, true, {596.038452f, 539.669983f, 520.454834f, 0.100000001f, 48.0693398f, 0.0136783412f, 0.263112634f, 0.0802072063f, 18.4566135f, 0.0f, 0.507026613f, 0.170537561f, 0.0269072577f}},
        {CalcDewPointRelHumid, 509.670013f, 0.5f, 14.697f, true, {529.094971f, 517.650024f, 509.670013f, 0.5f, 24.9874058f, 0.00762522919f, 0.177997231f, 0.493870199f, 13.5007458f, 0.355994463f, 0.238323137f, 0.0154397432f, 0.0102521293f}},
        {CalcDewPointRelHumid, 489.670013f, 0.05f, 14.697f, true, {578.014771f, 528.046814f, 489.670013f, 0.0500000007f, 32.2343674f, 0.00344092213f, 0.0808595121f, 0.0447444022f, 14.6509933f, 1.61719024f, 0.343421698f, 0.0769017339f, 0.0148814069f}},
        {CalcDryBulbDewPoint, 449.670013f, 447.670013f, 14.697f, true, {449.670013f, 449.4086f, 447.670013f, 0.861269236f, -1.98266351f, 0.000394992501f, 0.00970188435f, 0.86118114f, 11.3423166f, 0.0f, 0.0106759574f, 0.000458663679f, 0.000452137116f}},
        {CalcDryBulbRelHumid, 419.670013f, 0.2f, 14.697f, true, {419.670013f, 419.225922f, 399.042053f, 0.200000003f, -9.58354568f, 1.57692975e-05f, 0.000372609211f, 0.199979737f, 10.5791569f, 0.00186304597f, 0.00181170215f, 7.88544785e-05f, 7.66810554e-05f}},
        {CalcDewPointRelHumid, 404.670013f, 0.5f, 14.697f, true, {415.147278f, 415.008026f, 404.670013f, 0.5f, -10.6545715f, 2.96587605e-05f, 0.000700784614f, 0.499976158f, 10.4653797f, 0.00140156923f, 0.00138523523f, 5.93203513e-05f, 5.86289607e-05f}},
        {CalcDryBulbRelHumid, 429.670013f, 0.002f, 14.697f, false, {429.670013f, 0.0f, 365.183441f, 0.00200000009f, -7.1996913f, 2.91380843e-07f, 6.8851441e-06f, 0.00199953257f, 10.8309698f, 0.00344257196f, 0.00344257196f, 0.00014572448f, 0.00014572448f}},
    };  // clang-format on
    for (const auto& c : cases) {
        auto solver =
            std::find_if(kSolvers.begin(), kSolvers.end(), [&](auto& s) { return s.solve == c.solve; });
        SCOPED_TRACE(std::string(solver->name) + " " + std::to_string(c.a) + ", " + std::to_string(c.b));
        ResetState();
        SetPressure(c.press);
        EXPECT_EQ(Solve(c.solve, *solver->first, c.a, *solver->second, c.b), c.solved);
        for (std::size_t i = 0; i < kStateVars.size(); ++i)
            EXPECT_NEAR(*kStateVars[i], c.state[i], 4 * FLT_EPSILON * std::fabs(c.state[i])) << "#" << i;
        messages.clear();
    }
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
