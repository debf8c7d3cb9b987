#include "app/lookups/shipped_tables.h"

#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace zt6 {

namespace fs = std::filesystem;

std::string FolderBesideProgram(std::initializer_list<fs::path> candidates, const char* file) {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return {};
  for (const fs::path& candidate : candidates) {
    const fs::path folder = program.parent_path() / candidate;
    if (fs::is_regular_file(folder / file, ec)) return folder.lexically_normal().string();
  }
  return {};
}

// The programs in bin reach the shared data through "..", those in libexec/zt6 (the
// desktop program and zt6's companions) through "../..".
std::string ShippedTableFolder() {
  return FolderBesideProgram({"tables", fs::path("..") / "share" / "zt6" / "tables",
                              fs::path("..") / ".." / "share" / "zt6" / "tables"},
                             "din5481.dbf");
}

std::string ShippedDataFolder() {
  return FolderBesideProgram(
      {".", fs::path("..") / "share" / "zt6", fs::path("..") / ".." / "share" / "zt6"}, "zt6.err");
}

}  // namespace zt6
