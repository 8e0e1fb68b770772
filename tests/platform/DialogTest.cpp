#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>

#include "CommonDialog.h"
#include "PrinterSurface.h"

TEST(ToQtFilter, ConvertsDescriptionPatternPairs) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"(*.zlv)|*.zlv", "(*.zlv)"}, {"Charts|*.zlv|All files|*.*", "Charts (*.zlv);;All files (*.*)"},
        {"Tables|*.txt;*.csv", "Tables (*.txt *.csv)"}, {"no pattern", ""}, {"Charts|*.zlv|dangling", "Charts (*.zlv)"}};  // clang-format on
    for (auto [filter, qt] : cases) EXPECT_EQ(Platform::ToQtFilter(filter), qt) << filter;
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
            EXPECT_GE(box->findChild<QComboBox*>("cboPrinter")->findText("PDF file"), 0);
            box->findChild<QComboBox*>("cboOrientation")->setCurrentIndex(1);
            box->findChild<QComboBox*>("cboPaper")->setCurrentText("Legal");
            box->findChild<QDoubleSpinBox*>("txtMarginTop")->setValue(20);
            box->findChild<QLineEdit*>("txtPdfFile")->setText("/tmp/elsewhere.pdf");
            QMetaObject::invokeMethod(box, ok ? "accept" : "reject");
        });
    };
    Platform::CommonDialog dialog;
    dialog.CancelError = true, dialog.Flags = Platform::PrinterFlagSetupOnly;
    answer(false);
    EXPECT_FALSE(dialog.ShowPrinter());
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before) && Platform::PdfOutputPath() == oldPdf);
    answer(true);
    EXPECT_TRUE(dialog.ShowPrinter());
    const QPageLayout after = printer.pageLayout();
    EXPECT_TRUE(after.orientation() == QPageLayout::Landscape && after.pageSize().id() == QPageSize::Legal);
    EXPECT_NEAR(after.margins(QPageLayout::Millimeter).top(), 20, 0.1);
    EXPECT_EQ(after.margins(QPageLayout::Millimeter).left(), 6.35) << "a margin left alone stays as it was";
    EXPECT_EQ(Platform::PdfOutputPath(), "/tmp/elsewhere.pdf");
    printer.setPageLayout(before), Platform::SetPdfOutputPath(oldPdf);
}
