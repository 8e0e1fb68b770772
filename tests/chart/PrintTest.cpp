// File > Print and Print Setup of the chart window, on a recorded page of 8 x 10.5
// inches (11520 x 15120 twips; 10 twips a character per point, a line 24 per point).
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
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
    const Record* Text(const std::string& text, int nth = 0) const {
        for (const Record& r : page.records)
            if (r.op == Op::Print && r.text == text && nth-- == 0) return &r;
        return nullptr;
    }
    // Table rows (values at size 9) below y, top to bottom, each left to right.
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
    bool HasRule(float x1, float y1, float x2, float y2) const {
        return std::any_of(page.records.begin(), page.records.end(), [&](const Record& r) {
            return r.op == Op::Line && r.drawWidth == 2 &&
                   std::tie(r.x1, r.y1, r.x2, r.y2) == std::tie(x1, y1, x2, y2);
        });
    }

    Platform::RecordingSurface page{11520, 15120};
};

TEST_F(PrintTest, TablesOfPointsAndCompleteLinesBelowTheChart) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "90"}, {"WetBulb", "70"}});
    AddLine(1, 2);
    Global::LineState = 2;  // a second line waits for its To point
    AddLine(2, 0);
    const float plotX = Global::Points(1).PlotX;
    Print();
    ASSERT_TRUE(Text("Pressure = 14.70 psia")) << "the chart comes first";
    EXPECT_EQ(page.records.back().op, Op::EndDoc);

    const Record* title = Text("Data Points");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::tie(title->x1, title->y1, title->fontSize, title->fontBold),
              std::make_tuple((11520 - 11 * 120.0f) / 2, 0.45f * 15120, 12.0, true));
    for (const auto& [text, x] : std::vector<std::pair<std::string, float>>{{"Point", 400},
                                                                            {"Specific Vol.", 9950},
                                                                            {"    (F)", 1000},
                                                                            {"(BTU/lb)", 5300},
                                                                            {"    (ft", 9950}}) {
        ASSERT_TRUE(Text(text)) << text;
        EXPECT_EQ(Text(text)->x1, x) << text;
        EXPECT_TRUE(Text(text)->fontTransparent && !Text(text)->fontBold);
    }
    EXPECT_EQ(Text("3")->y1, Text("    (ft")->y1 - 9.75f * 24 / 4) << "the raised 3 of ft3/lb";

    const auto rows = RowsBelow(title->y1);
    ASSERT_EQ(rows.size(), 3u) << "two points and one complete line";
    EXPECT_EQ(std::vector(rows[0].begin(), rows[0].begin() + 6),
              (std::vector<std::string>{"1", "75.00", "62.63", "55.16", "50.00", "28.10"}));
    EXPECT_EQ(rows[1][1], "90.00");
    EXPECT_EQ(std::vector(rows[2].begin(), rows[2].begin() + 3),
              (std::vector<std::string>{"1", "2", "15.00"}));
    // Centred in their columns, the last one measured at the heading size.
    const Record* dry = Text("75.00");
    EXPECT_FLOAT_EQ(dry->x1, (1000 + 1900) / 2.0f - 5 * 90 / 2.0f);
    const float w = 13 * 97.5f;  // "Specific Vol."
    EXPECT_FLOAT_EQ(Text(rows[0][9])->x1, 9950 + (w - rows[0][9].size() * 97.5f) / 2);
    const float top = title->y1 + 12 * 24, end = dry->y1 + 2 * 9 * 24;
    EXPECT_TRUE(HasRule(400, top, 9950 + w, top));
    EXPECT_TRUE(HasRule(400, end, 9950 + w, end));
    for (float x : {400.0f, 980.0f, 9950 + w}) EXPECT_TRUE(HasRule(x, top, x, end)) << x;

    const Record* lines = Text("Process Lines (Change in Properties)");
    ASSERT_TRUE(lines);
    EXPECT_FLOAT_EQ(lines->y1, end + 1.5f * 12 * 24);
    EXPECT_EQ(Text("   Dew")->x1, 3250);
    EXPECT_EQ(Text("Point (F)", 1)->x1, 3250) << "after the chart's own dew-point title";
    EXPECT_EQ(Global::Points(1).PlotX, plotX) << "the screen chart is back";
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintTest, MetricHeadingsAndNoTablesWithoutPointsOrLines) {
    Print();
    EXPECT_TRUE(Text("Altitude = 0.0 ft"));
    EXPECT_FALSE(Text("Data Points"));
    Trigger("mnuOptionsUnits");
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Press("cmdUnitsOK");
    AddPoint({{"DryBulb", "24"}, {"RelHumid", "50"}});
    Print();
    for (const char* text : {"    (C)", "(kJ/kg)", "      (kg/kg)", "      (MPa)", "    (m", "/kg)", "24.00"})
        EXPECT_TRUE(Text(text)) << text;
    EXPECT_FALSE(Text("Process Lines (Change in Properties)"));

    Trigger("mnuFilePrintSetup");
    ASSERT_EQ(dialogs->requests.size(), 1u);
    EXPECT_EQ(
        std::tie(dialogs->requests[0].kind, dialogs->requests[0].flags, dialogs->requests[0].cancelError),
        std::make_tuple(Platform::DialogKind::Printer, 64, true));
    EXPECT_TRUE(messages.empty()) << "a cancelled set-up ends quietly";
}

TEST_F(PrintTest, PdfPageAndAnUnwritablePath) {
    Platform::SetPrinterPage(nullptr);
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    const float plotX = Global::Points(1).PlotX;
    const std::string missing = (std::filesystem::current_path() / "no-such-folder" / "chart.pdf").string();
    Platform::SetPdfOutputPath(QString::fromStdString(missing));
    Trigger("mnuFilePrint");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Printing could not be started (" + missing + ").");
    EXPECT_EQ(Global::Points(1).PlotX, plotX) << "the screen chart is redrawn";

    Platform::SetPdfOutputPath(
        QString::fromStdString((std::filesystem::current_path() / "Zolvane.pdf").string()));
    Trigger("mnuFilePrint");
    EXPECT_EQ(messages.size(), 1u);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(pdftotext, {"Zolvane.pdf", "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const std::string text = process.readAllStandardOutput().toStdString();
    for (const char* expected : {"Pressure =", "Data Points", "62.63"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

}  // namespace
