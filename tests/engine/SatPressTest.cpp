#include <cmath>

#include "support/EngineFixture.h"

using namespace Global;

TEST(SatPressTest, MatchesTabulatedValues) {
    EXPECT_NEAR(CalcSatPress(Rankine(-40)), 0.001864, 0.000005);
    EXPECT_NEAR(CalcSatPress(Rankine(0)), 0.01850, 0.00002);
    EXPECT_NEAR(CalcSatPress(Rankine(80)), 0.5073, 0.0005);
    EXPECT_NEAR(CalcSatPress(Rankine(100)), 0.9497, 0.001);
    EXPECT_NEAR(CalcSatPress(Rankine(212)), 14.696, 0.005);  // boils at one atmosphere
    for (int f = -100; f < 250; ++f) EXPECT_LT(CalcSatPress(Rankine(f)), CalcSatPress(Rankine(f + 1))) << f;

    // Over ice and over water the pressures at 32 F differ by about 0.05 %.
    EXPECT_NEAR(CalcSatPress(491.67f), 0.08865, 0.000015);
    EXPECT_NEAR(CalcSatPress(std::nextafter(491.67f, 1000.0f)), 0.08859, 0.000015);
}

TEST(SatPressTest, DewPointCorrelation) {
    // Both forms give about 32.3 F at the switch; the lower one holds the switch value itself,
    // a float just below the decimal 0.08994139.
    const float knee = 0.08994139f;
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(knee)), 32.3333, 0.002);
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(std::nextafter(knee, 1.0f))), 32.3170, 0.002);
    EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(0.08994139)), 32.3170, 0.002);

    // Over the chart's range the correlation inverts the saturation pressure closely.
    for (int f = 0; f <= 200; f += 5)
        EXPECT_NEAR(Fahrenheit(DewPointFromVaporPress(CalcSatPress(Rankine(f)))), f, 0.1) << f;
    EXPECT_TRUE(std::isnan(DewPointFromVaporPress(0)));
    EXPECT_TRUE(std::isnan(DewPointFromVaporPress(-0.1)));
}

class EnthalpyTest : public EngineFixture {};

TEST_F(EnthalpyTest, TempFromEnthalpyInvertsTheSolvedEnthalpy) {
    EXPECT_NEAR(Fahrenheit(TempFromEnthalpy(28.1, 0.00923)), 75.0, 0.01);
    EXPECT_NEAR(Fahrenheit(TempFromEnthalpy(0, 0)), 0, 1e-9);
    for (int f : {-20, 32, 75, 120})
        for (float rh : {0.1f, 0.6f, 1.0f}) {
            ASSERT_TRUE(Solve(CalcDryBulbRelHumid, DryBulb, Rankine(f), RelHumid, rh));
            EXPECT_NEAR(TempFromEnthalpy(Enthalpy, HumidRatio), DryBulb, 0.01) << f << " F " << rh;
        }
}
