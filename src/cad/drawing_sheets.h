#pragma once
// The sheet generator: sets up the sheet of one drawing kind (limits, blocks,
// inserts) and fills it through the CAD output layer.

#include "cad/cad_output.h"
#include "calc/design_record.h"
#include "report/format_settings.h"

namespace zt6 {

// Drawing kinds of the drawing list.
namespace drawing_kind {
inline constexpr int kShaft = 1;
inline constexpr int kHub = 2;
inline constexpr int kShaftAndHub = 9;
inline constexpr int kShaftProfile = 15;
inline constexpr int kHubProfile = 16;
inline constexpr int kShaftAndHubProfile = 17;
inline constexpr int kLast = 17;
}  // namespace drawing_kind

// True for the kinds this version can draw.
bool DrawingAvailable(int kind);

// The profile needs teeth and finite diameters.
bool DrawableGeometry(const DesignRecord& design);

// Draws one sheet on the output type (Choose asks the user). Returns false, with
// nothing drawn, for a kind that is not available or geometry that cannot be drawn.
bool ProduceDrawing(CadOutput& cad, const DesignRecord& design, int kind, CadOutputType type,
                    const FormatSettings& format);

}  // namespace zt6
