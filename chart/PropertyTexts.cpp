#include "PropertyTexts.h"

#include <algorithm>

#include "Format.h"
#include "Global.h"

namespace Chart {

using Global::FormatValue;

std::vector<std::string> PointTexts(int p) {
    using namespace Global;
    const StatePoint& s = Points(p);
    return {FormatValue(p, 0),
            FormatValue(s.DryBulb * TempScale - TempOffset, 2),
            FormatValue(s.WetBulb * TempScale - TempOffset, 2),
            FormatValue(s.DewPoint * TempScale - TempOffset, 2),
            FormatValue(s.RelHumid * 100.0f, 99),
            FormatValue((s.Enthalpy - EnthalpyOffset) * EnthalpyFactor, 99),
            FormatValue(s.HumidRatio, 99),
            FormatValue(PressFactor * s.VaporPress, 99),
            FormatValue(s.SatDegree * 100.0f, 99),
            FormatValue(SpVolFactor * s.SpVol, 99)};
}

// Changes from the From point to the To point: factors only, the offsets cancel.
std::vector<std::string> LineTexts(int k) {
    using namespace Global;
    const int from = ProcLines(1, k), to = ProcLines(2, k);
    if (from < 1 || from > NumPoints || to < 1 || to > NumPoints)
        return {FormatValue(from, 0), FormatValue(to, 0)};
    const StatePoint& f = Points(from);
    const StatePoint& t = Points(to);
    return {FormatValue(from, 0),
            FormatValue(to, 0),
            FormatValue((t.DryBulb - f.DryBulb) * TempScale, 2),
            FormatValue((t.WetBulb - f.WetBulb) * TempScale, 2),
            FormatValue((t.DewPoint - f.DewPoint) * TempScale, 2),
            FormatValue((t.RelHumid - f.RelHumid) * 100.0f, 99),
            FormatValue((t.Enthalpy - f.Enthalpy) * EnthalpyFactor, 99),
            FormatValue(t.HumidRatio - f.HumidRatio, 99),
            FormatValue((t.VaporPress - f.VaporPress) * PressFactor, 99),
            FormatValue((t.SatDegree - f.SatDegree) * 100.0f, 99),
            FormatValue((t.SpVol - f.SpVol) * SpVolFactor, 99)};
}

int CompleteLineCount() {
    int n = Global::ProcLines.UBound(1);
    if (Global::LineState == 2) --n;
    return std::max(n, 0);
}

}  // namespace Chart
