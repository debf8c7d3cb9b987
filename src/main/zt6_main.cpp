// zt6: the companion command line for scripts and checks. PDF and workbook output
// are written by the small programs zt6-pdf and zt6-xlsx beside it, which take such a
// command line over, so zt6 itself loads no library for any other route.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli/zt6_commands.h"
#include "app/cli/zt6_process.h"
#include "app/startup/desktop_handover.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef ZT6_COMPANION_PROGRAM_DIR
  if (const std::string companion = zt6::CompanionProgramFor(args); !companion.empty()) {
    const std::string path = zt6::DesktopProgramPath(companion, ZT6_COMPANION_PROGRAM_DIR);
    if (path.empty()) {
      std::cerr << "zt6: " << companion << ", which writes this format, is not installed\n";
      return zt6::kExitRefused;
    }
    return zt6::HandOver(path, argv, std::cerr, "zt6");
  }
#endif
  return zt6::RunZt6Process(args);
}
