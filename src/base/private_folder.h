#pragma once
// A temporary folder of one run alone, removed with everything in it at the end,
// so parallel runs never share a working file.

#include <filesystem>

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
};

}  // namespace zt6
