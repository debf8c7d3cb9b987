// Every drawing of every bundled example in every CAD file format, each read back by
// an independent reader: DXF by ezdxf's audit, IGES by OpenCASCADE's reader, whose
// entity counts must match the primitives of the text CAD file of the same drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/iges_check.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RunZt6Command;

constexpr int kDrawings = 17;

// Blocks each drawing defines.
int BlocksOf(int kind) {
  switch (kind) {
    case 3: case 4: case 10: case 11: case 12: case 13: case 14: return 0;
    case 5: return 7;  // teeth, profile and four tables
    case 6: case 7: return 5;  // frame, teeth, profile and one table
    case 8: return 8;
    default: return 2;  // the teeth
  }
}

fs::path Written(const fs::path& project, int kind, const std::string& format,
                 const fs::path& dir) {
  const fs::path file =
      dir / (project.stem().string() + "_" + std::to_string(kind) + "." + format);
  const auto outcome = RunZt6Command({"cad", project.string(), "--drawing", std::to_string(kind),
                                      "--format", format, "-o", file.string()});
  EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
  return file;
}

// The IGES entities the text file's records stand for: the same primitives reach both
// writers; a block ends in a 308, an insert is a 408 with a 124 matrix when turned.
std::map<std::string, int> ExpectedIgesTypes(const std::string& text) {
  std::map<std::string, int> types;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const std::string keyword = line.substr(0, line.find('\t'));
    if (keyword == "LINE") ++types["type 110"];
    if (keyword == "CIRCLE" || keyword == "ARC") ++types["type 100"];
    if (keyword == "SOLID") ++types["type 106"];
    if (keyword == "TEXT") ++types["type 212"];
    if (keyword == "BLOCK") ++types["type 308"];
    if (keyword == "INSERT") {
      ++types["type 408"];
      std::vector<std::string> fields;
      std::istringstream parts(line);
      for (std::string f; std::getline(parts, f, '\t');) fields.push_back(f);
      if (fields.size() > 4 && std::stod(fields[4]) != 0) ++types["type 124"];
    }
  }
  return types;
}

class EveryDrawing : public testing::TestWithParam<std::string> {};

TEST_P(EveryDrawing, ReadsBackInEveryFormat) {
  const fs::path project = fs::path(ZT6_DATA_DIR) / "examples" / GetParam();
  test_support::TempDir dir("zt6_every_drawing");
  const bool ezdxf = test_support::HaveEzdxf();
  const bool occt = test_support::HaveIgesChecker();
  for (int kind = 1; kind <= kDrawings; ++kind) {
    SCOPED_TRACE("drawing " + std::to_string(kind));

    const std::string text = test_support::FileBytes(Written(project, kind, "txt", dir.path()));
    EXPECT_TRUE(text.starts_with("MINMAX\t"));
    EXPECT_TRUE(text.ends_with("EOF\r\n"));
    const auto expected = ExpectedIgesTypes(text);

    const fs::path dxf = Written(project, kind, "dxf", dir.path());
    if (ezdxf) {
      const test_support::DxfAudit audit = test_support::AuditDxf(dxf);
      EXPECT_EQ(audit.status, 0) << audit.output;
      EXPECT_EQ(audit.counts.count("blocks") ? audit.counts.at("blocks") : -1, BlocksOf(kind));
    }

    const fs::path igs = Written(project, kind, "igs", dir.path());
    if (occt) {
      const test_support::IgesCheck check = test_support::CheckIges(igs);
      ASSERT_EQ(check.status, 0) << check.output;
      std::map<std::string, int> types;
      int total = 0;
      for (const auto& [name, count] : check.counts)
        if (name.starts_with("type ")) types[name] = count, total += count;
      EXPECT_EQ(types, expected) << check.output;
      EXPECT_EQ(check.counts.at("entities"), total);
      EXPECT_EQ(check.counts.at("fails"), 0) << check.output;
    }
  }
  if (!ezdxf || !occt) GTEST_SKIP() << "ezdxf or the OpenCASCADE reader is missing";
}

INSTANTIATE_TEST_SUITE_P(Examples, EveryDrawing,
                         testing::Values("din5481_17x20.zt6", "getriebe_mit_aenderungen.zt6",
                                         "inch_shaft.zt6", "welle_12x14.zt6"),
                         [](const auto& param) {
                           std::string name = fs::path(param.param).stem().string();
                           std::replace(name.begin(), name.end(), '_', 'x');
                           return name;
                         });

}  // namespace
}  // namespace zt6
