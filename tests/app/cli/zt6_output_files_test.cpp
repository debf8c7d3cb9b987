// Where the command lines' output lands and what becomes of it: never over the project
// it comes from, standard output checked to the end, names taken as they are, and no
// working file left behind by an interrupted run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/file_bytes.h"
#include "support/pdf_reading.h"
#include "support/run_zt6.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using namespace test_support;  // the shell helpers

const std::string kExample = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";

// "zt6 COMMAND --tables COPY ARGUMENTS" in a shell, with what the caller appends.
std::string Zt6Line(const std::string& command, const std::string& arguments) {
  return std::string(ZT6_ZT6_EXE) + " " + command + " --tables " + Quoted(TableFolderCopy()) +
         " " + arguments;
}

TEST(Zt6OutputOverInput, TheProjectItselfIsRefusedAsOutput) {
  TempDir dir("zt6_over_input");
  const fs::path project = dir.path() / "p.zt6";
  fs::copy_file(kExample, project);
  fs::create_symlink("p.zt6", dir.path() / "link.zt6");
  fs::create_hard_link(project, dir.path() / "hard.zt6");
  const std::string original = FileBytes(project);
  const std::string link = (dir.path() / "link.zt6").string();
  const std::string hard = (dir.path() / "hard.zt6").string();
  const std::vector<std::vector<std::string>> cases = {
      {"report", project.string(), "-o", project.string()},
      {"report", project.string(), "--changes", "-o", project.string()},
      {"cad", project.string(), "--drawing", "5", "-o", project.string()},
      {"report", project.string(), "-o", link},
      {"cad", link, "--drawing", "1", "--format", "svg", "-o", hard},
  };
  for (const auto& args : cases) {
    const Zt6Outcome run = RunZt6Command(args);
    const std::string& output = args.back();
    EXPECT_EQ(run.exitCode, 2) << args[0] << " -o " << output;
    EXPECT_NE(run.err.find("the output " + output + " is the project file"), std::string::npos)
        << run.err;
    EXPECT_EQ(FileBytes(project), original) << args[0] << " -o " << output;
  }
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::hard_link_count(project), 2u);
}

// The batch output is named after the project in the working folder.
TEST(Zt6OutputOverInput, TheBatchRunRefusesAProjectNamedAsItsOutput) {
  TempDir dir("wzt6_over_input");
  const std::string original = FileBytes(kExample);
  for (const auto& [project, switches] : std::vector<std::pair<std::string, std::string>>{
           {"p.txt", "/I"}, {"p.txt", "/CAD5:3"}, {"p.dxf", "/CAD1:1"}, {"p.igs", "/CAD2:9"}}) {
    fs::copy_file(kExample, dir.path() / project, fs::copy_options::overwrite_existing);
    const ShellRun run = Shell("cd " + Quoted(dir.path()) + " && " + ZT6_WZT6_EXE + " " +
                               project + " " + switches + " /NOGUI");
    EXPECT_EQ(run.exitCode, 2) << project << ' ' << switches << ": " << run.out;
    EXPECT_NE(run.out.find("Datei " + project + " ist die Projektdatei selbst"), std::string::npos)
        << run.out;
    EXPECT_EQ(FileBytes(dir.path() / project), original) << project << ' ' << switches;
  }
}

// A batch report that cannot be written names the file and the system's reason.
TEST(Zt6WriteErrors, ABatchReportThatCannotBeWrittenNamesTheFileAndTheReason) {
  TempDir dir("wzt6_unwritten");
  fs::copy_file(kExample, dir.path() / "p.zt6");
  const ShellRun run = Shell("{ cd " + Quoted(dir.path()) + " && ulimit -f 1 && trap '' XFSZ && " +
                             ZT6_WZT6_EXE + " p.zt6 /I /NOGUI; }");
  EXPECT_EQ(run.exitCode, 1) << run.out;
  EXPECT_NE(run.out.find("p_dos.txt\" kann nicht geschrieben werden: Datei zu gro"),
            std::string::npos)
      << run.out;
}

// Every command that prints: "> /dev/full" is a failed run that says why.
TEST(Zt6StandardOutput, AWriteErrorIsReportedWithExitCodeOne) {
  const std::string examples = std::string(ZT6_DATA_DIR) + "/examples";
  const std::vector<std::string> commands = {
      Zt6Line("calc", Quoted(kExample)),
      Zt6Line("calc", Quoted(kExample) + " --json"),
      Zt6Line("calc", Quoted(examples) + " --jobs 2"),
      std::string(ZT6_ZT6_EXE) + " fit 12 A11",
      std::string(ZT6_ZT6_EXE) + " help",
      Zt6Line("report", Quoted(kExample)),
      Zt6Line("report", Quoted(kExample) + " -o -"),
      Zt6Line("cad", Quoted(kExample) + " --drawing 5"),
      Zt6Line("cad", Quoted(kExample) + " --drawing 2 --format igs"),
  };
  for (const std::string& command : commands) {
    const ShellRun run = Shell("{ " + command + " > /dev/full; }");
    EXPECT_EQ(run.exitCode, 1) << command << ": " << run.out;
    EXPECT_NE(run.out.find("zt6: write error on standard output: No space left on device"),
              std::string::npos)
        << command << ": " << run.out;
  }
}

