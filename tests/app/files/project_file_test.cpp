// The project file: exact lines, round trips, shorter files and refused garbage.

#include "app/files/project_file.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"

#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/text_lines.h"

namespace zt6 {
namespace {

FormatSettings Comma() {
  FormatSettings s;
  s.decimalSeparator = 2;
  return s;
}

// Inputs away from every default, texts at their widths, umlauts in CP850.
DesignRecord EdgeDesign() {
  DesignRecord d;
  d.drawing.infoLines = {std::string(65, 'i'), Oem("Größe ÄÖÜ äöü ß"), ""};
  d.drawing.shaftName1 = std::string(25, 'a');
  d.drawing.shaftName2 = std::string(30, 'b');
  d.drawing.shaftNumber = std::string(18, 'c');
  d.drawing.hubName1 = Oem("Nabe für Welle");
  d.drawing.hubName2 = "";
  d.drawing.hubNumber = "N-4711";
  d.tableRow = 7;
  d.Dii = 0;
  d.Dee = 1;
  d.D = -3;
  d.z = 31;
  d.gammaE = 57.2957795;
  d.designation = Oem("12x14 Größe");
  d.l = 26.125;
  d.dimensionSource = DimensionSource::SelfDefined;
  d.material[0].name = "16MnCr5";
  d.material[0].number = "1.7131";
  d.material[0].Re = 1050;
  d.material[0].pzul = 1260;
  d.material[0].fH = 1.0;
  d.material[0].fS = 1.2;
  d.material[0].tableRow = 12;
  d.material[1].name = "EN-GJL-250";
  d.material[1].number = "0.6025";
  d.material[1].Re = 250;
  d.material[1].fS = 2.0;
  d.material[1].tableRow = 3;
  d.furtherSelector = 2;
  d.TN = 20;
  d.Tmax = 60.5;
  d.KA = 1.25;
  d.KphiEq = 0.333;
  d.Klambda = 1.1;
  d.fW = 0.7;
  d.fL = {1.5, 1.6};
  d.KphiMax = 0.9;
  d.toleranceClass = ToleranceClass::Coarse;
  d.riMax = 0.15;
  d.reMax = 0.2;
  d.TGe = 0.04;
  d.TGi = 0.0551234;
  d.computedQuantity = ComputedQuantity::Speed;
  d.power = 12.5;
  d.n = 1450;
  return d;
}

DocumentationData FullDocs() {
  DocumentationData docs = InitialDocumentation("09.12.2026");
  docs.changeCount = kMaxChangeRecords;
  for (std::size_t i = 0; i < kMaxChangeRecords; ++i) {
    AendRecord& r = docs.changes[i];
    r.changeText = std::string(20, static_cast<char>('A' + i));
    r.date = "01.02.2026";
    r.editor = "abcdefg";
    r.description = "Zeile 1\nZeile 2 " + std::to_string(i);
  }
  docs.changes[3].description = Oem("Maß geändert");
  docs.replacementFor = std::string(15, 'r');
  docs.replacedBy = "Z-2";
  docs.signOff[0] = {"10.12.2026", "Meier"};
  docs.signOff[1] = {"11.12.2026", "Huber"};
  docs.signOff[2] = {"", "Normstelle"};  // 10 characters, the limit
  docs.signOff[3] = {"12.12.2026", "frei"};
  docs.freeTextCount = kMaxFreeTexts;
  for (std::size_t i = 0; i < kMaxFreeTexts; ++i)
    docs.freeTexts[i] = {10.0 * i + 0.25, -5.5, 3.5, 90, "Text " + std::to_string(i)};
  docs.freeTexts[7].text = std::string(80, 'x');
  docs.documents[0] = {"NOTEPAD.EXE", ""};
  docs.documents[2] = {"okular", "/home/zeichnungen/welle.pdf"};
  return docs;
}

void ExpectSameInputs(const DesignRecord& a, const DesignRecord& b) {
  EXPECT_EQ(a.drawing.infoLines, b.drawing.infoLines);
  EXPECT_EQ(a.drawing.shaftName1, b.drawing.shaftName1);
  EXPECT_EQ(a.drawing.shaftName2, b.drawing.shaftName2);
  EXPECT_EQ(a.drawing.shaftNumber, b.drawing.shaftNumber);
  EXPECT_EQ(a.drawing.hubName1, b.drawing.hubName1);
  EXPECT_EQ(a.drawing.hubName2, b.drawing.hubName2);
  EXPECT_EQ(a.drawing.hubNumber, b.drawing.hubNumber);
  EXPECT_EQ(a.tableRow, b.tableRow);
  EXPECT_EQ(a.designation, b.designation);
  EXPECT_EQ(a.z, b.z);
  EXPECT_EQ(a.dimensionSource, b.dimensionSource);
  EXPECT_EQ(a.toleranceClass, b.toleranceClass);
  EXPECT_EQ(a.computedQuantity, b.computedQuantity);
  EXPECT_EQ(a.furtherSelector, b.furtherSelector);
  const double reals[][2] = {{a.Dii, b.Dii}, {a.Dee, b.Dee}, {a.D, b.D}, {a.gammaE, b.gammaE},
                             {a.l, b.l}, {a.TN, b.TN}, {a.Tmax, b.Tmax}, {a.KA, b.KA},
                             {a.KphiEq, b.KphiEq}, {a.Klambda, b.Klambda}, {a.fW, b.fW},
                             {a.fL[0], b.fL[0]}, {a.fL[1], b.fL[1]}, {a.KphiMax, b.KphiMax},
                             {a.riMax, b.riMax}, {a.reMax, b.reMax}, {a.TGe, b.TGe},
                             {a.TGi, b.TGi}, {a.power, b.power}, {a.n, b.n}};
  for (const auto& pair : reals) EXPECT_DOUBLE_EQ(pair[0], pair[1]);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(a.material[k].name, b.material[k].name);
    EXPECT_EQ(a.material[k].number, b.material[k].number);
    EXPECT_EQ(a.material[k].Re, b.material[k].Re);
    EXPECT_DOUBLE_EQ(a.material[k].pzul, b.material[k].pzul);
    EXPECT_DOUBLE_EQ(a.material[k].fH, b.material[k].fH);
    EXPECT_DOUBLE_EQ(a.material[k].fS, b.material[k].fS);
    EXPECT_EQ(a.material[k].tableRow, b.material[k].tableRow);
  }
}

void ExpectSameDocs(const DocumentationData& a, const DocumentationData& b) {
  ASSERT_EQ(a.changeCount, b.changeCount);
  for (std::size_t i = 0; i < a.changeCount; ++i) {
    EXPECT_EQ(a.changes[i].changeText, b.changes[i].changeText);
    EXPECT_EQ(a.changes[i].date, b.changes[i].date);
    EXPECT_EQ(a.changes[i].editor, b.changes[i].editor);
    EXPECT_EQ(a.changes[i].description, b.changes[i].description);
  }
  EXPECT_EQ(a.replacementFor, b.replacementFor);
  EXPECT_EQ(a.replacedBy, b.replacedBy);
  for (std::size_t row = 0; row < 4; ++row) {
    EXPECT_EQ(a.signOff[row].date, b.signOff[row].date) << row;
    EXPECT_EQ(a.signOff[row].name, b.signOff[row].name) << row;
  }
  ASSERT_EQ(a.freeTextCount, b.freeTextCount);
  for (std::size_t i = 0; i < a.freeTextCount; ++i) {
    EXPECT_DOUBLE_EQ(a.freeTexts[i].x, b.freeTexts[i].x);
    EXPECT_DOUBLE_EQ(a.freeTexts[i].y, b.freeTexts[i].y);
    EXPECT_DOUBLE_EQ(a.freeTexts[i].h, b.freeTexts[i].h);
    EXPECT_DOUBLE_EQ(a.freeTexts[i].phi, b.freeTexts[i].phi);
    EXPECT_EQ(a.freeTexts[i].text, b.freeTexts[i].text);
  }
  for (std::size_t k = 0; k < kDocumentLinks; ++k) {
    EXPECT_EQ(a.documents[k].program, b.documents[k].program);
    EXPECT_EQ(a.documents[k].file, b.documents[k].file);
  }
}

TEST(ProjectFile, EveryWrittenFileReadsBackIntoTheSameInputs) {
  struct Case {
    const char* name;
    DesignRecord design;
    DocumentationData docs;
    FormatSettings settings;
  };
  const std::vector<Case> cases = {
      {"defaults", DesignRecord{}, InitialDocumentation(""), FormatSettings{}},
      {"edge values", EdgeDesign(), FullDocs(), FormatSettings{}},
      {"edge values, decimal comma", EdgeDesign(), FullDocs(), Comma()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = ProjectFileText(c.design, c.docs, c.settings);
    DesignRecord read;
    DocumentationData readDocs = InitialDocumentation("x");
    const ProjectParseResult result = ParseProjectText(text, read, readDocs);
    ASSERT_TRUE(result.ok) << result.problem;
    EXPECT_TRUE(result.complete);
    ExpectSameInputs(c.design, read);
    ExpectSameDocs(c.docs, readDocs);
    // Read under the other separator setting too: the reader takes both.
    EXPECT_EQ(ProjectFileText(read, readDocs, c.settings), text);
  }
}

TEST(ProjectFile, LinesFollowTheFixedOrderAndNumberRules) {
  DesignRecord d = EdgeDesign();
  d.Dii = 12;
  DocumentationData docs = InitialDocumentation("09.12.2026");
  const std::string text = ProjectFileText(d, docs, Comma());
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  const std::vector<std::string> lines = SplitLines(text);

  EXPECT_EQ(lines[0], std::string(65, '-'));
  EXPECT_EQ(lines[1].rfind("ZT6  -  Kerbverzahnung DIN 5481", 0), 0u);
  EXPECT_EQ(lines[2].rfind("Version 1.5", 0), 0u);
  EXPECT_EQ(lines[4], std::string(65, '-'));
  EXPECT_EQ(lines[6], Oem("Größe ÄÖÜ äöü ß"));
  EXPECT_EQ(lines[14], "7");            // table row
  EXPECT_EQ(lines[15], "12,0000000");   // Dii with the decimal comma
  EXPECT_EQ(lines[16], "1,0000000");    // Dee = 1 is not a short form
  EXPECT_EQ(lines[17], "-3");           // D: whole numbers below 1 are short
  EXPECT_EQ(lines[18], "31");
  EXPECT_EQ(lines[22], "2");            // self-defined
  // No change records: marker, count, dash line, then the title-block lines.
  EXPECT_EQ(lines[23], Oem("ÄNDERUNGEN"));
  EXPECT_EQ(lines[24], "0");
  EXPECT_EQ(lines[25], std::string(20, '-'));
  EXPECT_EQ(lines[26], "09.12.2026||09.12.2026||||0||");
  EXPECT_EQ(lines[27], "09.12.2026");
  // Document block: always five entries of three lines.
  EXPECT_EQ(lines[31], "Dokumente");
  EXPECT_EQ(lines[32], "5");
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(lines[34 + 3 * k], "NOTEPAD.EXE");
    EXPECT_EQ(lines[36 + 3 * k], std::string(14, '-'));
  }
  EXPECT_EQ(lines[49], "16MnCr5");
  EXPECT_EQ(lines[50], "1050");
  EXPECT_EQ(lines.back(), "0.6025");
  EXPECT_EQ(lines.size(), 49u + 12 + 1 + 9 + 1 + 4 + 1 + 2 + 2);
}

TEST(ProjectFile, DecimalsSettingShiftsTheDecimalsOfReals) {
  FormatSettings settings;
  settings.decimals = 5;
  DesignRecord d;
  d.Dii = 12;
  const std::vector<std::string> lines = SplitLines(ProjectFileText(d, {}, settings));
  EXPECT_EQ(lines[15], "12.000000000");
}

TEST(ProjectFile, DescriptionLineBreaksBecomeBarsAndComeBack) {
  DocumentationData docs;
  docs.changeCount = 1;
  docs.changes[0].description = "erste Zeile\r\nzweite|Zeile\nletzte";
  docs.freeTextCount = 1;
  docs.freeTexts[0] = {1, 2, 3, 0, "a|b"};
  docs.signOff[1].name = "x|y";
  const std::string text = ProjectFileText(DesignRecord{}, docs, FormatSettings{});
  const std::vector<std::string> lines = SplitLines(text);
  EXPECT_EQ(lines[29], "erste Zeile|zweite" + Oem("¦") + "Zeile|letzte");

  DesignRecord read;
  DocumentationData readDocs;
  ASSERT_TRUE(ParseProjectText(text, read, readDocs).ok);
  EXPECT_EQ(readDocs.changes[0].description, "erste Zeile\nzweite" + Oem("¦") + "Zeile\nletzte");
  // A bar typed into a field must not shift the fields after it.
  EXPECT_EQ(readDocs.signOff[1].name, "x" + Oem("¦") + "y");
  EXPECT_EQ(readDocs.signOff[2].date, docs.signOff[2].date);
  EXPECT_EQ(readDocs.freeTextCount, 1u);
  EXPECT_EQ(readDocs.freeTexts[0].text, "a" + Oem("¦") + "b");
}

TEST(ProjectFile, AFileThatEndsEarlyLeavesTheMissingFieldsUnchanged) {
  const DesignRecord full = EdgeDesign();
  const std::vector<std::string> lines =
      SplitLines(ProjectFileText(full, FullDocs(), FormatSettings{}));
  // An older version: without power, speed and the material numbers.
  std::string older;
  for (std::size_t i = 0; i + 4 < lines.size(); ++i) older += lines[i] + "\r\n";

  DesignRecord read;
  read.power = 7;
  read.material[0].number = "keep";
  DocumentationData docs;
  const ProjectParseResult result = ParseProjectText(older, read, docs);
  ASSERT_TRUE(result.ok) << result.problem;
  EXPECT_FALSE(result.complete);
  EXPECT_FALSE(result.truncated);  // an old file, not a cut one
  EXPECT_DOUBLE_EQ(read.power, 7);
  EXPECT_EQ(read.material[0].number, "keep");
  EXPECT_EQ(read.computedQuantity, full.computedQuantity);
  EXPECT_DOUBLE_EQ(read.TGi, full.TGi);

  // Cut inside the change block: what was read stays, the rest is unchanged.
  std::string cut;
  for (std::size_t i = 0; i < 30; ++i) cut += lines[i] + "\n";
  DesignRecord partial;
  partial.TN = 99;
  const ProjectParseResult cutResult = ParseProjectText(cut, partial, docs);
  ASSERT_TRUE(cutResult.ok);
  EXPECT_TRUE(cutResult.truncated);
  EXPECT_EQ(cutResult.lines, 30u);
  EXPECT_EQ(partial.designation, full.designation);
  EXPECT_DOUBLE_EQ(partial.TN, 99);
}

TEST(ProjectFile, GarbageIsRefusedAndChangesNothing) {
  const std::vector<std::string> good =
      SplitLines(ProjectFileText(EdgeDesign(), InitialDocumentation(""), FormatSettings{}));
  const auto with = [&](std::size_t line, const std::string& replacement) {
    std::string text;
    for (std::size_t i = 0; i < good.size(); ++i) text += (i == line ? replacement : good[i]) + "\r\n";
    return text;
  };
  std::string binary = with(99, "");
  binary[200] = '\0';
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"binary", binary},
      {"not a project", "Liebe Grüße\r\naus Berlin\r\n"},
      {"huge line", with(20, std::string(1 << 17, 'x'))},
      {"too large", std::string(65, '-') + "\r\n" + std::string(kMaxProjectFileBytes, 'x')},
      {"10^9 change records", with(24, "1000000000")},
      {"negative count", with(24, "-1")},
      {"wrong change marker", with(23, "AENDERUNGEN")},
      {"99 free texts", with(26, "||||||99||")},
      {"seven documents", with(32, "7")},
      {"missing document marker", with(31, "Dokument")},
  };
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    DesignRecord d;
    d.Dii = 42;
    DocumentationData docs;
    const ProjectParseResult result = ParseProjectText(text, d, docs);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.problem.empty());
    EXPECT_DOUBLE_EQ(d.Dii, 42);
  }
}

