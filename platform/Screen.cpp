#include "Screen.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

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

void CenterForm(QWidget& window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window.isVisible() ? window.frameGeometry().size() : window.size();
    window.move(area.x() + area.width() / 2 - size.width() / 2,
                area.y() + area.height() / 2 - size.height() / 2);
}

void InstallMessageBoxSink() {
    Global::SetMessageSink([](const std::string& text, Global::MsgIcon icon, const std::string& title) {
        QMessageBox box(icon == Global::MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                        ToQ(title), ToQ(text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    });
}

}  // namespace Platform
