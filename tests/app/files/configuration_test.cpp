#include "app/files/configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/files/configuration_file.h"
#include "app/ports/prompts.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "base/text_lines.h"
#include "support/file_bytes.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

constexpr ScreenSize kScreen{1280, 1024};
constexpr const char* kStart = "/home/user/work";

// Every entry away from its default, each value distinct from its neighbours.
Configuration NonDefault() {
  Configuration c;
  c.cadLayerNames = {"Kontur", Oem("Maße"), "Mitte", "Text", "Rahmen"};
  c.cadLayerColours = {5, 6, 7, 8, 9};
  c.cadTextStyle = "ROMANS";
  c.cadTextWidthFactor = 0.75;
  c.cadTextAngle = 15.5;
  c.cadFolder = "/srv/cad";
  c.dbfFolder = "/srv/dbf";
  c.helpLevel = 2;
  c.printerPort = 3;
  c.printerType = 4;
  c.printDensity = 2;
  c.hardcopyRotated = 'N';
  c.format.decimals = 5;
  c.printThicknessVertical = 3;
  c.colourGraphics = false;
  c.graphicsCorrectionHorizontal = 1.25;
  c.graphicsMode = 7;
  c.graphicsDriver = 8;
  c.drawingAreaX = 799;
  c.drawingAreaY = 599;
  c.temporaryFolder = "/var/tmp";
  c.hardcopyPrinterPort = 2;
  c.ediFolder = "/srv/edi";
  c.pltFolder = "/srv/plt";
  c.separatorStyle = 4;
  c.linesPerPage = 72;
  c.zoomFactor = 1.5;
  c.panFactor = 0.1;
  c.programFolder = "/opt/zt6";
  c.plotCommandLines = {"PLOT ONE", "PLOT TWO", "PLOT THREE"};
  c.backgroundColour = 16777215;
  c.printMode = 2;
  c.layerMonochrome = true;
  c.graphicsTextWidthFactor = 0.9;
  c.graphicsFont = "DejaVu Sans";
  for (std::size_t i = 0; i < c.layerColours.size(); ++i)
    c.layerColours[i] = 16 - static_cast<int>(i);
  c.textProgram = "/usr/bin/gedit";
  c.databaseMode = 2;
  c.externalTableEditor = "/usr/bin/dbfedit";
  c.printOriginX = 11;
  c.printOriginY = 12;
  c.printScaleX = 0.5;
  c.printBorder = true;
  c.askUserDirectory = true;
  c.archiveMode = true;
  c.format.dateCode = 4;
  c.headerSpaceLines = 3;
  c.textDevice = 7;
  c.askTextDevice = true;
  c.smallOnlineWindow = true;
  c.askDiagramLimits = true;
  c.format.decimalSeparator = 2;
  c.defaultDataFolder = "/home/user/projekte/";
  c.textHeightFactor = 1.1;
  c.dialogScale = 120;
  c.htmlBrowser = "/usr/bin/firefox";
  c.printScaleY = 0.25;
  c.cadLineWidths = {4, 5, 6, 7, 8, 9};
  c.askGraphicPrintFormat = true;
  c.textWindow = {10, 40, 700, 500};
  c.format.units = UnitSystem::English;
  c.headerMode = 2;
  c.printoutFont = "Liberation Mono";
  c.printoutFontSize = 9;
  c.printoutFontStyle = 3;
  c.graphicsFontStyle = 5;
  c.printOrientation = 1;
  c.editAngles3d = false;
  c.defaultAngles3d = {0.125, 0.25, 0.5};
  c.changeIndexStyle = 3;
  c.spreadsheetSeparator = 1;
  c.releaseFieldText = Oem("Geprüft");
  c.cadDecimals = 8;
  c.cadTextMode = 3;
  for (std::size_t i = 0; i < c.layerLineWidths.size(); ++i)
    c.layerLineWidths[i] = 2 + static_cast<int>(i % 3);
  c.format.asciiSpecial = true;
  c.dialogElementScale = 90;
  c.angleFormat = 1;
  c.dimensionSizeFactor = 1.75;
  c.reserved101 = 42;
  c.menuLanguage = 2;
  c.resultGraphic = 4;
  c.omitTitleLine = true;
  c.omitFileName = true;
  c.omitDate = true;
  c.omitLogo = true;
  return c;
}

std::vector<std::string> Lines(const std::string& text) { return SplitLines(text); }

std::string Join(const std::vector<std::string>& lines) {
  LineWriter w;
  for (const std::string& line : lines) w.Line(line);
  return w.Text();
}

std::size_t LabelIndex(const std::vector<std::string>& lines, const std::string& utf8Label) {
  const auto it = std::find(lines.begin(), lines.end(), Oem(utf8Label));
  EXPECT_NE(it, lines.end()) << utf8Label;
  return static_cast<std::size_t>(it - lines.begin());
}

// The text with the value line after a label (or, for an empty label, the line
// fromEnd lines before the end) replaced.
std::string WithValue(const std::string& text, const std::string& label, std::size_t fromEnd,
                      const std::string& value) {
  std::vector<std::string> lines = Lines(text);
  const std::size_t at = label.empty() ? lines.size() - fromEnd : LabelIndex(lines, label) + 1;
  lines.at(at) = value;
  return Join(lines);
}

// The text cut after the value line of the entry with this label.
std::string EndingAfter(const std::string& text, const std::string& label) {
  std::vector<std::string> lines = Lines(text);
  lines.resize(LabelIndex(lines, label) + 2);
  return Join(lines);
}

Configuration Read(const std::string& text, Configuration c = {}) {
  ReadConfigurationText(text, c, kScreen, kStart);
  return c;
}

