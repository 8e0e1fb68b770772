#include <QAction>
#include <QGroupBox>
#include <QRadioButton>

#include "ChartWindowFixture.h"

namespace {

constexpr int32_t Cyan = 0xFFFF00, White = 0xFFFFFF;

class PanelsTest : public ChartWindowTest {
protected:
    void AddPoints(int count) {
        for (int i = 0; i < count; ++i)
            AddPoint({{"DryBulb", QString::number(50 + 10 * i)}, {"RelHumid", "40"}});
        ASSERT_EQ(Global::NumPoints, count);
    }
    void AddLine(int16_t from, int16_t to) {
        const int n = Global::ProcLines.UBound(1) + 1;
        Global::ProcLines.ReDim(2, n);
        Global::ProcLines(1, n) = from;
        Global::ProcLines(2, n) = to;
    }
    QString Column(const char* row, int index) { return Text(QString("%1(%2)").arg(row).arg(index)); }
    QScrollBar* OutputBar() { return Find<QScrollBar>("scrlOutput"); }
    QScrollBar* ProcessBar() { return Find<QScrollBar>("scrlProcess"); }
};

TEST_F(PanelsTest, OutputPanelWithNoOneAndTwoPoints) {
    Window().ShowOutputPoints(0);
    EXPECT_EQ(Column("lblPointOutVal", 1), "");
    EXPECT_EQ(BackColor("lblSpVolOutVal(2)"), White);

    AddPoints(1);
    Global::Points(1).MarkerColor = Global::ColorRed;
    Window().ShowOutputPoints(1);
    EXPECT_EQ(Column("lblPointOutVal", 1), "1");
    EXPECT_EQ(BackColor("lblSpVolOutVal(1)"), Cyan);  // cyan even when not selected
    EXPECT_EQ(Column("lblDryOutVal", 2), "");

    AddPoint({{"DryBulb", "60"}, {"RelHumid", "40"}});
    ASSERT_EQ(Global::NumPoints, 2);
    EXPECT_TRUE(OutputBar()->isHidden());
    EXPECT_EQ(Column("lblPointOutVal", 1), "1");
    EXPECT_EQ(Column("lblPointOutVal", 2), "2");
    EXPECT_EQ(Column("lblDryOutVal", 2), "60.00");
    EXPECT_EQ(BackColor("lblDryOutVal(1)"), White);
    EXPECT_EQ(BackColor("lblDryOutVal(2)"), Cyan);
}

TEST_F(PanelsTest, OutputPanelScrollsOverFivePoints) {
    AddPoints(5);
    EXPECT_FALSE(OutputBar()->isHidden());
    EXPECT_EQ(Column("lblPointOutVal", 1), "4");
    EXPECT_EQ(Column("lblPointOutVal", 2), "5");
    EXPECT_EQ(OutputBar()->maximum(), 4);
    EXPECT_EQ(OutputBar()->value(), 4);

    OutputBar()->setValue(1);
    EXPECT_EQ(Column("lblPointOutVal", 1), "1");

    Window().ShowOutputPoints(4);  // points 3 and 4
    ClickLabel("lblEnthalpyOutVal(1)");
    EXPECT_EQ(Global::Points(3).MarkerColor, Global::ColorBlue);
    EXPECT_EQ(Global::Points(5).MarkerColor, Global::ColorRed);
    EXPECT_EQ(Column("lblPointOutVal", 1), "2");
    EXPECT_EQ(OutputBar()->value(), 2);
    EXPECT_EQ(BackColor("lblPointOutVal(2)"), Cyan);
    EXPECT_EQ(Text("txtDryBulb"), "70.00");
}

TEST_F(PanelsTest, ProcessPanelListsLinesWithChangesAndNoOffsets) {
    AddPoints(3);
    Trigger("mnuOptionsProcess");
    EXPECT_TRUE(Find<QAction>("mnuOptionsProcess")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>("frmProcess")->isHidden());
    EXPECT_EQ(Column("lblFromVal", 1), "");

    AddLine(1, 2);
    Window().ShowProcessLines(1);
    EXPECT_EQ(Column("lblFromVal", 1), "1");
    EXPECT_EQ(Column("lblToVal", 1), "2");
    EXPECT_EQ(Column("lblDeltaDryVal", 1), "10.00");
    EXPECT_EQ(BackColor("lblDeltaDryVal(1)"), Cyan);  // the only line is cyan, selected or not
    EXPECT_TRUE(ProcessBar()->isHidden());

    AddLine(2, 3);
    AddLine(3, 1);
    Global::SelProcLine = 3;
    Window().ShowProcessLines(3);
    EXPECT_FALSE(ProcessBar()->isHidden());
    EXPECT_EQ(ProcessBar()->maximum(), 2);
    EXPECT_EQ(ProcessBar()->value(), 2);
    EXPECT_EQ(Column("lblFromVal", 1), "2");
    EXPECT_EQ(Column("lblDeltaDryVal", 2), "-20.00");
    EXPECT_EQ(BackColor("lblFromVal(2)"), Cyan);

    // A click on column 1 selects line 2 and shows lines 1 and 2.
    ClickLabel("lblDeltahVal(1)");
    EXPECT_EQ(Global::SelProcLine, 2);
    EXPECT_EQ(ProcessBar()->value(), 1);
    EXPECT_EQ(Column("lblFromVal", 1), "1");
    EXPECT_EQ(BackColor("lblFromVal(2)"), Cyan);

    Trigger("mnuOptionsProcess");
    EXPECT_FALSE(Find<QAction>("mnuOptionsProcess")->isChecked());
    EXPECT_TRUE(Find<QGroupBox>("frmProcess")->isHidden());
}

TEST_F(PanelsTest, MetricChangesUseTheScaleAlone) {
    AddPoint({{"DryBulb", "32"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "41"}, {"RelHumid", "50"}});
    AddLine(1, 2);
    Window().ShowProcessLines(1);
    EXPECT_EQ(Column("lblDeltaDryVal", 1), "9.00");
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    EXPECT_EQ(Column("lblDeltaDryVal", 1), "5.00");
    EXPECT_EQ(Column("lblDryOutVal", 1), "0.00");
}

TEST_F(PanelsTest, ClickOnAnEmptyColumnChangesNothing) {
    AddPoints(2);
    AddLine(1, 2);
    Global::SelProcLine = 0;
    Window().ShowProcessLines(1);
    ClickLabel("lblToVal(2)");
    EXPECT_EQ(Global::SelProcLine, 0);
    ClickLabel("lblPointOutVal(2)");  // the output panel's column 2 shows point 2
    EXPECT_EQ(Global::Points(2).MarkerColor, Global::ColorBlue);
}

}  // namespace
