#include "base/work_folder.h"

namespace zt6 {

const std::filesystem::path& WorkFolder::Path(const std::filesystem::path& temporaryFolder) const {
  if (!folder_ || folder_->Path().empty()) {
    folder_ = std::make_unique<PrivateFolder>(temporaryFolder);
    if (folder_->Path().empty() && !temporaryFolder.empty())
      folder_ = std::make_unique<PrivateFolder>();
  }
  return folder_->Path();
}

}  // namespace zt6
