#include "app/cli/design_calculation.h"

#include <exception>

#include "app/cli/zt6_commands.h"
#include "app/files/project_for_run.h"
#include "base/text_lines.h"
#include "calc/calculation_run.h"

namespace zt6 {

DesignCalculator::DesignCalculator(std::optional<std::string> tableFolder)
    : session_({.readSettings = false, .command = true, .tableFolder = std::move(tableFolder)},
               said_, said_) {}

CalcOutcome DesignCalculator::Calculate(const std::optional<std::string>& file,
                                        const DesignOptions& options) {
  said_.str({});
  session_.program.shell.cancel = false;
  design_ = DesignRecord();
  CalcOutcome outcome;
  try {
    if (file) {
      DocumentationData docs;
      const ProjectParseResult loaded = LoadProjectForRun(*file, design_, docs);
      if (!loaded.ok) {
        outcome.exitCode = kExitRefused;
        outcome.fileRefused = true;
        outcome.problem = loaded.problem;
        return outcome;
      }
    }
    outcome.exitCode = ShapeDesign(session_, design_, options, "calc", said_);
    if (outcome.exitCode == kExitDone) {
      RunMessages& messages = session_.program.messages;
      CalculationRun(design_, messages, session_.tables);
      outcome.calculated = true;
      // A table that could not be read leaves values of the project standing in for it.
      if (session_.program.shell.cancel) {
        outcome.exitCode = kExitRefused;
      } else if (messages.FatalFlag()) {
        outcome.exitCode = kExitFatalRun;
      }
    }
  } catch (const std::exception& e) {
    outcome = CalcOutcome();
    outcome.exitCode = kExitRefused;
    outcome.problem = e.what();
    return outcome;
  }
  outcome.problem = WithoutTrailingNewlines(said_.str());
  return outcome;
}

}  // namespace zt6
