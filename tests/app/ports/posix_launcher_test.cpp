// The POSIX launcher tells a document the desktop cannot open from one it opened.

#include "app/ports/posix_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

// xdg-open ends with status 3 when the desktop has no program for the file; before,
// the launcher took every xdg-open it could start for an opened document.
TEST(PosixLauncher, OpenReportsWhetherTheDesktopFoundAProgram) {
  test_support::TempDir bin("zt6_launcher");
  struct Case {
    const char* script;
    bool opened;
  };
  for (const Case& c : {Case{"exit 3", false}, Case{"exit 0", true}, Case{"/bin/sleep 3", true}}) {
    SCOPED_TRACE(c.script);
    const auto xdgOpen = bin.path() / "xdg-open";
    std::ofstream(xdgOpen) << "#!/bin/sh\n" << c.script << "\n";
    chmod(xdgOpen.c_str(), 0755);
    test_support::ScopedEnvironment path("PATH", bin.path().string());
    PosixLauncher launcher;
    EXPECT_EQ(launcher.Open("/tmp/notiz.txt"), c.opened);
  }
  PosixLauncher launcher;
  EXPECT_FALSE(launcher.Start("/nicht/vorhanden/programm", {"datei.txt"}));
}

}  // namespace
}  // namespace zt6
