#include "app/shipped_tables.h"

#include <filesystem>
#include <system_error>

namespace zt6 {

namespace fs = std::filesystem;

std::string ShippedTableFolder() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return {};
  const fs::path folder = program.parent_path();
  for (const fs::path& candidate : {folder / "tables", folder / ".." / "share" / "zt6" / "tables"}) {
    if (fs::is_regular_file(candidate / "din5481.dbf", ec))
      return candidate.lexically_normal().string();
  }
  return {};
}

std::string ShippedDataFolder() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (ec || program.empty()) return {};
  const fs::path folder = program.parent_path();
  for (const fs::path& candidate : {folder, folder / ".." / "share" / "zt6"}) {
    if (fs::is_regular_file(candidate / "zt6.err", ec)) return candidate.lexically_normal().string();
  }
  return {};
}

}  // namespace zt6
