// What the zt6 commands refuse to calculate: cut project files, inputs outside their
// ranges (on the command line and in a project file), and files that cannot be read,
// each with a message that says which and why.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/files/project_file.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "support/bundled_examples.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"
#include "support/unprivileged_rerun.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RunZt6Command;
using test_support::Zt6Outcome;

std::string Example(const std::string& name) { return test_support::ExampleBytes(name); }

// The first `lines` CR LF lines of the text.
std::string FirstLines(const std::string& text, int lines) {
  std::size_t end = 0;
  for (int i = 0; i < lines; ++i) end = text.find("\r\n", end) + 2;
  return text.substr(0, end);
}

// The commands that take one project file and calculate it.
std::vector<std::vector<std::string>> FileCommands(const std::string& file) {
  return {{"calc", file},
          {"calc", "--json", file},
          {"report", file},
          {"report", file, "--changes"},
          {"cad", file, "--drawing", "1", "--format", "txt"}};
}

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) text += a + " ";
  return text;
}

struct Cut {
  const char* where;
  std::size_t bytes;  // 0: cut after `lines` whole lines
  int lines;
  int endsAfter;      // the line the message names
};

TEST(Zt6InputChecks, CutProjectFilesAreRefusedNamingTheirLastLine) {
  test_support::TempDir dir("zt6_cut");
  const std::string whole = Example("welle_12x14.zt6");
  const Cut cuts[] = {
      {"after the header", 0, 5, 5},
      {"in the middle of a number", 400, 0, 22},
      {"just before the change-record marker", 0, 23, 23},
      {"inside the change records", 0, 27, 27},
      {"before the tolerance lines", 0, 70, 70},
  };
  for (const Cut& cut : cuts) {
    const std::string bytes = cut.bytes ? whole.substr(0, cut.bytes) : FirstLines(whole, cut.lines);
    const std::string file = dir.Write("cut.zt6", bytes).string();
    const std::string expected = file + ": file ends early after line " +
                                 std::to_string(cut.endsAfter) + "\n";
    for (const auto& args : FileCommands(file)) {
      const Zt6Outcome r = RunZt6Command(args);
      EXPECT_EQ(r.exitCode, 1) << cut.where << ": " << Joined(args);
      EXPECT_EQ(r.err, "zt6 " + args[0] + ": " + expected) << cut.where << ": " << Joined(args);
      EXPECT_EQ(r.out, "") << cut.where << ": " << Joined(args);
    }
    // Among other files: its own line says why, the others are calculated.
    const std::string good = dir.Write("good.zt6", whole).string();
    const Zt6Outcome batch = RunZt6Command({"calc", good, file});
    EXPECT_EQ(batch.exitCode, 1) << cut.where;
    EXPECT_NE(batch.out.find("\"exit\":1,\"error\":\"file ends early after line " +
                             std::to_string(cut.endsAfter) + "\""),
              std::string::npos)
        << cut.where << ": " << batch.out;
    EXPECT_NE(batch.out.find("\"exit\":0"), std::string::npos) << batch.out;
  }
  const std::string file = dir.Write("whole.zt6", whole).string();
  for (const auto& args : FileCommands(file))
    EXPECT_EQ(RunZt6Command(args).exitCode, 0) << Joined(args) << RunZt6Command(args).err;
}

struct Assignment {
  const char* set;
  const char* message;  // after "zt6 calc: "
};

