// Small helpers for the windows that are built in code: placement in twips, the
// program's colour form and text conversion, and a label that reports clicks.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace Platform {

inline constexpr double TwipsPerPixel = 15.0;
inline constexpr double TwipsPerInch = 1440.0;

// The program keeps colours as RGB with red in the low byte (255 red, 16711680 blue).
QColor ToQColor(int32_t rgb);
int32_t FromQColor(const QColor& color);

QString ToQ(const std::string& text);
std::string FromQ(const QString& text);

// Sets the geometry from twips, rounded to whole logical pixels.
void Place(QWidget* widget, int left, int top, int width, int height);

// Runs `handler` whenever the widget loses the keyboard focus, except to a menu popup
// or to another window: the moment an edit counts as finished. (editingFinished does
// not fire when an unchanged box is left.)
void OnLostFocus(QWidget& widget, std::function<void()> handler);

// A label that can be clicked and whose background colour is part of its state
// (the panels mark the selected column with it).
class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE SetForeColor)
public:
    explicit Label(QWidget* parent = nullptr);
    Label(const QString& text, QWidget* parent = nullptr);

    void SetBackColor(int32_t rgb);
    int32_t BackColor() const { return backColor_; }

    void SetForeColor(int32_t rgb);
    int32_t ForeColor() const { return foreColor_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int32_t backColor_;
    int32_t foreColor_;
};

}  // namespace Platform
