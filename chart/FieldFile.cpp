#include "FieldFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
        for (c = in_.get(); c != EOF && c != '"'; c = in_.get()) field += static_cast<char>(c);
        if (c == EOF) return std::nullopt;
        c = in_.get();
        while (c != EOF && c != ',' && c != '\n') c = in_.get();
        return field;
    }
    while (c != EOF && c != ',' && c != '\n') {
        if (c != '\r') field += static_cast<char>(c);
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
    if (lineStarted_) out_ << ',';
    lineStarted_ = true;
}

void FieldWriter::Write(bool value) {
    Separate();
    out_ << (value ? "#TRUE#" : "#FALSE#");
}

void FieldWriter::Write(int32_t value) {
    Separate();
    out_ << std::to_string(value);
}

void FieldWriter::Write(float value) {
    Separate();
    out_ << FloatText(value);
}

void FieldWriter::WriteText(const std::string& value) {
    Separate();
    out_ << '"' << value << '"';
}

void FieldWriter::EndLine() {
    out_ << "\r\n";
    lineStarted_ = false;
}

std::string FloatText(float value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[64];
    // The value as seven significant digits, then the fewest digits that read back the same.
    auto seven = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 6);
    double target = 0;
    std::from_chars(buf, seven.ptr, target);
    int digits = 1;
    for (; digits < 7; ++digits) {
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
        double back = 0;
        std::from_chars(buf, r.ptr, back);
        if (static_cast<float>(back) == static_cast<float>(target)) break;
    }
    auto r = std::to_chars(buf, buf + sizeof buf, target, std::chars_format::scientific, digits - 1);
    std::string sci(buf, r.ptr);
    int exponent = std::stoi(sci.substr(sci.find('e') + 1));
    if (exponent < -4 || exponent >= 7) {
        // Mantissa, "E", sign and at least two exponent digits: 1.5E-05.
        std::string mantissa = sci.substr(0, sci.find('e'));
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return mantissa + tail;
    }
    int decimals = std::max(0, digits - 1 - exponent);
    r = std::to_chars(buf, buf + sizeof buf, target, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

bool ReplaceFile(const std::string& path, const std::string& content) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << content;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace Chart
