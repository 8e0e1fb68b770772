// The program on a 1600 x 1000 screen at 150 % display scale: 1067 x 667 logical pixels, less
// than the chart window's 1200 x 760.
#include <QColorDialog>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "CalcWindowFixture.h"
#include "HelpViewer.h"
#include "QtPrint.h"

namespace {

class ScaledScreenTest : public CalcWindowTest {
protected:
    // The frame of the modal window that `open` shows, closed again at once.
    QRect ModalFrame(const std::function<void()>& open) {
        QRect frame;
        QTimer::singleShot(0, [&frame] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            frame = box->frameGeometry();
            box->close();
        });
        open();
        return frame;
    }
};

TEST_F(ScaledScreenTest, EveryWindowOpensInsideTheScreenAndHelpLeavesTheMenusFree) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(area, QRect(0, 0, 1067, 667));
    Platform::InstallMessageBoxSink();
    Platform::SetDialogBackend(std::make_unique<Platform::QtDialogBackend>());
    Platform::CommonDialog dialog;
    dialog.Parent = &Window(), dialog.HelpFile = "Zolvane.hlp", dialog.HelpCommand = Platform::HelpContents;
    const std::pair<const char*, std::function<QRect()>> windows[] = {
        {"chart", [&] { return Window().frameGeometry(); }},
        {"calculator", [&] { return OpenCalculator("mnuOptProcHM").frameGeometry(); }},
        {"About", [&] { return ModalFrame([&] { Trigger("mnuHelpAbout"); }); }},
        {"message", [&] { return ModalFrame([&] { Press("cmdCalculate"); }); }},
        {"Save", [&] { return ModalFrame([&] { dialog.ShowSave(); }); }},
        {"Open", [&] { return ModalFrame([&] { dialog.ShowOpen(); }); }},
        {"colour", [&] { return ModalFrame([&] { dialog.ShowColor(); }); }},
        {"Print Setup", [&] { return ModalFrame([&] { dialog.ShowPrinter(); }); }},
        {"help", [&] { return dialog.ShowHelp(), Platform::HelpViewer::Current()->frameGeometry(); }},
    };
    // Every device pixel a window covers, a logical pixel being one and a half.
    const auto device = [](const QRect& r) {
        return QRect(
            QPoint(int(std::floor(r.left() * 1.5)), int(std::floor(r.top() * 1.5))),
            QPoint(int(std::ceil((r.right() + 1) * 1.5)) - 1, int(std::ceil((r.bottom() + 1) * 1.5)) - 1));
    };
    const QRect screen(0, 0, 1600, 1000);
    for (const auto& [name, open] : windows) {
        const QRect frame = device(open());
        EXPECT_EQ(screen.intersected(frame), frame) << name;
    }
    const QMenuBar* bar = Window().menuBar();
    const QRect menus(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    // The offscreen platform puts a new window's client area where its frame was asked to go.
    EXPECT_EQ(Platform::HelpViewer::Current()->geometry().intersected(menus), QRect());
    Platform::HelpViewer::Current()->close();
}

}  // namespace
