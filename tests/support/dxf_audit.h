#pragma once
// Reads a DXF file back with an independent reader (ezdxf, through
// tests/cad/dxf_audit.py): its audit and its counts of layers, blocks and entities.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "support/file_bytes.h"

namespace zt6::test_support {

inline bool HaveEzdxf() {
  return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

struct DxfAudit {
  int status = -1;                    // 0: read and audited without errors
  std::string output;                 // what the script printed
  std::map<std::string, int> counts;  // "layers", "blocks", "ENTITIES LINE", ...
};

inline DxfAudit AuditDxf(const std::filesystem::path& dxf) {
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/cad/dxf_audit.py";
  const std::filesystem::path report = dxf.string() + ".audit";
  const std::string command = "/usr/bin/python3 '" + script + "' '" + dxf.string() + "' > '" +
                              report.string() + "' 2>&1";
  DxfAudit audit;
  audit.status = std::system(command.c_str());
  audit.output = FileBytes(report);
  std::istringstream lines(audit.output);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos || blank + 1 == line.size() ||
        line.find_first_not_of("0123456789", blank + 1) != std::string::npos)
      continue;
    audit.counts[line.substr(0, blank)] = std::stoi(line.substr(blank + 1));
  }
  return audit;
}

}  // namespace zt6::test_support
