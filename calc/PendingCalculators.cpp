// Handlers of the air/air calculation, the water/air and heat-and-moisture frames and
// the moisture-gain table, connected once those calculators are in.
#include "frmZolvaneCalc.h"

void frmZolvaneCalc::ConnectAirAirHandlers() {}
void frmZolvaneCalc::ConnectWatAirHandlers() {}
void frmZolvaneCalc::ConnectHeatMoistHandlers() {}
