// The DXF writer: exact bytes of the groups, the number and text forms, the tables of
// each variant, and a whole file read back by an independent DXF reader (ezdxf).

#include "cad/dxf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/codepage.h"
#include "support/dxf_audit.h"
#include "support/file_bytes.h"
#include "support/required_reader.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using GroupList = std::vector<std::pair<int, std::string>>;

// The groups of DXF bytes; every line must end with CR LF.
GroupList Groups(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF at byte " << start;
      return {};
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(lines.size() % 2, 0u) << "a code line without its value";
  GroupList groups;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    EXPECT_EQ(lines[i].find_first_of("\n\r"), std::string::npos);
    groups.emplace_back(std::stoi(lines[i]), lines[i + 1]);
  }
  return groups;
}

DxfWriter Writer(int decimals = 3, CadTextMode mode = CadTextMode::Oem) {
  return DxfWriter(decimals, mode, FormatSettings{});
}

TEST(DxfNumbers, RealHasExactlyTheDecimalsAndNoNegativeZero) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {12.5, 6, "12.500000"},     {-0.25, 6, "-0.250000"},   {-5, 3, "-5.000"},
      {0, 3, "0.000"},            {-0.0, 3, "0.000"},        {-0.0004, 3, "0.000"},
      {-0.0006, 3, "-0.001"},     {1234.5678, 2, "1234.57"}, {7.25, 0, "7"},
      {-1e-9, 6, "0.000000"},     {123456789.125, 3, "123456789.125"},
      {std::numeric_limits<double>::quiet_NaN(), 3, "0.000"},
      {std::numeric_limits<double>::infinity(), 2, "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DxfReal(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
  }
}

TEST(DxfNumbers, ShortNumberIsTheSignificantFormWithAPoint) {
  FormatSettings comma;
  comma.decimalSeparator = 2;
  FormatSettings fiveDecimals = comma;
  fiveDecimals.decimals = 5;
  FormatSettings noDecimals = comma;
  noDecimals.decimals = 0;
  const struct {
    double value;
    const FormatSettings& format;
    const char* text;
  } cases[] = {
      {0.8, comma, "0.8"},        {90, comma, "90"},          {1.25, comma, "1.25"},
      {0, comma, "0"},            {0.000009, comma, "0"},     {-0.000009, comma, "0"},
      {-90, comma, "-90"},        {1, comma, "1"},            {1000, comma, "1000"},
      {0.123456, comma, "0.123"}, {12.345, comma, "12.35"},   {270, comma, "270"},
      {9.9996, comma, "10"},      {90, fiveDecimals, "90"},   {0.8, fiveDecimals, "0.8"},
      {1.23456, fiveDecimals, "1.23456"}, {0.8, noDecimals, "1"},   {-0.4, noDecimals, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DxfShortNumber(c.value, c.format), c.text)
        << c.value << " with decimals " << c.format.decimals;
  }
}

TEST(DxfText, ModesOfTheTextValue) {
  const std::string text = Oem("Maß ±0,1 °");
  EXPECT_EQ(DxfTextValue(text, CadTextMode::Oem), text);
  EXPECT_EQ(DxfTextValue(text, CadTextMode::Ansi), Utf8ToCp1252("Maß ±0,1 °"));
  EXPECT_EQ(DxfTextValue(text, CadTextMode::Ascii), "Mass +/-0,1 deg");
  // Every character of the transliteration; others (ë, Ø, ASCII) stay as they are.
  EXPECT_EQ(DxfTextValue(Oem("üéäÄöÖÜáúñ─═ßµ±°² ëØ x"), CadTextMode::Ascii),
            "ueeaeAeoeOeUeaun--ssu+/-deg2 " + Oem("ëØ") + " x");
  // Texts longer than the Windows conversion's limit are converted, not lost.
  const std::string longText(300, 'a');
  EXPECT_EQ(DxfTextValue(longText + Oem("°"), CadTextMode::Ansi), longText + Utf8ToCp1252("°"));

  const std::pair<int, CadTextMode> modes[] = {{0, CadTextMode::Oem},  {1, CadTextMode::Oem},
                                               {2, CadTextMode::Ansi}, {3, CadTextMode::Ascii},
                                               {4, CadTextMode::Oem},  {-1, CadTextMode::Oem}};
  for (const auto& [configured, mode] : modes) {
    EXPECT_EQ(CadTextModeOf(configured), mode) << configured;
  }
}

