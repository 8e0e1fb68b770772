// Edit > Delete Points, Delete Lines and Clear All.
#include <QAction>
#include <QRadioButton>
#include <QScrollBar>

#include "AutoScale.h"
#include "ChartTables.h"
#include "Global.h"
#include "frmZolvane.h"

namespace {

// The selected point: the blue one (the last point if, against the rule, none is).
int16_t SelectedPoint() {
    using namespace Global;
    for (int16_t i = 1; i <= NumPoints; ++i)
        if (Points(i).MarkerColor == ColorBlue) return i;
    return NumPoints;
}

}  // namespace

void frmZolvane::ConnectEditHandlers() {
    connect(mnuEditDeletePoints, &QAction::triggered, this, [this] { mnuEditDeletePoints_Click(); });
    connect(mnuEditDeleteLines, &QAction::triggered, this, [this] { mnuEditDeleteLines_Click(); });
    connect(mnuEditClear, &QAction::triggered, this, [this] { mnuEditClear_Click(); });
}

void frmZolvane::mnuEditDeleteLines_Click() {
    using namespace Global;
    EndPendingLine();
    const int n = ProcLines.UBound(1);
    if (n < 1) {
        ShowMessage("No Lines to Delete");
        return;
    }
    // A selection that names no line deletes nothing.
    if (SelProcLine < 1 || SelProcLine > n) return;
    Table2<int16_t> kept;
    kept.ReDim(2, n - 1);
    for (int k = 1, to = 1; k <= n; ++k) {
        if (k == SelProcLine) continue;
        kept(1, to) = ProcLines(1, k);
        kept(2, to) = ProcLines(2, k);
        ++to;
    }
    ProcLines = std::move(kept);
    SelProcLine = static_cast<int16_t>(n - 1);
    if (n - 1 < 3) scrlProcess->hide();
    PlotChartPoints(Chart::ModeScreen);
    ShowProcessLines(SelProcLine);
}

void frmZolvane::mnuEditDeletePoints_Click() {
    using namespace Global;
    EndPendingLine();
    if (NumPoints < 1) {
        ShowMessage("No Points to Delete");
        return;
    }
    const int16_t s = SelectedPoint();

    // Every line ending on the point goes first, one Delete Lines each.
    for (bool found = true; found;) {
        found = false;
        for (int k = 1; k <= ProcLines.UBound(1); ++k) {
            if (ProcLines(1, k) == s || ProcLines(2, k) == s) {
                SelProcLine = static_cast<int16_t>(k);
                mnuEditDeleteLines_Click();
                found = true;
                break;
            }
        }
    }

    for (int i = s; i < NumPoints; ++i) Points(i) = Points(i + 1);
    --NumPoints;
    Points.ReDim(NumPoints);
    // The lines keep pointing at the same states.
    for (int k = 1; k <= ProcLines.UBound(1); ++k)
        for (int row = 1; row <= 2; ++row)
            if (ProcLines(row, k) >= s) --ProcLines(row, k);

    ShowPointState(NumPoints);
    if (NumPoints <= 2) scrlOutput->hide();
    ShowOutputPoints(NumPoints);
}

void frmZolvane::mnuEditClear_Click() {
    using namespace Global;
    if (NumPoints < 1) return;
    EndPendingLine();
    for (int i = 1; i <= NumPoints; ++i) Points(i).MarkerColor = ColorRed;
    // Clear All deletes the last point until none is left. Down to two points a step
    // only moves the limits and drops the lines that touch the point, so those steps
    // are done at once; the last two run as they are. Nothing is drawn in between.
    if (NumPoints > 2) DropPointsAbove(2);
    drawingDeferred_ = true;
    while (NumPoints >= 1) {
        Points(NumPoints).MarkerColor = ColorBlue;
        mnuEditDeletePoints_Click();
    }
    drawingDeferred_ = false;
    PlotChartPoints(Chart::ModeScreen);
}

void frmZolvane::DropPointsAbove(int16_t kept) {
    using namespace Global;
    const bool usUnits = optUSUnits->isChecked();
    const std::vector<Chart::PointRange> ranges = Chart::PrefixRanges();
    bool rebuild = false;
    for (int left = NumPoints - 1; left >= kept; --left)
        rebuild |= Chart::AutoScaleLimits(usUnits, &ranges[left]);

    const int n = ProcLines.UBound(1);
    Table2<int16_t> lines;
    lines.ReDim(2, std::max(n, 0));
    int count = 0;
    for (int k = 1; k <= n; ++k) {
        if (ProcLines(1, k) > kept || ProcLines(2, k) > kept) continue;
        ++count;
        lines(1, count) = ProcLines(1, k);
        lines(2, count) = ProcLines(2, k);
    }
    if (count < n) {
        // As the last of the one-by-one deletions would leave them.
        lines.ReDim(2, count);
        ProcLines = std::move(lines);
        SelProcLine = static_cast<int16_t>(count);
        if (count < 3) scrlProcess->hide();
        ShowProcessLines(SelProcLine);
    }
    NumPoints = kept;
    Points.ReDim(NumPoints);
    if (rebuild) BuildChartTables(Chart::ModeScreen);
}
