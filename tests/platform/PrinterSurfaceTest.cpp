#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "PrinterSurface.h"
#include "QtSurface.h"
#include "RecordingSink.h"

using Platform::PrinterSurface;

namespace {

class PrinterSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath("page.pdf");
        Platform::SetPdfOutputPath(pdf);
    }
    void TearDown() override { Platform::SetPdfOutputPath({}); }

    QByteArray ReadPdf() const {
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }

    QTemporaryDir dir;
    QString pdf;
};

}  // namespace

TEST_F(PrinterSurfaceTest, OnePageGoesToThePdfFileAtEndDoc) {
    QPrinter printer(QPrinter::HighResolution);
    PrinterSurface page(printer);

    // A printable page of letter or A4 paper, in twips.
    EXPECT_GT(page.Width(), 10000);
    EXPECT_LT(page.Width(), 12300);
    EXPECT_GT(page.Height(), page.Width());

    page.FontSize = 12;
    page.FontBold = true;
    const float width = page.TextWidth("Data Points");
    EXPECT_FALSE(page.Printing()) << "measuring does not start the document";

    page.CurrentX = (page.Width() - width) / 2;
    page.CurrentY = 0.45f * page.Height();
    page.Print("Data Points");
    EXPECT_TRUE(page.Printing());
    page.DrawWidth = 2;
    page.Line(400, page.CurrentY, 11000, page.CurrentY);
    page.FillStyle = Platform::FillSolid;
    page.Circle(2000, 2000, 35);
    page.EndDoc();
    EXPECT_FALSE(page.Printing());
    EXPECT_EQ(Platform::LastOutputPath(), pdf);

    const QByteArray bytes = ReadPdf();
    ASSERT_GT(bytes.size(), 100);
    EXPECT_TRUE(bytes.startsWith("%PDF"));

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(pdftotext, {pdf, "-"});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_TRUE(process.readAllStandardOutput().contains("Data Points"));
}

TEST_F(PrinterSurfaceTest, TextOnPaperHasTheSizeItHasOnScreen) {
    QPrinter printer(QPrinter::HighResolution);
    PrinterSurface page(printer);
    Platform::ImageSurface screen(10, 10);
    for (double points : {8.25, 9.75, 12.0}) {
        page.FontSize = screen.FontSize = points;
        EXPECT_NEAR(page.TextHeight("Ag") / screen.TextHeight("Ag"), 1.0, 0.12) << points << " pt";
        EXPECT_NEAR(page.TextWidth("Specific Vol.") / screen.TextWidth("Specific Vol."), 1.0, 0.12)
            << points << " pt";
    }
    page.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf)) << "no drawing, no document";
}

TEST_F(PrinterSurfaceTest, PrinterThatCannotStartIsReportedOnce) {
    RecordingMessageSink sink;
    Platform::SetPdfOutputPath(dir.filePath("missing-folder/page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PrinterSurface page(printer);
    page.Print("Process Lines (Change in Properties)");
    page.Line(0, 0, 1000, 1000);
    EXPECT_FALSE(page.Printing());
    EXPECT_EQ(sink.messages.size(), 1u);
    page.EndDoc();

    // The next document tries again.
    Platform::SetPdfOutputPath(pdf);
    page.Print("Data Points");
    EXPECT_TRUE(page.Printing());
    page.EndDoc();
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(ReadPdf().startsWith("%PDF"));
}

TEST_F(PrinterSurfaceTest, SharedPageDrawsOnTheSharedPrinter) {
    Platform::Surface& page = Platform::PrinterPage();
    EXPECT_EQ(&page, &Platform::PrinterPage());
    EXPECT_EQ(Platform::Printer().outputFormat(), QPrinter::PdfFormat) << "offscreen never uses a real queue";
    page.Print("Zolvane");
    page.EndDoc();
    EXPECT_TRUE(ReadPdf().startsWith("%PDF"));
    EXPECT_EQ(Platform::LastOutputPath(), pdf);
}
