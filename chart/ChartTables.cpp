#include "ChartTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "Global.h"

namespace Chart {

namespace {

using Global::StatePoint;

// A fresh table holding the records from element 1 on; element 0 stays zero.
void StoreRecords(Global::Table1<StatePoint>& table, const std::vector<StatePoint>& records) {
    table.Erase();
    table.ReDim(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) table(i + 1) = records[i];
}

// Display degrees of an internal temperature, as the limits are shown.
float ToDisplay(float t) {
    return static_cast<float>(static_cast<double>(Global::TempScale) * t - Global::TempOffset);
}

// Internal temperature of a display value.
float ToInternal(double t) {
    return static_cast<float>((Global::TempOffset + t) / Global::TempScale);
}

// Grid step from a range already made whole; a range past 16 bits is plainly the widest step.
int16_t StepForWholeRange(double range) {
    auto s = Global::ToInt16(range);
    return ChooseGridStep(s ? *s : range);
}

bool InputsUsable() {
    for (float v : {Global::ChartMaxDry, Global::ChartMinDry, Global::ChartMaxDew, Global::ChartMinDew,
                    Global::TempScale, Global::TempOffset})
        if (!std::isfinite(v)) return false;
    return Global::TempScale != 0;
}

void ClearTables() {
    StoreRecords(Global::SatCurve, {});
    StoreRecords(Global::WLines, {});
    StoreRecords(Global::DryLines, {});
    StoreRecords(Global::WetLines, {});
    Global::SatCurveXY.Erase();
    Global::SatCurveXY.ReDim(2, 0);
    Global::WLinesXY.Erase();
    Global::WLinesXY.ReDim(3, 0);
    Global::DryLinesXY.Erase();
    Global::DryLinesXY.ReDim(2, 0);
    Global::WetLinesXY.Erase();
    Global::WetLinesXY.ReDim(4, 0);
    Global::RHCurves.Erase();
    Global::RHCurves.ReDim(10, 0);
    Global::RHCurvesXY.Erase();
    Global::RHCurvesXY.ReDim(10, 2, 0);
    Global::NumSatPoints = Global::NumWLines = Global::NumDryLines = 0;
    Global::NumWetLineEnds = Global::NumRHPoints = 0;
}

void BuildHumidityRange() {
    Global::DewPoint = Global::ChartMinDew;
    Global::RelHumid = 1;
    Global::CalcDewPointRelHumid();
    Global::ChartMinW = Global::HumidRatio;
    Global::DryBulb = Global::ChartMaxDry;
    Global::DewPoint = Global::ChartMaxDew;
    Global::CalcDryBulbDewPoint();
    Global::ChartMaxW = Global::HumidRatio;
    Global::RelHumid = 1;
}

// One sample every 0.1 R of dew point; a range whose tenths do not fit 16 bits gets none.
void BuildSaturationCurve(const PlotBox& box) {
    std::vector<StatePoint> samples;
    auto first = Global::ToInt16(10.0 * Global::ChartMinDew);
    auto last = Global::ToInt16(10.0 * Global::ChartMaxDew);
    if (first && last && *last - *first < Global::MaxCount) {
        for (int i = *first; i <= *last; ++i) {
            Global::DewPoint = static_cast<float>(i / 10.0);
            Global::RelHumid = 1;
            Global::CalcDewPointRelHumid();
            samples.push_back(CurrentRecord());
        }
    }
    StoreRecords(Global::SatCurve, samples);
    Global::NumSatPoints = static_cast<int16_t>(samples.size());
    Global::SatCurveXY.Erase();
    Global::SatCurveXY.ReDim(2, samples.size());
    for (int j = 1; j <= Global::NumSatPoints; ++j) {
        Global::SatCurveXY(1, j) = ChartX(box, Global::SatCurve(j).DryBulb);
        Global::SatCurveXY(2, j) = ChartY(box, Global::SatCurve(j).HumidRatio);
    }
}

void BuildHumidityRatioLines(const PlotBox& box) {
    double r = (static_cast<double>(Global::ChartMaxW) - Global::ChartMinW) / 10;
    Global::WLabelStep = static_cast<float>(ChooseGridStep(1000 * r) / 1000.0);

    // The float sum has to reach the bottom edge; the bound only matters for a broken range.
    float v = Global::WLabelStep;
    for (int n = 0; v < Global::ChartMinW && n < 1000000; ++n) v = v + Global::WLabelStep;
    Global::WLabelStart = v;

    // Each grid value takes the first saturation sample within a tenth of a step; no going back.
    std::vector<StatePoint> lines;
    float g = Global::WLabelStart;
    const auto tolerance = static_cast<float>(Global::WLabelStep / 10.0);
    for (int k = 1; k <= Global::NumSatPoints && static_cast<int>(lines.size()) < Global::MaxCount - 1; ++k) {
        const StatePoint& s = Global::SatCurve(k);
        if (static_cast<float>(std::fabs(static_cast<double>(s.HumidRatio) - g)) <= tolerance) {
            lines.push_back(s);
            lines.back().HumidRatio = g;
            g = g + Global::WLabelStep;
        }
    }
    StoreRecords(Global::WLines, lines);
    const int n = static_cast<int>(lines.size());
    Global::WLinesXY.Erase();
    Global::WLinesXY.ReDim(3, n + 1);
    for (int j = 1; j <= n; ++j) {
        Global::WLinesXY(1, j) = box.R;
        Global::WLinesXY(2, j) = ChartY(box, Global::WLines(j).HumidRatio);
        Global::WLinesXY(3, j) = ChartX(box, Global::WLines(j).DryBulb);
    }
    // The top edge closes the family; with no saturation samples it has no length.
    Global::WLinesXY(1, n + 1) = box.R;
    Global::WLinesXY(2, n + 1) = ChartY(box, Global::ChartMaxW);
    Global::WLinesXY(3, n + 1) =
        Global::NumSatPoints > 0 ? ChartX(box, Global::SatCurve(Global::NumSatPoints).DryBulb) : box.R;
    Global::NumWLines = static_cast<int16_t>(n + 1);
}

void BuildDryBulbLines(const PlotBox& box) {
    double range = (static_cast<double>(Global::ChartMaxDry) - Global::ChartMinDry) * Global::TempScale / 15;
    Global::DryLabelStep = StepForWholeRange(range);
    Global::DryLabelStart = ToDisplay(Global::ChartMinDry);

    std::vector<StatePoint> lines;
    const float top = ToDisplay(Global::ChartMaxDry);
    float t = Global::DryLabelStart;
    Global::RelHumid = 1;
    while (top > t && static_cast<int>(lines.size()) < Global::MaxCount) {
        Global::DryBulb = ToInternal(t);
        Global::RelHumid = 1;
        Global::CalcDryBulbRelHumid();
        lines.push_back(CurrentRecord());
        const float next = t + Global::DryLabelStep;
        if (next == t) break;  // the float no longer moves: limits far out of range
        t = next;
    }
    StoreRecords(Global::DryLines, lines);
    Global::NumDryLines = static_cast<int16_t>(lines.size());
    Global::DryLinesXY.Erase();
    Global::DryLinesXY.ReDim(2, lines.size());
    for (int j = 1; j <= Global::NumDryLines; ++j) {
        const StatePoint& d = Global::DryLines(j);
        Global::DryLinesXY(1, j) = ChartX(box, d.DryBulb);
        Global::DryLinesXY(2, j) =
            ChartY(box, d.HumidRatio > Global::ChartMaxW ? Global::ChartMaxW : d.HumidRatio);
    }
}

// Both ends of one wet-bulb line: saturated, then on the bottom edge's dew point, moved
// along the line to the right edge when it would lie beyond it.
void AddWetBulbLine(std::vector<StatePoint>& ends, float wetBulb) {
    Global::RelHumid = 1;
    Global::WetBulb = wetBulb;
    Global::CalcWetBulbRelHumid();
    ends.push_back(CurrentRecord());

    Global::DewPoint = Global::ChartMinDew;
    Global::WetBulb = wetBulb;
    // A search that cannot reach the lower end leaves it beyond the right edge, never
    // at the saturated end it would otherwise keep.
    Global::DryBulb = Global::ChartMaxDry + 1;
    {
        // The lower end of a hot wet-bulb line may lie past the boiling point; its dry
        // bulb is found all the same and the end is moved to the right edge below.
        Global::MessageMute routine(Global::MsgOutOfRange);
        Global::CalcWetBulbDewPoint();
    }
    if (Global::DryBulb > Global::ChartMaxDry) {
        Global::DryBulb = Global::ChartMaxDry;
        Global::WetBulb = wetBulb;
        Global::CalcDryBulbWetBulb();
    }
    ends.push_back(CurrentRecord());
}

// nearest(10 x a) < nearest(10 x b); values past 16 bits compare unrounded.
bool TenthsBelow(float a, float b) {
    auto ra = Global::ToInt16(10.0 * a), rb = Global::ToInt16(10.0 * b);
    if (ra && rb) return *ra < *rb;
    return 10.0 * a < 10.0 * b;
}

void BuildWetBulbLines(const PlotBox& box) {
    double range = (static_cast<double>(Global::ChartMaxDew) - Global::ChartMinDew) * Global::TempScale / 10;
    Global::WetLabelStep = StepForWholeRange(range);
    Global::WetLabelStart = ToDisplay(Global::ChartMinDew);

    // Two records per line, and room kept for the extra line at the top.
    constexpr std::size_t maxEnds = Global::MaxCount - 3;
    std::vector<StatePoint> ends;
    const float top = ToDisplay(Global::ChartMaxDew);
    float t = Global::WetLabelStart;
    while (top >= t && ends.size() < maxEnds) {
        AddWetBulbLine(ends, ToInternal(t));
        const float next = t + Global::WetLabelStep;
        if (next == t) break;
        t = next;
    }
    // A next grid value just above the top dew point still gets a line from the curve's end.
    const auto e = static_cast<float>((Global::TempOffset + static_cast<double>(t)) / Global::TempScale -
                                      Global::ChartMaxDew);
    if (e < 2.5f) AddWetBulbLine(ends, Global::ChartMaxDew);

    StoreRecords(Global::WetLines, ends);
    Global::NumWetLineEnds = static_cast<int16_t>(ends.size());
    const int lines = Global::NumWetLineEnds / 2;
    Global::WetLinesXY.Erase();
    Global::WetLinesXY.ReDim(4, lines);
    for (int c = 1; c <= lines; ++c) {
        const StatePoint& upper = Global::WetLines(2 * c - 1);
        const StatePoint& lower = Global::WetLines(2 * c);
        Global::WetLinesXY(1, c) = ChartX(box, upper.DryBulb);
        Global::WetLinesXY(2, c) = ChartY(box, upper.HumidRatio);
        if (TenthsBelow(lower.DryBulb, Global::ChartMaxDry)) {
            Global::WetLinesXY(3, c) = ChartX(box, lower.DryBulb);
            Global::WetLinesXY(4, c) = box.B;
        } else {
            Global::WetLinesXY(3, c) = box.R;
            Global::WetLinesXY(4, c) = ChartY(box, lower.HumidRatio);
        }
    }
}

void BuildRelHumidCurves(const PlotBox& box) {
    // The right edge in display degrees is rounded as it stands, not first cut to 32 bits.
    const double top = static_cast<double>(Global::TempScale) * Global::ChartMaxDry - Global::TempOffset;
    const int step = Global::DryLabelStep > 0 ? Global::DryLabelStep : 1;
    auto m = Global::ToInt16((top - Global::DryLabelStart) / step);
    auto first = Global::ToInt16(Global::DryLabelStart);
    auto last = Global::ToInt16(top);

    // Limits off whole degrees can yield one sample more than m + 1: size for what the loop gives.
    int samples = 0;
    if (first && last && *last >= *first) samples = (*last - *first) / step + 1;
    if (samples > Global::MaxCount) samples = 0;
    const int upper = std::max(samples, m ? *m + 1 : 0);
    Global::RHCurves.Erase();
    Global::RHCurves.ReDim(10, std::max(upper, 0));
    Global::RHCurvesXY.Erase();
    Global::RHCurvesXY.ReDim(10, 2, std::max(upper, 0));

    Global::NumRHPoints = 0;
    for (int k = 1; k <= 10; ++k) {
        const auto relHumid = static_cast<float>(k * 10 / 100.0);
        Global::NumRHPoints = 0;
        for (int i = 0; i < samples; ++i) {
            const int t = *first + i * step;
            Global::DryBulb = ToInternal(t);
            Global::RelHumid = relHumid;
            Global::CalcDryBulbRelHumid();
            ++Global::NumRHPoints;
            Global::RHCurves(k, Global::NumRHPoints) = CurrentRecord();
            Global::RHCurvesXY(k, 1, Global::NumRHPoints) = ChartX(box, Global::DryBulb);
            Global::RHCurvesXY(k, 2, Global::NumRHPoints) = ChartY(box, Global::HumidRatio);
        }
    }
}

}  // namespace

StatePoint CurrentRecord() {
    StatePoint p;
    p.DryBulb = Global::DryBulb;
    p.WetBulb = Global::WetBulb;
    p.DewPoint = Global::DewPoint;
    p.RelHumid = Global::RelHumid;
    p.Enthalpy = Global::Enthalpy;
    p.HumidRatio = Global::HumidRatio;
    p.VaporPress = Global::CalcSatPress(Global::DewPoint);
    p.SatDegree = Global::SatDegree;
    p.SpVol = Global::SpVol;
    return p;
}

PlotBox PlotBoxFor(const Platform::Surface& target, int16_t mode) {
    const double w = target.Width(), h = target.Height();
    if (mode == ModePrinter)
        return {static_cast<float>(0.4 * w), static_cast<float>(0.7 * w), static_cast<float>(0.075 * h),
                static_cast<float>(0.375 * h)};
    return {static_cast<float>(0.125 * w), static_cast<float>(0.8 * w), static_cast<float>(0.125 * h),
            static_cast<float>(0.85 * h)};
}

float ChartX(const PlotBox& box, float dryBulb) {
    const double span = static_cast<double>(Global::ChartMaxDry) - Global::ChartMinDry;
    if (!(span != 0)) return box.L;
    return static_cast<float>((static_cast<double>(box.R) - box.L) / span *
                                  (static_cast<double>(dryBulb) - Global::ChartMinDry) +
                              box.L);
}

float ChartY(const PlotBox& box, float humidRatio) {
    const double span = static_cast<double>(Global::ChartMaxW) - Global::ChartMinW;
    if (!(span != 0)) return box.B;
    return static_cast<float>(box.B - (static_cast<double>(humidRatio) - Global::ChartMinW) *
                                          (static_cast<double>(box.B) - box.T) / span);
}

int16_t ChooseGridStep(double scaledRange) {
    // Far outside any chart's range every distance is past 16 bits: the order is plain.
    if (!(std::fabs(scaledRange) < 30000)) return scaledRange < 0 ? 1 : 10;
    auto distance = [&](int k) { return *Global::ToInt16(std::fabs(scaledRange - k)); };
    int16_t step = 1;
    int16_t current = distance(1);
    for (int16_t k : {2, 5, 10}) {
        const int16_t d = distance(k);
        if (current > d) {
            step = k;
            current = d;
        }
    }
    return step;
}

void BuildChartTables(const Platform::Surface& target, int16_t mode) {
    // A solver failing alike over hundreds of samples reports once, and a chart whose
    // failures were reported already (rebuilt for a resize or for printing) stays quiet.
    using Key = std::array<float, 5>;
    static std::optional<Key> reported;
    const Key key{Global::ChartMaxDry, Global::ChartMinDry, Global::ChartMaxDew, Global::ChartMinDew,
                  Global::Press};
    Global::MessageBatch batch;
    std::optional<Global::MessageSilence> silence;
    if (reported == key) silence.emplace();
    reported = key;
    const PlotBox box = PlotBoxFor(target, mode);
    ClearTables();
    if (!InputsUsable()) return;

    BuildHumidityRange();
    BuildSaturationCurve(box);
    BuildHumidityRatioLines(box);
    BuildDryBulbLines(box);
    BuildWetBulbLines(box);
    BuildRelHumidCurves(box);
}

}  // namespace Chart
