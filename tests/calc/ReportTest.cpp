// The calculator window's File > Print: the visible calculator's schematic and report,
// then the chart and its tables, as one document on a recorded page.
#include <QApplication>
#include <QLabel>
#include <tuple>

#include "CalcWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"

namespace {

using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;

class ReportTest : public CalcWindowTest {
protected:
    void SetUp() override {
        CalcWindowTest::SetUp();
        Platform::SetPrinterPage(&page);
    }
    void TearDown() override {
        Platform::SetPrinterPage(nullptr);
        CalcWindowTest::TearDown();
    }

    void Print() {
        page.records.clear();
        CalcTrigger("mnuFilePrint");
    }
    void SetCaption(const QString& label, const QString& text) { CalcFind<QLabel>(label)->setText(text); }

    // The report: texts printed from y = 3000 down at the report's size, with their
    // left edges and heights, up to the chart's first text.
    std::vector<std::tuple<std::string, float, float>> Report() const {
        std::vector<std::tuple<std::string, float, float>> lines;
        for (const Record& r : page.records) {
            if (r.op != Op::Print) continue;
            if (r.text.rfind("Pressure = ", 0) == 0) break;
            if (r.y1 < 3000 - 30) continue;
            lines.emplace_back(r.text, r.x1, r.y1);
        }
        return lines;
    }
    std::size_t EndDocs() const {
        return std::count_if(page.records.begin(), page.records.end(),
                             [](const Record& r) { return r.op == Op::EndDoc; });
    }

    Platform::RecordingSurface page{11520, 15120};
};

constexpr float Line = 9.75f * 24;  // a report line on the recorded page

TEST_F(ReportTest, HeatingPrintsItsSchematicReportThenTheChartInOneDocument) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"DewPoint", "55.16"}});
    OpenCalculator("mnuOptProcHeat");
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
    CalcPress("cmdHeatCalc");
    Print();

    ASSERT_FALSE(page.records.empty());
    const Record& first = page.records.front();
    EXPECT_EQ(first.op, Op::Line) << "the schematic heads the page";
    EXPECT_EQ(std::tie(first.x1, first.y1, first.drawStyle), std::make_tuple(1606.0f, 885.0f, int16_t{2}));
    const auto label = std::find_if(page.records.begin(), page.records.end(),
                                    [](const Record& r) { return r.op == Op::Print; });
    EXPECT_EQ(std::tie(label->text, label->x1, label->y1),
              std::make_tuple(std::string("Inlet"), 1439.0f, 658.0f));
    EXPECT_EQ(label->fontSize, 8.25) << "the page's own font until the report sets its size";

    const std::vector<std::tuple<std::string, float, float>> expected{
        {"Inlet Point = 1", 500, 3000},
        {"Outlet Point = 2", 500, 3000 + Line},
        {"Air Flowrate (lb/min) = 100", 500, 3000 + 2 * Line},
        {"Heat rate q (BTU/hr) = 29264", 500, 3000 + 3 * Line}};
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(EndDocs(), 1u);
    EXPECT_EQ(page.records.back().op, Op::EndDoc);
    EXPECT_TRUE(std::any_of(page.records.begin(), page.records.end(),
                            [](const Record& r) { return r.text == "Data Points"; }));

    // On screen the same figure, inside its box.
    QApplication::processEvents();
    const QImage image = CalcFind<Platform::PictureBox>("picHeat")->imageSurface().Image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(80, 32), qRgb(0, 0, 0)) << "the duct's top wall, 485 twips down";
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReportTest, CoolingPrintsAlikeTwice) {
    AddPoint({{"DryBulb", "85"}, {"RelHumid", "60"}});
    AddPoint({{"DryBulb", "55"}, {"RelHumid", "95"}});
    OpenCalculator("mnuOptProcCool");
    CalcTypeAll(
        {{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "2"}, {"txtCoolFlow", "50"}, {"txtCoolEnt", "23"}});
    CalcPress("cmdCoolCalc");
    ASSERT_FALSE(CalcText("lblCoolRateVal").isEmpty());
    Print();
    const std::vector<Record> first = page.records;
    const auto report = Report();
    ASSERT_EQ(report.size(), 6u);
    EXPECT_EQ(std::get<0>(report[3]), "Water Enthalpy (BTU/lb) = 23");
    EXPECT_EQ(std::get<0>(report[4]),
              "Water Flow (lb/min) = " + CalcText("lblCoolWaterFlowVal").toStdString());
    EXPECT_EQ(std::get<0>(report[5]), "Heat rate q (BTU/hr) = " + CalcText("lblCoolRateVal").toStdString());
    for (const Record& r : first) {
        if (r.op == Op::Circle && r.y1 < 3000) {
            EXPECT_EQ(r.fillStyle, Platform::FillTransparent) << "open drops";
        }
    }

    Print();
    ASSERT_EQ(page.records.size(), first.size());
    const auto key = [](const Record& r) {
        return std::tie(r.op, r.x1, r.y1, r.x2, r.y2, r.text, r.color, r.fillStyle, r.drawStyle, r.drawWidth,
                        r.fontSize, r.fontBold, r.fontItalic, r.fontName, r.fontTransparent);
    };
    for (std::size_t i = 0; i < first.size(); ++i)
        ASSERT_TRUE(key(page.records[i]) == key(first[i])) << "record " << i << " " << first[i].text;
}

