// What the chart window needs of the process-calculator window, which it may not
// know: the application installs an implementation at start-up.
#pragma once

#include <cstdint>

namespace Chart {
struct CalcSection;
}

class CalculatorLink {
public:
    virtual ~CalculatorLink() = default;
    // Frame 1 heating, 2 cooling, 3 air/air, 4 water/air, 5 heat and moisture gains;
    // creates (loads) the window on first use and shows it with that frame alone.
    virtual void ShowCalculator(int16_t Frame) = 0;
    // Unloads the window if it is loaded (its unload handler runs).
    virtual void CloseCalculator() = 0;
    // The visible calculator's part of a chart file; type 0 when none is shown.
    virtual void CollectCalcSection(Chart::CalcSection& section) = 0;
    // Shows the window (loading it first if need be) and restores the section's
    // calculator into it; a type outside 1..5 only shows the window.
    virtual void ApplyCalcSection(const Chart::CalcSection& section) = 0;
};
