#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "Controls.h"
#include "QtSurface.h"

using Platform::DrawModes;
using Platform::ImageSurface;
using Platform::ToQColor;

namespace {

constexpr int32_t Red = 255;
constexpr int32_t Blue = 16711680;
constexpr int32_t Cyan = 16776960;
constexpr int32_t White = 16777215;

QRgb Rgb(int32_t color) {
    return ToQColor(color).rgb();
}

int CountInRow(const QImage& image, int y, int32_t color, int x0 = 0, int x1 = -1) {
    if (x1 < 0) x1 = image.width();
    int n = 0;
    for (int x = x0; x < x1; ++x) n += image.pixel(x, y) == Rgb(color);
    return n;
}

int CountInRect(const QImage& image, const QRect& rect, int32_t color) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        n += CountInRow(image, y, color, rect.left(), rect.right() + 1);
    return n;
}

// Lengths of the inked runs along a row, leaving out the first and last, which the
// ends of the line may cut short.
std::vector<int> InnerRuns(const QImage& image, int y, int32_t color) {
    std::vector<int> runs;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == Rgb(color)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) runs.push_back(run);
    if (runs.size() >= 2) {
        runs.erase(runs.begin());
        runs.pop_back();
    }
    return runs;
}

// A surface with something on it in every colour, so that a restore is a real one.
void DrawBackground(ImageSurface& s) {
    s.BackColor = White;
    s.Cls();
    s.ForeColor = Red;
    s.Line(0, 0, s.Width(), s.Height());
    s.FillStyle = Platform::FillSolid;
    s.FillColor = Cyan;
    s.Circle(1500, 1500, 600);
    s.ForeColor = Blue;
    s.FontTransparent = false;
    s.BackColor = Cyan;
    s.CurrentX = 300;
    s.CurrentY = 2000;
    s.Print("Humidity Ratio");
    s.BackColor = White;
}

}  // namespace

TEST(ImageSurface, InvertDrawingTwiceRestoresEveryPixel) {
    ImageSurface s(240, 160);
    DrawBackground(s);
    const QImage before = s.Image().copy();

    auto rubberBand = [&] {
        s.DrawMode = DrawModes::Invert;
        s.DrawStyle = 0;
        s.DrawWidth = 1;
        s.Line(100, 2300, 3500, 150);  // shallow diagonal across text and circle
        s.Line(1500, 0, 1500, 2400);   // vertical through the circle
        s.Line(0, 1500, 3600, 1500, Red);
        s.DrawStyle = 3;
        s.Line(0, 900, 3600, 1100);
        s.DrawStyle = 0;
        s.DrawWidth = 3;
        s.Line(200, 200, 3000, 2200);
        s.DrawWidth = 1;
    };

    rubberBand();
    EXPECT_NE(s.Image(), before);
    rubberBand();
    EXPECT_EQ(s.Image(), before);

    // Back in copy mode the pen colour is drawn as it is again.
    s.DrawMode = DrawModes::Copy;
    s.ForeColor = Blue;
    s.Line(0, 157.5, s.Width(), 157.5);
    EXPECT_EQ(CountInRow(s.Image(), 10, Blue), s.Image().width());
}

TEST(ImageSurface, LinesAreInTwipsWithOptionalColourAndWidth) {
    ImageSurface s(100, 60);
    s.ForeColor = 0;
    s.Line(757.5, 0, 757.5, 900, Red);  // 757.5 twips is the middle of pixel column 50
    EXPECT_TRUE(s.CurrentX == 757.5f && s.CurrentY == 900.0f);
    const QImage image = s.Image();
    EXPECT_TRUE(image.pixel(50, 30) == Rgb(Red) && image.pixel(49, 30) == Rgb(White) &&
                image.pixel(51, 30) == Rgb(White));
    s.DrawWidth = 3;
    s.Line(0, 457.5, 1500, 457.5);
    int inked = 0;
    for (int y = 26; y <= 34; ++y) inked += s.Image().pixel(20, y) == Rgb(0);
    EXPECT_EQ(inked, 3);
}

