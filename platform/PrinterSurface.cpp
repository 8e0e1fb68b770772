#include "PrinterSurface.h"

#include <QDir>
#include <QFile>
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

void RouteToPdfIfNeeded(QPrinter& printer) {
    if (PdfOnly()) printer.setOutputFormat(QPrinter::PdfFormat);
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setOutputFileName(PdfOutputPath());
}

QString OutputName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

// A PDF cut short (a full disk) lacks its closing marker.
bool PdfComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

Surface*& PageOverride() {
    static Surface* page = nullptr;
    return page;
}

}  // namespace

bool PdfOnly() {
    const QString platform = QGuiApplication::platformName();
    // Headless runs must never reach a real print queue.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return true;
    return QPrinterInfo::availablePrinters().isEmpty();
}

QPrinter& Printer() {
    // Never destroyed: it must outlive every window, and QApplication with it.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        RouteToPdfIfNeeded(*p);
        // A PDF page has no unprintable edge; keep the quarter inch a printer would.
        if (p->pageLayout().margins(QPageLayout::Millimeter).isNull())
            p->setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
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
    bool done = painter_.end();
    ForgetPainterState();
    if (done && printer_.outputFormat() == QPrinter::PdfFormat) done = PdfComplete(printer_.outputFileName());
    if (!done) {
        Global::ShowMessage("Printing could not be finished (" + FromQ(OutputName(printer_)) + ").");
        return;
    }
    LastPath() = OutputName(printer_);
}

QPainter* PrinterSurface::ActivePainter() {
    if (painter_.isActive()) return &painter_;
    if (failed_) return nullptr;
    RouteToPdfIfNeeded(printer_);
    // The set-up dialog may have chosen a printer of another resolution.
    ForgetFont();
    if (!painter_.begin(&printer_)) {
        failed_ = true;
        Global::ShowMessage("Printing could not be started (" + FromQ(OutputName(printer_)) + ").");
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

Surface& PrinterPage() {
    if (Surface* page = PageOverride()) return *page;
    static PrinterSurface* page = new PrinterSurface(Printer());
    return *page;
}

void SetPrinterPage(Surface* page) {
    PageOverride() = page;
}

}  // namespace Platform
