#include "ChartWindowFixture.h"

namespace {

class PressureTest : public ChartWindowTest {
protected:
    void Enter(bool pressure, const QString& text) {
        Trigger("mnuOptPress");
        Find<QRadioButton>(pressure ? "optPress" : "optAlt")->setChecked(true);
        Type(pressure ? "txtPress" : "txtAlt", text), Press("cmdPressOK");
    }
};

TEST_F(PressureTest, AltitudeAndPressureEntriesWithinTheirBounds) {
    Enter(false, "5000");
    EXPECT_NEAR(Global::PressInHg, 24.895, 5e-4);
    EXPECT_EQ(Text("txtPress"), "12.23");
    Enter(true, "17.5"), Enter(false, "-5000"), Enter(false, "25000");  // 17.5 psia: about -4910 ft
    EXPECT_TRUE(messages.empty() && Global::Alt == 25000.0f);
    Press("cmdClose");
    EXPECT_FALSE(Shown("frmPress"));

    // Refused entries change nothing and the boxes keep what was typed.
    const float press = Global::Press, alt = Global::Alt, inHg = Global::PressInHg;
    for (const char* text : {"25000.1", "200000", "", "-5000.1", "-1e7", "1000ft"}) Enter(false, text);
    for (const char* text :
         {"5.45", "abc", "-3", "0", "1e30", "14,7", "14.7abc", "17.6" /* about -5070 ft */})
        Enter(true, text);
    const std::string high = "Altitudes are valid only below 25000 ft";
    EXPECT_EQ(Told(),
              (std::vector<std::string>{high, "Invalid Altitude", "Invalid Altitude", "Invalid Altitude",
                                        "Invalid Altitude", "Invalid Altitude", high, "Invalid Pressure",
                                        "Invalid Pressure", "Invalid Pressure", "Invalid Pressure",
                                        "Invalid Pressure", "Invalid Pressure", "Invalid Pressure"}));
    EXPECT_TRUE(Global::Press == press && Global::Alt == alt && Global::PressInHg == inHg);
    EXPECT_EQ(Text("txtPress"), "17.6");

    messages.clear(), UseUnits(false), Enter(false, "1524");
    EXPECT_NEAR(Global::Alt, 5000, 0.01);
    Enter(false, "7700");
    EXPECT_EQ(Told(), std::vector<std::string>{"Altitudes are valid only below 7620 m"});
}

TEST_F(PressureTest, DeletingLinesAndPointsRenumbersAndEndsAPendingLine) {
    Window(), Trigger("mnuEditDeleteLines"), Trigger("mnuEditDeletePoints");
    EXPECT_EQ(Told(), (std::vector<std::string>{"No Lines to Delete", "No Points to Delete"}));
    AddPoints(3), SetLines({{1, 2}, {2, 3}, {3, 1}});
    Global::SelProcLine = 7, Trigger("mnuEditDeleteLines");  // names no line: nothing goes
    EXPECT_EQ(Lines().size(), 3u);
    Global::SelProcLine = 2, Window().ShowProcessLines(3), Trigger("mnuEditDeleteLines");
    EXPECT_EQ(std::tuple(Lines(), Shown("scrlProcess"), Text("lblFromVal(2)")),
              std::tuple(LineList{{1, 2}, {3, 1}}, false, QString("3")));

    AddPoints(2), SetLines({{1, 2}, {2, 3}, {4, 5}});  // a point takes its lines, the later points move down
    const float fifth = Global::Points(5).DryBulb;
    Window().ShowPointState(3), Trigger("mnuEditDeletePoints");
    EXPECT_EQ(Lines(), (LineList{{1, 2}, {3, 4}}));
    EXPECT_TRUE(Global::Points(4).DryBulb == fifth && Global::Points(4).MarkerColor == Global::ColorBlue);
    EXPECT_EQ(Global::Points.UBound(), 4);
    SetLines({{2, 1}, {1, 3}}), Window().ShowPointState(2), Trigger("mnuEditDeletePoints");
    EXPECT_EQ(Lines(), (LineList{{1, 2}}));
    EXPECT_TRUE(Global::NumPoints == 3 && Shown("scrlOutput"));

    Tick("chkLines"), Window().picZolvane_MouseDown(2, 0, Global::Points(2).PlotX, Global::Points(2).PlotY);
    ASSERT_EQ(Global::LineState, 2);
    Trigger("mnuEditDeletePoints");
    EXPECT_TRUE(Global::LineState == 1 && Global::ProcLines.UBound(1) == 0 && Global::NumPoints == 2);
    // Ctrl+A in a text box selects its text; anywhere else it clears all.
    SetLines({{1, 2}, {2, 1}});
    auto* box = Find<QLineEdit>("txtDryBulb");
    Window().activateWindow(), box->setFocus(), QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText(), box->text());
    EXPECT_EQ(Global::Points.UBound() + Global::ProcLines.UBound(1), 4);
    Find<QWidget>("chkLines")->setFocus();
    QTest::keyClick(Find<QWidget>("chkLines"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Global::Points.UBound() + Global::ProcLines.UBound(1), 0);
}

}  // namespace
