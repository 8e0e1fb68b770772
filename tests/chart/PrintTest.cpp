// File > Print and Print Setup of the chart window, on a recorded page of 8 x 10.5
// inches (11520 x 15120 twips; 10 twips a character per point, a line 24 per point).
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <algorithm>

#include "ChartWindowFixture.h"
#include "PrinterSurface.h"
#include "RecordingSurface.h"

namespace {

using Op = Platform::RecordingSurface::Op;
using Record = Platform::RecordingSurface::Record;

class PrintTest : public ChartWindowTest {
protected:
    void SetUp() override { ChartWindowTest::SetUp(), Platform::SetPrinterPage(&page); }
    void TearDown() override {
        Platform::SetPrinterPage(nullptr), Platform::SetPrintService(nullptr), Platform::ChoosePrinter({});
        qunsetenv("TMPDIR"), Platform::SetPdfOutputPath({}), ChartWindowTest::TearDown();
    }
    void Print() { page.records.clear(), Trigger("mnuFilePrint"); }
    bool Text(const std::string& t) const {
        return std::ranges::any_of(page.records, [&](auto& r) { return r.op == Op::Print && r.text == t; });
    }
    // What starts at height y in drawing order: texts as "text@x", lines as "x1>x2,y2".
    std::string Row(float y) const {
        std::string row;
        for (const Record& r : page.records) {
            if (r.y1 != y || (r.op != Op::Print && r.op != Op::Line)) continue;
            row += row.empty() ? "" : " ";
            row +=
                r.op == Op::Print ? r.text + "@" + Num(r.x1) : Num(r.x1) + ">" + Num(r.x2) + "," + Num(r.y2);
        }
        return row;
    }
    static std::string Num(float v) { return QString::number(v).toStdString(); }

    Platform::RecordingSurface page{11520, 15120};
};

TEST_F(PrintTest, TablesOfPointsAndCompleteLinesBelowTheChartAboveThePageFoot) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}}), AddPoint({{"DryBulb", "90"}, {"WetBulb", "70"}});
    SetLines({{1, 2}, {2, 0}}), Global::LineState = 2;  // the second line waits for its To point
    Print();
    ASSERT_TRUE(Text("Pressure = 14.70 psia") && page.records.back().op == Op::EndDoc) << "the chart first";

    // Titles, headings and values centred in their columns (the last measured at the heading size).
    EXPECT_EQ(Row(0.45f * 15120), "Data Points@5100");
    EXPECT_EQ(
        Row(7092),
        "400>11217.5,7092 Point@400 Dry Bulb@1000 Wet Bulb@1900 Dew Point@2800 Rel. Humidity@3900 "
        "Enthalpy@5300 Humid. Ratio@6250 Vapor Press.@7550 Deg. of Sat@8800 Specific Vol.@9950 400>400,7998 "
        "980>980,7998 1880>1880,7998 2780>2780,7998 3880>3880,7998 5280>5280,7998 6230>6230,7998 "
        "7530>7530,7998 8780>8780,7998 9930>9930,7998 11217.5>11217.5,7998");
    EXPECT_TRUE(Row(7326).ends_with("(psia)@7550       (%)@8800     (ft@9950 /lb)@10712.5")) << Row(7326);
    EXPECT_EQ(Row(7326 - 234 / 4.0f), "3@10632.5") << "the 3 raised a quarter of the heading's height";
    EXPECT_EQ(Row(7566),
              "400>11217.5,7566 1@655 75.00@1225 62.63@2125 55.16@3125 50.00@4375 28.10@5550 0.0092@6630 "
              "0.215@7950 49.26@9150 13.68@10340");
    EXPECT_EQ(Row(7998), "400>11217.5,7998") << "two points, then the bottom rule";
    // Then the complete line only, a table and a half-title line lower.
    EXPECT_EQ(Row(7998 + 1.5f * 12 * 24), "Process Lines (Change in Properties)@3600");
    EXPECT_NE(Row(8952).find("(F)@2350 Point (F)@3250"), std::string::npos) << "its own dew-point title";
    EXPECT_TRUE(Row(9192).starts_with("250>11217.5,9192 1@505 2@1105 15.00@1675 7.37@2620 5.05@3520"))
        << Row(9192);
    EXPECT_EQ(Row(9408), "250>11217.5,9408") << "no row for the pending line";
    EXPECT_TRUE(messages.empty());

    // The rows that fit above the page foot, and the line table whole with a row or not at all:
    // "rules under data rows / line table title / rules under line rows".
    SetLines({{1, 2}, {2, 1}}), Global::LineState = 1;
    const auto rules = [&](float left) {  // less the top rule and the one under the headings
        const auto rule = [&](const Record& r) {
            return r.op == Op::Line && r.x1 == left && r.y1 == r.y2 && r.x2 > r.x1;
        };
        return std::to_string(std::ranges::count_if(page.records, rule) - 2);
    };
    for (auto [points, printed] : {std::pair(28, "28 1 1"), {29, "29 0 -2"}, {35, "34 0 -2"}}) {
        Global::Points.ReDim(points), Global::NumPoints = static_cast<int16_t>(points);
        for (int p = 3; p <= points; ++p) Global::Points(p) = Global::Points(2);
        Print();
        const bool lineTitle = Text("Process Lines (Change in Properties)");
        EXPECT_EQ(rules(400) + " " + std::to_string(lineTitle) + " " + rules(250), printed) << points;
    }
}