// --- text form ------------------------------------------------------------

TEST(ConfigurationText, EveryEntrySurvivesTheRoundTrip) {
  const Configuration original = NonDefault();
  const std::string text = ConfigurationText(original);
  const Configuration back = Read(text);
  EXPECT_EQ(ConfigurationText(back), text);
  EXPECT_EQ(back.plotCommandLines, original.plotCommandLines);
  EXPECT_EQ(back.format.dateCode, 4);
  EXPECT_EQ(back.format.units, UnitSystem::English);
  EXPECT_TRUE(back.format.asciiSpecial);
  EXPECT_EQ(back.reserved101, 42);
  EXPECT_TRUE(back.omitLogo);
  EXPECT_DOUBLE_EQ(back.defaultAngles3d[2], 0.5);

  // The fixture really moves every entry: against a default file with as many plot
  // lines, only the heading, the 98 label lines, the plot-line count and the two
  // reserved values stay the same.
  Configuration defaults;
  defaults.plotCommandLines.resize(original.plotCommandLines.size());
  const std::vector<std::string> a = Lines(text);
  const std::vector<std::string> b = Lines(ConfigurationText(defaults));
  ASSERT_EQ(a.size(), b.size());
  std::size_t same = 0;
  for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i] ? 1 : 0;
  EXPECT_EQ(same, 2u + 98u + 1u + 2u);
}

// --- the files written, held fixed ------------------------------------------

const fs::path kGoldenFolder = fs::path(ZT6_DATA_DIR) / ".." / "tests" / "app" / "golden";
const fs::path kExample = fs::path(ZT6_DATA_DIR) / "examples" / "english" / "zt6.cfg";

// Compares with a checked file; ZT6_WRITE_GOLDEN=1 writes it instead.
void ExpectGolden(const std::string& bytes, const std::string& name) {
  const fs::path file = kGoldenFolder / name;
  if (std::getenv("ZT6_WRITE_GOLDEN") != nullptr) {
    std::ofstream(file, std::ios::binary) << bytes;
    ADD_FAILURE() << file << " written: check it by hand before committing";
    return;
  }
  EXPECT_EQ(bytes, test_support::FileBytes(file)) << name;
}

// Files written by earlier versions of the program must come out byte for byte the
// same: the defaults, a configuration with every entry moved, and the example.
TEST(ConfigurationGolden, WritesTheCheckedFilesByteForByte) {
  ExpectGolden(ConfigurationText(Configuration{}), "configuration_defaults.cfg");
  ExpectGolden(ConfigurationText(NonDefault()), "configuration_every_entry.cfg");

  // The example reads back into itself, once the two values that reading fills in
  // for an unset entry (data folder, drawing area) are unset again.
  const std::string example = test_support::FileBytes(kExample);
  Configuration read = Read(example);
  EXPECT_EQ(read.defaultDataFolder, "/home/user/work/");
  EXPECT_EQ(read.drawingAreaX, 1280 - 9);
  read.defaultDataFolder.clear();
  read.drawingAreaX = read.drawingAreaY = 0;
  EXPECT_EQ(ConfigurationText(read), example);
}

// --- shorter files and odd values, field by field ---------------------------------

std::string Shown(int v) { return std::to_string(v); }
std::string Shown(double v) { return std::to_string(v); }
std::string Shown(bool v) { return v ? "TRUE" : "FALSE"; }
std::string Shown(char v) { return std::string(1, v); }
std::string Shown(const std::string& v) { return '"' + v + '"'; }
std::string Shown(const std::vector<std::string>& v) {
  std::string all;
  for (const std::string& line : v) all += Shown(line) + ";";
  return all;
}
std::string Shown(const TextWindowPlace& t) {
  return Shown(t.left) + "|" + Shown(t.top) + "|" + Shown(t.width) + "|" + Shown(t.height);
}
std::string Shown(UnitSystem u) { return u == UnitSystem::English ? "English" : "Metric"; }

