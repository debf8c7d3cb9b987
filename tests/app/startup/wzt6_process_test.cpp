// Runs the real wzt6 executable and checks what a shell script would see.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "base/codepage.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"
#include "support/unprivileged_rerun.h"
#include "support/wzt6_configuration.h"

namespace zt6 {
namespace {

struct ProcessResult {
  int exitCode = -1;
  std::string out;
};

// workDir, when given, becomes the working folder of the run, and the temporary folder
// unless temp names another. With errors, standard error follows standard output.
ProcessResult RunWzt6(const std::string& arguments, const std::string& workDir = "",
                      const std::string& temp = "", bool withErrors = false) {
  const std::string place =
      workDir.empty()
          ? ""
          : "cd '" + workDir + "' && TEMP='" + (temp.empty() ? workDir : temp) + "' ";
  const std::string command = place + std::string(ZT6_WZT6_EXE) + " " + arguments +
                              (withErrors ? " 2>&1" : " 2>/dev/null");
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
  const std::string expected =
      "ZT6 Command Line Mode\n"
      "\n"
      "wzt6 Filename [/I] [/CADi:j] [/NOGUI]\n"
      "\n"
      "/I       -> TXT file\n"
      "\n"
      "/CADi:j  -> CAD File\n"
      "            i: 1=DXF, 2=IGS, 5=TXT\n"
      "            j: index (1,2,3, ..)\n"
      "\n"
      "/NOGUI  -> No GUI, exit on fatal error\n"
      "\n\n\n"
      "/?       -> Help\n"
      "\n\n"
      "Example: wzt6 test.zt6             ->  GUI\n"
      "Example: wzt6 test.zt6 /I /NOGUI   ->  test.txt\n"
      "Example: wzt6 test.zt6 /CAD1:1     ->  test.dxf\n"
      "Example: wzt6 test.edi /E /NOGUI   ->  test.edi\n";
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

TEST(Wzt6Process, WithoutADisplayTheWindowIsRefusedWhileBatchRunsWork) {
  const std::string example = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              std::string(ZT6_WZT6_EXE) + " '" + example + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::array<char, 4096> buffer{};
  std::string out;
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(out.find("wzt6: "), std::string::npos) << out;
  EXPECT_NE(out.find("/?"), std::string::npos) << out;
}

// wzt6 hands a window's command line over to the desktop program: on Qt's offscreen
// platform the window ends after its first drawing when asked to.
TEST(Wzt6Process, WindowOpensThroughTheDesktopProgram) {
#ifndef ZT6_DESKTOP_PROGRAM_BUILT
  GTEST_SKIP() << "built without Qt";
#else
  test_support::TempDir dir("zt6_window");
  const std::string example = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";
  const std::string command = "cd '" + dir.path().string() + "' && XDG_CONFIG_HOME='" +
                              dir.path().string() +
                              "' QT_QPA_PLATFORM=offscreen ZT6_QUIT_AFTER_FIRST_DRAWING=1 "
                              "timeout 60 " + std::string(ZT6_WZT6_EXE) + " '" + example +
                              "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // The window wrote its session file on closing: it really ran.
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "zt6.cff") ||
              std::filesystem::exists(dir.path() / "zt6" / "zt6.cff"));
#endif
}

TEST(Wzt6Process, BatchReportWritesTheWindowsCopyBesideTheRun) {
  namespace fs = std::filesystem;
  using test_support::FileBytes;
  const fs::path examples = fs::path(ZT6_DATA_DIR) / "examples";
  int projects = 0;
  for (const auto& entry : fs::directory_iterator(examples)) {
    if (entry.path().extension() != ".zt6") continue;
    ++projects;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    test_support::TempDir dir("zt6_batch_" + name);
    // The default configuration beside the run, naming the test's copy of the tables.
    std::string configuration = FileBytes(fs::path(ZT6_DATA_DIR) / ".." / "tests" / "app" /
                                          "golden" / "configuration_defaults.cfg");
    const std::string tablesEntry = "\r\nDBF Ordner\r\n\r\n";
    ASSERT_NE(configuration.find(tablesEntry), std::string::npos);
    configuration.replace(configuration.find(tablesEntry), tablesEntry.size(),
                          "\r\nDBF Ordner\r\n" + test_support::TableFolderCopy() + "/\r\n");
    dir.Write("zt6.cfg", configuration);
    const ProcessResult r = RunWzt6("'" + entry.path().string() + "' /I /NOGUI", dir.path());
    EXPECT_EQ(r.exitCode, 0);
    const std::string report = FileBytes(dir.path() / (name + ".txt"));
    const bool german = report.find("ABMESSUNGEN") != std::string::npos;
    EXPECT_TRUE(german || report.find("DIMENSIONS") != std::string::npos);
    EXPECT_NE(report.find('\t'), std::string::npos);
    if (german) {  // the umlaut in code page 1252, not 850
      EXPECT_NE(report.find(Utf8ToCp1252("Zähnezahl")), std::string::npos);
      EXPECT_EQ(report.find(Oem("Zähnezahl")), std::string::npos);
    }
    // The header names the report the user gets, and every file the run leaves carries
    // the project's name (it named "$$$1.txt" in the temporary folder before).
    const std::string copy = (dir.path() / (name + ".txt")).string();
    EXPECT_NE(report.find("\r\n" + copy + "\r\n"), std::string::npos) << report.substr(0, 200);
    for (const auto& left : fs::directory_iterator(dir.path())) {
      if (left.path().filename() == "zt6.cfg") continue;  // the test's own configuration
      EXPECT_EQ(left.path().filename().string().rfind(name, 0), 0u) << left.path();
    }
  }
  EXPECT_GE(projects, 3);

  test_support::TempDir dir("zt6_batch_failures");
  // Not a project file: exit 1, nothing written.
  dir.Write("kaputt.zt6", "kein Projekt\r\n");
  EXPECT_EQ(RunWzt6("kaputt.zt6 /I /NOGUI", dir.path()).exitCode, 1);
  EXPECT_FALSE(fs::exists(dir.path() / "kaputt.txt"));
  // Dii above D: the run ends with a fatal message; no report, still exit 0.
  const std::string project = test_support::ProjectWithFatalRun();
  ASSERT_FALSE(project.empty());
  dir.Write("fatal.zt6", project);
  EXPECT_EQ(RunWzt6("fatal.zt6 /I /NOGUI", dir.path()).exitCode, 0);
  EXPECT_FALSE(fs::exists(dir.path() / "fatal.txt"));
}

// A batch report that cannot be written is a failed run: exit 1 and a message naming the
// report file and the system's reason, whether a folder stands at the report's name or the
// working folder is read-only.
TEST(Wzt6Process, BatchReportThatCannotBeWrittenExitsOne) {
  namespace fs = std::filesystem;
  const std::string welle =
      "'" + (fs::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6").string() + "' /I /NOGUI";
  test_support::TempDir dir("zt6_batch_blocked");
  fs::create_directory(dir.path() / "welle_12x14.txt");
  const ProcessResult r = RunWzt6(welle, dir.path().string(), "", true);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("welle_12x14.txt\" kann nicht geschrieben werden: an ihrer Stelle steht ein Ordner"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(fs::is_directory(dir.path() / "welle_12x14.txt"));
}

TEST(Wzt6Process, BatchReportIntoAReadOnlyFolderExitsOne) {
  ZT6_AS_UNPRIVILEGED_USER();
  namespace fs = std::filesystem;
  const std::string welle =
      "'" + (fs::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6").string() + "' /I /NOGUI";
  test_support::TempDir dir("zt6_batch_read_only");
  fs::create_directories(dir.path() / "work");
  fs::create_directories(dir.path() / "temp");
  fs::permissions(dir.path() / "work", fs::perms::owner_read | fs::perms::owner_exec);
  const ProcessResult r =
      RunWzt6(welle, (dir.path() / "work").string(), (dir.path() / "temp").string(), true);
  fs::permissions(dir.path() / "work", fs::perms::owner_all);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("welle_12x14.txt\" kann nicht geschrieben werden: keine Schreibberechtigung im Ordner"),
            std::string::npos)
      << r.out;
  EXPECT_FALSE(fs::exists(dir.path() / "work" / "welle_12x14.txt"));
}

// The batch CAD route: drawing j as DXF named after the project, in the working folder.
TEST(Wzt6Process, BatchCadWritesTheDrawingNamedAfterTheProject) {
  namespace fs = std::filesystem;
  using test_support::FileBytes;
  const fs::path examples = fs::path(ZT6_DATA_DIR) / "examples";
  test_support::TempDir dir("zt6_batch_cad");
  const ProcessResult r =
      RunWzt6("'" + (examples / "welle_12x14.zt6").string() + "' /cad1:9 /NOGUI", dir.path());
  EXPECT_EQ(r.exitCode, 0);
  const std::string dxf = FileBytes(dir.path() / "welle_12x14.dxf");
  EXPECT_TRUE(dxf.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
  EXPECT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));
  EXPECT_NE(dxf.find("zahn2"), std::string::npos);

  // Dii above D: the run ends with a fatal message; no drawing, still exit 0.
  const std::string project = test_support::ProjectWithFatalRun();
  ASSERT_FALSE(project.empty());
  dir.Write("fatal.zt6", project);
  EXPECT_EQ(RunWzt6("fatal.zt6 /CAD1:1 /NOGUI", dir.path()).exitCode, 0);
  EXPECT_FALSE(fs::exists(dir.path() / "fatal.dxf"));
  // A drawing that cannot be written is a failed run.
  test_support::TempDir blocked("zt6_batch_cad_blocked");
  fs::create_directory(blocked.path() / "welle_12x14.dxf");
  EXPECT_EQ(RunWzt6("'" + (examples / "welle_12x14.zt6").string() + "' /CAD1:1 /NOGUI",
                    blocked.path()).exitCode, 1);
  // IGES and text files too; the window formats and unknown drawings are refused.
  const std::string welle = "'" + (examples / "welle_12x14.zt6").string() + "'";
  EXPECT_EQ(RunWzt6(welle + " /CAD2:6 /NOGUI", dir.path()).exitCode, 0);
  const std::string igs = FileBytes(dir.path() / "welle_12x14.igs");
  EXPECT_EQ(igs.substr(72, 8), "S0000001");
  EXPECT_NE(igs.find("4HFILE,11Hwelle_12x14"), std::string::npos);
  EXPECT_EQ(RunWzt6(welle + " /cad5:14 /NOGUI", dir.path()).exitCode, 0);
  const std::string txt = FileBytes(dir.path() / "welle_12x14.txt");
  EXPECT_TRUE(txt.starts_with("MINMAX\t0.000000\t0.000000\t160.000000\t120.000000\r\n"));
  EXPECT_TRUE(txt.ends_with("EOF\r\n"));
  for (const char* refused : {" /CAD3:1 /NOGUI", " /CAD4:1 /NOGUI", " /CAD1:18 /NOGUI"})
    EXPECT_EQ(RunWzt6(welle + refused, blocked.path()).exitCode, 2) << refused;
  EXPECT_EQ(std::distance(fs::directory_iterator(blocked.path()), fs::directory_iterator()), 1);
}

// The report or drawing without what differs from run to run: its time stamps and the
// run's folder ("run0", "run2"), which the report's header names.
std::string Comparable(const std::string& text) {
  static const std::regex varying("[0-9]{1,2}:[0-9]{2}|[0-9]{6,8}\\.[0-9]{6}|/run[0-9]+/");
  return std::regex_replace(text, varying, "#");
}

// Parallel batch runs in their own folders with one temporary folder, each on a project
// named p.zt6, half of them on another project: every run ends well and writes its own
// project's report or IGES drawing, as a single run does. Before, the runs shared the
// report's original "p_dos.txt" and the IGES working file "MORVIGES.$$$" there: reports
// of the other project with exit 0, drawings that failed or were the other project's.
TEST(Wzt6Process, ParallelRunsWithOneTemporaryFolderKeepTheirWorkingFilesApart) {
  namespace fs = std::filesystem;
  using test_support::FileBytes;
  const fs::path examples = fs::path(ZT6_DATA_DIR) / "examples";
  const fs::path projects[] = {examples / "welle_12x14.zt6", examples / "din5481_17x20.zt6"};
  constexpr int kProcesses = 4;
  const struct {
    const char* switches;
    const char* extension;
    int runs;
  } cases[] = {{"/I", "txt", 25}, {"/CAD2:8", "igs", 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.switches);
    test_support::TempDir dir("zt6_parallel");
    fs::create_directory(dir.path() / "tmp");
    std::string script;
    std::string expected[2];
    for (int p = 0; p < kProcesses; ++p) {
      const fs::path folder = dir.path() / ("run" + std::to_string(p));
      fs::create_directory(folder);
      fs::copy_file(projects[p % 2], folder / "p.zt6");
      std::ofstream(folder / "zt6.cfg", std::ios::binary)
          << test_support::ConfigurationWithTables(test_support::TableFolderCopy());
      if (p < 2) {  // a single run's file, with a temporary folder of its own
        const ProcessResult single =
            RunWzt6(std::string("p.zt6 ") + c.switches + " /NOGUI", folder.string());
        ASSERT_EQ(single.exitCode, 0);
        expected[p] = Comparable(FileBytes(folder / (std::string("p.") + c.extension)));
        ASSERT_FALSE(expected[p].empty());
      }
      script += "(cd '" + folder.string() + "' && for i in $(seq " + std::to_string(c.runs) +
                "); do rm -f p." + c.extension + "; TEMP='" + (dir.path() / "tmp").string() +
                "' " + ZT6_WZT6_EXE + " p.zt6 " + c.switches + " /NOGUI >/dev/null 2>&1; echo $? >> codes; mv p." +
                c.extension + " out$i 2>/dev/null; done) & ";
    }
    ASSERT_EQ(std::system((script + "wait").c_str()), 0);
    for (int p = 0; p < kProcesses; ++p) {
      const fs::path folder = dir.path() / ("run" + std::to_string(p));
      EXPECT_EQ(FileBytes(folder / "codes"), [&] {
        std::string zeros;
        for (int i = 0; i < c.runs; ++i) zeros += "0\n";
        return zeros;
      }()) << "process " << p;
      int wrong = 0;
      for (int i = 1; i <= c.runs; ++i)
        if (Comparable(FileBytes(folder / ("out" + std::to_string(i)))) != expected[p % 2]) ++wrong;
      EXPECT_EQ(wrong, 0) << "process " << p << ": files not its project's as one run writes them";
    }
    EXPECT_TRUE(fs::is_empty(dir.path() / "tmp")) << "working files left behind";
  }
}

}  // namespace
}  // namespace zt6
