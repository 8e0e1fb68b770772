// The comma-separated text notation of the settings file and chart files: Booleans
// "#TRUE#"/"#FALSE#", texts in double quotes, a point as decimal separator whatever
// the locale, CR LF line ends. A comma and a line end both end a field when reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "SafeFile.h"

namespace Chart {

// A field longer than this is damage, not data; it also bounds the work on a huge line.
inline constexpr std::size_t MaxFieldLength = 4096;

class FieldReader {
public:
    explicit FieldReader(std::istream& in) : in_(in) {}

    // Each returns nothing when the input has ended, the field does not convert or it
    // is longer than MaxFieldLength.
    std::optional<std::string> ReadField();
    std::optional<bool> ReadBool();
    std::optional<int32_t> ReadInt(int32_t min, int32_t max);
    std::optional<float> ReadFloat();  // finite values only
    std::optional<std::string> ReadText();

private:
    std::istream& in_;
};

class FieldWriter {
public:
    void Write(bool value);
    void Write(int32_t value);
    void Write(float value);
    void WriteText(const std::string& value);
    void EndLine();
    // What was written, in one string: a chart file is built whole before it is saved.
    const std::string& Text() const { return out_; }

private:
    void Separate();
    std::string out_;
    bool lineStarted_ = false;
};

// Shortest text of at most 7 significant digits ("14.697", "29.92347", "1.5E-05").
std::string FloatText(float value);

}  // namespace Chart
