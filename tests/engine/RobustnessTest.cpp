#include <cmath>
#include <vector>

#include "support/EngineFixture.h"

using namespace Global;

class RobustnessTest : public EngineFixture {};

// One hostile input or pressure: one critical message, and nothing non-finite but that input.
TEST_F(RobustnessTest, HostileInputsAndPressuresFailCleanly) {
    auto expectCleanFailure = [&](const Solver& s, float* input = nullptr, float value = 0) {
        SCOPED_TRACE(testing::Message() << s.name << " given " << value << " at " << Press << " psia");
        DryBulb = Rankine(75), WetBulb = Rankine(62.5), DewPoint = Rankine(55), RelHumid = 0.5f;
        if (input) *input = value;
        EXPECT_FALSE(s.solve());
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].icon, MsgIcon::Critical);
        sink.messages.clear();
        for (std::size_t i = 0; i < kStateVars.size(); ++i)
            EXPECT_TRUE(kStateVars[i] == input || std::isfinite(*kStateVars[i])) << "state variable #" << i;
    };
    const std::vector<float> rh = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f, 0.0f, -0.5f},
                             temp = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f, Rankine(212), Rankine(250)};
    for (const Solver& s : kSolvers) {
        for (float* input : {s.first, s.second})  // 212 F and above boil at 14.697 psia
            for (float value : input == &RelHumid ? rh : temp) expectCleanFailure(s, input, value);
        for (float press : {0.0f, -14.697f, float(NAN), HUGE_VALF, 14.697f}) {
            SetPressure(press);
            if (press == 14.697f) PressInHg = 0;
            expectCleanFailure(s);
        }
        SetPressure(14.697f);
    }
}
