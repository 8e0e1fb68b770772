#include <gtest/gtest.h>

#include <stdexcept>

#include "Global.h"

using namespace Global;

// What a table keeps on ReDim shows in every window test that adds points and lines.
TEST(TableTest, IndicesOutsideTheBoundsThrow) {
    Table1<float> t;
    EXPECT_THROW(t(0), std::out_of_range);  // unallocated
    t.ReDim(3);
    EXPECT_THROW(t(4), std::out_of_range);
    EXPECT_THROW(t(-1), std::out_of_range);
    Table2<int16_t> lines;
    lines.ReDim(2, 0);  // a process-line table with no lines has its rows
    EXPECT_TRUE(lines.UBound(0) == 2 && lines.UBound(1) == 0);
    EXPECT_THROW(lines(3, 0), std::out_of_range);
    EXPECT_THROW(lines(0, 1), std::out_of_range);
}
