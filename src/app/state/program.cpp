#include "app/state/program.h"

namespace zt6 {

std::string ProgramTitleLine(const std::string& connectionTerm) {
  return std::string(kProgramTitle) + "  -  " + connectionTerm + " DIN 5481";
}

}  // namespace zt6
