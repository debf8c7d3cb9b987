#pragma once
// The tables of the table sheets and the manufacturing drawings: dimension and
// tolerance data of shaft or hub, the load and the strength of the connection. Each
// is drawn with its top-left corner at (x, y) on layer 4 through the table builder;
// labels come from the report vocabulary, numbers in the report's forms.

#include "base/format_settings.h"
#include "cad/cad_output.h"
#include "calc/design_record.h"
#include "report/vocabulary.h"

namespace zt6 {

namespace table_part {
inline constexpr int kShaft = 1;
inline constexpr int kHub = 2;
}  // namespace table_part

namespace table_kind {
inline constexpr int kData = 1;
inline constexpr int kTolerance = 2;
}  // namespace table_kind

// `TABLE_1` (part 1, shaft) or `TABLE_2` (part 2, hub): kind 1 the dimensions, kind 2
// the dimensions with tolerances, pin dimensions and deviations. Any other part or
// kind draws nothing.
void DrawDataTable(CadOutput& cad, const DesignRecord& design, int part, int kind, double x,
                   double y, const Vocabulary& words, const FormatSettings& format);

// How wide the data table of that kind is drawn.
double DataTableWidth(int kind);

// `TABLE_3`: torques, factors and flank pressures.
void DrawLoadTable(CadOutput& cad, const DesignRecord& design, double x, double y,
                   const Vocabulary& words, const FormatSettings& format);

// `TABLE_4`: materials, permissible pressures and safeties, shaft in column "1" and
// hub in column "2".
void DrawStrengthTable(CadOutput& cad, const DesignRecord& design, double x, double y,
                       const Vocabulary& words, const FormatSettings& format);

}  // namespace zt6
