#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "ChartWindowFixture.h"
#include "RecordingSurface.h"
#include "frmAbout.h"

namespace {

// Pixels of one colour in a picture box as shown.
int CountPixels(Platform::PictureBox* box, QRgb colour) {
    box->Refresh();
    const QImage image = box->imageSurface().Image().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return static_cast<int>(std::count(pixels, pixels + image.width() * image.height(), colour));
}

// Exit and closing the window both quit the help viewer.
TEST_F(ChartWindowTest, HelpMenuRunsContentsAndSearchAndExitQuits) {
    for (const char* item : {"mnuHelpContents", "mnuHelpSearch", "mnuFileExit"}) Trigger(item);
    Window().close();
    std::vector<int> commands;  // of the requests for the program's help file
    for (const auto& r : dialogs->requests)
        if (r.kind == Platform::DialogKind::Help && r.helpFile == "Zolvane.hlp")
            commands.push_back(r.helpCommand);
    EXPECT_EQ(commands, (std::vector<int>{Platform::HelpContents, Platform::HelpSearch, Platform::HelpQuit,
                                          Platform::HelpQuit}));
    EXPECT_FALSE(dialogs->helpOpen);
}

// Each panel line as the user reads it: text, size, bold, italic, colour; drawn twice over the same
// lines, one under another, and all within the box.
TEST(AboutPanels, TextsSizesStylesAndColoursAsDrawnTwice) {
    using Platform::RecordingSurface;
    const std::string red = "|255", yellow = "|65535", cyan = "|16776960";
    const std::pair<void (*)(Platform::Surface&), std::vector<std::string>> panels[] = {
        {[](Platform::Surface& s) {
             Chart::DrawTitlePanel(s, "Zolvane", "Dazureduzerer Uzirez", "Version 5.7");
         },
         {"Zolvane|15|BI" + red, "Dazureduzerer Uzirez|15|" + yellow, "Version 5.7|15|" + yellow,
          "|15|" + yellow, "Moist-air chart and air-conditioning process calculations|10|" + yellow,
          "|10|" + yellow, "For help with the program, choose Contents or Search Help|10|" + yellow,
          "on the Help menu of the chart window.|10|" + yellow}},
        {Chart::DrawPublisherPanel,
         {"Zolvane Project|15|I" + cyan, "12 Sample Street|10|" + cyan, "Exampleton EX 55501|10|" + cyan,
          "Web: www.example.org/zolvane|10|" + cyan, "Sales: sales@example.org|10|" + cyan,
          "Support: support@example.org|10|" + cyan, "Fax: (555) 555-0142|10|" + cyan,
          "Phone: (555) 555-0143|10|" + cyan}}};
    frmAbout about;
    for (size_t p = 0; p < 2; ++p) {
        RecordingSurface page(6720, 2520);
        for (int paint = 1; paint <= 2; ++paint) panels[p].first(page);
        std::vector<RecordingSurface::Record> lines;
        for (const auto& r : page.records)
            if (r.op == RecordingSurface::Op::Print) lines.push_back(r);
        ASSERT_EQ(lines.size(), 16u);
        for (size_t i = 0; i < 8; ++i) {
            const auto& r = lines[i];
            EXPECT_EQ(r.text + "|" + std::to_string(static_cast<int>(r.fontSize)) + "|" +
                          (r.fontBold ? "B" : "") + (r.fontItalic ? "I" : "") + "|" + std::to_string(r.color),
                      panels[p].second[i]);
            if (i > 0) {
                EXPECT_GT(r.y1, lines[i - 1].y1) << "one line under another";
            }
            EXPECT_EQ(lines[i + 8].y1, r.y1) << r.text;
        }
        // The last line fits on the screen's panel, in the screen's own font.
        Platform::Surface& screen = (p == 0 ? about.Picture2 : about.Picture1)->surface();
        panels[p].first(screen);
        EXPECT_LE(screen.CurrentY, screen.Height()) << lines[7].text << " runs off the box";
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
