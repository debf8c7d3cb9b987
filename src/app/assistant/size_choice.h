#pragma once
// The size chosen in "Größe nach Last..." taken into the current design.

#include "app/assistant/size_search.h"
#include "app/lookups/table_access.h"
#include "app/state/program.h"

namespace zt6 {

// The candidate's row as the dimensions dialog's DIN 5481 button takes it (database
// mode, its tolerance row), then its hub length and the load searched for. The design
// is marked modified; the caller calculates. False when the row cannot be taken.
bool TakeSizeCandidate(Program& program, TableAccess& access, const SizeCandidate& candidate);

}  // namespace zt6