// The captions and values as the calculators leave them.
TEST_F(ReportTest, MixingReportsFromTheirLabels) {
    OpenCalculator("mnuOptProcAirAir");
    CalcTypeAll(
        {{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "40"}, {"txtAirInPoint2", "2"}, {"txtAirFlowIn2", "60"}});
    SetCaption("lblAirOutPointVal", "3");
    SetCaption("lblAirOutFlowVal", "100.0");
    SetCaption("lblAirOutFlowCFMVal", "1371");
    Print();
    const float y = 3000 + 6 * Line;
    const std::vector<std::tuple<std::string, float, float>> air{
        {"1st Inlet Point = 1", 500, 3000},
        {"Air Flow (lb/min) = 40", 1000, 3000 + Line},
        {"2nd Inlet Point = 2", 500, 3000 + 2 * Line},
        {"Air Flow (lb/min) = 60", 1000, 3000 + 3 * Line},
        {"Combined Outlet at Point No. 3", 500, 3000 + 4 * Line},
        {"Outlet Air Flow (lb/min) = 100.0", 500, 3000 + 5 * Line},
        {"Outlet Air Flow(ft", 500, y},
        {"3", 500 + 18 * 97.5f, y - 30},
        {"/min) = 1371", 500 + 19 * 97.5f, y}};
    EXPECT_EQ(Report(), air);

    CalcTrigger("mnuOptionsWaterAir");
    CalcTypeAll({{"txtWatAirInPoint", "1"},
                 {"txtWatAirInFlow", "80"},
                 {"txtWatAirEnt", "45"},
                 {"txtWatAirInput", "65"}});
    SetCaption("lblWatAirOutPointVal", "3");
    SetCaption("lblWatAirWatFlowVal", "0.412");
    Print();
    const auto water = Report();
    ASSERT_EQ(water.size(), 6u);
    EXPECT_EQ(std::get<0>(water[0]), "Inlet Point = 1");
    EXPECT_EQ(std::get<0>(water[3]), CalcText("lblWatAirInput").toStdString() + " = 65");
    EXPECT_EQ(std::get<0>(water[5]), CalcText("lblWatAirWatFlow").toStdString() + " 0.412");
    EXPECT_EQ(EndDocs(), 1u);
}

TEST_F(ReportTest, HeatAndMoistureWithOneGainOrATableOfThem) {
    OpenCalculator("mnuOptProcHM");
    CalcTypeAll({{"txtHeatMoistQ", "12000"},
                 {"txtMoistGainFlow", "2"},
                 {"txtMoistGainEnt", "1100"},
                 {"txtHeatMoistPoint", "1"},
                 {"txtHMInputParam", "58"}});
    SetCaption("lblHMOutputPointVal", "2");
    SetCaption("lblHMOutputFlowVal", "48.2");
    SetCaption("lblOutCFM", "661");
    Print();
    auto report = Report();
    ASSERT_EQ(report.size(), 11u);
    EXPECT_EQ(report[0],
              std::make_tuple(std::string("Sensible Heat Gain q (BTU/hr) = 12000"), 500.0f, 3000.0f));
    EXPECT_EQ(std::get<0>(report[1]), "Moisture Heat Gains");
    EXPECT_EQ(report[2], std::make_tuple(std::string("Mass Flowrate (lb/hr) = 2"), 1000.0f, 3000 + 2 * Line));
    EXPECT_EQ(std::get<0>(report[4]), "Inlet Point No. = 1");
    EXPECT_EQ(std::get<0>(report[10]), "/min) = 661");

    // Three gains as a table; the air flow given, the report ends at the outlet point.
    Global::NumMoistGains = 3;
    Global::MoistGains.ReDim(2, 3);
    for (int i = 1; i <= 3; ++i) {
        Global::MoistGains(1, i) = 1.5f * i;
        Global::MoistGains(2, i) = 1000 + 50.0f * i;
    }
    CalcChoose("optHeatMoistOutlet");
    Calc().HMInputKind = 5;
    Print();
    report = Report();
    const float table = 3000 + 2 * Line;
    const std::vector<std::tuple<std::string, float, float>> gains{
        {"Mass", 900, table},           {"Water", 2000, table},
        {"Flowrate", 900, table + 216}, {"Enthalpy", 2000, table + 216},
        {"(lb/hr)", 900, table + 432},  {"(BTU/lb)", 2000, table + 432},
        {"1.500", 1000, table + 648},   {"1050", 2100, table + 648},
        {"3.000", 1000, table + 864},   {"1100", 2100, table + 864},
        {"4.500", 1000, table + 1080},  {"1150", 2100, table + 1080}};
    ASSERT_EQ(report.size(), 2 + gains.size() + 3);
    EXPECT_EQ(std::vector(report.begin() + 2, report.begin() + 14), gains);
    EXPECT_EQ(std::get<0>(report[14]), "Outlet Point No. = 1");
    EXPECT_EQ(std::get<0>(report.back()), CalcText("lblHMOutputPoint").toStdString() + " = 2");
    EXPECT_EQ(std::get<2>(report.back()), table + 1296 + 2 * Line);
}

}  // namespace
