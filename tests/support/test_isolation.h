#pragma once
// Every test runs with a home, a configuration folder and a temporary folder ("TEMP", the
// program's) of its own, so a setting in the user's configuration (say "CAD Text Mode" 3 in
// ~/.config/zt6/zt6.cfg) or another run of the suite cannot reach it; the environment and the
// working directory a test changes are put back after it. Installed by the test programs'
// main functions. The system's temporary folder stays: tests' own folders there carry their
// process number (support/temp_dir.h), and some prompts limit the length of folder names.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace zt6::test_support {

class TestIsolation : public ::testing::EmptyTestEventListener {
 public:
  TestIsolation() : base_(std::filesystem::temp_directory_path()) {}

  void OnTestStart(const ::testing::TestInfo&) override {
    environment_.clear();
    for (char** entry = environ; *entry != nullptr; ++entry) environment_.emplace_back(*entry);
    std::error_code ec;
    workingDirectory_ = std::filesystem::current_path(ec);
    folder_ = base_ / ("zt6_test_" + std::to_string(::getpid()) + "_" + std::to_string(++count_));
    std::filesystem::remove_all(folder_, ec);
    std::filesystem::create_directories(folder_ / "home" / ".config", ec);
    std::filesystem::create_directories(folder_ / "tmp", ec);
    ::setenv("HOME", (folder_ / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (folder_ / "home" / ".config").c_str(), 1);
    ::setenv("TEMP", (folder_ / "tmp").c_str(), 1);
    // The C++ library would take TEMP for the system's temporary folder when TMPDIR is unset.
    ::setenv("TMPDIR", base_.c_str(), 1);
  }

  void OnTestEnd(const ::testing::TestInfo&) override {
    ::clearenv();
    for (const std::string& entry : environment_) {
      const std::size_t equals = entry.find('=');
      if (equals == std::string::npos) continue;
      ::setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
    }
    std::error_code ec;
    if (!workingDirectory_.empty()) std::filesystem::current_path(workingDirectory_, ec);
    std::filesystem::remove_all(folder_, ec);
  }

 private:
  std::filesystem::path base_;
  std::filesystem::path folder_;
  std::filesystem::path workingDirectory_;
  std::vector<std::string> environment_;
  int count_ = 0;
};

inline void InstallTestIsolation() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new TestIsolation);
}

}  // namespace zt6::test_support