// Metric headings, and no table without points or lines. Then metric changes along a line, on the
// panel and on the page, against SI worked out here: a temperature change x 5/9 (no offset),
// 1 BTU/lb = 2.326 kJ/kg with no datum in a change, 1 psi = 0.00689476 MPa,
// 1 ft3/lb = 0.3048^3 / 0.45359237 m3/kg.
TEST_F(PrintTest, MetricHeadingsAndLineChangesOnThePanelAndThePageMatchSI) {
    Print();
    EXPECT_TRUE(Text("Altitude = 0.0 ft") && !Text("Data Points"));
    UseUnits(false), AddPoint({{"DryBulb", "10"}, {"RelHumid", "30"}}), Print();
    for (const char* text : {"    (C)", "(kJ/kg)", "      (kg/kg)", "      (MPa)", "    (m", "/kg)", "10.00"})
        EXPECT_TRUE(Text(text)) << text;
    EXPECT_FALSE(Text("Process Lines (Change in Properties)"));
    AddPoint({{"DryBulb", "90"}, {"RelHumid", "80"}}), SetLines({{1, 2}}), Trigger("mnuOptionsProcess"),
        Print();
    using P = Global::StatePoint;
    const auto change = [](float P::*field, double factor, int digits = 99) {
        return Global::FormatValue(
            (static_cast<double>(Global::Points(2).*field) - Global::Points(1).*field) * factor, digits);
    };
    // clang-format off
    const std::pair<const char*, std::string> columns[] = {
        {"From", "1"}, {"To", "2"}, {"DeltaDry", change(&P::DryBulb, 5 / 9.0, 2)},
        {"DeltaWet", change(&P::WetBulb, 5 / 9.0, 2)}, {"DeltaDew", change(&P::DewPoint, 5 / 9.0, 2)},
        {"DeltaRH", change(&P::RelHumid, 100)}, {"Deltah", change(&P::Enthalpy, 2.326)},
        {"DeltaW", change(&P::HumidRatio, 1)}, {"DeltaVP", change(&P::VaporPress, 0.00689476)},
        {"DeltaU", change(&P::SatDegree, 100)},
        {"DeltaSpVol", change(&P::SpVol, 0.3048 * 0.3048 * 0.3048 / 0.45359237)}};
    // clang-format on
    // The texts of the line table's row, where two points put it (as in US units above).
    std::string printed, expected, panel;
    for (const Record& r : page.records) printed += r.op == Op::Print && r.y1 == 9192 ? r.text + "|" : "";
    for (const auto& [label, value] : columns) {
        expected += value + "|";
        panel += ChartWindowTest::Text("lbl" + QString(label) + "Val(1)").toStdString() + "|";
    }
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(panel, expected);
}

// Margins wider than the default shrink the whole page into the room they leave; at the default
// the page keeps its size. Measured on the PDF as rendered: the ink's box against the margins.
TEST_F(PrintTest, WideMarginsShrinkThePageInsideThem) {
    Platform::SetPrinterPage(nullptr);
    for (int p = 0; p < 3; ++p) AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    QPrinter& printer = Platform::Printer();
    const QPageLayout before = printer.pageLayout();
    constexpr double Dpi = 144, Px = Dpi / 25.4;  // pixels a millimetre
    using L = QPageLayout;
    // On a landscape page the height decides the scale.
    const std::tuple<QPageSize::PageSizeId, L::Orientation, double> pages[] = {
        {QPageSize::A4, L::Portrait, 6.35},     {QPageSize::A4, L::Portrait, 20.0},
        {QPageSize::A4, L::Portrait, 25.0},     {QPageSize::Letter, L::Portrait, 6.35},
        {QPageSize::Letter, L::Portrait, 20.0}, {QPageSize::Letter, L::Portrait, 25.0},
        {QPageSize::A4, L::Landscape, 25.0},    {QPageSize::Letter, L::Landscape, 20.0}};
    for (const auto& [paper, turn, margin] : pages) {
        printer.setPageLayout(
            QPageLayout(QPageSize(paper), turn, QMarginsF(margin, margin, margin, margin), L::Millimeter));
        QFile::remove("page.pgm"), Trigger("mnuFilePrint");
        QProcess::execute("pdftoppm",
                          {"-r", QString::number(Dpi), "-gray", "-singlefile", "Zolvane.pdf", "page"});
        const QImage image("page.pgm");
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
        // The ink within the margins, give or take a pixel, and the point table's left rule 20 pt
        // (at full size) inside the left margin.
        const QSizeF portrait = QPageSize(paper).size(QPageSize::Millimeter);
        const QSizeF size = turn == L::Landscape ? portrait.transposed() : portrait;
        const double m = margin * Px - 1;
        const QRect room = QRectF(QPointF(), size * Px).adjusted(m, m, -m, -m).toAlignedRect();
        EXPECT_EQ(ink.intersected(room), ink) << paper << " " << margin;
        const double scale = std::min({1.0, (size.width() - 2 * margin) / (size.width() - 12.7),
                                       (size.height() - 2 * margin) / (size.height() - 12.7)});
        EXPECT_NEAR(ink.left(), (margin + 20 * 25.4 / 72 * scale) * Px, 1.5) << paper << " " << margin;
    }
    printer.setPageLayout(before);
    EXPECT_TRUE(messages.empty());
}

