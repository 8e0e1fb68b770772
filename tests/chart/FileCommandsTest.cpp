#include <unistd.h>

#include <QRadioButton>
#include <random>

#include "ChartFile.h"
#include "ChartWindowFixture.h"
#include "UnitSystem.h"

namespace {

class FileCommandsTest : public ChartWindowTest {
protected:
    // Three points, the lines 1-2 and 2-3 drawn with the mouse.
    void MakeChart() {
        for (const char* dry : {"60", "75", "90"}) AddPoint({{"DryBulb", dry}, {"RelHumid", "40"}});
        Tick("chkLines");
        for (int p : {1, 2, 2, 3})
            Window().picZolvane_MouseDown(2, 0, Global::Points(p).PlotX, Global::Points(p).PlotY);
    }
    void Save(const std::string& name) {
        dialogs->AnswerPath(name);
        Trigger("mnuFileSave");
    }
    void Open(const std::string& name) {
        dialogs->AnswerPath(name);
        Trigger("mnuFileOpen");
    }
    // The messages shown since the last call: text, icon and title each.
    std::string Said() {
        std::string said;
        for (const auto& m : messages)
            said += m.text + "|" + std::to_string(int(m.icon)) + "|" + m.title + "\n";
        messages.clear();
        return said;
    }
    // Everything an Open replaces, as the file would hold it.
    std::string State() {
        auto data =
            Chart::CurrentChart(Chart::CurrentSettings(Find<QRadioButton>("optUSUnits")->isChecked()));
        data.ProcessDataPresent = Global::ProcessDataPresent;
        // Where the markers were drawn follows from the stored states, which keep 7 digits.
        for (auto& point : data.Points) point.PlotX = point.PlotY = 0;
        return Chart::ChartFileText(data) + std::to_string(Global::ChartMaxDry) +
               Text("txtDryBulb").toStdString();
    }
};

TEST_F(FileCommandsTest, SavedChartOpensAsItWasAndSavesToTheSameBytes) {
    MakeChart();
    const std::string before = State();
    // A line waiting for its To point is not saved.
    Window().picZolvane_MouseDown(2, 0, Global::Points(1).PlotX, Global::Points(1).PlotY);
    Save("plant");
    ASSERT_TRUE(FileExists("plant.zlv"));
    const std::string saved = ReadFile("plant.zlv");
    EXPECT_NE(saved.find("#TRUE#,#FALSE#,#FALSE#\r\n#FALSE#,2\r\n3\r\n"), std::string::npos);
    EXPECT_EQ(saved.substr(saved.size() - 10), "1,2\r\n2,3\r\n");
    const float maxW = Global::ChartMaxW;

    Trigger("mnuEditClear");
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    Open("plant.zlv");
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Global::ChartMaxW, maxW);  // the tables are built anew for the file's units
    EXPECT_TRUE(Find<QRadioButton>("optUSUnits")->isChecked());
    EXPECT_EQ(Text("lblToVal(2)"), "3");
    Save("again.zlv");
    Open("again.zlv");
    Save("third.zlv");
    EXPECT_EQ(ReadFile("third.zlv"), ReadFile("again.zlv"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommandsTest, DamagedFilesChangeNothingAndNameTheirStage) {
    MakeChart();
    Global::ProcessDataPresent = true;
    Save("good");
    const std::string good = ReadFile("good.zlv");
    Trigger("mnuEditClear");
    AddPoint({{"DryBulb", "50"}, {"RelHumid", "20"}});
    const std::string before = State();
    const std::pair<std::string, std::string> damaged[] = {
        {"", "Error Opening File"},
        {good.substr(0, good.rfind("1,2")), "Error Reading Process Lines"},
        {good.substr(0, good.find("\r\n3\r\n") + 5) + "1,2", "Error Reading data"},
    };
    for (const auto& [text, message] : damaged) {
        WriteFile("bad.zlv", text);
        Open("bad.zlv");
        EXPECT_EQ(Said(), message + "|0|Viduvaduderoru\n");
        EXPECT_EQ(State(), before) << text;
    }
    Open(".");  // a folder is not a chart file
    EXPECT_EQ(State(), before);

    // Mutations through the window: applied whole or not at all.
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string text = good;
        text[random() % text.size()] = "0123456789,-\r\n#"[random() % 15];
        WriteFile("bad.zlv", text);
        const std::string was = State();
        Open("bad.zlv");
        auto parsed = Chart::ParseChartFile(text);
        // Refused: all as it was; read: the file's lines are the chart's.
        EXPECT_TRUE(parsed.data ? int(parsed.data->Lines.size()) == Global::ProcLines.UBound(1)
                                : State() == was);
    }
}

TEST_F(FileCommandsTest, SaveRefusalsAndCancelsKeepEverything) {
    MakeChart();
    const std::string before = State();
    dialogs->AnswerCancel();
    Trigger("mnuFileSave");
    dialogs->AnswerCancel();
    Trigger("mnuFileOpen");
    EXPECT_EQ(State() + Said(), before);
    EXPECT_TRUE(std::filesystem::is_empty("."));
    EXPECT_EQ(dialogs->requests.at(0).filter, "(*.zlv)|*.zlv");

    Save("run.d/x");  // no such folder
    EXPECT_EQ(Said(), "Error saving data|1|Viduvaduderoru\n");
    std::filesystem::create_directory("run.d");
    Save("run.d/x");
    EXPECT_TRUE(FileExists("run.d/x.zlv"));
}

TEST_F(FileCommandsTest, ReadOnlyFolderAndFileAreRefusedWithTheOldFileIntact) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    MakeChart();
    WriteFile("old.zlv", "old");
    std::filesystem::permissions("old.zlv", std::filesystem::perms::owner_read);
    std::filesystem::permissions(".",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Save("old");
    std::filesystem::permissions(".", std::filesystem::perms::owner_all);
    EXPECT_EQ(Said(), "Error saving data|1|Viduvaduderoru\n");
    EXPECT_EQ(ReadFile("old.zlv"), "old");
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos);
}

// Clear All ends as deleting the last point over and over does, limits included.
TEST_F(FileCommandsTest, ClearAllEndsAsOneByOneDeletion) {
    Window();
    for (bool oneByOne : {false, true}) {
        Chart::SetUnitSystem(true);
        Global::AutoScale = true;
        for (const char* dry : {"100", "20", "150", "60", "75", "-10", "90"})
            AddPoint({{"DryBulb", dry}, {"RelHumid", "40"}});
        Global::ScaleChanged = true;
        Tick("chkLines");
        for (int p : {1, 3, 3, 6, 4, 2, 7, 5})
            Window().picZolvane_MouseDown(2, 0, Global::Points(p).PlotX, Global::Points(p).PlotY);
        if (oneByOne) {
            while (Global::NumPoints > 0) {
                Window().ShowPointState(Global::NumPoints);
                Trigger("mnuEditDeletePoints");
            }
        } else {
            Trigger("mnuEditClear");
        }
        static std::string first;
        const std::string end = State() + std::to_string(Global::ChartMinDry) +
                                std::to_string(Global::ChartMaxDew) + std::to_string(Global::SelProcLine) +
                                Text("txtWetBulb").toStdString() + Text("lblFromVal(1)").toStdString() +
                                Text("lblPointOutVal(1)").toStdString();
        if (!oneByOne) first = end;
        EXPECT_EQ(end, first);
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
