#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include "CommonDialog.h"
#include "PrinterSurface.h"

using Platform::CommonDialog;
using Platform::DialogKind;
using Platform::ScriptedDialogBackend;

namespace {

class ScriptedDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<ScriptedDialogBackend>();
        script = owned.get();
        Platform::SetDialogBackend(std::move(owned));
    }
    void TearDown() override { Platform::SetDialogBackend(nullptr); }

    ScriptedDialogBackend* script = nullptr;
};

}  // namespace

TEST(ToQtFilter, ConvertsDescriptionPatternPairs) {
    EXPECT_EQ(Platform::ToQtFilter("(*.zlv)|*.zlv"), "(*.zlv)");
    EXPECT_EQ(Platform::ToQtFilter("Charts|*.zlv|All files|*.*"), "Charts (*.zlv);;All files (*.*)");
    EXPECT_EQ(Platform::ToQtFilter("Tables|*.txt;*.csv"), "Tables (*.txt *.csv)");
    EXPECT_EQ(Platform::ToQtFilter(""), "");
    EXPECT_EQ(Platform::ToQtFilter("no pattern"), "");
    EXPECT_EQ(Platform::ToQtFilter("Charts|*.zlv|dangling"), "Charts (*.zlv)");
}

TEST_F(ScriptedDialogs, FileDialogsReturnThePathOrCancel) {
    CommonDialog dialog;
    dialog.Filter = "(*.zlv)|*.zlv";
    dialog.FileName = "old.zlv";

    script->AnswerPath("/charts/office.zlv");
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, "/charts/office.zlv");

    script->AnswerCancel();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, "/charts/office.zlv") << "cancel leaves FileName alone";

    ASSERT_EQ(script->requests.size(), 2u);
    EXPECT_EQ(script->requests[0].kind, DialogKind::Open);
    EXPECT_EQ(script->requests[0].filter, "(*.zlv)|*.zlv");
    EXPECT_EQ(script->requests[0].fileName, "old.zlv");
    EXPECT_EQ(script->requests[1].kind, DialogKind::Save);
    EXPECT_TRUE(script->answers.empty());
}

TEST_F(ScriptedDialogs, ColourDialogStartsFromColorAndCancelKeepsIt) {
    CommonDialog dialog;
    dialog.CancelError = true;
    dialog.Color = 255;
    dialog.Flags = Platform::ColorFlagStartFromColor;

    script->AnswerColor(16711680);
    EXPECT_TRUE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 16711680);

    script->AnswerCancel();
    EXPECT_FALSE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 16711680);

    EXPECT_FALSE(dialog.ShowColor()) << "nothing queued: cancel";

    ASSERT_EQ(script->requests.size(), 3u);
    EXPECT_EQ(script->requests[0].kind, DialogKind::Color);
    EXPECT_EQ(script->requests[0].color, 255);
    EXPECT_EQ(script->requests[0].flags, 1);
    EXPECT_TRUE(script->requests[0].cancelError);
    EXPECT_EQ(script->requests[1].color, 16711680);
}

TEST_F(ScriptedDialogs, PrinterSetupAndHelpCommands) {
    CommonDialog dialog;
    dialog.Flags = Platform::PrinterFlagSetupOnly;
    script->AnswerAccept();
    script->AnswerCancel();
    EXPECT_TRUE(dialog.ShowPrinter());
    EXPECT_FALSE(dialog.ShowPrinter());
    EXPECT_EQ(script->requests.back().kind, DialogKind::Printer);
    EXPECT_EQ(script->requests.back().flags, 64);

    dialog.HelpFile = "Zolvane.hlp";
    script->AnswerColor(0);  // help answers at once and must leave this queued
    dialog.HelpCommand = Platform::HelpContents;
    EXPECT_TRUE(dialog.ShowHelp());
    EXPECT_TRUE(script->helpOpen);
    dialog.HelpCommand = Platform::HelpQuit;
    EXPECT_TRUE(dialog.ShowHelp());
    EXPECT_FALSE(script->helpOpen);
    dialog.HelpCommand = Platform::HelpSearch;
    EXPECT_TRUE(dialog.ShowHelp());
    EXPECT_TRUE(script->helpOpen);
    EXPECT_EQ(script->answers.size(), 1u);
    EXPECT_EQ(script->requests.back().helpCommand, 261);
    EXPECT_EQ(script->requests.back().helpFile, "Zolvane.hlp");
}

TEST(QtDialogs, BackendGoesBackToQtAfterTests) {
    Platform::SetDialogBackend(std::make_unique<ScriptedDialogBackend>());
    EXPECT_NE(dynamic_cast<ScriptedDialogBackend*>(&Platform::Dialogs()), nullptr);
    Platform::SetDialogBackend(nullptr);
    EXPECT_NE(dynamic_cast<Platform::QtDialogBackend*>(&Platform::Dialogs()), nullptr);
}

// The real Print Setup dialog, answered by a user's edits queued before it opens.
TEST(QtDialogs, PrintSetupAppliesOnOkAndCancelChangesNothing) {
    QPrinter& printer = Platform::Printer();
    const QString oldPdf = Platform::PdfOutputPath();
    const QPageLayout before = printer.pageLayout();
    const auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            auto* printers = box->findChild<QComboBox*>("cboPrinter");
            EXPECT_EQ(printers->itemText(printers->count() - 1), "PDF file")
                << "offscreen: the PDF entry only";
            box->findChild<QComboBox*>("cboOrientation")->setCurrentIndex(1);
            box->findChild<QComboBox*>("cboPaper")->setCurrentText("Legal");
            box->findChild<QDoubleSpinBox*>("txtMarginTop")->setValue(20);
            box->findChild<QLineEdit*>("txtPdfFile")->setText("/tmp/elsewhere.pdf");
            QMetaObject::invokeMethod(box, ok ? "accept" : "reject");
        });
    };
    CommonDialog dialog;
    dialog.CancelError = true;
    dialog.Flags = Platform::PrinterFlagSetupOnly;

    answer(false);
    EXPECT_FALSE(dialog.ShowPrinter());
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before));
    EXPECT_EQ(Platform::PdfOutputPath(), oldPdf);

    answer(true);
    EXPECT_TRUE(dialog.ShowPrinter());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Legal);
    EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Millimeter).top(), 20, 0.1);
    EXPECT_EQ(Platform::PdfOutputPath(), "/tmp/elsewhere.pdf");

    printer.setPageLayout(before);
    Platform::SetPdfOutputPath(oldPdf);
}
