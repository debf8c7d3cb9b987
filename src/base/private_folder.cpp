#include "base/private_folder.h"

#include <stdlib.h>

namespace zt6 {

namespace fs = std::filesystem;

PrivateFolder::PrivateFolder(const fs::path& parent) {
  std::error_code ec;
  const fs::path place = parent.empty() ? fs::temp_directory_path(ec) : parent;
  std::string pattern = (place / "zt6-run-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

PrivateFolder::~PrivateFolder() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
}

}  // namespace zt6
