// Building the calculator window's controls: one shape per kind of control, placed
// in twips inside their frame.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Controls.h"
#include "PictureBox.h"
#include "Widgets.h"

namespace CalcLayout {

using Chart::Make;
using Platform::Label;

// Every calculator frame fills the same place; one is shown at a time.
inline constexpr int FrameLeft = 120, FrameTop = 120, FrameWidth = 9840, FrameHeight = 6360;
// Inputs and results: caption at the left, box or value in the second column.
inline constexpr int CaptionLeft = 120, CaptionWidth = 2640, FieldLeft = 2880, FieldWidth = 1200;
inline constexpr int ColumnWidth = 3960;  // buttons and frames of the left column
// The schematic and the choosers that open over it; each figure has its box's own size.
inline constexpr int PictureLeft = 4320, PictureTop = 360;
inline constexpr int MassFlowTop = 4680;

using Chart::Frame;

inline Label* Caption(QWidget* parent, const QString& name, const QString& caption, int l, int t,
                      int w = CaptionWidth) {
    return Make<Label>(parent, name, l, t, w, 255, caption);
}

inline Label* Value(QWidget* parent, const QString& name, int l, int t, int w = FieldWidth) {
    return Chart::ValueLabel(parent, name, l, t, w);
}

inline QLineEdit* Box(QWidget* parent, const QString& name, int l, int t, int w = FieldWidth) {
    return Make<QLineEdit>(parent, name, l, t, w, 300);
}

inline QPushButton* Button(QWidget* parent, const QString& name, const char* caption, int l, int t,
                           int w = ColumnWidth, int h = 375) {
    return Make<QPushButton>(parent, name, l, t, w, h, caption);
}

inline QRadioButton* Option(QWidget* parent, const QString& name, const char* caption, int l, int t, int w) {
    return Make<QRadioButton>(parent, name, l, t, w, 300, caption);
}

inline Platform::PictureBox* Picture(QWidget* parent, const QString& name, int width, int height) {
    return Make<Platform::PictureBox>(parent, name, PictureLeft, PictureTop, width, height);
}

// The small "3" set in the gap of a volume caption such as "(ft  /min)".
inline Label* Exponent(QWidget* parent, const QString& name) {
    auto* label = Make<Label>(parent, name, 0, 0, 120, 195, "3");
    label->setAutoFillBackground(false);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    label->setFont(small);
    return label;
}

// A caption and its input box on one row.
inline QLineEdit* InputRow(QWidget* parent, Label*& caption, const QString& captionName, const char* text,
                           const QString& boxName, int top) {
    caption = Caption(parent, captionName, text, CaptionLeft, top + 30);
    return Box(parent, boxName, FieldLeft, top);
}

// A result caption and its value label on one row.
inline Label* ResultRow(QWidget* parent, Label*& caption, const QString& captionName, const char* text,
                        const QString& valueName, int top) {
    caption = Caption(parent, captionName, text, CaptionLeft, top);
    return Value(parent, valueName, FieldLeft, top);
}

// The controls of one "Mass Flow Calculator" frame, by name. A frame without a point
// choice (water/air) leaves the options and "at" out.
template <class T>
struct Slot {
    T** widget;
    const char* name;
};

struct MassFlowFrame {
    Slot<QGroupBox> frame;
    Slot<Label> volume;
    const char* volumeCaption;
    Slot<Label> exponent;
    Slot<QLineEdit> box;
    Slot<Label> at;
    Slot<QRadioButton> first;
    const char* firstCaption;
    Slot<QRadioButton> second;
    const char* secondCaption;
    Slot<QPushButton> ok, close;
    Slot<Label> mass, massValue;
};

// Builds it hidden at the foot of its calculator frame.
void BuildMassFlowFrame(QWidget* parent, const MassFlowFrame& f);

}  // namespace CalcLayout