TEST(Zt6InputChecks, AssignmentsOutsideTheInputRangesAreUsageErrors) {
  const std::string file = (fs::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6").string();
  const Assignment refused[] = {
      {"KA=1e308", "KA = 1e+308 is outside its range > 0 and <= 10"},
      {"l=1e308", "l = 1e+308 is outside its range > 0 and <= 1000"},
      {"D=1.3e307", "D = 1.3e+307 is outside its range > 0 and <= 1000"},
      {"l=-1", "l = -1 is outside its range > 0 and <= 1000"},
      {"z=-1", "z = -1 is outside its range 3 .. 500"},
      {"z=20001", "z = 20001 is outside its range 3 .. 500"},
      {"shaft.Re=-1", "shaft.Re = -1 is outside its range > 0 and <= 5000"},
      {"gamma_e=180", "gamma_e = 180 is outside its range > 0 and < 180"},
      {"TN=-5", "TN = -5 is outside its range 0 .. 1e+09"},
      {"hub.fS=0", "hub.fS = 0 is outside its range > 0 and <= 10"},
  };
  for (const Assignment& a : refused) {
    for (const char* command : {"calc", "report", "cad"}) {
      std::vector<std::string> args = {command, file, "--set", a.set};
      if (std::string(command) == "cad") args.insert(args.end(), {"--drawing", "5"});
      const Zt6Outcome r = RunZt6Command(args);
      EXPECT_EQ(r.exitCode, 2) << Joined(args);
      EXPECT_EQ(r.err, "zt6 " + std::string(command) + ": " + a.message + "\n") << Joined(args);
    }
  }
  // The bounds themselves are taken.
  for (const char* set : {"z=500", "z=3", "D=1000", "KA=10", "TN=0", "ri_max=0"}) {
    const Zt6Outcome r = RunZt6Command({"calc", file, "--set", set});
    EXPECT_NE(r.exitCode, 2) << set << ": " << r.err;
  }
}

TEST(Zt6InputChecks, ProjectFilesHoldingAValueOutsideItsRangeAreRefusedNamingTheField) {
  test_support::TempDir dir("zt6_range_file");
  struct Bad {
    void (*change)(DesignRecord&);
    const char* message;
  };
  const Bad bad[] = {
      {[](DesignRecord& d) { d.z = 20001; }, "z = 20001 is outside its range 3 .. 500"},
      {[](DesignRecord& d) { d.D = 1.3e307; }, "D = 1.3e+307 is outside its range > 0 and <= 1000"},
      {[](DesignRecord& d) { d.l = -1; }, "l = -1 is outside its range > 0 and <= 1000"},
      {[](DesignRecord& d) { d.KA = 1e308; }, "KA = 1e+308 is outside its range > 0 and <= 10"},
      {[](DesignRecord& d) { d.material[1].Re = -1; },
       "hub.Re = -1 is outside its range > 0 and <= 5000"},
  };
  for (const Bad& b : bad) {
    DesignRecord design = test_support::SelfDefined12x14();
    design.material[0].Re = 1050;
    design.material[1].Re = 230;
    b.change(design);
    const std::string file =
        dir.Write("bad.zt6", ProjectFileText(design, DocumentationData{}, FormatSettings{}))
            .string();
    for (const auto& args : FileCommands(file)) {
      const Zt6Outcome r = RunZt6Command(args);
      EXPECT_EQ(r.exitCode, 1) << b.message << ": " << Joined(args);
      EXPECT_EQ(r.err, "zt6 " + args[0] + ": " + file + ": " + b.message + "\n") << Joined(args);
    }
  }
}

TEST(Zt6InputChecks, AFileThatCannotBeOpenedSaysWhy) {
  test_support::TempDir dir("zt6_open");
  const std::string missing = (dir.path() / "missing.zt6").string();
  const std::string folder = (dir.path() / "folder.zt6").string();
  fs::create_directory(folder);
  const Zt6Outcome r = RunZt6Command({"calc", missing});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "zt6 calc: " + missing + ": the file cannot be opened: not found\n");
  // (zt6 calc takes a folder as one to calculate the projects of.)
  for (const auto& [file, reason] : {std::pair{missing, "not found"}, {folder, "is a folder"}}) {
    const Zt6Outcome report = RunZt6Command({"report", file});
    EXPECT_EQ(report.exitCode, 1) << file;
    EXPECT_EQ(report.err, "zt6 report: " + file + ": the file cannot be opened: " + reason + "\n");
  }
}

