// wzt6: the ZT6 program. Help and batch runs end in the command-line step of this
// small program, which loads no desktop library; a command line that opens the
// window is handed over to the desktop program, wzt6-desktop.

#include <iostream>
#include <string>
#include <vector>

#include "app/startup/command_line.h"
#include "app/startup/desktop_handover.h"
#include "app/startup/startup.h"
#include "app/startup/windowless_session.h"
#include "base/interrupt_cleanup.h"
#include "base/program_identity.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && arguments[0] == "--version") {
    std::cout << zt6::kExecutableName << ' ' << zt6::kProgramVersion << '\n';
    return 0;
  }
#ifdef ZT6_DESKTOP_PROGRAM
  if (zt6::OpensWindow(zt6::ClassifyArguments(arguments))) {
    const std::string desktop =
        zt6::DesktopProgramPath(ZT6_DESKTOP_PROGRAM, ZT6_DESKTOP_PROGRAM_DIR);
    if (desktop.empty()) {
      std::cerr << "wzt6: the desktop program " ZT6_DESKTOP_PROGRAM " is not installed; the "
                   "batch switches (\"wzt6 /?\") work without it.\n";
      return 1;
    }
    return zt6::HandOverToDesktop(desktop, argv, std::cerr);
  }
#endif
  // An interrupted batch run leaves no half-written output behind.
  zt6::RemoveLeftoversOnInterrupt();
  zt6::WindowlessSession session({});
  zt6::Program& program = session.program;
  program.arguments = arguments;
  const zt6::StartOutcome outcome =
      zt6::RunCommandLineStep(program, session.prompts, session.tables, session.Ports());
  if (outcome.exitNow) return outcome.exitCode;
#ifdef ZT6_DESKTOP_PROGRAM
  std::cerr << "wzt6: no display for the desktop window; the batch switches (\"wzt6 /?\") "
               "work without one.\n";
#else
  std::cerr << "wzt6: built without the desktop window; \"wzt6 /?\" shows the command line.\n";
#endif
  return 1;
}
