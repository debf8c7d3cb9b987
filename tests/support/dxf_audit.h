#pragma once
// Reads a DXF file back with an independent reader (ezdxf, through
// tests/cad/dxf_audit.py): its audit and its counts of layers, blocks and entities.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "support/file_bytes.h"
#include "support/name_counts.h"

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
  audit.counts = NameCounts(audit.output);
  return audit;
}

}  // namespace zt6::test_support
