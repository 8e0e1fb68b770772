#include <gtest/gtest.h>

#include <stdexcept>

#include "Global.h"

using namespace Global;

TEST(TableTest, ReDimKeepsWhatStillFits) {
    Table1<float> t;
    EXPECT_THROW(t(0), std::out_of_range);  // unallocated
    t.ReDim(3), t(3) = 4.5f, t.ReDim(6);
    EXPECT_TRUE(t.UBound() == 6 && t(3) == 4.5f && t(6) == 0);
    EXPECT_THROW(t(7), std::out_of_range);
    // Growing the last dimension keeps every cell; a process-line table with no lines has its rows.
    Table2<int16_t> lines;
    lines.ReDim(2, 0);
    EXPECT_TRUE(lines.UBound(0) == 2 && lines.UBound(1) == 0);
    lines.ReDim(2, 3);
    for (int i = 0; i < 12; ++i) lines(i / 4, i % 4) = static_cast<int16_t>(10 * (i / 4) + i % 4);
    lines.ReDim(2, 5);
    for (int r = 0; r <= 2; ++r)
        for (int c = 0; c <= 5; ++c) EXPECT_EQ(lines(r, c), c <= 3 ? 10 * r + c : 0);
    EXPECT_THROW(lines(3, 0), std::out_of_range);
}

TEST(GlobalStateTest, ResetStateClearsVariablesAndTables) {
    Press = 14.697f, DryBulb = 535.67f, ChartMinDew = 459.67f, NumPoints = 2, RHLineColor = ColorRed;
    Points.ReDim(2), ProcLines.ReDim(2, 1), RHCurvesXY.ReDim(10, 2, 5);
    MassUnit = "lb", ShowDryLines = true;
    ResetState();
    EXPECT_TRUE(Press == 0 && DryBulb == 0 && NumPoints == 0 && ChartMinDew == 0 && RHLineColor == 0);
    EXPECT_TRUE(Points.UBound() == -1 && !ProcLines.Allocated() && !RHCurvesXY.Allocated());
    EXPECT_TRUE(MassUnit.empty() && !ShowDryLines);
}
