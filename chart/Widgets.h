// Making a control of the chart window: its name (which tests and automation find it
// by) and its place in twips.
#pragma once

#include <QString>
#include <QWidget>
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
