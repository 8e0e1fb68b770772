#include "UnitSystem.h"

#include "Global.h"

namespace Chart {

void SetUnitSystem(bool usUnits) {
    using namespace Global;
    if (usUnits) {
        TempOffset = 459.67f;
        TempScale = 1;
        PressFactor = 1;
        MassFactor = 1;
        SpVolFactor = 1;
        EnthalpyFactor = 1;
        EnthalpyOffset = 0;
        EnergyFactor = 1;
        LengthFactor = 1;
        // Texts are moved in whole: GCC 12 at -O2 warns falsely (-Wrestrict) on assigning a literal.
        MassUnit = std::string("lb");
        TempUnit = std::string("F");
        EnthalpyUnit = std::string("BTU/lb");
        EnergyUnit = std::string("BTU");
        PressUnit = std::string("psia");
        LengthUnit = std::string("ft");
    } else {
        TempOffset = 273.15f;
        TempScale = static_cast<float>(5.0 / 9.0);
        PressFactor = 0.0068947589f;
        MassFactor = 0.45359236f;
        SpVolFactor = 0.06242796f;
        EnthalpyFactor = 2.326f;
        EnthalpyOffset = 7.684f;
        EnergyFactor = 1055.0559f;
        LengthFactor = 0.3048f;
        MassUnit = std::string("kg");
        TempUnit = std::string("C");
        EnthalpyUnit = std::string("kJ/kg");
        EnergyUnit = std::string("J");
        PressUnit = std::string("MPa");
        LengthUnit = std::string("m");
    }
    if (usUnits) {
        // 120, 35 and 90 F as stored limits.
        ChartMaxDry = 579.67f;
        ChartMinDry = 494.67f;
        ChartMaxDew = 549.67f;
    } else {
        // 50, 0 and 35 C through the new scale: 581.66998, 491.66995, 554.66998.
        auto limit = [](double shown) { return static_cast<float>((shown + TempOffset) / TempScale); };
        ChartMaxDry = limit(50);
        ChartMinDry = limit(0);
        ChartMaxDew = limit(35);
    }
    ChartMinDew = ChartMinDry;
}

}  // namespace Chart
