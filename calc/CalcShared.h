// What every calculator of the calculator window shares: reading its boxes strictly,
// showing results, handing a new state to the chart window, appending process lines,
// and the guard every Calculate and OK handler runs under.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

#include "Widgets.h"

class QLineEdit;
class frmZolvane;

namespace Calc {

using Chart::ShownFloat;

inline constexpr const char* InvalidInput = "Invalid Input";
inline constexpr const char* InvalidMoistureFlow = "Invalid Moisture Flowrate";
inline constexpr const char* InvalidMoistureEnthalpy = "Invalid Moisture Enthalpy";

using Chart::ReadNumber;

// A box as a 32-bit float; nothing when it is not a number or not finite as a float.
std::optional<float> ReadFloat(const QLineEdit* box);

// A point number: the strict number, within 1 to NumPoints, rounded half to even;
// nothing otherwise, so the result always indexes an existing point.
std::optional<int16_t> ReadPoint(const QLineEdit* box);

// Runs a Calculate or OK handler under the hourglass. Whatever way it ends the
// pointer is reset; a fault inside it (a refused reading, a table error) shows
// "Invalid Input" instead of ending the program.
void RunGuarded(const std::function<void()>& handler);

// Ends the handler run by RunGuarded with "Invalid Input".
[[noreturn]] void Refuse();

// Reads the box or refuses.
float FloatOrRefuse(const QLineEdit* box);
int16_t PointOrRefuse(const QLineEdit* box);

// A result shown in display units; a value that is not finite as a float refuses.
QString ShownOrRefuse(double displayValue, int digits = 99);

// A result shown in display units; the empty text when it is not finite as a float.
QString ShownOrEmpty(double displayValue, int digits = 99);

// Greys a calculator's results on every way out of its Calculate but the one that
// has shown them as current.
class ResultsGrey {
public:
    explicit ResultsGrey(std::function<void()> grey) : grey_(std::move(grey)) {}
    ~ResultsGrey() {
        if (grey_) grey_();
    }
    ResultsGrey(const ResultsGrey&) = delete;
    ResultsGrey& operator=(const ResultsGrey&) = delete;
    void Dismiss() { grey_ = nullptr; }

private:
    std::function<void()> grey_;
};

// A value typed for a chooser's quantity (0 to 2 a temperature, 3 a relative humidity
// in %, 4 a humidity ratio, 5 a flow) in internal units.
float GivenValue(int32_t kind, float typed);

// Clears the chart window's four input check boxes.
void ClearChartInputChecks(frmZolvane& chart);

// The partner of the dry bulb when a state is handed to the chart window.
enum class Partner { DewPoint, WetBulb, RelHumid };

// The current state's value of the partner: Global::DewPoint, WetBulb or RelHumid.
float PartnerValue(Partner partner);

// Makes the current state's dry bulb and partner (Global::DryBulb and DewPoint,
// WetBulb or RelHumid) a point of the chart window by the user's road: exactly those
// two input boxes ticked, their texts written in display units (temperatures with two
// decimals) and Calculate pressed. True when the chart window added the point
// (NumPoints is then its number); false after the chart window's own message, or,
// with nothing handed off, when `lines` more process lines would not fit.
bool HandOffState(frmZolvane& chart, Partner partner, int lines);

// Appends process lines (From, To) after the last one, redraws the chart's points and
// lines and marks the chart as holding calculator data. A line the mouse has begun
// is ended first, so it can never take over a calculator's line. False, with a
// message and nothing added, when the table would pass 32767 lines.
bool AppendProcessLines(frmZolvane& chart, std::initializer_list<std::pair<int16_t, int16_t>> lines);

}  // namespace Calc
