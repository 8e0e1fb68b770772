// File > Print and Print Setup of the chart window, on a recorded page of 8 x 10.5
// inches (11520 x 15120 twips) unless a test prints to the real PDF page.
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <algorithm>
#include <map>
#include <tuple>

#include "ChartWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"

namespace {

using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;

class PrintTest : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        Platform::SetPrinterPage(&page);
    }
    void TearDown() override {
        Platform::SetPrinterPage(nullptr);
        ChartWindowTest::TearDown();
    }

    void AddUsPoints() {
        AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
        AddPoint({{"DryBulb", "90"}, {"WetBulb", "70"}});
    }
    static void AddLine(int16_t from, int16_t to) {
        const int n = Global::ProcLines.UBound(1) + 1;
        Global::ProcLines.ReDim(2, n);
        Global::ProcLines(1, n) = from;
        Global::ProcLines(2, n) = to;
    }
    void Print() {
        page.records.clear();
        Trigger("mnuFilePrint");
    }
    const Record* Text(const std::string& text, std::size_t nth = 0) const {
        for (const Record& r : page.records)
            if (r.op == Op::Print && r.text == text && nth-- == 0) return &r;
        return nullptr;
    }
    bool HasText(const std::string& text) const { return Text(text) != nullptr; }
    // The table rows (values at size 9) below y, top to bottom, each left to right.
    std::vector<std::vector<std::string>> RowsBelow(float y) const {
        std::map<float, std::map<float, std::string>> rows;
        for (const Record& r : page.records)
            if (r.op == Op::Print && r.fontSize == 9 && r.y1 > y) rows[r.y1][r.x1] = r.text;
        std::vector<std::vector<std::string>> texts;
        for (const auto& [y, row] : rows) {
            texts.emplace_back();
            for (const auto& [x, text] : row) texts.back().push_back(text);
        }
        return texts;
    }
    bool HasLine(float x1, float y1, float x2, float y2) const {
        return std::any_of(page.records.begin(), page.records.end(), [&](const Record& r) {
            return r.op == Op::Line && r.drawWidth == 2 && std::abs(r.x1 - x1) < 0.01f &&
                   std::abs(r.y1 - y1) < 0.01f && std::abs(r.x2 - x2) < 0.01f && std::abs(r.y2 - y2) < 0.01f;
        });
    }

    Platform::RecordingSurface page{11520, 15120};
};

// The recorded page measures 10 twips per character per point, 24 twips a line per point.
constexpr float Wide(std::size_t chars, double size) {
    return static_cast<float>(chars * size * 10);
}

TEST_F(PrintTest, PointAndLineTablesInUsUnits) {
    AddUsPoints();
    AddLine(1, 2);
    const std::vector<float> plotX{Global::Points(1).PlotX, Global::Points(2).PlotX};
    Print();
    ASSERT_TRUE(messages.empty()) << messages.front().text;
    ASSERT_FALSE(page.records.empty());
    EXPECT_EQ(page.records.back().op, Op::EndDoc);
    EXPECT_TRUE(HasText("Pressure = 14.70 psia")) << "the chart comes first";

    const Record* title = Text("Data Points");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->fontBold);
    EXPECT_EQ(title->fontSize, 12);
    EXPECT_FLOAT_EQ(title->x1, (11520 - Wide(11, 12)) / 2);
    EXPECT_FLOAT_EQ(title->y1, 0.45f * 15120);

    // Headings at the column starts, not bold, text only, the raised 3 two points smaller.
    const float top = title->y1 + 12 * 24;
    const float w = Wide(13, 9.75);  // "Specific Vol."
    const std::vector<std::pair<std::string, float>> headings{
        {"Point", 400},         {"Dry Bulb", 1000}, {"Rel. Humidity", 3900}, {"Specific Vol.", 9950},
        {"  No.", 400},         {"    (F)", 1000},  {"(BTU/lb)", 5300},      {"      (lb/lb)", 6250},
        {"      (psia)", 7550}, {"    (ft", 9950}};
    for (const auto& [text, x] : headings) {
        const Record* r = Text(text);
        ASSERT_NE(r, nullptr) << text;
        EXPECT_EQ(r->x1, x) << text;
        EXPECT_FALSE(r->fontBold);
        EXPECT_TRUE(r->fontTransparent);
    }
    const Record* ft = Text("    (ft");
    const Record* cube = Text("3");
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(cube->y1, ft->y1 - 9.75f * 24 / 4);
    EXPECT_EQ(cube->fontSize, 8);
    EXPECT_TRUE(HasText("/lb)"));

    // Values centred in their columns; the last one measured at the heading size.
    const Record* dry = Text("75.00");
    ASSERT_NE(dry, nullptr);
    EXPECT_FLOAT_EQ(dry->x1, (1000 + 1900) / 2.0f - Wide(5, 9) / 2);
    const auto rows = RowsBelow(title->y1);
    ASSERT_GE(rows.size(), 2u);
    const std::vector<std::string>& row1 = rows[0];
    ASSERT_EQ(row1.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(row1.begin(), row1.begin() + 6),
              (std::vector<std::string>{"1", "75.00", "62.63", "55.16", "50.00", "28.10"}));
    const Record* vol = Text(row1[9]);
    EXPECT_FLOAT_EQ(vol->x1, 9950 + w / 2 - Wide(row1[9].size(), 9.75) / 2);
    EXPECT_EQ(rows[1].at(1), "90.00");

    // Thick rules over, between and under the rows, and down the columns.
    EXPECT_TRUE(HasLine(400, top, 9950 + w, top));
    EXPECT_TRUE(HasLine(400, dry->y1, 9950 + w, dry->y1)) << "rule under the headings";
    const float end = dry->y1 + 2 * 9 * 24;
    EXPECT_TRUE(HasLine(400, end, 9950 + w, end));
    for (float x : {400.0f, 980.0f, 9930.0f, 9950 + w}) EXPECT_TRUE(HasLine(x, top, x, end)) << x;

    // The changes along line 1-2, below the first table.
    const Record* lines = Text("Process Lines (Change in Properties)");
    ASSERT_NE(lines, nullptr);
    EXPECT_FLOAT_EQ(lines->y1, end + 1.5f * 12 * 24);
    for (const auto& [text, x] : std::vector<std::pair<std::string, float>>{
             {"From", 250}, {"   Dew", 3250}, {"Deg. of", 9050}, {"Sat. (%)", 9050}}) {
        ASSERT_NE(Text(text), nullptr) << text;
        EXPECT_EQ(Text(text)->x1, x) << text;
    }
    EXPECT_EQ(Text("Point (F)", 1)->x1, 3250) << "the chart's dew-point title comes first";
    const auto changes = RowsBelow(lines->y1);
    ASSERT_EQ(changes.size(), 1u);
    ASSERT_EQ(changes[0].size(), 11u);
    EXPECT_EQ(std::vector<std::string>(changes[0].begin(), changes[0].begin() + 3),
              (std::vector<std::string>{"1", "2", "15.00"}));
    const float under = page.records[page.records.size() - 2].y2;  // the last column rule ends there
    EXPECT_TRUE(HasLine(250, under, 9950 + w, under));

    // The screen chart is back, with the markers where the mouse finds them.
    EXPECT_EQ(Global::Points(1).PlotX, plotX[0]);
    EXPECT_EQ(Global::Points(2).PlotX, plotX[1]);
}

