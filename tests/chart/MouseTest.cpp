#include <QTabBar>
#include <QTabWidget>

#include "ChartRender.h"
#include "ChartTables.h"
#include "ChartWindowFixture.h"
#include "RecordingSurface.h"
#include "Screen.h"

namespace {

class MouseTest : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        for (const char* dry : {"50", "60", "70", "80", "90"})
            AddPoint({{"DryBulb", dry}, {"RelHumid", "40"}});
        ASSERT_EQ(Global::NumPoints, 5);
        picture = Find<Platform::PictureBox>("picZolvane");
    }
    void RightClickOn(int point) {
        const Global::StatePoint& p = Global::Points(point);
        Window().picZolvane_MouseDown(2, 0, p.PlotX + 5, p.PlotY - 5);
    }
    void Lines(bool on) { Tick("chkLines", on); }

    Platform::PictureBox* picture = nullptr;
};

TEST_F(MouseTest, RightClickPicksTheNearestPointEvenFarAway) {
    RightClickOn(2);
    EXPECT_EQ(Global::Points(2).MarkerColor, Global::ColorBlue);
    EXPECT_EQ(Text("txtDryBulb"), "60.00");
    EXPECT_EQ(Text("lblPointOutVal(2)"), "2");
    Window().picZolvane_MouseDown(2, 0, 1e6f, -1e6f);  // far outside: still a point
    EXPECT_EQ(Global::Points(5).MarkerColor, Global::ColorBlue);
    Window().picZolvane_MouseDown(1, 0, Global::Points(1).PlotX, Global::Points(1).PlotY);  // left: nothing
    EXPECT_EQ(Global::Points(5).MarkerColor, Global::ColorBlue);
    AddPoint({{"DryBulb", "60"}, {"RelHumid", "40"}});  // point 6 on top of point 2: ties go low
    RightClickOn(6);
    EXPECT_EQ(Global::Points(2).MarkerColor, Global::ColorBlue);
    EXPECT_TRUE(messages.empty());
    Global::NumPoints = 0;
    Window().picZolvane_MouseDown(2, 0, 1000, 1000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "No Data to Select");
}

TEST_F(MouseTest, TwoClicksMakeAProcessLine) {
    Lines(true);
    EXPECT_EQ(Text("chkLines"), "Lines Enabled");
    EXPECT_EQ(Global::LineState, 1);
    RightClickOn(3);
    EXPECT_EQ(Global::LineState, 2);
    EXPECT_EQ(Global::ProcLines.UBound(1), 1);
    RightClickOn(3);  // the same point: no line
    EXPECT_EQ(Global::LineState, 2);
    EXPECT_EQ(Global::ProcLines(2, 1), 0);
    RightClickOn(5);
    EXPECT_EQ(Global::LineState, 1);
    EXPECT_EQ(Global::ProcLines(1, 1), 3);
    EXPECT_EQ(Global::ProcLines(2, 1), 5);
    EXPECT_EQ(Global::SelProcLine, 1);
    EXPECT_EQ(Text("lblFromVal(1)"), "3");
    EXPECT_EQ(Text("lblToVal(1)"), "5");
    EXPECT_EQ(Text("lblDeltaDryVal(1)"), "20.00");
    Lines(false);
    EXPECT_EQ(Text("chkLines"), "Lines Disabled");
    RightClickOn(1);  // box clear: selection only
    EXPECT_EQ(Global::ProcLines.UBound(1), 1);
}

// A pending line survives a cleared box unseen and is dropped when the box is ticked again.
TEST_F(MouseTest, PendingLineIsNeverALine) {
    Lines(true);
    RightClickOn(1);
    RightClickOn(2);
    RightClickOn(4);  // pending line from 4
    Lines(false);
    EXPECT_EQ(Global::LineState, 2);
    RightClickOn(5);  // box clear: selection only
    EXPECT_EQ(Global::ProcLines.UBound(1), 2);
    Window().ShowProcessLines(2);
    EXPECT_EQ(Text("lblFromVal(1)"), "1");
    EXPECT_EQ(Text("lblFromVal(2)"), "");
    Platform::RecordingSurface recording(picture->surface().Width(), picture->surface().Height());
    Chart::DrawProcessLines(recording);
    EXPECT_EQ(recording.records.size(), 1u);
    Lines(true);
    EXPECT_EQ(Global::LineState, 1);
    EXPECT_EQ(Global::ProcLines.UBound(1), 1);
    RightClickOn(3);
    RightClickOn(5);
    EXPECT_EQ(Global::ProcLines(1, 2), 3);
    EXPECT_EQ(Global::ProcLines(2, 2), 5);
}

TEST_F(MouseTest, RubberBandFollowsAndErasesItself) {
    Lines(true);
    RightClickOn(1);
    QApplication::processEvents();
    const QImage before = picture->imageSurface().Image().copy();
    const Global::StatePoint& from = Global::Points(1);
    Window().picZolvane_MouseMove(0, 0, from.PlotX + 3000, from.PlotY - 2000);
    EXPECT_NE(picture->imageSurface().Image(), before);
    EXPECT_EQ(Global::RubberX, from.PlotX + 3000);
    // Within 10 twips: unchanged.
    Window().picZolvane_MouseMove(0, 0, from.PlotX + 3010, from.PlotY - 1990);
    EXPECT_EQ(Global::RubberX, from.PlotX + 3000);
    Window().picZolvane_MouseMove(0, 0, from.PlotX + 3010.5f, from.PlotY - 2000);
    EXPECT_EQ(Global::RubberX, from.PlotX + 3010.5f);
    // Back onto the point itself: the band shrinks to nothing and the picture is as it was.
    Window().picZolvane_MouseMove(0, 0, from.PlotX, from.PlotY);
    EXPECT_EQ(picture->imageSurface().Image(), before);
    EXPECT_EQ(picture->surface().DrawMode, Platform::DrawModes::Copy);
}

TEST_F(MouseTest, CrosshairOnlyInsideTheInnerArea) {
    const float h = picture->surface().Height(), w = picture->surface().Width();
    Window().picZolvane_MouseMove(0, 0, 301, h - 551);
    EXPECT_EQ(Platform::MousePointer(), 2);
    Window().picZolvane_MouseMove(0, 0, 300, 1000);
    EXPECT_EQ(Platform::MousePointer(), 0);
    Window().picZolvane_MouseMove(0, 0, 1000, h - 550);
    EXPECT_EQ(Platform::MousePointer(), 0);
    Window().picZolvane_MouseMove(0, 0, w - 100, 1000);
    EXPECT_EQ(Platform::MousePointer(), 0);
    Window().picZolvane_MouseMove(0, 0, 1000, 1000);
    EXPECT_EQ(Platform::MousePointer(), 2);
    // The frames and the option strip's tab bar and pages put the default pointer back.
    Trigger("mnuOptionsChart");
    auto* strip = Find<QTabWidget>("tabChart");
    for (QWidget* over :
         {Find<QWidget>("frmOutput"), static_cast<QWidget*>(strip->tabBar()), strip->currentWidget()}) {
        Platform::SetMousePointer(2);
        QTest::mouseMove(over, QPoint(20, 10));
        QApplication::processEvents();
        EXPECT_EQ(Platform::MousePointer(), 0) << over->metaObject()->className();
    }
}

}  // namespace
