#include <cfloat>
#include <map>
#include <vector>

#include "support/EngineFixture.h"

using namespace Global;

class SolverTest : public EngineFixture {};

TEST(SatPressTest, MatchesTabulatedValuesAndRises) {
    // Tabulated psia; at 32 F over ice and over water differ by about 0.05 %; boils at one atmosphere.
    const double cases[][3] = {
        {Rankine(-40), 0.001864, 5e-6}, {Rankine(0), 0.01850, 2e-5},
        {491.67f, 0.08865, 1.5e-5},     {std::nextafter(491.67f, 1e3f), 0.08859, 1.5e-5},
        {Rankine(80), 0.5073, 5e-4},    {Rankine(100), 0.9497, 1e-3},
        {Rankine(212), 14.696, 5e-3}};
    for (const auto& c : cases) EXPECT_NEAR(CalcSatPress(float(c[0])), c[1], c[2]) << c[0];
    for (int f = -100; f < 250; ++f) EXPECT_LT(CalcSatPress(Rankine(f)), CalcSatPress(Rankine(f + 1))) << f;
}

TEST(SatPressTest, DewPointCorrelation) {
    // Both forms give about 32.3 F at the switch, which the lower one holds (a float below 0.08994139).
    const float knee = 0.08994139f;
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(knee)), 32.3333, 0.002);
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(std::nextafter(knee, 1.0f))), 32.3170, 0.002);
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(0.08994139)), 32.3170, 0.002);
    for (int f = 0; f <= 200; f += 5)
        EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(CalcSatPress(Rankine(f)))), f, 0.1) << f;
    for (double pw : {0.0, -0.1}) EXPECT_TRUE(std::isnan(DewPointFromVaporPress(pw))) << pw;
}

