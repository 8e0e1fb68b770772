#include "PrinterSurface.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "Controls.h"
#include "Message.h"

namespace Platform {

namespace {

QString& PdfPathSetting() {
    static QString path;
    return path;
}

QString& LastPath() {
    static QString path;
    return path;
}

bool NoPrinterAvailable() {
    const QString platform = QGuiApplication::platformName();
    // Headless runs must never reach a real print queue.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return true;
    return QPrinterInfo::availablePrinters().isEmpty();
}

void RouteToPdfIfNeeded(QPrinter& printer) {
    if (!NoPrinterAvailable()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PdfOutputPath());
    // A PDF page has no unprintable edge; keep the quarter inch a printer would.
    if (printer.pageLayout().margins(QPageLayout::Millimeter).isNull())
        printer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

}  // namespace

QPrinter& Printer() {
    // Never destroyed: it must outlive every window, and QApplication with it.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        RouteToPdfIfNeeded(*p);
        return p;
    }();
    return *printer;
}

void SetPdfOutputPath(const QString& path) {
    PdfPathSetting() = path;
}

QString PdfOutputPath() {
    const QString& path = PdfPathSetting();
    return path.isEmpty() ? QDir::current().absoluteFilePath(QStringLiteral("Zolvane.pdf")) : path;
}

QString LastOutputPath() {
    return LastPath();
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {
    RouteToPdfIfNeeded(printer_);
}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

float PrinterSurface::Width() const {
    return static_cast<float>(printer_.pageRect(QPrinter::Inch).width() * TwipsPerInch);
}

float PrinterSurface::Height() const {
    return static_cast<float>(printer_.pageRect(QPrinter::Inch).height() * TwipsPerInch);
}

void PrinterSurface::Cls() {
    CurrentX = 0;
    CurrentY = 0;
}

void PrinterSurface::EndDoc() {
    failed_ = false;
    if (!painter_.isActive()) return;
    painter_.end();
    ForgetPainterState();
    LastPath() =
        printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : printer_.printerName();
}

QPainter* PrinterSurface::ActivePainter() {
    if (painter_.isActive()) return &painter_;
    if (failed_) return nullptr;
    RouteToPdfIfNeeded(printer_);
    // The set-up dialog may have chosen a printer of another resolution.
    ForgetFont();
    if (!painter_.begin(&printer_)) {
        failed_ = true;
        const std::string where =
            FromQ(printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName()
                                                                 : printer_.printerName());
        Global::ShowMessage("Printing could not be started (" + where + ").");
        return nullptr;
    }
    ForgetPainterState();
    return &painter_;
}

const QPaintDevice* PrinterSurface::MetricsDevice() const {
    return &printer_;
}

double PrinterSurface::UnitsPerTwip() const {
    return printer_.resolution() / TwipsPerInch;
}

// A pixel of line width is a dot of a 300 dpi printer: thin but visible on paper.
double PrinterSurface::UnitsPerPixel() const {
    return std::max(1.0, printer_.resolution() / 300.0);
}

PrinterSurface& PrinterPage() {
    static PrinterSurface* page = new PrinterSurface(Printer());
    return *page;
}

}  // namespace Platform
