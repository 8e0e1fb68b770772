#include "ChartWindowFixture.h"

namespace {

constexpr int32_t Cyan = 0xFFFF00, White = 0xFFFFFF;

class PanelsTest : public ChartWindowTest {
protected:
    QString Row(const QString& row) { return TextsOf({row + "(1)", row + "(2)"}); }
    QScrollBar* Bar(const char* name) { return Find<QScrollBar>(name); }
    std::pair<int, int> MaxAndValue(const char* bar) { return {Bar(bar)->maximum(), Bar(bar)->value()}; }
};

TEST_F(PanelsTest, OutputPanelShowsTheLastTwoPointsAndScrolls) {
    Window().ShowOutputPoints(0);
    EXPECT_EQ(std::pair(Row("lblPointOutVal"), BackColor("lblSpVolOutVal(2)")),
              std::pair(QString("|"), White));
    AddPoints(1), Global::Points(1).MarkerColor = Global::ColorRed, Window().ShowOutputPoints(1);
    EXPECT_EQ(BackColor("lblSpVolOutVal(1)"), Cyan);  // a lone point is cyan even when not selected
    AddPoint({{"DryBulb", "60"}, {"RelHumid", "40"}});
    EXPECT_EQ(std::pair(Shown("scrlOutput"), Row("lblDryOutVal")), std::pair(false, QString("50.00|60.00")));
    EXPECT_EQ(std::pair(BackColor("lblDryOutVal(1)"), BackColor("lblDryOutVal(2)")), std::pair(White, Cyan));

    AddPoints(3);
    EXPECT_EQ(std::tuple(Shown("scrlOutput"), Row("lblPointOutVal"), MaxAndValue("scrlOutput")),
              std::tuple(true, QString("4|5"), std::pair(4, 4)));
    Bar("scrlOutput")->setValue(1);
    EXPECT_EQ(Row("lblPointOutVal"), "1|2");
    Window().ShowOutputPoints(4);  // points 3 and 4; a click on column 1 selects point 3
    ClickLabel("lblEnthalpyOutVal(1)");
    EXPECT_EQ(std::pair(Global::Points(3).MarkerColor, Global::Points(5).MarkerColor),
              (std::pair<float, float>(Global::ColorBlue, Global::ColorRed)));
    EXPECT_EQ(Row("lblPointOutVal") + "|" + QString::number(Bar("scrlOutput")->value()), "2|3|2");
    EXPECT_EQ(std::pair(BackColor("lblPointOutVal(2)"), Text("txtDryBulb")),
              std::pair(Cyan, QString("50.00")));
}

TEST_F(PanelsTest, ProcessPanelListsLinesWithTheirChangesInEitherUnits) {
    AddPoints(3), Trigger("mnuOptionsProcess");
    EXPECT_TRUE(Shown("frmProcess"));
    SetLines({{1, 2}}), Window().ShowProcessLines(1);
    EXPECT_EQ(TextsOf({"lblFromVal(1)", "lblToVal(1)", "lblDeltaDryVal(1)", "lblFromVal(2)"}), "1|2|10.00|");
    // The only line is cyan, selected or not.
    EXPECT_EQ(std::pair(BackColor("lblDeltaDryVal(1)"), Shown("scrlProcess")), std::pair(Cyan, false));
    ClickLabel("lblToVal(2)");  // an empty column selects nothing
    EXPECT_EQ(Global::SelProcLine, 0);

    SetLines({{1, 2}, {2, 3}, {3, 1}}), Global::SelProcLine = 3, Window().ShowProcessLines(3);
    EXPECT_EQ(MaxAndValue("scrlProcess"), std::pair(2, 2));
    EXPECT_EQ(Row("lblFromVal") + "|" + Row("lblDeltaDryVal"), "2|3|10.00|-20.00");
    EXPECT_EQ(BackColor("lblFromVal(2)"), Cyan);
    ClickLabel("lblDeltahVal(1)");  // selects line 2 and shows lines 1 and 2
    EXPECT_EQ((std::pair<int, int>(Global::SelProcLine, Bar("scrlProcess")->value())), std::pair(2, 1));
    EXPECT_EQ(std::pair(Row("lblFromVal"), BackColor("lblFromVal(2)")), std::pair(QString("1|2"), Cyan));
    UseUnits(false);  // 10 F and 60 F: changes by the scale alone, states with the offset too
    EXPECT_EQ(TextsOf({"lblDeltaDryVal(1)", "lblDryOutVal(1)"}), "5.56|15.56");
}

}  // namespace
