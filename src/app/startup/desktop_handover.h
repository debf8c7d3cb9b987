#pragma once
// wzt6 is a small program without the desktop's libraries: help and batch runs end in
// it, and a command line that opens a window is handed over to the desktop program,
// which is started in its place with the same arguments.

#include <ostream>
#include <string>

#include "app/startup/command_line.h"

namespace zt6 {

// True when a display (or an explicit Qt platform) is there to show a window on.
bool DisplayAvailable();

// True when the command line opens the window: not the help screen or a batch run,
// and a display is there (without one wzt6 says so itself).
bool OpensWindow(const CommandLine& commandLine);

// The desktop program beside this one (a build tree) or in `installedFolder`, a folder
// relative to this program's own; "" when there is none.
std::string DesktopProgramPath(const std::string& name, const std::string& installedFolder);

// Replaces this process by the desktop program with the same arguments. Returns only
// when it could not be started: 1, with the reason on err.
int HandOverToDesktop(const std::string& path, char** argv, std::ostream& err);

// The same for any companion program; `who` names this program in the message.
int HandOver(const std::string& path, char** argv, std::ostream& err, const std::string& who);

}  // namespace zt6
