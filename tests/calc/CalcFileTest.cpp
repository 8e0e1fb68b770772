#include "CalcWindowFixture.h"
#include "ChartFile.h"

namespace {

using Chart::CalcFieldKind;

const char* const MenuItems[] = {"mnuOptProcHM", "mnuOptProcHeat", "mnuOptProcCool", "mnuOptProcAirAir",
                                 "mnuOptProcWatAir"};
const char* const Frames[] = {"frmHeatMoist", "frmHeat", "frmCool", "frmAirAir", "frmWatAir"};

class CalcFileTest : public CalcWindowTest {
protected:
    void Save(const std::string& name) {
        dialogs->AnswerPath(name);
        Trigger("mnuFileSave");
    }
    void Open(const std::string& name) {
        dialogs->AnswerPath(name);
        Trigger("mnuFileOpen");
    }
    // Every text of the calculator gets a number of its own, the last option of each
    // line is chosen; with `check` the window is compared with that instead.
    void FillOrCheck(int16_t type, bool check) {
        int n = 0;
        for (const Chart::CalcLine& line : Chart::CalcLayout(type)) {
            const char* last = nullptr;
            for (const Chart::CalcField& field : line) {
                const QString text = QString::number(10 * type + n++);
                if (field.kind == CalcFieldKind::Option) last = field.control;
                if (field.kind != CalcFieldKind::Text && field.kind != CalcFieldKind::Caption) continue;
                if (check)
                    EXPECT_EQ(CalcText(field.control), text) << field.control;
                else if (field.kind == CalcFieldKind::Text)
                    CalcType(field.control, text);
                else
                    CalcFind<QLabel>(field.control)->setText(text);
            }
            EXPECT_TRUE(!last || !check || CalcFind<QRadioButton>(last)->isChecked()) << last;
            if (last && !check) CalcChoose(last);
        }
    }
};

TEST_F(CalcFileTest, EveryCalculatorIsSavedAndRestoredThroughTheWindows) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    for (int16_t type = 1; type <= 5; ++type) {
        OpenCalculator(MenuItems[type - 1]);
        FillOrCheck(type, false);
        Global::ProcessDataPresent = true;  // as after a calculation
        const std::string name = "calc" + std::to_string(type) + ".zlv";
        Save(name);
        CalcTrigger("mnuFileExit");
        ASSERT_FALSE(CalcLoaded());

        Open(name);
        ASSERT_TRUE(CalcLoaded()) << type;
        for (int f = 1; f <= 5; ++f) EXPECT_EQ(CalcShown(Frames[f - 1]), f == type) << type;
        FillOrCheck(type, true);
        EXPECT_TRUE(Global::ProcessDataPresent && Global::NumPoints == 1);
    }
    // The results read as current again; water/air was given its water flow, so none shows.
    EXPECT_TRUE(CalcEnabled("lblWatAirOutPoint"));
    EXPECT_FALSE(CalcShown("lblWatAirWatFlowVal"));
    EXPECT_NE(
        ReadFile("calc3.zlv").find("#TRUE#,0\r\n3\r\n\"30\",\"31\",\"32\",\"33\",\"34\",\"35\"\r\n1\r\n"),
        std::string::npos);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalcFileTest, MoistureGainsAndUnknownTypes) {
    OpenCalculator("mnuOptProcHM");
    Global::ProcessDataPresent = true;
    Global::NumMoistGains = 3;
    Global::MoistGains.ReDim(2, 3);
    for (int i = 1; i <= 3; ++i) Global::MoistGains(1, i) = i, Global::MoistGains(2, i) = 1000 + i;
    Save("three.zlv");
    CalcTypeAll({{"txtMoistGainFlow", "5"}, {"txtMoistGainEnt", "1100"}});
    Global::NumMoistGains = 1;
    Save("one.zlv");
    CalcTrigger("mnuFileExit");

    Open("three.zlv");
    ASSERT_EQ(Global::NumMoistGains, 3);
    EXPECT_TRUE(Global::MoistGains(1, 3) == 3.0f && Global::MoistGains(2, 2) == 1002.0f);
    Open("one.zlv");  // the one gain is taken from its two boxes
    EXPECT_EQ(Global::NumMoistGains, 1);
    EXPECT_TRUE(Global::MoistGains(1, 1) == 5.0f && Global::MoistGains(2, 1) == 1100.0f);

    // A type the program does not know shows the window and restores nothing.
    CalcTrigger("mnuFileExit");
    const std::string text = ReadFile("one.zlv");
    WriteFile("seven.zlv", text.substr(0, text.find("#TRUE#,0\r\n") + 10) + "7\r\n0\r\n");
    Open("seven.zlv");
    EXPECT_TRUE(CalcLoaded() && messages.empty());
    for (const char* frame : Frames) EXPECT_FALSE(CalcShown(frame));
}

TEST_F(CalcFileTest, CalculatorFileMenu) {
    AddPoint({{"DryBulb", "80"}, {"RelHumid", "50"}});
    OpenCalculator("mnuOptProcCool");
    CalcType("txtCoolFlow", "40");
    dialogs->AnswerPath("plain");
    CalcTrigger("mnuFileSave");  // no calculation yet: no section
    EXPECT_NE(ReadFile("plain.zlv").find("#FALSE#,0\r\n1\r\n"), std::string::npos);

    dialogs->AnswerCancel();
    CalcTrigger("mnuFileOpen");
    WriteFile("bad.zlv", "damaged");
    dialogs->AnswerPath("bad.zlv");
    CalcTrigger("mnuFileOpen");
    ASSERT_TRUE(CalcLoaded());  // nothing was opened: the typed input stays
    EXPECT_EQ(CalcText("txtCoolFlow"), "40");
    ASSERT_EQ(messages.size(), 1u);
    dialogs->AnswerPath("plain.zlv");
    CalcTrigger("mnuFileOpen");
    EXPECT_FALSE(CalcLoaded() || Global::ProcessDataPresent);
}

}  // namespace
