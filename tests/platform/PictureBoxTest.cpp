#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "Controls.h"
#include "PictureBox.h"

using Platform::PictureBox;

namespace {

constexpr int32_t Red = 255, Cyan = 16776960;

struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        return paints += event->type() == QEvent::Paint, false;
    }
};

}  // namespace

TEST(PictureBox, PaintIsRaisedWhenThePictureIsLost) {
    PictureBox box;
    box.resize(120, 80);
    const auto shown = [&](int x, int y) { return box.grab().toImage().pixel(x, y); };
    int paints = 0;
    QObject::connect(&box, &PictureBox::Paint, [&] {
        ++paints;
        box.surface().ForeColor = Red, box.surface().Line(0, 600, box.surface().Width(), 600);
    });
    EXPECT_EQ(shown(60, 40), Platform::ToQColor(Red).rgb()) << "the handler's drawing is shown";
    box.grab();
    EXPECT_EQ(paints, 1) << "an intact picture is only copied";
    box.resize(200, 90);
    EXPECT_TRUE(box.surface().Width() == 3000 && box.surface().Height() == 1350);
    EXPECT_EQ(shown(199, 40), Platform::ToQColor(Red).rgb()) << "redrawn at the new width";
    box.Refresh();
    EXPECT_EQ(paints, 3) << "Refresh redraws at once";
    box.SetBackColor(Cyan);
    EXPECT_EQ(std::pair(shown(5, 5), paints), std::pair(Platform::ToQColor(Cyan).rgb(), 4));
    box.resize(0, 0);  // down to no area and back
    EXPECT_EQ(box.surface().Width(), 0);
    box.surface().Line(0, 0, 500, 500), box.surface().Print("21"), box.Refresh(), box.grab();
    box.resize(50, 40);
    const int before = paints;
    box.grab();
    EXPECT_TRUE(box.imageSurface().Image().size() == QSize(50, 40) && paints == before + 1);
}

TEST(PictureBox, DrawingOutsidePaintIsShown) {
    PictureBox box;
    box.resize(100, 60), box.show(), QCoreApplication::processEvents();
    PaintCounter counter(&box);
    box.surface().DrawMode = Platform::DrawModes::Invert;
    box.surface().Line(0, 0, 1500, 900), box.surface().Line(0, 900, 1500, 0);
    QCoreApplication::processEvents(), QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "a run of drawing schedules one repaint";
}

TEST(PictureBox, MouseEventsArriveInTwips) {
    PictureBox box;
    box.resize(200, 100);
    using Call = std::tuple<char, int, int, float, float>;  // event, button, shift, x, y
    std::vector<Call> calls;
    int clicks = 0;
    for (auto [signal, kind] :
         {std::pair{&PictureBox::MouseDown, 'd'}, {&PictureBox::MouseMove, 'm'}, {&PictureBox::MouseUp, 'u'}})
        QObject::connect(&box, signal,
                         [&, kind](int b, int s, float x, float y) { calls.emplace_back(kind, b, s, x, y); });
    QObject::connect(&box, &PictureBox::Click, [&] { ++clicks; });

    QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(10, 20));
    QMouseEvent hover(QEvent::MouseMove, QPointF(30.5, 7), QPointF(30.5, 7), Qt::NoButton, Qt::NoButton,
                      Qt::AltModifier);
    QApplication::sendEvent(&box, &hover);
    QMouseEvent drag(QEvent::MouseMove, QPointF(40, 8), QPointF(40, 8), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drag);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(199, 99));
    const std::vector<Call> expected = {
        // clang-format off
        {'d', 2, 3, 150, 300}, {'u', 2, 3, 150, 300}, {'m', 0, 4, 457.5f, 105}, {'m', 5, 0, 600, 120},
        {'d', 1, 0, 2985, 1485}, {'u', 1, 0, 2985, 1485}};  // clang-format on
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(clicks, 1) << "only the left button clicks";
}

TEST(Controls, ColoursTwipsAndLabels) {
    // Program colours have red in the low byte.
    EXPECT_EQ(Platform::ToQColor(0x123456).name().toStdString(), "#563412");
    for (int32_t c : {0, 1, 256, 65536, 0x123456, 0xFFFFFF})
        EXPECT_EQ(Platform::FromQColor(Platform::ToQColor(c)), c);
    QWidget parent, child(&parent);
    Platform::Place(&child, 1500, 300, 3000, 457);
    EXPECT_EQ(child.geometry(), QRect(100, 20, 200, 30));
    Platform::Place(&child, 0, 0, -300, 0);
    EXPECT_EQ(child.size(), QSize(0, 0)) << "a negative size is clamped";

    Platform::Label label("27.45");
    label.resize(60, 20);
    for (int32_t color : {16776960, 16777215}) {
        label.SetBackColor(color);
        EXPECT_EQ(std::pair(label.BackColor(), label.grab().toImage().pixelColor(1, 1)),
                  std::pair(color, Platform::ToQColor(color)));
    }
    int clicks = 0;
    QObject::connect(&label, &Platform::Label::clicked, [&] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton), QTest::mousePress(&label, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Platform::FromQ(Platform::ToQ("Dew Point (°F)")), "Dew Point (°F)");
}
