#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "support/EngineFixture.h"

using namespace Global;

class RobustnessTest : public EngineFixture {
protected:
    // Solves from ordinary inputs with one of them (or nothing) replaced; the solver must
    // refuse with one message and leave nothing non-finite but what was written.
    void ExpectCleanFailure(const Solver& s, float* input = nullptr, float value = 0) {
        std::ostringstream trace;
        trace << s.name << " given " << value << " at " << Press << " psia";
        SCOPED_TRACE(trace.str());
        DryBulb = Rankine(75);
        WetBulb = Rankine(62.5);
        DewPoint = Rankine(55);
        RelHumid = 0.5f;
        if (input) *input = value;
        EXPECT_FALSE(s.solve());
        EXPECT_EQ(messages.size(), 1u);
        for (const auto& m : messages) EXPECT_EQ(m.icon, MsgIcon::Critical);
        messages.clear();
        for (std::size_t i = 0; i < kStateVars.size(); ++i)
            EXPECT_TRUE(kStateVars[i] == input || std::isfinite(*kStateVars[i])) << "state variable #" << i;
    }
};

TEST_F(RobustnessTest, HostileInputsFailCleanly) {
    for (const Solver& s : kSolvers)
        for (float* input : {s.first, s.second}) {
            std::vector<float> bad = {NAN, HUGE_VALF, -HUGE_VALF, -1e30f, 1e30f};
            if (input == &RelHumid)
                bad.insert(bad.end(), {0.0f, -0.5f});
            else
                bad.insert(bad.end(), {Rankine(212), Rankine(250)});  // boiling at 14.697 psia
            for (float value : bad) ExpectCleanFailure(s, input, value);
        }
}

TEST_F(RobustnessTest, UnusablePressureFailsCleanly) {
    for (const Solver& s : kSolvers) {
        for (float press : {0.0f, -14.697f, float(NAN), HUGE_VALF}) {
            SetPressure(press);
            ExpectCleanFailure(s);
        }
        SetPressure(14.697f);
        PressInHg = 0;
        ExpectCleanFailure(s);
    }
}
