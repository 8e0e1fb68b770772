#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "CommonDialog.h"
#include "Message.h"
#include "PrinterSurface.h"
#include "QtPrint.h"
#include "Screen.h"

TEST(MousePointer, OneOverrideAtMostAndZeroRemovesIt) {
    auto shape = [] {
        return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1;
    };
    EXPECT_TRUE(Platform::MousePointer() == 0 && shape() == -1);
    Platform::SetMousePointer(Platform::PointerHourglass);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    for (int16_t pointer :
         {Platform::PointerCrosshair, Platform::PointerCrosshair, int16_t(99)})  // 99: unknown
        Platform::SetMousePointer(pointer);
    EXPECT_TRUE(Platform::MousePointer() == 2 && shape() == Qt::CrossCursor);
    // One restore must clear it: three settings left a single override behind.
    Platform::SetMousePointer(Platform::PointerDefault);
    EXPECT_TRUE(Platform::MousePointer() == 0 && shape() == -1);
}

// Rows on a 1024 x 600 screen and on one whose free area leaves a panel at the top.
TEST(PlaceInside, NoLargerThanTheAreaAndWhollyInsideIt) {
    const QRect small(0, 0, 1024, 600), panel(0, 32, 1600, 968);
    const std::tuple<QRect, QRect, QRect> rows[] = {
        {small, {-101, -71, 1800, 1140}, {0, 0, 1024, 600}},  // 1200 x 760 at 150 %, centred
        {small, {200, 120, 400, 300}, {200, 120, 400, 300}},  // fits: left where it is
        {small, {900, 500, 400, 300}, {624, 300, 400, 300}},  // pushed back from the right and foot
        {small, {-50, 10, 1100, 200}, {0, 10, 1024, 200}},    // only too wide
        {panel, {200, 0, 1200, 760}, {200, 32, 1200, 760}},   // not under the panel
        {panel, {-10, 900, 300, 100}, {0, 900, 300, 100}},    // last row of the area used
    };
    for (const auto& [area, frame, expected] : rows)
        EXPECT_EQ(Platform::PlaceInside(area, frame), expected) << frame.x() << "," << frame.width();
}

TEST(CenterForm, PutsTheWindowInTheMiddleOfTheFreeAreaShrinkingOneTooLarge) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window, wide;
    window.resize(400, 300), Platform::CenterForm(window);
    EXPECT_EQ(window.geometry(),
              QRect(area.x() + area.width() / 2 - 200, area.y() + area.height() / 2 - 150, 400, 300));
    wide.setMinimumSize(area.width() + 200, 300), wide.resize(wide.minimumSize());
    Platform::CenterForm(wide);
    EXPECT_EQ(wide.geometry(), QRect(area.x(), area.y() + area.height() / 2 - 150, area.width(), 300));
}

TEST(MessageSink, MessageBoxIsModalWithOkAndTheGivenIconAndTitle) {
    QStringList seen;
    auto answerNextBox = [&] {  // runs inside the box's own event loop and closes it as a user would
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen << QString("%1|%2|%3|%4|%5")
                        .arg(box->text(), box->windowTitle())
                        .arg(box->icon())
                        .arg(box->standardButtons() == QMessageBox::Ok)
                        .arg(box->isModal());
            box->button(QMessageBox::Ok)->click();
        });
    };
    Platform::InstallMessageBoxSink(), answerNextBox(), Global::ShowMessage("No Data to Select");
    answerNextBox(), Global::ShowMessage("Done", Global::MsgIcon::None, "Viduvaduderoru");
    Global::SetMessageSink({});
    EXPECT_EQ(seen, QStringList({QString("No Data to Select|Zolvane|%1|1|1").arg(QMessageBox::Critical),
                                 QString("Done|Viduvaduderoru|%1|1|1").arg(QMessageBox::NoIcon)}));
}

