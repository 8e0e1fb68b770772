#include "AutoScale.h"

#include <algorithm>
#include <cmath>

#include "Global.h"

namespace Chart {

namespace {

constexpr double Step = 5;  // display degrees
// The range limits can be typed in. A limit moves at most one step past it, which fits
// any point typed in range; a point with an absurd value stops the limits there
// instead of moving them forever.
constexpr double LowestShown = -200;
constexpr double HighestShown = 500;

// A limit in display degrees, made whole with halves to even.
double Whole(float limit) {
    return std::nearbyint(static_cast<double>(Global::TempScale) * limit - Global::TempOffset);
}

void SetLimit(float& limit, double shown) {
    limit = static_cast<float>((shown + Global::TempOffset) / Global::TempScale);
}

template <class Condition>
void RaiseWhile(float& limit, Condition tooLow) {
    while (tooLow() && Whole(limit) <= HighestShown) SetLimit(limit, Whole(limit) + Step);
}

template <class Condition>
void LowerWhile(float& limit, Condition tooHigh) {
    while (tooHigh() && Whole(limit) >= LowestShown) SetLimit(limit, Whole(limit) - Step);
}

void Widen(PointRange& range, const Global::StatePoint& p) {
    range.maxDry = std::max(range.maxDry, p.DryBulb);
    range.minDry = std::min(range.minDry, p.DryBulb);
    range.maxDew = std::max(range.maxDew, p.DewPoint);
    range.minDew = std::min(range.minDew, p.DewPoint);
}

}  // namespace

bool AutoScaleLimits(bool usUnits) {
    using namespace Global;
    if (!AutoScale && !ScaleChanged) return false;
    // Never reads past the table, whatever the count says.
    const int count = std::min<int>(NumPoints, Points.UBound());
    if (count < 1) return AutoScaleLimits(usUnits, nullptr);
    PointRange range{Points(1).DryBulb, Points(1).DryBulb, Points(1).DewPoint, Points(1).DewPoint};
    for (int i = 2; i <= count; ++i) Widen(range, Points(i));
    return AutoScaleLimits(usUnits, &range);
}

std::vector<PointRange> PrefixRanges() {
    using namespace Global;
    const int count = std::min<int>(NumPoints, Points.UBound());
    std::vector<PointRange> ranges(static_cast<std::size_t>(std::max(count, 0)) + 1);
    for (int i = 1; i <= count; ++i) {
        const StatePoint& p = Points(i);
        ranges[i] = i == 1 ? PointRange{p.DryBulb, p.DryBulb, p.DewPoint, p.DewPoint} : ranges[i - 1];
        Widen(ranges[i], p);
    }
    return ranges;
}

bool AutoScaleLimits(bool usUnits, const PointRange* range) {
    using namespace Global;
    if (!AutoScale && !ScaleChanged) return false;
    if (ScaleChanged) {
        // A manual entry is applied once, on the next apply, even with automatic scaling on.
        ScaleChanged = false;
        return true;
    }
    if (!range) return false;
    const float maxTdb = range->maxDry, minTdb = range->minDry, maxTdp = range->maxDew,
                minTdp = range->minDew;
    const double gap = usUnits ? 30 : 15;
    const float oldMaxDry = ChartMaxDry, oldMinDry = ChartMinDry, oldMaxDew = ChartMaxDew,
                oldMinDew = ChartMinDew;

    if (maxTdb >= ChartMaxDry) {
        RaiseWhile(ChartMaxDry, [&] { return maxTdb >= ChartMaxDry; });
        SetLimit(ChartMaxDew, Whole(ChartMaxDry) - gap);
    }
    // The 50 is in Rankine whatever the display unit, and compared as a float.
    const auto tooHigh = [&] { return static_cast<float>(static_cast<double>(ChartMaxDry) - maxTdb) > 50; };
    if (tooHigh()) {
        LowerWhile(ChartMaxDry, tooHigh);
        SetLimit(ChartMaxDew, Whole(ChartMaxDry) - gap);
    }
    if (maxTdp >= ChartMaxDew) {
        RaiseWhile(ChartMaxDew, [&] { return maxTdp >= ChartMaxDew; });
        if (Whole(ChartMaxDry) - Whole(ChartMaxDew) <= gap) SetLimit(ChartMaxDry, Whole(ChartMaxDew) + gap);
    }
    const auto minTooHigh = [&] { return !(minTdb > ChartMinDry && minTdp > ChartMinDew); };
    if (minTooHigh()) {
        do {
            SetLimit(ChartMinDry, Whole(ChartMinDry) - Step);
            ChartMinDew = ChartMinDry;
        } while (minTooHigh() && Whole(ChartMinDry) >= LowestShown);
    }
    return ChartMaxDry != oldMaxDry || ChartMinDry != oldMinDry || ChartMaxDew != oldMaxDew ||
           ChartMinDew != oldMinDew;
}

}  // namespace Chart
