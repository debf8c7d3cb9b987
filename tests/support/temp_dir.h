#pragma once
// A fresh folder for one test, removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zt6::test_support {

class TempDir {
 public:
  explicit TempDir(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               "_" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes contents byte for byte into a file of this folder.
  std::filesystem::path Write(const std::string& name, const std::string& contents) const {
    const std::filesystem::path p = path_ / name;
    std::ofstream(p, std::ios::binary) << contents;
    return p;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zt6::test_support
