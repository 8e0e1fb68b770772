#include <QPushButton>
#include <QTimer>

#include "ChartWindowFixture.h"
#include "HelpViewer.h"
#include "RecordingSurface.h"
#include "frmAbout.h"

namespace {

using Op = Platform::RecordingSurface::Op;

std::vector<Platform::RecordingSurface::Record> Texts(const Platform::RecordingSurface& page) {
    std::vector<Platform::RecordingSurface::Record> texts;
    for (const auto& r : page.records)
        if (r.op == Op::Print) texts.push_back(r);
    return texts;
}

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

TEST_F(ChartWindowTest, HelpMenuRunsContentsAndSearchAndClosingQuits) {
    Trigger("mnuHelpContents");
    Trigger("mnuHelpSearch");
    Window().close();
    ASSERT_EQ(dialogs->requests.size(), 3u);
    const int16_t expected[] = {Platform::HelpContents, Platform::HelpSearch, Platform::HelpQuit};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dialogs->requests[i].kind, Platform::DialogKind::Help);
        EXPECT_EQ(dialogs->requests[i].helpCommand, expected[i]);
        EXPECT_EQ(dialogs->requests[i].helpFile, "Zolvane.hlp");
    }
    EXPECT_FALSE(dialogs->helpOpen);
}

TEST_F(ChartWindowTest, RealHelpViewerOpensBesideTheChartAndExitClosesIt) {
    Window();
    Platform::SetDialogBackend(nullptr);
    Trigger("mnuHelpSearch");
    Platform::HelpViewer* viewer = Platform::HelpViewer::Current();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->tabHelp->currentIndex(), 1);
    Trigger("mnuHelpContents");
    EXPECT_EQ(Platform::HelpViewer::Current(), viewer);
    EXPECT_EQ(viewer->tabHelp->currentIndex(), 0);
    Trigger("mnuFileExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Platform::HelpViewer::Current(), nullptr);
}

TEST(AboutPanels, TextsSizesStylesAndColoursAsDrawnTwice) {
    Platform::RecordingSurface page(6720, 2520);
    Chart::DrawTitlePanel(page, "Zolvane", "Dazureduzerer Uzirez", "Version 5.7");
    const auto first = Texts(page);
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(first[0].text, "Zolvane");
    EXPECT_EQ(first[0].color, 255);
    EXPECT_TRUE(first[0].fontBold && first[0].fontItalic);
    EXPECT_EQ(first[0].fontSize, 15);
    EXPECT_EQ(first[0].fontName, "Times New Roman");
    for (int i : {1, 2}) {
        EXPECT_EQ(first[i].color, 0x00FFFF) << "yellow";
        EXPECT_FALSE(first[i].fontBold || first[i].fontItalic);
        EXPECT_EQ(first[i].fontSize, 15);
    }
    EXPECT_EQ(first[1].text, "Dazureduzerer Uzirez");
    EXPECT_EQ(first[2].text, "Version 5.7");
    for (size_t i = 3; i < first.size(); ++i) EXPECT_EQ(first[i].fontSize, i == 3 ? 15 : 10);
    EXPECT_EQ(first[4].text.find("Moist-air chart"), 0u);
    EXPECT_NE(first[7].text.find("Help menu"), std::string::npos);
    for (size_t i = 1; i < first.size(); ++i)
        EXPECT_GT(first[i].y1, first[i - 1].y1) << "one line under another";

    // Drawn again on every paint: the same lines in the same places, not a second copy below.
    Chart::DrawTitlePanel(page, "Zolvane", "Dazureduzerer Uzirez", "Version 5.7");
    const auto both = Texts(page);
    ASSERT_EQ(both.size(), 16u);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(both[i + 8].y1, both[i].y1) << both[i].text;

    Platform::RecordingSurface publisher(4200, 2040);
    Chart::DrawPublisherPanel(publisher);
    const auto lines = Texts(publisher);
    ASSERT_EQ(lines.size(), 8u) << "the name and seven contact lines";
    EXPECT_EQ(lines[0].text, "Zolvane Project");
    EXPECT_EQ(lines[0].color, 0xFFFF00) << "cyan";
    EXPECT_TRUE(lines[0].fontItalic);
    EXPECT_EQ(lines[0].fontSize, 15);
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].fontItalic);
        EXPECT_EQ(lines[i].fontSize, 10);
        const bool fictional = lines[i].text.find("example.org") != std::string::npos ||
                               lines[i].text.find("555") != std::string::npos;
        EXPECT_TRUE(fictional || i <= 2) << lines[i].text;
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
        EXPECT_EQ(about->windowTitle(), "About");
        EXPECT_EQ(about->AboutTitle, "Zolvane");
        EXPECT_EQ(about->AboutSubtitle, "Dazureduzerer Uzirez");
        EXPECT_EQ(about->AboutVersion, "Version 5.7");
        EXPECT_EQ(about->cmdAboutOK->text(), "OK");
        // The panels as painted: red title and yellow lines on Picture2, cyan on Picture1.
        EXPECT_GT(CountPixels(about->Picture2, qRgb(255, 0, 0)), 20);
        EXPECT_GT(CountPixels(about->Picture2, qRgb(255, 255, 0)), 20);
        EXPECT_GT(CountPixels(about->Picture1, qRgb(0, 255, 255)), 20);
        EXPECT_GT(CountPixels(about->Image1, qRgb(255, 0, 0)), 20) << "relative-humidity curves";
        QTest::mouseClick(about->cmdAboutOK, Qt::LeftButton);
    });
    Trigger("mnuHelpAbout");
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Global::NumPoints, 1);
    EXPECT_EQ(Text("txtDryBulb"), dryBefore);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
