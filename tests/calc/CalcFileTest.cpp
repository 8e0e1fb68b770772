#include <QFileInfo>
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
    // What an Open could change: the chart as a file holds it, limits, units, gains, the
    // mouse's line, and every control of both windows.
    std::string WholeState() {
        using namespace Global;
        std::ostringstream out;
        out << Chart::ChartFileText(Chart::CurrentChart(Chart::CurrentSettings(TempUnit == "F"))) << TempUnit
            << ProcessDataPresent << LineState << ChartMinDry << ChartMaxDry << ChartMaxW << NumMoistGains;
        for (int i = 1; i <= MoistGains.UBound(1); ++i)
            out << ',' << MoistGains(1, i) << ',' << MoistGains(2, i);
        QList<QWidget*> controls = Window().findChildren<QWidget*>();
        if (CalcLoaded()) controls += Calc().findChildren<QWidget*>();
        for (const QWidget* c : controls)
            out << '\n'
                << c->objectName().toStdString() << c->property("text").toString().toStdString()
                << c->property("checked").toBool() << c->property("value").toInt() << c->isHidden()
                << c->isEnabled();
        return out.str();
    }
};

TEST_F(CalcFileTest, EveryCalculatorIsSavedAndRestoredThroughTheWindows) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    for (int16_t type = 1; type <= 5; ++type) {
        OpenCalculator(MenuItems[type - 1]), FillOrCheck(type, false);
        Global::ProcessDataPresent = true, dialogs->AnswerPath("calc.zlv");  // as after a calculation
        if (type > 1) dialogs->AnswerAccept();  // Yes, replace the file the calculator before wrote
        Trigger("mnuFileSave"), CalcTrigger("mnuFileExit"), File("mnuFileOpen", "calc.zlv");
        FillOrCheck(type, true);
        EXPECT_EQ(std::tuple(ShownFrames(), Global::ProcessDataPresent, Global::NumPoints),
                  std::tuple(QStringList{Frames[type - 1]}, true, int16_t{1}));
    }
    // The results read as current again; water/air was given its water flow, so none shows.
    EXPECT_TRUE(CalcEnabled("lblWatAirOutPoint") && !CalcShown("lblWatAirWatFlowVal"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcFileTest, MoistureGainsAndUnknownTypes) {
    OpenCalculator("mnuOptProcHM");
    Global::ProcessDataPresent = true, Global::NumMoistGains = 3, Global::MoistGains.ReDim(2, 3);
    for (int i = 1; i <= 3; ++i) Global::MoistGains(1, i) = i, Global::MoistGains(2, i) = 1000 + i;
    File("mnuFileSave", "three.zlv"), UseUnits(false);
    CalcTypeAll({{"txtMoistGainFlow", "10"}, {"txtMoistGainEnt", "100"}});
    Global::NumMoistGains = 1, File("mnuFileSave", "one.zlv");
    CalcTrigger("mnuFileExit"), File("mnuFileOpen", "three.zlv");
    ASSERT_EQ(Global::NumMoistGains, 3);
    EXPECT_TRUE(Global::MoistGains(1, 3) == 3.0f && Global::MoistGains(2, 2) == 1002.0f);
    // The one gain is taken from its two boxes, in the file's units, here metric under US ones.
    CalcTrigger("mnuFileExit"), File("mnuFileOpen", "one.zlv");
    ASSERT_EQ(Global::NumMoistGains, 1);
    EXPECT_NEAR(Global::MoistGains(1, 1), 10 / 0.45359237, 1e-4);      // kg/hr in lb/hr
    EXPECT_NEAR(Global::MoistGains(2, 1), 100 / 2.326 + 7.684, 1e-4);  // shown as (h - 7.684) x 2.326
    EXPECT_EQ(CalcText("lblMoistGainFlow"), "Mass Flowrate (kg/hr)");

    // A type the program does not know shows the window and restores nothing.
    const std::string text = ReadFile("one.zlv");
    WriteFile("seven.zlv", text.substr(0, text.find("#TRUE#,0\r\n") + 10) + "7\r\n0\r\n");
    CalcTrigger("mnuFileExit"), File("mnuFileOpen", "seven.zlv");
    EXPECT_TRUE(CalcLoaded() && messages.empty() && ShownFrames().isEmpty());
}

TEST_F(CalcFileTest, CalculatorFileMenu) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    OpenCalculator("mnuOptProcCool"), CalcType("txtCoolFlow", "40");
    File("mnuFileSave", "plain", true);  // no calculation yet: no section
    EXPECT_NE(ReadFile("plain.zlv").find("#FALSE#,0\r\n1\r\n"), std::string::npos);
    // Mutated files opened through either window: a refused Open changes nothing at all.
    Global::ProcessDataPresent = true, SetLines({{1, 1}}), File("mnuFileSave", "calc", true);
    std::mt19937 random(5);
    int refused = 0;
    for (int round = 0; round < 100; ++round) {
        const std::string text = MutatedText(ReadFile(round % 2 ? "plain.zlv" : "calc.zlv"), random);
        const auto parsed = Chart::ParseChartFile(text);
        const std::string before = WholeState();
        WriteFile("m.zlv", text), messages.clear();
        File("mnuFileOpen", "m.zlv", CalcLoaded() && round % 3 == 0);
        if (parsed.data) continue;
        EXPECT_EQ(Told(), Texts{Chart::StageText(parsed.failed)});
        ASSERT_EQ(WholeState(), before) << text;
        ++refused;
    }
    EXPECT_GT(refused, 60);
    File("mnuFileOpen", "plain.zlv", true);
    EXPECT_FALSE(CalcLoaded() || Global::ProcessDataPresent);
}

// Save over an existing chart, from either window: asked by the name really written, No keeps the
// file and shows the Save dialog again, and the next Open offers the file saved.
TEST_F(CalcFileTest, SaveAsksBeforeReplacingAndOpenOffersTheFileWritten) {
    // From the calculator's menu?, typed, Yes?, the dialogs shown (and the file named), replaced?
    const std::tuple<bool, const char*, bool, const char*, bool> rows[] = {
        {false, "victim", false, "Save|Replace victim.zlv|Save", false},
        {false, "victim.zlv", true, "Save|Replace victim.zlv|Open victim.zlv", true},
        {true, "victim.txt", false, "Save|Replace victim.zlv|Save", false},
        {true, "victim", true, "Save|Replace victim.zlv|Open victim.zlv", true},
        {true, "fresh", true, "Save|Open fresh.zlv", false}};
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}}), OpenCalculator("mnuOptProcHeat");
    for (const auto& [calcMenu, typed, yes, shown, replaced] : rows) {
        WriteFile("victim.zlv", "a colleague's chart"), dialogs->requests.clear(), dialogs->AnswerPath(typed);
        yes ? dialogs->AnswerAccept() : dialogs->AnswerCancel();  // then Cancel the dialog shown again
        calcMenu ? CalcTrigger("mnuFileSave") : Trigger("mnuFileSave");
        if (yes) dialogs->AnswerCancel(), Trigger("mnuFileOpen");
        QStringList asked;
        for (const auto& r : dialogs->requests)
            asked << (r.kind == Platform::DialogKind::Save
                          ? "Save"
                          : (r.kind == Platform::DialogKind::Replace ? "Replace " : "Open ") +
                                QFileInfo(QString::fromStdString(r.fileName)).fileName());
        EXPECT_EQ(std::pair(asked.join('|'), ReadFile("victim.zlv") != "a colleague's chart"),
                  std::pair(QString(shown), replaced))
            << typed;
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
