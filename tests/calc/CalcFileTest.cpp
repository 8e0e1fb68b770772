#include <sstream>

#include "CalcWindowFixture.h"
#include "ChartFile.h"
#include "ChartFileMutation.h"

namespace {

using Chart::CalcFieldKind;

const char* const MenuItems[] = {"mnuOptProcHM", "mnuOptProcHeat", "mnuOptProcCool", "mnuOptProcAirAir",
                                 "mnuOptProcWatAir"};
const char* const Frames[] = {"frmHeatMoist", "frmHeat", "frmCool", "frmAirAir", "frmWatAir"};

class CalcFileTest : public CalcWindowTest {
protected:
    // Saves or opens through the chart window's File menu, or the calculator's.
    void File(const char* item, const std::string& name, bool calculatorMenu = false) {
        dialogs->AnswerPath(name), calculatorMenu ? CalcTrigger(item) : Trigger(item);
    }
    // Each text gets a number of its own and each line's last option; `check` compares instead.
    void FillOrCheck(int16_t type, bool check) {
        int n = 0;
        for (const Chart::CalcLine& line : Chart::CalcLayout(type)) {
            const char* last = nullptr;
            for (const Chart::CalcField& field : line) {
                const QString text = QString::number(10 * type + n++);
                if (field.kind == CalcFieldKind::Option) last = field.control;
                if (field.kind != CalcFieldKind::Text && field.kind != CalcFieldKind::Caption) continue;
                if (!check) CalcFind<QWidget>(field.control)->setProperty("text", text);
                EXPECT_EQ(CalcText(field.control), text) << field.control;
            }
            if (last && !check) CalcChoose(last);
            EXPECT_TRUE(!last || CalcFind<QRadioButton>(last)->isChecked()) << last;
        }
    }
    // What an Open could change: the chart as a file holds it, the limits and units, the
    // gains, the mouse's line, and every control of both windows.
    std::string WholeState() {
        using namespace Global;
        std::ostringstream out;
        const bool us = Find<QRadioButton>("optUSUnits")->isChecked();
        out << Chart::ChartFileText(Chart::CurrentChart(Chart::CurrentSettings(us))) << ProcessDataPresent
            << LineState << SelProcLine << TempUnit << NumMoistGains << ':';
        for (float v : {ChartMinDry, ChartMaxDry, ChartMinDew, ChartMaxDew, ChartMinW, ChartMaxW, TempScale,
                        MassFactor, EnthalpyFactor, RubberX, RubberY})
            out << v << ',';
        for (int i = 1; i <= MoistGains.UBound(1); ++i)
            out << MoistGains(1, i) << ',' << MoistGains(2, i) << ';';
        for (QWidget* window :
             {static_cast<QWidget*>(&Window()), CalcLoaded() ? static_cast<QWidget*>(&Calc()) : nullptr})
            for (const QWidget* w : window ? window->findChildren<QWidget*>() : QList<QWidget*>())
                out << '\n'
                    << w->objectName().toStdString() << w->property("text").toString().toStdString()
                    << w->property("checked").toBool() << w->property("value").toInt() << w->isHidden()
                    << w->isEnabled();
        return out.str();
    }
};

TEST_F(CalcFileTest, EveryCalculatorIsSavedAndRestoredThroughTheWindows) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    for (int16_t type = 1; type <= 5; ++type) {
        OpenCalculator(MenuItems[type - 1]);
        FillOrCheck(type, false);
        Global::ProcessDataPresent = true;  // as after a calculation
        const std::string name = "calc" + std::to_string(type) + ".zlv";
        File("mnuFileSave", name);
        CalcTrigger("mnuFileExit");
        File("mnuFileOpen", name);
        for (int f = 1; f <= 5; ++f) EXPECT_EQ(CalcShown(Frames[f - 1]), f == type) << type;
        FillOrCheck(type, true);
        EXPECT_TRUE(Global::ProcessDataPresent && Global::NumPoints == 1);
    }
    // The results read as current again; water/air was given its water flow, so none shows.
    EXPECT_TRUE(CalcEnabled("lblWatAirOutPoint") && !CalcShown("lblWatAirWatFlowVal"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcFileTest, MoistureGainsAndUnknownTypes) {
    OpenCalculator("mnuOptProcHM");
    Global::ProcessDataPresent = true, Global::NumMoistGains = 3;
    Global::MoistGains.ReDim(2, 3);
    for (int i = 1; i <= 3; ++i) Global::MoistGains(1, i) = i, Global::MoistGains(2, i) = 1000 + i;
    File("mnuFileSave", "three.zlv");
    CalcTypeAll({{"txtMoistGainFlow", "5"}, {"txtMoistGainEnt", "1100"}});
    Global::NumMoistGains = 1;
    File("mnuFileSave", "one.zlv");
    CalcTrigger("mnuFileExit");
    File("mnuFileOpen", "three.zlv");
    ASSERT_EQ(Global::NumMoistGains, 3);
    EXPECT_TRUE(Global::MoistGains(1, 3) == 3.0f && Global::MoistGains(2, 2) == 1002.0f);
    File("mnuFileOpen", "one.zlv");  // the one gain is taken from its two boxes
    EXPECT_TRUE(Global::NumMoistGains == 1 && Global::MoistGains(1, 1) == 5.0f &&
                Global::MoistGains(2, 1) == 1100.0f);

    // A type the program does not know shows the window and restores nothing.
    CalcTrigger("mnuFileExit");
    const std::string text = ReadFile("one.zlv");
    WriteFile("seven.zlv", text.substr(0, text.find("#TRUE#,0\r\n") + 10) + "7\r\n0\r\n");
    File("mnuFileOpen", "seven.zlv");
    EXPECT_TRUE(CalcLoaded() && messages.empty() && ShownFrames().isEmpty());
}

// The gain texts of a metric file are metric whatever units were in force before the Open.
TEST_F(CalcFileTest, AMetricGainIsRestoredInMetric) {
    UseUnits(false);
    AddPoint({{"DryBulb", "25"}, {"RelHumid", "50"}});
    OpenCalculator("mnuOptProcHM");
    CalcTypeAll({{"txtMoistGainFlow", "10"}, {"txtMoistGainEnt", "100"}});
    Global::ProcessDataPresent = true;
    File("mnuFileSave", "metric.zlv");
    CalcTrigger("mnuFileExit");
    UseUnits(true);
    File("mnuFileOpen", "metric.zlv");
    ASSERT_EQ(Global::NumMoistGains, 1);
    EXPECT_NEAR(Global::MoistGains(1, 1), 10 / 0.45359237, 1e-4);      // kg/hr in lb/hr
    EXPECT_NEAR(Global::MoistGains(2, 1), 100 / 2.326 + 7.684, 1e-4);  // shown as (h - 7.684) x 2.326
    EXPECT_EQ(CalcText("lblMoistGainFlow"), "Mass Flowrate (kg/hr)");
}

// Mutated files opened through either window's menu: a refused Open changes nothing at all.
TEST_F(CalcFileTest, RefusedOpensChangeNothing) {
    AddExamplePoints();
    SetLines({{1, 2}, {2, 3}});
    OpenCalculator("mnuOptProcHM");
    CalcType("txtHMInputParam", "60");
    Global::ProcessDataPresent = true, Global::NumMoistGains = 2;
    Global::MoistGains.ReDim(2, 2);
    File("mnuFileSave", "gains.zlv");
    UseUnits(false);
    OpenCalculator("mnuOptProcCool");
    File("mnuFileSave", "cool.zlv");
    const std::string bases[] = {ReadFile("gains.zlv"), ReadFile("cool.zlv")};
    std::mt19937 random(5);
    int refused = 0;
    for (int round = 0; round < 150; ++round) {
        const std::string text = MutatedText(bases[round % 2], random);
        const auto parsed = Chart::ParseChartFile(text);
        WriteFile("m.zlv", text);
        const std::string before = WholeState();
        messages.clear();
        File("mnuFileOpen", "m.zlv", CalcLoaded() && round % 3 == 0);
        if (parsed.data) continue;
        ++refused;
        EXPECT_EQ(Told(), Texts{Chart::StageText(parsed.failed)});
        ASSERT_EQ(WholeState(), before) << text;
    }
    EXPECT_GT(refused, 100);
}

TEST_F(CalcFileTest, CalculatorFileMenu) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    OpenCalculator("mnuOptProcCool");
    CalcType("txtCoolFlow", "40");
    File("mnuFileSave", "plain", true);  // no calculation yet: no section
    EXPECT_NE(ReadFile("plain.zlv").find("#FALSE#,0\r\n1\r\n"), std::string::npos);
    WriteFile("bad.zlv", "damaged");
    File("mnuFileOpen", "bad.zlv", true);
    EXPECT_TRUE(CalcText("txtCoolFlow") == "40" && messages.size() == 1u) << "the input stays";
    File("mnuFileOpen", "plain.zlv", true);
    EXPECT_FALSE(CalcLoaded() || Global::ProcessDataPresent);
}

}  // namespace
