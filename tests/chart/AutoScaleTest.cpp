#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "AutoScale.h"
#include "Global.h"
#include "UnitSystem.h"

namespace {

using namespace Global;

const auto Shown = [](float limit) { return static_cast<double>(TempScale) * limit - TempOffset; };

// US units and their default limits 120 / 35 / 90 F, automatic scaling on, points as
// (dry bulb, dew point) in F.
void Start(const std::vector<std::pair<double, double>>& points) {
    ResetState(), Chart::SetUnitSystem(true), AutoScale = true;
    Points.ReDim(NumPoints = static_cast<int16_t>(points.size()));
    for (int i = 1; i <= NumPoints; ++i)
        Points(i).DryBulb = static_cast<float>(points[i - 1].first + TempOffset),
        Points(i).DewPoint = static_cast<float>(points[i - 1].second + TempOffset);
}

// Whether the limits were applied, and the limits as shown.
void ExpectLimits(bool applied, double maxDry, double minDry, double maxDew) {
    const auto shown = [](float limit) { return std::round(Shown(limit) * 1000) / 1000; };
    EXPECT_EQ((std::vector<double>{double(applied), shown(ChartMaxDry), shown(ChartMinDry),
                                   shown(ChartMaxDew), shown(ChartMinDew)}),
              (std::vector{1.0, maxDry, minDry, maxDew, minDry}));
}

TEST(AutoScale, ManualEntryIsAppliedOnceAndOtherwiseOnlyPointsMoveLimits) {
    Start({});
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    Start({{126, 60}});
    NumPoints = 5, AutoScale = false;  // a count past the table's end reads only what is there
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    ScaleChanged = true;
    ExpectLimits(Chart::AutoScaleLimits(true) && !Chart::AutoScaleLimits(true), 120, 35, 90);
    // With scaling on, a pending entry still wins once; the next apply fits the points.
    AutoScale = ScaleChanged = true;
    ExpectLimits(Chart::AutoScaleLimits(true), 120, 35, 90);
    ExpectLimits(Chart::AutoScaleLimits(true), 130, 35, 100);
    EXPECT_EQ(ChartMaxDry, 589.6700439453125f);  // 130 + 459.67f is a tie and goes to the even float
    EXPECT_FALSE(Chart::AutoScaleLimits(true));  // fitted limits stay
}

TEST(AutoScale, LimitsFollowTheWarmestColdestAndWettestPoints) {
    Start({{70, 50}});
    Points(1).DryBulb = ChartMaxDry - 50.0f;  // exactly 50 R below the maximum: it stays
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    const struct {
        std::vector<std::pair<double, double>> points;
        double maxDry, minDry, maxDew;
    } cases[] = {
        {{{69.9, 50}}, 115, 35, 85},
        {{{100, 95}}, 130, 35, 100},          // a dew point above its maximum raises it and keeps the gap
        {{{100, 10}, {20, 15}}, 120, 5, 90},  // the minimum goes below the lowest dry bulb and dew point
        {{{500, 400}, {-200, -200}}, 505, -205, 475},  // the ends of the typed range
    };
    for (const auto& c : cases)
        Start(c.points), ExpectLimits(Chart::AutoScaleLimits(true), c.maxDry, c.minDry, c.maxDew);
}

TEST(AutoScale, ShownLimitsRoundHalfToEvenAndAbsurdPointsCannotHang) {
    // A display scale of 1 and offset 0 makes exact halves possible: 122.5 -> 122, 123.5 -> 124.
    for (auto [limit, expected] : {std::pair{122.5f, 127.0f}, std::pair{123.5f, 129.0f}}) {
        Start({{0, 50}}), TempScale = 1, TempOffset = 0;
        ChartMaxDry = limit, Points(1).DryBulb = limit + 0.5f, Points(1).DewPoint = 50;
        EXPECT_TRUE(Chart::AutoScaleLimits(true) && ChartMaxDry == expected && ChartMaxDew == expected - 30);
    }
    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {inf, 1e30f, -inf, -1e30f, std::numeric_limits<float>::quiet_NaN()}) {
        Start({{0, 0}}), Points(1).DryBulb = Points(1).DewPoint = v;
        Chart::AutoScaleLimits(true);
        for (float limit : {ChartMaxDry, ChartMinDry, ChartMaxDew})
            EXPECT_TRUE(Shown(limit) >= -240 && Shown(limit) <= 540) << v;
    }
}

}  // namespace
