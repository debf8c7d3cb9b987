// The files and folders named for an interruption go when SIGINT or SIGTERM comes, and
// the process still ends by that signal.

#include "base/interrupt_cleanup.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

TEST(InterruptCleanup, NamedFilesAndFoldersGoAndTheSignalEndsTheProcess) {
  for (const int signal : {SIGINT, SIGTERM}) {
    TempDir dir("zt6_interrupt");
    const fs::path working = dir.path() / "out.dxf.tmp123456";
    const fs::path folder = dir.path() / "zt6-run-1-abcdef";
    const fs::path forgotten = dir.path() / "forgotten";
    const fs::path kept = dir.path() / "kept.txt";
    std::ofstream(working) << "partial";
    fs::create_directories(folder / "inner" / "deeper");
    for (int i = 0; i < 300; ++i) std::ofstream(folder / ("block" + std::to_string(i))) << i;
    std::ofstream(folder / "inner" / "deeper" / "drawing.igs") << "partial";
    std::ofstream(forgotten) << "done";
    std::ofstream(kept) << "kept";

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      RemoveLeftoversOnInterrupt();
      const LeftoverOnInterrupt file(working, LeftoverOnInterrupt::Kind::File);
      const LeftoverOnInterrupt run(folder, LeftoverOnInterrupt::Kind::Folder);
      { const LeftoverOnInterrupt done(forgotten, LeftoverOnInterrupt::Kind::File); }
      [[maybe_unused]] const ssize_t told = ::write(ready[1], "r", 1);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
    EXPECT_FALSE(fs::exists(working));
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::exists(forgotten)) << "a path no longer named stays";
    EXPECT_TRUE(fs::exists(kept));
  }
}

}  // namespace
}  // namespace zt6
