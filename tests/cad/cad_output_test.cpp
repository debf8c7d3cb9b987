// The CAD output layer: layers, dimensions, polylines, the screen's block files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "cad/arc_construction.h"
#include "cad/block_file.h"
#include "cad/cad_output.h"
#include "cad_fixture.h"
#include "base/codepage.h"
#include "support/dxf_audit.h"
#include "support/required_reader.h"

namespace zt6 {
namespace {

using cad_test::CadFixture;
using cad_test::DrawDxf;

// Values of one group code within the entities of a kind, in file order.
std::vector<std::vector<DxfGroup>> Entities(const std::vector<DxfGroup>& groups,
                                            std::string_view kind) {
  std::vector<std::vector<DxfGroup>> found;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code != 0 || groups[i].value != kind) continue;
    std::vector<DxfGroup> fields;
    for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j)
      fields.push_back(groups[j]);
    found.push_back(fields);
  }
  return found;
}

std::vector<double> Values(const std::vector<DxfGroup>& fields, int code) {
  std::vector<double> values;
  for (const DxfGroup& g : fields)
    if (g.code == code) values.push_back(BlockNumber(g.value));
  return values;
}

std::string TextOf(const std::vector<DxfGroup>& fields) {
  for (const DxfGroup& g : fields)
    if (g.code == 1) return g.value;
  return {};
}

std::vector<double> RecordNumbers(const std::string& record) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (start <= record.size()) {
    const std::size_t end = std::min(record.find(';', start), record.size());
    numbers.push_back(ReadStreamReal(std::string_view(record).substr(start, end - start)));
    start = end + 1;
  }
  return numbers;
}

TEST(CadLayers, NumbersAbove31FoldIntoTheDrawingLayers) {
  CadFixture f;
  f.cad.StartOutput(CadOutputType::Dxf);
  for (const auto& [asked, used] : std::vector<std::pair<int, int>>{
           {35, 19}, {32, 16}, {48, 16}, {31, 31}, {16, 16}, {5, 5}, {0, 0}}) {
    f.cad.Layer(asked);
    EXPECT_EQ(f.cad.CurrentLayer(), used) << asked;
  }
  EXPECT_EQ(f.cad.LayerName(0), "0");
  EXPECT_EQ(f.cad.LayerName(3), "3");
  EXPECT_EQ(f.cad.LayerName(19), "19");
}

TEST(CadLayers, ScreenTakesStyleColourAndWidthOfTheLayer) {
  CadFixture f;
  CadSettings settings = f.cad.Settings();
  settings.layerColours[1] = 2;   // yellow -> palette 14
  settings.layerWidths[1] = 4;
  settings.widths16to31[1] = 60;  // layer 17: beyond 50 draws with 1
  settings.colours16to31[1] = 5;  // blue -> palette 9
  f.cad.SetSettings(settings);
  f.cad.StartOutput(CadOutputType::Screen);
  f.screen.SetLineWidth(7);
  const std::size_t before = f.screen.Records().size();
  f.cad.Layer(1);
  std::vector<std::string> added(f.screen.Records().begin() + static_cast<long>(before),
                                 f.screen.Records().end());
  EXPECT_EQ(added, (std::vector<std::string>{"11;2", "8;14", "12;4"}));
  f.cad.Layer(17);
  EXPECT_EQ(f.screen.Records().back(), "12;1");
  EXPECT_NE(std::find(f.screen.Records().begin(), f.screen.Records().end(), "8;9"),
            f.screen.Records().end());
}

