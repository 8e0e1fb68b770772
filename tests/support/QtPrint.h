// How a failed check prints Qt's geometry: "(x, y) w x h", not the object's bytes.
#pragma once

#include <QRect>
#include <ostream>

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}
