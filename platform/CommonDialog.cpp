#include "CommonDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>

#include "Controls.h"
#include "HelpViewer.h"
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

bool CommonDialog::ShowReplace(const std::string& path) {
    return Dialogs().ConfirmReplace(*this, path);
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
    // The caller asks before replacing a file, once it knows the name it will really write.
    const QString path = QFileDialog::getSaveFileName(dialog.Parent, QStringLiteral("Save As"),
                                                      ToQ(dialog.FileName), ToQ(ToQtFilter(dialog.Filter)),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return FromQ(path);
}

namespace {

std::string ReplaceQuestion(const std::string& path) {
    return FromQ(QFileInfo(ToQ(path)).fileName()) + " already exists. Do you want to replace it?";
}

bool AskYesNo(const std::string& question, const char* title, QWidget* parent) {
    return QMessageBox::question(parent, QLatin1String(title), ToQ(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

bool QtDialogBackend::ConfirmReplace(const CommonDialog& dialog, const std::string& path) {
    return AskYesNo(ReplaceQuestion(path), "Confirm Save As", dialog.Parent);
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

// A printer by its name, or the PDF file at `path` (the current one when blank).
void ApplyPrinterChoice(const std::string& entry, const QString& path) {
    if (entry != PdfEntry) return ChoosePrinter(ToQ(entry));
    if (!path.trimmed().isEmpty()) SetPdfOutputPath(QFileInfo(path.trimmed()).absoluteFilePath());
    ChoosePdfFile();
}

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
    box->setDecimals(2);  // a quarter inch is 6.35 mm
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
    printers->addItems(PrintServiceInUse().Printers());
    printers->addItem(QLatin1String(PdfEntry));
    const QString destination = Destination();
    printers->setCurrentText(destination.isEmpty() ? QLatin1String(PdfEntry) : destination);
    form->addRow(QStringLiteral("Printer:"), printers);
    auto* file = new QLineEdit(PdfOutputPath(), &box);
    file->setMinimumWidth(360);
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

    ApplyPrinterChoice(FromQ(printers->currentText()), file->text());
    const auto id = static_cast<QPageSize::PageSizeId>(paper->currentData().toInt());
    printer.setPageLayout(QPageLayout(
        QPageSize(id), orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(left->value(), top->value(), right->value(), bottom->value()), QPageLayout::Millimeter));
    return true;
}

namespace {

// "Zolvane.hlp", named without a folder, stands for the manual compiled into the program.
bool IsManual(const std::string& helpFile) {
    return QFileInfo(ToQ(helpFile)).fileName().compare(QStringLiteral("Zolvane.hlp"), Qt::CaseInsensitive) ==
           0;
}

}  // namespace

bool QtDialogBackend::Help(const CommonDialog& dialog) {
    HelpViewer* viewer = HelpViewer::Current();
    if (dialog.HelpCommand == HelpQuit) {
        if (viewer) viewer->close();
        return true;
    }
    if (dialog.HelpCommand != HelpContents && dialog.HelpCommand != HelpSearch) return false;
    if (!IsManual(dialog.HelpFile)) {
        Global::ShowMessage("Cannot find the help file " + dialog.HelpFile + ".");
        return false;
    }
    if (!viewer) viewer = new HelpViewer;
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    // After show, so that the filter box keeps its focus.
    if (dialog.HelpCommand == HelpContents)
        viewer->ShowContents();
    else
        viewer->ShowIndex();
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

bool ScriptedDialogBackend::ConfirmReplace(const CommonDialog& dialog, const std::string& path) {
    CommonDialog asked = dialog;
    asked.FileName = path;
    return std::holds_alternative<Accept>(Next(DialogKind::Replace, asked));
}

std::optional<int32_t> ScriptedDialogBackend::ChooseColor(const CommonDialog& dialog) {
    Answer answer = Next(DialogKind::Color, dialog);
    if (auto* color = std::get_if<int32_t>(&answer)) return *color;
    if (std::holds_alternative<Accept>(answer)) return dialog.Color;
    return std::nullopt;
}

// A text answer is the entry picked in the printer list.
bool ScriptedDialogBackend::SetUpPrinter(const CommonDialog& dialog) {
    const Answer answer = Next(DialogKind::Printer, dialog);
    if (const auto* entry = std::get_if<std::string>(&answer)) ApplyPrinterChoice(*entry, {});
    return !std::holds_alternative<Cancel>(answer);
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
