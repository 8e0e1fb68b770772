// The output panel: two points side by side, the selected one's column cyan.
#include <QScrollBar>

#include "Controls.h"
#include "Global.h"
#include "Panels.h"
#include "PropertyTexts.h"
#include "frmZolvane.h"

#define OUTPUT_ROWS                                                                                     \
    {                                                                                                   \
        &lblPointOutVal, &lblDryOutVal, &lblWetOutVal, &lblDewOutVal, &lblRHOutVal, &lblEnthalpyOutVal, \
            &lblWOutVal, &lblVPOutVal, &lblUOutVal, &lblSpVolOutVal                                     \
    }

using Chart::PointTexts;

void frmZolvane::ShowOutputPoints(int16_t PointNo) {
    using namespace Global;
    if (NumPoints <= 0) {
        for (int c = 1; c <= 2; ++c) Chart::ClearColumn(OUTPUT_ROWS, c);
        return;
    }
    if (NumPoints == 1) {
        Chart::FillColumn(OUTPUT_ROWS, 1, Chart::ColumnCyan, PointTexts(1));
        Chart::ClearColumn(OUTPUT_ROWS, 2);
        return;
    }
    // Callers keep PointNo within 1..NumPoints; a stray value is kept inside too.
    const int shown = std::clamp<int>(PointNo, 1, NumPoints);
    for (int c = 1; c <= 2; ++c) {
        const int p = shown > 1 ? shown - 2 + c : c;
        const int32_t color = Points(p).MarkerColor == ColorBlue ? Chart::ColumnCyan : Chart::ColumnWhite;
        Chart::FillColumn(OUTPUT_ROWS, c, color, PointTexts(p));
    }
    if (NumPoints >= 3) Chart::SetScrollRange(scrlOutput, NumPoints - 1, shown < 2 ? shown : shown - 1);
}

void frmZolvane::scrlOutput_Change() {
    ShowOutputPoints(static_cast<int16_t>(scrlOutput->value() + 1));
}

void frmZolvane::OutputValue_Click(int16_t Index) {
    const QString text = lblPointOutVal[Index]->text();
    if (text.isEmpty()) return;
    const int16_t p = Global::ToInt16(Global::Val(text.toStdString())).value_or(0);
    ShowPointState(p);
    ShowOutputPoints(p);
}
