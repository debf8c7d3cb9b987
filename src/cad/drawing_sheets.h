#pragma once
// The sheet generator: sets up the sheet of one drawing kind (limits, blocks,
// inserts) and fills it through the CAD output layer.

#include <array>
#include <string>
#include <vector>

#include "base/format_settings.h"
#include "cad/cad_output.h"
#include "cad/manufacturing_frame.h"
#include "calc/design_record.h"
#include "docs/documentation_data.h"
#include "report/vocabulary.h"

namespace zt6 {

// Drawing kinds of the drawing list.
namespace drawing_kind {
inline constexpr int kShaft = 1;
inline constexpr int kHub = 2;
inline constexpr int kShaftTable = 3;
inline constexpr int kHubTable = 4;
inline constexpr int kQuick = 5;
inline constexpr int kShaftManufacturing = 6;
inline constexpr int kHubManufacturing = 7;
inline constexpr int kShaftAndHubManufacturing = 8;
inline constexpr int kShaftAndHub = 9;
inline constexpr int kShaftAndHubTable = 10;
inline constexpr int kShaftToleranceTable = 11;
inline constexpr int kHubToleranceTable = 12;
inline constexpr int kShaftAndHubToleranceTable = 13;
inline constexpr int kToleranceDiagram = 14;
inline constexpr int kShaftProfile = 15;
inline constexpr int kHubProfile = 16;
inline constexpr int kShaftAndHubProfile = 17;
inline constexpr int kLast = 17;
inline constexpr int kReturn = 18;  // the list's last entry leaves it
}  // namespace drawing_kind

// Width and height in mm of the paper a drawing kind is a sheet of (the manufacturing
// drawings: A4 upright); 0 0 for the others.
std::array<double, 2> PaperSheetOf(int kind);

// True for the kinds 1..17.
bool DrawingAvailable(int kind);

// The profile needs teeth and finite diameters.
bool DrawableGeometry(const DesignRecord& design);

// Every tooth is drawn on its own; above this count a drawing is refused rather than
// filling memory and the temporary folder (real serrations have a few hundred at most).
inline constexpr int kMaxTeethDrawn = 20000;

// The entries of the drawing list in the vocabulary's language, CP850: kinds 1..17
// and "return" as the 18th.
std::vector<std::string> DrawingListTexts(const Vocabulary& words);

// What a sheet draws besides the connection: words, formats, the title block's data.
struct SheetContext {
  const DesignRecord& design;
  const Vocabulary& words;
  const FormatSettings& format;
  const DocumentationData& docs;
  FrameOptions frame;
};

// Draws one sheet on the output type (Choose asks the user). Returns false, with
// nothing drawn, for a kind that is not available or geometry that cannot be drawn.
bool ProduceDrawing(CadOutput& cad, const SheetContext& context, int kind, CadOutputType type);

}  // namespace zt6
