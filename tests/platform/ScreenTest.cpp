#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "Message.h"
#include "Screen.h"

TEST(MousePointer, OneOverrideAtMostAndZeroRemovesIt) {
    auto shape = [] {
        return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1;
    };
    EXPECT_TRUE(Platform::MousePointer() == 0 && shape() == -1);
    Platform::SetMousePointer(Platform::PointerHourglass);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    for (int16_t pointer :
         {Platform::PointerCrosshair, Platform::PointerCrosshair, int16_t(99)})  // 99: unknown
        Platform::SetMousePointer(pointer);
    EXPECT_TRUE(Platform::MousePointer() == 2 && shape() == Qt::CrossCursor);
    // One restore must clear it: three settings left a single override behind.
    Platform::SetMousePointer(Platform::PointerDefault);
    EXPECT_TRUE(Platform::MousePointer() == 0 && shape() == -1);
}

TEST(CenterForm, PutsTheWindowInTheMiddleOfThePrimaryScreen) {
    QWidget window;
    window.resize(400, 300);
    Platform::CenterForm(window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(),
              QPoint(screen.x() + screen.width() / 2 - 200, screen.y() + screen.height() / 2 - 150));
}

TEST(MessageSink, MessageBoxIsModalWithOkAndTheGivenIconAndTitle) {
    QStringList seen;
    auto answerNextBox = [&] {  // runs inside the box's own event loop and closes it as a user would
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen << QString("%1|%2|%3|%4|%5")
                        .arg(box->text(), box->windowTitle())
                        .arg(box->icon())
                        .arg(box->standardButtons() == QMessageBox::Ok)
                        .arg(box->isModal());
            box->button(QMessageBox::Ok)->click();
        });
    };
    Platform::InstallMessageBoxSink();
    answerNextBox(), Global::ShowMessage("No Data to Select");
    answerNextBox(), Global::ShowMessage("Done", Global::MsgIcon::None, "Viduvaduderoru");
    Global::SetMessageSink({});
    EXPECT_EQ(seen, QStringList({QString("No Data to Select|Zolvane|%1|1|1").arg(QMessageBox::Critical),
                                 QString("Done|Viduvaduderoru|%1|1|1").arg(QMessageBox::NoIcon)}));
}
