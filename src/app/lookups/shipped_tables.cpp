#include "app/lookups/shipped_tables.h"

#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace zt6 {

namespace fs = std::filesystem;

namespace {

// Set once by a host before any lookup (the Python module at its import).
fs::path& ProgramFolderOfHost() {
  static fs::path folder;
  return folder;
}

fs::path ProgramFolder() {
  if (!ProgramFolderOfHost().empty()) return ProgramFolderOfHost();
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return program.parent_path();
}

}  // namespace

void SetProgramFolder(const fs::path& folder) { ProgramFolderOfHost() = folder; }

std::string FolderBesideProgram(std::initializer_list<fs::path> candidates, const char* file) {
  std::error_code ec;
  const fs::path programFolder = ProgramFolder();
  if (programFolder.empty()) return {};
  for (const fs::path& candidate : candidates) {
    const fs::path folder = programFolder / candidate;
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