// States computed apart from the engine (tools/reference_states.py), rounded to floats: restarts,
// a give-up (the last trial's state) and the textbook 75 F at 50 % among them.
TEST_F(SolverTest, ReferenceStates) {
    // clang-format off
    const struct { bool (*solve)(); float a, b, press; bool solved; std::array<float, 13> state; } cases[] = {
        {CalcDryBulbWetBulb, 534.669983f, 522.169983f, 14.697f, true, {534.669983f, 522.169983f, 514.726196f, 0.498040497f, 28.0597343f, 0.0091928523f, 0.214057595f, 0.490621537f, 13.6769705f, 0.0f, 0.279912174f, 0.0187371559f, 0.0120759327f}},
        {CalcDryBulbWetBulb, 479.670013f, 477.670013f, 12.2273f, true, {479.670013f, 477.670013f, 473.392303f, 0.735932052f, 6.82831049f, 0.00189582678f, 0.0371561795f, 0.735127151f, 14.5778866f, 0.0f, 0.0458405353f, 0.00257890997f, 0.0023405978f}},
        {CalcDryBulbDewPoint, 534.669983f, 514.669983f, 14.697f, true, {534.669983f, 522.164124f, 514.669983f, 0.497834295f, 28.0555077f, 0.00918899011f, 0.213968977f, 0.490415424f, 13.6768875f, 0.0f, 0.279854387f, 0.0187371559f, 0.0120733911f}},
        {CalcDryBulbDewPoint, 569.669983f, 499.670013f, 12.2273f, true, {569.669983f, 525.47644f, 499.670013f, 0.0953701213f, 33.3368759f, 0.00625034189f, 0.121650927f, 0.0862793997f, 17.4339638f, 0.0f, 0.314241052f, 0.0724430382f, 0.0164065044f}},
        {CalcDryBulbRelHumid, 534.669983f, 0.5f, 14.697f, true, {534.669983f, 522.300964f, 514.833984f, 0.5f, 28.0999012f, 0.00922955759f, 0.214899793f, 0.492580503f, 13.6777658f, 0.429799587f, 0.281206727f, 0.0187371559f, 0.012132871f}},
        {CalcDryBulbRelHumid, 499.670013f, 0.9f, 12.2273f, true, {499.670013f, 498.421875f, 496.97467f, 0.899999976f, 15.6622686f, 0.00561966049f, 0.109485835f, 0.899096489f, 15.2763596f, 0.121650927f, 0.115866892f, 0.00625034189f, 0.00595031912f}},
        {CalcDryBulbRelHumid, 519.669983f, 0.37f, 14.697f, true, {519.669983f, 507.130768f, 493.309784f, 0.370000005f, 18.7913551f, 0.00403751153f, 0.0947885737f, 0.365910441f, 13.1846876f, 0.256185323f, 0.161858484f, 0.0110341525f, 0.0069261617f}},
        {CalcWetBulbDewPoint, 522.169983f, 514.669983f, 14.697f, true, {534.686768f, 522.169983f, 514.669983f, 0.497555286f, 28.0596046f, 0.00918899011f, 0.213968977f, 0.490132272f, 13.6773167f, 0.0f, 0.279912174f, 0.0187479798f, 0.0120759327f}},
        {CalcWetBulbDewPoint, 479.670013f, 449.670013f, 14.697f, true, {487.260986f, 479.670013f, 449.670013f, 0.149759635f, 7.1140976f, 0.000458663679f, 0.0108299507f, 0.149132654f, 12.2917547f, 0.0f, 0.0504886024f, 0.00307554146f, 0.00214405335f}},
        {CalcWetBulbRelHumid, 522.169983f, 0.5f, 14.697f, true, {534.602295f, 522.169983f, 514.771912f, 0.5f, 28.0601921f, 0.00920836907f, 0.214414433f, 0.492595673f, 13.6755753f, 0.0f, 0.279912174f, 0.0186935645f, 0.0120759327f}},
        {CalcWetBulbRelHumid, 539.669983f, 0.1f, 12.2273f, true, {596.038452f, 539.669983f, 520.454834f, 0.100000001f, 48.0693398f, 0.0136783412f, 0.263112634f, 0.0802072063f, 18.4566135f, 0.0f, 0.507026613f, 0.170537561f, 0.0269072577f}},
        {CalcDewPointRelHumid, 509.670013f, 0.5f, 14.697f, true, {529.094971f, 517.650024f, 509.670013f, 0.5f, 24.9874058f, 0.00762522919f, 0.177997231f, 0.493870199f, 13.5007458f, 0.355994463f, 0.238323137f, 0.0154397432f, 0.0102521293f}},
        {CalcDewPointRelHumid, 489.670013f, 0.05f, 14.697f, true, {578.014771f, 528.046814f, 489.670013f, 0.0500000007f, 32.2343674f, 0.00344092213f, 0.0808595121f, 0.0447444022f, 14.6509933f, 1.61719024f, 0.343421698f, 0.0769017339f, 0.0148814069f}},
        {CalcDryBulbDewPoint, 449.670013f, 447.670013f, 14.697f, true, {449.670013f, 449.473785f, 447.670013f, 0.89583832f, -1.96590173f, 0.000410856941f, 0.00970188435f, 0.895769536f, 11.3426056f, 0.0f, 0.0107141649f, 0.000458663679f, 0.000453756424f}},
        {CalcDryBulbRelHumid, 419.670013f, 0.2f, 14.697f, true, {419.670013f, 419.225922f, 399.042053f, 0.200000003f, -9.58354568f, 1.57692975e-05f, 0.000372609211f, 0.199979737f, 10.5791569f, 0.00186304597f, 0.00181170215f, 7.88544785e-05f, 7.66810554e-05f}},
        {CalcDewPointRelHumid, 404.670013f, 0.5f, 14.697f, true, {415.147278f, 415.008026f, 404.670013f, 0.5f, -10.6545715f, 2.96587605e-05f, 0.000700784614f, 0.499976158f, 10.4653797f, 0.00140156923f, 0.00138523523f, 5.93203513e-05f, 5.86289607e-05f}},
        {CalcDryBulbRelHumid, 429.670013f, 0.002f, 14.697f, false, {429.670013f, 0.0f, 365.183441f, 0.00200000009f, -7.1996913f, 2.91380843e-07f, 6.8851441e-06f, 0.00199953257f, 10.8309698f, 0.00344257196f, 0.00344257196f, 0.00014572448f, 0.00014572448f}},
    };  // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        ResetState(), SetPressure(c.press), sink.messages.clear();
        EXPECT_EQ(Solve(c.solve, c.a, c.b), c.solved);
        for (std::size_t i = 0; i < kStateVars.size(); ++i)
            EXPECT_NEAR(*kStateVars[i], c.state[i], 4 * FLT_EPSILON * std::fabs(c.state[i])) << "#" << i;
    }
}

