// Every drawing of every bundled example in every CAD file format, each read back by
// an independent reader: DXF by ezdxf, which must decode the German words as written,
// IGES by OpenCASCADE's reader, whose entity counts must match the primitives of the
// text CAD file of the same drawing and whose edges must be at least the lines, arcs
// and circles of the DXF; FreeCAD's DXF reader reads every DXF without a fault and
// with every one of those edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "report/vocabulary.h"
#include "support/bundled_examples.h"
#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/freecad_import.h"
#include "support/iges_check.h"
#include "support/required_reader.h"
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
// writers, and every insert is written as its block's entities, nested blocks too.
std::map<std::string, int> ExpectedIgesTypes(const std::string& text) {
  std::map<std::string, std::map<std::string, int>> blocks;  // per block, with inserts
  std::map<std::string, int>* counts = nullptr;
  std::map<std::string, int> entities;
  std::istringstream lines(text);
  std::string line;
  const std::map<std::string, std::string> types = {
      {"LINE", "type 110"}, {"CIRCLE", "type 100"}, {"ARC", "type 100"},
      {"SOLID", "type 106"}, {"TEXT", "type 212"}};
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string f; std::getline(parts, f, '\t');) fields.push_back(f);
    if (fields.empty()) continue;
    if (fields[0] == "BLOCK") counts = &blocks[fields.at(1)];
    if (fields[0] == "END OF BLOCK") counts = nullptr;
    if (fields[0] == "SECTION ENTITIES") counts = &entities;
    if (!counts) continue;
    if (types.count(fields[0])) ++(*counts)[types.at(fields[0])];
    if (fields[0] == "INSERT")  // blocks come before their inserts
      for (const auto& [type, n] : blocks.at(fields.at(1))) (*counts)[type] += n;
  }
  return entities;
}

// The German words of the tables, as the drawing code passes them in (UTF-8).
std::vector<std::string> GermanWords(int kind) {
  const Vocabulary words;
  std::vector<std::string> found;
  const bool shaftTable = kind == 3 || kind == 5 || kind == 6 || kind == 8 || kind == 10 ||
                          kind == 11 || kind == 13;
  const bool shaftTolerances = kind == 6 || kind == 8 || kind == 11 || kind == 13;
  if (shaftTable) {
    found.push_back(Cp850ToUtf8(words["Zähnezahl"]));
    found.push_back(Cp850ToUtf8(words["Lückenwinkel"] + " " + words["außen"]));
  }
  if (shaftTolerances) found.push_back(Cp850ToUtf8(words["Maß über Meßkreise"] + " max.Ref."));
  return found;
}

// The four numbers of the "name: x1 y1 x2 y2" line the reader printed.
std::array<double, 4> Box(const std::string& output, const std::string& name) {
  std::array<double, 4> box{};
  const std::size_t at = output.find(name + ": ");
  EXPECT_NE(at, std::string::npos) << name << "\n" << output;
  if (at == std::string::npos) return box;
  std::istringstream numbers(output.substr(at + name.size() + 2));
  for (double& v : box) numbers >> v;
  return box;
}

bool Holds(const std::array<double, 4>& outer, const std::array<double, 4>& inner) {
  constexpr double kTolerance = 1e-6;
  return inner[0] >= outer[0] - kTolerance && inner[1] >= outer[1] - kTolerance &&
         inner[2] <= outer[2] + kTolerance && inner[3] <= outer[3] + kTolerance;
}

std::string Text(const std::array<double, 4>& box) {
  std::ostringstream text;
  text << box[0] << " " << box[1] << " " << box[2] << " " << box[3];
  return text.str();
}

// The TEXT values the DXF reader decoded.
std::vector<std::string> DecodedTexts(const std::string& auditOutput) {
  std::vector<std::string> texts;
  std::istringstream lines(auditOutput);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("text: ")) texts.push_back(line.substr(6));
  return texts;
}

class EveryDrawing : public testing::TestWithParam<std::string> {};

TEST_P(EveryDrawing, ReadsBackInEveryFormat) {
  const fs::path project = fs::path(ZT6_DATA_DIR) / "examples" / GetParam();
  test_support::TempDir dir("zt6_every_drawing");
  const bool ezdxf = test_support::HaveEzdxf();
  const bool occt = test_support::HaveIgesChecker();
  std::vector<fs::path> dxfs;
  std::map<std::string, int> edgesOf;  // the ezdxf's exploded edges per DXF file
  for (int kind = 1; kind <= kDrawings; ++kind) {
    SCOPED_TRACE("drawing " + std::to_string(kind));

    const std::string text = test_support::FileBytes(Written(project, kind, "txt", dir.path()));
    EXPECT_TRUE(text.starts_with("MINMAX\t"));
    EXPECT_TRUE(text.ends_with("EOF\r\n"));
    const auto expected = ExpectedIgesTypes(text);

    const fs::path dxf = Written(project, kind, "dxf", dir.path());
    int dxfEdges = 0;
    if (ezdxf) {
      const test_support::DxfAudit audit = test_support::AuditDxf(dxf);
      EXPECT_EQ(audit.status, 0) << audit.output;
      EXPECT_EQ(audit.counts.count("blocks") ? audit.counts.at("blocks") : -1, BlocksOf(kind));
      dxfEdges = audit.counts.count("exploded edges") ? audit.counts.at("exploded edges") : 0;
      EXPECT_GT(dxfEdges, 0) << audit.output;
      dxfs.push_back(dxf);
      edgesOf[dxf.string()] = dxfEdges;
      // Everything drawn lies within the sheet limits; the manufacturing drawings on A4.
      const std::array<double, 4> extents = Box(audit.output, "extents");
      EXPECT_TRUE(Holds(Box(audit.output, "limits"), extents)) << Text(extents);
      if (kind >= 6 && kind <= 8) {
        EXPECT_TRUE(Holds({0, 0, 210, 297}, extents)) << Text(extents);
      }
      // The HEADER's code page lets the reader decode the words as the drawing wrote them.
      const std::vector<std::string> texts = DecodedTexts(audit.output);
      for (const std::string& word : GermanWords(kind))
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [&](const std::string& t) { return t.find(word) != t.npos; }))
            << word << " not among the decoded texts\n" << audit.output;
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
      // Every line, arc and circle of the drawing, inserts exploded, becomes an edge.
      EXPECT_GE(check.counts.at("edges"), dxfEdges) << check.output;
    }
  }
  if (test_support::HaveFreecad() && !dxfs.empty()) {
    const test_support::FreecadImport imported =
        test_support::ImportIntoFreecad(dxfs, dir.path());
    EXPECT_EQ(imported.status, 0) << imported.output;
    // The reader's complaints ("CDxfRead::ReadLayer() - no layer name", ...).
    EXPECT_EQ(imported.output.find("CDxfRead"), std::string::npos) << imported.output;
    EXPECT_EQ(imported.edges, edgesOf) << imported.output;
  }
  ZT6_REQUIRE_READER(test_support::HaveFreecad(), "freecad (freecadcmd)");
  ZT6_REQUIRE_READER(ezdxf, "python3-ezdxf");
  ZT6_REQUIRE_READER(occt, "OpenCASCADE's IGES reader (libocct-data-exchange-dev)");
}

INSTANTIATE_TEST_SUITE_P(Examples, EveryDrawing, test_support::BundledExamples(),
                         test_support::ExampleTestName);

}  // namespace
}  // namespace zt6