// Arrows go outside on a short dimension. A text (12.5 long for "D = 5") that reaches
// the arrowheads inside (with their gaps 8 in all) stands 2 units off the dimension line
// instead of 1, clear of the arrowheads' width.
TEST(CadDimension, ShortDimensionsGetTheirArrowsOutside) {
  struct Case {
    double y2;
    const char* text;
    bool outside;
    double textX;
  };
  for (const Case c : {Case{5, "D = 5", true, 29}, Case{10, "D = 5", true, 29},
                       Case{20, "D = 5", false, 28}, Case{20, "D", false, 29},
                       Case{25, "D = 5", false, 29}, Case{15, "Teff,e", false, 28}}) {
    CadFixture f;
    const auto groups = DrawDxf(f, [&](CadOutput& cad) {
      cad.VerticalDimension(c.text, "", "", 0, 0, 0, c.y2, 30);
    });
    const auto texts = Entities(groups, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(Values(texts[0], 10)[0], c.textX, 1e-9) << c.text << " over " << c.y2;
    const auto solids = Entities(groups, "SOLID");
    ASSERT_EQ(solids.size(), 2u);
    // The first arrow's tip sits on y = 0 when inside, on y2 when outside.
    const std::vector<double> first = Values(solids[0], 20);
    const std::vector<double> second = Values(solids[1], 20);
    const double lowTip = c.outside ? c.y2 : 0;
    EXPECT_NEAR(first[0], lowTip, 1e-9) << c.y2;
    for (const double y : first) EXPECT_GE(y, lowTip - 1e-9) << c.y2;
    for (const double y : second) EXPECT_LE(y, (c.outside ? 0 : c.y2) + 1e-9) << c.y2;
    const auto lines = Entities(groups, "LINE");
    ASSERT_EQ(lines.size(), 5u);  // two extension lines, the dimension line, two arrow bodies
    // Extension lines end one unit beyond the dimension line on its far side.
    EXPECT_NEAR(Values(lines[0], 11)[0], 31, 1e-9);
  }
}

TEST(CadDimension, ToleranceTexts) {
  struct Case {
    const char* upper;
    const char* lower;
    std::vector<std::string> tolerances;
  };
  const std::vector<Case> cases{
      {"0.1", "-0.1", {Oem("±") + "0.1"}},
      {"+0.1", "-0.1", {Oem("±") + "0.1"}},
      {"0.2", "0", {"+0.2"}},
      {"0.2", "0.1", {"+0.1", "+0.2"}},
      {"", "-0.05", {"-0.05"}},
      {"0.05", "", {"0.05"}},
  };
  for (const Case& c : cases) {
    CadFixture f;
    const auto groups = DrawDxf(f, [&](CadOutput& cad) {
      cad.VerticalDimension("Dii = 12", c.upper, c.lower, 0, -15, 0, 15, 20);
    });
    std::vector<std::string> texts;
    for (const auto& text : Entities(groups, "TEXT")) texts.push_back(TextOf(text));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "Dii = 12");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()), c.tolerances)
        << c.upper << " / " << c.lower;
  }
}

TEST(CadText, JustificationShiftsByTheTextSize) {
  CadFixture f;
  const auto groups = DrawDxf(f, [](CadOutput& cad) {
    cad.TextStyle(2, 0, 2, 2);  // width factor 1
    cad.Justification(1, 2);
    cad.Text("abcd", 10, 10);   // 4 characters of 2 x 1
    cad.Justification(2, 1);
    cad.Text("ab", 10, 10);
    cad.Text("", 0, 0);         // nothing
  });
  const auto texts = Entities(groups, "TEXT");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_DOUBLE_EQ(Values(texts[0], 10)[0], 6);
  EXPECT_DOUBLE_EQ(Values(texts[0], 20)[0], 8);
  EXPECT_DOUBLE_EQ(Values(texts[1], 10)[0], 6);
  EXPECT_DOUBLE_EQ(Values(texts[1], 20)[0], 9);
}

TEST(CadPolyline, DxfKeepsBulgesAndOtherOutputsGetArcs) {
  CadFixture dxf;
  const auto groups = DrawDxf(dxf, [](CadOutput& cad) {
    cad.Offsets(100, 0);
    cad.PolylineBegin(0);
    cad.Vertex(1, 0, std::numbers::pi / 2);
    cad.Vertex(0, 1, 0);
    cad.PolylineEnd();
  });
  const auto vertices = Entities(groups, "VERTEX");
  ASSERT_EQ(vertices.size(), 2u);
  EXPECT_NEAR(Values(vertices[0], 42)[0], std::tan(std::numbers::pi / 8), 1e-6);
  EXPECT_DOUBLE_EQ(Values(vertices[0], 10)[0], 101);
  EXPECT_EQ(Entities(groups, "SEQEND").size(), 1u);

  CadFixture screen;
  screen.cad.StartOutput(CadOutputType::Screen);
  screen.cad.StartSheet(0, 0, 10, 10);
  const std::size_t before = screen.screen.Records().size();
  screen.cad.PolylineBegin(0);
  screen.cad.Vertex(1, 0, std::numbers::pi / 2);
  screen.cad.Vertex(0, 1, 0);
  screen.cad.Vertex(0, 2, 0);
  screen.cad.PolylineEnd();
  const std::vector<std::string> added(screen.screen.Records().begin() + static_cast<long>(before),
                                       screen.screen.Records().end());
  ASSERT_EQ(added.size(), 2u);
  // A quarter circle about the origin, then the straight segment.
  const std::vector<double> arc = RecordNumbers(added[0]);
  const std::vector<double> quarter{5, -1, -1, 1, 1, 1, 0, 0, 1};
  ASSERT_EQ(arc.size(), quarter.size());
  for (std::size_t i = 0; i < arc.size(); ++i) EXPECT_NEAR(arc[i], quarter[i], 1e-9) << i;
  EXPECT_EQ(added[1], "4;0;1;0;2");
}

