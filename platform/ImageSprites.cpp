// The image surface's quick road for what a big chart draws by the thousand: the
// markers' solid dots, the point numbers and the process lines. Each dot or digit is
// drawn once into a small image per colour, font and quarter-pixel offset and then
// copied; thin lines are set pixel by pixel; what lies outside the picture is skipped.
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

#include "Controls.h"
#include "QtSurface.h"

namespace Platform {

namespace {

constexpr int Steps = 4;            // offsets per pixel the images are made for
constexpr double MaxDotPixels = 8;  // larger circles are drawn as usual
constexpr int GlyphPad = 3;         // room for ink beyond a character's advance
constexpr std::string_view NumberChars = "0123456789.-";

// Each byte's place in NumberChars, or -1: looked up for every character of every number.
constexpr std::array<signed char, 256> CharIndex = [] {
    std::array<signed char, 256> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < NumberChars.size(); ++i)
        index[static_cast<unsigned char>(NumberChars[i])] = static_cast<signed char>(i);
    return index;
}();

// The whole part below v, for v well inside the int range: a library floor costs a
// call per pixel of a line.
int FloorInt(double v) {
    const int t = static_cast<int>(v);
    return t > v ? t - 1 : t;
}

// Whole pixel and offset step of a device coordinate. Text takes the step below its
// position in sixteenths of a pixel (halves down), as the font engine places glyphs, so
// the cached glyphs match the ones it draws.
std::pair<int, int> Split(double v, bool down = false) {
    constexpr int Fine = 16;
    int whole = FloorInt(v);
    const double fraction = v - whole;
    int step =
        down ? -FloorInt(0.5 - fraction * Fine) * Steps / Fine : static_cast<int>(fraction * Steps + 0.5);
    if (step == Steps) {
        whole += 1;
        step = 0;
    }
    return {whole, step};
}

QImage BlankSprite(int width, int height, QImage::Format format = QImage::Format_ARGB32_Premultiplied) {
    QImage sprite = NewImage96(width, height, format);
    sprite.fill(Qt::transparent);
    return sprite;
}

// The inked part of a sprite alone, its place kept as the image's offset.
QImage Cropped(const QImage& sprite) {
    int left = sprite.width(), right = -1, top = sprite.height(), bottom = -1;
    for (int y = 0; y < sprite.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(sprite.constScanLine(y));
        for (int x = 0; x < sprite.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return BlankSprite(1, 1);  // nothing inked: one clear pixel
    QImage inked = sprite.copy(left, top, right - left + 1, bottom - top + 1);
    inked.setOffset(QPoint(left, top));
    return inked;
}

// A short run of pixels, in copies of fixed size that need no library call: a cell row
// is a few pixels wide and there are many of them.
void CopyPixels(QRgb* to, const QRgb* from, int count) {
    for (; count >= 4; count -= 4, to += 4, from += 4) std::memcpy(to, from, 4 * sizeof(QRgb));
    if (count >= 2) {
        std::memcpy(to, from, 2 * sizeof(QRgb));
        count -= 2, to += 2, from += 2;
    }
    if (count == 1) *to = *from;
}

// Sets bits[a * aStep + b * bStep] to `ink` for a from `first` up to `last`, b being the
// floor of b1 + (a + 0.5 - a1) x slope, where b lies from 0 up to bSize. Stepped in fixed
// point with 32 bits of fraction, b drifts less than 2^-20 of a pixel over a stretch, so
// it is exact wherever it lies farther than 2^-16 from a whole pixel; nearer, the formula
// decides. A long line costs an add a pixel, not a conversion and a multiply.
void SetLinePixels(double a1, double b1, double slope, int first, int last, int bSize, QRgb* bits,
                   qsizetype aStep, qsizetype bStep, QRgb ink) {
    constexpr int Stretch = 4096;
    constexpr double Unit = 4294967296.0;  // 2^32
    constexpr int64_t Near = int64_t{1} << 16;
    const auto step = static_cast<int64_t>(std::llround(slope * Unit));
    auto exact = [&](int a) { return b1 + (a + 0.5 - a1) * slope; };
    for (int start = first; start < last; start += Stretch) {
        const int end = std::min(last, start + Stretch);
        auto v = static_cast<int64_t>(std::floor(exact(start) * Unit));
        for (int a = start; a < end; ++a, v += step) {
            const int b =
                static_cast<uint32_t>(v + Near) < 2 * Near ? FloorInt(exact(a)) : static_cast<int>(v >> 32);
            if (b >= 0 && b < bSize) bits[a * aStep + b * bStep] = ink;
        }
    }
}

}  // namespace

ImageSurface::SpriteSet& ImageSurface::Sprites(const std::string& font, double size, int32_t color,
                                               int32_t fill, int16_t width, std::size_t count,
                                               std::size_t& lastSet) {
    auto matches = [&](const SpriteSet& set) {
        return set.size == size && set.color == color && set.fill == fill && set.width == width &&
               set.font == font && set.images.size() == count;
    };
    if (lastSet < spriteSets_.size() && matches(spriteSets_[lastSet])) return spriteSets_[lastSet];
    auto found = std::find_if(spriteSets_.begin(), spriteSets_.end(), matches);
    if (found == spriteSets_.end()) {
        // A handful of colours and fonts is the rule; a stream of new ones starts afresh.
        if (spriteSets_.size() >= 64) spriteSets_.clear();
        spriteSets_.push_back({font, size, color, fill, width, std::vector<Sprite>(count), {}});
        found = spriteSets_.end() - 1;
    }
    lastSet = static_cast<std::size_t>(found - spriteSets_.begin());
    return *found;
}

uchar* ImageSurface::WritableBits() {
    // A picture shared with the screen gets pixels of its own here; a painter begun on
    // the old ones would go on drawing there, so it ends first.
    if (!image_.isDetached()) EndPainting();
    return image_.bits();
}

void ImageSurface::Sprite::Keep(QImage made) {
    image = std::move(made);
    pixels = reinterpret_cast<const QRgb*>(image.constBits());
    width = image.width();
    height = image.height();
    stride = static_cast<int>(image.bytesPerLine() / qsizetype(sizeof(QRgb)));
    left = image.offset().x();
    top = image.offset().y();
}

void ImageSurface::Blend(const Sprite& sprite, int left, int top, uchar* bits) {
    left += sprite.left;
    top += sprite.top;
    const int x0 = std::max(0, -left), y0 = std::max(0, -top);
    const int x1 = std::min(sprite.width, width_ - left);
    const int y1 = std::min(sprite.height, height_ - top);
    for (int sy = y0; sy < y1; ++sy) {
        const QRgb* src = sprite.pixels + qsizetype(sy) * sprite.stride;
        auto* dst = reinterpret_cast<QRgb*>(bits) + qsizetype(top + sy) * width_ + left;
        for (int sx = x0; sx < x1; ++sx) {
            const QRgb s = src[sx];
            const int a = qAlpha(s);
            if (a == 0) continue;
            if (a == 255) {
                dst[sx] = s;
                continue;
            }
            // Premultiplied source over an opaque pixel.
            const QRgb d = dst[sx];
            auto mix = [a](int sc, int dc) { return sc + (dc * (255 - a) + 127) / 255; };
            dst[sx] = qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
        }
    }
}

bool ImageSurface::DrawDot(float x, float y, float radius, int32_t color) {
    const double k = UnitsPerTwip();
    const double r = radius * k;
    if (!PixelsDirect() || FillStyle != FillSolid || DrawStyle != 0 || !Usable(x) || !Usable(y) ||
        !(r > 0 && r <= MaxDotPixels))
        return false;
    CurrentX = x;
    CurrentY = y;
    const auto [ix, qx] = Split(x * k);
    const auto [iy, qy] = Split(y * k);
    const int pen = std::max<int>(1, DrawWidth);
    const int margin = static_cast<int>(std::ceil(r)) + pen + 1;
    SpriteSet& set = Sprites({}, radius, color, FillColor, DrawWidth, Steps * Steps, lastDots_);
    Sprite& sprite = set.images[static_cast<std::size_t>(qx * Steps + qy)];
    if (!sprite.pixels) {
        QImage image = BlankSprite(2 * margin + 1, 2 * margin + 1);
        QPainter painter(&image);
        QPen outline(ToQColor(color));
        outline.setWidthF(pen);
        outline.setCapStyle(pen > 1 ? Qt::RoundCap : Qt::FlatCap);
        painter.setPen(outline);
        painter.setBrush(ToQColor(FillColor));
        painter.drawEllipse(QPointF(margin + double(qx) / Steps, margin + double(qy) / Steps), r, r);
        painter.end();
        sprite.Keep(Cropped(image));
    }
    Blend(sprite, ix - margin, iy - margin, WritableBits());
    Changed();
    return true;
}

bool ImageSurface::PrintNumber(const std::string& text, bool endLine) {
    if (!PixelsDirect() || text.empty() || text.size() > 32 || !Usable(CurrentX) || !Usable(CurrentY))
        return false;
    std::size_t chars[32];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int index = CharIndex[static_cast<unsigned char>(text[i])];
        if (index < 0) return false;
        chars[i] = static_cast<std::size_t>(index);
    }
    const QFontMetricsF& metrics = Metrics();
    const bool opaque = !FontTransparent;
    fontKey_.assign(FontName).append(FontBold ? "|b" : "|").append(FontItalic ? "i" : "");
    SpriteSet& set = Sprites(fontKey_, FontSize, ForeColor, opaque ? BackColor : -1, 0,
                             NumberChars.size() * Steps * Steps, lastGlyphs_);
    if (set.advances.empty())
        for (char c : NumberChars) set.advances.push_back(metrics.horizontalAdvance(QChar(c)));
    // Digits have fixed advances and no kerning: the number is as wide as its characters.
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) width += set.advances[chars[i]];
    const double k = UnitsPerTwip();
    const double height = metrics.height();
    const double x = CurrentX * k, y = CurrentY * k;
    if (x + width + GlyphPad >= 0 && y + height + GlyphPad >= 0 && x - GlyphPad < width_ &&
        y - GlyphPad < height_) {
        const auto [iy, qy] = Split(y);
        const int top = iy - GlyphPad;
        // An opaque number owns its cell, background included, whatever lay beneath:
        // each character's part of it, the columns whose centres it covers, is copied
        // whole. Row by row, as the rows of the picture lie in memory.
        struct Piece {
            const QRgb* from;
            qsizetype stride;  // of the sprite, in pixels
            int to, count;
        };
        Piece pieces[32];
        int pieceCount = 0;
        uchar* const bits = WritableBits();
        double penX = x;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const double advance = set.advances[chars[i]];
            const auto [ix, qx] = Split(penX, true);
            const Sprite& sprite = GlyphSprite(set, chars[i], qx, qy, opaque);
            const int left = ix - GlyphPad;
            if (!opaque) {
                Blend(sprite, left, top, bits);
            } else {
                const int x0 = std::max({static_cast<int>(std::ceil(penX - 0.5)), left, 0});
                const int x1 = std::min(
                    {static_cast<int>(std::ceil(penX + advance - 0.5)), left + sprite.width, width_});
                if (x0 < x1) pieces[pieceCount++] = {sprite.pixels + (x0 - left), sprite.stride, x0, x1 - x0};
            }
            penX += advance;
        }
        // The rows whose centres lie in the cell, as a fill of the cell covers.
        const int y0 = std::max({static_cast<int>(std::ceil(y - 0.5)), top, 0});
        const int y1 = std::min({static_cast<int>(std::ceil(y + height - 0.5)),
                                 top + static_cast<int>(std::ceil(height)) + 2 * GlyphPad, height_});
        for (int row = y0; row < y1; ++row) {
            auto* line = reinterpret_cast<QRgb*>(bits + qsizetype(row) * width_ * qsizetype(sizeof(QRgb)));
            for (int p = 0; p < pieceCount; ++p)
                CopyPixels(line + pieces[p].to, pieces[p].from + (row - top) * pieces[p].stride,
                           pieces[p].count);
        }
        Changed();
    }
    MoveAfterText(width, height, endLine);
    return true;
}

