#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Format.h"
#include "Global.h"

using namespace Global;

TEST(FormatTest, FormatValue) {
    // Digits 99 picks the pattern by magnitude (floats widen past a boundary); binary halves go even.
    // clang-format off
    const struct { double value; int digits; const char* text; } cases[] = {
        {0, 99, "0.0"}, {0.0005, 99, "5.00e-04"}, {0.000999, 99, "9.99e-04"}, {0.001, 99, "0.0010"},
        {0.00923, 99, "0.0092"}, {0.0999, 99, "0.0999"}, {0.1, 99, "0.100"}, {0.5, 99, "0.500"},
        {9.999, 99, "9.999"}, {10, 99, "10.00"}, {31.2345, 99, "31.23"}, {99.99, 99, "99.99"},
        {100, 99, "100.0"}, {123.44, 99, "123.4"}, {999.9, 99, "999.9"}, {1000, 99, "1000"},
        {1234.4, 99, "1234"}, {54321, 99, "54321"}, {99999, 99, "99999"}, {100000, 99, "1.00e+05"},
        {250000, 99, "2.50e+05"}, {1e-300, 99, "1.00e-300"}, {-5.5, 99, "-5.500"}, {-0.05, 99, "-0.0500"},
        {-0.0005, 99, "-5.00e-04"}, {-250000, 99, "-2.50e+05"}, {0.5, 10, "0.500"}, {0.001f, 99, "0.0010"},
        {0.1f, 99, "0.100"}, {75, 2, "75.00"}, {3, 0, "3"}, {1.5, -2, "1.50"}, {-5.25, 1, "-5.2"},
        {1e6, 0, "1000000"}, {1.0 / 3, 9, "0.333333333"}, {2.0 / 3, -9, "0.666666667"}, {-7.5, 0, "-8"},
        {2.5, 0, "2"}, {0.125, 2, "0.12"}, {0.375, 2, "0.38"}, {5, -10, ""}, {5, -32768, ""}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatValue(c.value, c.digits), c.text) << c.value << ", " << c.digits;
}

TEST(FormatTest, PointDistance) {
    EXPECT_FLOAT_EQ(PointDistance(100, 200, 103, 196), 5);
    // Squares of twips far off the page must not overflow a float.
    EXPECT_FLOAT_EQ(PointDistance(-3e19f, 0, 3e19f, 0), 6e19f);
}

TEST(FormatTest, ValReadsTheLeadingNumber) {
    // clang-format off
    const struct { const char* text; double value; } cases[] = {
        {"  12.5abc", 12.5}, {"1 2 3", 123}, {"- 5", -5}, {"  - .5", -0.5}, {" 1 . 5 e 2", 150},
        {"-3.5", -3.5}, {"+7", 7}, {"5.", 5}, {"12.3.4", 12.3}, {"1,5", 1}, {"1e3", 1000}, {"1D2", 100},
        {"1e", 1}, {"1e+", 1}, {"1-2", 1}, {"abc", 0}, {"", 0}, {"-", 0}, {"e5", 0}, {"1e-999", 0},
        {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}};
    // clang-format on
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

// Past a double's range a number is too large or too small by its size, whatever its exponent's sign.
TEST(FormatTest, OutOfRangeIsDecidedByTheValue) {
    const std::string zeros(400, '0');
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"1" + zeros + "e-5", HUGE_VAL},   {"-1" + zeros + "e-5", -HUGE_VAL}, {"1" + zeros + "e-80", HUGE_VAL},
        {"1" + zeros + "e-730", 0},        {"0." + zeros + "1e+70", 0},       {"0." + zeros + "1e+720", HUGE_VAL},
        {"1e-99999999999999999999", 0}, {"1e99999999999999999999", HUGE_VAL}, {"0e99999", 0}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(std::pair(Val(text), StrictVal(text).value_or(NAN)), std::pair(value, value))
            << text.substr(0, 12) << "...";
}

TEST(FormatTest, PointIsTheSeparatorWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_TRUE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) << "the build makes de_DE.UTF-8 under LOCPATH";
    const double value = Val("12.5");
    const std::string fixed = FormatValue(1234.5678, 2), automatic = FormatValue(0.00923, 99);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(value == 12.5 && fixed == "1234.57" && automatic == "0.0092") << fixed << " " << automatic;
}

TEST(FormatTest, ToInt16RoundsHalvesToEven) {
    const std::pair<double, int16_t> cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},         {-2.5, -2},
                                                {-0.5, 0}, {3.49, 3}, {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [value, result] : cases) EXPECT_EQ(ToInt16(value), result) << value;
    for (double out : {32767.5, -32769.0, 1e10, double(NAN), HUGE_VAL, -HUGE_VAL})
        EXPECT_FALSE(ToInt16(out)) << out;
}

// What a table keeps on ReDim shows in every window test that adds points and lines.
TEST(TableTest, IndicesOutsideTheBoundsThrow) {
    Table1<float> t;
    EXPECT_THROW(t(0), std::out_of_range);  // unallocated
    t.ReDim(3);
    EXPECT_THROW(t(4), std::out_of_range);
    EXPECT_THROW(t(-1), std::out_of_range);
    Table2<int16_t> lines;
    lines.ReDim(2, 0);  // a process-line table with no lines has its rows
    EXPECT_EQ(std::pair(lines.UBound(0), lines.UBound(1)), std::pair(2, 0));
    EXPECT_THROW(lines(3, 0), std::out_of_range);
    EXPECT_THROW(lines(0, 1), std::out_of_range);
}