TEST(CadPolyline, OneVertexDrawsNothingOnTheScreen) {
  CadFixture f;
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 10, 10);
  const std::size_t before = f.screen.Records().size();
  f.cad.PolylineBegin(0);
  f.cad.Vertex(3, 3, 1.0);
  f.cad.PolylineEnd();
  EXPECT_EQ(f.screen.Records().size(), before);
}

TEST(ArcConstruction, CentreRadiusAndDirection) {
  const ArcThroughPoints ccw = ArcThrough(1, 0, 0, 1, std::numbers::pi / 2);
  ASSERT_TRUE(ccw.ok);
  EXPECT_NEAR(ccw.cx, 0, 1e-12);
  EXPECT_NEAR(ccw.cy, 0, 1e-12);
  EXPECT_NEAR(ccw.r, 1, 1e-12);
  EXPECT_NEAR(ccw.startAngle, 0, 1e-9);
  EXPECT_NEAR(ccw.endAngle, 90, 1e-9);
  // Clockwise: centre on the other side, start and end exchanged.
  const ArcThroughPoints cw = ArcThrough(1, 0, 0, 1, -std::numbers::pi / 2);
  EXPECT_NEAR(cw.cx, 1, 1e-12);
  EXPECT_NEAR(cw.cy, 1, 1e-12);
  EXPECT_NEAR(cw.startAngle, 180, 1e-9);
  EXPECT_NEAR(cw.endAngle, 270, 1e-9);
  // More than half a turn: the long way round.
  const ArcThroughPoints large = ArcThrough(1, 0, 0, 1, 1.5 * std::numbers::pi);
  EXPECT_NEAR(large.r, 1, 1e-12);
  EXPECT_NEAR(large.cx, 1, 1e-12);
  EXPECT_NEAR(large.cy, 1, 1e-12);

  const ArcThroughPoints none = ArcThrough(0, 0, 1, 1, 0);
  EXPECT_FALSE(none.ok);
  EXPECT_TRUE(none.message.starts_with("Fehler in GetArcCenter (dphi = 0"));
  const ArcThroughPoints same = ArcThrough(2, 2, 2, 2, 1);
  EXPECT_EQ(same.message, "GetArcCenter l12=0");
}

// Screen blocks: written as DXF fragments, read back through the insert transformation.
TEST(CadScreenBlocks, NestedInsertsAreTransformed) {
  CadFixture f;
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 100, 100);
  f.cad.BeginBlocks();
  f.cad.BeginBlock("a");
  f.cad.Layer(3);
  f.cad.Line(0, 0, 1, 0);
  f.cad.EndBlock();
  f.cad.BeginBlock("b");
  f.cad.Insert("a", 10, 0, 90, 1, 1);
  f.cad.EndBlock();
  f.cad.EndSection();
  EXPECT_TRUE(std::filesystem::exists(f.dir.path() / "$a.dx$"));
  f.cad.BeginEntities();
  const std::size_t before = f.screen.Records().size();
  f.cad.Insert("b", 5, 5, 0, 2, 2);
  std::vector<std::string> lines;
  for (std::size_t i = before; i < f.screen.Records().size(); ++i)
    if (f.screen.Records()[i].starts_with("4;")) lines.push_back(f.screen.Records()[i]);
  EXPECT_EQ(lines, (std::vector<std::string>{"4;25;5;25;7"}));
  EXPECT_EQ(f.cad.NestingLevel(), 0);
  f.cad.EndSection();
  f.cad.FinishOutput();
  // The drawing's block files go; nothing else in the folder is touched.
  EXPECT_FALSE(std::filesystem::exists(f.dir.path() / "$a.dx$"));
  EXPECT_FALSE(f.cancel);
}