const ImageSurface::Sprite& ImageSurface::GlyphSprite(SpriteSet& set, std::size_t index, int qx, int qy,
                                                      bool opaque) {
    Sprite& sprite =
        set.images[(index * Steps + static_cast<std::size_t>(qx)) * Steps + static_cast<std::size_t>(qy)];
    if (sprite.pixels) return sprite;
    // An opaque cell is made as the picture's own pixels are, so it looks the same.
    const QFontMetricsF& metrics = Metrics();
    QImage image = BlankSprite(static_cast<int>(std::ceil(set.advances[index])) + 2 * GlyphPad,
                               static_cast<int>(std::ceil(metrics.height())) + 2 * GlyphPad,
                               opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (opaque) image.fill(ToQColor(BackColor));
    QPainter painter(&image);
    painter.setFont(CurrentFont());
    painter.setPen(ToQColor(ForeColor));
    painter.drawText(QPointF(GlyphPad + double(qx) / Steps, GlyphPad + double(qy) / Steps + metrics.ascent()),
                     QString(QChar(NumberChars[index])));
    painter.end();
    sprite.Keep(opaque ? image : Cropped(image));
    return sprite;
}

void ImageSurface::Circle(float x, float y, float radius, std::optional<int32_t> color) {
    if (!DrawDot(x, y, radius, color.value_or(ForeColor))) QtSurface::Circle(x, y, radius, color);
}

void ImageSurface::Lines(std::span<const Segment> segments, int32_t color) {
    if (!PixelsDirect() || DrawStyle != 0 || DrawWidth > 1) {
        QtSurface::Lines(segments, color);
        return;
    }
    if (segments.empty()) return;
    CurrentX = segments.back().x2;
    CurrentY = segments.back().y2;
    const QRgb ink = ToQColor(color).rgb();
    auto* const bits = reinterpret_cast<QRgb*>(WritableBits());
    const double k = UnitsPerTwip();
    // Along the longer axis, every pixel whose centre lies from the start up to (not
    // including) the end, in the row or column the line crosses that centre in. The
    // same pixels however the segments are batched, so a line drawn over in another
    // colour leaves nothing of the old one.
    auto run = [&](double a1, double b1, double a2, double b2, int aSize, int bSize, qsizetype aStep,
                   qsizetype bStep) {
        const int first = std::max(0, static_cast<int>(std::ceil(std::min(a1, a2) - 0.5)));
        const int last = std::min(aSize, static_cast<int>(std::ceil(std::max(a1, a2) - 0.5)));
        SetLinePixels(a1, b1, (b2 - b1) / (a2 - a1), first, last, bSize, bits, aStep, bStep, ink);
    };
    for (const Segment& s : segments) {
        if (!Usable(s.x1) || !Usable(s.y1) || !Usable(s.x2) || !Usable(s.y2)) continue;
        const double x1 = s.x1 * k, y1 = s.y1 * k, x2 = s.x2 * k, y2 = s.y2 * k;
        if (std::abs(x2 - x1) >= std::abs(y2 - y1)) {
            if (x1 != x2) run(x1, y1, x2, y2, width_, height_, 1, width_);
        } else {
            run(y1, x1, y2, x2, height_, width_, width_, 1);
        }
    }
    Changed();
}

void ImageSurface::Print(const std::string& text, bool endLine) {
    if (!PrintNumber(text, endLine)) QtSurface::Print(text, endLine);
}

}  // namespace Platform
