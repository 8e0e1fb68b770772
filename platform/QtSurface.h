// The drawing surface over a Qt paint device. QtSurface turns twips into device
// units and applies the surface settings to one long-lived painter; ImageSurface
// draws into a persistent image that a picture box shows.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPen>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Surface.h"

class QPainter;
class QPaintDevice;

namespace Platform {

// A blank image at 96 dots per inch, the resolution fonts are sized for on the screen.
QImage NewImage96(int width, int height, QImage::Format format);

class QtSurface : public Surface {
public:
    void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> color = {}) override;
    void Circle(float x, float y, float radius, std::optional<int32_t> color = {}) override;
    void Print(const std::string& text, bool endLine = true) override;
    float TextWidth(const std::string& text) override;
    float TextHeight(const std::string& text) override;

protected:
    // Beyond this a coordinate is a fault upstream; Qt would only spend time on it.
    static bool Usable(double twips) { return std::isfinite(twips) && std::abs(twips) <= 1e7; }

    // The painter to draw with, already begun on the target; nullptr when the target
    // cannot be drawn on (zero size, no printer).
    virtual QPainter* ActivePainter() = 0;
    // The device fonts are measured for, valid whether painting or not.
    virtual const QPaintDevice* MetricsDevice() const = 0;
    // Device units per twip.
    virtual double UnitsPerTwip() const = 0;
    // Device units of one pixel of DrawWidth.
    virtual double UnitsPerPixel() const { return 1.0; }
    // Antialiasing for copy-mode drawing; invert mode is always aliased.
    virtual bool Antialiased() const { return false; }
    // Called after an operation has drawn on the target.
    virtual void Changed() {}

    // The painter with the drawing mode applied, or nullptr; the font with its metrics.
    QPainter* PreparePainter();
    const QFont& CurrentFont();
    const QFontMetricsF& Metrics();

    // The current position after text of this size in device units, as Print leaves it.
    void MoveAfterText(double width, double height, bool endLine);

    // A new painter has begun: nothing has been applied to it yet.
    void ForgetPainterState();
    // The device or its resolution changed: fonts must be measured again.
    void ForgetFont() { fontValid_ = false; }

private:
    struct PenKey {
        int32_t color = 0;
        int16_t style = 0;
        int16_t width = 0;
        bool operator==(const PenKey&) const = default;
    };

    void ApplyPen(QPainter& painter, int32_t color);
    void ApplyFont(QPainter& painter);

    // Pen, mode and font last set on the painter, so that a run of lines in one
    // style costs one setPen.
    QPainter* appliedPainter_ = nullptr;
    std::optional<PenKey> appliedPen_;
    std::optional<DrawModes> appliedMode_;
    bool appliedFont_ = false;
    QPen pen_;

    // Font built from the font settings, rebuilt only when one of them changes.
    bool fontValid_ = false;
    std::string fontName_;
    double fontSize_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
};

// A surface over an image in logical pixels at 96 dots per inch (15 twips a pixel).
class ImageSurface : public QtSurface {
public:
    ImageSurface(int widthPixels, int heightPixels, double devicePixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // Reallocates the image (blank, in BackColor); settings and position stay.
    void Resize(int widthPixels, int heightPixels, double devicePixelRatio = 1.0);
    // The picture; a null image while the surface has no area.
    const QImage& Image() const { return image_; }
    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }
    double DevicePixelRatio() const { return ratio_; }

    // Called after every operation that changed the picture.
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    float Width() const override;
    float Height() const override;
    void Cls() override;
    // Small solid dots and numbers, which a big chart draws by the thousand, come from
    // images made once and copied, and thin solid lines in a batch are set pixel by pixel;
    // anything else is drawn as on any surface.
    void Lines(std::span<const Segment> segments, int32_t color) override;
    void Circle(float x, float y, float radius, std::optional<int32_t> color = {}) override;
    void Print(const std::string& text, bool endLine = true) override;

protected:
    QPainter* ActivePainter() override;
    const QPaintDevice* MetricsDevice() const override;
    double UnitsPerTwip() const override;
    void Changed() override;

private:
    void Allocate();
    void EndPainting();

    // Pixels may be set straight into the picture: one per logical pixel, in copy mode.
    bool PixelsDirect() const { return ratio_ == 1.0 && !image_.isNull() && DrawMode == DrawModes::Copy; }
    bool DrawDot(float x, float y, float radius, int32_t color);
    bool PrintNumber(const std::string& text, bool endLine);
    uchar* WritableBits();

    // An image made once, with what copying it needs read out of it beforehand.
    struct Sprite {
        QImage image;
        const QRgb* pixels = nullptr;                              // null: not made yet
        int width = 0, height = 0, stride = 0, left = 0, top = 0;  // stride in pixels
        void Keep(QImage made);
    };
    // Images of one dot or one character at each quarter of a pixel of offset.
    struct SpriteSet {
        std::string font;  // font name, size, weight and slant of glyphs; empty for dots
        double size = 0;
        int32_t color = 0, fill = 0;
        int16_t width = 0;
        std::vector<Sprite> images;
        std::vector<double> advances;  // of the characters, for glyph sets
    };
    // The set for these settings, made when new; `lastSet` remembers where it was found.
    SpriteSet& Sprites(const std::string& font, double size, int32_t color, int32_t fill, int16_t width,
                       std::size_t count, std::size_t& lastSet);
    // The image of character `index` of a glyph set at offset step (qx, qy), made when new.
    const Sprite& GlyphSprite(SpriteSet& set, std::size_t index, int qx, int qy, bool opaque);
    // Copies the inked pixels of a premultiplied sprite placed at (left, top) into the
    // picture's pixels `bits` (from WritableBits).
    void Blend(const Sprite& sprite, int left, int top, uchar* bits);
    std::vector<SpriteSet> spriteSets_;
    // Dots and numbers alternate: each keeps its own last set.
    std::size_t lastDots_ = 0, lastGlyphs_ = 0;
    std::string fontKey_;

    int width_ = 0;
    int height_ = 0;
    double ratio_ = 1.0;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::function<void()> changed_;
};

}  // namespace Platform
