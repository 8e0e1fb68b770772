// Engine tests: a clean state at sea-level pressure and a recording message sink.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "Global.h"
#include "support/RecordingSink.h"

// The six solvers with the two properties each one reads.
struct Solver {
    const char* name;
    bool (*solve)();
    float *first, *second;
};

inline const std::array<Solver, 6> kSolvers = {
    {{"DryBulbWetBulb", Global::CalcDryBulbWetBulb, &Global::DryBulb, &Global::WetBulb},
     {"DryBulbDewPoint", Global::CalcDryBulbDewPoint, &Global::DryBulb, &Global::DewPoint},
     {"DryBulbRelHumid", Global::CalcDryBulbRelHumid, &Global::DryBulb, &Global::RelHumid},
     {"WetBulbDewPoint", Global::CalcWetBulbDewPoint, &Global::WetBulb, &Global::DewPoint},
     {"WetBulbRelHumid", Global::CalcWetBulbRelHumid, &Global::WetBulb, &Global::RelHumid},
     {"DewPointRelHumid", Global::CalcDewPointRelHumid, &Global::DewPoint, &Global::RelHumid}}};

// Every float of the moist-air state but the pressures: the point record's nine, then the working values.
inline const std::array<float*, 13> kStateVars = {
    &Global::DryBulb,         &Global::WetBulb,    &Global::DewPoint,    &Global::RelHumid,
    &Global::Enthalpy,        &Global::HumidRatio, &Global::VaporPress,  &Global::SatDegree,
    &Global::SpVol,           &Global::SatPress,   &Global::SatPressWet, &Global::HumidRatioSat,
    &Global::HumidRatioSatWet};

inline constexpr auto Rankine = [](double fahrenheit) { return static_cast<float>(fahrenheit + 459.67); };
inline constexpr auto Fahrenheit = [](double rankine) { return rankine - 459.67; };

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override { Global::ResetState(), SetPressure(14.697f); }
    static void SetPressure(float psia) { Global::Press = psia, Global::PressInHg = float(psia * 2.036026); }
    // NaN in everything a solver writes, so a value it forgets shows up.
    static void PoisonState() {
        for (float* var : kStateVars) *var = NAN;
    }
    // Sets the solver's two inputs (temperatures in R) and solves.
    static bool Solve(bool (*solve)(), double a, double b) {
        for (const Solver& s : kSolvers)
            if (s.solve == solve) *s.first = static_cast<float>(a), *s.second = static_cast<float>(b);
        return solve();
    }
    // A refusal shows exactly one critical message under the program's title: `text`, when given.
    void ExpectOneMessage(const std::string& text = "") {
        ASSERT_EQ(sink.messages.size(), 1u);
        const auto& m = sink.messages[0];
        EXPECT_EQ((text.empty() ? "" : m.text) + "|" + m.title, text + "|Zolvane");
        EXPECT_EQ(m.icon, Global::MsgIcon::Critical) << m.text;
        sink.messages.clear();
    }
    RecordingMessageSink sink;
};