TEST(DxfWriter, LineBytes) {
  DxfWriter w = Writer(3);
  w.Line("KONTUR", -5, 0, 12.5, 100.25);
  EXPECT_EQ(w.Bytes(),
            "  0\r\nLINE\r\n  8\r\nKONTUR\r\n 10\r\n-5.000\r\n 20\r\n0.000\r\n"
            " 11\r\n12.500\r\n 21\r\n100.250\r\n");
  w.Reset();
  w.Group(100, 7);
  EXPECT_EQ(w.Bytes(), "100\r\n7\r\n");
}

TEST(DxfWriter, HeaderBytes) {
  DxfWriter w = Writer(2);
  w.Header(-10, 0, 420, 297.5);
  EXPECT_EQ(w.Bytes(),
            "  0\r\nSECTION\r\n  2\r\nHEADER\r\n"
            "  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"
            "  9\r\n$DWGCODEPAGE\r\n  3\r\nDOS850\r\n"
            "  9\r\n$EXTMIN\r\n 10\r\n-10.00\r\n 20\r\n0.00\r\n"
            "  9\r\n$EXTMAX\r\n 10\r\n420.00\r\n 20\r\n297.50\r\n"
            "  9\r\n$LIMMIN\r\n 10\r\n-10.00\r\n 20\r\n0.00\r\n"
            "  9\r\n$LIMMAX\r\n 10\r\n420.00\r\n 20\r\n297.50\r\n"
            "  9\r\n$LTSCALE\r\n 40\r\n15\r\n  0\r\nENDSEC\r\n");

  // The code page follows the text mode; transliterated texts are ASCII and need none.
  const std::pair<CadTextMode, const char*> codePages[] = {
      {CadTextMode::Oem, "DOS850"}, {CadTextMode::Ansi, "ANSI_1252"}, {CadTextMode::Ascii, ""}};
  for (const auto& [mode, name] : codePages) {
    DxfWriter writer = Writer(2, mode);
    writer.Header(0, 0, 1, 1);
    const GroupList groups = Groups(writer.Bytes());
    const auto at = std::find(groups.begin(), groups.end(),
                              GroupList::value_type{9, "$DWGCODEPAGE"});
    if (*name == '\0') {
      EXPECT_EQ(at, groups.end());
    } else {
      ASSERT_NE(at, groups.end());
      EXPECT_EQ(*(at + 1), (GroupList::value_type{3, name}));
    }
  }
}

DxfLayerTable ConfiguredLayers() {
  DxfLayerTable layers;
  layers.names = {"MITTE", "VERDECKT", "KONTUR", "MASSE", "TEXT"};
  layers.colours = {5, 6, 7, 3, 2};
  for (int i = 0; i < 16; ++i) layers.colours16to31[static_cast<std::size_t>(i)] = 16 - i;
  layers.fontName = "romans";
  return layers;
}

struct LayerEntry {
  std::string name;
  int colour;
  std::string lineType;
  bool operator==(const LayerEntry&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const LayerEntry& e) {
    return out << e.name << "/" << e.colour << "/" << e.lineType;
  }
};

// The LAYER entries of a TABLES section and the count of its LTYPE table.
std::vector<LayerEntry> LayerEntries(const GroupList& groups, std::string* lineTypeCount) {
  std::vector<LayerEntry> layers;
  for (std::size_t i = 0; i + 4 < groups.size(); ++i) {
    if (groups[i] == GroupList::value_type{2, "LTYPE"}) *lineTypeCount = groups[i + 1].second;
    if (groups[i] != GroupList::value_type{0, "LAYER"}) continue;
    EXPECT_EQ(groups[i + 1].first, 2);
    EXPECT_EQ(groups[i + 2], (GroupList::value_type{70, "0"}));
    EXPECT_EQ(groups[i + 3].first, 62);
    EXPECT_EQ(groups[i + 4].first, 6);
    layers.push_back({groups[i + 1].second, std::stoi(groups[i + 3].second), groups[i + 4].second});
  }
  return layers;
}

