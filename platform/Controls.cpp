#include "Controls.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

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

namespace {

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) handler_();
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void OnLostFocus(QWidget& widget, std::function<void()> handler) {
    widget.installEventFilter(new LostFocusFilter(&widget, std::move(handler)));
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