TEST_F(PrintTest, MetricHeadingsAndWhatIsLeftOut) {
    // No points: the chart alone.
    Print();
    EXPECT_TRUE(HasText("Altitude = 0.0 ft"));
    EXPECT_FALSE(HasText("Data Points"));

    Trigger("mnuOptionsUnits");
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    AddPoint({{"DryBulb", "24"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "30"}, {"RelHumid", "40"}});
    Print();
    for (const char* text : {"    (C)", "(kJ/kg)", "      (kg/kg)", "      (MPa)", "    (m", "/kg)", "24.00"})
        EXPECT_TRUE(HasText(text)) << text;
    EXPECT_FALSE(HasText("Process Lines (Change in Properties)")) << "no lines, no second table";

    // A line whose To point is not picked yet is not printed, nor its table when alone.
    Tick("chkLines");
    Global::LineState = 2;
    AddLine(2, 0);
    Print();
    EXPECT_FALSE(HasText("Process Lines (Change in Properties)"));
    Global::ProcLines(1, 1) = 1;
    Global::ProcLines(2, 1) = 2;
    AddLine(2, 0);
    Print();
    const Record* title = Text("Process Lines (Change in Properties)");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(RowsBelow(title->y1).size(), 1u) << "one row of changes";
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintTest, SecondPrintIsTheFirstAgain) {
    AddUsPoints();
    AddLine(1, 2);
    Print();
    const std::vector<Record> first = page.records;
    Print();
    ASSERT_EQ(page.records.size(), first.size());
    const auto key = [](const Record& r) {
        return std::tie(r.op, r.x1, r.y1, r.x2, r.y2, r.text, r.color, r.fillStyle, r.drawStyle, r.drawWidth,
                        r.fontSize, r.fontBold, r.fontItalic, r.fontName, r.fontTransparent);
    };
    for (std::size_t i = 0; i < first.size(); ++i)
        ASSERT_TRUE(key(page.records[i]) == key(first[i])) << "record " << i << " " << first[i].text;
}

TEST_F(PrintTest, PrintSetupIsAskedForAndCancelEndsQuietly) {
    Window();
    Trigger("mnuFilePrintSetup");
    ASSERT_EQ(dialogs->requests.size(), 1u);
    EXPECT_EQ(dialogs->requests[0].kind, Platform::DialogKind::Printer);
    EXPECT_EQ(dialogs->requests[0].flags, 64);
    EXPECT_TRUE(dialogs->requests[0].cancelError);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintTest, PdfPageAndAnUnwritablePath) {
    Platform::SetPrinterPage(nullptr);
    AddUsPoints();
    const float plotX = Global::Points(1).PlotX;
    const std::string missing = (std::filesystem::current_path() / "no-such-folder" / "chart.pdf").string();
    Platform::SetPdfOutputPath(QString::fromStdString(missing));
    Trigger("mnuFilePrint");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(missing), std::string::npos) << messages[0].text;
    EXPECT_EQ(Global::Points(1).PlotX, plotX) << "the screen chart is redrawn";

    // The start-up folder's Zolvane.pdf after a failure as before.
    Platform::SetPdfOutputPath(
        QString::fromStdString((std::filesystem::current_path() / "Zolvane.pdf").string()));
    Trigger("mnuFilePrint");
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_TRUE(FileExists("Zolvane.pdf"));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(pdftotext, {"-layout", "Zolvane.pdf", "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const std::string text = process.readAllStandardOutput().toStdString();
    for (const char* expected : {"Pressure =", "Data Points", "62.63", "90.00"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

}  // namespace