// One setting and the value it must hold after reading.
struct Expected {
  const char* field;
  std::function<std::string(const Configuration&)> get;
  std::string value;
};
#define FIELD(member, expected) \
  Expected { #member, [](const Configuration& c) { return Shown(c.member); }, Shown(expected) }

void ExpectFields(const Configuration& read, const std::vector<Expected>& fields,
                  const std::string& context) {
  for (const Expected& f : fields) EXPECT_EQ(f.get(read), f.value) << context << ": " << f.field;
}

// What the program holds before reading: unlike both the file (NonDefault) and what an
// empty line past the end reads as, so each check tells "stopped" from "read on".
Configuration Held() {
  Configuration c;
  c.ediFolder = "/held/edi";
  c.printMode = 3;
  c.layerMonochrome = true;
  c.graphicsTextWidthFactor = 0.6;
  c.graphicsFont = "Verdana";
  c.layerColours[0] = 9;
  c.textProgram = "/held/editor";
  c.printOriginX = 5;
  c.askUserDirectory = true;
  c.plotCommandLines = {"HELD ONE", "HELD TWO"};
  c.format.decimals = 7;
  c.printThicknessVertical = 2;
  c.format.dateCode = 3;
  c.dialogScale = 150;
  c.textHeightFactor = 2.5;
  c.textWindow = {1, 2, 3, 4};
  return c;
}

// Older files end right after entries 12, 13, 17, 25, 32..36, 38, 54, 57, 61, 63 and 77:
// the entry before the end is read from the file, the one after keeps what was held
// (the next-entry values below are Held()'s or the defaults, never an empty line's).
// Cut inside a generation, the rest of it reads empty lines past the end: text "",
// integers and reals 0 and booleans FALSE, then each entry's correction.
TEST(ConfigurationText, ShorterFilesReadEachFieldAsDocumented) {
  const std::string full = ConfigurationText(NonDefault());
  struct Cut {
    const char* endsAfter;  // label of the last entry in the file
    bool withValue;         // false: the file ends after the label line
    std::vector<Expected> fields;
  };
  const std::vector<Cut> cuts = {
      // generation ends: the last entry read, the next held
      {"Druckerschnittstelle", true, {FIELD(printerPort, 3), FIELD(printerType, 3)}},
      {"Druckertyp", true, {FIELD(printerType, 4), FIELD(printDensity, 1)}},
      {"Druckdicke vertikal", true, {FIELD(printThicknessVertical, 3), FIELD(colourGraphics, true)}},
      {"Druckerschnittstelle Hardcopy", true,
       {FIELD(hardcopyPrinterPort, 2), FIELD(ediFolder, std::string("/held/edi"))}},
      {"MORVANE-Programmverzeichnis", true,
       {FIELD(programFolder, std::string("/opt/zt6")),
        FIELD(plotCommandLines, (std::vector<std::string>{"HELD ONE", "HELD TWO"}))}},
      {"PLOTRIX-Kommandozeile", true,
       {FIELD(plotCommandLines, (std::vector<std::string>{"PLOT ONE", "HELD TWO"})),
        FIELD(backgroundColour, 1)}},
      {"Hintergrundfarbe", true, {FIELD(backgroundColour, 16777215), FIELD(printMode, 3)}},
      {"Windows-Druckmodus (1=mono 2=color)", true,
       {FIELD(printMode, 2), FIELD(layerMonochrome, true)}},
      // the oldest files: one width factor (the CAD one, 0.75) and the font Arial
      {"Layer Monochrom", true,
       {FIELD(layerMonochrome, true), FIELD(graphicsTextWidthFactor, 0.75),
        FIELD(graphicsFont, std::string("Arial")), FIELD(layerColours[0], 9)}},
      {"Textstil Grafik", true,
       {FIELD(graphicsFont, std::string("DejaVu Sans")), FIELD(layerColours[0], 9)}},
      {"Color Layer 31", true,
       {FIELD(layerColours[15], 1), FIELD(textProgram, std::string("/held/editor"))}},
      {"externe Datenbank", true,
       {FIELD(externalTableEditor, std::string("/usr/bin/dbfedit")), FIELD(printOriginX, 5)}},
      {"Windows Screendump Border ?", true,
       {FIELD(printBorder, true), FIELD(askUserDirectory, true)}},
      {"Enter Password ?", true,
       {FIELD(askUserDirectory, true),
        FIELD(plotCommandLines, (std::vector<std::string>{"PLOT ONE", "HELD TWO"}))}},
      {"HTML Browser", true,
       {FIELD(htmlBrowser, std::string("/usr/bin/firefox")), FIELD(printScaleX, 0.5),
        FIELD(printScaleY, 1.0)}},
      // inside generation 1, after the first label: everything up to entry 12 empty
      {"Layer", false,
       {FIELD(cadLayerNames[0], std::string()), FIELD(cadLayerColours[4], 0),
        FIELD(cadTextStyle, std::string()), FIELD(cadTextWidthFactor, 1.0),
        FIELD(helpLevel, 0), FIELD(printerPort, 1), FIELD(printerType, 3)}},
      // inside generation 3: character "N", decimals 0 -> 3, thickness 0 -> 1
      {"Druckdichte", true,
       {FIELD(printDensity, 2), FIELD(hardcopyRotated, 'N'), FIELD(format.decimals, 3),
        FIELD(printThicknessVertical, 1), FIELD(colourGraphics, true)}},
      // generation 15 without its plot lines: entries 66-72, 75, 76 skipped (held),
      // the others empty; generation 16 then held
      {"PLOTRIX Command lines (n, line 2 .. line n)", true,
       {FIELD(plotCommandLines, (std::vector<std::string>{"PLOT ONE"})),
        FIELD(archiveMode, false), FIELD(format.dateCode, 3),
        FIELD(format.decimalSeparator, 1),
        FIELD(defaultDataFolder, std::string("/home/user/work/")),
        FIELD(textHeightFactor, 2.5), FIELD(dialogScale, 150),
        FIELD(htmlBrowser, std::string()), FIELD(printScaleY, 1.0)}},
      // inside generation 16: the corrections of entries 81-107 on empty lines
      {"Graphic Printout Dialog Box ?", true,
       {FIELD(askGraphicPrintFormat, true), FIELD(textWindow, (TextWindowPlace{1, 2, 3, 4})),
        FIELD(format.units, UnitSystem::Metric), FIELD(headerMode, 1),
        FIELD(printoutFont, std::string("Courier New")), FIELD(printoutFontSize, 10),
        FIELD(printOrientation, 0), FIELD(editAngles3d, true), FIELD(defaultAngles3d[2], 0.0),
        FIELD(spreadsheetSeparator, 2), FIELD(releaseFieldText, std::string()),
        FIELD(cadDecimals, 6), FIELD(cadTextMode, 2), FIELD(layerLineWidths[15], 0),
        FIELD(format.asciiSpecial, false), FIELD(dialogElementScale, 100),
        FIELD(angleFormat, 2), FIELD(dimensionSizeFactor, 1.0), FIELD(reserved101, 0),
        FIELD(omitLogo, false)}},
  };
  for (const Cut& cut : cuts) {
    std::vector<std::string> lines = Lines(full);
    lines.resize(LabelIndex(lines, cut.endsAfter) + (cut.withValue ? 2 : 1));
    ExpectFields(Read(Join(lines), Held()), cut.fields, cut.endsAfter);
  }
}

// An odd value on one line is read by that entry's own rules and reaches no other
// entry: written back, every other line is the file's (the plot-line count, which
// says how many lines follow, aside).
TEST(ConfigurationText, OddValueOnAnyLineStaysInItsEntry) {
  const std::string text = ConfigurationText(NonDefault());
  const std::vector<std::string> lines = Lines(text);
  const std::size_t count = LabelIndex(lines, "PLOTRIX Command lines (n, line 2 .. line n)") + 1;
  const std::vector<std::string> odd = {"",     "0",     "-1",          "1",     "3",
                                        "5",    "abc",   "99999999999", "1e300", "0,05",
                                        "true", "FALSE", "7|8|0|9|",    Oem("Ä")};
  for (std::size_t at = 0; at < lines.size(); ++at) {
    if (at == count) continue;
    for (const std::string& value : odd) {
      std::vector<std::string> changed = lines;
      changed[at] = value;
      Configuration read = Read(Join(changed));
      read.format.decimals = NonDefault().format.decimals;  // shapes how reals are written
      const std::vector<std::string> back = Lines(ConfigurationText(read));
      ASSERT_EQ(back.size(), lines.size()) << "line " << at << " = \"" << value << '"';
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == at) continue;
        EXPECT_EQ(back[i], lines[i]) << "line " << at << " = \"" << value << '"';
      }
    }
  }
}

