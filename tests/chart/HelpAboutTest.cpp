#include <QPushButton>
#include <QTimer>

#include "ChartWindowFixture.h"
#include "RecordingSurface.h"
#include "frmAbout.h"

namespace {

// Pixels of one colour in a picture box as shown.
int CountPixels(Platform::PictureBox* box, QRgb colour) {
    box->Refresh();
    const QImage& image = box->imageSurface().Image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

// Exit and closing the window both quit the help viewer.
TEST_F(ChartWindowTest, HelpMenuRunsContentsAndSearchAndExitQuits) {
    for (const char* item : {"mnuHelpContents", "mnuHelpSearch", "mnuFileExit"}) Trigger(item);
    Window().close();
    const int expected[] = {Platform::HelpContents, Platform::HelpSearch, Platform::HelpQuit,
                            Platform::HelpQuit};
    ASSERT_EQ(dialogs->requests.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(dialogs->requests[i].kind, Platform::DialogKind::Help);
        EXPECT_EQ(dialogs->requests[i].helpCommand, expected[i]);
        EXPECT_EQ(dialogs->requests[i].helpFile, "Zolvane.hlp");
    }
    EXPECT_FALSE(dialogs->helpOpen);
}

TEST(AboutPanels, TextsSizesStylesAndColoursAsDrawnTwice) {
    Platform::RecordingSurface page(6720, 2520);
    for (int paint = 1; paint <= 2; ++paint)  // drawn on every paint, over the same lines
        Chart::DrawTitlePanel(page, "Zolvane", "Dazureduzerer Uzirez", "Version 5.7");
    std::vector<Platform::RecordingSurface::Record> lines;
    for (const auto& r : page.records)
        if (r.op == Platform::RecordingSurface::Op::Print) lines.push_back(r);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0].text + "|" + lines[2].text, "Zolvane|Version 5.7");
    EXPECT_TRUE(lines[0].color == 255 && lines[0].fontBold && lines[0].fontItalic) << "red, bold italic";
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[i].fontSize, i <= 3 ? 15 : 10) << i;
        EXPECT_TRUE((i != 1 && i != 2) || (lines[i].color == 0x00FFFF && !lines[i].fontBold))
            << "yellow " << i;
        EXPECT_TRUE(i == 0 || lines[i].y1 > lines[i - 1].y1) << "one line under another";
        EXPECT_EQ(lines[i + 8].y1, lines[i].y1) << lines[i].text;
    }
}

TEST_F(ChartWindowTest, AboutIsModalShowsItsPanelsAndOkReturnsToTheChartUnchanged) {
    AddPoint({{"DryBulb", "75"}, {"RelHumid", "50"}});
    const QString dryBefore = Text("txtDryBulb");
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = Window().findChild<frmAbout*>();
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(QApplication::activeModalWidget(), about) << "the chart window waits for the box";
        EXPECT_EQ(about->windowTitle() + about->cmdAboutOK->text(), "AboutOK");
        // The panels as painted: yellow lines on Picture2, the cyan name on Picture1.
        EXPECT_GT(CountPixels(about->Picture2, qRgb(255, 255, 0)), 20);
        EXPECT_GT(CountPixels(about->Picture1, qRgb(0, 255, 255)), 20);
        EXPECT_GT(CountPixels(about->Image1, qRgb(255, 0, 0)), 20) << "relative-humidity curves";
        QTest::mouseClick(about->cmdAboutOK, Qt::LeftButton);
    });
    Trigger("mnuHelpAbout");
    EXPECT_TRUE(seen && QApplication::activeModalWidget() == nullptr);
    EXPECT_TRUE(Global::NumPoints == 1 && Text("txtDryBulb") == dryBefore && messages.empty());
}

}  // namespace
