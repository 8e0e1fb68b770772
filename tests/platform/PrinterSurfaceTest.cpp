#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <tuple>

#include "PrinterSurface.h"
#include "QtSurface.h"

// What a page shows, and the shared page, are checked through the chart's printout; here the page itself.
TEST(PrinterSurfaceTest, PageInTwipsWithScreenSizedTextWrittenAtEndDoc) {
    // A quarter inch on every side of the page unless Print Setup changes it.
    const QMarginsF m = Platform::Printer().pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_EQ(std::tuple(m.left(), m.top(), m.right(), m.bottom()), std::tuple(6.35, 6.35, 6.35, 6.35));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    Platform::SetPdfOutputPath(pdf);
    Platform::PrinterSurface page;
    // A printable page of letter or A4 paper.
    EXPECT_TRUE(page.Width() > 10000 && page.Width() < 12300 && page.Height() > page.Width());
    Platform::ImageSurface screen(10, 10);
    for (double points : {8.25, 9.75, 12.0}) {
        page.FontSize = screen.FontSize = points;
        EXPECT_NEAR(page.TextHeight("Ag") / screen.TextHeight("Ag"), 1.0, 0.12) << points << " pt";
        EXPECT_NEAR(page.TextWidth("Specific Vol.") / screen.TextWidth("Specific Vol."), 1.0, 0.12) << points;
    }
    // Drawing writes the PDF at EndDoc (the chart's printout shows it); measuring alone does not.
    page.EndDoc();
    EXPECT_FALSE(QFile::exists(pdf)) << "measuring alone starts no document";
    Platform::SetPdfOutputPath({});
}
