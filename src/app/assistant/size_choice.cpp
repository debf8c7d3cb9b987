#include "app/assistant/size_choice.h"

#include "app/assistant/size_row.h"

namespace zt6 {

bool TakeSizeCandidate(Program& program, TableAccess& access, const SizeCandidate& candidate) {
  DesignRecord& design = program.design;
  if (!TakeSizeRow(program, access, design, candidate.designation,
                   candidate.design.toleranceClass))
    return false;
  design.l = candidate.design.l;
  design.TN = candidate.design.TN;
  design.Tmax = candidate.design.Tmax;
  program.modified = true;
  return true;
}

}  // namespace zt6
