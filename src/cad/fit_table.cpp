#include "cad/fit_table.h"

#include "base/codepage.h"
#include "base/number_format.h"
#include "cad/drawing_table_builder.h"
#include "calc/iso286.h"

namespace zt6 {

namespace {

constexpr double kTextHeight = 2.5;

TableCells FitRow(double size, const char* code, const FormatSettings& format) {
  TableCells cells{FormatExactLength(size, 0, 0, format) + " " + code};
  const ToleranceLimits limits = Limits(size, code);
  // A refused size (over 500 mm) has no limits; the nominal size twice would pass for them.
  const bool refused = !limits.message.empty() && limits.lowerDeviation == 0 &&
                       limits.upperDeviation == 0;
  if (!refused) {
    cells.push_back(FormatLength(limits.lower, 4, 3, format));
    cells.push_back(FormatLength(limits.upper, 4, 3, format));
  }
  return cells;
}

}  // namespace

void DrawFitTable(CadOutput& cad, const DesignRecord& d, int drawingKind,
                  const FormatSettings& format, const Vocabulary& words) {
  const bool shaft = drawingKind == 6 || drawingKind == 8;
  const bool hub = drawingKind == 7 || drawingKind == 8;
  if (!shaft && !hub) return;
  const bool both = shaft && hub;
  DrawingTable table(cad, both ? 134 : 132, both ? 62 : 58, kTextHeight, {10, 10, 10});
  table.Header({words["Paßmaß"], words["Mindestmaß"], words["Höchstmaß"]});
  if (shaft) table.Row(FitRow(d.Dee, "a11", format));
  if (hub) table.Row(FitRow(d.Dii, "A11", format));
}

}  // namespace zt6
