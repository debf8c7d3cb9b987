#pragma once
// The fit table of the manufacturing drawings: the ISO fits of the tip diameters with
// their smallest and largest sizes.

#include "base/format_settings.h"
#include "cad/cad_output.h"
#include "calc/design_record.h"
#include "report/vocabulary.h"

namespace zt6 {

// Drawing kind 6 (shaft: Dee "a11"), 7 (hub: Dii "A11") or 8 (both rows); other kinds
// draw nothing. The headings in the language of words.
void DrawFitTable(CadOutput& cad, const DesignRecord& design, int drawingKind,
                  const FormatSettings& format, const Vocabulary& words = GermanWords());

}  // namespace zt6
