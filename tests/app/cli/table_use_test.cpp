// The standard tables as the runs use them: a damaged table stops the run with a message
// naming the table and the row instead of calculating with zeros, and tables are read
// where they stand, so a write-protected installation serves every user.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <algorithm>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/pdf_reading.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"
#include "support/wzt6_configuration.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::FileBytes;
using test_support::Quoted;
using test_support::RunZt6Command;
using test_support::Shell;
using test_support::Zt6Outcome;

// A design of database mode: its tolerances and pins come from the tables.
const fs::path kExample = fs::path(ZT6_DATA_DIR) / "examples" / "din5481_17x20.zt6";

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::uint16_t HeaderLength(const std::string& dbf) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(dbf[8]) |
                                    static_cast<unsigned char>(dbf[9]) << 8);
}

// No records: the header with its count set to 0, then the end mark.
void Empty(const fs::path& table) {
  std::string dbf = FileBytes(table);
  dbf.resize(HeaderLength(dbf));
  dbf[4] = dbf[5] = dbf[6] = dbf[7] = 0;
  WriteBytes(table, dbf + '\x1a');
}

// Letters in every number: each decimal point becomes an "x".
void Letters(const fs::path& table) {
  std::string dbf = FileBytes(table);
  for (std::size_t i = HeaderLength(dbf); i < dbf.size(); ++i)
    if (dbf[i] == '.') dbf[i] = 'x';
  WriteBytes(table, dbf);
}

// A damaged table, as zt6 calc, zt6 report and wzt6 meet it in a design of database
// mode: a fatal message with the table and the row, an exit code that says so, no
// report. Before, the runs calculated with 0 for every value and exited 0.
TEST(TableFaults, ADamagedTableStopsTheRunNamingTableAndRow) {
  const struct {
    const char* table;
    std::function<void(const fs::path&)> damage;
    const char* what;
  } cases[] = {
      {"zt6tol", Empty, "no records"},
      {"zt6tol", Letters, "letters in the numbers"},
      {"zt6f1f", Letters, "letters in the numbers"},
      {"zt6f1f", Empty, "no records"},
      {"zt6fr", Empty, "no records"},
      {"zt6fr", Letters, "letters in the numbers"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.table) + ": " + c.what);
    test_support::TempDir dir("zt6_table_fault");
    const fs::path tables = dir.path() / "tables";
    fs::copy(ZT6_TABLE_DIR, tables, fs::copy_options::recursive);
    c.damage(tables / (std::string(c.table) + ".dbf"));
    const std::regex named(std::string("Tabelle ") + c.table + " Zeile [1-9][0-9]*");

    const Zt6Outcome calc =
        RunZt6Command({"calc", kExample.string(), "--json", "--tables", tables.string()});
    EXPECT_EQ(calc.exitCode, 3) << calc.out << calc.err;
    EXPECT_NE(calc.out.find("\"fatal\": true"), std::string::npos) << calc.out;
    EXPECT_TRUE(std::regex_search(calc.out, named)) << calc.out;

    const Zt6Outcome report =
        RunZt6Command({"report", kExample.string(), "--tables", tables.string()});
    EXPECT_EQ(report.exitCode, 3);
    EXPECT_EQ(report.out, "");
    EXPECT_TRUE(std::regex_search(report.err, named)) << report.err;

    dir.Write("zt6.cfg", test_support::ConfigurationWithTables(tables));
    fs::copy_file(kExample, dir.path() / "p.zt6");
    const test_support::ShellRun wzt6 =
        Shell("cd " + Quoted(dir.path()) + " && TEMP=" + Quoted(dir.path()) + " " +
              ZT6_WZT6_EXE + " p.zt6 /I /NOGUI");
    EXPECT_EQ(wzt6.exitCode, 1) << wzt6.out;
    EXPECT_TRUE(std::regex_search(wzt6.out, named)) << wzt6.out;
    EXPECT_FALSE(fs::exists(dir.path() / "p.txt"));
  }
}

