#pragma once
// Starts the desktop window once the command-line step has prepared the interactive run.
// wzt6 opens the desktop as a module only when a window is wanted (zt6_run_desktop),
// so its batch routes never load Qt.

#include "app/state/program.h"

namespace zt6::gui {

// Shows the main window on the program and runs until it closes; the exit code.
int RunDesktop(Program& program, int argc, char** argv);

}  // namespace zt6::gui

// The module's entry, looked up by name after it is opened.
extern "C" int zt6_run_desktop(zt6::Program* program, int argc, char** argv);
