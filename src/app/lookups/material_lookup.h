#pragma once
// The material table "wst1base" and the material-group table "zt5wstyp": a material
// is found by its number, confirmed or chosen in the pick window and copied into the
// design; its group gives the support factor fS and the hardness factor fH of the part.

#include "app/lookups/table_access.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

enum class MaterialPart { Shaft = 1, Hub = 2 };

// Takes the material of one part from the table. False when nothing was copied
// (table missing, window cancelled; Escape also sets the cancel flag).
bool PickMaterial(TableAccess& access, MaterialPart part, DesignRecord& design,
                  RunMessages& messages);
void ViewMaterialTable(TableAccess& access);
void ViewMaterialGroups(TableAccess& access, RunMessages& messages);

}  // namespace zt6
