// "zt6 cad" and the batch CAD route on the bundled examples: every profile drawing
// as DXF read back by an independent reader, and the screen drawing as SVG.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "support/designs.h"
#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/flat_json.h"
#include "support/required_reader.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::FileBytes;
using test_support::RunZt6Command;

const fs::path kExamples = fs::path(ZT6_DATA_DIR) / "examples";
std::vector<fs::path> Examples() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kExamples))
    if (entry.path().extension() == ".zt6") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

int TeethOf(const fs::path& project) {
  const auto outcome = RunZt6Command({"calc", project.string(), "--json"});
  const auto json = test_support::FlatJsonReader::Read(outcome.out);
  if (!json || !json->contains("inputs.z")) return -1;
  return static_cast<int>(json->at("inputs.z").number);
}

TEST(Zt6Cad, EveryProfileDrawingOfEveryExampleIsSoundDxf) {
  ZT6_REQUIRE_EZDXF();
  struct Kind {
    int number;
    int insertsPerTooth;
    int texts;    // diameter dimensions
    int circles;  // reference circle and the parts' circles
  };
  const std::vector<Kind> kinds{{1, 1, 3, 4},  {2, 1, 3, 4},  {9, 2, 6, 7},
                                {15, 1, 0, 0}, {16, 1, 0, 0}, {17, 2, 0, 0}};
  test_support::TempDir dir("zt6_cad_dxf");
  for (const fs::path& project : Examples()) {
    const int z = TeethOf(project);
    ASSERT_GT(z, 0) << project;
    for (const Kind& kind : kinds) {
      const std::string name = project.stem().string() + "_" + std::to_string(kind.number);
      SCOPED_TRACE(name);
      const fs::path dxf = dir.path() / (name + ".dxf");
      const auto outcome = RunZt6Command({"cad", project.string(), "--drawing",
                                          std::to_string(kind.number), "-o", dxf.string()});
      ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
      const test_support::DxfAudit audit = test_support::AuditDxf(dxf);
      EXPECT_EQ(audit.status, 0) << audit.output;
      std::map<std::string, int> counts = audit.counts;
      EXPECT_EQ(counts["layers"], 22);
      EXPECT_EQ(counts["blocks"], 2);
      EXPECT_EQ(counts["BLOCK zahn1 vertices"], 8);
      EXPECT_EQ(counts["BLOCK zahn1 bulges"], 3);
      EXPECT_EQ(counts["BLOCK zahn2 vertices"], 8);
      EXPECT_EQ(counts["BLOCK zahn2 bulges"], 2);
      EXPECT_EQ(counts["ENTITIES INSERT"], kind.insertsPerTooth * z);
      EXPECT_EQ(counts["ENTITIES TEXT"], kind.texts);
      EXPECT_EQ(counts["ENTITIES CIRCLE"], kind.circles);
      EXPECT_EQ(counts["ENTITIES SOLID"], 2 * kind.texts);  // two arrows per dimension
    }
  }
}

TEST(Zt6Cad, SvgShowsTheScreenDrawing) {
  const fs::path project = kExamples / "welle_12x14.zt6";
  const auto outcome = RunZt6Command({"cad", project.string(), "--drawing", "9", "--format", "svg"});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  const std::string& svg = outcome.out;
  EXPECT_TRUE(svg.starts_with("<?xml"));
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_NE(svg.find(">Dee = "), std::string::npos);
  EXPECT_NE(svg.find("welle_12x14.zt6</text>"), std::string::npos);  // the footer
  // Root arcs are paths: one per shaft space, two per hub space; the shaft's tip arcs
  // sweep less than 4 degrees and become chords.
  std::size_t paths = 0;
  for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1))
    ++paths;
  EXPECT_EQ(paths, 31u * 3);
  // Parsed by an independent XML reader.
  test_support::TempDir dir("zt6_cad_svg");
  const fs::path file = dir.path() / "p.svg";
  std::ofstream(file) << svg;
  const std::string check = "/usr/bin/python3 -c 'import sys, xml.dom.minidom; "
                            "xml.dom.minidom.parse(sys.argv[1])' '" + file.string() + "'";
  EXPECT_EQ(std::system(check.c_str()), 0);
}

// The IGES global section names the file the drawing goes to: the -o file, else (on
// standard output) the project.
TEST(Zt6Cad, IgesGlobalSectionNamesTheOutputFile) {
  test_support::TempDir dir("zt6_cad_igs_name");
  const std::string project = (kExamples / "welle_12x14.zt6").string();
  const std::string named = (dir.path() / "mein_blatt.igs").string();
  const auto toFile = RunZt6Command({"cad", project, "--drawing", "3", "--format", "igs", "-o", named});
  ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
  EXPECT_NE(FileBytes(named).find(",,4HFILE,10Hmein_blatt,"), std::string::npos);
  const auto toOut = RunZt6Command({"cad", project, "--drawing", "3", "--format", "igs"});
  ASSERT_EQ(toOut.exitCode, 0) << toOut.err;
  EXPECT_NE(toOut.out.find(",,4HFILE,11Hwelle_12x14,"), std::string::npos);
}

TEST(Zt6Cad, EnglishWordsOnRequest) {
  const std::string project = (kExamples / "din5481_17x20.zt6").string();
  const auto english =
      RunZt6Command({"cad", project, "--drawing", "14", "--format", "txt", "--language", "2"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_NE(english.out.find("\tZT6    17x20    Tolerance tooth thickness + space width\r\n"),
            std::string::npos);
  const auto german = RunZt6Command({"cad", project, "--drawing", "14", "--format", "txt"});
  EXPECT_NE(german.out.find("\tZT6    17x20    Toleranz Zahndicke + Zahnl"), std::string::npos);
  EXPECT_EQ(RunZt6Command({"cad", project, "--drawing", "14", "--language", "3"}).exitCode, 2);
}

TEST(Zt6Cad, RefusalsAndExitCodes) {
  const std::string project = (kExamples / "welle_12x14.zt6").string();
  EXPECT_EQ(RunZt6Command({"cad", project}).exitCode, 2);
  EXPECT_EQ(RunZt6Command({"cad", project, "--drawing", "0"}).exitCode, 2);
  EXPECT_EQ(RunZt6Command({"cad", project, "--drawing", "18"}).exitCode, 2);
  EXPECT_EQ(RunZt6Command({"cad", project, "--drawing", "1", "--format", "png"}).exitCode, 2);
  EXPECT_EQ(RunZt6Command({"cad", "fehlt.zt6", "--drawing", "1"}).exitCode, 1);
  const auto unknown = RunZt6Command({"cad", project, "--drawing", "19"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("--drawing takes a drawing number 1..17"), std::string::npos);

  test_support::TempDir dir("zt6_cad_refusals");
  const std::string bytes = test_support::ProjectWithFatalRun();
  ASSERT_FALSE(bytes.empty());
  dir.Write("fatal.zt6", bytes);
  const fs::path out = dir.path() / "fatal.dxf";
  const auto fatal = RunZt6Command(
      {"cad", (dir.path() / "fatal.zt6").string(), "--drawing", "1", "-o", out.string()});
  EXPECT_EQ(fatal.exitCode, 3);
  EXPECT_FALSE(fs::exists(out));
  const auto unwritable = RunZt6Command(
      {"cad", project, "--drawing", "1", "-o", (dir.path() / "fehlt" / "x.dxf").string()});
  EXPECT_EQ(unwritable.exitCode, 1);
}

}  // namespace
}  // namespace zt6
