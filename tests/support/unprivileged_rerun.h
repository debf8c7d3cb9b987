#pragma once
// Checks that rest on file permissions, which the superuser passes through. Run as root (as
// CI runs), the current test is run once more in a child of this test binary as the user
// nobody (setpriv), and the child's outcome is this test's; where that cannot be done the
// test is reported as skipped, never passed silently.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "support/pdf_reading.h"

namespace zt6::test_support {

enum class Rerun { Here, InChild, Impossible };

// Here: not root, go on in this process. InChild: the child ran the test and its outcome is
// recorded. Impossible: no unprivileged run; *why says why.
inline Rerun RerunAsUnprivilegedUser(std::string* why) {
  if (::geteuid() != 0) return Rerun::Here;
  std::array<char, 4096> exe{};
  const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size() - 1);
  if (n <= 0) {
    *why = "running as root and this test binary cannot be found to run it as nobody";
    return Rerun::Impossible;
  }
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
  const std::string home =
      (std::filesystem::temp_directory_path() / ("zt6_nobody_" + std::to_string(::getpid())))
          .string();
  const ShellRun child =
      Shell("mkdir -p " + Quoted(home) + " && chown 65534:65534 " + Quoted(home) +
            " && setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=" + Quoted(home) +
            " TEMP=" + Quoted(home) + " " +
            Quoted(std::string(exe.data(), static_cast<std::size_t>(n))) +
            " --gtest_filter=" + Quoted(filter) + "; status=$?; rm -rf " + Quoted(home) +
            "; exit $status");
  if (child.out.find("[ RUN      ] " + filter) == std::string::npos) {
    *why = "running as root and the test could not be run as nobody through setpriv:\n" +
           child.out;
    return Rerun::Impossible;
  }
  if (child.out.find("[  SKIPPED ] 1 test") != std::string::npos) {
    *why = "skipped as nobody:\n" + child.out;
    return Rerun::Impossible;
  }
  EXPECT_EQ(child.exitCode, 0) << "as nobody:\n" << child.out;
  EXPECT_NE(child.out.find("[  PASSED  ] 1 test."), std::string::npos) << child.out;
  return Rerun::InChild;
}

}  // namespace zt6::test_support

// First statement of a test whose checks only hold for a user without the superuser's rights.
#define ZT6_AS_UNPRIVILEGED_USER()                                                        \
  do {                                                                                   \
    std::string zt6_rerun_why;                                                           \
    switch (::zt6::test_support::RerunAsUnprivilegedUser(&zt6_rerun_why)) {              \
      case ::zt6::test_support::Rerun::Here: break;                                      \
      case ::zt6::test_support::Rerun::InChild: return;                                  \
      case ::zt6::test_support::Rerun::Impossible: GTEST_SKIP() << zt6_rerun_why;        \
    }                                                                                    \
  } while (false)