// Each kind of entry under the odd values. Integers take only whole decimal numbers
// within 32 bits (anything else reads 0), reals take "," as the point and exponents,
// booleans are TRUE only for "TRUE" in any case; then each entry's correction.
TEST(ConfigurationText, OddValuesReadByTheirEntrysRules) {
  const std::string text = ConfigurationText(NonDefault());
  struct Case {
    const char* label;
    std::string value;
    Expected field;
  };
  const std::string ae = Oem("Ä");
  const std::vector<Case> cases = {
      // text (at most 32): the line as it is
      {"Textstil CAD", "7|8|0|9|", FIELD(cadTextStyle, std::string("7|8|0|9|"))},
      {"Textstil CAD", ae, FIELD(cadTextStyle, ae)},
      {"Textstil CAD", "", FIELD(cadTextStyle, std::string())},
      // integer without correction
      {"Hilfegrad", "-1", FIELD(helpLevel, -1)},
      {"Hilfegrad", "5", FIELD(helpLevel, 5)},
      {"Hilfegrad", "abc", FIELD(helpLevel, 0)},
      {"Hilfegrad", "99999999999", FIELD(helpLevel, 0)},
      {"Hilfegrad", "1e300", FIELD(helpLevel, 0)},
      {"Hilfegrad", "0,05", FIELD(helpLevel, 0)},
      {"Hilfegrad", "7|8|0|9|", FIELD(helpLevel, 0)},
      {"Hilfegrad", "true", FIELD(helpLevel, 0)},
      // 0 becomes 1; negative values stay
      {"Druckerschnittstelle", "", FIELD(printerPort, 1)},
      {"Druckerschnittstelle", "-1", FIELD(printerPort, -1)},
      // outside 1..9 becomes 3
      {"Dezimalstellen", "-1", FIELD(format.decimals, 3)},
      {"Dezimalstellen", "1", FIELD(format.decimals, 1)},
      {"Dezimalstellen", "99999999999", FIELD(format.decimals, 3)},
      // 0 or above 2 becomes 1, a negative one stays
      {"Dot=1 Komma=2", "3", FIELD(format.decimalSeparator, 1)},
      {"Dot=1 Komma=2", "-1", FIELD(format.decimalSeparator, -1)},
      // real, 0 becomes 1.02
      {"Zoomfaktor", "abc", FIELD(zoomFactor, 1.02)},
      {"Zoomfaktor", "-1", FIELD(zoomFactor, -1.0)},
      {"Zoomfaktor", "0,05", FIELD(zoomFactor, 0.05)},
      {"Zoomfaktor", "1e300", FIELD(zoomFactor, 1e300)},
      {"Zoomfaktor", "99999999999", FIELD(zoomFactor, 99999999999.0)},
      // real without correction
      {"Textwinkel", "7|8|0|9|", FIELD(cadTextAngle, 0.0)},
      {"Textwinkel", "-1", FIELD(cadTextAngle, -1.0)},
      // below 0.1 becomes 1.0
      {"Text Height Factor", "0,05", FIELD(textHeightFactor, 1.0)},
      {"Text Height Factor", "5", FIELD(textHeightFactor, 5.0)},
      // boolean: TRUE only for "TRUE", upper-cased
      {"Farbgrafik", "true", FIELD(colourGraphics, true)},
      {"Farbgrafik", "1", FIELD(colourGraphics, false)},
      {"Layer Monochrom", "FALSE", FIELD(layerMonochrome, false)},
      {"Layer Monochrom", "", FIELD(layerMonochrome, false)},
      // boolean TRUE unless "FALSE"
      {"Edit 3D x,y,z ?", "abc", FIELD(editAngles3d, true)},
      {"Edit 3D x,y,z ?", "0", FIELD(editAngles3d, true)},
      {"Edit 3D x,y,z ?", "FALSE", FIELD(editAngles3d, false)},
      // character: the first one, "N" for an empty line
      {"Hardcopy um 90° gedreht ?", "abc", FIELD(hardcopyRotated, 'a')},
      {"Hardcopy um 90° gedreht ?", "", FIELD(hardcopyRotated, 'N')},
      // text window: taken only with width and height both set, else the default held
      {"Text window left/top/width/height", "7|8|0|9|",
       FIELD(textWindow, (TextWindowPlace{0, 0, 0, 0}))},
      {"Text window left/top/width/height", "1|2|3|4|",
       FIELD(textWindow, (TextWindowPlace{1, 2, 3, 4}))},
      // unit system: English only for 1
      {"Metric Units=0,  English units=1", "3", FIELD(format.units, UnitSystem::Metric)},
      {"Metric Units=0,  English units=1", "1", FIELD(format.units, UnitSystem::English)},
      // first plot line: an empty line keeps the line held (the default)
      {"PLOTRIX-Kommandozeile", "", FIELD(plotCommandLines[0], std::string(kDefaultPlotCommandLine))},
      // a count of 5 takes the two plot lines and the next entry's label and value
      {"PLOTRIX Command lines (n, line 2 .. line n)", "5",
       FIELD(plotCommandLines, (std::vector<std::string>{"PLOT ONE", "PLOT TWO", "PLOT THREE",
                                                          "Archive Flag ?", "TRUE"}))},
  };
  for (const Case& c : cases)
    ExpectFields(Read(WithValue(text, c.label, 0, c.value)), {c.field},
                 std::string(c.label) + " = \"" + c.value + '"');
}

