#pragma once
// Imports DXF files with FreeCAD's reader (freecadcmd running tests/cad/freecad_import.py):
// the edges of each file and everything the reader printed.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace zt6::test_support {

inline bool HaveFreecad() {
  return std::system("command -v freecadcmd >/dev/null 2>&1") == 0;
}

struct FreecadImport {
  int status = -1;
  std::string output;                  // what freecadcmd and the reader printed
  std::map<std::string, int> edges;    // per file name as passed in
};

inline FreecadImport ImportIntoFreecad(const std::vector<std::filesystem::path>& dxfs,
                                       const std::filesystem::path& dir) {
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/cad/freecad_import.py";
  const std::filesystem::path list = dir / "freecad_files.txt";
  const std::filesystem::path report = dir / "freecad_import.out";
  std::string names;
  for (const auto& dxf : dxfs) names += dxf.string() + "\n";
  {
    std::ofstream out(list, std::ios::binary);
    out << names;
  }
  const std::string command = "ZT6_DXF_FILES=\"$(cat '" + list.string() + "')\" freecadcmd '" +
                              script + "' > '" + report.string() + "' 2>&1";
  FreecadImport result;
  result.status = std::system(command.c_str());
  result.output = FileBytes(report);
  std::istringstream lines(result.output);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("edges ")) continue;
    std::istringstream fields(line.substr(6));
    int n = 0;
    std::string file;
    fields >> n;
    std::getline(fields >> std::ws, file);
    result.edges[file] = n;
  }
  return result;
}

}  // namespace zt6::test_support
