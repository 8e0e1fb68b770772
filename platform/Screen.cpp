#include "Screen.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "Controls.h"
#include "Message.h"

namespace Platform {

namespace {

int16_t currentPointer = PointerDefault;
bool overridePushed = false;

Qt::CursorShape ShapeOf(int16_t pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
    }
}

class PointerReset : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) SetMousePointer(PointerDefault);
        return false;
    }
};

}  // namespace

void ResetPointerOnMouseMove(QWidget& widget) {
    widget.installEventFilter(new PointerReset(&widget));
    widget.setMouseTracking(true);
}

void SetMousePointer(int16_t pointer) {
    if (pointer < 0 || pointer > 15) return;
    currentPointer = pointer;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    // At most one override of ours is on Qt's stack, so 0 always brings back the
    // controls' own pointers.
    if (pointer == PointerDefault) {
        if (overridePushed) QGuiApplication::restoreOverrideCursor();
        overridePushed = false;
    } else if (overridePushed) {
        QGuiApplication::changeOverrideCursor(QCursor(ShapeOf(pointer)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(pointer)));
        overridePushed = true;
    }
}

int16_t MousePointer() {
    return currentPointer;
}

QRect PlaceInside(const QRect& area, const QRect& frame) {
    const QSize size = frame.size().boundedTo(area.size());
    return {std::clamp(frame.x(), area.left(), area.right() + 1 - size.width()),
            std::clamp(frame.y(), area.top(), area.bottom() + 1 - size.height()), size.width(),
            size.height()};
}

namespace {

QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// What the window manager puts around the window: its own frame once it has one; before it is
// first shown, the frame another window of the program got from the same manager.
QMargins FrameMargins(const QWidget& window) {
    if (!FrameOf(window).isNull()) return FrameOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && !FrameOf(*other).isNull()) return FrameOf(*other);
    return {};
}

// Gives the window the frame `place`; a window larger than the screen gives up its minimum size,
// also one its layout fixes (the colour dialog's).
void SetFrame(QWidget& window, const QRect& place, const QMargins& margins) {
    const QSize client = place.size().shrunkBy(margins);
    if (client != window.size()) {
        if (QLayout* layout = window.layout(); layout && layout->sizeConstraint() == QLayout::SetFixedSize)
            layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        window.setMinimumSize(window.minimumSize().boundedTo(client));
        window.resize(client);
    }
    if (place.topLeft() != window.pos()) window.move(place.topLeft());
}

}  // namespace

QRect FreeArea(const QScreen& screen) {
    // At a fractional scale Qt rounds the screen's size in logical pixels up (1600 / 1.5 gives
    // 1067), and a window of that size reaches a device pixel past the edge.
    const double scale = screen.devicePixelRatio();
    const int partial = scale == std::floor(scale) ? 0 : 1;
    return screen.availableGeometry().adjusted(0, 0, -partial, -partial);
}

void SetWindowFrame(QWidget& window, const QRect& frame) {
    SetFrame(window, frame, FrameMargins(window));
}

namespace {

QRect FreeArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? Platform::FreeArea(*screen) : QRect();
}

// Moves a window only when it opens (partly) off its screen, so a dialog still centres itself
// over its owner when it fits.
class OnScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto& window = *static_cast<QWidget*>(watched);
        const Qt::WindowType type = window.windowType();
        if (!window.isWindow() || (type != Qt::Window && type != Qt::Dialog)) return false;
        const QRect area = FreeArea(window);
        const QMargins margins = FrameMargins(window);
        const QRect frame(window.pos(), window.size().grownBy(margins));
        if (!area.isEmpty() && !area.contains(frame)) SetFrame(window, PlaceInside(area, frame), margins);
        return false;
    }
};

}  // namespace

void CenterForm(QWidget& window) {
    const QRect area = FreeArea(window);
    if (area.isEmpty()) return;
    const QMargins margins = FrameMargins(window);
    const QSize size = window.size().grownBy(margins);
    const QRect centred(area.x() + area.width() / 2 - size.width() / 2,
                        area.y() + area.height() / 2 - size.height() / 2, size.width(), size.height());
    SetFrame(window, PlaceInside(area, centred), margins);
}

void KeepWindowsOnScreen() {
    static OnScreenKeeper* keeper = nullptr;
    if (keeper || !QCoreApplication::instance()) return;
    keeper = new OnScreenKeeper(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(keeper);
}

void InstallMessageBoxSink() {
    Global::SetMessageSink([](const std::string& text, Global::MsgIcon icon, const std::string& title) {
        QMessageBox box(icon == Global::MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                        ToQ(title), ToQ(text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    });
}

}  // namespace Platform