// A folder under /tmp that the user nobody can enter, removed afterwards.
class OpenFolder {
 public:
  OpenFolder() {
    std::string pattern = "/tmp/zt6_open_XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
  }
  ~OpenFolder() {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ec))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// An installed program: the table folder and its tables belong to root and are
// write-protected, and the shared temporary folder holds what another user's run left
// under the tables' names. A second user (nobody) runs designs of database mode with
// zt6 calc over many threads, zt6 report and wzt6: every run reads the tables where
// they stand and nothing is written into either folder. Before, the tables were copied
// into the temporary folder under their own names, which the other user's files
// blocked ("Datei ... nicht gefunden oder kein Zugriffsrecht").
TEST(TableUse, ASecondUserRunsDatabaseDesignsFromAWriteProtectedInstallation) {
  if (::geteuid() != 0) GTEST_SKIP() << "making another user's files needs the superuser";
  OpenFolder place;
  const fs::path tables = place.path() / "tables";
  const fs::path shared = place.path() / "tmp";
  const fs::path projects = place.path() / "projects";
  fs::copy(ZT6_TABLE_DIR, tables, fs::copy_options::recursive);
  fs::create_directories(shared);
  fs::create_directories(projects);
  for (int k = 0; k < 12; ++k) fs::copy_file(kExample, projects / ("p" + std::to_string(k) + ".zt6"));
  // The superuser's own runs write nothing into the table folder either, not even for a
  // moment (a check file "TEST.$$$" was made and removed there by every table opened).
  const auto untouched = fs::last_write_time(tables);
  const Zt6Outcome own =
      RunZt6Command({"calc", projects.string(), "--jobs", "4", "--tables", tables.string()});
  EXPECT_EQ(own.exitCode, 0) << own.err;
  EXPECT_EQ(fs::last_write_time(tables), untouched);
  std::vector<std::string> stale;
  for (const auto& entry : fs::directory_iterator(tables)) {
    fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read |
                                      fs::perms::others_read);
    WriteBytes(shared / entry.path().filename(), "another user's copy");
    stale.push_back(entry.path().filename().string());
  }
  fs::permissions(tables, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  WriteBytes(projects / "zt6.cfg", test_support::ConfigurationWithTables(tables));
  fs::permissions(projects, fs::perms::all);
  const auto tablesBefore = fs::last_write_time(tables);

  const std::string asNobody = "cd " + Quoted(projects) + " && TEMP=" + Quoted(shared) +
                               " TMPDIR=" + Quoted(shared) +
                               " setpriv --reuid=65534 --regid=65534 --clear-groups ";
  const test_support::ShellRun calc =
      Shell(asNobody + ZT6_ZT6_EXE + " calc . --jobs 12 --tables " + Quoted(tables));
  EXPECT_EQ(calc.exitCode, 0) << calc.out;
  EXPECT_EQ(calc.out.find("nicht gefunden"), std::string::npos) << calc.out;
  EXPECT_EQ(std::count(calc.out.begin(), calc.out.end(), '\n'), 12) << calc.out;
  const test_support::ShellRun report =
      Shell(asNobody + ZT6_ZT6_EXE + " report p0.zt6 --tables " + Quoted(tables));
  EXPECT_EQ(report.exitCode, 0) << report.out;
  EXPECT_NE(report.out.find("17x20"), std::string::npos);
  const test_support::ShellRun wzt6 = Shell(asNobody + ZT6_WZT6_EXE + " p1.zt6 /I /NOGUI");
  EXPECT_EQ(wzt6.exitCode, 0) << wzt6.out;
  EXPECT_TRUE(fs::exists(projects / "p1.txt"));

  EXPECT_EQ(fs::last_write_time(tables), tablesBefore) << "something was written there";
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(shared)) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  std::sort(stale.begin(), stale.end());
  EXPECT_EQ(left, stale) << "the other user's files alone";
  for (const std::string& name : stale) EXPECT_EQ(FileBytes(shared / name), "another user's copy");
}

}  // namespace
}  // namespace zt6
