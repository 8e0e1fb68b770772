#include <cmath>

#include "support/EngineFixture.h"

using namespace Global;

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
    EXPECT_TRUE(std::isnan(DewPointFromVaporPress(0)) && std::isnan(DewPointFromVaporPress(-0.1)));
}
