// The process-lines panel: two lines side by side with the change of each property.
#include <QAction>
#include <QGroupBox>
#include <QScrollBar>
#include <QTabWidget>

#include "ChartRender.h"
#include "Controls.h"
#include "Global.h"
#include "Panels.h"
#include "PictureBox.h"
#include "PropertyTexts.h"
#include "frmZolvane.h"

#define PROCESS_ROWS                                                                               \
    {                                                                                              \
        &lblFromVal, &lblToVal, &lblDeltaDryVal, &lblDeltaWetVal, &lblDeltaDewVal, &lblDeltaRHVal, \
            &lblDeltahVal, &lblDeltaWVal, &lblDeltaVPVal, &lblDeltaUVal, &lblDeltaSpVolVal         \
    }

using Chart::LineTexts;

void frmZolvane::ShowProcessLines(int16_t LineNo) {
    const int n = Chart::CompleteLineCount();
    const int shown = std::clamp<int>(LineNo, 1, std::max(n, 1));
    if (n < 3) {
        scrlProcess->hide();
    } else {
        scrlProcess->show();
        scrlProcess->setMinimum(1);
        Chart::SetScrollRange(scrlProcess, n - 1, shown < 2 ? shown : shown - 1);
    }
    if (n == 0) {
        for (int c = 1; c <= 2; ++c) Chart::ClearColumn(PROCESS_ROWS, c);
        return;
    }
    if (n == 1) {
        Chart::FillColumn(PROCESS_ROWS, 1, Chart::ColumnCyan, LineTexts(1));
        Chart::ClearColumn(PROCESS_ROWS, 2);
        return;
    }
    for (int c = 1; c <= 2; ++c) {
        const int k = shown > 1 ? shown - 2 + c : c;
        const int32_t color = k == Global::SelProcLine ? Chart::ColumnCyan : Chart::ColumnWhite;
        Chart::FillColumn(PROCESS_ROWS, c, color, LineTexts(k));
    }
}

void frmZolvane::scrlProcess_Change() {
    ShowProcessLines(static_cast<int16_t>(scrlProcess->value() + 1));
}

void frmZolvane::ProcessValue_Click(int16_t Index) {
    if (lblFromVal[Index]->text().isEmpty()) return;
    Global::SelProcLine =
        static_cast<int16_t>(scrlProcess->isHidden() ? Index : Index + scrlProcess->value() - 1);
    Chart::DrawProcessLines(picZolvane->surface());
    ShowProcessLines(Global::SelProcLine);
}

void frmZolvane::mnuOptionsProcess_Click() {
    tabChart->hide();
    if (mnuOptionsProcess->isChecked()) {
        mnuOptionsProcess->setChecked(false);
        frmProcess->hide();
        return;
    }
    mnuOptionsProcess->setChecked(true);
    frmProcess->show();
    frmProcess->raise();
    if (Global::ProcLines.UBound(1) >= 1) ShowProcessLines(1);
}
