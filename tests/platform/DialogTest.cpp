#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>

#include "CommonDialog.h"
#include "PrinterSurface.h"

using Platform::CommonDialog;
using Platform::DialogKind;

TEST(ToQtFilter, ConvertsDescriptionPatternPairs) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"(*.zlv)|*.zlv", "(*.zlv)"}, {"Charts|*.zlv|All files|*.*", "Charts (*.zlv);;All files (*.*)"},
        {"Tables|*.txt;*.csv", "Tables (*.txt *.csv)"}, {"", ""}, {"no pattern", ""},
        {"Charts|*.zlv|dangling", "Charts (*.zlv)"}};  // clang-format on
    for (auto [filter, qt] : cases) EXPECT_EQ(Platform::ToQtFilter(filter), qt) << filter;
}

// The windows' own tests answer dialogs by script throughout; here what a request carries.
TEST(ScriptedDialogs, AnswersInTurnAndHelpLeavesTheQueueAlone) {
    auto owned = std::make_unique<Platform::ScriptedDialogBackend>();
    Platform::ScriptedDialogBackend& script = *owned;
    Platform::SetDialogBackend(std::move(owned));
    CommonDialog dialog;
    dialog.Filter = "(*.zlv)|*.zlv";
    dialog.FileName = "old.zlv";
    script.AnswerPath("/charts/office.zlv");
    script.AnswerCancel();
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, "/charts/office.zlv") << "cancel leaves FileName alone";
    const auto& open = script.requests[0];
    EXPECT_TRUE(open.kind == DialogKind::Open && open.filter == dialog.Filter && open.fileName == "old.zlv");
    EXPECT_EQ(script.requests[1].kind, DialogKind::Save);

    dialog.CancelError = true;
    dialog.Color = 255;
    dialog.Flags = Platform::ColorFlagStartFromColor;
    script.AnswerColor(16711680);
    EXPECT_TRUE(dialog.ShowColor());
    EXPECT_FALSE(dialog.ShowColor()) << "nothing queued: cancel";
    EXPECT_EQ(dialog.Color, 16711680);
    const auto& color = script.requests[2];
    EXPECT_TRUE(color.kind == DialogKind::Color && color.color == 255 && color.flags == 1 &&
                color.cancelError);

    dialog.HelpFile = "Zolvane.hlp";
    script.AnswerColor(0);  // help answers at once and must leave this queued
    for (auto [command, open] : {std::pair{Platform::HelpContents, true},
                                 {Platform::HelpQuit, false},
                                 {Platform::HelpSearch, true}}) {
        dialog.HelpCommand = command;
        EXPECT_TRUE(dialog.ShowHelp() && script.helpOpen == open) << command;
    }
    EXPECT_TRUE(script.answers.size() == 1 && script.requests.back().helpFile == "Zolvane.hlp");
    Platform::SetDialogBackend(nullptr);
    EXPECT_NE(dynamic_cast<Platform::QtDialogBackend*>(&Platform::Dialogs()), nullptr) << "back to Qt";
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
            EXPECT_EQ(printers->itemText(printers->count() - 1), "PDF file");
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
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before) && Platform::PdfOutputPath() == oldPdf);
    answer(true);
    EXPECT_TRUE(dialog.ShowPrinter());
    const QPageLayout after = printer.pageLayout();
    EXPECT_TRUE(after.orientation() == QPageLayout::Landscape && after.pageSize().id() == QPageSize::Legal);
    EXPECT_NEAR(after.margins(QPageLayout::Millimeter).top(), 20, 0.1);
    EXPECT_EQ(Platform::PdfOutputPath(), "/tmp/elsewhere.pdf");
    printer.setPageLayout(before);
    Platform::SetPdfOutputPath(oldPdf);
}