#undef FIELD

TEST(ConfigurationText, HeadingLabelsAndLayoutAreExact) {
  const std::string text = ConfigurationText(Configuration{});
  const std::string start =
      "zt6 Konfiguration\r\nVersion 1.5\r\nLayer\r\n1\r\nFarbe\r\n2\r\nLayer\r\n2\r\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  for (const char* bytes :
       {"\r\nHardcopy um 90\xF8 gedreht ?\r\nJ\r\n", "\r\nAufl\x94sung horizontal\r\n0\r\n",
        "\r\nOrdner f\x81r tempor\x84re Dateien\r\n\r\n",
        "\r\nPLOTRIX-Kommandozeile\r\nC:\\PLOTRIX\\WPLOTRIX PLOTRIX.DXF /M1.0\r\n",
        "\r\nColor Layer 31\r\n16\r\n", "\r\nMetric Units=0,  English units=1\r\n0\r\n",
        "\r\nText window left/top/width/height\r\n0|0|0|0|\r\n",
        "\r\nStrichst\x84rke Layer 16..31\r\n1\r\n"}) {
    EXPECT_NE(text.find(bytes), std::string::npos) << Cp850ToUtf8(bytes);
  }
  // 107 entries, the tail unlabelled: ... 1.0 dimension factor, 0, 0, 0, four FALSE.
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines.size(), 234u);
  EXPECT_EQ(
      std::vector<std::string>(lines.end() - 8, lines.end()),
      (std::vector<std::string>{"1.0000000", "0", "0", "0", "FALSE", "FALSE", "FALSE", "FALSE"}));
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(ConfigurationText, ReadingCorrectsOutOfRangeValues) {
  using Get = std::function<std::string(const Configuration&)>;
  const auto num = [](double v) { return std::to_string(v); };
  struct Case {
    const char* label;    // "" for the unlabelled entries at the end
    std::size_t fromEnd;  // those, counted from the last line
    std::string value;
    Get get;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Textbreitenfaktor CAD", 0, "0", [&](auto& c) { return num(c.cadTextWidthFactor); },
       num(1.0)},
      // Below the file's resolution: it would be written as 0 and read back as 1.
      {"Textbreitenfaktor CAD", 0, "0.00000004", [&](auto& c) { return num(c.cadTextWidthFactor); },
       num(1.0)},
      {"Druckerschnittstelle", 0, "0", [&](auto& c) { return num(c.printerPort); }, num(1)},
      {"Hardcopy um 90° gedreht ?", 0, "",
       [](auto& c) { return std::string(1, c.hardcopyRotated); }, "N"},
      {"Dezimalstellen", 0, "10", [&](auto& c) { return num(c.format.decimals); }, num(3)},
      {"Druckdicke vertikal", 0, "5", [&](auto& c) { return num(c.printThicknessVertical); },
       num(1)},
      {"Auflösung horizontal", 0, "-1", [&](auto& c) { return num(c.drawingAreaX); },
       num(1280 - 9)},
      {"Auflösung vertikal", 0, "0", [&](auto& c) { return num(c.drawingAreaY); }, num(1024 - 91)},
      {"Mode für Textausdruck 1:* 2:-", 0, "0", [&](auto& c) { return num(c.separatorStyle); },
       num(1)},
      {"Zeilen pro Seite für Drucker", 0, "4", [&](auto& c) { return num(c.linesPerPage); },
       num(66)},
      {"Zoomfaktor", 0, "0", [&](auto& c) { return num(c.zoomFactor); }, num(1.02)},
      {"Pan-Faktor", 0, "abc", [&](auto& c) { return num(c.panFactor); }, num(0.02)},
      {"PLOTRIX-Kommandozeile", 0, "", [](auto& c) { return c.plotCommandLines.at(0); },
       kDefaultPlotCommandLine},
      {"Textbreitenfaktor Grafik", 0, "0", [&](auto& c) { return num(c.graphicsTextWidthFactor); },
       num(0.8)},
      {"Textstil Grafik", 0, std::string(70, 'F'), [](auto& c) { return c.graphicsFont; },
       std::string(60, 'F')},
      {"Color Layer 20", 0, "0", [&](auto& c) { return num(c.layerColours[4]); }, num(1)},
      {"Windows Screendump Scale", 0, "0", [&](auto& c) { return num(c.printScaleX); }, num(1.0)},
      {"Enter Password ?", 0, "true", [&](auto& c) { return num(c.askUserDirectory); }, num(1)},
      {"Date Code", 0, "5", [&](auto& c) { return num(c.format.dateCode); }, num(1)},
      {"Date Code", 0, "4", [&](auto& c) { return num(c.format.dateCode); }, num(4)},
      {"Header Space Lines", 0, "31", [&](auto& c) { return num(c.headerSpaceLines); }, num(0)},
      {"Header Space Lines", 0, "-1", [&](auto& c) { return num(c.headerSpaceLines); }, num(0)},
      {"Text Device", 0, "10", [&](auto& c) { return num(c.textDevice); }, num(1)},
      {"Dot=1 Komma=2", 0, "3", [&](auto& c) { return num(c.format.decimalSeparator); }, num(1)},
      {"Default Data Directory", 0, "", [](auto& c) { return c.defaultDataFolder; },
       "/home/user/work/"},
      {"Text Height Factor", 0, "0,05", [&](auto& c) { return num(c.textHeightFactor); }, num(1.0)},
      {"Input Window Scale %", 0, "5", [&](auto& c) { return num(c.dialogScale); }, num(100)},
      {"Print Scale Vertical", 0, "0", [&](auto& c) { return num(c.printScaleY); }, num(0.5)},
      {"Line thickness Layer 0..5", 0, "256", [&](auto& c) { return num(c.cadLineWidths[0]); },
       num(1)},
      {"Text window left/top/width/height", 0, "5|6|0|300|",
       [&](auto& c) { return num(c.textWindow.left); }, num(0)},
      {"Text window left/top/width/height", 0, "5|6|640|300|",
       [&](auto& c) { return num(c.textWindow.left + c.textWindow.width); }, num(645)},
      {"Text Font Printout", 0, "", [](auto& c) { return c.printoutFont; }, "Courier New"},
      {"Text Size Printout", 0, "0", [&](auto& c) { return num(c.printoutFontSize); }, num(10)},
      {"Edit 3D x,y,z ?", 0, "", [&](auto& c) { return num(c.editAngles3d); }, num(1)},
      {"Edit 3D x,y,z ?", 0, "FALSE", [&](auto& c) { return num(c.editAngles3d); }, num(0)},
      {"Decimals DXF,TXT", 0, "33", [&](auto& c) { return num(c.cadDecimals); }, num(6)},
      {"CAD Text Mode", 0, "0", [&](auto& c) { return num(c.cadTextMode); }, num(2)},
      {"CAD Text Mode", 0, "1", [&](auto& c) { return num(c.cadTextMode); }, num(1)},
      {"", 34, "0", [&](auto& c) { return num(c.spreadsheetSeparator); }, num(2)},
      {"", 10, "5", [&](auto& c) { return num(c.dialogElementScale); }, num(100)},
      {"", 9, "3", [&](auto& c) { return num(c.angleFormat); }, num(2)},
      {"", 8, "0", [&](auto& c) { return num(c.dimensionSizeFactor); }, num(1.0)},
  };
  // Starts from a file whose every value differs from the correction's result.
  const std::string text = ConfigurationText(NonDefault());
  for (const Case& c : cases) {
    const Configuration read = Read(WithValue(text, c.label, c.fromEnd, c.value));
    EXPECT_EQ(c.get(read), c.expected) << c.label << c.fromEnd << " = \"" << c.value << '"';
  }
}

