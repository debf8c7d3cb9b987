#pragma once
// Starts the desktop window once the command-line step has prepared the interactive run.

#include "app/state/program.h"

namespace zt6::gui {

// Shows the main window on the program and runs until it closes; the exit code.
int RunDesktop(Program& program, int argc, char** argv);

}  // namespace zt6::gui