TEST(DxfWriter, LayerTableOfEachVariant) {
  const std::vector<LayerEntry> configured = {
      {"0", 1, "CONTINUOUS"},     {"MITTE", 5, "DASHDOT"},  {"VERDECKT", 6, "DASHED"},
      {"KONTUR", 7, "CONTINUOUS"}, {"MASSE", 3, "CONTINUOUS"}, {"TEXT", 2, "CONTINUOUS"}};
  std::vector<LayerEntry> numbered;
  for (int n = 0; n <= 15; ++n) numbered.push_back({std::to_string(n), n + 1, "CONTINUOUS"});
  std::vector<LayerEntry> withUpper = configured;
  for (int n = 16; n <= 31; ++n) withUpper.push_back({std::to_string(n), 32 - n, "CONTINUOUS"});

  const struct {
    int variant;
    const char* lineTypeCount;
    const std::vector<LayerEntry>& layers;
  } cases[] = {{0, "6", configured}, {1, "17", numbered}, {2, "23", withUpper},
               {3, "6", configured}};  // an unknown variant is written as variant 0
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variant);
    for (const bool monochrome : {false, true}) {
      DxfLayerTable table = ConfiguredLayers();
      table.monochrome = monochrome;
      DxfWriter w = Writer();
      w.Tables(c.variant, table);
      std::string lineTypeCount;
      const std::vector<LayerEntry> written = LayerEntries(Groups(w.Bytes()), &lineTypeCount);
      std::vector<LayerEntry> expected = c.layers;
      if (monochrome) {
        for (LayerEntry& layer : expected) layer.colour = 1;
      }
      EXPECT_EQ(written, expected) << "monochrome " << monochrome;
      EXPECT_EQ(lineTypeCount, c.lineTypeCount);
    }
  }
}