TEST(ConfigurationText, RealsAlwaysTakeThePointAndFollowTheDecimals) {
  Configuration c;
  c.format.decimals = 1;  // seven decimals shift to five
  const std::string dot = ConfigurationText(c);
  c.format.decimalSeparator = 2;
  const std::string comma = ConfigurationText(c);
  EXPECT_EQ(comma, WithValue(dot, "Dot=1 Komma=2", 0, "2"));
  const std::vector<std::string> lines = Lines(comma);
  EXPECT_EQ(lines[LabelIndex(lines, "Zoomfaktor") + 1], "1.02000");

  const Configuration read = Read(WithValue(comma, "Zoomfaktor", 0, "1,5"));
  EXPECT_DOUBLE_EQ(read.zoomFactor, 1.5);
  EXPECT_EQ(read.format.decimalSeparator, 2);
}

TEST(ConfigurationText, ShorterFilesStopAndKeepTheRest) {
  const std::string full = ConfigurationText(NonDefault());
  Configuration before;  // what the program holds when reading starts
  before.graphicsFont = "Verdana";
  before.graphicsTextWidthFactor = 0.6;
  before.layerColours[0] = 9;
  before.printerType = 7;
  before.format.dateCode = 3;
  before.format.decimalSeparator = 2;
  before.dialogScale = 150;

  // Ends after "Layer Monochrom": older files had one width factor and no font.
  Configuration c = Read(EndingAfter(full, "Layer Monochrom"), before);
  EXPECT_TRUE(c.layerMonochrome);
  EXPECT_DOUBLE_EQ(c.graphicsTextWidthFactor, 0.75);
  EXPECT_EQ(c.graphicsFont, "Arial");
  EXPECT_EQ(c.layerColours[0], 9);
  EXPECT_EQ(c.drawingAreaX, 799);

  // Ends after entry 12: later entries keep their values.
  c = Read(EndingAfter(full, "Druckerschnittstelle"), before);
  EXPECT_EQ(c.helpLevel, 2);
  EXPECT_EQ(c.printerPort, 3);
  EXPECT_EQ(c.printerType, 7);
  EXPECT_EQ(c.graphicsFont, "Verdana");
  EXPECT_EQ(c.drawingAreaX, 1280 - 9);  // the size corrections apply all the same

  // Ends after "Archive Flag ?": entries 66-72, 75, 76 are skipped, the others read
  // empty lines past the end.
  c = Read(EndingAfter(full, "Archive Flag ?"), before);
  EXPECT_TRUE(c.archiveMode);
  EXPECT_EQ(c.format.dateCode, 3);
  EXPECT_EQ(c.dialogScale, 150);
  EXPECT_EQ(c.format.decimalSeparator, 1);
  EXPECT_EQ(c.defaultDataFolder, "/home/user/work/");
  EXPECT_EQ(c.htmlBrowser, "");
  EXPECT_EQ(c.printScaleY, 1.0);  // not reached: stops after entry 77
}

