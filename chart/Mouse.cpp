// The mouse on the chart: picking points, drawing process lines, the rubber band
// and the pointer over the chart.
#include <QCheckBox>
#include <algorithm>
#include <cmath>

#include "ChartTables.h"
#include "Global.h"
#include "PictureBox.h"
#include "Screen.h"
#include "frmZolvane.h"

namespace {
constexpr int16_t RightButton = 2;
constexpr int16_t Crosshair = 2;
}  // namespace

int16_t frmZolvane::FindNearestPoint(float X, float Y) {
    using namespace Global;
    const Chart::PlotBox box = Chart::PlotBoxFor(picZolvane->surface(), Chart::ModeScreen);
    if (NumPoints < 1) {
        ShowMessage("No Data to Select");
        return -1;
    }
    PickDistances.ReDim(NumPoints);
    for (int i = 1; i <= NumPoints; ++i) {
        const StatePoint& p = Points(i);
        PickDistances(i) =
            PointDistance(X, Y, Chart::ChartX(box, p.DryBulb), Chart::ChartY(box, p.HumidRatio));
    }
    int16_t best = 1;
    for (int16_t i = 2; i <= NumPoints; ++i)
        if (PickDistances(i) < PickDistances(best)) best = i;
    return best;
}

void frmZolvane::EndPendingLine() {
    using namespace Global;
    if (LineState != 2) return;
    const int n = ProcLines.UBound(1);
    if (n >= 1) ProcLines.ReDim(2, n - 1);
    LineState = 1;
}

bool frmZolvane::RoomForLines(int added) {
    using namespace Global;
    // A half-drawn line is dropped before any line is added, so it takes no room.
    const int held = std::max(ProcLines.UBound(1), 0) - (LineState == 2 ? 1 : 0);
    if (held + added <= MaxCount) return true;
    ShowMessage(
        "The chart already holds 32767 process lines, the most it can hold. Delete lines to add more.");
    return false;
}

// A redraw wipes the band; inverting its old place again would draw it back. The next
// move starts it afresh from the From point where this drawing put it.
void frmZolvane::RestartRubberBand() {
    using namespace Global;
    const int n = ProcLines.UBound(1);
    if (LineState != 2 || n < 1) return;
    const int from = ProcLines(1, n);
    if (from < 1 || from > NumPoints) return;
    RubberX = Points(from).PlotX;
    RubberY = Points(from).PlotY;
}

void frmZolvane::chkLines_Click() {
    // Clearing the box leaves a pending line pending (unseen while the box is clear);
    // ticking it again drops it, so the next click starts a new line.
    if (chkLines->isChecked()) {
        EndPendingLine();
        chkLines->setText("Lines Enabled");
        Global::LineState = 1;
    } else {
        chkLines->setText("Lines Disabled");
    }
}

void frmZolvane::picZolvane_MouseDown(int16_t Button, int16_t, float X, float Y) {
    using namespace Global;
    if (Button != RightButton) return;
    const int16_t p = FindNearestPoint(X, Y);
    if (chkLines->isChecked() && p != -1) {
        const int n = ProcLines.UBound(1);
        // No pending line that would be one past the most a chart file holds; the point
        // is still selected.
        if (LineState == 1 && RoomForLines(1)) {
            ProcLines.ReDim(2, n + 1);
            ProcLines(1, n + 1) = p;
            RubberX = Points(p).PlotX;
            RubberY = Points(p).PlotY;
            LineState = 2;
        } else if (LineState == 2 && p != ProcLines(1, n)) {
            ProcLines(2, n) = p;
            LineState = 1;
            SelProcLine = static_cast<int16_t>(n);
            ShowProcessLines(SelProcLine);
        }
    }
    ShowPointState(p);
    ShowOutputPoints(p);
}

void frmZolvane::picZolvane_MouseMove(int16_t, int16_t, float X, float Y) {
    using namespace Global;
    Platform::Surface& surface = picZolvane->surface();
    const float w = surface.Width(), h = surface.Height();
    Platform::SetMousePointer(X > 300 && X < w - 100 && Y > 300 && Y < h - 550 ? Crosshair : 0);

    const int n = ProcLines.UBound(1);
    if (chkLines->isChecked() && LineState == 2 && n >= 1) {
        const int from = ProcLines(1, n);
        if (from >= 1 && from <= NumPoints && (std::fabs(RubberX - X) > 10 || std::fabs(RubberY - Y) > 10)) {
            const float fx = Points(from).PlotX, fy = Points(from).PlotY;
            // Invert mode: the second line erases the band drawn last time.
            surface.DrawMode = Platform::DrawModes::Invert;
            surface.Line(fx, fy, X, Y);
            surface.Line(fx, fy, RubberX, RubberY);
            RubberX = X;
            RubberY = Y;
        }
    }
    surface.DrawMode = Platform::DrawModes::Copy;
}
