#include "Global.h"

// Each list names the variables of one type once, for both the definitions and ResetState.
#define GLOBAL_FLOATS(X)                                                                      \
    X(DryBulb) X(WetBulb) X(DewPoint) X(Press) X(Alt) X(HumidRatioSat) X(HumidRatioSatWet)      \
    X(HumidRatio) X(SpVol) X(Enthalpy) X(SatPress) X(SatPressWet) X(VaporPress) X(SatDegree)     \
    X(RelHumid) X(PressInHg) X(RubberX) X(RubberY) X(TempOffset) X(TempScale) X(EnthalpyFactor) \
    X(EnthalpyOffset) X(PressFactor) X(SpVolFactor) X(MassFactor) X(EnergyFactor)               \
    X(LengthFactor) X(ChartMaxDry) X(ChartMinDry) X(ChartMaxDew) X(ChartMinDew) X(ChartMaxW)    \
    X(ChartMinW) X(WLabelStart) X(WLabelStep) X(DryLabelStart) X(WetLabelStart) X(WetLabelStep)

#define GLOBAL_INT16S(X)                                                                   \
    X(NumPoints) X(SelProcLine) X(LineState) X(NumMoistGains) X(DryLineStyle) X(WetLineStyle) \
    X(DewLineStyle) X(RHLineStyle) X(WLineStyle) X(NumSatPoints) X(NumWLines) X(NumDryLines)  \
    X(NumWetLineEnds) X(NumRHPoints) X(DryLabelStep)

#define GLOBAL_INT32S(X) X(DryLineColor) X(WetLineColor) X(DewLineColor) X(RHLineColor) X(WLineColor)

#define GLOBAL_BOOLS(X)                                                                  \
    X(ProcessDataPresent) X(AutoScale) X(ScaleChanged) X(ShowDryLines) X(ShowWetLines) \
    X(ShowDewLines) X(ShowRHLines) X(ShowWLines)

#define GLOBAL_STRINGS(X) X(MassUnit) X(TempUnit) X(EnthalpyUnit) X(PressUnit) X(LengthUnit) X(EnergyUnit)

#define GLOBAL_TABLES(X)                                                                        \
    X(Points) X(PickDistances) X(ProcLines) X(MoistGains) X(SatCurve) X(SatCurveXY) X(WLines)     \
    X(WLinesXY) X(DryLines) X(DryLinesXY) X(WetLines) X(WetLinesXY) X(RHCurves) X(RHCurvesXY)

namespace Global {

#define DEFINE_ZERO(name) decltype(name) name{};
GLOBAL_FLOATS(DEFINE_ZERO)
GLOBAL_INT16S(DEFINE_ZERO)
GLOBAL_INT32S(DEFINE_ZERO)
GLOBAL_BOOLS(DEFINE_ZERO)
GLOBAL_STRINGS(DEFINE_ZERO)
GLOBAL_TABLES(DEFINE_ZERO)

void ResetState() {
#define RESET_ZERO(name) name = {};
    GLOBAL_FLOATS(RESET_ZERO)
    GLOBAL_INT16S(RESET_ZERO)
    GLOBAL_INT32S(RESET_ZERO)
    GLOBAL_BOOLS(RESET_ZERO)
    GLOBAL_STRINGS(RESET_ZERO)
#define RESET_TABLE(name) name.Erase();
    GLOBAL_TABLES(RESET_TABLE)
}

}  // namespace Global
