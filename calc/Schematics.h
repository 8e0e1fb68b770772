// The line drawings of the five calculators' equipment, for their picture boxes and
// for the head of their printed reports. Drawn only through Platform::Surface.
#pragma once

#include <cstdint>

#include "Surface.h"

namespace Calc {

enum class Schematic { HeatMoist, Cool, Heat, AirAir, WatAir };

struct Origin {
    float X0, Y0;
};

// Where a figure's (0, 0) lies: inside its picture box (mode 2), or on the page (mode 1),
// where every figure ends above the report text.
Origin SchematicOrigin(Schematic figure, int16_t mode);

// The figure in black with its origin at (X0, Y0): dotted air openings, then the solid
// strokes and circles, then the labels in the target's current font. Leaves DrawStyle 0
// and every colour and font setting as it found them.
void DrawSchematic(Platform::Surface& target, Schematic figure, Origin origin);

}  // namespace Calc
