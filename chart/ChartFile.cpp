#include "ChartFile.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Atmosphere.h"
#include "FieldFile.h"

namespace Chart {

namespace {

using K = CalcFieldKind;

const std::vector<CalcLine> HeatMoistLayout = {
    {{"txtHeatMoistQ", K::Text},
     {"txtMoistGainFlow", K::Text},
     {"txtMoistGainEnt", K::Text},
     {"optHeatMoistInlet", K::Option},
     {"optHeatMoistOutlet", K::Option},
     {"txtHeatMoistPoint", K::Text}},
    {{"optHMInputDew", K::Option},
     {"optHMInputDry", K::Option},
     {"optHMInputWet", K::Option},
     {"optHMInputPhi", K::Option},
     {"optHMInputW", K::Option},
     {"optHMInputFlow", K::Option}},
    {{"txtHMInputParam", K::Text}},
    {{"", K::MoistGains}},
    {{"lblHMOutputPointVal", K::Caption}, {"lblHMOutputFlowVal", K::Caption}, {"lblOutCFM", K::Caption}},
};

const std::vector<CalcLine> HeatLayout = {
    {{"txtHeatInPoint", K::Text}, {"txtHeatOutPoint", K::Text}, {"txtHeatFlow", K::Text}},
    {{"lblHeatQVal", K::Caption}},
};

const std::vector<CalcLine> CoolLayout = {
    {{"txtCoolInPoint", K::Text},
     {"txtCoolOutPoint", K::Text},
     {"txtCoolFlow", K::Text},
     {"txtCoolEnt", K::Text},
     {"lblCoolWaterFlowVal", K::Caption},
     {"lblCoolRateVal", K::Caption}},
};

const std::vector<CalcLine> AirAirLayout = {
    {{"txtAirInPoint1", K::Text},
     {"txtAirInPoint2", K::Text},
     {"txtAirFlowIn1", K::Text},
     {"txtAirFlowIn2", K::Text}},
    {{"lblAirOutPointVal", K::Caption},
     {"lblAirOutFlowVal", K::Caption},
     {"lblAirOutFlowCFMVal", K::Caption}},
};

const std::vector<CalcLine> WatAirLayout = {
    {{"txtWatAirInPoint", K::Text},
     {"txtWatAirInFlow", K::Text},
     {"txtWatAirEnt", K::Text},
     {"txtWatAirInput", K::Text}},
    {{"optWatAirDew", K::Option},
     {"optWatAirDry", K::Option},
     {"optWatAirWet", K::Option},
     {"optWatAirW", K::Option},
     {"optWatAirRel", K::Option},
     {"optWatAirWater", K::Option}},
    {{"lblWatAirOutPointVal", K::Caption}, {"lblWatAirWatFlowVal", K::Caption}},
};

const std::vector<CalcLine> NoLayout;

// The twelve fields of a point record, in file order.
constexpr float Global::StatePoint::*PointFields[] = {
    &Global::StatePoint::DryBulb,     &Global::StatePoint::WetBulb,   &Global::StatePoint::DewPoint,
    &Global::StatePoint::RelHumid,    &Global::StatePoint::Enthalpy,  &Global::StatePoint::HumidRatio,
    &Global::StatePoint::VaporPress,  &Global::StatePoint::SatDegree, &Global::StatePoint::SpVol,
    &Global::StatePoint::MarkerColor, &Global::StatePoint::PlotX,     &Global::StatePoint::PlotY};

// The most a state holds. No solver hands back a temperature at or above the boiling point at
// the highest pressure the chart takes; nor does the dew-point correlation, down to vapour
// pressures of 1e-15 psia (below, it climbs back up, but only an exact cancellation in the
// wet-bulb relation could leave air that dry).
// A humidity ratio is at most that of air saturated at a wet bulb whose saturation pressure is
// one float step below the barometric pressure, 0.62198 * p / (P - p) < 0.62198 * 2^24, which
// a wet bulb above the dry bulb raises by (1093 - 0.556 tw) / (1093 + 0.444 t - tw), below 1.34
// down to the coldest dry bulb that can be typed (-200 C); twice that leaves room. Enthalpy and
// volume follow from those at the hottest state and, for the volume, the lowest pressure.
struct StateBounds {
    double temperature, humidRatio, enthalpy, spVol;
};

const StateBounds& MostAStateHolds() {
    static const StateBounds bounds = [] {
        const double press = HighestChartPressure();
        // The saturation relation rises up to about 2000 R; the boiling float lies between these.
        const float below =
            Global::LastFloatWhere(459.67f, 1800, [&](float t) { return Global::CalcSatPress(t) < press; });
        const float above = std::nextafter(below, 1800.0f);
        StateBounds b;
        b.temperature = above + 1.0;  // a whole degree of margin
        b.humidRatio = 2 * 0.62198 * 16777216.0;
        b.enthalpy = Global::EnthalpyOf(b.temperature, b.humidRatio);
        b.spVol = Global::SpVolOf(b.temperature, b.humidRatio, LowestChartPressure() * InHgPerPsia);
        return b;
    }();
    return bounds;
}

// What the solvers can leave in a point: absolute temperatures above 0 R and below the bound,
// water not below none, a relative humidity of at most 1 but for rounding, except where a wet
// bulb above the dry bulb was asked for (that air holds more than saturated air), enthalpy not
// below that of dry air at 0 R, and a volume above none.
bool IsStatePoint(const Global::StatePoint& p) {
    const StateBounds& most = MostAStateHolds();
    const auto isTemperature = [&](float t) { return t > 0 && t < most.temperature; };
    const bool aboveSaturation = p.WetBulb > p.DryBulb;
    return isTemperature(p.DryBulb) && isTemperature(p.WetBulb) && isTemperature(p.DewPoint) &&
           p.HumidRatio >= 0 && p.HumidRatio <= most.humidRatio && p.RelHumid >= 0 &&
           (p.RelHumid <= 1.00001f || aboveSaturation) && p.Enthalpy >= 0.24 * -459.67 &&
           p.Enthalpy <= most.enthalpy && p.SpVol > 0 && p.SpVol <= most.spVol;
}

bool IsCount(std::size_t n) {
    return n <= static_cast<std::size_t>(Global::MaxCount);
}

std::optional<CalcSection> ReadCalcSection(FieldReader& in) {
    CalcSection section;
    auto type = in.ReadInt(INT16_MIN, INT16_MAX);
    if (!type) return std::nullopt;
    section.CalcType = static_cast<int16_t>(*type);
    for (const CalcLine& line : CalcLayout(section.CalcType)) {
        for (const CalcField& field : line) {
            if (field.kind == K::Option) {
                auto v = in.ReadBool();
                if (!v) return std::nullopt;
                section.Options.push_back(*v);
            } else if (field.kind == K::MoistGains) {
                auto n = in.ReadInt(0, Global::MaxCount);
                if (!n) return std::nullopt;
                section.NumMoistGains = static_cast<int16_t>(*n);
                for (int i = 1; *n > 1 && i <= *n; ++i) {
                    auto flow = in.ReadFloat();
                    auto ent = in.ReadFloat();
                    if (!flow || !ent) return std::nullopt;
                    section.MoistGains.push_back({*flow, *ent});
                }
            } else {
                auto v = in.ReadText();
                if (!v) return std::nullopt;
                section.Texts.push_back(std::move(*v));
            }
        }
    }
    return section;
}

void WriteCalcSection(FieldWriter& out, const CalcSection& section) {
    out.Write(static_cast<int32_t>(section.CalcType));
    out.EndLine();
    std::size_t text = 0, option = 0;
    for (const CalcLine& line : CalcLayout(section.CalcType)) {
        for (const CalcField& field : line) {
            if (field.kind == K::Option) {
                out.Write(option < section.Options.size() && section.Options[option]);
                ++option;
            } else if (field.kind == K::MoistGains) {
                out.Write(static_cast<int32_t>(section.NumMoistGains));
                if (section.NumMoistGains > 1) {
                    for (int i = 0; i < section.NumMoistGains; ++i) {
                        out.EndLine();
                        const bool known = static_cast<std::size_t>(i) < section.MoistGains.size();
                        out.Write(known ? section.MoistGains[i][0] : 0.0f);
                        out.Write(known ? section.MoistGains[i][1] : 0.0f);
                    }
                }
            } else {
                // A double quote would end the text early on reading.
                std::string value = text < section.Texts.size() ? section.Texts[text] : std::string();
                std::replace(value.begin(), value.end(), '"', '\'');
                // Longer fields are refused on reading: keep what fits, whole characters only.
                if (value.size() > MaxFieldLength) {
                    std::size_t end = MaxFieldLength;
                    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
                    value.resize(end);
                }
                out.WriteText(value);
                ++text;
            }
        }
        out.EndLine();
    }
}

}  // namespace

const std::vector<CalcLine>& CalcLayout(int16_t calcType) {
    switch (calcType) {
        case 1:
            return HeatMoistLayout;
        case 2:
            return HeatLayout;
        case 3:
            return CoolLayout;
        case 4:
            return AirAirLayout;
        case 5:
            return WatAirLayout;
        default:
            return NoLayout;
    }
}

const char* StageText(ChartFileStage stage) {
    switch (stage) {
        case ChartFileStage::Points:
            return "Error Reading data";
        case ChartFileStage::Lines:
            return "Error Reading Process Lines";
        default:
            return "Error Opening File";
    }
}

ParsedChartFile ParseChartFile(std::string_view text) {
    ParsedChartFile result;
    std::istringstream stream{std::string(text)};
    FieldReader in(stream);
    ChartFileData data;

    result.failed = ChartFileStage::Opening;
    auto settings = ReadSettingsRecord(in);
    if (!settings) return result;
    data.Settings = *settings;
    auto present = in.ReadBool();
    auto numLines = in.ReadInt(0, Global::MaxCount);
    if (!present || !numLines) return result;
    data.ProcessDataPresent = *present;
    if (data.ProcessDataPresent) {
        auto section = ReadCalcSection(in);
        if (!section) return result;
        data.Calc = std::move(*section);
    }
    auto numPoints = in.ReadInt(0, Global::MaxCount);
    if (!numPoints) return result;

    result.failed = ChartFileStage::Points;
    data.Points.resize(static_cast<std::size_t>(*numPoints));
    for (Global::StatePoint& point : data.Points) {
        for (auto field : PointFields) {
            auto v = in.ReadFloat();
            if (!v) return result;
            point.*field = *v;
        }
        if (!IsStatePoint(point)) return result;
    }

    result.failed = ChartFileStage::Lines;
    for (int k = 1; k <= *numLines; ++k) {
        auto from = in.ReadInt(1, *numPoints);
        auto to = in.ReadInt(0, *numPoints);
        if (!from || !to) return result;
        if (*to == 0) {
            // Only the last line may still be waiting for its To point.
            if (k != *numLines) return result;
            break;
        }
        data.Lines.push_back({static_cast<int16_t>(*from), static_cast<int16_t>(*to)});
    }
    result.data = std::move(data);
    return result;
}

bool FitsChartFile(const ChartFileData& data) {
    if (!IsCount(data.Points.size()) || !IsCount(data.Lines.size())) return false;
    // Missing gains are written as 0; a negative count is not a count.
    if (data.ProcessDataPresent && data.Calc.CalcType == 1 && data.Calc.NumMoistGains < 0) return false;
    const auto isPoint = [&](int16_t n) {
        return n >= 1 && static_cast<std::size_t>(n) <= data.Points.size();
    };
    return std::ranges::all_of(data.Lines,
                               [&](const auto& line) { return isPoint(line[0]) && isPoint(line[1]); }) &&
           std::ranges::all_of(data.Points, IsStatePoint);
}

std::string ChartFileText(const ChartFileData& data) {
    FieldWriter out;
    WriteSettingsRecord(out, data.Settings);
    out.Write(data.ProcessDataPresent);
    out.Write(static_cast<int32_t>(data.Lines.size()));
    out.EndLine();
    if (data.ProcessDataPresent) WriteCalcSection(out, data.Calc);
    out.Write(static_cast<int32_t>(data.Points.size()));
    out.EndLine();
    for (const Global::StatePoint& point : data.Points) {
        for (auto field : PointFields) out.Write(point.*field);
        out.EndLine();
    }
    for (const auto& line : data.Lines) {
        out.Write(static_cast<int32_t>(line[0]));
        out.Write(static_cast<int32_t>(line[1]));
        out.EndLine();
    }
    return out.Text();
}

ChartFileData CurrentChart(const SettingsRecord& settings) {
    using namespace Global;
    ChartFileData data;
    data.Settings = settings;
    // Never reads past the table, whatever the count says; an unallocated one gives none.
    const int numPoints = std::max(std::min<int>(NumPoints, Points.UBound()), 0);
    data.Points.reserve(static_cast<std::size_t>(numPoints));
    for (int i = 1; i <= numPoints; ++i) data.Points.push_back(Points(i));
    // A line still waiting for its To point is not one yet.
    const int lines = ProcLines.UBound(0) >= 2 ? ProcLines.UBound(1) : 0;
    for (int k = 1; k <= lines; ++k) {
        const int16_t from = ProcLines(1, k), to = ProcLines(2, k);
        if (from < 1 || from > numPoints || to < 1 || to > numPoints) continue;
        data.Lines.push_back({from, to});
    }
    return data;
}

std::string ChartFilePath(const std::string& chosen) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t nameLength = chosen.size() - nameStart;
    if (nameLength >= 4 && chosen[chosen.size() - 4] == '.')
        return chosen.substr(0, chosen.size() - 4) + ".zlv";
    return chosen + ".zlv";
}

}  // namespace Chart
