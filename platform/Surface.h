// What the drawing code needs of a picture box or a printer page. Coordinates are
// twips (1/1440 inch) from the top-left corner, y growing downwards. Settings are
// plain fields that stay on the target until changed, and every operation uses the
// values they hold when it runs.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace Platform {

enum class DrawModes { Copy, Invert };

struct Segment {
    float x1, y1, x2, y2;
};

inline constexpr int16_t FillSolid = 0;
inline constexpr int16_t FillTransparent = 1;

// The settings a target keeps between operations, with the values a new target has.
struct SurfaceSettings {
    float CurrentX = 0;
    float CurrentY = 0;
    int32_t ForeColor = 0;  // RGB, red in the low byte
    int32_t FillColor = 0;
    int32_t BackColor = 0xFFFFFF;
    int16_t FillStyle = FillTransparent;
    int16_t DrawStyle = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    int16_t DrawWidth = 1;  // pixels
    DrawModes DrawMode = DrawModes::Copy;
    double FontSize = 8.25;  // points, fractional sizes allowed
    bool FontBold = false;
    bool FontItalic = false;
    std::string FontName = "Sans Serif";
    bool FontTransparent = true;  // false: the text cell is filled with BackColor first
};

class Surface : public SurfaceSettings {
public:
    virtual ~Surface() = default;

    // Size of the target in twips.
    virtual float Width() const = 0;
    virtual float Height() const = 0;

    // Fills the target with BackColor and moves the current position to the origin.
    virtual void Cls() = 0;

    // Segment in `color`, else ForeColor, dashed by DrawStyle; the current position
    // becomes its end.
    virtual void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> color = {}) = 0;

    // Many segments in one colour, as Line would draw them one after another.
    virtual void Lines(std::span<const Segment> segments, int32_t color) {
        for (const Segment& s : segments) Line(s.x1, s.y1, s.x2, s.y2, color);
    }

    // Circle in `color`, else ForeColor, filled with FillColor when FillStyle is
    // FillSolid; the current position becomes its centre.
    virtual void Circle(float x, float y, float radius, std::optional<int32_t> color = {}) = 0;

    // Text with its top-left corner at the current position. Without a line end
    // CurrentX advances by its width; with one CurrentY moves down a text line and
    // CurrentX goes back to 0.
    virtual void Print(const std::string& text, bool endLine = true) = 0;

    virtual float TextWidth(const std::string& text) = 0;
    virtual float TextHeight(const std::string& text) = 0;

    // Ends the printed document (printers only).
    virtual void EndDoc() {}

    // Every setting back to what a new target has, so each printed document starts alike.
    void ResetSettings() { static_cast<SurfaceSettings&>(*this) = SurfaceSettings{}; }
};

}  // namespace Platform
