#include "Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace Global {

namespace {

// to_chars rounds like printf but never uses the locale's decimal separator.
std::string ToText(double value, std::chars_format format, int precision) {
    char buf[400];
    auto result = std::to_chars(buf, buf + sizeof buf, value, format, precision);
    return std::string(buf, result.ptr);
}

// A value that rounds to zero shows without a sign.
std::string DropNegativeZero(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// The power of ten of the leading digit of a number text ("-0.05e3" gives 1), its
// exponent held far past any double's range without overflowing.
long long DecimalExponent(std::string_view number) {
    const std::size_t e = std::min(number.find('e'), number.size());
    long long exponent = 0;
    for (std::size_t i = e + 1; i < number.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(number[i])))
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000LL);
    if (e + 1 < number.size() && number[e + 1] == '-') exponent = -exponent;
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const long long place =
        first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    return place + exponent;
}

}  // namespace

std::string FormatValue(double value, int digits) {
    if (digits <= -10 || !std::isfinite(value)) return {};
    if (digits == 0) return DropNegativeZero(ToText(value, std::chars_format::fixed, 0));
    if (digits < 10) return DropNegativeZero(ToText(value, std::chars_format::fixed, std::abs(digits)));

    if (value == 0) return "0.0";
    double a = std::fabs(value);
    if (a < 0.001 || a >= 100000) return ToText(value, std::chars_format::scientific, 2);
    int decimals = a < 0.1 ? 4 : a < 10 ? 3 : a < 100 ? 2 : a < 1000 ? 1 : 0;
    return DropNegativeZero(ToText(value, std::chars_format::fixed, decimals));
}

float PointDistance(float x1, float y1, float x2, float y2) {
    double dx = static_cast<double>(x1) - x2;
    double dy = static_cast<double>(y1) - y2;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

double Val(std::string_view text) {
    // Keep the characters a number may be made of, blanks dropped, up to the first other one.
    std::string number;
    bool digits = false, point = false, exponent = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        bool take = false;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            take = digits = true;
        } else if ((c == '+' || c == '-') && (number.empty() || number.back() == 'e')) {
            take = true;
        } else if (c == '.' && !point && !exponent) {
            take = point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits && !exponent) {
            take = exponent = true;
            c = 'e';
        }
        if (!take) break;
        number += c;
    }
    if (!digits) return 0;
    // A dangling exponent mark or sign is not part of the number.
    while (!number.empty() && (number.back() == 'e' || number.back() == '+' || number.back() == '-'))
        number.pop_back();
    bool negative = number[0] == '-';
    const char* first = number.c_str() + (number[0] == '-' || number[0] == '+');
    const char* last = number.c_str() + number.size();
    double value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    // from_chars leaves the value alone: tell overflow from underflow by the value's size,
    // not its exponent's sign ("1000...0e-5" with 400 zeros overflows).
    if (error == std::errc::result_out_of_range) value = DecimalExponent(number) >= 0 ? HUGE_VAL : 0.0;
    (void)end;
    return negative ? -value : value;
}

std::optional<double> StrictVal(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        return i > start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    // Digits before or after the point, or both: "5", "5.", ".5", "5.25"; never "." alone.
    bool mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa = digits() || mantissa;
    }
    if (!mantissa) return std::nullopt;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digits()) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return Val(text);
}

float ToFloat(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::infinity();
    if (value < -largest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::optional<int16_t> ToInt16(double value) {
    double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<int16_t>(r);
}

}  // namespace Global
