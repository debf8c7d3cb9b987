// Runs the real wzt6 executable and checks what a shell script would see.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "app/help_screen.h"

namespace zt6 {
namespace {

struct ProcessResult {
  int exitCode = -1;
  std::string out;
};

ProcessResult RunWzt6(const std::string& arguments) {
  const std::string command = std::string(ZT6_WZT6_EXE) + " " + arguments + " 2>/dev/null";
  ProcessResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

TEST(Wzt6Process, HelpPrintsExactlyTheHelpScreen) {
  std::string expected;
  for (const std::string& line : HelpScreenLines()) expected += line + "\n";
  for (const char* args : {"'/?'", "'?'"}) {
    const ProcessResult r = RunWzt6(args);
    EXPECT_EQ(r.exitCode, 0) << args;
    EXPECT_EQ(r.out, expected) << args;
  }
}

TEST(Wzt6Process, DocumentedExitCodes) {
  EXPECT_EQ(RunWzt6("/HELP").exitCode, 0);
  EXPECT_EQ(RunWzt6("/HELP").out, "");
  EXPECT_EQ(RunWzt6("missing.zt6 /I /NOGUI").exitCode, 1);
  EXPECT_EQ(RunWzt6("missing.zt6 /CAD1:1").exitCode, 1);
}

}  // namespace
}  // namespace zt6
