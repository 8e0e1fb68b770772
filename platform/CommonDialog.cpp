#include "CommonDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Controls.h"
#include "Message.h"
#include "PrinterSurface.h"

namespace Platform {

bool CommonDialog::ShowOpen() {
    std::optional<std::string> path = Dialogs().ChooseOpenFile(*this);
    if (!path) return false;
    FileName = *path;
    return true;
}

bool CommonDialog::ShowSave() {
    std::optional<std::string> path = Dialogs().ChooseSaveFile(*this);
    if (!path) return false;
    FileName = *path;
    return true;
}

bool CommonDialog::ShowColor() {
    std::optional<int32_t> color = Dialogs().ChooseColor(*this);
    if (!color) return false;
    Color = *color;
    return true;
}

bool CommonDialog::ShowPrinter() {
    return Dialogs().SetUpPrinter(*this);
}

bool CommonDialog::ShowHelp() {
    return Dialogs().Help(*this);
}

namespace {

std::unique_ptr<DialogBackend>& BackendSlot() {
    static std::unique_ptr<DialogBackend> backend;
    return backend;
}

}  // namespace

DialogBackend& Dialogs() {
    std::unique_ptr<DialogBackend>& backend = BackendSlot();
    if (!backend) backend = std::make_unique<QtDialogBackend>();
    return *backend;
}

void SetDialogBackend(std::unique_ptr<DialogBackend> backend) {
    BackendSlot() = std::move(backend);
}

std::string ToQtFilter(const std::string& filter) {
    const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (patterns.isEmpty()) continue;
        const QString list = patterns.join(QLatin1Char(' ')).simplified();
        const QString suffix = QStringLiteral("(%1)").arg(list);
        // Qt reads the patterns from the last parentheses; a description that already
        // ends with them is shown as it is.
        if (description.endsWith(suffix))
            entries << description;
        else if (description.isEmpty())
            entries << suffix;
        else
            entries << description + QLatin1Char(' ') + suffix;
    }
    return FromQ(entries.join(QStringLiteral(";;")));
}

// The Qt dialogs

std::optional<std::string> QtDialogBackend::ChooseOpenFile(const CommonDialog& dialog) {
    const QString path = QFileDialog::getOpenFileName(dialog.Parent, QStringLiteral("Open"),
                                                      ToQ(dialog.FileName), ToQ(ToQtFilter(dialog.Filter)));
    if (path.isEmpty()) return std::nullopt;
    return FromQ(path);
}

std::optional<std::string> QtDialogBackend::ChooseSaveFile(const CommonDialog& dialog) {
    // The program replaces an existing chart without asking.
    const QString path = QFileDialog::getSaveFileName(dialog.Parent, QStringLiteral("Save As"),
                                                      ToQ(dialog.FileName), ToQ(ToQtFilter(dialog.Filter)),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return FromQ(path);
}

std::optional<int32_t> QtDialogBackend::ChooseColor(const CommonDialog& dialog) {
    const QColor start =
        (dialog.Flags & ColorFlagStartFromColor) ? ToQColor(dialog.Color) : QColor(Qt::black);
    const QColor chosen = QColorDialog::getColor(start, dialog.Parent, QStringLiteral("Color"));
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

namespace {

constexpr const char* PdfEntry = "PDF file";

QComboBox* AddPaperSizes(QWidget* parent, QPageSize::PageSizeId current) {
    auto* paper = new QComboBox(parent);
    paper->setObjectName(QStringLiteral("cboPaper"));
    for (QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::A4, QPageSize::A3,
                                     QPageSize::A5, QPageSize::Executive, QPageSize::Tabloid})
        paper->addItem(QPageSize::name(id), static_cast<int>(id));
    if (paper->findData(static_cast<int>(current)) < 0)
        paper->addItem(QPageSize::name(current), static_cast<int>(current));
    paper->setCurrentIndex(paper->findData(static_cast<int>(current)));
    return paper;
}

QDoubleSpinBox* AddMargin(QWidget* parent, const char* name, double millimetres) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 50);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(millimetres);
    return box;
}

}  // namespace