TEST(ImageSurface, DrawStylesGiveTheirDashPatterns) {
    ImageSurface s(600, 80);
    s.ForeColor = 0;
    for (int16_t style = 0; style <= 4; ++style) {
        s.DrawStyle = style;
        s.Line(0, 157.5 + style * 210, s.Width(), 157.5 + style * 210);
    }
    EXPECT_EQ(CountInRow(s.Image(), 10, 0), 600) << "solid";
    for (int style = 1; style <= 4; ++style) {
        const std::vector<int> runs = InnerRuns(s.Image(), 10 + style * 14, 0);
        ASSERT_GT(runs.size(), 5u) << style;
        const int longRuns =
            static_cast<int>(std::count_if(runs.begin(), runs.end(), [](int r) { return r >= 6; }));
        const int shortRuns = static_cast<int>(runs.size()) - longRuns;
        // Dash: no dots; dot: no dashes; dash-dot one dot a dash, dash-dot-dot two.
        const int dotsPerDash = style - 2;
        EXPECT_TRUE(style == 1   ? shortRuns == 0
                    : style == 2 ? longRuns == 0
                                 : std::abs(shortRuns - dotsPerDash * longRuns) <= dotsPerDash)
            << style << ": " << longRuns << " long, " << shortRuns << " short";
    }
}

TEST(ImageSurface, CircleIsFilledOnlyWhenFillStyleIsSolid) {
    ImageSurface s(100, 100);
    s.ForeColor = Blue;
    s.FillColor = Red;
    for (int16_t style : {Platform::FillSolid, Platform::FillTransparent}) {
        s.Cls();
        s.FillStyle = style;
        s.Circle(757.5, 757.5, 300);  // centre pixel 50, radius 20 pixels
        EXPECT_EQ(s.Image().pixel(50, 50), Rgb(style == Platform::FillSolid ? Red : White));
        EXPECT_GT(CountInRow(s.Image(), 50, Blue), 0) << "outline in ForeColor";
        EXPECT_EQ(s.Image().pixel(50, 20), Rgb(White)) << "nothing beyond the radius";
    }
    s.Circle(757.5, 757.5, 300, Red);  // a colour of its own, leaving ForeColor alone
    EXPECT_GT(CountInRow(s.Image(), 50, Red), 0);
    EXPECT_EQ(s.ForeColor, Blue);
}

TEST(ImageSurface, PrintPlacesTextAtTopLeftAndAdvances) {
    ImageSurface s(300, 120);
    s.ForeColor = Blue;
    s.FontSize = 9.75;
    s.CurrentX = 300;
    s.CurrentY = 450;
    const float width = s.TextWidth("Dry Bulb ("), height = s.TextHeight("Dry Bulb (");
    s.Print("Dry Bulb (", false);
    EXPECT_FLOAT_EQ(s.CurrentX, 300 + width);
    EXPECT_FLOAT_EQ(s.CurrentY, 450);
    const QImage image = s.Image();
    EXPECT_GT(CountInRect(image, QRect(20, 30, int(width / 15), int(height / 15)), Blue), 20);
    EXPECT_EQ(CountInRect(image, QRect(0, 0, 300, 29), Blue), 0) << "nothing above the top edge";
    EXPECT_EQ(CountInRect(image, QRect(0, 0, 19, 120), Blue), 0) << "nothing left of CurrentX";
    s.Print("F)");
    s.Print("");  // an empty line still moves down a line
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_FLOAT_EQ(s.CurrentY, 450 + 2 * height);
}

TEST(ImageSurface, OpaqueTextFillsItsCellAndFontSizesScale) {
    ImageSurface s(200, 60);
    s.BackColor = Cyan;
    s.FontSize = 8.25;
    for (bool transparent : {true, false}) {
        s.FontTransparent = transparent;
        s.CurrentX = 150;
        s.CurrentY = 450;
        s.Print("  52  ");
        EXPECT_EQ(s.Image().pixel(11, 31) == Rgb(Cyan), !transparent) << "blank leading the text";
    }
    // 20 twips a point, fractional sizes kept, bold wider.
    auto widthAt = [&](double points) {
        s.FontSize = points;
        return s.TextWidth("Pressure = 14.696 psia");
    };
    EXPECT_NEAR(widthAt(20) / widthAt(10), 2.0, 0.2);
    EXPECT_GT(widthAt(9.75), widthAt(9.25));
    s.FontSize = 10;
    EXPECT_GT(s.TextHeight("Ag"), 200);
    const float regular = s.TextWidth("Data Points");
    s.FontBold = true;
    EXPECT_GT(s.TextWidth("Data Points"), regular);
}

