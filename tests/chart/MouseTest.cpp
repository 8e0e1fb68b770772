#include <QTabBar>
#include <QTabWidget>

#include "ChartWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"
#include "Screen.h"

namespace {

class MouseTest : public ChartWindowTest {
protected:
    void SetUp() override { ChartWindowTest::SetUp(), AddPoints(5); }
    void RightClickOn(int point) {
        const Global::StatePoint& p = Global::Points(point);
        Window().picZolvane_MouseDown(2, 0, p.PlotX + 5, p.PlotY - 5);
    }
    void Move(float x, float y) { Window().picZolvane_MouseMove(0, 0, x, y); }
    Platform::PictureBox* Picture() { return Find<Platform::PictureBox>("picZolvane"); }
};

TEST_F(MouseTest, RightClickPicksTheNearestPointEvenFarAway) {
    RightClickOn(2);
    EXPECT_EQ(Global::Points(2).MarkerColor, Global::ColorBlue);
    EXPECT_EQ(TextsOf({"txtDryBulb", "lblPointOutVal(2)"}), "60.00|2");
    Window().picZolvane_MouseDown(2, 0, 1e6f, -1e6f);  // far outside: still a point
    Window().picZolvane_MouseDown(1, 0, Global::Points(1).PlotX, Global::Points(1).PlotY);  // left: nothing
    EXPECT_EQ(Global::Points(5).MarkerColor, Global::ColorBlue);
    AddPoint({{"DryBulb", "60"}, {"RelHumid", "40"}}), RightClickOn(6);  // 6 on top of 2: ties go low
    EXPECT_EQ(Global::Points(2).MarkerColor, Global::ColorBlue);
    Global::NumPoints = 0, Window().picZolvane_MouseDown(2, 0, 1000, 1000);
    EXPECT_EQ(Told(), std::vector<std::string>{"No Data to Select"});
}

// Two clicks on different points with the box ticked make a line; a pending line survives a
// cleared box unseen and is dropped when the box is ticked again.
TEST_F(MouseTest, TwoClicksMakeAProcessLineAndAPendingLineIsNeverALineButHasARubberBand) {
    Tick("chkLines");
    EXPECT_EQ(Text("chkLines"), "Lines Enabled");
    RightClickOn(3), RightClickOn(3), RightClickOn(5);  // the same point twice: no line
    EXPECT_EQ((std::tuple<int, int, LineList>(Global::LineState, Global::SelProcLine, Lines())),
              std::tuple(1, 1, LineList{{3, 5}}));
    EXPECT_EQ(TextsOf({"lblFromVal(1)", "lblToVal(1)", "lblDeltaDryVal(1)"}), "3|5|20.00");

    RightClickOn(4), Tick("chkLines", false);  // a pending line from 4
    EXPECT_EQ(Text("chkLines"), "Lines Disabled");
    RightClickOn(1);  // box clear: selection only
    EXPECT_EQ(Lines(), (LineList{{3, 5}, {4, 0}}));
    Window().ShowProcessLines(2);
    EXPECT_EQ(Text("lblFromVal(2)"), "");
    Tick("chkLines"), RightClickOn(2), RightClickOn(1);
    EXPECT_EQ(Lines(), (LineList{{3, 5}, {2, 1}}));

    RightClickOn(1), QApplication::processEvents();  // the rubber band follows the pointer and erases itself
    const QImage before = Picture()->imageSurface().Image().copy();
    const float x = Global::Points(1).PlotX, y = Global::Points(1).PlotY;
    Move(x + 3000, y - 2000);
    EXPECT_NE(Picture()->imageSurface().Image(), before);
    Move(x + 3010, y - 1990);  // within 10 twips: unchanged
    EXPECT_EQ(Global::RubberX, x + 3000);
    Move(x + 3010.5f, y - 2000);
    EXPECT_EQ(Global::RubberX, x + 3010.5f);
    Move(x, y);  // back onto the point: the picture is as it was
    EXPECT_EQ(Picture()->imageSurface().Image(), before);
    EXPECT_EQ(Picture()->surface().DrawMode, Platform::DrawModes::Copy);

    // A print redraws the chart, which wipes the band: the next band starts afresh rather than
    // inverting the old one back in, so moving back onto the point leaves the clean picture.
    Platform::RecordingSurface page{11520, 15120};
    Platform::SetPrinterPage(&page), Move(x + 3000, y - 2000), Trigger("mnuFilePrint");
    const QImage clean = Picture()->imageSurface().Image().copy();
    Move(x + 1000, y - 2500), Move(x, y);
    EXPECT_EQ(Picture()->imageSurface().Image(), clean);
    Platform::SetPrinterPage(nullptr);
}

// The mouse makes no line past the most a chart file holds, and says so as the calculators do.
TEST_F(MouseTest, LinesStopAtTheMostAChartHolds) {
    Tick("chkLines");
    for (int held : {32766, 32767}) {
        SetLines(LineList(held, {1, 2})), messages.clear(), RightClickOn(3), RightClickOn(4);
        EXPECT_EQ(Lines().back(), held == 32766 ? std::make_pair(3, 4) : std::make_pair(1, 2));
    }
    EXPECT_EQ(Lines().size(), 32767u);
    const std::string full =
        "The chart already holds 32767 process lines, the most it can hold. Delete lines to add more.";
    EXPECT_EQ(Told(), std::vector(2, full));
}

TEST_F(MouseTest, CrosshairOnlyInsideTheInnerArea) {
    const float h = Picture()->surface().Height(), w = Picture()->surface().Width();
    // x, y and the pointer there
    const float moves[] = {301, h - 551, 2, 300, 1000, 0, 1000, h - 550, 0, w - 100, 1000, 0, 1000, 1000, 2};
    for (std::size_t i = 0; i < std::size(moves); i += 3) {
        Move(moves[i], moves[i + 1]);
        EXPECT_EQ(Platform::MousePointer(), moves[i + 2]) << i / 3;
    }
    // The frames and the option strip's tab bar and pages put the default pointer back.
    Trigger("mnuOptionsChart");
    auto* strip = Find<QTabWidget>("tabChart");
    for (QWidget* over :
         {Find<QWidget>("frmOutput"), static_cast<QWidget*>(strip->tabBar()), strip->currentWidget()}) {
        Platform::SetMousePointer(2), QTest::mouseMove(over, QPoint(20, 10)), QApplication::processEvents();
        EXPECT_EQ(Platform::MousePointer(), 0) << over->metaObject()->className();
    }
}

}  // namespace
