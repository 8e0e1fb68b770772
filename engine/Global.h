// The program's shared state and the moist-air property engine.
//
// Internal units everywhere: temperatures in degrees Rankine, pressures in psia,
// humidity ratio in lb water per lb dry air, enthalpy in BTU per lb dry air (zero for
// dry air at 0 F), specific volume in ft3 per lb dry air, lengths in ft. Windows
// convert only for entry, display and printing.
//
// Every variable starts as zero, false, empty text or an unallocated table; the
// defaults noted below are set by the code that owns them (start-up, unit switch).
#pragma once

#include <cstdint>
#include <string>

#include "Format.h"
#include "Message.h"
#include "Psychro.h"
#include "Tables.h"

namespace Global {

// One moist-air state with its chart marker; field order is also the chart-file order.
struct StatePoint {
    float DryBulb = 0;     // R
    float WetBulb = 0;     // R
    float DewPoint = 0;    // R
    float RelHumid = 0;    // fraction
    float Enthalpy = 0;    // BTU/lb
    float HumidRatio = 0;  // lb/lb
    float VaporPress = 0;  // psia, saturation pressure at the dew point
    float SatDegree = 0;   // fraction
    float SpVol = 0;       // ft3/lb
    float MarkerColor = 0; // 255 red, 16711680 blue (selected); 0 in the chart tables
    float PlotX = 0;       // twips, where the chart last drew the marker
    float PlotY = 0;
};

// Points, process lines, moisture gains and chart-table rows are counted in 16 bits.
inline constexpr int32_t MaxCount = 32767;

inline constexpr int32_t ColorRed = 255;
inline constexpr int32_t ColorBlue = 16711680;

// --- Current moist-air state: callers write two known properties, call a solver, read the rest.
extern float DryBulb;
extern float WetBulb;
extern float DewPoint;
extern float Press;  // barometric pressure, psia (14.697 when no settings file can be read)
extern float Alt;    // altitude, ft
extern float HumidRatioSat;
extern float HumidRatioSatWet;
extern float HumidRatio;
extern float SpVol;
extern float Enthalpy;
extern float SatPress;
extern float SatPressWet;
extern float VaporPress;
extern float SatDegree;
extern float RelHumid;
extern float PressInHg;  // Press x 2.036026 (29.923473 by default)

// --- Points and process lines.
extern Table1<StatePoint> Points;  // 0..NumPoints once allocated
extern int16_t NumPoints;
extern Table1<float> PickDistances;  // 0..NumPoints, twips
extern Table2<int16_t> ProcLines;    // (row 0..2, line 0..n): row 1 From, row 2 To
extern int16_t SelProcLine;
extern int16_t LineState;  // 1: next right click picks From, 2: it picks To
extern float RubberX, RubberY;

// --- Calculator data.
extern bool ProcessDataPresent;
extern int16_t NumMoistGains;
extern Table2<float> MoistGains;  // (row 0..2, gain 0..n): row 1 lb/hr, row 2 BTU/lb

// --- Unit system (set only by the unit-system option buttons).
extern float TempOffset, TempScale;  // shown = internal x TempScale - TempOffset
extern float EnthalpyFactor, EnthalpyOffset;  // shown = (internal - offset) x factor
extern float PressFactor, SpVolFactor, MassFactor, EnergyFactor, LengthFactor;
extern std::string MassUnit, TempUnit, EnthalpyUnit, PressUnit, LengthUnit, EnergyUnit;

// --- Chart limits and flags.
extern float ChartMaxDry, ChartMinDry;  // R
extern float ChartMaxDew, ChartMinDew;  // R; ChartMinDew always equals ChartMinDry
extern float ChartMaxW, ChartMinW;      // lb/lb, derived when the chart tables are built
extern bool AutoScale;
extern bool ScaleChanged;

// --- Line families, always in this order: dry bulb, wet bulb, dew point, RH, humidity ratio.
// Shown flags default true; colours 0 (black) except RH 255 (red); styles 0 (solid).
extern bool ShowDryLines, ShowWetLines, ShowDewLines, ShowRHLines, ShowWLines;
extern int32_t DryLineColor, WetLineColor, DewLineColor, RHLineColor, WLineColor;
extern int16_t DryLineStyle, WetLineStyle, DewLineStyle, RHLineStyle, WLineStyle;

// --- Chart tables (twips of the drawing target), written only by the chart-table builder.
extern Table1<StatePoint> SatCurve;   // 0..NumSatPoints
extern Table2<float> SatCurveXY;      // (row 0..2, 0..NumSatPoints): row 1 x, row 2 y
extern Table1<StatePoint> WLines;     // 0..NumWLines-1
extern Table2<float> WLinesXY;        // (row 0..3, 0..NumWLines): x right edge, y, x on saturation
extern Table1<StatePoint> DryLines;   // 0..NumDryLines
extern Table2<float> DryLinesXY;      // (row 0..2, 0..NumDryLines): x, top y
extern Table1<StatePoint> WetLines;   // 0..NumWetLineEnds, in pairs
extern Table2<float> WetLinesXY;      // (row 0..4, line): x1, y1, x2, y2
extern Table2<StatePoint> RHCurves;   // (curve 0..10, sample)
extern Table3<float> RHCurvesXY;      // (curve 0..10, row 0..2, sample)
extern int16_t NumSatPoints, NumWLines, NumDryLines, NumWetLineEnds, NumRHPoints;
extern float WLabelStart, WLabelStep;  // lb/lb
extern float DryLabelStart;            // display degrees
extern int16_t DryLabelStep;           // display degrees
extern float WetLabelStart, WetLabelStep;  // display degrees

// Puts every variable above back to its process-start value.
void ResetState();

}  // namespace Global
