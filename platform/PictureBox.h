// A widget that keeps its picture in an image, so that drawing may happen at any
// time (the rubber band is drawn from mouse events) and repaints only copy the image.
// When the image has been lost (resize, Refresh, new background colour) the next
// paint clears it and raises Paint for the window to draw it again.
#pragma once

#include <QWidget>
#include <cstdint>

#include "QtSurface.h"

namespace Platform {

class PictureBox : public QWidget {
    Q_OBJECT
    // Readable by name, as tests and automation look at controls.
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The surface over the picture, sized to the widget.
    Surface& surface();
    ImageSurface& imageSurface();

    int32_t BackColor() const;
    // Also clears the picture, which is drawn again on the next paint.
    void SetBackColor(int32_t rgb);

    // Clears and redraws the picture (Paint) and shows it at once.
    void Refresh();

signals:
    void Paint();
    void Click();
    // Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 ctrl, 4 alt; X, Y in twips.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SyncSize();
    void Redraw();
    void ImageChanged();

    ImageSurface surface_;
    bool stale_ = true;
    bool redrawing_ = false;
    bool updatePending_ = false;
    bool leftPressed_ = false;
};

}  // namespace Platform
