// Screen-wide services: the mouse pointer, centring a window and the message box
// that the whole program reports through.
#pragma once

#include <QRect>
#include <cstdint>

class QScreen;
class QWidget;

namespace Platform {

inline constexpr int16_t PointerDefault = 0;
inline constexpr int16_t PointerCrosshair = 2;
inline constexpr int16_t PointerHourglass = 11;

// The pointer shown over every window of the program: 0 the default of each
// control, 1 to 15 the classic shapes (2 crosshair, 11 hourglass). Other values are
// ignored.
void SetMousePointer(int16_t pointer);
int16_t MousePointer();

// Shows the hourglass while alive and the default pointer again on every way out.
class Hourglass {
public:
    Hourglass() { SetMousePointer(PointerHourglass); }
    ~Hourglass() { SetMousePointer(PointerDefault); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// Moving the mouse over the widget (not its children) sets the pointer back to the
// default, so an hourglass left by a calculation that stopped early is cleared.
void ResetPointerOnMouseMove(QWidget& widget);

// Where a window whose frame (title bar and borders included) is `frame` goes on the screen
// area `area`: no larger than the area and wholly inside it, moved as little as it can be.
QRect PlaceInside(const QRect& area, const QRect& frame);

// The screen's free area, kept a device pixel inside its edges at a fractional scale.
QRect FreeArea(const QScreen& screen);

// Gives the window the frame (title bar and borders included) `frame`, its minimum size
// given up where the frame is smaller.
void SetWindowFrame(QWidget& window, const QRect& frame);

// Moves the window to the middle of its screen's free area, made smaller first where it
// would not fit.
void CenterForm(QWidget& window);

// From now on every window and dialog of the program is kept inside its screen's free area
// when it is shown.
void KeepWindowsOnScreen();

// Routes Global::ShowMessage to a modal message box with an OK button.
void InstallMessageBoxSink();

}  // namespace Platform