// Nothing reaches the printer before OK, so Cancel leaves every setting as it was.
bool QtDialogBackend::SetUpPrinter(const CommonDialog& dialog) {
    QPrinter& printer = Printer();
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);

    QDialog box(dialog.Parent);
    box.setObjectName(QStringLiteral("PrintSetup"));
    box.setWindowTitle(QStringLiteral("Print Setup"));
    auto* form = new QFormLayout(&box);

    auto* printers = new QComboBox(&box);
    printers->setObjectName(QStringLiteral("cboPrinter"));
    if (!PdfOnly()) printers->addItems(QPrinterInfo::availablePrinterNames());
    printers->addItem(QLatin1String(PdfEntry));
    printers->setCurrentText(printer.outputFormat() == QPrinter::PdfFormat ? QLatin1String(PdfEntry)
                                                                           : printer.printerName());
    form->addRow(QStringLiteral("Printer:"), printers);
    auto* file = new QLineEdit(PdfOutputPath(), &box);
    file->setObjectName(QStringLiteral("txtPdfFile"));
    form->addRow(QStringLiteral("File name:"), file);
    const auto enableFile = [printers, file] { file->setEnabled(printers->currentText() == PdfEntry); };
    enableFile();
    QObject::connect(printers, &QComboBox::currentTextChanged, &box, enableFile);

    QComboBox* paper = AddPaperSizes(&box, layout.pageSize().id());
    form->addRow(QStringLiteral("Paper:"), paper);
    auto* orientation = new QComboBox(&box);
    orientation->setObjectName(QStringLiteral("cboOrientation"));
    orientation->addItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
    orientation->setCurrentIndex(layout.orientation() == QPageLayout::Landscape ? 1 : 0);
    form->addRow(QStringLiteral("Orientation:"), orientation);
    QDoubleSpinBox* left = AddMargin(&box, "txtMarginLeft", margins.left());
    QDoubleSpinBox* top = AddMargin(&box, "txtMarginTop", margins.top());
    QDoubleSpinBox* right = AddMargin(&box, "txtMarginRight", margins.right());
    QDoubleSpinBox* bottom = AddMargin(&box, "txtMarginBottom", margins.bottom());
    form->addRow(QStringLiteral("Left margin:"), left);
    form->addRow(QStringLiteral("Top margin:"), top);
    form->addRow(QStringLiteral("Right margin:"), right);
    form->addRow(QStringLiteral("Bottom margin:"), bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    form->addRow(buttons);
    if (box.exec() != QDialog::Accepted) return false;

    if (printers->currentText() == PdfEntry) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = file->text().trimmed();
        if (!path.isEmpty()) SetPdfOutputPath(QFileInfo(path).absoluteFilePath());
        printer.setOutputFileName(PdfOutputPath());
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(printers->currentText());
    }
    const auto id = static_cast<QPageSize::PageSizeId>(paper->currentData().toInt());
    printer.setPageLayout(QPageLayout(
        QPageSize(id), orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(left->value(), top->value(), right->value(), bottom->value()), QPageLayout::Millimeter));
    return true;
}

namespace {

class HelpViewer : public QWidget {
public:
    HelpViewer() {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("Zolvane Help"));
        resize(640, 520);
        auto* layout = new QVBoxLayout(this);
        search_ = new QLineEdit(this);
        search_->setPlaceholderText(QStringLiteral("Search"));
        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(true);
        layout->addWidget(search_);
        layout->addWidget(browser_);
        connect(search_, &QLineEdit::returnPressed, this, [this] { Find(search_->text()); });
    }

    void Load(const QString& path) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("md")) {
            browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
        } else if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
            browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) return;
            const QString text = QString::fromUtf8(file.readAll());
            if (Qt::mightBeRichText(text))
                browser_->setHtml(text);
            else
                browser_->setPlainText(text);
        }
    }

    void FocusSearch() {
        search_->setFocus();
        search_->selectAll();
    }

