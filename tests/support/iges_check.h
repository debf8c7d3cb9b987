#pragma once
// Reads an IGES file back with an independent reader (OpenCASCADE, through the
// iges_read_check program built beside the tests): its read status, its entity counts
// per type and what its checks and transfer reported.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "support/file_bytes.h"
#include "support/name_counts.h"

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
  check.counts = NameCounts(check.output);
  return check;
}

}  // namespace zt6::test_support
