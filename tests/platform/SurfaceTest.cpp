#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "Controls.h"
#include "QtSurface.h"

using Platform::ImageSurface;
using Platform::ToQColor;

namespace {

constexpr int32_t Red = 255, Blue = 16711680, Cyan = 16776960, White = 16777215;

int Count(const QImage& image, const QRect& rect, int32_t color) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixel(x, y) == ToQColor(color).rgb();
    return n;
}

}  // namespace

TEST(ImageSurface, InvertDrawingTwiceRestoresEveryPixel) {
    ImageSurface s(240, 160);
    s.Line(0, 0, s.Width(), s.Height(), Red), s.FillStyle = Platform::FillSolid, s.FillColor = Cyan;
    s.Circle(1500, 1500, 600), s.ForeColor = Blue, s.BackColor = Cyan, s.FontTransparent = false;
    s.CurrentX = 300, s.CurrentY = 2000, s.Print("Humidity Ratio");
    const QImage before = s.Image().copy();
    auto rubberBand = [&] {
        s.DrawMode = Platform::DrawModes::Invert;
        s.Line(100, 2300, 3500, 150), s.Line(1500, 0, 1500, 2400, Red);
        s.DrawStyle = 3, s.Line(0, 900, 3600, 1100);
        s.DrawStyle = 0, s.DrawWidth = 3, s.Line(200, 200, 3000, 2200), s.DrawWidth = 1;
    };
    rubberBand();
    EXPECT_NE(s.Image(), before);
    rubberBand();
    EXPECT_EQ(s.Image(), before);
    s.DrawMode = Platform::DrawModes::Copy, s.Line(0, 157.5, s.Width(), 157.5);
    EXPECT_EQ(Count(s.Image(), QRect(0, 10, 240, 1), Blue), 240);
}

TEST(ImageSurface, LinesAndCirclesInTwips) {
    ImageSurface s(100, 100);
    s.Line(757.5, 0, 757.5, 900, Red);  // the middle of pixel column 50
    EXPECT_EQ(std::tuple(s.CurrentX, s.CurrentY, Count(s.Image(), QRect(49, 30, 3, 1), Red),
                         Count(s.Image(), QRect(50, 30, 1, 1), Red)),
              std::tuple(757.5f, 900.0f, 1, 1));
    s.DrawWidth = 3, s.Line(0, 457.5, 1500, 457.5);
    EXPECT_EQ(Count(s.Image(), QRect(20, 26, 1, 9), 0), 3);
    s.DrawWidth = 1, s.ForeColor = Blue, s.FillColor = Red;
    for (int16_t style : {Platform::FillSolid, Platform::FillTransparent}) {  // filled only when solid
        s.Cls(), s.FillStyle = style;
        s.Circle(757.5, 757.5, 300);  // centre pixel 50, radius 20 pixels
        EXPECT_EQ(Count(s.Image(), QRect(50, 50, 1, 1), style == Platform::FillSolid ? Red : White), 1);
        EXPECT_GT(Count(s.Image(), QRect(0, 50, 100, 1), Blue), 0) << "outline in ForeColor";
        EXPECT_EQ(Count(s.Image(), QRect(50, 20, 1, 1), White), 1) << "nothing beyond the radius";
    }
    s.Circle(757.5, 757.5, 300, Red);
    EXPECT_TRUE(Count(s.Image(), QRect(0, 50, 100, 1), Red) > 0 && s.ForeColor == Blue);
}

TEST(ImageSurface, DrawStylesGiveTheirDashPatterns) {
    ImageSurface s(600, 80);
    for (int16_t style = 0; style <= 4; ++style)
        s.DrawStyle = style, s.Line(0, 157.5 + style * 210, s.Width(), 157.5 + style * 210);
    EXPECT_EQ(Count(s.Image(), QRect(0, 10, 600, 1), 0), 600) << "solid";
    for (int style = 1; style <= 4; ++style) {
        int dashes = 0, dots = 0, run = 0;
        for (int x = 0; x < 600; ++x) {  // runs touching the line's ends left out
            const bool inked = Count(s.Image(), QRect(x, 10 + style * 14, 1, 1), 0);
            if (!inked && run > 0 && run < x) ++(run >= 6 ? dashes : dots);
            run = inked ? run + 1 : 0;
        }
        // Dash: no dots; dot: no dashes; dash-dot one dot a dash, dash-dot-dot two.
        const int dotsPerDash = style - 2;
        EXPECT_TRUE(dashes + dots > 5 &&
                    (style == 1   ? dots == 0
                     : style == 2 ? dashes == 0
                                  : std::abs(dots - dotsPerDash * dashes) <= dotsPerDash))
            << style << ": " << dashes << " dashes, " << dots << " dots";
    }
}

