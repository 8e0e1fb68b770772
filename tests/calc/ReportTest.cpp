// The calculator's File > Print: its schematic and report, then the chart, as one recorded document.
#include "CalcWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"

namespace {

using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;
constexpr float Top = 3000;  // where the report starts

class ReportTest : public CalcWindowTest {
protected:
    // Prints, and gives "text @x,y" (or "text" alone) from the report's top down (y from there), up to
    // the chart's first text.
    Texts PrintReport(bool at = true) {
        page.records.clear();
        Platform::SetPrinterPage(&page), CalcTrigger("mnuFilePrint"), Platform::SetPrinterPage(nullptr);
        Texts lines;
        for (const auto& r : page.records) {
            if (r.op != Op::Print) continue;
            if (r.text.starts_with("Pressure = ")) break;
            if (r.y1 >= Top - 30)
                lines.push_back(r.text +
                                (at ? " @" + QString("%1,%2").arg(r.x1).arg(r.y1 - Top).toStdString() : ""));
        }
        return lines;
    }

    Platform::RecordingSurface page{11520, 15120};
};

TEST_F(ReportTest, SchematicReportAndChartInOneDocumentPrintedAlikeTwice) {
    AddExamplePoints(), OpenCalculator("mnuOptProcHeat");
    CalcRun("cmdHeatCalc", {{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}});
    EXPECT_EQ(PrintReport(),
              (Texts{"Inlet Point = 1 @500,0", "Outlet Point = 2 @500,234",
                     "Air Flowrate (lb/min) = 100 @500,468", "Heat rate q (BTU/hr) = 29384 @500,702"}));
    // The schematic heads the page; one document, ended last.
    const auto& first = page.records.front();
    EXPECT_EQ(std::tuple(first.op, first.x1, first.y1,
                         std::ranges::count(page.records, Op::EndDoc, &Record::op), page.records.back().op),
              std::tuple(Op::Line, 1606.0f, 885.0f, 1, Op::EndDoc));
    // On screen the same figure, the duct's top wall 485 twips down.
    QApplication::processEvents();
    EXPECT_EQ(CalcFind<Platform::PictureBox>("picHeat")->imageSurface().Image().pixel(80, 32), qRgb(0, 0, 0));
    std::string twips;  // each picture box at its figure's design size, 15 twips a pixel
    for (const char* box : {"picMoist", "picCool", "picHeat", "picAirAir", "picWatAir"}) {
        const QSize size = CalcFind<QWidget>(box)->size() * 15;
        twips += std::to_string(size.width()) + "x" + std::to_string(size.height()) + " ";
    }
    EXPECT_EQ(twips, "2655x2295 2775x2295 2775x2295 2775x2175 2775x2295 ");

    OpenCalculator("mnuOptProcCool");
    CalcRun("cmdCoolCalc",
            {{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "3"}, {"txtCoolFlow", "50"}, {"txtCoolEnt", "23"}});
    const auto report = PrintReport();
    EXPECT_EQ(std::pair(report.size(), report.at(4)),
              std::pair(std::size_t{6}, "Water Flow (lb/min) = " +
                                            CalcText("lblCoolWaterFlowVal").toStdString() + " @500,936"));
    const auto cooling = page.records;
    EXPECT_TRUE(std::ranges::none_of(cooling, [](const Record& r) {
        return r.op == Op::Circle && r.y1 < Top && r.fillStyle != Platform::FillTransparent;
    })) << "open drops";
    PrintReport();  // the next document starts from the page state the first found
    const auto state = [](const Record& r) {
        return std::tie(r.op, r.x1, r.y1, r.text, r.fillStyle, r.fontSize, r.fontBold, r.fontTransparent);
    };
    EXPECT_TRUE(std::ranges::equal(cooling, page.records, {}, state, state));
}

// Air/air after its calculation; the others from their labels as a calculation leaves them.
TEST_F(ReportTest, MixingAndGainsReports) {
    AddExamplePoints(2), OpenCalculator("mnuOptProcAirAir");
    CalcRun(
        "cmdAirCalc",
        {{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "40"}, {"txtAirInPoint2", "2"}, {"txtAirFlowIn2", "60"}});
    const std::string cfm = "/min) = " + CalcText("lblAirOutFlowCFMVal").toStdString();
    EXPECT_EQ(PrintReport(),
              (Texts{"1st Inlet Point = 1 @500,0", "Air Flow (lb/min) = 40 @1000,234",
                     "2nd Inlet Point = 2 @500,468", "Air Flow (lb/min) = 60 @1000,702",
                     "Combined Outlet at Point No. 3 @500,936", "Outlet Air Flow (lb/min) = 100.0 @500,1170",
                     "Outlet Air Flow(ft @500,1404", "3 @2255,1374", cfm + " @2352.5,1404"}));
    CalcTrigger("mnuOptionsWaterAir"), CalcFind<QLabel>("lblWatAirWatFlowVal")->setText("0.412");
    EXPECT_EQ(PrintReport().at(5), CalcText("lblWatAirWatFlow").toStdString() + " 0.412 @500,1170");

    // Three gains make a table; with the air flow given the report ends at the outlet point.
    CalcTrigger("mnuOptionsHM"), CalcType("txtMoistGainFlow", "2");
    EXPECT_EQ(PrintReport().at(2), "Mass Flowrate (lb/hr) = 2 @1000,468") << "one gain";
    Global::NumMoistGains = 3, Global::MoistGains.ReDim(2, 3), Calc().HMInputKind = 5;
    for (int i = 1; i <= 3; ++i)
        std::tie(Global::MoistGains(1, i), Global::MoistGains(2, i)) = std::pair(1.5f * i, 1000 + 50.0f * i);
    for (const char* caption : {"lblHMOutputPoint", "lblHMOutputFlow", "lblHMOutputFlowcfm"})
        CalcFind<QWidget>(caption)->setEnabled(true);  // results as a calculation for these gains leaves them
    const auto report = PrintReport();
    ASSERT_EQ(report.size(), 17u);
    EXPECT_EQ(
        (Texts{report[1], report[2], report[3], report[4], report[5], report[13], report[14].substr(0, 18)}),
        (Texts{"Moisture Heat Gains @500,234", "Mass @900,468", "Water @2000,468", "Flowrate @900,684",
               "Enthalpy @2000,684", "1150 @2100,1548", "Inlet Point No. = "}));
    // Twelve gains and the flow lines below them: the rows stop where the whole report still ends
    // above the "Data Points" title (45 % down the page, 3804 below the report's top).
    Global::NumMoistGains = 12, Global::MoistGains.ReDim(2, 12), Calc().HMInputKind = 1;
    const auto cut = PrintReport();
    EXPECT_EQ(cut.at(20), "... 6 more moisture gains @1000,2412");
    EXPECT_EQ(cut.back().substr(cut.back().rfind(',')), ",3564") << "the last line, 234 high, ends at 3798";
}

// Results greyed on screen belong to inputs since changed, or refused: on paper they are left
// out rather than printed beside those inputs.
TEST_F(ReportTest, StaleResultsAreLeftOut) {
    struct Row {
        const char *menu, *calc, *outlet;  // the outlet quantity chosen first, if any
        std::vector<std::pair<QString, QString>> inputs;
        const char *box, *typed;
        bool again;           // Calculate pressed on `typed`, and refused
        std::size_t results;  // result texts printed while they are current (a raised 3 is one)
        Texts stale;          // the report once `typed` greyed them
    };
    // clang-format off
    const Row rows[] = {
        {"mnuOptProcHeat", "cmdHeatCalc", nullptr, {{"txtHeatInPoint", "1"}, {"txtHeatOutPoint", "2"}, {"txtHeatFlow", "100"}},
         "txtHeatFlow", "1OO", true, 1, {"Inlet Point = 1", "Outlet Point = 2", "Air Flowrate (lb/min) = 1OO"}},
        {"mnuOptProcCool", "cmdCoolCalc", nullptr,
         {{"txtCoolInPoint", "1"}, {"txtCoolOutPoint", "3"}, {"txtCoolFlow", "50"}, {"txtCoolEnt", "23"}}, "txtCoolOutPoint", "2",
         false, 2, {"Inlet Point = 1", "Outlet Point = 2", "Air Flowrate (lb/min) = 50", "Water Enthalpy (BTU/lb) = 23"}},
        {"mnuOptProcAirAir", "cmdAirCalc", nullptr,
         {{"txtAirInPoint1", "1"}, {"txtAirFlowIn1", "40"}, {"txtAirInPoint2", "2"}, {"txtAirFlowIn2", "60"}}, "txtAirFlowIn2",
         "3e38", true, 5, {"1st Inlet Point = 1", "Air Flow (lb/min) = 40", "2nd Inlet Point = 2", "Air Flow (lb/min) = 3e38"}},
        // The refused outlet of a washer whose line meets saturation at 65.92 F.
        {"mnuOptProcWatAir", "cmdWatAirCalc", "optWatAirDry", {{"txtWatAirInPoint", "4"}, {"txtWatAirInFlow", "100"},
         {"txtWatAirEnt", "20"}, {"txtWatAirInput", "70"}}, "txtWatAirInput", "64", true, 2, {"Inlet Point = 4",
         "Inlet Air Flow (lb/min) = 100", "Water Enthalpy (BTU/lb) = 20", "Outlet Dry Bulb (F) = 64"}},
        // A new outlet quantity makes the mass flow stale, and the volume flow worked out from it.
        {"mnuOptProcHM", "cmdHMCalc", "optHMInputDry", {{"txtHeatMoistPoint", "3"}, {"txtHeatMoistQ", "20000"},
         {"txtMoistGainFlow", "10"}, {"txtMoistGainEnt", "1100"}, {"txtHMInputParam", "75"}}, "txtHMInputParam", "80",
         false, 5, {"Sensible Heat Gain q (BTU/hr) = 20000", "Moisture Heat Gains", "Mass Flowrate (lb/hr) = 10",
         "Water Enthalpy (BTU/lb) = 1100", "Inlet Point No. = 3", "Outlet Dry Bulb (F) = 80"}},
    };  // clang-format on
    AddExamplePoints(), AddPoint({{"DryBulb", "95"}, {"RelHumid", "20"}});
    for (const Row& row : rows) {
        OpenCalculator(row.menu);
        if (const bool water = QString(row.outlet).startsWith("optWat"); row.outlet)
            CalcPress(water ? "cmdWatAirInput" : "cmdHMInputParam"), CalcChoose(row.outlet),
                CalcPress(water ? "cmdWatAirOutOK" : "cmdHMInputOK");
        for (const auto& [box, text] : row.inputs) Enter(box, text);  // the gain boxes store on leaving
        messages.clear(), CalcPress(row.calc);
        ASSERT_EQ(Told(), Texts{}) << row.menu;
        EXPECT_EQ(PrintReport(false).size(), row.stale.size() + row.results)
            << row.menu << ": results while current";
        CalcType(row.box, row.typed);
        if (row.again) CalcPress(row.calc);
        EXPECT_EQ(Told().size(), row.again ? 1u : 0u) << row.menu << ": refused";
        EXPECT_EQ(PrintReport(false), row.stale) << row.menu;
    }
}

// A water flow given, saved and opened again: the flow worked out before for an outlet dry bulb
// is not on the screen, nor on the page.
TEST_F(ReportTest, AResultNotShownIsNotPrintedAfterOpen) {
    AddExamplePoints(), AddPoint({{"DryBulb", "95"}, {"RelHumid", "20"}}), OpenCalculator("mnuOptProcWatAir");
    CalcPress("cmdWatAirInput"), CalcChoose("optWatAirDry"), CalcPress("cmdWatAirOutOK");
    CalcRun("cmdWatAirCalc", {{"txtWatAirInPoint", "4"},
                              {"txtWatAirInFlow", "100"},
                              {"txtWatAirEnt", "20"},
                              {"txtWatAirInput", "70"}});
    CalcPress("cmdWatAirInput"), CalcChoose("optWatAirWater"), CalcPress("cmdWatAirOutOK");
    CalcType("txtWatAirInput", "0.3"), CalcPress("cmdWatAirCalc");
    dialogs->AnswerPath("w.zlv"), Trigger("mnuFileSave");
    CalcTrigger("mnuFileExit"), dialogs->AnswerPath("w.zlv"), Trigger("mnuFileOpen");
    const Texts report = PrintReport();
    EXPECT_EQ(Texts(report.end() - 2, report.end()),
              (Texts{"Water Flow (lb/min) = 0.3 @500,702", "Outlet Point = 6 @500,936"}));
}

}  // namespace