TEST(ProjectFile, UnconvertibleNumbersReadAsZeroAndSelectorsStayInRange) {
  std::vector<std::string> lines =
      SplitLines(ProjectFileText(EdgeDesign(), InitialDocumentation(""), FormatSettings{}));
  lines[15] = "zwölf";
  lines[16] = "  12,5";
  lines[18] = "99999999999";    // z beyond 32 bits
  lines[22] = "70000";          // dimension source beyond its 16 bits
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  DesignRecord d;
  DocumentationData docs;
  ASSERT_TRUE(ParseProjectText(text, d, docs).ok);
  EXPECT_DOUBLE_EQ(d.Dii, 0);
  EXPECT_DOUBLE_EQ(d.Dee, 12.5);
  EXPECT_EQ(d.z, 0);
  EXPECT_EQ(static_cast<int>(d.dimensionSource), 0);
}

TEST(ProjectFile, ChangeBlockWrittenInTheWindowsCodePageIsTakenBack) {
  DocumentationData docs;
  docs.changeCount = 1;
  docs.changes[0].changeText = Oem("Maß");
  std::vector<std::string> lines =
      SplitLines(ProjectFileText(DesignRecord{}, docs, FormatSettings{}));
  lines[23] = OemToAnsi(lines[23], false);
  lines[26] = OemToAnsi(lines[26], false);
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  DesignRecord d;
  DocumentationData read;
  ASSERT_TRUE(ParseProjectText(text, d, read).ok);
  EXPECT_EQ(read.changes[0].changeText, Oem("Maß"));
}

}  // namespace
}  // namespace zt6

namespace zt6 {
namespace {

// The bundled examples are in the writer's own form and carry what they promise.
TEST(ProjectFile, BundledExamplesAreInTheWritersOwnForm) {
  namespace fs = std::filesystem;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(ZT6_DATA_DIR) / "examples")) {
    if (entry.path().extension() != ".zt6") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++count;
    DesignRecord d;
    DocumentationData docs;
    const ProjectParseResult result = LoadProjectFile(entry.path(), d, docs);
    ASSERT_TRUE(result.ok) << result.problem;
    EXPECT_TRUE(result.complete);
    const std::string bytes = test_support::FileBytes(entry.path());
    EXPECT_EQ(ProjectFileText(d, docs, FormatSettings{}), bytes);
    if (entry.path().stem() == "getriebe_mit_aenderungen") {
      EXPECT_EQ(docs.changeCount, 3u);
      EXPECT_EQ(docs.changes[0].description, "l von 40 auf 42 mm\nwegen Lagerabstand");
      EXPECT_EQ(docs.freeTextCount, 2u);
    }
  }
  EXPECT_GE(count, 4);
}

}  // namespace
}  // namespace zt6
