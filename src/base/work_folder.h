#pragma once
// The working folder of one process: made on first use inside the temporary folder
// the settings name (the system's when that one takes no folder), removed with
// everything in it when the process's state goes. Parallel runs sharing one temporary
// folder so never share a working file, whatever its name.

#include <filesystem>
#include <memory>

#include "base/private_folder.h"

namespace zt6 {

class WorkFolder {
 public:
  // The folder, made in temporaryFolder on the first call; empty when none can be made.
  const std::filesystem::path& Path(const std::filesystem::path& temporaryFolder) const;

 private:
  mutable std::unique_ptr<PrivateFolder> folder_;  // made on first use
};

}  // namespace zt6
