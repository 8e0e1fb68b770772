#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "AutoScale.h"
#include "Global.h"
#include "UnitSystem.h"

namespace {

using namespace Global;

double Shown(float limit) {
    return static_cast<double>(TempScale) * limit - TempOffset;
}

class AutoScaleTest : public ::testing::Test {
protected:
    // US units and their default limits 120 / 35 / 90 F, automatic scaling on.
    void SetUp() override {
        ResetState();
        Chart::SetUnitSystem(true);
        AutoScale = true;
    }

    // Points as (dry bulb, dew point) in F.
    void SetPoints(const std::vector<std::pair<double, double>>& points) {
        Points.Erase();
        Points.ReDim(points.size());
        NumPoints = static_cast<int16_t>(points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            Points(i + 1).DryBulb = static_cast<float>(points[i].first + TempOffset);
            Points(i + 1).DewPoint = static_cast<float>(points[i].second + TempOffset);
        }
    }

    void ExpectLimits(double maxDry, double minDry, double maxDew) {
        EXPECT_NEAR(Shown(ChartMaxDry), maxDry, 1e-3);
        EXPECT_NEAR(Shown(ChartMinDry), minDry, 1e-3);
        EXPECT_NEAR(Shown(ChartMaxDew), maxDew, 1e-3);
        EXPECT_EQ(ChartMinDew, ChartMinDry);
    }
};

TEST_F(AutoScaleTest, ManualEntryIsAppliedOnceAndOtherwiseOnlyPointsMoveLimits) {
    EXPECT_FALSE(Chart::AutoScaleLimits(true));  // no points
    SetPoints({{126, 60}});
    AutoScale = false;
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    ScaleChanged = true;
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    EXPECT_FALSE(ScaleChanged);
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    ExpectLimits(120, 35, 90);

    // With scaling on, a pending entry still wins once; the next apply fits the points.
    AutoScale = ScaleChanged = true;
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(120, 35, 90);
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(130, 35, 100);
    // 130 + 459.67f lies halfway between two floats and goes to the even one.
    EXPECT_EQ(ChartMaxDry, 589.6700439453125f);
    EXPECT_FALSE(Chart::AutoScaleLimits(true));  // fitted limits stay
}

TEST_F(AutoScaleTest, LimitsFollowTheWarmestColdestAndWettestPoints) {
    SetPoints({{70, 50}});
    Points(1).DryBulb = ChartMaxDry - 50.0f;  // exactly 50 R below the maximum: it stays
    EXPECT_FALSE(Chart::AutoScaleLimits(true));
    SetPoints({{69.9, 50}});
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(115, 35, 85);
    SetUp();
    SetPoints({{100, 95}});  // a dew point above its maximum raises it and keeps the gap
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(130, 35, 100);
    SetUp();
    SetPoints({{100, 10}, {20, 15}});  // the minimum goes below the lowest dry bulb and dew point
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(120, 5, 90);
}

TEST_F(AutoScaleTest, ShownLimitsRoundHalfToEven) {
    // A display scale of 1 and offset 0 makes exact halves possible: 122.5 -> 122, 123.5 -> 124.
    TempScale = 1;
    TempOffset = 0;
    for (auto [limit, expected] : {std::pair{122.5f, 127.0f}, std::pair{123.5f, 129.0f}}) {
        ChartMaxDry = limit;
        SetPoints({{limit + 0.5, 50}});
        EXPECT_TRUE(Chart::AutoScaleLimits(true));
        EXPECT_EQ(ChartMaxDry, expected);
        EXPECT_EQ(ChartMaxDew, expected - 30);
    }
}

TEST_F(AutoScaleTest, PointsAtTheEndsOfTheTypedRangeFitAndAbsurdOnesCannotHang) {
    SetPoints({{500, 400}, {-200, -200}});
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(505, -205, 475);

    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {inf, 1e30f, -inf, -1e30f, std::numeric_limits<float>::quiet_NaN()}) {
        SetUp();
        SetPoints({{0, 0}});
        Points(1).DryBulb = Points(1).DewPoint = v;
        Chart::AutoScaleLimits(true);
        for (float limit : {ChartMaxDry, ChartMinDry, ChartMaxDew}) {
            EXPECT_GE(Shown(limit), -240) << v;
            EXPECT_LE(Shown(limit), 540) << v;
        }
    }
    // A count past the table's end reads only what is there.
    SetUp();
    SetPoints({{126, 60}});
    NumPoints = 5;
    EXPECT_TRUE(Chart::AutoScaleLimits(true));
    ExpectLimits(130, 35, 100);
}

}  // namespace