TEST(ConfigurationText, GarbageLoadsWithoutHarm) {
  std::mt19937 random(5481);
  std::string noise(64 * 1024, '\0');
  for (char& ch : noise) {
    const unsigned v = random() % 256;
    ch = static_cast<char>(v % 7 == 0 ? '\n' : v);
  }
  Configuration c = Read(noise);
  EXPECT_LE(c.plotCommandLines.size(), kMaxPlotCommandLines);
  EXPECT_GE(c.format.decimals, 1);
  EXPECT_LE(c.format.decimals, 9);

  // A huge plot-line count takes only what the file holds and keeps five lines.
  const std::string text = ConfigurationText(NonDefault());
  c = Read(WithValue(text, "PLOTRIX Command lines (n, line 2 .. line n)", 0, "1000000000"));
  EXPECT_EQ(c.plotCommandLines.size(), kMaxPlotCommandLines);
  EXPECT_EQ(c.plotCommandLines[1], "PLOT TWO");
  EXPECT_EQ(c.printScaleY, 1.0);  // everything after went into plot lines

  // A count below 1 takes no lines: the entries after it stay in place.
  std::string oneLine = ConfigurationText(NonDefault());
  std::vector<std::string> lines = Lines(oneLine);
  const std::size_t count = LabelIndex(lines, "PLOTRIX Command lines (n, line 2 .. line n)") + 1;
  const auto at = lines.begin() + static_cast<std::ptrdiff_t>(count);
  lines.erase(at + 1, at + 3);
  lines[count] = "-7";
  c = Read(Join(lines));
  EXPECT_EQ(c.plotCommandLines, std::vector<std::string>{"PLOT ONE"});
  EXPECT_TRUE(c.archiveMode);
  EXPECT_TRUE(c.omitLogo);

  // Nothing beyond the heading leaves every value alone.
  c = Read("zt6 Konfiguration\r\nVersion 1.5\r\n");
  EXPECT_EQ(c.cadLayerNames[0], "1");
  EXPECT_EQ(c.cadLayerColours[0], 2);
}

// --- files, places, saving ------------------------------------------------

using test_support::ScopedEnvironment;

std::string Contents(const fs::path& file) { return test_support::FileBytes(file); }

class ConfigurationFile : public ::testing::Test {
 protected:
  TempDir temp{"zt6cfg"};
  fs::path start = temp.path() / "start";
  fs::path xdg = temp.path() / "xdg";
  ScopedEnvironment xdgEnv{"XDG_CONFIG_HOME", xdg.string()};
  ScreenSize screen{1024, 768};
  ShellState shell;
  ScriptedUi ui;
  FormatSettings format;
  Prompts prompts{ui, shell, format};

  void SetUp() override {
    fs::create_directories(start);
    fs::create_directories(xdg / "zt6");
  }
  ConfigurationPlace StartPlace() const { return ConfigurationPlace{start, "zt6"}; }
};

TEST_F(ConfigurationFile, UserFolderFollowsXdgThenHome) {
  EXPECT_EQ(UserConfigurationFolder(), xdg / "zt6");
  ScopedEnvironment noXdg("XDG_CONFIG_HOME", std::nullopt);
  {
    ScopedEnvironment home("HOME", "/home/anna");
    EXPECT_EQ(UserConfigurationFolder(), fs::path("/home/anna/.config/zt6"));
  }
  ScopedEnvironment noHome("HOME", std::nullopt);
  EXPECT_TRUE(UserConfigurationFolder().empty());
}

TEST_F(ConfigurationFile, LoadsFromTheConfigurationDirectoryThenTheUserFolder) {
  Configuration inStart;
  inStart.helpLevel = 2;
  Configuration inUser;
  inUser.helpLevel = 0;
  temp.Write("xdg/zt6/zt6.cfg", ConfigurationText(inUser));

  // Both present: the configuration directory wins.
  temp.Write("start/zt6.cfg", ConfigurationText(inStart));
  Configuration c;
  ConfigurationPlace place = StartPlace();
  EXPECT_EQ(LoadConfiguration(c, place, screen, start.string(), shell), start / "zt6.cfg");
  EXPECT_EQ(c.helpLevel, 2);
  EXPECT_EQ(place.directory, start);

  // Only the user folder: it becomes the configuration directory.
  fs::remove(start / "zt6.cfg");
  c = {};
  EXPECT_EQ(LoadConfiguration(c, place, screen, start.string(), shell), xdg / "zt6" / "zt6.cfg");
  EXPECT_EQ(c.helpLevel, 0);
  EXPECT_EQ(place.directory, xdg / "zt6");
  EXPECT_EQ(place.SessionFile(), xdg / "zt6" / "zt6.cff");
  EXPECT_FALSE(shell.cancel);
}

