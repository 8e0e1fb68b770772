#include "ChartFile.h"
#include "ChartWindowFixture.h"
#include "UnitSystem.h"

namespace {

class FileCommandsTest : public ChartWindowTest {
protected:
    // Points at the given dry bulbs, joined with the mouse in the given order.
    void MakeChart(std::vector<const char*> dries, std::vector<int> ends) {
        for (const char* dry : dries) AddPoint({{"DryBulb", dry}, {"RelHumid", "40"}});
        Global::ScaleChanged = true, Tick("chkLines");
        for (int p : ends)
            Window().picZolvane_MouseDown(2, 0, Global::Points(p).PlotX, Global::Points(p).PlotY);
    }
    // Answers the menu's file dialog with a name (empty: Cancel); returns the messages shown.
    std::string Choose(const char* menu, const std::string& name) {
        name.empty() ? dialogs->AnswerCancel() : dialogs->AnswerPath(name), Trigger(menu);
        std::string said;
        for (const auto& m : std::exchange(messages, {}))
            said += m.text + "|" + std::to_string(int(m.icon)) + "|" + m.title + "\n";
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
               std::to_string(Global::ChartMinDry) + std::to_string(Global::ChartMaxDew) +
               Text("txtDryBulb").toStdString();
    }
};

TEST_F(FileCommandsTest, SavedChartOpensAsItWasAndDamagedFilesChangeNothing) {
    MakeChart({"60", "75", "90"}, {1, 2, 2, 3}), Global::ProcessDataPresent = true;
    const std::string before = State();
    EXPECT_EQ(Choose("mnuFileSave", "") + Choose("mnuFileOpen", "") + State(), before);  // Cancel: nothing
    EXPECT_TRUE(std::filesystem::is_empty("."));
    EXPECT_EQ(dialogs->requests.at(0).filter, "(*.zlv)|*.zlv");
    EXPECT_EQ(Choose("mnuFileSave", "run.d/x"), "Error saving data|1|Viduvaduderoru\n");  // no such folder
    // A line waiting for its To point is not saved.
    Window().picZolvane_MouseDown(2, 0, Global::Points(1).PlotX, Global::Points(1).PlotY);
    EXPECT_EQ(Choose("mnuFileSave", "plant"), "");
    const std::string good = ReadFile("plant.zlv");
    EXPECT_EQ(good.substr(good.size() - 10), "1,2\r\n2,3\r\n");
    const float maxW = Global::ChartMaxW;

    Trigger("mnuEditClear"), UseUnits(false), AddPoint({{"DryBulb", "10"}, {"RelHumid", "20"}});
    // A refused open changes nothing, here with other units than the file's.
    auto open = [&](const std::string& text, const char* name = "bad.zlv") {
        WriteFile("bad.zlv", text);
        const std::string was = State(), said = Choose("mnuFileOpen", name);
        EXPECT_EQ(State(), was);
        return said;
    };
    EXPECT_EQ(open("", "."), "Error Opening File|0|Viduvaduderoru\n");  // a folder is not a chart file
    EXPECT_EQ(open(good.substr(0, good.find("\r\n3\r\n") + 5) + "1,2"),
              "Error Reading data|0|Viduvaduderoru\n");
    EXPECT_EQ(open(good.substr(0, good.rfind("1,2"))), "Error Reading Process Lines|0|Viduvaduderoru\n");
    SetLines(LineList(32768, {1, 1}));  // one line more than a file holds: no file at all
    EXPECT_EQ(Choose("mnuFileSave", "big"), "Error saving data|1|Viduvaduderoru\n");
    EXPECT_FALSE(FileExists("big.zlv"));

    SetLines({}), Window().picZolvane_MouseDown(2, 0, 0, 0);  // a pending line, which the Open ends
    ASSERT_EQ(Global::LineState, 2);
    // The tables are built anew for the file's units.
    EXPECT_EQ(
        (std::tuple{Choose("mnuFileOpen", "plant.zlv"), int(Global::LineState), State(), Global::ChartMaxW}),
        (std::tuple{std::string(), 1, before, maxW}));
    // Marker places and the selected point's colour follow the redraw: the second save is fixed.
    Choose("mnuFileSave", "again.zlv"), Choose("mnuFileOpen", "again.zlv");
    EXPECT_EQ(Choose("mnuFileSave", "third.zlv"), "");
    EXPECT_EQ(ReadFile("third.zlv"), ReadFile("again.zlv"));
    // With automatic scaling on, a point no state can have is refused before it moves a limit.
    Trigger("mnuOptionsChart"), Tick("chkAutoScale"), Press("cmdScaleCancel");
    using P = Global::StatePoint;
    for (auto [field, value] :
         {std::pair{&P::DewPoint, 9.2e18f}, {&P::HumidRatio, 2.1e9f}, {&P::DryBulb, 5e25f}}) {
        auto data = Chart::ParseChartFile(good).data.value();
        data.Points[1].*field = value;
        EXPECT_EQ(open(Chart::ChartFileText(data)), "Error Reading data|0|Viduvaduderoru\n") << value;
    }
}

TEST_F(FileCommandsTest, ClearAllEndsAsOneByOneDeletion) {
    std::string ends[2];
    Window();
    for (int oneByOne : {0, 1}) {
        Chart::SetUnitSystem(true), Global::AutoScale = true;
        MakeChart({"100", "20", "150", "60", "75", "-10", "90"}, {1, 3, 3, 6, 4, 2, 7, 5});
        for (; oneByOne && Global::NumPoints > 0; Trigger("mnuEditDeletePoints"))
            Window().ShowPointState(Global::NumPoints);
        if (!oneByOne) Trigger("mnuEditClear");
        ends[oneByOne] = State() + std::to_string(Global::ChartMinDry) + std::to_string(Global::ChartMaxDew) +
                         std::to_string(Global::SelProcLine) + Text("txtWetBulb").toStdString() +
                         Text("lblFromVal(1)").toStdString() + Text("lblPointOutVal(1)").toStdString();
    }
    EXPECT_EQ(ends[1], ends[0]);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
