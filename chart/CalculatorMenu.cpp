// The Process Calculations items: the calculator window with one calculator frame.
#include <QAction>

#include "CalculatorLink.h"
#include "frmZolvane.h"

void frmZolvane::SetCalculatorLink(CalculatorLink* link) {
    calculatorLink_ = link;
}

void frmZolvane::ConnectCalculatorHandlers() {
    connect(mnuOptProcHeat, &QAction::triggered, this, [this] { mnuOptProcHeat_Click(); });
    connect(mnuOptProcCool, &QAction::triggered, this, [this] { mnuOptProcCool_Click(); });
    connect(mnuOptProcAirAir, &QAction::triggered, this, [this] { mnuOptProcAirAir_Click(); });
    connect(mnuOptProcWatAir, &QAction::triggered, this, [this] { mnuOptProcWatAir_Click(); });
    connect(mnuOptProcHM, &QAction::triggered, this, [this] { mnuOptProcHM_Click(); });
}

void frmZolvane::ShowCalculator(int16_t Frame) {
    if (calculatorLink_) calculatorLink_->ShowCalculator(Frame);
}

void frmZolvane::mnuOptProcHeat_Click() {
    ShowCalculator(1);
}
void frmZolvane::mnuOptProcCool_Click() {
    ShowCalculator(2);
}
void frmZolvane::mnuOptProcAirAir_Click() {
    ShowCalculator(3);
}
void frmZolvane::mnuOptProcWatAir_Click() {
    ShowCalculator(4);
}
void frmZolvane::mnuOptProcHM_Click() {
    ShowCalculator(5);
}
