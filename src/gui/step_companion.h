#pragma once
// The desktop's 3D model is written by the companion zt6-step, as "zt6 cad --model"
// writes it: the desktop itself loads no modelling library, so it starts without them.

#include <string>

#include "app/state/program.h"
#include "cad/solid_section.h"

namespace zt6::gui {

// zt6-step beside the desktop program (build tree and libexec alike); "" when missing.
std::string StepCompanionPath();

// Writes the program's current design (saved as a project file in a private folder) with
// zt6-step at `companion`, in the vocabulary's language and with the program's tables.
// The names are those zt6-step gives the same project and language.
StepModelWriter StepCompanionWriter(const Program& program, const std::string& companion);

}  // namespace zt6::gui
