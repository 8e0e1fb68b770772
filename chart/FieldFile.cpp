#include "FieldFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace Chart {

namespace {

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
    // from_chars takes a minus of its own: "--14.697" must not pass as 14.697.
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::optional<std::string> FieldReader::ReadField() {
    int c = in_.get();
    while (c != EOF && (IsBlank(c) || c == '\r' || c == '\n')) c = in_.get();
    if (c == EOF) return std::nullopt;
    std::string field;
    if (c == '"') {
        // A quoted text runs to the next quote; what follows up to the separator is dropped.
        for (c = in_.get(); c != EOF && c != '"'; c = in_.get()) {
            if (field.size() == MaxFieldLength) return std::nullopt;
            field += static_cast<char>(c);
        }
        if (c == EOF) return std::nullopt;
        c = in_.get();
        while (c != EOF && c != ',' && c != '\n' && c != '\r') c = in_.get();
        return field;
    }
    // A lone CR ends a line as CR LF and LF do; the LF of a pair is skipped as a blank line.
    while (c != EOF && c != ',' && c != '\n' && c != '\r') {
        if (field.size() == MaxFieldLength) return std::nullopt;
        field += static_cast<char>(c);
        c = in_.get();
    }
    return field;
}

std::optional<bool> FieldReader::ReadBool() {
    auto field = ReadField();
    if (!field) return std::nullopt;
    while (!field->empty() && IsBlank(field->back())) field->pop_back();
    if (*field == "#TRUE#") return true;
    if (*field == "#FALSE#") return false;
    return std::nullopt;
}

std::optional<int32_t> FieldReader::ReadInt(int32_t min, int32_t max) {
    auto field = ReadField();
    if (!field) return std::nullopt;
    auto value = ParseNumber(*field);
    if (!value) return std::nullopt;
    // Any decimal form is a number: a fraction rounds to the nearest whole, halves to even.
    const double whole = std::nearbyint(*value);
    if (whole < min || whole > max) return std::nullopt;
    return static_cast<int32_t>(whole);
}

std::optional<float> FieldReader::ReadFloat() {
    auto field = ReadField();
    if (!field) return std::nullopt;
    auto value = ParseNumber(*field);
    if (!value) return std::nullopt;
    auto f = static_cast<float>(*value);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::optional<std::string> FieldReader::ReadText() {
    return ReadField();
}

void FieldWriter::Separate() {
    if (lineStarted_) out_ += ',';
    lineStarted_ = true;
}

void FieldWriter::Write(bool value) {
    Separate();
    out_ += value ? "#TRUE#" : "#FALSE#";
}

void FieldWriter::Write(int32_t value) {
    Separate();
    out_ += std::to_string(value);
}

void FieldWriter::Write(float value) {
    Separate();
    out_ += FloatText(value);
}

void FieldWriter::WriteText(const std::string& value) {
    Separate();
    out_.append(1, '"').append(value).append(1, '"');
}

void FieldWriter::EndLine() {
    out_ += "\r\n";
    lineStarted_ = false;
}

std::string FloatText(float value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[64];
    // The value as seven significant digits, then the fewest digits that read back the same.
    auto seven = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 6);
    double target = 0;
    std::from_chars(buf, seven.ptr, target);
    auto readsBack = [&](int digits) {
        char text[64];
        auto r = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
        double back = 0;
        std::from_chars(text, r.ptr, back);
        return static_cast<float>(back) == static_cast<float>(target);
    };
    // The seven digits without their trailing zeros read back; one digit fewer seldom
    // does, and only then is every shorter form tried.
    const char* e = std::find(buf, seven.ptr, 'e');
    const std::string_view mantissa(buf, static_cast<std::size_t>(e - buf));
    int digits = static_cast<int>(
        std::count_if(mantissa.begin(), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
    for (std::size_t i = mantissa.size(); i > 0 && mantissa[i - 1] == '0'; --i) --digits;
    // A shorter form lies at least one unit of the last digit away from these seven
    // digits, so it can read back the same only where floats lie that far apart.
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), seven.ptr, exponent);
    const float magnitude = std::fabs(static_cast<float>(target));
    const double spacing = static_cast<double>(std::nextafter(magnitude, INFINITY)) - magnitude;
    std::to_chars_result sci = seven;
    if (digits > 1 && std::pow(10.0, exponent - digits + 1) <= 1.001 * spacing && readsBack(digits - 1)) {
        for (digits = 1; digits < 7 && !readsBack(digits); ++digits) {
        }
        sci = std::to_chars(buf, buf + sizeof buf, target, std::chars_format::scientific, digits - 1);
        e = std::find(buf, sci.ptr, 'e');
        std::from_chars(e + 1 + (e[1] == '+'), sci.ptr, exponent);
    }
    // Laid out from the scientific form's digits and exponent: formatting them again
    // would cost more than the rest, and a chart file has thousands.
    std::string text(buf[0] == '-' ? "-" : "");
    std::string significant;
    for (const char* c = buf; c < e && significant.size() < static_cast<std::size_t>(digits); ++c)
        if (*c >= '0' && *c <= '9') significant += *c;
    if (exponent < -4 || exponent >= 7) {
        // Mantissa, "E", sign and at least two exponent digits: 1.5E-05.
        text += significant[0];
        if (digits > 1) text.append(".").append(significant, 1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + tail;
    }
    if (exponent < 0)
        return text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (significant.size() <= whole) return text + significant.append(whole - significant.size(), '0');
    return text.append(significant, 0, whole).append(".").append(significant, whole);
}

}  // namespace Chart
