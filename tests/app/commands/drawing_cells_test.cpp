// Every text of every drawing stays inside its cell: no table text runs into the next
// column or through the table's border, no title-block text through a rule. Checked
// in the DXF file (texts as wide as the drawing assumes for its CAD font) and in the
// SVG picture of the screen (texts as long as the screen's font draws them), in German
// and English, with metric and inch units, for every bundled example.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/bundled_examples.h"
#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/required_reader.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

constexpr int kDrawings = 17;

// Runs in a folder: zt6 takes the configuration there, if one is there.
class WorkingFolder {
 public:
  explicit WorkingFolder(const fs::path& folder) : before_(fs::current_path()) {
    fs::create_directories(folder);
    fs::current_path(folder);
  }
  ~WorkingFolder() { fs::current_path(before_); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  fs::path before_;
};

// "file: NAME" blocks of the checker: the files with a count other than 0, with the
// overlaps it listed.
std::vector<std::string> FilesWithOverlaps(const std::string& report, int& files) {
  std::vector<std::string> failing;
  std::istringstream lines(report);
  std::string file, details;
  files = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("file: ")) {
      file = line.substr(6);
      details.clear();
    } else if (line.starts_with("overlap: ") || line.starts_with("unreadable: ")) {
      details += "\n  " + line;
    } else if (line.starts_with("overlaps ")) {
      ++files;
      if (line != "overlaps 0") failing.push_back(file + details);
    }
  }
  return failing;
}

class TextsInCells : public testing::TestWithParam<std::string> {};

TEST_P(TextsInCells, NoTextRunsThroughARule) {
  ZT6_REQUIRE_EZDXF();
  const fs::path project = fs::path(ZT6_DATA_DIR) / "examples" / GetParam();
  const test_support::TempDir dir("zt6_cells");
  // The inch units come from the English configuration beside the examples.
  fs::create_directories(dir.path() / "inch");
  fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples" / "english" / "zt6.cfg",
                dir.path() / "inch" / "zt6.cfg");

  std::vector<std::string> files;
  for (const char* units : {"metric", "inch"}) {
    const WorkingFolder folder(dir.path() / units);
    for (const char* language : {"1", "2"}) {
      for (int kind = 1; kind <= kDrawings; ++kind) {
        for (const char* format : {"dxf", "svg"}) {
          const fs::path file = dir.path() / (std::string(units) + "_" + language + "_" +
                                              std::to_string(kind) + "." + format);
          const auto outcome = test_support::RunZt6Command(
              {"cad", project.string(), "--drawing", std::to_string(kind), "--format", format,
               "--language", language, "-o", file.string()});
          ASSERT_EQ(outcome.exitCode, 0) << file << outcome.err;
          files.push_back(file.string());
        }
      }
    }
  }

  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/cad/text_overlaps.py";
  std::string command = "/usr/bin/python3 '" + script + "'";
  for (const std::string& file : files) command += " '" + file + "'";
  const fs::path report = dir.path() / "overlaps.txt";
  command += " > '" + report.string() + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  int checked = 0;
  const std::vector<std::string> failing =
      FilesWithOverlaps(test_support::FileBytes(report), checked);
  EXPECT_EQ(checked, static_cast<int>(files.size())) << test_support::FileBytes(report);
  for (const std::string& failure : failing) ADD_FAILURE() << failure;
}

INSTANTIATE_TEST_SUITE_P(Examples, TextsInCells, test_support::BundledExamples(),
                         test_support::ExampleTestName);

}  // namespace
}  // namespace zt6
