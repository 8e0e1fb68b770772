// A surface that draws nothing and records every operation with the settings in
// force, for tests and for measuring the drawing code without a screen. Text is
// measured by a fixed rule so that results do not depend on installed fonts.
#pragma once

#include <string>
#include <vector>

#include "Surface.h"

namespace Platform {

class RecordingSurface : public Surface {
public:
    enum class Op { Cls, Line, Circle, Print, EndDoc };

    struct Record {
        Op op;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line ends; Circle centre and radius in x2; Print position
        std::string text;
        bool endLine = false;
        int32_t color = 0;  // the colour the operation drew in
        int32_t fillColor = 0;
        int16_t fillStyle = 0;
        int16_t drawStyle = 0;
        int16_t drawWidth = 1;
        DrawModes drawMode = DrawModes::Copy;
        double fontSize = 0;
        bool fontBold = false;
        bool fontItalic = false;
        std::string fontName;
        bool fontTransparent = false;
    };

    RecordingSurface(float width, float height) : width_(width), height_(height) {}

    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetSize(float width, float height) {
        width_ = width;
        height_ = height;
    }

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, std::optional<int32_t> color = {}) override;
    void Circle(float x, float y, float radius, std::optional<int32_t> color = {}) override;
    void Print(const std::string& text, bool endLine = true) override;
    float TextWidth(const std::string& text) override;
    float TextHeight(const std::string& text) override;
    void EndDoc() override;

    std::vector<Record> records;

private:
    Record Snapshot(Op op) const;

    float width_;
    float height_;
};

}  // namespace Platform
