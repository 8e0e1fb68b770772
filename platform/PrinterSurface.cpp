#include "PrinterSurface.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>

#include "Controls.h"
#include "Message.h"
#include "SafeFile.h"

namespace Platform {

namespace {

const QString JobTitle = QStringLiteral("Zolvane");
// Far beyond any one-page chart; a bound on what is read back.
constexpr std::size_t MaxPdfBytes = std::size_t{1} << 28;

QString& PdfPathSetting() {
    static QString path;
    return path;
}

// The printer chosen in Print Setup, or empty for the default one.
QString& ChosenPrinter() {
    static QString name;
    return name;
}

bool& PdfChosen() {
    static bool chosen = false;
    return chosen;
}

std::unique_ptr<PrintService>& ServiceSlot() {
    static std::unique_ptr<PrintService> service;
    return service;
}

// The quarter inch a printer keeps; the page's layout is made for what it leaves.
constexpr double DefaultMarginMm = 6.35;

// A PDF cut short (a full disk) lacks its closing marker.
bool PdfComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

// Where page drafts are made, and what a message names when one cannot be: the temporary folder.
QString DraftFolder() {
    return QDir::temp().absolutePath();
}

Surface*& PageOverride() {
    static Surface* page = nullptr;
    return page;
}

}  // namespace

QStringList SystemPrintService::Printers() {
    const QString platform = QGuiApplication::platformName();
    // Headless runs must never reach a real print queue.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return {};
    QStringList names = QPrinterInfo::availablePrinterNames();
    const QString preferred = QPrinterInfo::defaultPrinterName();
    if (names.removeOne(preferred)) names.prepend(preferred);
    return names;
}

// The job id is the service's own answer: 0 when it refused the job. A name may be
// "queue/instance"; the queue takes the job with the instance's and the user's options.
bool SystemPrintService::Submit(const QString& printer, const QString& pdfPath, const QString& title) {
    const QByteArray queue = printer.section('/', 0, 0).toLocal8Bit(),
                     instance = printer.section('/', 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) return false;
    const int job = cupsPrintFile(dest->name, QFile::encodeName(pdfPath).constData(),
                                  title.toUtf8().constData(), dest->num_options, dest->options);
    cupsFreeDests(1, dest);
    return job > 0;
}

bool ScriptedPrintService::Submit(const QString& printer, const QString& pdfPath, const QString& title) {
    if (!accepting || !printers.contains(printer)) return false;
    QFile file(pdfPath);
    jobs.push_back({printer, title, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
    return true;
}

PrintService& PrintServiceInUse() {
    static SystemPrintService system;
    if (PrintService* service = ServiceSlot().get()) return *service;
    return system;
}

void SetPrintService(std::unique_ptr<PrintService> service) {
    ServiceSlot() = std::move(service);
}

void ChoosePrinter(const QString& name) {
    ChosenPrinter() = name;
    PdfChosen() = false;
}

void ChoosePdfFile() {
    PdfChosen() = true;
}

// Asked anew for every document, so a printer that appears later is used at once.
QString Destination() {
    if (PdfChosen()) return {};
    const QStringList printers = PrintServiceInUse().Printers();
    if (printers.contains(ChosenPrinter())) return ChosenPrinter();
    return printers.isEmpty() ? QString() : printers.front();
}

QPrinter& Printer() {
    // Never destroyed: it must outlive every window, and QApplication with it.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        // A PDF page has no unprintable edge; keep the quarter inch a printer would.
        p->setPageMargins(QMarginsF(DefaultMarginMm, DefaultMarginMm, DefaultMarginMm, DefaultMarginMm),
                          QPageLayout::Millimeter);
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

PrinterSurface::PrinterSurface() : printer_(Printer()) {}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

// Wider margins than the default leave less room than the layout's twips need: the whole
// page is drawn smaller then, so nothing runs off the paper. 1 at the default margins.
double PrinterSurface::LayoutScale() const {
    const QPageLayout chosen = printer_.pageLayout();
    const QPageLayout standard(chosen.pageSize(), chosen.orientation(),
                               QMarginsF(DefaultMarginMm, DefaultMarginMm, DefaultMarginMm, DefaultMarginMm),
                               QPageLayout::Millimeter);
    const QRectF room = chosen.paintRect(QPageLayout::Inch), needed = standard.paintRect(QPageLayout::Inch);
    if (room.isEmpty() || needed.isEmpty()) return 1.0;
    return std::min({1.0, room.width() / needed.width(), room.height() / needed.height()});
}

float PrinterSurface::Width() const {
    return static_cast<float>(printer_.pageRect(QPrinter::Inch).width() * TwipsPerInch / LayoutScale());
}

float PrinterSurface::Height() const {
    return static_cast<float>(printer_.pageRect(QPrinter::Inch).height() * TwipsPerInch / LayoutScale());
}

void PrinterSurface::Cls() {
    CurrentX = 0;
    CurrentY = 0;
}

QString PrinterSurface::OutputName() const {
    return destination_.isEmpty() ? PdfOutputPath() : destination_;
}

// Only a complete page leaves the draft: to the printer, or over the PDF file through
// the one save routine, so a failure keeps the last good file as it was. Empty when
// the page went on, else where it stopped, for the message: a draft cut short (its
// folder filled up) is the temporary folder's fault, not the printer's or the file's.
QString PrinterSurface::Deliver() {
    const QString draft = draft_->fileName();
    if (!PdfComplete(draft)) return DraftFolder();
    if (!destination_.isEmpty())
        return PrintServiceInUse().Submit(destination_, draft, JobTitle) ? QString() : destination_;
    const std::optional<std::string> bytes = ReadWholeFile(FromQ(draft), MaxPdfBytes);
    if (!bytes) return DraftFolder();
    return ReplaceFile(FromQ(PdfOutputPath()), *bytes) ? QString() : PdfOutputPath();
}

void PrinterSurface::EndDoc() {
    failed_ = false;
    if (!painter_.isActive()) return;
    const QString stopped = painter_.end() ? Deliver() : DraftFolder();
    ForgetPainterState();
    job_.reset();
    draft_.reset();
    if (stopped.isEmpty()) return;
    Global::ShowMessage("Printing could not be finished (" + FromQ(stopped) + ").");
}

QPainter* PrinterSurface::ActivePainter() {
    if (painter_.isActive()) return &painter_;
    if (failed_) return nullptr;
    destination_ = Destination();
    draft_ = std::make_unique<QTemporaryFile>(DraftFolder() + QStringLiteral("/Zolvane-XXXXXX.pdf"));
    // The page's size and resolution may have changed in Print Setup.
    ForgetFont();
    const bool opened = draft_->open();
    if (opened) {
        draft_->close();
        // A printer of its own for each page: Qt's PDF engine writes nothing more once a
        // write has failed (a full disk), and the settings object stays untouched.
        job_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        job_->setOutputFormat(QPrinter::PdfFormat);
        job_->setResolution(printer_.resolution());
        job_->setPageLayout(printer_.pageLayout());
        job_->setOutputFileName(draft_->fileName());
        job_->setDocName(JobTitle);
    }
    if (!opened || !painter_.begin(job_.get())) {
        failed_ = true;
        job_.reset();
        draft_.reset();
        // A draft that cannot be made is the temporary folder's fault, not the printer's.
        Global::ShowMessage("Printing could not be started (" + FromQ(opened ? OutputName() : DraftFolder()) +
                            ").");
        return nullptr;
    }
    ForgetPainterState();
    const double scale = LayoutScale();
    painter_.scale(scale, scale);
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
    static PrinterSurface* page = new PrinterSurface();
    return *page;
}

void SetPrinterPage(Surface* page) {
    PageOverride() = page;
}

}  // namespace Platform
