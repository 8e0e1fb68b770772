// The settings record: the line families' appearance, the pressure and the unit and
// scaling flags. It is the whole settings file and the head of every chart file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FieldFile.h"

namespace Chart {

inline constexpr const char* SettingsFileName = "Zolvane.ini";

struct SettingsRecord {
    // Families in the order dry bulb, wet bulb, dew point, RH, humidity ratio.
    std::array<bool, 5> show{true, true, true, true, true};
    std::array<int32_t, 5> color{0, 0, 0, 255, 0};
    std::array<int16_t, 5> style{0, 0, 0, 0, 0};
    float press = 14.697f;
    float alt = 0;
    float pressInHg = static_cast<float>(29.92347320551491);
    bool usUnits = true;
    bool autoScale = false;
    bool scaleChanged = false;
};

// The record as the shared variables hold it; the unit system comes from the caller.
SettingsRecord CurrentSettings(bool usUnits);

// Puts the record into the shared variables (all but the unit system, which the
// caller selects).
void ApplySettings(const SettingsRecord& record);

// Whether the pressure fields hold what the pressure frame could have put there: a
// pressure and altitude of the chart's range, and the inHg value that goes with the
// pressure (to float rounding).
bool IsSoundPressure(const SettingsRecord& record);

// The three lines of the record. Reading refuses a field that does not convert or is
// out of its range (a style outside 0..4, a colour that is not RGB, an unsound
// pressure), so a damaged file cannot put a nonsense value in force.
std::optional<SettingsRecord> ReadSettingsRecord(FieldReader& in);
void WriteSettingsRecord(FieldWriter& out, const SettingsRecord& record);

inline constexpr std::size_t MaxSettingsFileBytes = 64 * 1024;

// The settings file: a record, or nothing when it is missing, not a regular file,
// larger than MaxSettingsFileBytes, short or malformed.
std::optional<SettingsRecord> LoadSettingsFile(const std::string& path);
bool SaveSettingsFile(const std::string& path, const SettingsRecord& record);

}  // namespace Chart
