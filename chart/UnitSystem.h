// The two unit systems: display factors, offsets, unit texts and default chart limits.
#pragma once

namespace Chart {

// Sets every factor, offset and unit text of the system, then its default chart
// limits (converted with the new temperature scale). Scaling flags are left alone.
void SetUnitSystem(bool usUnits);

}  // namespace Chart
