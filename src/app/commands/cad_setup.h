#pragma once
// The drawing area's and the CAD layer's settings taken from the configuration and
// the run.

#include <ctime>
#include <optional>

#include "app/state/program.h"
#include "cad/cad_settings.h"
#include "cad/drawing_window.h"
#include "cad/manufacturing_frame.h"

namespace zt6 {

DrawingSettings DrawingSettingsOf(const Configuration& config);
// Only the printer's part of them: colour mode, frame, scales and origin.
void TakePrintSettings(DrawingSettings& settings, const Configuration& config);

// fixedTime stands in for the clock in the screen footer (tests).
CadSettings CadSettingsOf(const Program& program, const std::optional<std::tm>& fixedTime);

// The manufacturing frame's switches and texts from the configuration and the run.
FrameOptions FrameOptionsOf(const Program& program, const std::optional<std::tm>& fixedTime);

// The texts of the "CAD-Code" choice, CP850, in output-type order 1..5, in the language
// of words.
std::vector<std::string> CadOutputTypeTexts(const Vocabulary& words = GermanWords());

}  // namespace zt6