TEST(CadScreenBlocks, MissingFileAndEndlessNestingAreRefused) {
  CadFixture f;
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 100, 100);
  f.cad.BeginEntities();
  f.cad.Insert("nichtda", 0, 0, 0, 1, 1);
  EXPECT_EQ(f.Messages(), std::vector<std::string>{"Invalid temp directory"});
  EXPECT_TRUE(f.cancel);

  CadFixture g;
  g.cad.StartOutput(CadOutputType::Screen);
  g.cad.StartSheet(0, 0, 100, 100);
  g.cad.BeginBlocks();
  g.cad.BeginBlock("self");
  g.cad.Line(0, 0, 1, 1);
  g.cad.Insert("self", 1, 1, 0, 1, 1);
  g.cad.EndBlock();
  g.cad.EndSection();
  g.cad.BeginEntities();
  g.cad.Insert("self", 0, 0, 0, 1, 1);
  EXPECT_EQ(g.Messages(), std::vector<std::string>{"error blockno.5"});
  EXPECT_EQ(g.cad.NestingLevel(), 0);
  std::size_t lines = 0;
  for (const std::string& r : g.screen.Records()) lines += r.starts_with("4;") ? 1 : 0;
  EXPECT_EQ(lines, 4u);  // one line per level that could be drawn
}

// A drawing reads each block file once, however often it inserts it; a block written
// again within the drawing and the next drawing read it afresh.
TEST(CadScreenBlocks, EachBlockFileIsReadOncePerDrawing) {
  CadFixture f;
  const auto lineOf = [&](std::size_t from) {
    std::vector<std::string> lines;
    for (std::size_t i = from; i < f.screen.Records().size(); ++i)
      if (f.screen.Records()[i].starts_with("4;")) lines.push_back(f.screen.Records()[i]);
    return lines;
  };
  const auto block = [&](double length) {
    f.cad.BeginBlock("a");
    f.cad.Line(0, 0, length, 0);
    f.cad.EndBlock();
  };
  const auto path = f.dir.path() / "$a.dx$";
  const std::string other =
      "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n0\r\n 21\r\n9\r\n"
      "  0\r\nEOF\r\n";
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 100, 100);
  f.cad.BeginBlocks();
  block(1);
  f.cad.EndSection();
  f.cad.BeginEntities();
  std::size_t before = f.screen.Records().size();
  f.cad.Insert("a", 0, 0, 0, 1, 1);
  std::ofstream(path, std::ios::binary) << other;  // not this drawing's any more
  f.cad.Insert("a", 10, 0, 0, 1, 1);
  EXPECT_EQ(lineOf(before), (std::vector<std::string>{"4;0;0;1;0", "4;10;0;11;0"}));
  f.cad.BeginBlocks();
  block(2);
  f.cad.EndSection();
  before = f.screen.Records().size();
  f.cad.Insert("a", 0, 0, 0, 1, 1);
  EXPECT_EQ(lineOf(before), (std::vector<std::string>{"4;0;0;2;0"}));
  f.cad.FinishOutput();

  std::ofstream(path, std::ios::binary) << other;
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 100, 100);
  f.cad.BeginEntities();
  before = f.screen.Records().size();
  f.cad.Insert("a", 0, 0, 0, 1, 1);
  EXPECT_EQ(lineOf(before), (std::vector<std::string>{"4;0;0;0;9"}));
  f.cad.FinishOutput();
  EXPECT_FALSE(f.cancel);
}

TEST(CadScreenBlocks, UserLogoIsInsertedAndKept) {
  CadFixture f;
  const auto logo = f.dir.path() / "$LOGO_2.dx$";
  std::ofstream(logo) << "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0,0\r\n 20\r\n0.0\r\n 11\r\n"
                         "48\r\n 21\r\n0\r\n  0\r\nEOF\r\n";
  f.cad.StartOutput(CadOutputType::Screen);
  f.cad.StartSheet(0, 0, 480, 360);
  f.cad.BeginEntities();
  f.cad.EndSection();
  f.cad.FinishOutput();
  // At (0.91 W, 0.01 H) with scale W/480 = 1.
  EXPECT_NE(std::find(f.screen.Records().begin(), f.screen.Records().end(),
                      "4;436.8;3.6;484.8;3.6"),
            f.screen.Records().end());
  EXPECT_TRUE(std::filesystem::exists(logo));
}

