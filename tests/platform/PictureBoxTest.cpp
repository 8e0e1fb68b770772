#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QTest>
#include <tuple>
#include <vector>

#include "Controls.h"
#include "PictureBox.h"

using Platform::PictureBox;
using Platform::ToQColor;

namespace {

constexpr int32_t Red = 255;
constexpr int32_t Cyan = 16776960;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

using MouseCall = std::tuple<int, int, float, float>;

}  // namespace

TEST(PictureBox, PaintIsRaisedWhenThePictureIsLost) {
    PictureBox box;
    box.resize(120, 80);
    int paints = 0;
    QObject::connect(&box, &PictureBox::Paint, [&] {
        ++paints;
        box.surface().ForeColor = Red;
        box.surface().Line(0, 600, box.surface().Width(), 600);
    });

    QImage shown = box.grab().toImage();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(shown.pixel(60, 40), ToQColor(Red).rgb()) << "the handler's drawing is shown";
    box.grab();
    EXPECT_EQ(paints, 1) << "an intact picture is only copied";

    box.resize(200, 90);
    EXPECT_EQ(box.surface().Width(), 3000);
    EXPECT_EQ(box.surface().Height(), 1350);
    shown = box.grab().toImage();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(shown.pixel(199, 40), ToQColor(Red).rgb()) << "redrawn at the new width";

    box.Refresh();
    EXPECT_EQ(paints, 3) << "Refresh redraws at once";

    box.SetBackColor(Cyan);
    EXPECT_EQ(box.property("BackColor").toInt(), Cyan);
    shown = box.grab().toImage();
    EXPECT_EQ(paints, 4);
    EXPECT_EQ(shown.pixel(5, 5), ToQColor(Cyan).rgb());
    EXPECT_EQ(shown.pixel(60, 40), ToQColor(Red).rgb());
}

TEST(PictureBox, ZeroSizeAndBackIsSafe) {
    PictureBox box;
    int paints = 0;
    QObject::connect(&box, &PictureBox::Paint, [&] { ++paints; });
    box.resize(0, 0);
    EXPECT_EQ(box.surface().Width(), 0);
    box.surface().Line(0, 0, 500, 500);
    box.surface().Print("21");
    box.Refresh();
    box.grab();

    box.resize(50, 40);
    EXPECT_EQ(box.surface().Width(), 750);
    EXPECT_EQ(box.imageSurface().Image().size(), QSize(50, 40));
    const int before = paints;
    box.grab();
    EXPECT_EQ(paints, before + 1);
}

TEST(PictureBox, DrawingOutsidePaintIsShown) {
    PictureBox box;
    box.resize(100, 60);
    box.show();
    QCoreApplication::processEvents();
    PaintCounter counter(&box);

    box.surface().DrawMode = Platform::DrawModes::Invert;
    box.surface().Line(0, 0, 1500, 900);
    box.surface().Line(0, 900, 1500, 0);
    box.surface().DrawMode = Platform::DrawModes::Copy;
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1) << "a run of drawing schedules one repaint";

    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    box.surface().Line(0, 450, 1500, 450, Red);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 2);
}

TEST(PictureBox, MouseEventsArriveInTwips) {
    PictureBox box;
    box.resize(200, 100);
    std::vector<MouseCall> downs, moves, ups;
    int clicks = 0;
    QObject::connect(&box, &PictureBox::MouseDown,
                     [&](int b, int s, float x, float y) { downs.emplace_back(b, s, x, y); });
    QObject::connect(&box, &PictureBox::MouseMove,
                     [&](int b, int s, float x, float y) { moves.emplace_back(b, s, x, y); });
    QObject::connect(&box, &PictureBox::MouseUp,
                     [&](int b, int s, float x, float y) { ups.emplace_back(b, s, x, y); });
    QObject::connect(&box, &PictureBox::Click, [&] { ++clicks; });

    QTest::mousePress(&box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(10, 20));
    QTest::mouseRelease(&box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(10, 20));
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], MouseCall(2, 3, 150.0f, 300.0f));
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0], MouseCall(2, 3, 150.0f, 300.0f));
    EXPECT_EQ(clicks, 0) << "only the left button clicks";

    // Mouse tracking: a move with no button held still arrives.
    QMouseEvent hover(QEvent::MouseMove, QPointF(30.5, 7), QPointF(30.5, 7), Qt::NoButton, Qt::NoButton,
                      Qt::AltModifier);
    QApplication::sendEvent(&box, &hover);
    QMouseEvent drag(QEvent::MouseMove, QPointF(40, 8), QPointF(40, 8), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drag);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0], MouseCall(0, 4, 457.5f, 105.0f));
    EXPECT_EQ(moves[1], MouseCall(5, 0, 600.0f, 120.0f));

    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(199, 99));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(std::get<0>(downs.back()), 1);
    QTest::mouseClick(&box, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(std::get<0>(downs.back()), 4);
    EXPECT_EQ(clicks, 1);
}
