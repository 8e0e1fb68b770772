// The program on a screen at 150 % display scale: 1600 x 1000 gives 1067 x 667 logical pixels and
// 1024 x 600 gives 683 x 400, both less than the chart window's 1200 x 760.
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <string>

#include "CalcWindowFixture.h"
#include "HelpViewer.h"
#include "QtPrint.h"

namespace {

constexpr struct {
    int width, height;
    const char* scale;
} Screen{ZOLVANE_TEST_SCREEN};

using ScaledScreenTest = CalcWindowTest;

// The frame of the modal window that `open` shows, closed again at once.
QRect ModalFrame(const std::function<void()>& open) {
    QRect frame;
    QTimer::singleShot(0, [&frame] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        frame = box->frameGeometry(), box->close();
    });
    open();
    return frame;
}

TEST_F(ScaledScreenTest, EveryWindowOpensInsideTheScreenAndHelpLeavesTheMenusFree) {
    const double scale = std::stod(Screen.scale);
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), scale);
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
    // Every device pixel a window covers.
    const auto device = [scale](const QRect& r) {
        return QRect(QPoint(int(std::floor(r.left() * scale)), int(std::floor(r.top() * scale))),
                     QPoint(int(std::ceil((r.right() + 1) * scale)) - 1,
                            int(std::ceil((r.bottom() + 1) * scale)) - 1));
    };
    const QRect screen(0, 0, Screen.width, Screen.height);
    for (const auto& [name, open] : windows) {
        const QRect frame = device(open());
        EXPECT_EQ(screen.intersected(frame), frame) << name;
    }
    const QMenuBar* bar = Window().menuBar();
    const QRect menus(bar->mapToGlobal(QPoint(0, 0)),
                      QSize(bar->actionGeometry(bar->actions().last()).right() + 1, bar->height()));
    // The offscreen platform puts a new window's client area where its frame was asked to go.
    EXPECT_EQ(Platform::HelpViewer::Current()->geometry().intersected(menus), QRect());
    Platform::HelpViewer::Current()->close();
}

}  // namespace
