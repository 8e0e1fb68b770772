#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "Controls.h"

namespace Platform {

namespace {

int ButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

float ToTwips(double pixels) {
    return static_cast<float>(pixels * TwipsPerPixel);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), surface_(0, 0) {
    setMouseTracking(true);
    // Every pixel comes from the image, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetChangeHandler([this] { ImageChanged(); });
}

Surface& PictureBox::surface() {
    return imageSurface();
}

ImageSurface& PictureBox::imageSurface() {
    // A hidden widget gets its resize event only when shown, but the window reads
    // the size right after setting it.
    SyncSize();
    return surface_;
}

int32_t PictureBox::BackColor() const {
    return surface_.BackColor;
}

void PictureBox::SetBackColor(int32_t rgb) {
    surface_.BackColor = rgb;
    stale_ = true;
    update();
}

void PictureBox::Refresh() {
    if (redrawing_) return;  // a Paint handler asking for a refresh is already one
    SyncSize();
    Redraw();
    if (isVisible()) repaint();
}

void PictureBox::SyncSize() {
    const double ratio = std::clamp(devicePixelRatioF(), 1.0, 8.0);
    if (surface_.PixelWidth() == width() && surface_.PixelHeight() == height() &&
        surface_.DevicePixelRatio() == ratio)
        return;
    surface_.Resize(width(), height(), ratio);
    stale_ = true;
}

void PictureBox::Redraw() {
    stale_ = false;
    redrawing_ = true;
    surface_.Cls();
    emit Paint();
    redrawing_ = false;
}

void PictureBox::ImageChanged() {
    // While Paint is being handled the image is shown right afterwards anyway.
    if (redrawing_ || updatePending_) return;
    updatePending_ = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    SyncSize();
    if (stale_) Redraw();
    updatePending_ = false;
    const QImage& image = surface_.Image();
    if (image.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SyncSize();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    const QPointF p = event->position();
    emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(p.x()),
                   ToTwips(p.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), ToTwips(p.x()),
                   ToTwips(p.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(p.toPoint());
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    emit MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), ToTwips(p.x()), ToTwips(p.y()));
    if (click) emit Click();
}

}  // namespace Platform
