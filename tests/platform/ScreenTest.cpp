#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "Message.h"
#include "Screen.h"

TEST(MousePointer, OneOverrideAtMostAndZeroRemovesIt) {
    EXPECT_EQ(Platform::MousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    Platform::SetMousePointer(Platform::PointerHourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Platform::SetMousePointer(Platform::PointerCrosshair);
    Platform::SetMousePointer(Platform::PointerCrosshair);
    EXPECT_EQ(Platform::MousePointer(), 2);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);

    Platform::SetMousePointer(99);
    EXPECT_EQ(Platform::MousePointer(), 2) << "unknown pointers are ignored";

    // One restore must clear it: three settings left a single override behind.
    Platform::SetMousePointer(Platform::PointerDefault);
    EXPECT_EQ(Platform::MousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Platform::SetMousePointer(Platform::PointerDefault);  // nothing to remove: no underflow
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CenterForm, PutsTheWindowInTheMiddleOfThePrimaryScreen) {
    QWidget window;
    window.resize(400, 300);
    Platform::CenterForm(window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.x(), screen.x() + screen.width() / 2 - 200);
    EXPECT_EQ(window.y(), screen.y() + screen.height() / 2 - 150);
}

TEST(MessageSink, MessageBoxIsModalWithOkAndTheGivenIconAndTitle) {
    struct Seen {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::Information;
        QMessageBox::StandardButtons buttons;
        bool modal = false;
    };
    std::vector<Seen> seen;
    auto answerNextBox = [&] {
        // Runs inside the box's own event loop and closes it as a user would.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.push_back(
                {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->isModal()});
            box->button(QMessageBox::Ok)->click();
        });
    };

    Platform::InstallMessageBoxSink();
    answerNextBox();
    Global::ShowMessage("No Data to Select");
    answerNextBox();
    Global::ShowMessage("Done", Global::MsgIcon::None, "Viduvaduderoru");
    Global::SetMessageSink({});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "No Data to Select");
    EXPECT_EQ(seen[0].title, "Zolvane");
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(seen[0].modal);
    EXPECT_EQ(seen[1].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen[1].title, "Viduvaduderoru");
}
