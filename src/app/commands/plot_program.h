#pragma once
// The plot output's command line: choosing and editing it before the plot file is
// written, building one from prompts, and starting the plot program afterwards.

#include <filesystem>
#include <optional>
#include <string>

#include "app/ports/launcher.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"

namespace zt6 {

// Picks the line (when there are several), lets the settings window and the text
// prompt edit it, builds one from prompts on "0" or an empty answer, and stores it as
// the selected line. False = cancelled, nothing is to be plotted. A batch file for an
// overlong line goes into workingFolder (the process's working folder by default).
bool ChoosePlotCommandLine(Program& program, Prompts& prompts);
bool ChoosePlotCommandLine(Program& program, Prompts& prompts,
                           const std::filesystem::path& workingFolder);

// The prompt sequence that builds a line. nullopt when cancelled before a line was
// built; an overlong line whose batch-file name was cancelled comes back with the
// cancel flag set.
std::optional<std::string> PlotParameterSequence(Program& program, Prompts& prompts,
                                                 const std::string& oldLine,
                                                 const std::filesystem::path& workingFolder);

// Starts the selected line, split at blanks into program and arguments; a batch file
// of the parameter sequence is run by the shell. A failed start names the program and
// why (not found, not executable, not started, its exit code). On Linux an empty or
// Windows line says so and offers the plot program's settings instead.
void RunPlotProgram(Program& program, Prompts& prompts, Launcher& launcher);

}  // namespace zt6