TEST(ImageSurface, TextIsPlacedAtTopLeftAdvancesAndScales) {
    ImageSurface s(300, 120);
    s.ForeColor = Blue, s.FontSize = 9.75, s.CurrentX = 300, s.CurrentY = 450;
    const float width = s.TextWidth("Dry Bulb ("), height = s.TextHeight("Dry Bulb (");
    s.Print("Dry Bulb (", false);
    EXPECT_TRUE(s.CurrentX == 300 + width && s.CurrentY == 450);
    EXPECT_GT(Count(s.Image(), QRect(20, 30, int(width / 15), int(height / 15)), Blue), 20);
    EXPECT_EQ(Count(s.Image(), QRect(0, 0, 300, 29), Blue) + Count(s.Image(), QRect(0, 0, 19, 120), Blue), 0)
        << "nothing above or left of the current position";
    s.Print("F)"), s.Print("");  // an empty line still moves down a line
    EXPECT_TRUE(s.CurrentX == 0 && std::fabs(s.CurrentY - (450 + 2 * height)) < 0.01f);

    s.BackColor = Cyan;  // opaque text fills its cell
    for (bool transparent : {true, false}) {
        s.FontTransparent = transparent, s.CurrentX = 150, s.CurrentY = 1200, s.Print("  52  ");
        EXPECT_EQ(Count(s.Image(), QRect(11, 81, 1, 1), Cyan), transparent ? 0 : 1)
            << "blank leading the text";
    }
    auto widthAt = [&](double points, bool bold = false) {  // fractional sizes kept
        s.FontSize = points, s.FontBold = bold;
        return s.TextWidth("Pressure = 14.696 psia");
    };
    EXPECT_TRUE(std::fabs(widthAt(20) / widthAt(10) - 2) < 0.2 && widthAt(9.75) > widthAt(9.25) &&
                widthAt(10, true) > widthAt(10) && s.TextHeight("Ag") > 200);
}

TEST(ImageSurface, AbsurdCoordinatesAreIgnoredAndEmptySurfacesAreSafe) {
    ImageSurface s(50, 50);
    int changes = 0;
    s.SetChangeHandler([&] { ++changes; });
    const QImage before = s.Image().copy();
    for (float bad : {NAN, INFINITY, 2e7f}) s.Line(0, 0, bad, 100), s.Line(bad, 0, 100, 100);
    s.Circle(100, 100, -5), s.Circle(100, NAN, 50), s.CurrentX = -INFINITY, s.Print("x");
    s.FontSize = NAN;  // falls back to a usable size
    EXPECT_TRUE(s.TextWidth("x") > 0 && s.Image() == before && changes == 0);
    s.Line(0, 0, 300, 300);
    EXPECT_TRUE(s.Image() != before && changes == 1);

    ImageSurface empty(0, 0);
    empty.Cls(), empty.Line(0, 0, 100, 100), empty.Circle(10, 10, 35), empty.Print("1", false);
    EXPECT_EQ(empty.CurrentX, 10 + ImageSurface(20, 20).TextWidth("1"))
        << "measures from the circle's centre";
    empty.BackColor = Cyan, empty.Resize(40, 30);
    EXPECT_EQ(Count(empty.Image(), QRect(0, 0, 40, 30), Cyan), 40 * 30)
        << "a new picture starts in BackColor";
}

TEST(ImageSurface, BatchedThinLinesFollowTheLinesDrawnOneByOne) {
    const Platform::Segment segments[] = {{10, 20, 1400, 900},  {1400, 900, 30, 1450},
                                          {NAN, 5, 60, 70},     {-300, 1200, 2000, 40},
                                          {700, 700, 700, 700}, {1490, -50, 1200, 3000}};
    ImageSurface batch(100, 100), split(100, 100), single(100, 100);
    batch.Lines(segments, Red);
    EXPECT_EQ(std::pair(batch.CurrentX, batch.CurrentY), std::pair(1200.0f, 3000.0f));
    for (const auto& g : segments) split.Lines({&g, 1}, Red), single.Line(g.x1, g.y1, g.x2, g.y2, Red);
    // Batched or not, a line has the same pixels: one drawn over in another colour leaves nothing.
    EXPECT_EQ(batch.Image(), split.Image());
    // Each inked pixel touches one the painter inks, and the other way round.
    auto near = [](const QImage& a, const QImage& b) {
        int strays = 0, inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (a.pixel(x, y) != qRgb(255, 255, 255))
                    ++inked, strays += Count(b, QRect(x - 1, y - 1, 3, 3) & QRect(0, 0, 100, 100), Red) == 0;
        EXPECT_GT(inked, 200);
        return strays;
    };
    EXPECT_EQ(std::pair(near(batch.Image(), single.Image()), near(single.Image(), batch.Image())),
              std::pair(0, 0));
    ImageSurface dashed(100, 100), dashedOne(100, 100);
    dashed.DrawStyle = dashedOne.DrawStyle = 1;  // dashes are left to the painter
    dashed.Lines(segments, Red);
    for (const auto& g : segments) dashedOne.Line(g.x1, g.y1, g.x2, g.y2, Red);
    EXPECT_EQ(dashed.Image(), dashedOne.Image());
}

