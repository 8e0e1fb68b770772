#include "QtSurface.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "Controls.h"

namespace Platform {

namespace {

// Dash patterns in line widths, close to the classic screen dashes.
QList<qreal> DashPattern(int16_t style) {
    switch (style) {
        case 1:
            return {18, 6};
        case 2:
            return {3, 3};
        case 3:
            return {9, 6, 3, 6};
        case 4:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

double ClampedFontSize(double points) {
    if (!std::isfinite(points)) return 8.25;
    return std::clamp(points, 1.0, 1000.0);
}

QString ToQText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QImage NewImage96(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    constexpr int dotsPerMeter = 3780;
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

void QtSurface::ForgetPainterState() {
    appliedPainter_ = nullptr;
    appliedPen_.reset();
    appliedMode_.reset();
    appliedFont_ = false;
}

QPainter* QtSurface::PreparePainter() {
    QPainter* painter = ActivePainter();
    if (!painter) return nullptr;
    if (painter != appliedPainter_) {
        ForgetPainterState();
        appliedPainter_ = painter;
    }
    if (appliedMode_ != DrawMode) {
        const bool invert = DrawMode == DrawModes::Invert;
        // Inverting twice must give back every pixel, so no blending at the edges.
        painter->setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                           : QPainter::CompositionMode_SourceOver);
        painter->setRenderHint(QPainter::Antialiasing, !invert && Antialiased());
        appliedMode_ = DrawMode;
    }
    return painter;
}

void QtSurface::ApplyPen(QPainter& painter, int32_t color) {
    const PenKey key{color, DrawStyle, DrawWidth};
    if (appliedPen_ == key) return;
    const int16_t pixels = std::max<int16_t>(1, DrawWidth);
    pen_ = QPen(ToQColor(color));
    pen_.setWidthF(pixels * UnitsPerPixel());
    const QList<qreal> dashes = DashPattern(DrawStyle);
    if (dashes.isEmpty()) {
        pen_.setCapStyle(pixels > 1 ? Qt::RoundCap : Qt::FlatCap);
    } else {
        pen_.setDashPattern(dashes);
        pen_.setCapStyle(Qt::FlatCap);
    }
    painter.setPen(pen_);
    appliedPen_ = key;
}

const QFontMetricsF& QtSurface::Metrics() {
    const double size = ClampedFontSize(FontSize);
    if (!fontValid_ || fontName_ != FontName || fontSize_ != size || fontBold_ != FontBold ||
        fontItalic_ != FontItalic) {
        fontName_ = FontName;
        fontSize_ = size;
        fontBold_ = FontBold;
        fontItalic_ = FontItalic;
        font_ = QFont(ToQText(FontName));
        // A serif face missing from the system falls back to another serif face.
        const QString family = font_.family();
        if ((family.contains(QLatin1String("Times")) || family.contains(QLatin1String("Serif"))) &&
            !family.contains(QLatin1String("Sans")))
            font_.setStyleHint(QFont::Serif);
        font_.setPointSizeF(size);
        font_.setBold(FontBold);
        font_.setItalic(FontItalic);
        metrics_.emplace(font_, MetricsDevice());
        fontValid_ = true;
        appliedFont_ = false;
    }
    return *metrics_;
}

const QFont& QtSurface::CurrentFont() {
    Metrics();
    return font_;
}

void QtSurface::ApplyFont(QPainter& painter) {
    Metrics();
    if (appliedFont_) return;
    painter.setFont(font_);
    appliedFont_ = true;
}

void QtSurface::Line(float x1, float y1, float x2, float y2, std::optional<int32_t> color) {
    CurrentX = x2;
    CurrentY = y2;
    if (!Usable(x1) || !Usable(y1) || !Usable(x2) || !Usable(y2)) return;
    QPainter* painter = PreparePainter();
    if (!painter) return;
    ApplyPen(*painter, color.value_or(ForeColor));
    const double k = UnitsPerTwip();
    painter->drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
    Changed();
}

void QtSurface::Circle(float x, float y, float radius, std::optional<int32_t> color) {
    CurrentX = x;
    CurrentY = y;
    if (!Usable(x) || !Usable(y) || !Usable(radius) || radius <= 0) return;
    QPainter* painter = PreparePainter();
    if (!painter) return;
    ApplyPen(*painter, color.value_or(ForeColor));
    if (FillStyle == FillSolid)
        painter->setBrush(ToQColor(FillColor));
    else
        painter->setBrush(Qt::NoBrush);
    const double k = UnitsPerTwip();
    painter->drawEllipse(QPointF(x * k, y * k), radius * k, radius * k);
    Changed();
}

void QtSurface::Print(const std::string& text, bool endLine) {
    const QString q = ToQText(text);
    const QFontMetricsF& metrics = Metrics();
    const double k = UnitsPerTwip();
    const double width = metrics.horizontalAdvance(q);
    const double height = metrics.height();
    if (Usable(CurrentX) && Usable(CurrentY)) {
        if (QPainter* painter = PreparePainter()) {
            ApplyFont(*painter);
            const double x = CurrentX * k;
            const double y = CurrentY * k;
            if (!FontTransparent) painter->fillRect(QRectF(x, y, width, height), ToQColor(BackColor));
            ApplyPen(*painter, ForeColor);
            painter->drawText(QPointF(x, y + metrics.ascent()), q);
            Changed();
        }
    }
    MoveAfterText(width, height, endLine);
}

void QtSurface::MoveAfterText(double width, double height, bool endLine) {
    const double k = UnitsPerTwip();
    if (endLine) {
        CurrentX = 0;
        CurrentY += static_cast<float>(height / k);
    } else {
        CurrentX += static_cast<float>(width / k);
    }
}

float QtSurface::TextWidth(const std::string& text) {
    return static_cast<float>(Metrics().horizontalAdvance(ToQText(text)) / UnitsPerTwip());
}

float QtSurface::TextHeight(const std::string&) {
    return static_cast<float>(Metrics().height() / UnitsPerTwip());
}

// ImageSurface

ImageSurface::ImageSurface(int widthPixels, int heightPixels, double devicePixelRatio) {
    Resize(widthPixels, heightPixels, devicePixelRatio);
}

ImageSurface::~ImageSurface() {
    EndPainting();
}

void ImageSurface::Resize(int widthPixels, int heightPixels, double devicePixelRatio) {
    EndPainting();
    width_ = std::max(0, widthPixels);
    height_ = std::max(0, heightPixels);
    ratio_ = std::isfinite(devicePixelRatio) && devicePixelRatio >= 1 && devicePixelRatio <= 8
                 ? devicePixelRatio
                 : 1.0;
    Allocate();
}

void ImageSurface::Allocate() {
    image_ = QImage();
    if (width_ == 0 || height_ == 0) return;
    const int w = static_cast<int>(std::lround(width_ * ratio_));
    const int h = static_cast<int>(std::lround(height_ * ratio_));
    // Fonts are sized from the image's resolution, whatever the platform's screen says.
    image_ = NewImage96(w, h, QImage::Format_RGB32);
    if (image_.isNull()) return;  // too large to allocate: behaves as an empty box
    image_.setDevicePixelRatio(ratio_);
    image_.fill(ToQColor(BackColor));
}

void ImageSurface::EndPainting() {
    if (!painter_) return;
    painter_->end();
    painter_.reset();
    ForgetPainterState();
}

float ImageSurface::Width() const {
    return static_cast<float>(width_ * TwipsPerPixel);
}

float ImageSurface::Height() const {
    return static_cast<float>(height_ * TwipsPerPixel);
}

void ImageSurface::Cls() {
    CurrentX = 0;
    CurrentY = 0;
    if (image_.isNull()) return;
    EndPainting();
    image_.fill(ToQColor(BackColor));
    Changed();
}

QPainter* ImageSurface::ActivePainter() {
    if (image_.isNull()) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&image_)) {
            painter_.reset();
            return nullptr;
        }
        ForgetPainterState();
    }
    return painter_.get();
}

const QPaintDevice* ImageSurface::MetricsDevice() const {
    if (!image_.isNull()) return &image_;
    // An empty box still measures text as the filled one would.
    static const QImage reference = NewImage96(1, 1, QImage::Format_RGB32);
    return &reference;
}

double ImageSurface::UnitsPerTwip() const {
    return 1.0 / TwipsPerPixel;
}

void ImageSurface::Changed() {
    if (changed_) changed_();
}

}  // namespace Platform