// A run of many files whose output fills its file part-way (a file size limit, as a
// full disk) fails, and stops there.
TEST(Zt6StandardOutput, OutputRefusedPartWayIsAWriteError) {
  TempDir dir("zt6_many_files");
  for (int i = 0; i < 400; ++i)
    fs::copy_file(kExample, dir.path() / ("p" + std::to_string(i) + ".zt6"));
  const ShellRun run = Shell("{ ulimit -f 1; trap '' XFSZ; " +
                             Zt6Line("calc", Quoted(dir.path()) + " --jobs 1") + " > " +
                             Quoted(dir.path() / "out.jsonl") + "; }");
  EXPECT_EQ(run.exitCode, 1) << run.out;
  EXPECT_NE(run.out.find("write error on standard output: File too large"), std::string::npos)
      << run.out;
}

TEST(Zt6Names, DashIsStandardOutputAndDoubleDashEndsTheOptions) {
  TempDir dir("zt6_names");
  fs::current_path(dir.path());  // put back by the test isolation
  fs::copy_file(kExample, dir.path() / "-p.zt6");

  const Zt6Outcome dash = RunZt6Command({"report", kExample, "-o", "-"});
  EXPECT_EQ(dash.exitCode, 0) << dash.err;
  EXPECT_NE(dash.out.find("Kerbverzahnung"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path() / "-"));

  const Zt6Outcome ended = RunZt6Command({"report", "-o", "r.txt", "--", "-p.zt6"});
  EXPECT_EQ(ended.exitCode, 0) << ended.err;
  EXPECT_NE(FileBytes(dir.path() / "r.txt").find("Kerbverzahnung"), std::string::npos);
  const Zt6Outcome calc = RunZt6Command({"calc", "--json", "--", "-p.zt6"});
  EXPECT_EQ(calc.exitCode, 0) << calc.err;
}

// On this system a backslash is part of a file's name, not a folder separator.
TEST(Zt6Names, ABackslashStaysInTheBatchOutputsName) {
  TempDir dir("wzt6_backslash");
  fs::copy_file(kExample, dir.path() / "a\\b.zt6");
  for (const auto& [switches, output] : std::vector<std::pair<std::string, std::string>>{
           {"/I", "a\\b.txt"}, {"/CAD1:1", "a\\b.dxf"}}) {
    const ShellRun run = Shell("cd " + Quoted(dir.path()) + " && " + ZT6_WZT6_EXE +
                               " 'a\\b.zt6' " + switches + " /NOGUI");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(fs::exists(dir.path() / output)) << switches;
  }
  EXPECT_FALSE(fs::exists(dir.path() / "b.txt"));
  EXPECT_FALSE(fs::exists(dir.path() / "b.dxf"));
}

std::vector<fs::path> RunFolders(const fs::path& folder) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().starts_with("zt6-run-")) found.push_back(entry.path());
  return found;
}

// A run interrupted while it hands its output to a pipe nobody reads yet: its private
// folder (holding the finished PDF) goes, and the run ends by the signal.
TEST(Zt6Interruption, SigintAndSigtermRemoveTheRunsPrivateFolder) {
  for (const int signal : {SIGINT, SIGTERM}) {
    TempDir dir("zt6_interrupted");
    const fs::path temporary = dir.path() / "tmp";
    fs::create_directories(temporary);
    const fs::path fifo = dir.path() / "out.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string tables = TableFolderCopy();
    const std::string environment = "TMPDIR=" + temporary.string();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::putenv(const_cast<char*>(environment.c_str()));
      ::execl(ZT6_ZT6_EXE, ZT6_ZT6_EXE, "report", "--tables", tables.c_str(), kExample.c_str(),
              "--format", "pdf", "-o", fifo.c_str(), nullptr);
      ::_exit(127);
    }
    // The PDF is written into the private folder, then the run waits for a reader.
    bool written = false;
    for (int wait = 0; wait < 600 && !written; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      for (const fs::path& folder : RunFolders(temporary))
        written = written || fs::exists(folder / "report.pdf");
    }
    EXPECT_TRUE(written) << "no private folder with the PDF in " << temporary;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
    EXPECT_TRUE(RunFolders(temporary).empty()) << RunFolders(temporary).front();
  }
}

// A killed run cannot clean up; the next run that makes a private folder removes the
// folders of this user's runs that ended.
TEST(Zt6Interruption, TheNextRunRemovesTheFoldersOfKilledRuns) {
  TempDir dir("zt6_killed");
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
  const fs::path left = dir.path() / ("zt6-run-" + std::to_string(ended) + "-Ab12Cd");
  const fs::path running = dir.path() / ("zt6-run-" + std::to_string(::getpid()) + "-Ab12Cd");
  const fs::path other = dir.path() / "zt6-run-Ab12Cd";  // no process number: not known
  for (const fs::path& folder : {left, running, other}) {
    fs::create_directories(folder / "inner");
    std::ofstream(folder / "inner" / "drawing.igs") << "partial";
  }
  const ShellRun run = Shell("TMPDIR=" + Quoted(dir.path()) + " " +
                             Zt6Line("cad", Quoted(kExample) + " --drawing 1 -o " +
                                                Quoted(dir.path() / "out.dxf")));
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::exists(running / "inner" / "drawing.igs"));
  EXPECT_TRUE(fs::exists(other / "inner" / "drawing.igs"));
  EXPECT_EQ(RunFolders(dir.path()).size(), 2u);
}

}  // namespace
}  // namespace zt6
