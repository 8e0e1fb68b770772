// The printer page as a drawing surface. The first drawing begins the document and
// EndDoc hands it on. Every page is drawn into a private PDF first; only a complete
// one goes to the chosen printer, or replaces the PDF file when there is no printer
// (always on the offscreen platform) or "PDF file" was chosen in Print Setup.
#pragma once

#include <QPainter>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "QtSurface.h"

class QPrinter;
class QTemporaryFile;

namespace Platform {

// The program's one printer: paper, orientation and margins of every page.
QPrinter& Printer();

// Where a page goes when it goes to a PDF file. The program fixes it at start-up;
// unset, it is "Zolvane.pdf" in the current directory.
void SetPdfOutputPath(const QString& path);
QString PdfOutputPath();

// The print service behind the printers; tests put a stand-in in its place.
class PrintService {
public:
    virtual ~PrintService() = default;
    // The printers a job may go to, the default one first; empty when there are none.
    virtual QStringList Printers() = 0;
    // Hands the finished PDF to `printer` as a job named `title`; false when refused.
    virtual bool Submit(const QString& printer, const QString& pdfPath, const QString& title) = 0;
};

// The system's print service; a headless platform has no printers.
class SystemPrintService : public PrintService {
public:
    QStringList Printers() override;
    bool Submit(const QString& printer, const QString& pdfPath, const QString& title) override;
};

// Printers from a list that accept or refuse every job; each job is kept.
class ScriptedPrintService : public PrintService {
public:
    struct Job {
        QString printer;
        QString title;
        QByteArray pdf;
    };
    QStringList Printers() override { return printers; }
    bool Submit(const QString& printer, const QString& pdfPath, const QString& title) override;

    QStringList printers;
    bool accepting = true;
    std::vector<Job> jobs;
};

// The service in use: the system's unless one was set.
PrintService& PrintServiceInUse();
// Replaces the service; nullptr goes back to the system's.
void SetPrintService(std::unique_ptr<PrintService> service);

// Print Setup's choice. Until a printer is chosen the default one is used.
void ChoosePrinter(const QString& name);
void ChoosePdfFile();
// The printer the next page goes to; empty when it goes to PdfOutputPath(): "PDF file"
// was chosen or no printer exists now.
QString Destination();

class PrinterSurface : public QtSurface {
public:
    // Over Printer(), whose page settings each document copies into a printer of its own.
    PrinterSurface();
    ~PrinterSurface() override;
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    // The printable area of the page in twips of the drawing: larger than the area
    // when margins wider than the default shrink the drawing to fit it.
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
    // The drawing's size on paper against its size in twips: 1, or less for wide margins.
    double LayoutScale() const;
    // The printer name, or the PDF file's path, for messages.
    QString OutputName() const;
    QString Deliver();

    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<QPrinter> job_;          // the page being drawn, over the draft
    std::unique_ptr<QTemporaryFile> draft_;  // the page's PDF until it is handed on
    QString destination_;                    // fixed when the document begins
    bool failed_ = false;                    // begin failed: reported once until EndDoc
};

// The page every print command draws on, so that the calculator's report and the
// chart share one document: the surface over Printer() unless another was set.
Surface& PrinterPage();
// Replaces the page (tests record it); nullptr goes back to the printer.
void SetPrinterPage(Surface* page);

}  // namespace Platform
