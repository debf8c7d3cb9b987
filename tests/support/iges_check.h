#pragma once
// Reads an IGES file back with an independent reader (OpenCASCADE, through the
// iges_read_check program built beside the tests): its read status, its entity counts
// per type and what its checks and transfer reported.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "support/file_bytes.h"

namespace zt6::test_support {

inline std::string IgesCheckerPath() { return ZT6_IGES_CHECK_EXE; }

inline bool HaveIgesChecker() {
  return !IgesCheckerPath().empty() && std::filesystem::exists(IgesCheckerPath());
}

struct IgesCheck {
  int status = -1;                    // 0: read by the reader
  std::string output;                 // what the checker printed
  std::map<std::string, int> counts;  // "entities", "type 110", "fails", "shapes", ...
};

inline IgesCheck CheckIges(const std::filesystem::path& iges) {
  const std::filesystem::path report = iges.string() + ".check";
  const std::string command =
      "'" + IgesCheckerPath() + "' '" + iges.string() + "' > '" + report.string() + "' 2>&1";
  IgesCheck check;
  check.status = std::system(command.c_str());
  check.output = FileBytes(report);
  std::istringstream lines(check.output);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos || blank + 1 == line.size() ||
        line.find_first_not_of("0123456789", blank + 1) != std::string::npos ||
        line.find(':') != std::string::npos)
      continue;
    check.counts[line.substr(0, blank)] = std::stoi(line.substr(blank + 1));
  }
  return check;
}

}  // namespace zt6::test_support