TEST(CadPlot, WritesTheDxfWithLogoBlockAndStartsThePlotProgram) {
  CadFixture f;
  std::ofstream(f.dir.path() / "$LOGO_3.dx$") << "  0\nCIRCLE\n  8\n0\n 10\n1\n 20\n1\n 40\n1\n  0\nEOF\n";
  f.cad.StartOutput(CadOutputType::Plot);
  f.cad.StartSheet(0, 0, 480, 360);
  f.cad.WriteTables(2);
  f.cad.BeginBlocks();
  f.cad.EndSection();
  f.cad.BeginEntities();
  f.cad.Line(0, 0, 1, 1);
  f.cad.EndSection();
  f.cad.FinishOutput();
  const std::string file = (f.dir.path() / "plotrix.dxf").string();
  EXPECT_EQ(f.ports.plotted, std::vector<std::string>{file});
  const auto groups = ReadDxfGroups(ReadWholeFile(file, 1 << 20).bytes);
  const auto blocks = Entities(groups, "BLOCK");
  ASSERT_EQ(blocks.size(), 1u);
  const auto inserts = Entities(groups, "INSERT");
  ASSERT_EQ(inserts.size(), 1u);
  EXPECT_EQ(Entities(groups, "CIRCLE").size(), 1u);
  // The copied logo block makes the insert a sound reference.
  ZT6_REQUIRE_EZDXF();
  const test_support::DxfAudit audit = test_support::AuditDxf(file);
  EXPECT_EQ(audit.status, 0) << audit.output;
  EXPECT_EQ(audit.counts.count("BLOCK LOGO_3 CIRCLE"), 1u) << audit.output;
}

TEST(CadOutputChoice, CancelledChoicesWriteNothing) {
  CadFixture f;
  f.ports.outputType.reset();
  f.cad.StartOutput(CadOutputType::Choose);
  EXPECT_TRUE(f.cancel);

  CadFixture g;
  g.ports.file = "";
  g.cad.StartOutput(CadOutputType::Dxf);
  EXPECT_TRUE(g.cancel);

  CadFixture h;
  h.ports.file = (h.dir.path() / "ohne_punkt").string();
  h.ports.outputType = 1;
  h.cad.StartOutput(CadOutputType::Choose);
  EXPECT_EQ(h.cad.OutputFile(), (h.dir.path() / "ohne_punkt.dxf").string());
}

TEST(CadOutputFile, UnwritableFileIsReportedAndTheOldOneKept) {
  CadFixture f;
  f.ports.file = (f.dir.path() / "fehlt" / "x.dxf").string();
  DrawDxf(f, [](CadOutput& cad) { cad.Line(0, 0, 1, 1); });
  EXPECT_EQ(f.ports.writeErrors, std::vector<std::string>{*f.ports.file});
  EXPECT_TRUE(f.cancel);
}

TEST(BlockFileReader, RefusesWhatIsNoBlock) {
  const BlockFile broken = ParseBlockFile("  0\r\nPOLYLINE\r\n  8\r\n5\r\n  0\r\nLINE\r\n");
  EXPECT_EQ(broken.messages, std::vector<std::string>{"Error in DXF File"});
  EXPECT_EQ(broken.entities.size(), 1u);  // the line after it still counts

  const BlockFile commas = ParseBlockFile(" 0\nCIRCLE\n 10\n1,5\n 40\nkaputt\n 0\nEOF\n 0\nLINE\n");
  ASSERT_EQ(commas.entities.size(), 1u);
  EXPECT_DOUBLE_EQ(commas.entities[0].xy[0], 1.5);
  EXPECT_DOUBLE_EQ(commas.entities[0].radius, 0);

  // A flag word out of any integer's range is no flag word.
  const BlockFile flags = ParseBlockFile("  0\nPOLYLINE\n 70\n-2e11\n  0\nVERTEX\n  0\nVERTEX\n");
  ASSERT_EQ(flags.entities.size(), 1u);
  EXPECT_EQ(flags.entities[0].flags, 0);
  EXPECT_EQ(flags.entities[0].vertices.size(), 2u);

  // Garbage and truncation: no crash, nothing invented.
  EXPECT_TRUE(ParseBlockFile("\x01\x02\n\n\n0").entities.empty());
  EXPECT_EQ(ParseBlockFile("  0\nVERTEX\n 10\n").entities.size(), 0u);
}

}  // namespace
}  // namespace zt6