// The real page: drawn into a private draft, then to a printer of a stand-in print service or
// over the PDF file; whatever fails is told, the last good PDF stays and no draft is left.
TEST_F(PrintTest, PagesGoToTheChosenPrinterOrFileAndFailuresKeepTheLastGoodPdf) {
    Platform::SetPrinterPage(nullptr);
    Platform::SetPrintService(std::make_unique<Platform::ScriptedPrintService>());
    auto& service = static_cast<Platform::ScriptedPrintService&>(Platform::PrintServiceInUse());
    const auto tmp = [](const char* name) {
        const QString path = QDir::current().absoluteFilePath(name);
        return qputenv("TMPDIR", path.toLocal8Bit()), path.toStdString();
    };
    QDir().mkdir("drafts"), tmp("drafts"), AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    const float plotX = Global::Points(1).PlotX;
    // Where each print goes after Print Setup ("": cancelled, which changes nothing and says nothing):
    // a job's printer and title, the file, or the message.
    const auto print = [&](const std::string& setup, const std::string& pdf = "Zolvane.pdf") {
        messages.clear(), service.jobs.clear();
        setup.empty() ? dialogs->AnswerCancel() : dialogs->AnswerPrinter(setup), Trigger("mnuFilePrintSetup");
        Platform::SetPdfOutputPath(QDir::current().absoluteFilePath(QString::fromStdString(pdf)));
        WriteFile(pdf, "last good"), Trigger("mnuFilePrint");
        EXPECT_EQ(QDir::temp().entryList({"Zolvane-*"}, QDir::Files), QStringList()) << "no draft left";
        const auto* job = service.jobs.empty() ? nullptr : &service.jobs.back();
        return (job ? (job->printer + " " + job->title + " " + job->pdf.left(4)).toStdString() : "") +
               (ReadFile(pdf) == "last good" ? "" : "file") + (messages.empty() ? "" : messages[0].text);
    };
    EXPECT_EQ(print(""), "file");
    QProcess process;
    process.start("pdftotext", {"Zolvane.pdf", "-"}), process.waitForFinished(30000);
    const QString text = process.readAllStandardOutput();
    for (const char* part : {"Data Points", "62.63"})
        EXPECT_TRUE(text.contains(part)) << part << " in " << text.toStdString();
    service.printers = {"q", "r"};
    EXPECT_EQ(print(""), "q Zolvane %PDF") << "a printer appears: the default one";
    EXPECT_EQ(print("PDF file"), "file");
    EXPECT_EQ(print("r"), "r Zolvane %PDF") << "the printer chosen again";
    service.printers.clear();
    EXPECT_EQ(print(""), "file") << "no printer: the PDF stands in";
    service.printers = {"r"};
    EXPECT_EQ(print(""), "r Zolvane %PDF") << "the printer is back";
    service.accepting = false;
    EXPECT_EQ(print(""), "Printing could not be finished (r).");
    EXPECT_EQ(Global::Points(1).PlotX, plotX) << "the screen chart is redrawn";
    // A temporary folder that takes no draft is named, not the printer or the file.
    WriteFile("file", "not a folder");
    const std::string started = "Printing could not be started (" + tmp("file") + ").";
    EXPECT_EQ(print(""), started);
    // A full disk under the PDF (a tiny tmpfs with room for the last good file only).
    tmp("drafts"), service.printers.clear(), QDir().mkdir("full");
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", "full"}) != 0)
        GTEST_SKIP() << "full disk not tried: tmpfs cannot be mounted here";
    WriteFile("full/filler", std::string(60 * 1024, 'x'));
    const std::string pdf = QDir::current().absoluteFilePath("full/Zolvane.pdf").toStdString();
    EXPECT_EQ(print("", "full/Zolvane.pdf"), "Printing could not be finished (" + pdf + ").");
    // Then under the draft, which is cut short: the temporary folder is named.
    const std::string finished = "Printing could not be finished (" + tmp("full") + ").";
    EXPECT_EQ(print(""), finished);
    QFile::remove("full/filler");
    EXPECT_EQ(print(""), "file") << "room made: the next page is whole";
    QProcess::execute("umount", {"full"});
}

}  // namespace