// From a dry bulb and a dew point W is the dew point's own, from its saturation pressure, as closely
// as a float wet bulb holds it: one float step of it moves W up to 6e-8 (0.01 F moves it 5e-6).
TEST_F(SolverTest, DryBulbAndDewPointKeepTheDewPointsHumidityRatio) {
    for (float press : {14.697f, 17.5f, 9.0f, 6.8447f})
        for (double dry : {-20.0, 5.0, 30.0, 55.0, 75.0, 105.0, 130.0, 160.0})
            for (double dew : {-200.0, -10.0, 20.0, 57.8, 75.0, 110.0, 150.0}) {
                if (dew > dry || !(CalcSatPress(Rankine(dry)) < press)) continue;
                SetPressure(press);
                const double pw = CalcSatPress(Rankine(dew)), own = 0.62198 * pw / (press - pw);
                EXPECT_NEAR(Solve(CalcDryBulbDewPoint, Rankine(dry), Rankine(dew)) ? HumidRatio : NAN, own,
                            3e-8 + 1e-5 * own)
                    << dry << " F, dew point " << dew << " F, " << press << " psia";
            }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SolverTest, SaturatedShortCuts) {
    const auto one = [](float v) { return std::fabs(v - 1) < 1e-6f; };
    for (int f : {-10, 40, 90}) {
        SCOPED_TRACE(std::to_string(f) + " F");
        const float t = Rankine(f);
        EXPECT_TRUE(Solve(CalcDryBulbRelHumid, t, 0.9999f) && WetBulb == t && DewPoint == t);
        // Just below, the dew point comes from the correlation, up to 0.1 R above the dry bulb.
        EXPECT_TRUE(Solve(CalcDryBulbRelHumid, t, std::nextafter(0.9999f, 0.0f)) && DewPoint != t &&
                    DewPoint < t + 0.1f);
        EXPECT_TRUE(Solve(CalcDewPointRelHumid, t, 1) && DryBulb == t && WetBulb == t && one(SatDegree));
        EXPECT_TRUE(Solve(CalcWetBulbRelHumid, t, 1) && DryBulb == t && DewPoint == t &&
                    one(HumidRatio / HumidRatioSat));
        EXPECT_TRUE(Solve(CalcDryBulbDewPoint, t, t) && WetBulb == t && RelHumid == 1);
        // Within the correlation's slack: saturated air, never more (a point the chart file can hold).
        EXPECT_EQ(Solve(CalcDryBulbDewPoint, t, t + 0.03f) ? VaporPress : -1, SatPress);
        EXPECT_LE(Solve(CalcWetBulbDewPoint, t, t + 0.03f) ? RelHumid : 2, 1.00001f);
        EXPECT_TRUE(Solve(CalcWetBulbDewPoint, t, t) && DryBulb == t && one(RelHumid));
        // Dry and wet bulb count as equal within 0.0001 R.
        EXPECT_TRUE(Solve(CalcDryBulbWetBulb, t, std::nextafter(t, 0.0f)) && RelHumid == 1 && DewPoint == t);
        EXPECT_TRUE(Solve(CalcDryBulbWetBulb, t, t - 0.0002f) && RelHumid < 1);
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Solved again from each other pair, a state is the same air within the searches' tolerances
// (wet bulb |dW| < 5e-5 lb/lb, dew-point correlation 0.07 F); NaN elsewhere shows a stray read.
TEST_F(SolverTest, RoundTripsAgreeAcrossTheChart) {
    for (float press : {14.697f, 12.228f})
        for (int f = -20; f <= 120; f += 20)
            for (int rh : {20, 50, 80, 95}) {
                SCOPED_TRACE(testing::Message() << f << " F, " << rh << " %, " << press);
                SetPressure(press), PoisonState();
                ASSERT_TRUE(Solve(CalcDryBulbRelHumid, Rankine(f), rh / 100.0));
                if (Fahrenheit(DewPoint) < -40) continue;
                std::map<const float*, float> base;  // the state to solve again
                for (float* var : kStateVars) base[var] = *var;
                for (const Solver& s : kSolvers) {
                    PoisonState();
                    ASSERT_TRUE(Solve(s.solve, base[s.first], base[s.second])) << s.name;
                    // From the wet bulb the dew point inherits its slack, several degrees in dry air.
                    const bool fromWetBulb = s.solve == CalcDryBulbWetBulb;
                    EXPECT_NEAR(HumidRatio, base[&HumidRatio], fromWetBulb ? 5.1e-5 : 2e-4) << s.name;
                    EXPECT_NEAR(DewPoint, base[&DewPoint], fromWetBulb ? 20.0 : 1.0) << s.name;
                    EXPECT_NEAR(DryBulb, base[&DryBulb], 1) << s.name;
                    EXPECT_NEAR(WetBulb, base[&WetBulb], 1) << s.name;
                    EXPECT_NEAR(Enthalpy, base[&Enthalpy], 0.25f) << s.name;
                    for (float v : {RelHumid, VaporPress, SatDegree, SpVol}) EXPECT_TRUE(std::isfinite(v));
                }
            }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SolverTest, ImpossibleStatesAreRefused) {
    RelHumid = 0.25f, DewPoint = Rankine(10);
    EXPECT_FALSE(Solve(CalcDryBulbWetBulb, Rankine(100), Rankine(40)));
    ExpectOneMessage("This combination is invalid, and results in a negative Humidity ratio");
    EXPECT_TRUE(HumidRatio < 0 && RelHumid == 0.25f && DewPoint == Rankine(10)) << "nothing past W touched";
    // First inputs in F, second ones as given.
    const char *converge = "Error-Data does not converge", *out = MsgOutOfRange,
               *dew = MsgDewPointAboveDryBulb;
    // clang-format off
    const struct { bool (*solve)(); double a, b; const char* text; } cases[] = {
        {CalcWetBulbDewPoint, 60, Rankine(65), MsgDewPointAboveWetBulb},
        {CalcDryBulbRelHumid, 0, 0.001, converge},  // drier than the wet-bulb search's 5e-5 lb/lb stop
        {CalcDewPointRelHumid, -62.84, 0.05, converge},  // -20 F at 5 %, but the search passes boiling
        // No water: out of range. A dew point above the dry or wet bulb by more than 0.1 R: said so.
        {CalcDryBulbRelHumid, -95, 0.5, out}, {CalcWetBulbRelHumid, -200, 0.01, out}, {CalcDryBulbRelHumid, 70, 1.5, out},
        {CalcDryBulbRelHumid, -328, 0.5, out}, {CalcDryBulbDewPoint, -40, Rankine(-33.1), dew},
        {CalcDryBulbDewPoint, 100, Rankine(150), dew}, {CalcDryBulbDewPoint, 70, Rankine(70.12), dew},
        {CalcWetBulbDewPoint, 60, Rankine(60.12), MsgDewPointAboveWetBulb},
        {CalcWetBulbDewPoint, 70, Rankine(250), MsgDewPointAboveWetBulb}, {CalcDryBulbDewPoint, 70, Rankine(250), dew},
        // Boiling, and a 2833 F dry bulb.
        {CalcDryBulbDewPoint, 250, Rankine(50), out}, {CalcWetBulbDewPoint, 180, Rankine(35), out}};  // clang-format on
    for (const auto& c : cases) {
        EXPECT_FALSE(Solve(c.solve, Rankine(c.a), c.b)) << c.a << ", " << c.b;
        ExpectOneMessage(c.text);
    }
    // The solver takes a wet bulb above the dry bulb (supersaturated air): the searches along a
    // process line pass through such trials. Only the chart window refuses it as a point.
    EXPECT_TRUE(Solve(CalcDryBulbWetBulb, Rankine(70), Rankine(72)) && RelHumid > 1 && sink.messages.empty());
}

// One hostile input or pressure: one critical message, and nothing non-finite but that input.
TEST_F(SolverTest, HostileInputsAndPressuresFailCleanly) {
    const std::vector<float> rh = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f, 0.0f, -0.5f},
                             temp = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f, Rankine(212), Rankine(250)},
                             press = {0.0f, -14.697f, float(NAN), HUGE_VALF, 14.697f};  // 212 F and up boil
    for (const Solver& s : kSolvers)
        for (float* input : {s.first, s.second, static_cast<float*>(nullptr)})  // none: the pressure
            for (float value : !input ? press : input == &RelHumid ? rh : temp) {
                SCOPED_TRACE(testing::Message() << s.name << " given " << value << (input ? "" : " psia"));
                DryBulb = Rankine(75), WetBulb = Rankine(62.5), DewPoint = Rankine(55), RelHumid = 0.5f;
                input ? void(*input = value) : SetPressure(value);
                if (!input && value == 14.697f) PressInHg = 0;  // sea level in psia, none in inches
                EXPECT_FALSE(s.solve());
                ExpectOneMessage(), SetPressure(14.697f);
                for (std::size_t i = 0; i < kStateVars.size(); ++i)
                    EXPECT_TRUE(kStateVars[i] == input || std::isfinite(*kStateVars[i]))
                        << "state variable #" << i;
            }
}
