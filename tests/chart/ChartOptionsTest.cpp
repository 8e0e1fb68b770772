#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "ChartWindowFixture.h"

namespace {

constexpr int32_t White = 0xFFFFFF, Cyan = 0xFFFF00;

class ChartOptionsTest : public ChartWindowTest {
protected:
    void ScaleOK(const QString& maxDry, const QString& minDry, const QString& maxDew) {
        if (!Shown("tabChart")) Trigger("mnuOptionsChart");  // unless a refusal left it open
        Type("txtScaleMaxDry", maxDry), Type("txtScaleMinDry", minDry), Type("txtScaleMaxDew", maxDew);
        Press("cmdScaleOK");
    }
    std::vector<float> Limits() {
        std::vector<float> out;
        for (float limit :
             {Global::ChartMaxDry, Global::ChartMinDry, Global::ChartMaxDew, Global::ChartMinDew})
            out.push_back(std::round((limit * Global::TempScale - Global::TempOffset) * 1000) / 1000);
        return out;
    }
    Platform::PictureBox* Picture(const char* name) { return Find<Platform::PictureBox>(name); }
    int32_t ButtonColor(const char* name) {
        return Platform::FromQColor(Find<QPushButton>(name)->palette().color(QPalette::ButtonText));
    }
    void ClickPicture(const char* name) { QTest::mouseClick(Picture(name), Qt::LeftButton); }
    int Ink(const char* name) {  // dark pixels
        const QImage image = Picture(name)->imageSurface().Image().convertToFormat(QImage::Format_RGB32);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    }
};

TEST_F(ChartOptionsTest, OpeningFillsThePagesAndOnlyOkAppliesThem) {
    Window(), Global::AutoScale = true, Global::ShowWetLines = false, Trigger("mnuOptionsChart");
    // Ticking the box from code locks the limits just as a click does.
    EXPECT_EQ(
        std::tuple(Find<QCheckBox>("chkDryAxis")->isChecked(), Find<QCheckBox>("chkWetAxis")->isChecked(),
                   ButtonColor("cmdRH"), Find<QWidget>("txtScaleMaxDew")->isEnabled()),
        std::tuple(true, false, 255, false));
    Tick("chkWetAxis"), Tick("chkRHAxis", false), Picture("picZolvane")->surface().Cls(), Press("cmdCancel");
    EXPECT_EQ(std::tuple(Global::ShowWetLines, Global::ShowRHLines, Ink("picZolvane")),
              std::tuple(false, true, 0));
    Trigger("mnuOptionsChart"), Tick("chkRHAxis", false);
    Press("cmdStyleOK");  // every page's OK is the same apply
    EXPECT_EQ((std::vector<bool>{Global::ShowDryLines, Global::ShowWetLines, Global::ShowDewLines,
                                 Global::ShowRHLines, Global::ShowWLines}),
              (std::vector<bool>{true, false, true, false, true}));
    EXPECT_GT(Ink("picZolvane"), 0);
    UseUnits(false), Trigger("mnuOptionsChart");
    EXPECT_EQ(TextsOf({"lblScaleMinDry", "txtScaleMaxDry"}), "Minimum Dry Bulb (C)|50");
}

TEST_F(ChartOptionsTest, AcceptedLimitsRebuildTheChartAndRefusedOnesChangeNothing) {
    ScaleOK("100", "50", "100");  // dew point maximum equal to the dry bulb maximum
    EXPECT_EQ(Limits(), (std::vector<float>{100, 50, 100, 50}));
    EXPECT_TRUE(messages.empty() && Global::NumSatPoints == 501 && !Shown("tabChart"));
    ScaleOK("500", "-200", "100");  // the ends of the range
    EXPECT_EQ(Limits(), (std::vector<float>{500, -200, 100, -200}));
    messages.clear(), ScaleOK("120", "35", "90");
    const int dryLines = Global::NumDryLines;
    // Maximum dry bulb, minimum dry bulb, maximum dew point; of two bad boxes ("600", "-300") the
    // maximum dry bulb speaks.
    const char* entries[] = {"500.5", "35",   "90", "120", "-200.1", "90", "120",   "35", "",
                             "600",   "-300", "90", "",    "-300",   "90", "1e999", "35", "90",
                             "120",   "35",   "35", "30",  "35",     "40", "90",    "35", "90.5",
                             "120",   "abc",  "90", "120", "35",     "90F"};
    for (std::size_t i = 0; i < std::size(entries); i += 3)
        ScaleOK(entries[i], entries[i + 1], entries[i + 2]);
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "Invalid Maximum Dry Bulb", "Invalid Minimum Dry Bulb", "Invalid Maximum Dew Point",
                          "Invalid Maximum Dry Bulb", "Invalid Maximum Dry Bulb", "Invalid Maximum Dry Bulb",
                          "Maximum Dew Point must be greater than the Minimum Dry Bulb",
                          "Maximum Dry Bulb must be greater than the Minimum Dry Bulb",
                          "The Maximum Dew Point must be less than the Maximum Dry Bulb",
                          "Invalid Minimum Dry Bulb", "Invalid Maximum Dew Point"}));
    EXPECT_TRUE(messages[0].icon == Global::MsgIcon::Critical && messages[0].title == "Zolvane");
    EXPECT_EQ(Limits(), (std::vector<float>{120, 35, 90, 35}));
    EXPECT_TRUE(Shown("tabChart") && !Global::ScaleChanged && Global::NumDryLines == dryLines);
}

