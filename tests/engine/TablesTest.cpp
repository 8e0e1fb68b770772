#include <gtest/gtest.h>

#include <stdexcept>

#include "Global.h"

using namespace Global;

TEST(TableTest, ReDimKeepsWhatStillFits) {
    Table1<float> t;
    EXPECT_THROW(t(0), std::out_of_range);  // unallocated
    t.ReDim(3);
    for (int i = 0; i <= 3; ++i) t(i) = 1.5f * i;
    t.ReDim(6);
    EXPECT_EQ(t.UBound(), 6);
    EXPECT_TRUE(t(3) == 4.5f && t(6) == 0);
    t.ReDim(1);
    EXPECT_EQ(t(1), 1.5f);
    EXPECT_THROW(t(-1), std::out_of_range);

    // A process-line table with no lines still has its three rows.
    Table2<int16_t> lines;
    lines.ReDim(2, 0);
    EXPECT_TRUE(lines.UBound(0) == 2 && lines.UBound(1) == 0);
    lines.ReDim(2, 3);
    for (int r = 0; r <= 2; ++r)
        for (int c = 0; c <= 3; ++c) lines(r, c) = static_cast<int16_t>(10 * r + c);
    lines.ReDim(2, 5);
    for (int r = 0; r <= 2; ++r) {
        for (int c = 0; c <= 3; ++c) EXPECT_EQ(lines(r, c), 10 * r + c);
        EXPECT_EQ(lines(r, 5), 0);
    }
    lines.ReDim(1, 2);
    EXPECT_EQ(lines(1, 2), 12);
    EXPECT_EQ(lines.UBound(0), 1);
    EXPECT_THROW(lines(2, 0), std::out_of_range);
    EXPECT_THROW(lines(0, 3), std::out_of_range);

    Table3<float> xy;
    xy.ReDim(10, 2, 4);
    xy(10, 2, 4) = 7;
    xy.ReDim(10, 2, 8);
    EXPECT_EQ(xy(10, 2, 4), 7);
    EXPECT_THROW(xy(11, 0, 0), std::out_of_range);
    xy.Erase();
    EXPECT_EQ(xy.UBound(0), -1);
}

TEST(GlobalStateTest, ResetStateClearsVariablesAndTables) {
    Press = 14.697f;
    DryBulb = 535.67f;
    NumPoints = 2;
    Points.ReDim(2);
    ProcLines.ReDim(2, 1);
    RHCurvesXY.ReDim(10, 2, 5);
    MassUnit = "lb";
    ShowDryLines = true;
    RHLineColor = ColorRed;
    ChartMinDew = ChartMinDry = 459.67f;

    ResetState();
    EXPECT_TRUE(Press == 0 && DryBulb == 0 && NumPoints == 0 && ChartMinDew == 0 && RHLineColor == 0);
    EXPECT_EQ(Points.UBound(), -1);
    EXPECT_FALSE(ProcLines.Allocated());
    EXPECT_FALSE(RHCurvesXY.Allocated());
    EXPECT_EQ(MassUnit, "");
    EXPECT_FALSE(ShowDryLines);
}
