#include "RecordingSurface.h"

namespace Platform {

RecordingSurface::Record RecordingSurface::Snapshot(Op op) const {
    Record r{};
    r.op = op;
    r.color = ForeColor;
    r.fillColor = FillColor;
    r.fillStyle = FillStyle;
    r.drawStyle = DrawStyle;
    r.drawWidth = DrawWidth;
    r.drawMode = DrawMode;
    r.fontSize = FontSize;
    r.fontBold = FontBold;
    r.fontItalic = FontItalic;
    r.fontName = FontName;
    r.fontTransparent = FontTransparent;
    return r;
}

void RecordingSurface::Cls() {
    records.push_back(Snapshot(Op::Cls));
    CurrentX = CurrentY = 0;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, std::optional<int32_t> color) {
    Record r = Snapshot(Op::Line);
    r.x1 = x1, r.y1 = y1, r.x2 = x2, r.y2 = y2;
    if (color) r.color = *color;
    records.push_back(r);
    CurrentX = x2;
    CurrentY = y2;
}

void RecordingSurface::Circle(float x, float y, float radius, std::optional<int32_t> color) {
    Record r = Snapshot(Op::Circle);
    r.x1 = x, r.y1 = y, r.x2 = radius;
    if (color) r.color = *color;
    records.push_back(r);
    CurrentX = x;
    CurrentY = y;
}

void RecordingSurface::Print(const std::string& text, bool endLine) {
    Record r = Snapshot(Op::Print);
    r.x1 = CurrentX, r.y1 = CurrentY;
    r.text = text;
    r.endLine = endLine;
    records.push_back(r);
    if (endLine) {
        CurrentX = 0;
        CurrentY += TextHeight(text);
    } else {
        CurrentX += TextWidth(text);
    }
}

// Ten twips per character per point of size, and 1.2 lines: round figures for tests.
float RecordingSurface::TextWidth(const std::string& text) {
    return static_cast<float>(text.size() * FontSize * 10.0);
}

float RecordingSurface::TextHeight(const std::string&) { return static_cast<float>(FontSize * 24.0); }

void RecordingSurface::EndDoc() { records.push_back(Snapshot(Op::EndDoc)); }

}  // namespace Platform
