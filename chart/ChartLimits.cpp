// Chart limits and automatic scaling.
#include "Global.h"
#include "frmZolvane.h"

bool frmZolvane::AutoScaleChart() { return false; }
