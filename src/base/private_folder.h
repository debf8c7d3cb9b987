#pragma once
// A temporary folder of one run alone, removed with everything in it at the end,
// so parallel runs never share a working file. Its name carries the process number
// ("zt6-run-PID-XXXXXX"): an interrupted run's folder is removed by the signal handler
// (base/interrupt_cleanup.h), a killed run's by the next run that makes one there.

#include <filesystem>
#include <memory>

#include "base/interrupt_cleanup.h"

namespace zt6 {

class PrivateFolder {
 public:
  // Made in parent; in the system's temporary folder when parent is empty.
  explicit PrivateFolder(const std::filesystem::path& parent = {});
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::unique_ptr<LeftoverOnInterrupt> leftover_;
};

// Removes the private folders in `folder` of this user's runs that no longer run.
void RemoveFoldersOfEndedRuns(const std::filesystem::path& folder);

}  // namespace zt6