// Each pixel of a thin line, flat or steep, lies where the line crosses its centre, one a column (or
// row) from end to end: on a chart wider than the thin-line road's stretches of 4096 pixels, and at
// slope one third from a pixel's centre, where every third centre lies on an edge in the arithmetic
// used and takes the next row (or column).
TEST(ImageSurface, ThinLinesStayOnTheLine) {
    // The picture's length and breadth, and the ends (along, across) in pixels.
    const std::tuple<int, int, double, double, double, double> rows[] = {{9000, 40, 0.3, 2.2, 8999.7, 30.9},
                                                                         {320, 110, 0.5, 0, 300.5, 100}};
    for (const auto& [length, breadth, a1, b1, a2, b2] : rows)
        for (bool steep : {false, true}) {
            ImageSurface s(steep ? breadth : length, steep ? length : breadth);
            const auto tw = [](double pixels) { return static_cast<float>(pixels * 15); };
            const Platform::Segment line = steep ? Platform::Segment{tw(b1), tw(a1), tw(b2), tw(a2)}
                                                 : Platform::Segment{tw(a1), tw(b1), tw(a2), tw(b2)};
            s.Lines({&line, 1}, Red);
            int off = -1, columns = 0;
            for (int a = 0; a < length; ++a) {
                if (a + 0.5 < a1 || a + 0.5 >= a2) continue;
                const int b = static_cast<int>(std::floor(b1 + (b2 - b1) * (a + 0.5 - a1) / (a2 - a1)));
                const QPoint at = steep ? QPoint(b, a) : QPoint(a, b);
                const QRect run = steep ? QRect(0, a, breadth, 1) : QRect(a, 0, 1, breadth);
                if (off < 0 &&
                    (s.Image().pixel(at) != ToQColor(Red).rgb() || Count(s.Image(), run, Red) != 1))
                    off = a;
                ++columns;
            }
            // The first pixel off the line, and the pixels inked.
            EXPECT_EQ(std::pair(off, Count(s.Image(), s.Image().rect(), Red)), std::pair(-1, columns))
                << length << (steep ? " steep" : " flat");
        }
}

TEST(ImageSurface, NumbersAndSmallDotsLookAsDrawnDirectly) {
    ImageSurface s(120, 40);
    s.FontTransparent = false, s.BackColor = Cyan, s.ForeColor = Blue;
    s.CurrentX = 150, s.CurrentY = 157;  // a fraction of a pixel below the row
    s.Print("1234.5", false);
    EXPECT_FLOAT_EQ(s.CurrentX, 150 + s.TextWidth("1234.5")) << "numbers sum their own advances";
    s.FillStyle = Platform::FillSolid, s.ForeColor = s.FillColor = Red, s.Circle(1507.5, 307.5, 35);

    QImage direct(120, 40, QImage::Format_RGB32);
    direct.setDotsPerMeterX(3780), direct.setDotsPerMeterY(3780), direct.fill(Qt::white);
    QPainter painter(&direct);
    QFont font("Sans Serif");
    font.setPointSizeF(8.25), painter.setFont(font);
    const QFontMetricsF metrics(font, &direct);
    painter.fillRect(QRectF(10, 157 / 15.0, metrics.horizontalAdvance("1234.5"), metrics.height()),
                     ToQColor(Cyan));
    painter.setPen(ToQColor(Blue)), painter.drawText(QPointF(10, 157 / 15.0 + metrics.ascent()), "1234.5");
    painter.setPen(ToQColor(Red)), painter.setBrush(ToQColor(Red));
    painter.drawEllipse(QPointF(100.5, 20.5), 35 / 15.0, 35 / 15.0), painter.end();
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) differing += s.Image().pixel(x, y) != direct.pixel(x, y);
    EXPECT_LE(differing, 8);  // an edge pixel of a glyph at most
}
