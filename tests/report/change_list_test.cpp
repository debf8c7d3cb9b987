// The change list: its layout against a checked file, and the cases that change it.

#include "report/change_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "support/file_bytes.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden =
    fs::path(ZT6_DATA_DIR) / ".." / "tests" / "report" / "golden" / "change_list_three_records.txt";

ReportPageInfo Info() {
  ReportPageInfo info;
  info.programTitle = "ZT6  -  Kerbverzahnung DIN 5481";
  info.version = "1.5";
  info.ownerText = "Konstruktion";
  info.date = "05.03.2024";
  info.time = "9:05";
  info.projectFileText = "welle.zt6";
  info.informationLines = {Oem("Getriebe 4 Übersetzung"), "Antriebswelle", ""};
  return info;
}

DocumentationData ThreeRecords() {
  DocumentationData docs = InitialDocumentation("01.02.2024");
  docs.signOff[0].name = Oem("Müller");
  docs.replacementFor = "W-100";
  docs.replacedBy = "";
  const AendRecord records[] = {
      {Oem("Maß D geändert"), "03.02.2024", Oem("mü"), Oem("D von 17 auf 17,5 mm\nwegen Passung")},
      {"Werkstoff", "10.02.2024", "hb", "42CrMo4 statt C45"},
      {"Text mit 20 Zeichen!", "01.03.2024", "abcde", ""},
  };
  for (const AendRecord& record : records) docs.changes[docs.changeCount++] = record;
  return docs;
}

// The list as the print command writes it to a file: device 3, with page header.
std::string ChangeList(const DocumentationData& docs, int indexStyle, int device = 3) {
  ReportWriter writer;
  const ReportPageInfo info = Info();
  writer.SetHeader(ChangeListHeader(info.programTitle, info.version, info.informationLines), 0);
  writer.Begin(device, "welle.TXT", ReportSettings{}, info);
  if (device != 1) writer.PageHeader(0, 0);
  WriteChangeList(writer, docs, indexStyle);
  writer.Finish();
  return writer.Output();
}

std::vector<std::string> Lines(const std::string& output) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(output.substr(start, end - start));
  return lines;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& l : lines)
    if (l == line) return true;
  return false;
}

TEST(ChangeListGolden, ThreeRecordsMatchTheCheckedList) {
  const std::string list = Cp850ToUtf8(ChangeList(ThreeRecords(), 0));
  if (std::getenv("ZT6_WRITE_GOLDEN") != nullptr) {
    std::ofstream(kGolden, std::ios::binary) << list;
    GTEST_FAIL() << kGolden << " written: check it by hand before committing";
  }
  EXPECT_EQ(list, test_support::FileBytes(kGolden));
}

TEST(ChangeList, CasesThatChangeTheList) {
  const std::string indent(7, ' ');
  struct Case {
    const char* what;
    int indexStyle;
    std::size_t records;
    bool withReplacements;
    std::vector<std::string> present;  // lines without the report's indent
    std::vector<std::string> absent;
  };
  const std::vector<Case> cases{
      {"letters for a,b,c", 0, 3, true,
       {"  a     03.02.2024   mü       Maß D geändert      ", "  c     01.03.2024   abcde    Text mit 20 Zeichen!",
        "Ersatz für: W-100          "},
       {"Ersetzt durch: "}},
      {"numbers for 1,2,3", 1, 3, true, {"  2     10.02.2024   hb       Werkstoff           "}, {}},
      {"lower-case letters for A,B,C", 2, 3, true, {"  b     10.02.2024   hb       Werkstoff           "}, {}},
      {"lower-case letters for ......", 3, 3, true, {"  b     10.02.2024   hb       Werkstoff           "}, {}},
      {"no records: creation line, heading and rule only", 0, 0, false,
       {"Erstellungsdatum: 01.02.2024     Erstellt von: Müller",
        "Index   Datum        Bearb.   Änderung            "},
       {"Ersatz für: W-100          ", " D von 17 auf 17,5 mm"}},
      {"description lines each on a line of their own", 0, 1, true,
       {" D von 17 auf 17,5 mm", " wegen Passung"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentationData docs = ThreeRecords();
    docs.changeCount = c.records;
    if (!c.withReplacements) docs.replacementFor.clear();
    const std::vector<std::string> lines = Lines(Cp850ToUtf8(ChangeList(docs, c.indexStyle)));
    for (const std::string& line : c.present) EXPECT_TRUE(Holds(lines, indent + line)) << line;
    for (const std::string& line : c.absent)
      for (const std::string& l : lines) EXPECT_EQ(l.find(line), std::string::npos) << l;
  }
}

TEST(ChangeList, TenAndAboveShiftTheirLineByOne) {
  DocumentationData docs = ThreeRecords();
  for (std::size_t i = docs.changeCount; i < 12; ++i) docs.changes[docs.changeCount++] = {"x", "d", "e", ""};
  const std::vector<std::string> lines = Lines(ChangeList(docs, 1));
  const std::string indent(7, ' ');
  EXPECT_TRUE(Holds(lines, indent + "  9     d            e        x                   "));
  EXPECT_TRUE(Holds(lines, indent + "  10     d            e        x                   "));
  EXPECT_EQ(ChangeListIndex(25, 0), "y");
}

TEST(ChangeList, TheScreenHasNoPageHeaderAndEveryFormTakesIt) {
  const DocumentationData docs = ThreeRecords();
  const std::string screen = ChangeList(docs, 0, 1);
  EXPECT_EQ(screen.find("Kerbverzahnung"), std::string::npos);
  EXPECT_NE(ChangeList(docs, 0, 3).find(Oem("Änderungsprotokoll")), std::string::npos);
  const std::string html = ChangeList(docs, 0, 7);
  EXPECT_NE(html.find(Utf8ToCp1252("Maß D geändert")), std::string::npos);
  EXPECT_NE(html.find("</HTML>"), std::string::npos);
  const std::string tabs = ChangeList(docs, 0, 6);
  EXPECT_NE(tabs.find("Werkstoff"), std::string::npos);
}

}  // namespace
}  // namespace zt6
