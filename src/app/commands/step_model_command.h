#pragma once
// The CAD menu's 3D model: the model dialog (part, material condition, hub diameter,
// shaft length, pins), the save dialog, then the STEP file, written as "zt6 cad --model"
// writes it.

#include <optional>

#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "cad/solid_section.h"

namespace zt6 {

// The model dialog: the options the user confirmed (hub diameter and shaft length filled
// in and accepted by SolidModelProblem), nullopt when cancelled.
class ModelDialog {
 public:
  virtual ~ModelDialog() = default;
  virtual std::optional<SolidModelOptions> Ask(const DesignRecord& design,
                                               const SolidModelOptions& proposal) = 0;
};

// After a fatal run the run summary, nothing else. Returns the file written, if any.
std::optional<std::string> StepModelCommand(Program& program, Prompts& prompts,
                                            ModelDialog& dialog, const StepModelWriter& writer);

}  // namespace zt6
