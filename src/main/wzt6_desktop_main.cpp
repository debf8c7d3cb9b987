// wzt6-desktop: the desktop program, started by wzt6 in its place for a command line
// that opens the window. The command-line step runs as in wzt6 (it may still end the
// run, e.g. for a file name without extension); then the main window opens.

#include <iostream>

#include "app/startup/desktop_handover.h"
#include "app/startup/startup.h"
#include "app/startup/windowless_session.h"
#include "gui/desktop.h"

int main(int argc, char** argv) {
  zt6::WindowlessSession session({});
  zt6::Program& program = session.program;
  program.arguments.assign(argv + 1, argv + argc);
  const zt6::StartOutcome outcome =
      zt6::RunCommandLineStep(program, session.prompts, session.tables, session.Ports());
  if (outcome.exitNow) return outcome.exitCode;
  if (zt6::DisplayAvailable()) return zt6::gui::RunDesktop(program, argc, argv);
  std::cerr << "wzt6: no display for the desktop window; the batch switches (\"wzt6 /?\") "
               "work without one.\n";
  return 1;
}
