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
using Line = std::tuple<std::string, float, float>;
constexpr float Next = 9.75f * 24;  // one report line on the recorded page

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
    void SetCaption(const QString& label, const QString& text) { CalcFind<QLabel>(label)->setText(text); }
    // Prints, and gives the texts from y = 3000 down, up to the chart's first text.
    std::vector<Line> PrintReport() {
        page.records.clear();
        CalcTrigger("mnuFilePrint");
        std::vector<Line> lines;
        for (const auto& r : page.records) {
            if (r.op != Op::Print) continue;
            if (r.text.rfind("Pressure = ", 0) == 0) break;
            if (r.y1 >= 3000 - 30) lines.emplace_back(r.text, r.x1, r.y1);
        }
        return lines;
    }

    Platform::RecordingSurface page{11520, 15120};
};

TEST_F(ReportTest, HeatingSchematicReportAndChartInOneDocument) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"DewPoint", "55.16"}});
    OpenCalculator("mnuOptProcHeat");
    CalcTypeAll({{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
    CalcPress("cmdHeatCalc");
    EXPECT_EQ(PrintReport(), (std::vector<Line>{{"Inlet Point = 1", 500, 3000},
                                                {"Outlet Point = 2", 500, 3000 + Next},
                                                {"Air Flowrate (lb/min) = 100", 500, 3000 + 2 * Next},
                                                {"Heat rate q (BTU/hr) = 29264", 500, 3000 + 3 * Next}}));
    const auto& first = page.records.front();
    EXPECT_EQ(std::tie(first.op, first.x1, first.y1), std::make_tuple(Op::Line, 1606.0f, 885.0f))
        << "the schematic heads the page";
    EXPECT_EQ(
        std::count_if(page.records.begin(), page.records.end(), [](auto& r) { return r.op == Op::EndDoc; }),
        1);
    EXPECT_EQ(page.records.back().op, Op::EndDoc);
    // On screen the same figure, the duct's top wall 485 twips down.
    QApplication::processEvents();
    EXPECT_EQ(CalcFind<Platform::PictureBox>("picHeat")->imageSurface().Image().pixel(80, 32), qRgb(0, 0, 0));
}

TEST_F(ReportTest, CoolingPrintsAlikeTwiceWithOpenDrops) {
    AddPoint({{"DryBulb", "85"}, {"RelHumid", "60"}});
    AddPoint({{"DryBulb", "55"}, {"RelHumid", "95"}});
    OpenCalculator("mnuOptProcCool");
    CalcTypeAll(
        {{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "2"}, {"txtCoolFlow", "50"}, {"txtCoolEnt", "23"}});
    CalcPress("cmdCoolCalc");
    const auto report = PrintReport();
    ASSERT_EQ(report.size(), 6u);
    EXPECT_EQ(std::get<0>(report[4]),
              "Water Flow (lb/min) = " + CalcText("lblCoolWaterFlowVal").toStdString());
    const auto first = page.records;
    for (const auto& r : first) {
        if (r.op == Op::Circle && r.y1 < 3000) {
            EXPECT_EQ(r.fillStyle, Platform::FillTransparent) << "open drops";
        }
    }
    PrintReport();  // the next document starts from the page state the first found
    ASSERT_EQ(page.records.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        const auto& a = first[i];
        const auto& b = page.records[i];
        ASSERT_TRUE(
            std::tie(a.op, a.x1, a.y1, a.text, a.fillStyle, a.fontSize, a.fontBold, a.fontTransparent) ==
            std::tie(b.op, b.x1, b.y1, b.text, b.fillStyle, b.fontSize, b.fontBold, b.fontTransparent))
            << i;
    }
}

// Air/air after its calculation; the others from their labels as a calculation leaves them.
TEST_F(ReportTest, MixingAndGainsReports) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    AddPoint({{"DryBulb", "95"}, {"RelHumid", "40"}});
    OpenCalculator("mnuOptProcAirAir");
    CalcTypeAll(
        {{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "40"}, {"txtAirInPoint2", "2"}, {"txtAirFlowIn2", "60"}});
    CalcPress("cmdAirCalc");
    ASSERT_EQ(CalcText("lblAirOutPointVal"), "3");
    const std::string cfm = "/min) = " + CalcText("lblAirOutFlowCFMVal").toStdString();
    const float y = 3000 + 6 * Next;
    EXPECT_EQ(PrintReport(), (std::vector<Line>{{"1st Inlet Point = 1", 500, 3000},
                                                {"Air Flow (lb/min) = 40", 1000, 3000 + Next},
                                                {"2nd Inlet Point = 2", 500, 3000 + 2 * Next},
                                                {"Air Flow (lb/min) = 60", 1000, 3000 + 3 * Next},
                                                {"Combined Outlet at Point No. 3", 500, 3000 + 4 * Next},
                                                {"Outlet Air Flow (lb/min) = 100.0", 500, 3000 + 5 * Next},
                                                {"Outlet Air Flow(ft", 500, y},
                                                {"3", 500 + 18 * 97.5f, y - 30},
                                                {cfm, 500 + 19 * 97.5f, y}}));
    CalcTrigger("mnuOptionsWaterAir");
    SetCaption("lblWatAirWatFlowVal", "0.412");
    EXPECT_EQ(std::get<0>(PrintReport().at(5)), CalcText("lblWatAirWatFlow").toStdString() + " 0.412");

    // Three gains make a table; with the air flow given the report ends at the outlet point.
    CalcTrigger("mnuOptionsHM");
    CalcType("txtMoistGainFlow", "2");
    EXPECT_EQ(PrintReport().at(2), Line("Mass Flowrate (lb/hr) = 2", 1000, 3000 + 2 * Next)) << "one gain";
    Global::NumMoistGains = 3;
    Global::MoistGains.ReDim(2, 3);
    for (int i = 1; i <= 3; ++i) {
        Global::MoistGains(1, i) = 1.5f * i;
        Global::MoistGains(2, i) = 1000 + 50.0f * i;
    }
    Calc().HMInputKind = 5;
    const auto report = PrintReport();
    const float table = 3000 + 2 * Next;
    ASSERT_EQ(report.size(), 17u);
    EXPECT_EQ(std::get<0>(report[1]), "Moisture Heat Gains");
    EXPECT_EQ(std::vector(report.begin() + 2, report.begin() + 6),
              (std::vector<Line>{{"Mass", 900, table},
                                 {"Water", 2000, table},
                                 {"Flowrate", 900, table + 216},
                                 {"Enthalpy", 2000, table + 216}}));
    EXPECT_EQ(report[13], Line("1150", 2100, table + 1080));
    EXPECT_EQ(std::get<0>(report[14]), "Inlet Point No. = ");
}

}  // namespace
