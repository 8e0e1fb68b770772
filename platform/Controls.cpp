#include "Controls.h"

#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Platform {

QColor ToQColor(int32_t rgb) {
    const auto v = static_cast<uint32_t>(rgb);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int32_t FromQColor(const QColor& color) {
    const QColor c = color.toRgb();
    return static_cast<int32_t>(static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
                                (static_cast<uint32_t>(c.blue()) << 16));
}

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string FromQ(const QString& text) {
    return text.toStdString();
}

namespace {

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

}  // namespace

void Place(QWidget* widget, int left, int top, int width, int height) {
    if (!widget) return;
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), std::max(0, TwipsToPixels(width)),
                        std::max(0, TwipsToPixels(height)));
}

Label::Label(QWidget* parent) : Label(QString(), parent) {}

Label::Label(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Without this the palette colour would never be painted behind the text.
    setAutoFillBackground(true);
    backColor_ = FromQColor(palette().color(QPalette::Window));
    foreColor_ = FromQColor(palette().color(QPalette::WindowText));
}

void Label::SetBackColor(int32_t rgb) {
    backColor_ = rgb;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(rgb));
    setPalette(p);
}

void Label::SetForeColor(int32_t rgb) {
    foreColor_ = rgb;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(rgb));
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace Platform
