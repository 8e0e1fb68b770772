// A chart file: the settings record, the header, the calculator section, the points and
// the process lines, in the notation of the settings file. Reading parses and checks
// the whole text into a record before anything is applied, so a damaged file changes
// nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Global.h"
#include "Settings.h"

namespace Chart {

inline constexpr const char* ChartFileFilter = "(*.zlv)|*.zlv";
inline constexpr const char* ChartFileTitle = "Viduvaduderoru";
inline constexpr const char* SaveFailedText = "Error saving data";
inline constexpr std::size_t MaxChartFileBytes = std::size_t{64} << 20;

// What a field of the calculator section is in the calculator window.
enum class CalcFieldKind { Text, Caption, Option, MoistGains };

struct CalcField {
    const char* control;  // the control's name; empty for the moisture gains
    CalcFieldKind kind;
};

using CalcLine = std::vector<CalcField>;

// The lines a calculator writes, for CalcType 1 (heat and moisture gains), 2 (heating),
// 3 (cooling), 4 (air/air), 5 (water/air); no lines for any other type.
const std::vector<CalcLine>& CalcLayout(int16_t calcType);

// The calculator window's part of a chart file. Texts (text boxes and captions) and
// options hold the fields of CalcLayout(CalcType) in file order.
struct CalcSection {
    int16_t CalcType = 0;
    std::vector<std::string> Texts;
    std::vector<bool> Options;
    // Heat and moisture gains only. With more than one gain the gains themselves
    // (lb/hr, BTU/lb) travel too; with one, only the two texts of the first line.
    int16_t NumMoistGains = 0;
    std::vector<std::array<float, 2>> MoistGains;  // gains 1..NumMoistGains when > 1
};

struct ChartFileData {
    SettingsRecord Settings;
    bool ProcessDataPresent = false;
    CalcSection Calc;                           // only when ProcessDataPresent
    std::vector<Global::StatePoint> Points;     // points 1..n
    std::vector<std::array<int16_t, 2>> Lines;  // lines 1..n: From, To
};

// The part of the file that failed, each with the message the reader shows.
enum class ChartFileStage { Opening, Points, Lines };
const char* StageText(ChartFileStage stage);

struct ParsedChartFile {
    std::optional<ChartFileData> data;
    ChartFileStage failed = ChartFileStage::Opening;  // when there is no data
};

// Every count must be 0..32767, every point a state the solvers can leave and every
// line's ends 1..point count; a last line whose To is 0 (a half-drawn line) is dropped.
ParsedChartFile ParseChartFile(std::string_view text);

// Whether the reader would take the data back: counts of 0..32767 (gains too), every
// line's ends among the points, every point a state the solvers can leave.
bool FitsChartFile(const ChartFileData& data);

std::string ChartFileText(const ChartFileData& data);

// The points and complete process lines of the shared state, without settings or
// calculator section.
ChartFileData CurrentChart(const SettingsRecord& settings);

// The name rule, on the last path component only: a name whose fourth character from
// the end is "." gets ".zlv" for its last four, any other name gets ".zlv" appended.
std::string ChartFilePath(const std::string& chosen);

}  // namespace Chart