TEST(Zt6InputChecks, AnUnreadableFileSaysPermissionDenied) {
  ZT6_AS_UNPRIVILEGED_USER();
  test_support::TempDir dir("zt6_unreadable");
  const std::string file = dir.Write("locked.zt6", Example("welle_12x14.zt6")).string();
  ASSERT_EQ(::chmod(file.c_str(), 0), 0);
  const Zt6Outcome r = RunZt6Command({"calc", file});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "zt6 calc: " + file + ": the file cannot be opened: permission denied\n");
}

TEST(Zt6InputChecks, AProjectSavedAsUtf8IsReadInCodePage850) {
  test_support::TempDir dir("zt6_utf8");
  const std::string cp850 = Example("getriebe_mit_aenderungen.zt6");
  const std::string original = dir.Write("cp850.zt6", cp850).string();
  const std::string utf8 = dir.Write("utf8.zt6", Cp850ToUtf8(cp850)).string();
  const std::string marked = dir.Write("bom.zt6", "\xEF\xBB\xBF" + Cp850ToUtf8(cp850)).string();
  const Zt6Outcome expected = RunZt6Command({"calc", "--json", original});
  ASSERT_EQ(expected.exitCode, 0) << expected.err;
  for (const std::string& file : {utf8, marked}) {
    const Zt6Outcome r = RunZt6Command({"calc", "--json", file});
    EXPECT_EQ(r.exitCode, 0) << file << ": " << r.err;
    EXPECT_EQ(r.out, expected.out) << file;
  }
  // A character code page 850 has no form for cannot be kept: refused, saying so.
  std::string foreign = Cp850ToUtf8(cp850);
  foreign.replace(foreign.find("Getriebe"), 8, "Getriebe \xE2\x82\xAC");  // the euro sign
  const std::string lossy = dir.Write("euro.zt6", foreign).string();
  const Zt6Outcome r = RunZt6Command({"calc", lossy});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "zt6 calc: " + lossy +
                       ": the file is UTF-8 text and holds characters code page 850 lacks\n");
}

TEST(Zt6InputChecks, AConfigurationFileThatIsNoneIsNamedAndNotRead) {
  test_support::TempDir dir("zt6_garbage_cfg");
  const std::string file = dir.Write("welle.zt6", Example("welle_12x14.zt6")).string();
  dir.Write("zt6.cfg", "garbage\x01\x02 lots\r\nof = junk\r\n");
  fs::current_path(dir.path());  // the test's isolation restores the working folder
  const std::string cfg = (fs::current_path() / "zt6.cfg").string();
  for (const char* command : {"report", "cad"}) {
    std::vector<std::string> args = {command, file, "-o", (dir.path() / "out").string()};
    if (std::string(command) == "cad") args.insert(args.end(), {"--drawing", "1"});
    const Zt6Outcome r = RunZt6Command(args);
    EXPECT_EQ(r.exitCode, 0) << command << ": " << r.err;
    EXPECT_EQ(r.err, "zt6: " + cfg +
                         ": not a configuration file (it does not start with \"zt6 "
                         "Konfiguration\"); its settings are not used\n")
        << command;
  }
}

TEST(Zt6InputChecks, AFolderThatCannotBeReadSaysWhy) {
  ZT6_AS_UNPRIVILEGED_USER();
  test_support::TempDir dir("zt6_locked_folder");
  const fs::path folder = dir.path() / "locked";
  fs::create_directory(folder);
  dir.Write("locked/welle.zt6", Example("welle_12x14.zt6"));
  ASSERT_EQ(::chmod(folder.c_str(), 0), 0);
  const Zt6Outcome r = RunZt6Command({"calc", folder.string()});
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "zt6 calc: " + folder.string() + ": the folder cannot be read: permission denied\n");
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace zt6
