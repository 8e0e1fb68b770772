#include <QGroupBox>
#include <QRadioButton>

#include "ChartWindowFixture.h"

namespace {

class PressureTest : public ChartWindowTest {
protected:
    void Enter(bool pressure, const QString& text) {
        Trigger("mnuOptPress");
        Find<QRadioButton>(pressure ? "optPress" : "optAlt")->setChecked(true);
        Type(pressure ? "txtPress" : "txtAlt", text);
        Press("cmdPressOK");
    }
};

TEST_F(PressureTest, AltitudeAndPressureEntries) {
    Trigger("mnuOptPress");
    EXPECT_FALSE(Find<QGroupBox>("frmPress")->isHidden());
    Enter(false, "5000");
    EXPECT_NEAR(Global::PressInHg, 24.895, 5e-4);
    EXPECT_EQ(Text("txtPress"), "12.23");
    EXPECT_EQ(Text("txtAlt"), "5000");
    Enter(true, "17.5");  // about -4910 ft
    Enter(false, "-5000");
    Enter(false, "25000");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Global::Alt, 25000.0f);
    Press("cmdClose");
    EXPECT_TRUE(Find<QGroupBox>("frmPress")->isHidden());
    EXPECT_EQ(Text("txtPress"), "5.454");  // the chart title follows at the redraw
}

TEST_F(PressureTest, RefusedEntriesChangeNothing) {
    Window();
    const float press = Global::Press, alt = Global::Alt, inHg = Global::PressInHg;
    Enter(false, "25000.1");
    Enter(true, "5.45");
    Enter(true, "abc");
    Enter(true, "-3");
    Enter(true, "0");
    Enter(false, "200000");
    Enter(false, "");
    Enter(true, "1e30");
    Enter(true, "17.6");  // about -5070 ft
    Enter(false, "-5000.1");
    Enter(false, "-1e7");
    std::vector<std::string> texts;
    for (auto& m : messages) texts.push_back(m.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Altitudes are valid only below 25000 ft",
                                               "Altitudes are valid only below 25000 ft", "Invalid Pressure",
                                               "Invalid Pressure", "Invalid Pressure", "Invalid Altitude",
                                               "Invalid Altitude", "Invalid Pressure", "Invalid Pressure",
                                               "Invalid Altitude", "Invalid Altitude"}));
    EXPECT_EQ(Global::Press, press);
    EXPECT_EQ(Global::Alt, alt);
    EXPECT_EQ(Global::PressInHg, inHg);
    EXPECT_EQ(Text("txtAlt"), "-1e7");  // the boxes keep what was typed
}

TEST_F(PressureTest, MetricAltitude) {
    Window();
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    Enter(false, "1524");
    EXPECT_NEAR(Global::Alt, 5000, 0.01);
    EXPECT_EQ(Text("optAlt"), "Altitude (m)");
    Enter(false, "7700");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Altitudes are valid only below 7620 m");
}

class EditTest : public ChartWindowTest {
protected:
    void AddPoints(int count) {
        for (int i = 0; i < count; ++i)
            AddPoint({{"DryBulb", QString::number(50 + 10 * i)}, {"RelHumid", "40"}});
        ASSERT_EQ(Global::NumPoints, count);
    }
    void SetLines(std::vector<std::pair<int16_t, int16_t>> lines) {
        Global::ProcLines.Erase();
        Global::ProcLines.ReDim(2, lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
            Global::ProcLines(1, k + 1) = lines[k].first;
            Global::ProcLines(2, k + 1) = lines[k].second;
        }
    }
    std::vector<std::pair<int, int>> Lines() {
        std::vector<std::pair<int, int>> out;
        for (int k = 1; k <= Global::ProcLines.UBound(1); ++k)
            out.emplace_back(Global::ProcLines(1, k), Global::ProcLines(2, k));
        return out;
    }
    void Select(int16_t p) { Window().ShowPointState(p); }
};

using LineList = std::vector<std::pair<int, int>>;

TEST_F(EditTest, DeletePointTakesItsLinesAndRenumbers) {
    AddPoints(5);
    SetLines({{1, 2}, {2, 3}, {4, 5}});
    const float fifth = Global::Points(5).DryBulb;
    Select(3);
    Trigger("mnuEditDeletePoints");
    EXPECT_EQ(Global::NumPoints, 4);
    EXPECT_EQ(Lines(), (LineList{{1, 2}, {3, 4}}));
    EXPECT_EQ(Global::Points(4).DryBulb, fifth);
    EXPECT_EQ(Global::Points(4).MarkerColor, Global::ColorBlue);
    EXPECT_EQ(Global::Points.UBound(), 4);

    SetLines({{2, 1}, {1, 3}});
    Select(2);
    Trigger("mnuEditDeletePoints");
    EXPECT_EQ(Lines(), (LineList{{1, 2}}));
    EXPECT_EQ(Global::NumPoints, 3);
    EXPECT_FALSE(Find<QScrollBar>("scrlOutput")->isHidden());
}

TEST_F(EditTest, DeleteLinesAndTheirMessages) {
    Window();
    Trigger("mnuEditDeleteLines");
    Trigger("mnuEditDeletePoints");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "No Lines to Delete");
    EXPECT_EQ(messages[1].text, "No Points to Delete");

    AddPoints(3);
    SetLines({{1, 2}, {2, 3}, {3, 1}});
    Global::SelProcLine = 7;  // names no line: nothing goes
    Trigger("mnuEditDeleteLines");
    EXPECT_EQ(Lines().size(), 3u);
    Global::SelProcLine = 2;
    Window().ShowProcessLines(3);
    Trigger("mnuEditDeleteLines");
    EXPECT_EQ(Lines(), (LineList{{1, 2}, {3, 1}}));
    EXPECT_EQ(Global::SelProcLine, 2);
    EXPECT_TRUE(Find<QScrollBar>("scrlProcess")->isHidden());
    EXPECT_EQ(Text("lblFromVal(2)"), "3");
}

TEST_F(EditTest, ClearAllEmptiesTheChart) {
    Window();
    Trigger("mnuEditClear");  // nothing to clear: no message
    EXPECT_TRUE(messages.empty());
    AddPoints(4);
    SetLines({{1, 2}, {3, 4}, {4, 1}});
    Global::SelProcLine = 1;
    // Ctrl+A in a text box is Clear All, not the box's select-all.
    Window().activateWindow();
    auto* box = Find<QLineEdit>("txtDryBulb");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Global::NumPoints, 0);
    EXPECT_EQ(Global::Points.UBound(), 0);
    EXPECT_EQ(Global::ProcLines.UBound(1), 0);
    EXPECT_EQ(Global::SelProcLine, 0);
    EXPECT_EQ(Text("lblPointOutVal(1)"), "");
    EXPECT_EQ(Text("lblFromVal(1)"), "");
}

TEST_F(EditTest, EditingEndsAPendingLine) {
    AddPoints(3);
    Tick("chkLines");
    Window().picZolvane_MouseDown(2, 0, Global::Points(2).PlotX, Global::Points(2).PlotY);
    ASSERT_EQ(Global::LineState, 2);
    Trigger("mnuEditDeletePoints");  // point 2 is selected and is the pending line's From
    EXPECT_EQ(Global::LineState, 1);
    EXPECT_EQ(Global::ProcLines.UBound(1), 0);
    EXPECT_EQ(Global::NumPoints, 2);
}

}  // namespace
