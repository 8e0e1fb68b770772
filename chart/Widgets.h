// Making a control of the chart window: its name (which tests and automation find it
// by) and its place in twips.
#pragma once

#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>

#include "Controls.h"
#include "Format.h"

namespace Chart {

// `args` come before the parent, as in Qt's constructors (a caption, usually).
template <class W, class... Args>
W* Make(QWidget* parent, const QString& name, int left, int top, int width, int height, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    Platform::Place(widget, left, top, width, height);
    return widget;
}

// A frame of controls, opaque so that one shown over another hides it.
inline QGroupBox* Frame(QWidget* parent, const QString& name, const char* caption, int l, int t, int w,
                        int h) {
    auto* frame = Make<QGroupBox>(parent, name, l, t, w, h, caption);
    frame->setAutoFillBackground(true);
    return frame;
}

// A result shown in a sunken white box.
inline Platform::Label* ValueLabel(QWidget* parent, const QString& name, int l, int t, int w) {
    auto* label = Make<Platform::Label>(parent, name, l, t, w, 255, "");
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->SetBackColor(0xFFFFFF);
    return label;
}

// Sets a small "3" into the two-blank gap of its volume caption ("(ft  /min)"): its figure halfway
// between the unit and the slash, raised until its foot meets the top of the capitals, with nothing
// painted behind it (a background would hide the top of the slash).
inline void PlaceExponent(const QLabel* caption, QLabel* exponent) {
    const QString text = caption->text();
    const int gap = static_cast<int>(text.indexOf(QStringLiteral("  /")));
    if (gap < 0) return;
    const QFontMetrics words = caption->fontMetrics(), small = exponent->fontMetrics();
    const int x = caption->x() + caption->contentsMargins().left();
    const int unitEnd = x + words.tightBoundingRect(text.left(gap)).right();
    const int slashStart =
        x + words.horizontalAdvance(text.left(gap + 2)) + words.tightBoundingRect(QStringLiteral("/")).left();
    const QRect three = small.tightBoundingRect(QStringLiteral("3"));
    const int left = (unitEnd + slashStart + 1) / 2 - three.width() / 2 - three.left();
    const int capitals =
        caption->y() + (caption->height() - words.height()) / 2 + words.ascent() - words.capHeight();
    const int top = capitals + 1 - three.bottom() - small.ascent();
    exponent->setAutoFillBackground(false);
    exponent->setGeometry(left - exponent->contentsMargins().left(), top - exponent->contentsMargins().top(),
                          small.horizontalAdvance(QStringLiteral("3")) + 2, small.height());
    exponent->raise();
}

// The whole text of a box as a number, read strictly (see Global::StrictVal);
// nothing for any other text.
inline std::optional<double> ReadNumber(const QLineEdit* box) {
    return Global::StrictVal(box->text().toStdString());
}

inline QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (shortcut) action->setShortcut(QKeySequence(shortcut));
    return action;
}

inline QAction* AddSeparator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

// A number as the windows show it (see FormatValue for the digit counts).
inline QString Shown(double value, int digits) {
    return QString::fromStdString(Global::FormatValue(value, digits));
}

// A display value as the windows keep it, a 32-bit float, as text: 100 kg/min read
// back through the unit factor shows "100.0", not the "100.00" of the unrounded double.
inline QString ShownFloat(double value, int digits) {
    return Shown(Global::ToFloat(value), digits);
}

}  // namespace Chart
