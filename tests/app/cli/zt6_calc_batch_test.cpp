// zt6 calc over many projects in one process: files, folders and names on standard
// input, one JSON line per file in the order named, the bad ones reported and the run
// going on, the same lines whatever the number of threads.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/cli/calc_batch.h"
#include "base/text_lines.h"
#include "support/file_bytes.h"
#include "support/flat_json.h"
#include "support/pdf_reading.h"
#include "support/run_zt6.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"
#include "support/unprivileged_rerun.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::FlatJson;
using test_support::FlatJsonReader;
using test_support::RunZt6Command;
using test_support::Zt6Outcome;

std::vector<FlatJson> JsonLines(const std::string& out) {
  std::vector<FlatJson> lines;
  for (const std::string& line : SplitLines(out)) {
    if (line.empty()) continue;
    const auto json = FlatJsonReader::Read(line);
    EXPECT_TRUE(json) << "not one JSON object: " << line;
    lines.push_back(json.value_or(FlatJson{}));
  }
  return lines;
}

class Zt6CalcBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"welle_12x14", "din5481_17x20", "getriebe_mit_aenderungen",
                             "inch_shaft"}) {
      examples.push_back(
          dir.Write(std::string(name) + ".zt6",
                    test_support::FileBytes(fs::path(ZT6_DATA_DIR) / "examples" /
                                            (std::string(name) + ".zt6")))
              .string());
    }
  }

  Zt6Outcome Calc(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "calc");
    args.insert(args.end(), {"--tables", test_support::TableFolderCopy()});
    return RunZt6Command(args, input);
  }

  test_support::TempDir dir{"zt6_calc_batch"};
  std::vector<std::string> examples;
};

// Good projects among garbage, an empty file, a missing and an unreadable one, named
// directly, through a folder and on standard input: one line each in that order. The
// superuser reads the unreadable file, so as root the test runs again as nobody.
TEST_F(Zt6CalcBatch, EveryGoodFileIsCalculatedAndEveryBadOneReported) {
  ZT6_AS_UNPRIVILEGED_USER();
  const fs::path folder = dir.path() / "mixed";
  fs::create_directory(folder);
  const auto put = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
  };
  const std::string good = put("a_good.zt6", test_support::FileBytes(examples[1]));
  const std::string garbage = put("b_garbage.zt6", std::string("\x89PNG\r\n\x1a\n\0\0\x01", 11));
  const std::string empty = put("c_empty.zt6", "");
  const std::string locked = put("d_locked.zt6", test_support::FileBytes(examples[0]));
  put("notes.txt", "not a project: skipped by its extension");
  fs::create_directory(folder / "sub.zt6");  // a folder is not a project file
  chmod(locked.c_str(), 0);
  const std::string missing = (dir.path() / "missing.zt6").string();

  const Zt6Outcome r =
      Calc({examples[0], folder.string(), missing, "-"}, examples[2] + "\n\n" + garbage + "\r\n");
  chmod(locked.c_str(), 0644);

  struct Expected {
    std::string file;
    int exit;
  };
  const std::vector<Expected> expected = {
      {examples[0], 0}, {good, 0},    {garbage, 1},     {empty, 1},
      {locked, 1},   {missing, 1}, {examples[2], 0}, {garbage, 1}};
  const std::vector<FlatJson> lines = JsonLines(r.out);
  ASSERT_EQ(lines.size(), expected.size()) << r.out << r.err;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(expected[i].file);
    EXPECT_EQ(lines[i].at("file").text, expected[i].file);
    EXPECT_EQ(lines[i].at("exit").number, expected[i].exit);
    if (expected[i].exit == 0) {
      EXPECT_EQ(lines[i].count("error"), 0u);
      EXPECT_EQ(lines[i].at("fatal").text, "false");
      EXPECT_GT(lines[i].at("results.P").number, 0);
    } else {
      EXPECT_FALSE(lines[i].at("error").text.empty());
      EXPECT_EQ(lines[i].count("results"), 0u);
    }
  }
  EXPECT_EQ(r.exitCode, 1) << "the worst of the files";
  EXPECT_EQ(r.err, "");
}

// The lines of a batch run are the single run's JSON with the file and its exit code
// in front, byte for byte the same for one thread and for several.
TEST_F(Zt6CalcBatch, LinesMatchSingleRunsWhateverTheThreads) {
  std::vector<std::string> files;
  for (int copy = 0; copy < 6; ++copy) files.insert(files.end(), examples.begin(), examples.end());
  std::vector<std::string> one = files;
  one.insert(one.end(), {"--jobs", "1", "--set", "TN=55"});
  std::vector<std::string> three = files;
  three.insert(three.end(), {"--set", "TN=55", "--jobs=3"});
  const Zt6Outcome serial = Calc(one);
  const Zt6Outcome parallel = Calc(three);
  ASSERT_EQ(serial.exitCode, 0) << serial.err;
  EXPECT_EQ(parallel.exitCode, 0) << parallel.err;
  EXPECT_EQ(parallel.out, serial.out);

  const std::vector<FlatJson> lines = JsonLines(serial.out);
  ASSERT_EQ(lines.size(), files.size());
  for (std::size_t i = 0; i < examples.size(); ++i) {
    SCOPED_TRACE(examples[i]);
    const Zt6Outcome single = Calc({examples[i], "--json", "--set", "TN=55"});
    ASSERT_EQ(single.exitCode, 0) << single.err;
    const auto alone = FlatJsonReader::Read(single.out);
    ASSERT_TRUE(alone);
    FlatJson line = lines[i];
    EXPECT_EQ(line.at("").text, std::to_string(std::stoi(alone->at("").text) + 2));
    line.erase("");
    line.erase("file");
    line.erase("exit");
    FlatJson expected = *alone;
    expected.erase("");
    ASSERT_EQ(line.size(), expected.size());
    for (const auto& [path, entry] : expected) {
      ASSERT_EQ(line.count(path), 1u) << path;
      EXPECT_EQ(line.at(path).text, entry.text) << path;
    }
    EXPECT_EQ(line.at("inputs.TN").number, 55);
  }
}

