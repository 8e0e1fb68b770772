#include <cmath>
#include <sstream>
#include <vector>

#include "support/EngineFixture.h"

using namespace Global;

class RobustnessTest : public EngineFixture {
protected:
    // Solves from ordinary inputs with one of them (or nothing) replaced; the solver must
    // refuse with one critical message and leave nothing non-finite but what was written.
    void ExpectCleanFailure(const Solver& s, float* input = nullptr, float value = 0) {
        std::ostringstream trace;
        trace << s.name << " given " << value << " at " << Press << " psia";
        SCOPED_TRACE(trace.str());
        DryBulb = Rankine(75), WetBulb = Rankine(62.5), DewPoint = Rankine(55), RelHumid = 0.5f;
        if (input) *input = value;
        EXPECT_FALSE(s.solve());
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].icon, MsgIcon::Critical);
        sink.messages.clear();
        for (std::size_t i = 0; i < kStateVars.size(); ++i)
            EXPECT_TRUE(kStateVars[i] == input || std::isfinite(*kStateVars[i])) << "state variable #" << i;
    }
};

TEST_F(RobustnessTest, HostileInputsAndPressuresFailCleanly) {
    for (const Solver& s : kSolvers) {
        const std::vector<float> rh = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f, 0.0f, -0.5f},
                                 temp = {NAN,   HUGE_VALF,    -HUGE_VALF,  -1e30f,
                                         1e30f, Rankine(212), Rankine(250)};
        for (float* input : {s.first, s.second})  // 212 F and above boil at 14.697 psia
            for (float value : input == &RelHumid ? rh : temp) ExpectCleanFailure(s, input, value);
        for (float press : {0.0f, -14.697f, float(NAN), HUGE_VALF}) {
            SetPressure(press);
            ExpectCleanFailure(s);
        }
        SetPressure(14.697f);
        PressInHg = 0;
        ExpectCleanFailure(s);
        SetPressure(14.697f);
    }
}
