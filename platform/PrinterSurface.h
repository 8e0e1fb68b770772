// The printer page as a drawing surface. The first drawing begins the document and
// EndDoc hands it to the printer. Without an installed printer (and always on the
// offscreen platform) the page goes to a PDF file instead.
#pragma once

#include <QPainter>
#include <QString>

#include "QtSurface.h"

class QPrinter;

namespace Platform {

// The program's one printer; the printer set-up dialog edits this object.
QPrinter& Printer();

// Where a page goes when it goes to a PDF file: no printer installed, the offscreen
// platform, or "PDF file" chosen in Print Setup. The program fixes it at start-up;
// unset, it is "Zolvane.pdf" in the current directory.
void SetPdfOutputPath(const QString& path);
QString PdfOutputPath();
// True where no system printer may be used: none installed, or a headless platform.
bool PdfOnly();
// The file (or printer name) the last ended document went to; empty before any.
QString LastOutputPath();

class PrinterSurface : public QtSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    // The printable area of the page, in twips.
    float Width() const override;
    float Height() const override;
    // A page cannot be wiped: only the position returns to the corner.
    void Cls() override;
    void EndDoc() override;

    bool Printing() const { return painter_.isActive(); }

protected:
    QPainter* ActivePainter() override;
    const QPaintDevice* MetricsDevice() const override;
    double UnitsPerTwip() const override;
    double UnitsPerPixel() const override;
    bool Antialiased() const override { return true; }

private:
    QPrinter& printer_;
    QPainter painter_;
    bool failed_ = false;  // begin failed: reported once until EndDoc
};

// The page every print command draws on, so that the calculator's report and the
// chart share one document: the surface over Printer() unless another was set.
Surface& PrinterPage();
// Replaces the page (tests record it); nullptr goes back to the printer.
void SetPrinterPage(Surface* page);

}  // namespace Platform