TEST(ToQtFilter, ConvertsDescriptionPatternPairs) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"(*.zlv)|*.zlv", "(*.zlv)"}, {"Charts|*.zlv|All files|*.*", "Charts (*.zlv);;All files (*.*)"},
        {"Tables|*.txt;*.csv", "Tables (*.txt *.csv)"}, {"no pattern", ""}, {"Charts|*.zlv|dangling", "Charts (*.zlv)"}};  // clang-format on
    for (auto [filter, qt] : cases) EXPECT_EQ(Platform::ToQtFilter(filter), qt) << filter;
}

// The real question before a Save replaces a file: No unless the user says Yes.
TEST(QtDialogs, ReplaceQuestionNamesTheFileAndOnlyYesReplaces) {
    Platform::CommonDialog dialog;
    for (auto [button, replaces] :
         {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}, {QMessageBox::Default, false}}) {
        QString asked;
        QTimer::singleShot(0, [&asked, button = button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            asked = box->text();  // Default: Enter alone
            button == QMessageBox::Default ? QTest::keyClick(box, Qt::Key_Return)
                                           : box->button(button)->click();
        });
        EXPECT_EQ(dialog.ShowReplace("/tmp/charts/victim.zlv"), replaces) << button;
        EXPECT_EQ(asked, "victim.zlv already exists. Do you want to replace it?");
    }
}

// The real Print Setup dialog, answered by a user's edits queued before it opens.
TEST(QtDialogs, PrintSetupAppliesOnOkAndCancelChangesNothing) {
    QPrinter& printer = Platform::Printer();
    const QString oldPdf = Platform::PdfOutputPath();
    const QPageLayout before = printer.pageLayout();
    const auto answer = [](bool ok, const QString& pdf = "/tmp/elsewhere.pdf") {
        QTimer::singleShot(0, [ok, pdf] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_GE(box->findChild<QComboBox*>("cboPrinter")->findText("PDF file"), 0);
            box->findChild<QComboBox*>("cboOrientation")->setCurrentIndex(1);
            box->findChild<QComboBox*>("cboPaper")->setCurrentText("Legal");
            box->findChild<QDoubleSpinBox*>("txtMarginTop")->setValue(20);
            box->findChild<QLineEdit*>("txtPdfFile")->setText(pdf);
            QMetaObject::invokeMethod(box, ok ? "accept" : "reject");
        });
    };
    Platform::CommonDialog dialog;
    dialog.CancelError = true, dialog.Flags = Platform::PrinterFlagSetupOnly, answer(false);
    EXPECT_EQ((std::tuple{dialog.ShowPrinter(), printer.pageLayout().isEquivalentTo(before),
                          Platform::PdfOutputPath()}),
              std::tuple(false, true, oldPdf));
    answer(true);
    EXPECT_TRUE(dialog.ShowPrinter());
    const QPageLayout after = printer.pageLayout();
    EXPECT_EQ(std::tuple(after.orientation(), after.pageSize().id(), Platform::PdfOutputPath()),
              std::tuple(QPageLayout::Landscape, QPageSize::Legal, QString("/tmp/elsewhere.pdf")));
    EXPECT_NEAR(after.margins(QPageLayout::Millimeter).top(), 20, 0.1);
    EXPECT_EQ(after.margins(QPageLayout::Millimeter).left(), 6.35) << "a margin left alone stays as it was";
    // A name typed without a folder is the current folder's when chosen: a later change of folder
    // does not move the PDF.
    const QString here = QDir::currentPath();
    answer(true, " pages.pdf ");
    EXPECT_TRUE(dialog.ShowPrinter());
    QDir::setCurrent(QDir::rootPath());
    EXPECT_EQ(Platform::PdfOutputPath().toStdString(),
              QDir(here).absoluteFilePath("pages.pdf").toStdString());
    QDir::setCurrent(here), printer.setPageLayout(before), Platform::SetPdfOutputPath(oldPdf);
}
