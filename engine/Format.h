// Number formatting and the small numeric helpers every window shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Global {

// Text of a value for display and print. Digits >= 10 (callers pass 99): a pattern
// chosen by magnitude; 1..9 and -1..-9: that many decimals; 0: whole number;
// -10 or less: empty text. Exact halves of the binary value round to even.
std::string FormatValue(double value, int digits);

// Distance between two chart positions in twips.
float PointDistance(float x1, float y1, float x2, float y2);

// Reads the leading number of a typed text: blanks anywhere are skipped, a point is
// the decimal separator whatever the locale, and text with no leading number is 0.
// An exponent (E or D) is accepted. A number too large for a double reads as +-infinity.
double Val(std::string_view text);

// The number a whole text stands for, read strictly: after trimming blanks only
// [sign] (digits [. [digits]] | . digits) [e|E|d|D [sign] digits]; nothing for any
// other text (no trailing letters, inner blanks, comma, "inf", "nan" or hex). Too
// large reads as +-infinity, too small as 0.
std::optional<double> StrictVal(std::string_view text);

// A double as a 32-bit float holds it: beyond the float range it is +-infinity.
float ToFloat(double value);

// A float rounded to the nearest 16-bit integer, halves to even; nothing when it
// does not fit (or is not a number).
std::optional<int16_t> ToInt16(double value);

}  // namespace Global
