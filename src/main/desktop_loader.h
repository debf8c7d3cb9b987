#pragma once
// The desktop part of wzt6 (the Qt windows) is a module opened only when a window is
// wanted, so that help and batch runs start without loading Qt.

#include <ostream>

#include "app/state/program.h"

namespace zt6 {

// True when a display (or an explicit Qt platform) is there to show the window on.
bool DisplayAvailable();

// Opens the module beside the program (build tree) or in the installation's library
// folder and runs the main window on the prepared program until it closes; the exit
// code. When the module cannot be opened, says why on err and gives 1.
int RunDesktopModule(Program& program, int argc, char** argv, std::ostream& err);

}  // namespace zt6