private:
    void Find(const QString& text) {
        if (text.isEmpty()) return;
        if (browser_->find(text)) return;
        // Wrap round once from the top.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(text);
    }

    QLineEdit* search_;
    QTextBrowser* browser_;
};

QPointer<HelpViewer>& OpenViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// The help file is named without a folder; it may also have been converted to a
// form the viewer reads, under the same base name.
QString FindHelpFile(const std::string& name) {
    const QFileInfo given(ToQ(name));
    QStringList names{given.fileName()};
    for (const char* suffix : {".html", ".htm", ".md", ".txt"})
        names << given.completeBaseName() + QLatin1String(suffix);

    QStringList folders;
    if (given.isAbsolute() || name.find('/') != std::string::npos) folders << given.absolutePath();
    const QString appDir = QCoreApplication::applicationDirPath();
    folders << QDir::currentPath() << QDir::current().filePath(QStringLiteral("help")) << appDir
            << appDir + QStringLiteral("/help") << appDir + QStringLiteral("/../help");
    for (const QString& folder : folders) {
        for (const QString& file : names) {
            const QFileInfo candidate(QDir(folder).filePath(file));
            if (candidate.isFile()) return candidate.absoluteFilePath();
        }
    }
    return {};
}

}  // namespace

bool QtDialogBackend::Help(const CommonDialog& dialog) {
    QPointer<HelpViewer>& viewer = OpenViewer();
    if (dialog.HelpCommand == HelpQuit) {
        if (viewer) viewer->close();
        return true;
    }
    if (dialog.HelpCommand != HelpContents && dialog.HelpCommand != HelpSearch) return false;
    const QString path = FindHelpFile(dialog.HelpFile);
    if (path.isEmpty()) {
        Global::ShowMessage("Cannot find the help file " + dialog.HelpFile + ".");
        return false;
    }
    if (!viewer) viewer = new HelpViewer;
    viewer->Load(path);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    if (dialog.HelpCommand == HelpSearch) viewer->FocusSearch();
    return true;
}

// The scripted dialogs

ScriptedDialogBackend::Answer ScriptedDialogBackend::Next(DialogKind kind, const CommonDialog& dialog) {
    requests.push_back({kind, dialog.FileName, dialog.Filter, dialog.Flags, dialog.Color, dialog.CancelError,
                        dialog.HelpCommand, dialog.HelpFile});
    if (answers.empty()) return Cancel{};
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogBackend::ChooseOpenFile(const CommonDialog& dialog) {
    Answer answer = Next(DialogKind::Open, dialog);
    if (auto* path = std::get_if<std::string>(&answer)) return *path;
    return std::nullopt;
}

std::optional<std::string> ScriptedDialogBackend::ChooseSaveFile(const CommonDialog& dialog) {
    Answer answer = Next(DialogKind::Save, dialog);
    if (auto* path = std::get_if<std::string>(&answer)) return *path;
    return std::nullopt;
}

std::optional<int32_t> ScriptedDialogBackend::ChooseColor(const CommonDialog& dialog) {
    Answer answer = Next(DialogKind::Color, dialog);
    if (auto* color = std::get_if<int32_t>(&answer)) return *color;
    if (std::holds_alternative<Accept>(answer)) return dialog.Color;
    return std::nullopt;
}

bool ScriptedDialogBackend::SetUpPrinter(const CommonDialog& dialog) {
    return std::holds_alternative<Accept>(Next(DialogKind::Printer, dialog));
}

bool ScriptedDialogBackend::Help(const CommonDialog& dialog) {
    // The viewer answers at once, so help takes no answer from the queue.
    requests.push_back({DialogKind::Help, dialog.FileName, dialog.Filter, dialog.Flags, dialog.Color,
                        dialog.CancelError, dialog.HelpCommand, dialog.HelpFile});
    if (dialog.HelpCommand == HelpQuit) {
        helpOpen = false;
        return true;
    }
    if (dialog.HelpCommand != HelpContents && dialog.HelpCommand != HelpSearch) return false;
    helpOpen = true;
    return true;
}

}  // namespace Platform
