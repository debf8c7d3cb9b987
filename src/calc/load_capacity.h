#pragma once
// Load capacity: flank pressures, permissible pressures, safeties of shaft and hub,
// torsional shear stress of the shaft.

#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

void LoadCapacity(DesignRecord& design, RunMessages& messages);

}  // namespace zt6
