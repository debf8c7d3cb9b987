#pragma once
// The shipped tables copied into the test's own temporary folder, so that a test that
// changes or damages a table never touches the build's table folder, which every other
// test and suite run reads at once.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zt6::test_support {

// The copy's folder; made on the first call of the test, in the test's own temporary
// folder "TEMP" (see test_isolation.h).
inline std::string TableFolderCopy() {
  namespace fs = std::filesystem;
  const char* temp = std::getenv("TEMP");
  const fs::path copy = (temp != nullptr ? fs::path(temp) : fs::temp_directory_path()) /
                        ("zt6_tables_" + std::to_string(::getpid()));
  if (!fs::exists(copy / "din5481.dbf")) {
    fs::create_directories(copy);
    fs::copy(ZT6_TABLE_DIR, copy,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  return copy.string();
}

}  // namespace zt6::test_support
