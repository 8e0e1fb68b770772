// The chart window's link to the calculator window: creates the window on first use
// and again after it was unloaded.
#pragma once

#include <memory>

#include "CalculatorLink.h"

class frmZolvane;
class frmZolvaneCalc;

class CalcWindowLink : public CalculatorLink {
public:
    // Installs itself in the chart window for as long as it lives.
    explicit CalcWindowLink(frmZolvane& chart);
    ~CalcWindowLink() override;
    CalcWindowLink(const CalcWindowLink&) = delete;
    CalcWindowLink& operator=(const CalcWindowLink&) = delete;

    void ShowCalculator(int16_t Frame) override;
    void CloseCalculator() override;
    void CollectCalcSection(Chart::CalcSection& section) override;
    void ApplyCalcSection(const Chart::CalcSection& section) override;

    // The loaded calculator window, or nullptr.
    frmZolvaneCalc* Window();

private:
    frmZolvane& chart_;
    std::unique_ptr<frmZolvaneCalc> window_;
};
