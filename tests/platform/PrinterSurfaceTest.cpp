#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "PrinterSurface.h"
#include "QtSurface.h"

namespace {

class PrinterSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { Platform::SetPdfOutputPath(pdf); }
    void TearDown() override { Platform::SetPdfOutputPath({}); }
    bool PdfWritten() const {
        QFile file(pdf);
        return file.open(QIODevice::ReadOnly) && file.readAll().startsWith("%PDF");
    }
    QTemporaryDir dir;
    QString pdf = dir.filePath("page.pdf");
};

}  // namespace

// What a page shows, and the shared page, are checked through the chart's printout; here the page itself.
TEST_F(PrinterSurfaceTest, PageInTwipsWithScreenSizedTextWrittenAtEndDoc) {
    QPrinter printer(QPrinter::HighResolution);
    Platform::PrinterSurface page(printer);
    // A printable page of letter or A4 paper.
    EXPECT_TRUE(page.Width() > 10000 && page.Width() < 12300 && page.Height() > page.Width());
    Platform::ImageSurface screen(10, 10);
    for (double points : {8.25, 9.75, 12.0}) {
        page.FontSize = screen.FontSize = points;
        EXPECT_NEAR(page.TextHeight("Ag") / screen.TextHeight("Ag"), 1.0, 0.12) << points << " pt";
        EXPECT_NEAR(page.TextWidth("Specific Vol.") / screen.TextWidth("Specific Vol."), 1.0, 0.12) << points;
    }
    EXPECT_FALSE(page.Printing()) << "measuring does not start the document";
    page.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf)) << "no drawing, no document";
    page.Print("Data Points");
    EXPECT_TRUE(page.Printing());
    page.Line(400, page.CurrentY, 11000, page.CurrentY);
    page.EndDoc();
    EXPECT_TRUE(!page.Printing() && PdfWritten() && Platform::LastOutputPath() == pdf);
}
