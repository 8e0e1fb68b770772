// Checking the visible calculator's input boxes before any calculation.
#include <QGroupBox>
#include <QLineEdit>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "CalcShared.h"
#include "Global.h"
#include "frmZolvaneCalc.h"

namespace {

enum class Rule { Point, Positive, Temperature, RelHumid, HumidRatio };

struct Check {
    const QLineEdit* box;
    Rule rule;
    const char* message;
};

constexpr const char* InvalidFlow = "Invalid Flowrate, Flow must be Greater than 0";

// The box of the chosen quantity; a choice outside 0 to 5 checks nothing.
std::optional<Check> ParameterCheck(const QLineEdit* box, int32_t kind) {
    switch (kind) {
        case 0:
        case 1:
        case 2:
            return Check{box, Rule::Temperature, "Invalid Input Temperature"};
        case 3:
            return Check{box, Rule::RelHumid, "Invalid Relative Humidity"};
        case 4:
            return Check{box, Rule::HumidRatio, "Invalid Humidity Ratio"};
        case 5:
            return Check{box, Rule::Positive, InvalidFlow};
        default:
            return std::nullopt;
    }
}

bool InRange(Rule rule, double v) {
    switch (rule) {
        case Rule::Point:
            return v >= 1 && v <= Global::NumPoints;
        case Rule::Positive:
            return v > 0;
        case Rule::Temperature:
            return v > -200 && v <= 500;
        case Rule::RelHumid:
            return v > 0 && v <= 100;
        case Rule::HumidRatio:
            return v > 0 && v < 1;
    }
    return false;
}

// The message a box fails with, or nothing when it passes. The range is tested on
// the number the text begins with; the text must then be a number as a whole, and
// one a 32-bit float can hold without becoming infinite, or 0 where 0 is refused.
std::optional<std::string> Failure(const Check& check) {
    const std::string text = check.box->text().toStdString();
    if (text.empty()) return check.message;
    const double leading = Global::Val(text);
    if (!std::isfinite(leading)) return Calc::InvalidInput;
    if (!InRange(check.rule, leading)) return check.message;
    const std::optional<double> whole = Global::StrictVal(text);
    if (!whole) return check.message;
    if (check.rule == Rule::Point) return std::nullopt;
    const float stored = Global::ToFloat(*whole);
    if (!std::isfinite(stored)) return Calc::InvalidInput;
    if (stored == 0 && check.rule != Rule::Temperature) return check.message;
    return std::nullopt;
}

}  // namespace

bool frmZolvaneCalc::CalcInputCheck() {
    struct FrameChecks {
        const QGroupBox* frame;
        std::vector<Check> checks;
    };
    std::vector<FrameChecks> frames = {
        {frmHeatMoist,
         {{txtHeatMoistQ, Rule::Positive, "Invalid Sensible Heat Gain"},
          {txtMoistGainFlow, Rule::Positive, Calc::InvalidMoistureFlow},
          {txtMoistGainEnt, Rule::Positive, Calc::InvalidMoistureEnthalpy},
          {txtHeatMoistPoint, Rule::Point, "Invalid Known Point"}}},
        {frmCool,
         {{txtCoolInPoint, Rule::Point, "Invalid Inlet Point"},
          {txtCoolOutPoint, Rule::Point, "Invalid Outlet Point"},
          {txtCoolFlow, Rule::Positive, InvalidFlow},
          {txtCoolEnt, Rule::Positive, "Invalid Water Enthalpy"}}},
        {frmHeat,
         {{txtHeatInPoint, Rule::Point, "Invalid Inlet Point"},
          {txtHeatOutPoint, Rule::Point, "Invalid Outlet Point"},
          {txtHeatFlow, Rule::Positive, InvalidFlow}}},
        {frmAirAir,
         {{txtAirInPoint1, Rule::Point, "Invalid 1st Inlet Point"},
          {txtAirInPoint2, Rule::Point, "Invalid 2nd Inlet Point"},
          {txtAirFlowIn1, Rule::Positive, InvalidFlow},
          {txtAirFlowIn2, Rule::Positive, InvalidFlow}}},
        {frmWatAir,
         {{txtWatAirInPoint, Rule::Point, "Invalid Inlet Point"},
          {txtWatAirInFlow, Rule::Positive, InvalidFlow},
          {txtWatAirEnt, Rule::Positive, "Invalid Water Enthalpy"}}},
    };
    if (auto check = ParameterCheck(txtHMInputParam, HMInputKind)) frames[0].checks.push_back(*check);
    if (auto check = ParameterCheck(txtWatAirInput, WatAirInputKind)) frames[4].checks.push_back(*check);

    // isHidden, not isVisible: a frame of a window not shown yet is never "visible".
    for (const FrameChecks& f : frames) {
        if (f.frame->isHidden()) continue;
        for (const Check& check : f.checks) {
            if (const auto message = Failure(check)) {
                Global::ShowMessage(*message);
                return false;
            }
        }
        // The gains are read from the table: a gain box must hold a gain that could be stored.
        if (f.frame == frmHeatMoist && GainTextRefused(true)) return false;
    }
    return true;
}