TEST(DxfWriter, LineTypeAndStyleTables) {
  DxfWriter w = Writer();
  w.Tables(2, ConfiguredLayers());
  const std::string& bytes = w.Bytes();
  EXPECT_EQ(bytes.rfind("  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE\r\n  2\r\nLTYPE\r\n"
                        " 70\r\n23\r\n",
                        0),
            0u);
  EXPECT_NE(bytes.find("  0\r\nLTYPE\r\n  2\r\nDASHDOT\r\n 70\r\n64\r\n  3\r\n--. --. --.-\r\n"
                       " 72\r\n65\r\n 73\r\n4\r\n 40\r\n1.0\r\n 49\r\n0.5\r\n 49\r\n-0.25\r\n"
                       " 49\r\n0.0\r\n 49\r\n-0.25\r\n  0\r\nLTYPE\r\n  2\r\nDASHED\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("  0\r\nENDTAB\r\n  0\r\nTABLE\r\n  2\r\nLAYER\r\n 70\r\n24\r\n"),
            std::string::npos);
  const std::string style =
      "  0\r\nENDTAB\r\n  0\r\nTABLE\r\n  2\r\nSTYLE\r\n 70\r\n1\r\n"
      "  0\r\nSTYLE\r\n  2\r\nSTANDARD\r\n 70\r\n0\r\n 40\r\n0.0\r\n 41\r\n1.0\r\n"
      " 50\r\n0.0\r\n 71\r\n0\r\n 42\r\n3.5\r\n  3\r\nROMANS\r\n  4\r\n\r\n"
      "0\r\nENDTAB\r\n  0\r\nENDSEC\r\n";
  ASSERT_GE(bytes.size(), style.size());
  EXPECT_EQ(bytes.substr(bytes.size() - style.size()), style);
}

TEST(DxfWriter, ArcOrCircle) {
  const struct {
    double a1, a2;
    bool circle;
  } cases[] = {{0, 360, true},           {360, 0, true},           {45, 45, true},
               {0.000005, 359.999995, true}, {0, 359.99, false},     {0.001, 360, false},
               {10, 20, false},          {350, 10, false}};
  for (const auto& c : cases) {
    DxfWriter w = Writer(3);
    w.Arc("1", 1, 2, c.a1, c.a2, 4);
    GroupList expected = {{0, c.circle ? "CIRCLE" : "ARC"}, {8, "1"}, {10, "1.000"}, {20, "2.000"},
                          {40, "4.000"}};
    if (!c.circle) {
      expected.emplace_back(50, DxfReal(c.a1, 3));
      expected.emplace_back(51, DxfReal(c.a2, 3));
    }
    EXPECT_EQ(Groups(w.Bytes()), expected) << c.a1 << " to " << c.a2;
  }
}

TEST(DxfWriter, PolylineWritesFlagsAndBulgesOnlyWhenSet) {
  DxfWriter w = Writer(3);
  w.PolylineBegin("3", 0);
  w.Vertex("3", 1, 2, 0);
  w.Vertex("3", 3, 4, -0.5);
  w.PolylineEnd("3");
  w.PolylineBegin("3", 1);
  const GroupList expected = {
      {0, "POLYLINE"}, {8, "3"},      {66, "1"},  {0, "VERTEX"},   {8, "3"},
      {10, "1.000"},   {20, "2.000"}, {0, "VERTEX"}, {8, "3"},     {10, "3.000"},
      {20, "4.000"},   {42, "-0.500"}, {0, "SEQEND"}, {8, "3"},    {0, "POLYLINE"},
      {8, "3"},        {66, "1"},      {70, "1"}};
  EXPECT_EQ(Groups(w.Bytes()), expected);
}

TEST(DxfWriter, TextSolidInsertAndBlockGroups) {
  DxfWriter w = Writer(3, CadTextMode::Ascii);
  w.Text("TEXT", Oem("Maß"), 10, -2, {3.5, 0.8, 90, 15});
  w.Solid("0", {1, 2, 3, 4, 5, 6, 7, 8});
  w.Insert("0", "ZAHN", 50, 60, 30, 2, 0.5);
  w.BeginBlock("0", "ZAHN");
  w.EndBlock();
  const GroupList expected = {
      {0, "TEXT"},   {8, "TEXT"},    {10, "10.000"}, {20, "-2.000"}, {40, "3.500"},
      {1, "Mass"},   {7, "STANDARD"}, {41, "0.8"},   {50, "90"},     {51, "15"},
      {0, "SOLID"},  {8, "0"},        {10, "1.000"}, {20, "2.000"},  {11, "3.000"},
      {21, "4.000"}, {12, "5.000"},   {22, "6.000"}, {13, "7.000"},  {23, "8.000"},
      {0, "INSERT"}, {8, "0"},        {2, "ZAHN"},   {10, "50.000"}, {20, "60.000"},
      {41, "2.000"}, {42, "0.500"},   {50, "30.000"}, {0, "BLOCK"},  {8, "0"},
      {2, "ZAHN"},   {70, "0"},       {10, "0.0"},   {20, "0.0"},    {0, "ENDBLK"}};
  EXPECT_EQ(Groups(w.Bytes()), expected);
}

// A whole file carries handles as release 12 allows: each table entry, block and entity
// has its own right after its "0" group (FreeCAD's reader skips the two lines there and
// misses the layer name without one), and $HANDSEED lies above every handle. An angle
// of 0 is written "0.0": FreeCAD takes a bare "0" line for the next entity's start.
TEST(DxfWriter, WholeFileCarriesHandlesAndNoBareZeroAngle) {
  DxfWriter w = Writer(3);
  w.WriteHandles();
  w.Header(0, 0, 10, 10);
  w.Tables(2, ConfiguredLayers());
  w.BeginBlocks();
  w.BeginBlock("0", "ZAHN");
  w.Line("0", 0, 0, 1, 1);
  w.EndBlock();
  w.EndSection();
  w.BeginEntities();
  w.Text("TEXT", "Welle", 0, 0, {3.5, 0.75, 0, 0});
  w.Line("KONTUR", 0, 0, 1, 1);
  w.EndSection();
  w.EndOfFile();
  const GroupList groups = Groups(w.Bytes());
  std::vector<unsigned long> handles;
  std::string seed;
  bool handling = false;
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    const auto& [code, value] = groups[i];
    if (code == 9 && value == "$HANDLING") handling = groups[i + 1] == GroupList::value_type{70, "1"};
    if (code == 9 && value == "$HANDSEED") seed = groups[i + 1].second;
    if (code == 5 && groups[i - 1].first != 9) handles.push_back(std::stoul(value, nullptr, 16));
    if (code != 0) continue;
    const bool takesHandle = value != "SECTION" && value != "ENDSEC" && value != "TABLE" &&
                             value != "ENDTAB" && value != "EOF";
    EXPECT_EQ(groups[i + 1].first == 5, takesHandle) << value << " at group " << i;
    if (code == 0 && value == "TEXT") {
      const auto angle = std::find_if(groups.begin() + static_cast<long>(i), groups.end(),
                                      [](const auto& g) { return g.first == 50; });
      ASSERT_NE(angle, groups.end());
      EXPECT_EQ(angle->second, "0.0");
      EXPECT_EQ((angle + 1)->second, "0.0");
    }
  }
  EXPECT_TRUE(handling);
  ASSERT_FALSE(seed.empty());
  ASSERT_FALSE(handles.empty());
  EXPECT_EQ(std::set<unsigned long>(handles.begin(), handles.end()).size(), handles.size());
  EXPECT_GT(std::stoul(seed, nullptr, 16), *std::max_element(handles.begin(), handles.end()));

  // The screen's block fragments carry none.
  DxfWriter fragment = Writer(3);
  fragment.Line("0", 0, 0, 1, 1);
  EXPECT_EQ(Groups(fragment.Bytes()).at(1).first, 8);
}