TEST_F(ConfigurationFile, NoReadableFileKeepsDefaultsWithScreenValuesAndSetsCancel) {
  // Far too large to be a configuration: unreadable.
  temp.Write("start/zt6.cfg", "zt6 Konfiguration\r\nVersion 1.5\r\nLayer\r\nX\r\n" +
                                  std::string(2 * 1024 * 1024, 'x'));
  Configuration c;
  ConfigurationPlace place = StartPlace();
  EXPECT_TRUE(LoadConfiguration(c, place, screen, start.string(), shell).empty());
  EXPECT_TRUE(shell.cancel);
  // "Speichern" then writes into the user's folder, not into the start directory.
  EXPECT_EQ(place.directory, xdg / "zt6");
  EXPECT_EQ(c.cadLayerNames[0], "1");
  EXPECT_EQ(c.drawingAreaX, 1024 - 9);
  EXPECT_EQ(c.drawingAreaY, 768 - 91);
  EXPECT_EQ(c.textWindow.height, 768 - 80);
  EXPECT_EQ(c.dialogScale, 102);
  EXPECT_EQ(c.defaultDataFolder, start.string() + "/");
}

TEST_F(ConfigurationFile, SaveIntoUserFolderCreatesItAndReadsBack) {
  fs::remove_all(xdg);
  const fs::path file = UserConfigurationFolder() / "zt6.cfg";
  ASSERT_TRUE(SaveConfiguration(NonDefault(), file, prompts));
  EXPECT_EQ(Contents(file), ConfigurationText(NonDefault()));
  EXPECT_TRUE(ui.recorded.empty());
}

TEST_F(ConfigurationFile, WriteProtectedFileIsKeptAndTheWriteAbandoned) {
  const fs::path file = temp.Write("start/zt6.cfg", "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  ui.QueueYes();  // one retry, then the user gives up
  ui.QueueNo();
  EXPECT_FALSE(SaveConfiguration(Configuration{}, file, prompts));
  EXPECT_EQ(Contents(file), "old");
  EXPECT_TRUE(shell.cancel);
  ASSERT_EQ(ui.Of("message").size(), 2u);
  EXPECT_EQ(ui.Of("message")[0].text, "Schreibschutz entfernen !");
  ASSERT_EQ(ui.Of("yesnocancel").size(), 2u);
  EXPECT_EQ(ui.Of("yesnocancel")[0].text, "Nochmals versuchen ?");

  // Without message boxes nobody is asked.
  shell = {};
  shell.messageBoxesEnabled = false;
  ui.recorded.clear();
  EXPECT_FALSE(SaveConfiguration(Configuration{}, file, prompts));
  EXPECT_TRUE(shell.cancel);
  EXPECT_TRUE(ui.recorded.empty());
  EXPECT_EQ(Contents(file), "old");
}

// --- directory check ------------------------------------------------------

class DirectoryCheck : public ConfigurationFile {
 protected:
  Configuration Good() const {
    Configuration c;
    c.cadFolder = c.dbfFolder = c.pltFolder = c.temporaryFolder = c.ediFolder =
        c.defaultDataFolder = start.string();
    return c;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of("message")) texts.push_back(p.text);
    return texts;
  }
};

TEST_F(DirectoryCheck, MissingCadFolderIsReportedOnlyWhileBoxesAreOn) {
  Configuration c = Good();
  c.cadFolder = (temp.path() / "gone").string();
  CheckDirectories(c, prompts, start.string());
  EXPECT_EQ(Messages(), std::vector<std::string>{"ungültiger CAD Ordner konfiguriert"});

  ui.recorded.clear();
  shell.messageBoxesEnabled = false;
  CheckDirectories(c, prompts, start.string());
  EXPECT_TRUE(ui.recorded.empty());
}

TEST_F(DirectoryCheck, EmptyFoldersAreFilledAndGoodOnesPassSilently) {
  ScopedEnvironment tempEnv("TEMP", xdg.string());
  Configuration c;  // an empty CAD folder stands for the working directory
  CheckDirectories(c, prompts, start.string());
  EXPECT_TRUE(ui.recorded.empty());
  EXPECT_EQ(c.cadFolder, "");
  EXPECT_EQ(c.temporaryFolder, xdg.string());
  EXPECT_EQ(c.dbfFolder, start.string());
  EXPECT_EQ(c.pltFolder, start.string());
  EXPECT_EQ(c.ediFolder, start.string());
  EXPECT_EQ(c.defaultDataFolder, start.string());
}

TEST_F(DirectoryCheck, BadTemporaryFolderIsAskedForAgain) {
  const std::string bad = (temp.path() / "missing").string();
  struct Case {
    std::vector<std::string> answers;  // typed folders; the queue then answers Cancel
    std::string expected;
    std::size_t messages;
  };
  const std::string system = fs::temp_directory_path().string();
  for (const Case& k : {Case{{xdg.string()}, xdg.string(), 1}, Case{{}, system, 1},
                        Case{{bad + "2"}, system, 2}, Case{{bad}, system, 1}}) {
    ui.recorded.clear();
    for (const std::string& a : k.answers) ui.QueueText(a);
    Configuration c = Good();
    c.temporaryFolder = bad;
    CheckDirectories(c, prompts, start.string());
    EXPECT_EQ(c.temporaryFolder, k.expected) << k.answers.size();
    EXPECT_EQ(Messages(), std::vector<std::string>(
                              k.messages, "ungültiger Ordner für temporäre Dateien konfiguriert"));
    ASSERT_FALSE(ui.Of("text").empty());
    EXPECT_EQ(ui.Of("text")[0].text, "Ordner für temporäre Dateien");
    EXPECT_EQ(ui.Of("text")[0].current, 60);
    EXPECT_FALSE(shell.cancel);
  }
}

}  // namespace
}  // namespace zt6
