#include <QGroupBox>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "ChartWindowFixture.h"
#include "QtPrint.h"

namespace {

const std::string DefaultSettings =
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,0,0,0,255,0\r\n0,0,0,0,0,14.697,0,29.92347\r\n#TRUE#,#FALSE#,#FALSE#"
    "\r\n";

// Only Exit writes the settings; without a file the window starts on the defaults.
TEST_F(ChartWindowTest, ExitWritesTheSettingsTheNextRunStartsFrom) {
    Window().close();
    EXPECT_FALSE(FileExists("Zolvane.ini"));
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), DefaultSettings);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, ReadsTheSettingsFileAndWritesItBackUnchanged) {
    const std::string text =
        "#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#,1,2,3,4,5\r\n1,2,3,4,0,12.2275,5000,24.89551\r\n"
        "#FALSE#,#TRUE#,#FALSE#\r\n";
    WriteFile("Zolvane.ini", text), Window();
    EXPECT_EQ(std::tuple(Find<QRadioButton>("optMetricUnits")->isChecked(), Text("lblDryBulb"),
                         Global::ShowDryLines || Global::ShowWLines, Global::Alt),
              std::tuple(true, QString("Dry Bulb Temp (C)"), false, 5000.0f));
    Trigger("mnuFileExit");
    EXPECT_EQ(ReadFile("Zolvane.ini"), text);
}

// The same air, 75 F at 50 %, in either system. The metric texts follow from the US state by
// C = (F - 32) x 5/9, kJ/kg = (BTU/lb - 7.684) x 2.326, m3/kg = 0.06242796 x ft3/lb and
// MPa = 0.0068947589 x psia.
TEST_F(ChartWindowTest, EitherUnitSystemShowsTheSameAirInItsOwnUnits) {
    const std::pair<const char*, QStringList> systems[] = {
        {"75",
         {"55.16", "28.10", "0.0092", "13.68", "0.215", "14.70", "0.0", "Dry Bulb Temp (F)",
          "Enthalpy (BTU/lb)", "Humidity Ratio (lb/lb)", "Vapor Pressure (psia)", "Specific Volume (ft  /lb)",
          "Pressure (psia)", "Altitude (ft)"}},
        {"23.88889",
         {"12.87", "47.49", "0.0092", "0.854", "0.0015", "0.101", "0.0", "Dry Bulb Temp (C)",
          "Enthalpy (kJ/kg)", "Humidity Ratio (kg/kg)", "Vapor Pressure (MPa)", "Specific Volume (m  /kg)",
          "Pressure (MPa)", "Altitude (m)"}},
    };
    for (const auto& [dry, expected] : systems) {
        UseUnits(dry == systems[0].first), AddPoint({{"DryBulb", dry}, {"RelHumid", "50"}});
        Trigger("mnuOptPress");
        EXPECT_EQ(TextsOf({"txtDewPoint", "lblEnthalpyVal", "lblHumidRatioVal", "lblSpVolVal",
                           "lblVaporPressVal", "txtPress", "txtAlt", "lblDryBulb", "lblEnthalpy",
                           "lblHumidRatio", "lblVaporPress", "lblSpVol", "optPress", "optAlt"}),
                  expected.join('|'));
        Press("cmdClose");
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChartWindowTest, SurvivesResizingToTinySizes) {
    auto* picture = Find<Platform::PictureBox>("picZolvane");
    for (QSize size : {QSize(10, 10), QSize(1, 1), QSize(900, 600)})
        Window().resize(size), QApplication::processEvents();
    EXPECT_EQ(picture->width() * 15, std::max(0, Window().frameGeometry().width() * 15 - 3690));
}

// The part of a frame inside its drawn border and the style's margin.
QRect Inner(const QGroupBox* frame) {
    struct Open : QGroupBox {
        using QGroupBox::initStyleOption;
    };
    QStyleOptionGroupBox option;
    (frame->*&Open::initStyleOption)(&option);
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
}

// The ink of `text` drawn from `x` at the vertical middle of `label`, as a label draws it.
QRect Ink(const QLabel* label, const QString& text, int x) {
    const QFontMetrics metrics = label->fontMetrics();
    const int baseline = label->y() + (label->height() - metrics.height()) / 2 + metrics.ascent();
    return metrics.tightBoundingRect(text).translated(x, baseline);
}

// At start-up and in metric units: every control sits inside its frame's border, and the raised 3
// stands in its gap, clear of the letters on either side.
TEST_F(ChartWindowTest, EveryRowSitsInsideItsFrameAndTheRaised3ClearOfTheText) {
    for (bool us : {true, false}) {
        UseUnits(us);
        for (const QGroupBox* frame : Window().findChildren<QGroupBox*>(QRegularExpression("^frm")))
            for (const QWidget* w : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                EXPECT_EQ(Inner(frame).intersected(w->geometry()), w->geometry())
                    << w->objectName().toStdString();
        const auto *caption = Find<QLabel>("lblSpVol"), *cubed = Find<QLabel>("lblCubed");
        const QString text = caption->text(), before = text.left(text.indexOf("  /"));
        const int x = caption->x() + caption->contentsMargins().left();
        const QRect three = Ink(cubed, "3", cubed->x() + cubed->contentsMargins().left()),
                    unit = Ink(caption, before, x),
                    slash = Ink(caption, "/", x + caption->fontMetrics().horizontalAdvance(before + "  "));
        EXPECT_LT(three.bottom(), unit.center().y()) << "raised";
        EXPECT_LT(unit.right(), three.left()) << "in the gap";
        EXPECT_LT(three.right(), slash.left()) << "in the gap";
        // A background behind the 3 would hide what it covers of the caption's line.
        const QRect hidden = cubed->geometry().intersected(unit.united(slash));
        EXPECT_EQ(cubed->autoFillBackground() ? hidden : QRect(), QRect());
    }
}

}  // namespace