// The workers are bounded by the files, by four per hardware thread and by 64, whatever
// --jobs asks; a number of threads too large for any count asks for as many as that.
TEST_F(Zt6CalcBatch, WorkersAreBoundedWhateverTheNumberAsked) {
  const struct {
    unsigned jobs;
    std::size_t files;
    unsigned hardware;
    std::size_t workers;
  } cases[] = {
      {100000, 10000, 2, 8}, {100000, 3, 2, 3},  {5, 10000, 2, 5}, {1, 100, 16, 1},
      {100000, 10000, 64, 64}, {100000, 10000, 0, 4}, {0, 5, 2, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CalcWorkerCount(c.jobs, c.files, c.hardware), c.workers)
        << c.jobs << " jobs, " << c.files << " files, " << c.hardware << " hardware threads";

  const Zt6Outcome one = Calc({examples[0], examples[1], "--jobs", "1"});
  ASSERT_EQ(one.exitCode, 0) << one.err;
  for (const char* huge : {"2147483648", "99999999999999999999999999"}) {
    const Zt6Outcome r = Calc({examples[0], examples[1], "--jobs", huge});
    EXPECT_EQ(r.exitCode, 0) << huge << ": " << r.err;
    EXPECT_EQ(r.out, one.out) << huge;
  }
}

// A process limit that leaves room for three threads: --jobs 100000 over 40 files goes
// on with the threads it gets and prints what one thread prints. Before, the refused
// thread aborted the run (std::system_error, exit 134, no output). The limit counts
// every process of a user, so the run is made as the user nobody, which needs root.
TEST_F(Zt6CalcBatch, AProcessLimitLeavesFewerThreadsNotAnAbort) {
  if (::geteuid() != 0) GTEST_SKIP() << "a process limit of its own needs another user";
  char pattern[] = "/tmp/zt6_limit_XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path place = pattern;
  fs::permissions(place, fs::perms::all);
  const fs::path tables = place / "tables";
  fs::copy(ZT6_TABLE_DIR, tables);
  for (int k = 0; k < 40; ++k)
    fs::copy_file(examples[static_cast<std::size_t>(k) % examples.size()],
                  place / ("p" + std::to_string(100 + k) + ".zt6"));
  const std::string run = "cd " + test_support::Quoted(place) +
                          " && setpriv --reuid=65534 --regid=65534 --clear-groups prlimit "
                          "--nproc=4:4 " + ZT6_ZT6_EXE + " calc . --tables tables --jobs ";
  const test_support::ShellRun limited = test_support::Shell(run + "100000");
  const test_support::ShellRun serial = test_support::Shell(run + "1");
  fs::remove_all(place);
  ASSERT_EQ(serial.exitCode, 0) << serial.out.substr(0, 500);
  EXPECT_EQ(limited.exitCode, 0) << limited.out.substr(0, 500);
  EXPECT_EQ(limited.out, serial.out);
  EXPECT_EQ(JsonLines(serial.out).size(), 40u);
}

// A run that cannot start is refused before any line: bad thread counts, an unknown
// size, a bad assignment; a fatal design and a folder without projects set the code.
TEST_F(Zt6CalcBatch, RefusalsAndExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int exit;
    const char* inError;
  };
  const std::vector<Case> cases = {
      {{examples[0], examples[1], "--jobs", "0"}, 2, "--jobs"},
      {{examples[0], "--jobs", "many"}, 2, "--jobs"},
      {{"--jobs", "2"}, 2, "--jobs needs project files"},
      {{examples[0], examples[1], "--size", "99x99"}, 1, "unknown size \"99x99\""},
      {{examples[0], examples[1], "--set", "Dx=1"}, 2, "unknown name \"Dx\""},
      {{(dir.path() / "nothing").string()}, 1, "no project files"},
  };
  fs::create_directory(dir.path() / "nothing");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inError);
    const Zt6Outcome r = Calc(c.args);
    EXPECT_EQ(r.exitCode, c.exit);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.inError), std::string::npos) << r.err;
  }

  // A fatal design is 3, above the good ones; an unreadable file does not hide it.
  const Zt6Outcome fatal = Calc({examples[0], "--set", "Dii=13.5", examples[1], "missing.zt6"});
  EXPECT_EQ(fatal.exitCode, 3);
  const std::vector<FlatJson> lines = JsonLines(fatal.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].at("exit").number, 3);
  EXPECT_EQ(lines[0].at("fatal").text, "true");
  EXPECT_EQ(lines[2].at("exit").number, 1);

  // --size on every file of the batch: each takes the row.
  const Zt6Outcome sized = Calc({examples[0], examples[3], "--size", "30x34", "--jobs", "2"});
  ASSERT_EQ(sized.exitCode, 0) << sized.err;
  for (const FlatJson& line : JsonLines(sized.out)) {
    EXPECT_EQ(line.at("inputs.designation").text, "30x34");
    EXPECT_EQ(line.at("inputs.D").number, 32);
  }
}

}  // namespace
}  // namespace zt6
