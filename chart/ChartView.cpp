// The chart on the picture box or the printer page, and the window's resize.
#include <QResizeEvent>
#include <algorithm>

#include "ChartRender.h"
#include "ChartTables.h"
#include "Controls.h"
#include "PictureBox.h"
#include "PrinterSurface.h"
#include "frmZolvane.h"

namespace {

Platform::Surface& TargetFor(int16_t mode, Platform::PictureBox& picture) {
    if (mode == Chart::ModePrinter) return Platform::PrinterPage();
    return picture.surface();
}

}  // namespace

void frmZolvane::BuildChartTables(int16_t Mode) {
    Chart::BuildChartTables(TargetFor(Mode, *picZolvane), Mode);
}

void frmZolvane::PlotChartPoints(int16_t Mode) {
    if (Mode == Chart::ModeScreen && drawingDeferred_) return;
    Chart::PlotChartPoints(TargetFor(Mode, *picZolvane), Mode);
    if (Mode == Chart::ModeScreen) RestartRubberBand();
}

void frmZolvane::picZolvane_Paint() {
    PlotChartPoints(Chart::ModeScreen);
}

void frmZolvane::Form_Resize() {
    if (isMinimized()) return;
    // The window's outer size in twips; a window smaller than the column leaves the
    // chart at size zero rather than negative.
    const auto twips = [](int pixels) { return static_cast<int>(pixels * Platform::TwipsPerPixel); };
    Platform::Place(picZolvane, twips(picZolvane->x()), twips(picZolvane->y()),
                    std::max(0, twips(frameGeometry().width()) - 3690),
                    std::max(0, twips(frameGeometry().height()) - 780));
    BuildChartTables(Chart::ModeScreen);
    // Through the picture's own Paint, so the new picture counts as drawn and is not
    // drawn a second time by the next paint event.
    picZolvane->Refresh();
}

void frmZolvane::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}
