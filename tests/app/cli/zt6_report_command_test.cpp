#include <gtest/gtest.h>

#include <cstdlib>

#include "app/files/project_file.h"
#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/run_zt6.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::Zt6Outcome;

// Runs "zt6 report" with no configuration in reach, so the defaults hold.
class Zt6Report : public ::testing::Test {
 protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1); }

  Zt6Outcome Run(std::vector<std::string> args) {
    args.insert(args.begin(), "report");
    args.insert(args.end(), {"--tables", test_support::TableFolderCopy()});
    return test_support::RunZt6Command(args);
  }

  test_support::TempDir dir{"zt6_report_command"};
  const std::string example = std::string(ZT6_DATA_DIR) + "/examples/din5481_17x20.zt6";
};

TEST_F(Zt6Report, WritesEachFormInItsEncoding) {
  const Zt6Outcome text = Run({example});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out.rfind("       ╔═══", 0), 0u) << "UTF-8 by default";
  EXPECT_NE(text.out.find("       Zähnezahl                         z "), std::string::npos);
  EXPECT_EQ(text.out.find('\f'), std::string::npos) << "a report file has no form feeds";

  const std::string dosFile = (dir.path() / "bericht.txt").string();
  ASSERT_EQ(Run({example, "--encoding", "dos", "-o", dosFile}).exitCode, 0);
  // The same report; the symbols' beta, "β" in UTF-8, is code page 850's 0xE1 there.
  EXPECT_EQ(Cp850ToUtf8WithBeta(test_support::FileBytes(dosFile)), text.out);
  EXPECT_NE(text.out.find("K phiβeq"), std::string::npos);

  const Zt6Outcome tabs = Run({example, "--format", "tsv", "--encoding", "windows"});
  ASSERT_EQ(tabs.exitCode, 0);
  EXPECT_NE(tabs.out.find("Teilung\tP\tmm\t     1,76\r\n"), std::string::npos) << tabs.out;
  EXPECT_NE(tabs.out.find(Utf8ToCp1252("Zähnezahl\tz\t\t      33\r\n")), std::string::npos);

  const Zt6Outcome page = Run({example, "--format", "html", "--encoding", "utf8"});
  ASSERT_EQ(page.exitCode, 0);
  EXPECT_NE(page.out.find("<meta charset=\"windows-1252\">"), std::string::npos);
  EXPECT_NE(page.out.find("Z\xE4hnezahl"), std::string::npos) << "HTML stays Windows-1252";
  EXPECT_EQ(page.out.substr(page.out.size() - 18), "</BODY>\r\n</HTML>\r\n");

  const Zt6Outcome english = Run({example, "--language", "2"});
  EXPECT_NE(english.out.find("DIMENSIONS"), std::string::npos);
}

TEST_F(Zt6Report, RefusesUnreadableProjectsAndFatalRuns) {
  const Zt6Outcome missing = Run({(dir.path() / "fehlt.zt6").string()});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");

  // A hub tip diameter above the pitch diameter ends the run with a fatal message: no
  // report. (A design without dimensions is refused before: Dii = 0 is outside its range.)
  const std::string empty = (dir.path() / "leer.zt6").string();
  ASSERT_TRUE(WriteFileSafely(empty, test_support::ProjectWithFatalRun()).ok);
  const Zt6Outcome fatal = Run({empty});
  EXPECT_EQ(fatal.exitCode, 3);
  EXPECT_EQ(fatal.out, "");
  EXPECT_NE(fatal.err.find("Fatal  : D <= Dii !"), std::string::npos) << fatal.err;

  const std::string blocked = (dir.path() / "kein_ordner" / "x.txt").string();
  const Zt6Outcome unwritable = Run({example, "-o", blocked});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find(blocked), std::string::npos);
}

}  // namespace
}  // namespace zt6