TEST_F(ChartOptionsTest, AutomaticScalingFitsThePointsAndIgnoresTheBoxes) {
    AddPoint({{"DryBulb", "126"}, {"DewPoint", "60"}}), Trigger("mnuOptionsChart"), Tick("chkAutoScale");
    ScaleOK("abc", "", "900");
    EXPECT_EQ(Limits(), (std::vector<float>{130, 35, 100, 35}));
    EXPECT_TRUE(messages.empty() && Global::NumSatPoints == 651);
    // The switch takes effect at once; a cancel does not undo it.
    Trigger("mnuOptionsChart");
    EXPECT_EQ(Text("txtScaleMaxDry"), "130");
    Tick("chkAutoScale", false), Press("cmdScaleCancel");
    EXPECT_TRUE(!Global::AutoScale && Find<QWidget>("txtScaleMaxDry")->isEnabled());
    // Metric: 10 C is far below the 50 C maximum, which comes down in 5 C steps.
    Trigger("mnuEditClear"), UseUnits(false), Trigger("mnuOptionsChart"), Tick("chkAutoScale");
    Press("cmdScaleCancel"), AddPoint({{"DryBulb", "10"}, {"RelHumid", "70"}});
    EXPECT_EQ(Limits(), (std::vector<float>{35, 0, 20, 0}));
    EXPECT_EQ(Global::NumSatPoints, 361);               // rebuilt from 0 C to 20 C
    AddPoint({{"DryBulb", "0"}, {"RelHumid", "100"}});  // a point on the minimum lowers it
    EXPECT_EQ(Limits(), (std::vector<float>{35, -5, 20, -5}));
}

TEST_F(ChartOptionsTest, ColourDialogAndStyleHighlights) {
    Trigger("mnuOptionsChart");
    dialogs->AnswerColor(0x00C000), Press("cmdDew"), dialogs->AnswerCancel(), Press("cmdDew");
    const auto& asked = dialogs->requests.at(1);
    EXPECT_EQ(std::tuple(asked.kind, asked.cancelError, asked.color),
              std::tuple(Platform::DialogKind::Color, true, int32_t{0x00C000}));
    EXPECT_EQ(Global::DewLineColor, 0x00C000);  // kept on cancel
    Press("cmdRH");                             // the dialog opens on the family's own colour
    EXPECT_EQ(dialogs->requests.back().color, 255);
    Press("cmdCancel");  // the strip's Cancel does not undo a chosen colour
    Trigger("mnuOptionsChart");
    EXPECT_EQ(ButtonColor("cmdDew"), 0x00C000);
    // Highlighted families take a clicked style, and opening again clears the highlights.
    Find<QTabWidget>("tabChart")->setCurrentIndex(2), QApplication::processEvents();
    const int solidInk = Ink("picDry");
    ClickLabel("lblDew"), ClickLabel("lblDew");  // a second click clears it
    ClickPicture("picDash");                     // nothing highlighted: nothing changes
    ClickLabel("lblDry"), ClickPicture("picW");
    EXPECT_EQ(Picture("picW")->BackColor(), Cyan);
    ClickPicture("picDot");
    EXPECT_EQ((std::vector<int>{Global::DryLineStyle, Global::WetLineStyle, Global::DewLineStyle,
                                Global::RHLineStyle, Global::WLineStyle}),
              (std::vector<int>{2, 0, 0, 0, 2}));
    EXPECT_TRUE(Ink("picDry") > 0 && Ink("picDry") < solidInk * 3 / 4);  // the sample is dotted now
    ClickPicture("picDashDot");                                          // highlights stay for another try
    EXPECT_EQ(Global::WLineStyle, 3);
    Press("cmdCancel"), Trigger("mnuOptionsChart");
    EXPECT_EQ(Picture("picW")->BackColor(), White);
}

}  // namespace
