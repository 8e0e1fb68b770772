#include "CalcWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"

namespace {

class HeatMoistureTest : public CalcWindowTest {
protected:
    // Known point 55 F / 95 %, q 20000 BTU/hr, one gain of 10 lb/hr at 1100 BTU/lb.
    void SetUp() override {
        CalcWindowTest::SetUp();
        AddPoint({{"DryBulb", "55"}, {"RelHumid", "95"}}), OpenCalculator("mnuOptProcHM");
        CalcTypeAll({{"txtHeatMoistPoint", "1"}, {"txtHeatMoistQ", "20000"}});
        Enter("txtMoistGainFlow", "10"), Enter("txtMoistGainEnt", "1100");
    }
    void Seek(const char* option, const QString& value) {
        CalcPress("cmdHMInputParam"), CalcChoose(option), CalcPress("cmdHMInputOK");
        CalcType("txtHMInputParam", value), messages.clear(), CalcPress("cmdHMCalc");
    }
    bool ResultsEnabled() {
        return AllEnabled(
            {"lblHMOutputFlowcfm", "lblcube", "lblOutCFM", "lblHMOutputPoint", "lblHMOutputFlow"});
    }
    // The end's dry bulb, air flow and volume flow.
    QStringList End() { return {Text("txtDryBulb"), CalcText("lblHMOutputFlowVal"), CalcText("lblOutCFM")}; }
    QString Row(const char* column, int k) { return CalcText(QString("%1(%2)").arg(column).arg(k)); }
};

TEST_F(HeatMoistureTest, FindsTheSoughtEndOfEachKind) {
    Seek("optHMInputFlow", "50");
    EXPECT_EQ(Shown(), "82.37 / 62.49");
    EXPECT_TRUE(CalcText("lblHMOutputPoint") == "Outlet Point No." && !CalcShown("lblHMOutputFlowVal"));
    Seek("optHMInputDry", "75");  // these two as tools/room_flows.py works them out
    EXPECT_EQ(CalcTexts({"lblHMOutputFlowVal", "lblOutCFM"}), QStringList({"66.87", "917.5"}));
    Seek("optHMInputDew", "60");
    EXPECT_EQ(CalcTexts({"lblHMOutputFlowVal", "lblOutCFM"}), QStringList({"72.12", "987.4"}));
    EXPECT_TRUE(Told().empty() && ResultsEnabled());

    // The wet bulb, relative humidity and humidity ratio of that end find it again, nearly.
    const Global::StatePoint end = Global::Points(4);
    const QString wet = Text("txtWetBulb"), rh = Text("txtRelHumid"),
                  w = QString::number(end.HumidRatio, 'g', 9);
    for (const auto& [option, value, near] :
         {std::tuple{"optHMInputWet", wet, 1.2}, {"optHMInputPhi", rh, 1.0}, {"optHMInputW", w, 0.25}}) {
        Seek(option, value);
        EXPECT_TRUE(Told().empty()) << option;
        EXPECT_NEAR(Global::Points(Global::NumPoints).DryBulb, end.DryBulb, near) << option;
    }
    EXPECT_EQ(Lines(), (LineList{{1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}}));

    // The first end known as the outlet: the line runs back to about the first point.
    CalcChoose("optHeatMoistOutlet");
    EXPECT_EQ(CalcText("optHMInputDew"), "Inlet Dew Point (F)");
    CalcType("txtHeatMoistPoint", "2"), Seek("optHMInputFlow", "50");
    EXPECT_TRUE(CalcText("lblHMOutputPoint") == "Inlet Point No." && Lines().back() == std::pair(8, 2));
    EXPECT_NEAR(Global::Points(8).DryBulb, Global::Points(1).DryBulb, 0.02);
}

// A room's supply air from its gains, worked out apart from the program in tools/room_flows.py: the
// new point keeps its dew point's humidity ratio (a looser state put 75 F at 187.3 lb/min).
TEST_F(HeatMoistureTest, RoomSupplyFlowsFromThreeGains) {
    CalcType("txtHeatMoistQ", "60000"), CalcPress("cmdMoistGain");
    const char* gains[][2] = {
        {"txtHMFlow(1)", "5"}, {"txtMHEnth(1)", "1150"}, {"txtHMFlow(2)", "2"}, {"txtMHEnth(2)", "40"}};
    for (const auto& [box, text] : gains) Enter(box, text);
    CalcPress("cmdHMMoistOK");
    const char* rows[][4] = {{"optHMInputDry", "75", "192.8", "2642"},
                             {"optHMInputDew", "58", "184.4", "2534"},
                             {"optHMInputDry", "80", "154.6", "2139"}};
    for (const auto& [option, value, flow, volume] : rows) {
        Seek(option, value);
        EXPECT_EQ(CalcTexts({"lblHMOutputFlowVal", "lblOutCFM"}), QStringList({flow, volume})) << value;
    }
}

TEST_F(HeatMoistureTest, RelativeHumidityEndsAndNoChange) {
    // The known dry bulb again: the end found is the known point itself, no air flow.
    Seek("optHMInputDry", "55");
    EXPECT_EQ(CalcTexts({"lblHMOutputFlowVal", "lblOutCFM"}), QStringList({"", ""}));
    // A dry bulb where the line holds more water than saturated air: said so, not blamed on a dew point.
    Seek("optHMInputDry", "50");
    EXPECT_EQ(Told(),
              Texts{"The dry bulb given lies below the point where the process line reaches saturation"});
    // With less heat the line runs out of moisture before the air is saturated.
    CalcType("txtHeatMoistQ", "10000"), Seek("optHMInputPhi", "100");
    EXPECT_EQ(std::pair(Told(), Global::NumPoints), std::pair(Texts{"Invalid Input"}, int16_t{2}));
    // Worked out apart from the program in tools/outlet_states.py; the 70 F and 120 F rows on
    // near-upright lines (from 120 F a correction lands on no number).
    AddPoint({{"DryBulb", "70"}, {"RelHumid", "50"}}), AddPoint({{"DryBulb", "120"}, {"RelHumid", "10"}});
    AddPoint({{"DryBulb", "60"}, {"RelHumid", "80"}});  // the humidity falls both ways: the nearer crossing
    const char* rows[][8] = {{"optHeatMoistInlet", "1", "22000", "1100", "60", "74.50", "75.83", "1039"},
                             {"optHeatMoistInlet", "1", "22000", "1100", "80", "62.26", "203.8", "2722"},
                             {"optHeatMoistInlet", "1", "22000", "1100", "90", "57.28", "650.7", "8602"},
                             {"optHeatMoistInlet", "1", "22000", "1100", "95", "55.00", "", ""},
                             {"optHeatMoistInlet", "1", "22000", "1100", "100", "52.83", "-680.4", "-8910"},
                             {"optHeatMoistOutlet", "1", "22000", "1100", "90", "57.28", "-650.7", "-8602"},
                             {"optHeatMoistOutlet", "1", "22000", "1100", "100", "52.83", "680.4", "8910"},
                             {"optHeatMoistInlet", "3", "100", "1080", "60", "69.99", "105.8", "1433"},
                             {"optHeatMoistInlet", "4", "100", "1100", "30", "119.74", "11.22", "169.7"},
                             {"optHeatMoistInlet", "5", "9000", "1100", "60", "38.60", "-28.45", "-359.1"}};
    for (const auto& [known, point, q, gain, rh, dry, flow, cfm] : rows) {
        CalcChoose(known);
        CalcTypeAll({{"txtHeatMoistPoint", point}, {"txtHeatMoistQ", q}}), Enter("txtMoistGainEnt", gain);
        Seek("optHMInputPhi", rh);
        EXPECT_EQ(End(), QStringList({dry, flow, cfm})) << known << " " << rh;
    }
}

TEST_F(HeatMoistureTest, RelativeHumidityTheOtherWayFromTheKnownPoint) {
    // Worked out in tools/outlet_states.py: above 23.9 % towards warmer air up to boiling;
    // towards colder air it first rises, then falls to none, meeting 23.9 % at 91.61 F.
    UsePressure("6.8447"), AddPoint({{"DryBulb", "125.23"}, {"RelHumid", "61"}});
    CalcChoose("optHeatMoistOutlet"), CalcTypeAll({{"txtHeatMoistPoint", "2"}, {"txtHeatMoistQ", "1201"}});
    Enter("txtMoistGainFlow", "27.3776"), Enter("txtMoistGainEnt", "1185.58"), Seek("optHMInputPhi", "23.9");
    EXPECT_EQ(End(), QStringList({"91.61", "3.971", "121.6"}));
}

TEST_F(HeatMoistureTest, RefusalsAndWarnings) {
    // An inlet wetter than the known outlet: a negative air flow, warned, shown, and the point stands.
    CalcChoose("optHeatMoistOutlet"), Seek("optHMInputDew", "56");
    EXPECT_EQ(Told(), Texts{"AirFlow Input, This results in a negative air flow!"});
    EXPECT_TRUE(CalcText("lblHMOutputFlowVal").startsWith("-"));
    // More water than the air can give back; a dew point above the boiling point.
    for (const auto& [option, value] : {std::pair{"optHMInputFlow", "0.01"}, {"optHMInputDew", "400"}}) {
        Seek(option, value);
        EXPECT_EQ(std::pair(Told(), ResultsEnabled()), std::pair(Texts{"Invalid Input"}, false)) << option;
    }
    // Every gain dropped by OK while the boxes still read 10 and 1100.
    CalcPress("cmdMoistGain"), Enter("txtHMFlow(0)", "0"), Enter("txtMHEnth(0)", "0");
    CalcPress("cmdHMMoistOK");
    const int16_t gains = Global::NumMoistGains;
    Seek("optHMInputDew", "60");
    EXPECT_EQ(
        std::tuple(gains, Told(), Lines(), ResultsEnabled(), Platform::MousePointer()),
        std::tuple(int16_t{0}, Texts{"Invalid Moisture Flowrate"}, LineList{{2, 1}}, false, int16_t{0}));

    // The boxes bring gain 1 back, and an edit still in its box counts.
    Enter("txtMoistGainFlow", "10");
    EXPECT_EQ(Global::NumMoistGains, 1);
    CalcFind<QWidget>("txtMoistGainEnt")->setFocus(), CalcType("txtMoistGainEnt", "1100");  // left in its box
    CalcChoose("optHeatMoistInlet"), Seek("optHMInputFlow", "50");
    EXPECT_EQ(Shown(), "82.37 / 62.49");
    // A full line table: no end point is made whose line would be refused.
    const int16_t made = Global::NumPoints;
    SetLines(LineList(32767, {1, 1})), Seek("optHMInputFlow", "50");
    EXPECT_EQ(Global::NumPoints, made);
}

// A gain that cannot be stored stays as typed and stores nothing: Calculate, the table's OK, a
// scroll, Add a Row and reopening the table refuse it with that box's message.
TEST_F(HeatMoistureTest, RefusedGainTextsStayAsTypedAndAddNothing) {
    CalcPress("cmdHMInputParam"), CalcChoose("optHMInputFlow"), CalcPress("cmdHMInputOK");
    CalcType("txtHMInputParam", "50");
    const char *flow = "Invalid Moisture Flowrate", *enthalpy = "Invalid Moisture Enthalpy",
               *bad = "Invalid Input";
    // US units?, box, text, its message (from Calculate, then OK for a row or opening the table for a
    // single box); 3e38 is a float in kg/hr, none in lb/hr; "txtHMFlow(1)" would be a new gain.
    // clang-format off
    const std::tuple<bool, const char*, const char*, const char*> rows[] = {
        {true, "txtMoistGainFlow", "1,5", flow}, {true, "txtMoistGainFlow", "1e39", bad},
        {true, "txtMoistGainEnt", "2abc", enthalpy}, {true, "txtMoistGainEnt", "inf", enthalpy},
        {false, "txtMoistGainFlow", "3e38", bad}, {true, "txtHMFlow(0)", "1,5", flow},
        {true, "txtHMFlow(0)", "1e39", bad}, {true, "txtMHEnth(0)", "inf", enthalpy}, {true, "txtHMFlow(1)", "2abc", flow}};
    // clang-format on
    for (const auto& [us, box, text, told] : rows) {
        const bool row = QString(box).contains('(');
        if (!us) UseUnits(false);
        if (row) CalcPress("cmdMoistGain");
        const QString before = CalcText(box);
        Enter(box, text), messages.clear(), CalcPress("cmdHMCalc");
        CalcPress(row ? "cmdHMMoistOK" : "cmdMoistGain");  // refused too: the table stays as it was
        EXPECT_EQ(std::tuple(Told(), CalcText(box), CalcShown("frmMoistGainMore"), Global::NumPoints,
                             Global::NumMoistGains, Global::MoistGains(1, 1), Global::MoistGains(2, 1)),
                  std::tuple(Texts(2, told), QString(text), row, int16_t{1}, int16_t{1}, 10.0f, 1100.0f))
            << box << " " << text;
        UseUnits(true), Enter(box, before);
        if (row) CalcPress("cmdHMMoistOK");
    }
    messages.clear(), CalcPress("cmdHMCalc");
    EXPECT_EQ(std::pair(Told(), Lines()), std::pair(Texts{}, LineList{{1, 2}})) << "the gains put right";

    // Six gains, the fifth refused in its box: kept through a scroll, Add a Row and reopening;
    // Cancel drops it and the stored gain shows again.
    CalcPress("cmdMoistGain");
    for (int k = 1; k < 5; ++k) Enter(QString("txtHMFlow(%1)").arg(k), "1");
    CalcPress("cmdHMMoistAdd"), Enter("txtHMFlow(4)", "6"), Enter("txtHMFlow(4)", "6x");
    auto* bar = CalcFind<QScrollBar>("scrlHMMoist");
    for (const int step : {0, 1, 2}) {
        messages.clear();
        step == 0 ? bar->setValue(1) : CalcPress(step == 1 ? "cmdHMMoistAdd" : "cmdMoistGain");
        EXPECT_EQ(std::tuple(Told(), bar->value(), bar->maximum(), Row("txtHMFlow", 4)),
                  std::tuple(Texts{flow}, 2, 2, QString("6x")))
            << step;
    }
    CalcPress("cmdHMMoistCancel"), CalcPress("cmdMoistGain");  // now gains 3 to 7
    EXPECT_EQ(Row("txtHMFlow", 3) + "|" + QString::number(Global::MoistGains(1, 6)), "6.000|6");
}

TEST_F(HeatMoistureTest, TableAppendsFillsGapsCompactsAndEditsTheGainShown) {
    CalcPress("cmdMoistGain");
    EXPECT_EQ(Row("txtHMFlow", 0), "10.00");
    Enter("txtHMFlow(3)", "4");  // two rows below the last gain
    EXPECT_EQ(Global::NumMoistGains, 4);
    EXPECT_EQ(Row("txtHMFlow", 2) + "|" + Row("txtMHEnth", 2), "0.0|");
    Enter("txtMHEnth(4)", "");  // an empty box left: "0.0", nothing stored
    EXPECT_EQ(Row("txtMHEnth", 4), "0.0");
    Enter("txtHMFlow(3)", "abc");  // not a number: kept as typed, nothing stored
    EXPECT_EQ(Row("txtHMFlow", 3) + "|" + QString::number(Global::MoistGains(1, 4)), "abc|4");
    Enter("txtHMFlow(3)", "4"), CalcPress("cmdHMMoistOK");
    ASSERT_EQ(Global::NumMoistGains, 2);
    EXPECT_TRUE(Global::MoistGains(1, 2) == 4 && Global::MoistGains(2, 2) == 0);

    // Eight gains, reopened twice: each time the first row shows gain 5 and edits it.
    CalcPress("cmdMoistGain");
    for (int k = 2; k < 5; ++k) Enter(QString("txtHMFlow(%1)").arg(k), QString::number(k + 1));
    for (int g = 6; g <= 8; ++g) CalcPress("cmdHMMoistAdd"), Enter("txtHMFlow(4)", QString::number(g));
    CalcPress("cmdHMMoistOK");
    ASSERT_EQ(Global::NumMoistGains, 8);
    for (const char* shown : {"5.000", "50.00"}) {
        CalcPress("cmdMoistGain");
        EXPECT_EQ(CalcFind<QScrollBar>("scrlHMMoist")->value(), 5);
        EXPECT_EQ(Row("txtHMFlow", 0) + "|" + Row("txtHMFlow", 4), QString(shown) + "|");
        Enter("txtHMFlow(0)", "50"), CalcPress("cmdHMMoistCancel");
    }
    EXPECT_TRUE(Global::MoistGains(1, 5) == 50 && Global::MoistGains(1, 4) == 4);
    EXPECT_TRUE(messages.empty());
    // Print, as Calculate and Save do, first stores the gain still in its box; a refused one stays as typed.
    Platform::RecordingSurface page{11520, 15120};
    for (const char* typed : {"99", "2abc"}) {
        CalcFind<QWidget>("txtMoistGainFlow")->setFocus(), CalcType("txtMoistGainFlow", typed);
        Platform::SetPrinterPage(&page), CalcTrigger("mnuFilePrint"), Platform::SetPrinterPage(nullptr);
        EXPECT_EQ(std::pair(CalcText("txtMoistGainFlow"), Global::MoistGains(1, 1)),
                  std::pair(QString(typed), 99.0f));
    }
}

}  // namespace
