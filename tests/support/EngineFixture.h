// Shared fixture of the engine tests: a clean shared state at sea-level pressure and a
// message sink that records instead of showing a box.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "Global.h"

struct EngineMessage {
    std::string text;
    Global::MsgIcon icon;
    std::string title;
};

// The six solvers with the two properties each one reads.
struct Solver {
    const char* name;
    bool (*solve)();
    float* first;
    float* second;
};

inline const std::array<Solver, 6> kSolvers = {
    {{"DryBulbWetBulb", Global::CalcDryBulbWetBulb, &Global::DryBulb, &Global::WetBulb},
     {"DryBulbDewPoint", Global::CalcDryBulbDewPoint, &Global::DryBulb, &Global::DewPoint},
     {"DryBulbRelHumid", Global::CalcDryBulbRelHumid, &Global::DryBulb, &Global::RelHumid},
     {"WetBulbDewPoint", Global::CalcWetBulbDewPoint, &Global::WetBulb, &Global::DewPoint},
     {"WetBulbRelHumid", Global::CalcWetBulbRelHumid, &Global::WetBulb, &Global::RelHumid},
     {"DewPointRelHumid", Global::CalcDewPointRelHumid, &Global::DewPoint, &Global::RelHumid}}};

// Every float of the current moist-air state but Press, PressInHg and Alt: the point
// record's nine, then the working values.
inline const std::array<float*, 13> kStateVars = {
    &Global::DryBulb,         &Global::WetBulb,    &Global::DewPoint,    &Global::RelHumid,
    &Global::Enthalpy,        &Global::HumidRatio, &Global::VaporPress,  &Global::SatDegree,
    &Global::SpVol,           &Global::SatPress,   &Global::SatPressWet, &Global::HumidRatioSat,
    &Global::HumidRatioSatWet};

inline float Rankine(double fahrenheit) {
    return static_cast<float>(fahrenheit + 459.67);
}
inline double Fahrenheit(double rankine) {
    return rankine - 459.67;
}

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Global::ResetState();
        SetPressure(14.697f);
        Global::SetMessageSink(
            [this](const std::string& text, Global::MsgIcon icon, const std::string& title) {
                messages.push_back({text, icon, title});
            });
    }
    void TearDown() override { Global::SetMessageSink({}); }

    static void SetPressure(float psia) {
        Global::Press = psia;
        Global::PressInHg = static_cast<float>(Global::Press * 2.036026);
    }

    // NaN in everything a solver writes, so a value it forgets shows up.
    static void PoisonState() {
        for (float* var : kStateVars) *var = NAN;
    }

    static bool Solve(bool (*solve)(), float& first, double a, float& second, double b) {
        first = static_cast<float>(a);
        second = static_cast<float>(b);
        return solve();
    }

    // A refusal shows exactly one critical message under the program's title.
    void ExpectOneMessage(const std::string& text) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, text);
        EXPECT_EQ(messages[0].icon, Global::MsgIcon::Critical);
        EXPECT_EQ(messages[0].title, "Zolvane");
        messages.clear();
    }

    std::vector<EngineMessage> messages;
};