TEST(DxfWriter, LineEndInAValueCannotSplitTheGroup) {
  DxfWriter w = Writer(3);
  w.Text("0", "Zeile 1\r\nZeile 2\n", 0, 0, {});
  const GroupList groups = Groups(w.Bytes());
  ASSERT_EQ(groups.size(), 10u);
  EXPECT_EQ(groups[5], (GroupList::value_type{1, "Zeile 1  Zeile 2 "}));
  EXPECT_EQ(groups[6], (GroupList::value_type{7, "STANDARD"}));
}

// A small complete drawing read back and audited by ezdxf.
TEST(DxfWriter, WholeFilePassesAnIndependentAudit) {
  ZT6_REQUIRE_EZDXF();
  DxfWriter w = Writer(6, CadTextMode::Ansi);
  w.Header(0, 0, 420, 297);
  w.Tables(2, ConfiguredLayers());
  w.BeginBlocks();
  w.BeginBlock("0", "ZAHN");
  w.PolylineBegin("KONTUR", 1);
  w.Vertex("KONTUR", 0, 0, 0);
  w.Vertex("KONTUR", 10, 0, std::tan(std::numbers::pi / 8));
  w.Vertex("KONTUR", 10, 10, -0.25);
  w.PolylineEnd("KONTUR");
  w.EndBlock();
  w.EndSection();
  w.BeginEntities();
  w.Line("KONTUR", 0, 0, 100, 50);
  w.Circle("MITTE", 50, 50, 20);
  w.Arc("MITTE", 50, 50, 0, 360, 30);
  w.Arc("VERDECKT", 50, 50, 30, 120, 25);
  w.Text("TEXT", Oem("Maß ±0,1 °"), 10, 10, {2.5, 0.8, 90, 0});
  w.Solid("16", {0, 0, 5, 0, 0, 5, 5, 5});
  w.Insert("0", "ZAHN", 200, 100, 45, 1, 1);
  w.EndSection();
  w.EndOfFile();

  const test_support::TempDir dir("dxf_audit");
  const auto file = dir.Write("drawing.dxf", w.Bytes());
  const test_support::DxfAudit audit = test_support::AuditDxf(file);
  ASSERT_EQ(audit.status, 0) << audit.output;
  const std::map<std::string, int> expected = {
      {"layers", 22},           {"blocks", 1},
      {"ENTITIES ARC", 1},      {"ENTITIES CIRCLE", 2},
      {"ENTITIES INSERT", 1},   {"ENTITIES LINE", 1},
      {"ENTITIES SOLID", 1},    {"ENTITIES TEXT", 1},
      {"BLOCK ZAHN POLYLINE", 1}, {"BLOCK ZAHN vertices", 3},
      {"BLOCK ZAHN bulges", 2},   {"exploded edges", 7}};  // with the closed polyline's 3
  EXPECT_EQ(audit.counts, expected) << audit.output;
}

}  // namespace
}  // namespace zt6
