#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <map>

#include "ChartWindowFixture.h"

namespace {

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Cyan = 0xFFFF00;

class ChartOptionsTest : public ChartWindowTest {
protected:
    bool StripShown() { return !Find<QTabWidget>("tabChart")->isHidden(); }

    void ScaleOK(const QString& maxDry, const QString& minDry, const QString& maxDew) {
        Type("txtScaleMaxDry", maxDry);
        Type("txtScaleMinDry", minDry);
        Type("txtScaleMaxDew", maxDew);
        Press("cmdScaleOK");
    }

    // The Scale page's own messages; the chart's table build reports as "Error - ...".
    std::vector<std::string> ScaleMessages() {
        std::vector<std::string> texts;
        for (const RecordedMessage& m : messages)
            if (m.text.rfind("Error - ", 0) != 0) texts.push_back(m.text);
        return texts;
    }

    Platform::PictureBox* Picture(const char* name) { return Find<Platform::PictureBox>(name); }
    int32_t ButtonColor(const char* name) {
        return Platform::FromQColor(Find<QPushButton>(name)->palette().color(QPalette::ButtonText));
    }
    void ClickPicture(const char* name) { QTest::mouseClick(Picture(name), Qt::LeftButton); }

    // Dark pixels in the inkiest row of a picture box.
    int Ink(const char* name) {
        const QImage image = Picture(name)->imageSurface().Image().convertToFormat(QImage::Format_RGB32);
        int best = 0;
        for (int y = 0; y < image.height(); ++y) {
            int ink = 0;
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
            best = std::max(best, ink);
        }
        return best;
    }
};

TEST_F(ChartOptionsTest, OpeningFillsThePagesFromTheSettings) {
    Window();
    Global::AutoScale = true;
    Global::ShowWetLines = false;
    Trigger("mnuOptionsChart");
    EXPECT_TRUE(Find<QCheckBox>("chkDryAxis")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkWetAxis")->isChecked());
    EXPECT_EQ(ButtonColor("cmdRH"), 255);
    EXPECT_EQ(Text("txtScaleMaxDry"), "120");
    // Ticking the box from code locks the limits just as a click does.
    EXPECT_TRUE(Find<QCheckBox>("chkAutoScale")->isChecked());
    EXPECT_FALSE(Find<QWidget>("txtScaleMaxDew")->isEnabled());
    Press("cmdCancel");
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Trigger("mnuOptionsChart");
    EXPECT_EQ(Text("lblScaleMinDry"), "Minimum Dry Bulb (C)");
    EXPECT_EQ(Text("txtScaleMaxDry"), "50");
}

TEST_F(ChartOptionsTest, AcceptedLimitsRebuildTheChartAndCloseTheStrip) {
    Trigger("mnuOptionsChart");
    ASSERT_EQ(Global::NumSatPoints, 551);
    ScaleOK("100", "50", "100");  // dew point maximum equal to the dry bulb maximum
    EXPECT_TRUE(messages.empty());
    EXPECT_NEAR(Global::ChartMaxDry, 559.67, 1e-3);
    EXPECT_NEAR(Global::ChartMinDry, 509.67, 1e-3);
    EXPECT_EQ(Global::ChartMaxDew, Global::ChartMaxDry);
    EXPECT_EQ(Global::ChartMinDew, Global::ChartMinDry);
    EXPECT_FALSE(Global::ScaleChanged);  // taken by the apply
    EXPECT_EQ(Global::NumSatPoints, 501);
    EXPECT_FALSE(StripShown());

    // The ends of the range (a 500 F chart lies past boiling, which the table build reports).
    Trigger("mnuOptionsChart");
    ScaleOK("500", "-200", "100");
    EXPECT_EQ(ScaleMessages(), std::vector<std::string>{});
    EXPECT_NEAR(Global::ChartMaxDry, 959.67, 1e-3);
    EXPECT_NEAR(Global::ChartMinDry, 259.67, 1e-3);
    EXPECT_FALSE(StripShown());
}

TEST_F(ChartOptionsTest, RefusedLimitsNameTheFirstBadBoxAndChangeNothing) {
    Trigger("mnuOptionsChart");
    const int dryLines = Global::NumDryLines;
    ScaleOK("500.5", "35", "90");
    ScaleOK("120", "-200.1", "90");
    ScaleOK("120", "35", "");
    ScaleOK("600", "-300", "abc500");  // several bad: max dew, max dry, min dry is the order
    ScaleOK("", "-300", "90");
    ScaleOK("1e999", "35", "90");
    ScaleOK("120", "35", "35");
    ScaleOK("30", "35", "40");
    ScaleOK("90", "35", "90.5");
    EXPECT_EQ(ScaleMessages(),
              (std::vector<std::string>{"Invalid Maximum Dry Bulb", "Invalid Minimum Dry Bulb",
                                        "Invalid Maximum Dew Point", "Invalid Maximum Dry Bulb",
                                        "Invalid Maximum Dry Bulb", "Invalid Maximum Dry Bulb",
                                        "Maximum Dew Point must be greater than the Minimum Dry Bulb",
                                        "Maximum Dry Bulb must be greater than the Minimum Dry Bulb",
                                        "The Maximum Dew Point must be less than the Maximum Dry Bulb"}));
    EXPECT_EQ(messages[0].icon, Global::MsgIcon::Critical);
    EXPECT_EQ(messages[0].title, "Zolvane");
    EXPECT_TRUE(StripShown());
    EXPECT_EQ(Text("txtScaleMaxDew"), "90.5");
    EXPECT_EQ(Global::ChartMaxDry, 579.67f);
    EXPECT_EQ(Global::ChartMinDry, 494.67f);
    EXPECT_EQ(Global::ChartMaxDew, 549.67f);
    EXPECT_FALSE(Global::ScaleChanged);
    EXPECT_EQ(Global::NumDryLines, dryLines);
}

TEST_F(ChartOptionsTest, AxisFlagsAreAppliedByOkAndNotByCancel) {
    Trigger("mnuOptionsChart");
    Tick("chkWetAxis", false);
    Picture("picZolvane")->surface().Cls();
    Press("cmdCancel");
    EXPECT_TRUE(Global::ShowWetLines);
    EXPECT_EQ(Ink("picZolvane"), 0);  // not redrawn

    Trigger("mnuOptionsChart");
    EXPECT_TRUE(Find<QCheckBox>("chkWetAxis")->isChecked());
    Tick("chkWetAxis", false);
    Tick("chkRHAxis", false);
    Press("cmdStyleOK");  // every page's OK is the same apply
    EXPECT_FALSE(Global::ShowWetLines || Global::ShowRHLines);
    EXPECT_TRUE(Global::ShowDryLines && Global::ShowDewLines && Global::ShowWLines);
    EXPECT_FALSE(StripShown());
}

TEST_F(ChartOptionsTest, AutomaticScalingFitsTheUsExampleAndIgnoresTheBoxes) {
    // Without points it only redraws.
    Trigger("mnuOptionsChart");
    Tick("chkAutoScale");
    Global::NumSatPoints = 7;  // stays unless the tables are built again
    Press("cmdOK");
    EXPECT_EQ(Global::NumSatPoints, 7);
    Tick("chkAutoScale", false);
    AddPoint({{"DryBulb", "126"}, {"DewPoint", "60"}});
    ASSERT_EQ(Global::NumPoints, 1);
    EXPECT_EQ(Global::ChartMaxDry, 579.67f);  // scaling is off

    Trigger("mnuOptionsChart");
    Tick("chkAutoScale");
    ScaleOK("abc", "", "900");
    EXPECT_TRUE(messages.empty());
    EXPECT_NEAR(Global::ChartMaxDry, 589.67, 1e-3);  // 130 F
    EXPECT_NEAR(Global::ChartMaxDew, 559.67, 1e-3);  // 100 F
    EXPECT_EQ(Global::ChartMinDry, 494.67f);
    EXPECT_EQ(Global::NumSatPoints, 651);
    EXPECT_FALSE(StripShown());

    // The switch takes effect at once; a cancel does not undo it.
    Trigger("mnuOptionsChart");
    EXPECT_EQ(Text("txtScaleMaxDry"), "130");
    Tick("chkAutoScale", false);
    Press("cmdScaleCancel");
    EXPECT_FALSE(StripShown());
    EXPECT_FALSE(Global::AutoScale);
    EXPECT_TRUE(Find<QWidget>("frmScale")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("txtScaleMaxDry")->isEnabled());
}

TEST_F(ChartOptionsTest, MetricScalingLowersTheMaximumAndAPointOnTheMinimumLowersIt) {
    Find<QRadioButton>("optMetricUnits")->setChecked(true);
    Trigger("mnuOptionsChart");
    Tick("chkAutoScale");
    Press("cmdScaleCancel");
    // 10 C is far below the 50 C maximum: down in 5 C steps to 35 C, dew point 15 C below.
    AddPoint({{"DryBulb", "10"}, {"RelHumid", "70"}});
    const auto shown = [](float limit) { return limit * (5.0 / 9.0) - 273.15f; };
    EXPECT_NEAR(shown(Global::ChartMaxDry), 35, 1e-3);
    EXPECT_NEAR(shown(Global::ChartMaxDew), 20, 1e-3);
    EXPECT_EQ(Global::NumSatPoints, 361);  // rebuilt from 0 C to 20 C

    AddPoint({{"DryBulb", "0"}, {"RelHumid", "100"}});
    ASSERT_EQ(Global::NumPoints, 2);
    EXPECT_NEAR(shown(Global::ChartMinDry), -5, 1e-3);
    EXPECT_NEAR(shown(Global::ChartMaxDry), 35, 1e-3);
}

TEST_F(ChartOptionsTest, ColourDialogCancelKeepsAndConfirmSetsTheColour) {
    Trigger("mnuOptionsChart");
    dialogs->AnswerCancel();
    Press("cmdDew");
    ASSERT_EQ(dialogs->requests.size(), 1u);
    EXPECT_TRUE(dialogs->requests[0].kind == Platform::DialogKind::Color && dialogs->requests[0].cancelError);
    EXPECT_EQ(Global::DewLineColor, 0);
    dialogs->AnswerColor(0x00C000);
    Press("cmdDew");
    EXPECT_EQ(Global::DewLineColor, 0x00C000);
    EXPECT_EQ(ButtonColor("cmdDew"), 0x00C000);
    Press("cmdRH");  // the dialog opens on the family's own colour
    EXPECT_EQ(dialogs->requests.back().color, 255);
    Press("cmdCancel");  // the strip's Cancel does not undo a chosen colour
    Trigger("mnuOptionsChart");
    EXPECT_EQ(ButtonColor("cmdDew"), 0x00C000);
}

TEST_F(ChartOptionsTest, HighlightsTakeTheStyleAndOpeningClearsThem) {
    Trigger("mnuOptionsChart");
    Find<QTabWidget>("tabChart")->setCurrentIndex(2);
    QApplication::processEvents();
    const int solidInk = Ink("picDry");
    ClickLabel("lblDew");
    ClickLabel("lblDew");
    EXPECT_EQ(Picture("picDew")->BackColor(), White);
    std::map<std::string, int> paints;
    for (const char* name : {"picDry", "picWet", "picDew", "picRH", "picW"})
        QObject::connect(Picture(name), &Platform::PictureBox::Paint, [&paints, name] { ++paints[name]; });
    ClickPicture("picDash");  // nothing highlighted: nothing changes or redraws
    EXPECT_TRUE(paints.empty());
    EXPECT_EQ(Global::DryLineStyle, 0);

    ClickLabel("lblDry");
    ClickPicture("picW");
    EXPECT_EQ(Picture("picW")->BackColor(), Cyan);
    paints.clear();
    ClickPicture("picDot");
    EXPECT_EQ(Global::DryLineStyle, 2);
    EXPECT_EQ(Global::WLineStyle, 2);
    EXPECT_EQ(Global::WetLineStyle + Global::DewLineStyle + Global::RHLineStyle, 0);
    EXPECT_EQ(paints, (std::map<std::string, int>{{"picDry", 1}, {"picW", 1}}));
    EXPECT_GT(Ink("picDry"), 0);
    EXPECT_LT(Ink("picDry"), solidInk * 3 / 4);  // the sample is dotted now
    ClickPicture("picDashDot");                  // highlights stay for another try
    EXPECT_EQ(Global::WLineStyle, 3);

    Press("cmdCancel");
    Trigger("mnuOptionsChart");
    EXPECT_EQ(Picture("picW")->BackColor(), White);
}

}  // namespace
