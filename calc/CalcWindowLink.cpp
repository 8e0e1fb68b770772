#include "CalcWindowLink.h"

#include "ChartFile.h"
#include "frmZolvane.h"
#include "frmZolvaneCalc.h"

CalcWindowLink::CalcWindowLink(frmZolvane& chart) : chart_(chart) {
    chart_.SetCalculatorLink(this);
}

CalcWindowLink::~CalcWindowLink() {
    chart_.SetCalculatorLink(nullptr);
}

frmZolvaneCalc* CalcWindowLink::Window() {
    // An unloaded window is dropped here, never from inside its own handlers.
    if (window_ && !window_->Loaded()) window_.reset();
    return window_.get();
}

void CalcWindowLink::ShowCalculator(int16_t Frame) {
    if (!Window()) window_ = std::make_unique<frmZolvaneCalc>(chart_);
    window_->show();
    window_->raise();
    window_->ShowFrame(Frame);
}

void CalcWindowLink::CloseCalculator() {
    if (frmZolvaneCalc* window = Window()) window->close();
}

void CalcWindowLink::CollectCalcSection(Chart::CalcSection& section) {
    section = {};
    if (frmZolvaneCalc* window = Window()) window->CollectCalcSection(section);
}

void CalcWindowLink::ApplyCalcSection(const Chart::CalcSection& section) {
    if (!Window()) window_ = std::make_unique<frmZolvaneCalc>(chart_);
    window_->show();
    window_->raise();
    window_->ApplyCalcSection(section);
}
