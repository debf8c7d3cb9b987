#pragma once
// A DIN 5481 row taken into a design the way the dimensions dialog's DIN 5481 button
// takes it: database source, the row and its tolerance row, the dialog's hub length
// proposal when the design has no length yet, then OK.

#include <optional>
#include <string_view>

#include "app/lookups/table_access.h"
#include "app/state/program.h"
#include "calc/design_record.h"

namespace zt6 {

// False when the table has no row of that designation or cannot be read (the design
// is unchanged then).
bool TakeSizeRow(Program& program, TableAccess& access, DesignRecord& design,
                 std::string_view designation, std::optional<ToleranceClass> toleranceClass);

}  // namespace zt6
