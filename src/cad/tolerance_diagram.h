#pragma once
// The tolerance diagram of tooth thickness and tooth gap: one bar with the fields of
// the hub's and the shaft's total tolerance, their dimensions and the values.

#include "base/format_settings.h"
#include "cad/cad_output.h"
#include "calc/design_record.h"
#include "report/vocabulary.h"

namespace zt6 {

void DrawToleranceDiagram(CadOutput& cad, const DesignRecord& design, const Vocabulary& words,
                          const FormatSettings& format);

}  // namespace zt6
