// wzt6: the ZT6 program. Help and batch runs end in the command-line step; the
// desktop window is opened afterwards, and only then are its libraries loaded.

#include <iostream>
#include <string>
#include <vector>

#include "app/startup/startup.h"
#include "app/startup/windowless_session.h"
#ifdef ZT6_DESKTOP_MODULE
#include "main/desktop_loader.h"
#endif

int main(int argc, char** argv) {
  zt6::WindowlessSession session({});
  zt6::Program& program = session.program;
  program.arguments.assign(argv + 1, argv + argc);
  const zt6::StartOutcome outcome =
      zt6::RunCommandLineStep(program, session.prompts, session.tables, session.Ports());
  if (outcome.exitNow) return outcome.exitCode;

#ifdef ZT6_DESKTOP_MODULE
  if (zt6::DisplayAvailable()) return zt6::RunDesktopModule(program, argc, argv, std::cerr);
  std::cerr << "wzt6: no display for the desktop window; the batch switches (\"wzt6 /?\") "
               "work without one.\n";
#else
  std::cerr << "wzt6: built without the desktop window; \"wzt6 /?\" shows the command line.\n";
#endif
  return 1;
}
