#include "Settings.h"

#include <cmath>
#include <sstream>

#include "Atmosphere.h"
#include "Global.h"

namespace Chart {

namespace {

// The five families' variables, in file order.
struct FamilyRefs {
    bool& show;
    int32_t& color;
    int16_t& style;
};

std::array<FamilyRefs, 5> Families() {
    using namespace Global;
    return {{{ShowDryLines, DryLineColor, DryLineStyle},
             {ShowWetLines, WetLineColor, WetLineStyle},
             {ShowDewLines, DewLineColor, DewLineStyle},
             {ShowRHLines, RHLineColor, RHLineStyle},
             {ShowWLines, WLineColor, WLineStyle}}};
}

}  // namespace

SettingsRecord CurrentSettings(bool usUnits) {
    SettingsRecord r;
    auto families = Families();
    for (std::size_t i = 0; i < families.size(); ++i) {
        r.show[i] = families[i].show;
        r.color[i] = families[i].color;
        r.style[i] = families[i].style;
    }
    r.press = Global::Press;
    r.alt = Global::Alt;
    r.pressInHg = Global::PressInHg;
    r.usUnits = usUnits;
    r.autoScale = Global::AutoScale;
    r.scaleChanged = Global::ScaleChanged;
    return r;
}

void ApplySettings(const SettingsRecord& r) {
    auto families = Families();
    for (std::size_t i = 0; i < families.size(); ++i) {
        families[i].show = r.show[i];
        families[i].color = r.color[i];
        families[i].style = r.style[i];
    }
    Global::Press = r.press;
    Global::Alt = r.alt;
    Global::PressInHg = r.pressInHg;
    Global::AutoScale = r.autoScale;
    Global::ScaleChanged = r.scaleChanged;
}

bool IsSoundPressure(const SettingsRecord& r) {
    const double inHg = r.press * InHgPerPsia;
    return IsChartPressure(r.press) && IsChartAltitude(r.alt) && std::abs(r.pressInHg - inHg) <= 1e-6 * inHg;
}

std::optional<SettingsRecord> ReadSettingsRecord(FieldReader& in) {
    SettingsRecord r;
    for (bool& show : r.show) {
        auto v = in.ReadBool();
        if (!v) return std::nullopt;
        show = *v;
    }
    for (int32_t& color : r.color) {
        auto v = in.ReadInt(0, 0xFFFFFF);
        if (!v) return std::nullopt;
        color = *v;
    }
    for (int16_t& style : r.style) {
        auto v = in.ReadInt(0, 4);
        if (!v) return std::nullopt;
        style = static_cast<int16_t>(*v);
    }
    auto press = in.ReadFloat();
    auto alt = in.ReadFloat();
    auto pressInHg = in.ReadFloat();
    if (!press || !alt || !pressInHg) return std::nullopt;
    r.press = *press;
    r.alt = *alt;
    r.pressInHg = *pressInHg;
    if (!IsSoundPressure(r)) return std::nullopt;
    auto us = in.ReadBool();
    auto autoScale = in.ReadBool();
    auto scaleChanged = in.ReadBool();
    if (!us || !autoScale || !scaleChanged) return std::nullopt;
    r.usUnits = *us;
    r.autoScale = *autoScale;
    r.scaleChanged = *scaleChanged;
    return r;
}

void WriteSettingsRecord(FieldWriter& out, const SettingsRecord& r) {
    for (bool show : r.show) out.Write(show);
    for (int32_t color : r.color) out.Write(color);
    out.EndLine();
    for (int16_t style : r.style) out.Write(static_cast<int32_t>(style));
    out.Write(r.press);
    out.Write(r.alt);
    out.Write(r.pressInHg);
    out.EndLine();
    out.Write(r.usUnits);
    out.Write(r.autoScale);
    out.Write(r.scaleChanged);
    out.EndLine();
}

std::optional<SettingsRecord> LoadSettingsFile(const std::string& path) {
    auto text = Platform::ReadWholeFile(path, MaxSettingsFileBytes);
    if (!text) return std::nullopt;
    std::istringstream in(*text);
    FieldReader reader(in);
    return ReadSettingsRecord(reader);
}

bool SaveSettingsFile(const std::string& path, const SettingsRecord& record) {
    FieldWriter writer;
    WriteSettingsRecord(writer, record);
    return Platform::ReplaceFile(path, writer.Text());
}

}  // namespace Chart