TEST(ImageSurface, AbsurdCoordinatesAreIgnored) {
    ImageSurface s(50, 50);
    int changes = 0;
    s.SetChangeHandler([&] { ++changes; });
    const QImage before = s.Image().copy();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();

    s.Line(nan, 0, 100, 100);
    s.Line(0, 0, inf, 100);
    s.Line(0, 0, 2e7f, 100);
    s.Circle(100, 100, -5);
    s.Circle(100, nan, 50);
    s.CurrentX = -inf;
    s.Print("x");
    s.FontSize = nan;  // falls back to a usable size
    EXPECT_GT(s.TextWidth("x"), 0);
    EXPECT_EQ(s.Image(), before);
    EXPECT_EQ(changes, 0);

    s.Line(0, 0, 300, 300);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(s.Image(), before);
}

TEST(ImageSurface, EmptySurfaceMeasuresAndResizesWithoutDrawing) {
    ImageSurface empty(0, 0);
    ImageSurface normal(20, 20);
    EXPECT_TRUE(empty.Image().isNull());
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_EQ(empty.TextWidth("Wet Bulb"), normal.TextWidth("Wet Bulb"));
    empty.Cls();
    empty.Line(0, 0, 100, 100);
    empty.Circle(10, 10, 35);
    empty.Print("1", false);
    EXPECT_EQ(empty.CurrentX, 10 + normal.TextWidth("1")) << "from the circle's centre";

    empty.BackColor = Cyan;
    empty.Resize(40, 30);
    EXPECT_EQ(empty.Width(), 600);
    EXPECT_EQ(empty.Height(), 450);
    ASSERT_EQ(empty.Image().size(), QSize(40, 30));
    EXPECT_EQ(empty.Image().pixel(39, 29), Rgb(Cyan)) << "a new picture starts in BackColor";

    empty.CurrentX = 100;
    empty.BackColor = White;
    empty.Cls();
    EXPECT_EQ(empty.CurrentX, 0);
    EXPECT_EQ(CountInRect(empty.Image(), QRect(0, 0, 40, 30), White), 40 * 30);
}

// Numbers and small dots come from images made once; they must look as drawn directly.
TEST(ImageSurface, NumbersAndSmallDotsLookAsDrawnDirectly) {
    ImageSurface s(120, 40);
    s.FontTransparent = false;
    s.BackColor = Cyan;
    s.ForeColor = Blue;
    s.CurrentX = 150;
    s.CurrentY = 157;  // a fraction of a pixel below the row
    s.Print("1234.5", false);
    EXPECT_FLOAT_EQ(s.CurrentX, 150 + s.TextWidth("1234.5"));
    s.FillStyle = Platform::FillSolid;
    s.ForeColor = s.FillColor = Red;
    s.Circle(1507.5, 307.5, 35);

    QImage direct(120, 40, QImage::Format_RGB32);
    direct.setDotsPerMeterX(3780);
    direct.setDotsPerMeterY(3780);
    direct.fill(Qt::white);
    QPainter painter(&direct);
    QFont font("Sans Serif");
    font.setPointSizeF(8.25);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &direct);
    painter.fillRect(QRectF(10, 157 / 15.0, metrics.horizontalAdvance("1234.5"), metrics.height()),
                     ToQColor(Cyan));
    painter.setPen(ToQColor(Blue));
    painter.drawText(QPointF(10, 157 / 15.0 + metrics.ascent()), "1234.5");
    painter.setPen(ToQColor(Red));
    painter.setBrush(ToQColor(Red));
    painter.drawEllipse(QPointF(100.5, 20.5), 35 / 15.0, 35 / 15.0);
    painter.end();
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) differing += s.Image().pixel(x, y) != direct.pixel(x, y);
    EXPECT_LE(differing, 8);  // an edge pixel of a glyph at most
    EXPECT_GT(CountInRect(direct, QRect(96, 16, 9, 9), Red), 12);
}
