#include "report/calculation_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/codepage.h"

namespace zt6 {
namespace {

// A design whose values are easy to find in the report.
DesignRecord Design() {
  DesignRecord d;
  d.designation = "12x14";
  d.dimensionSource = DimensionSource::SelfDefined;
  d.z = 31;
  d.P = 2.5;
  d.D = 13.0;
  d.material[0].number = "1.7131";
  d.material[0].name = "  16MnCr5 ";
  d.material[1].number = "1.1191";
  d.material[1].name = "ein sehr langer Werkstoffname";
  d.material[0].Re = 590;
  d.taunmax = 295;  // exactly half of Re
  return d;
}

struct Report {
  std::vector<std::string> lines;  // UTF-8, without the 7-blank indent
  int pages = 0;

  // The line whose text starts with the label, or "" when there is none.
  std::string Row(const std::string& label) const {
    for (const std::string& line : lines)
      if (line.rfind(label, 0) == 0) return line;
    return {};
  }
  bool Has(const std::string& text) const {
    for (const std::string& line : lines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
};

Report Write(const DesignRecord& design, int language = 1,
             UnitSystem units = UnitSystem::Metric) {
  Vocabulary words;
  words.Load(language);
  FormatSettings format;
  format.units = units;
  ReportWriter writer;
  writer.SetHeader(CalculationReportHeader(design, words, "1.5"), 0);
  writer.SetColumns(CalculationReportColumns(words));
  ReportSettings settings;
  writer.Begin(3, "out.txt", settings, ReportPageInfo{});
  writer.PageHeader(0, 0);
  EXPECT_TRUE(WriteCalculationReportPages(writer, design, words, format, {}));
  Report report;
  report.pages = writer.PageNumber();
  const std::string text = Cp850ToUtf8(writer.Output());
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    report.lines.push_back(text.substr(start, end - start).substr(7));
  return report;
}

// The text at the 1-based column of a report line; columns count UTF-8 characters.
std::string At(const std::string& line, std::size_t column, std::size_t length) {
  return Utf8ToCp850(line).substr(column - 1, length);
}

TEST(CalculationReport, SelfDefinedDimensionsLeaveOutTheDeviationPage) {
  const Report selfDefined = Write(Design());
  EXPECT_FALSE(selfDefined.Has("Einzelabweichungen"));
  DesignRecord database = Design();
  database.dimensionSource = DimensionSource::Database;
  const Report fromTable = Write(database);
  EXPECT_TRUE(fromTable.Has("Einzelabweichungen (Richtwerte)"));
  EXPECT_EQ(fromTable.pages, selfDefined.pages + 1);
  EXPECT_EQ(At(fromTable.Row("Flankenlinien-Gesamtabweichung"), 35, 3), Oem("F ß"));
}

TEST(CalculationReport, ShearStressRowOnlyAboveHalfTheYieldStrength) {
  DesignRecord d = Design();
  EXPECT_EQ(Write(d).Row("Max.Torsionsspannung Welle"), "");
  d.taunmax = 295.001;
  const std::string row = Write(d).Row("Max.Torsionsspannung Welle");
  EXPECT_EQ(At(row, 35, 7), "taunmax");
  EXPECT_EQ(At(row, 44, 3), "MPa");
  EXPECT_EQ(At(row, 56, 6), "   295");  // Stress 6.0
}

TEST(CalculationReport, MaterialSection) {
  DesignRecord d = Design();
  const Report report = Write(d);
  EXPECT_EQ(Report{report}.Row("Werkstoffname 1/2:"),
            "Werkstoffname 1/2:                      16MnCr5 / ein sehr langer Werk");
  EXPECT_EQ(At(report.Row("Werkstoffnummer"), 51, 6), "1.7131");
  EXPECT_EQ(At(report.Row("Werkstoffnummer"), 62, 6), "1.1191");
  d.material[0].number.clear();
  const Report withoutNumber = Write(d);
  EXPECT_EQ(withoutNumber.Row("Werkstoffnummer"), "");
  EXPECT_NE(withoutNumber.Row("Werkstoffname 1/2:"), "");
}

TEST(CalculationReport, EnglishWordsAndUnits) {
  const Report report = Write(Design(), 2, UnitSystem::English);
  EXPECT_TRUE(report.Has("DIMENSIONS"));
  EXPECT_FALSE(report.Has("ABMESSUNGEN"));
  // A pitch of 2.5 mm by the Length 6.2 rule: three decimals in nine characters.
  const std::string pitch = report.Row("Pitch");
  EXPECT_EQ(At(pitch, 35, 1), "P");
  EXPECT_EQ(At(pitch, 44, 2), "in");
  EXPECT_EQ(At(pitch, 56, 10), "    0.098 ");
  EXPECT_NE(report.Row("Number of teeth"), "");
  EXPECT_NE(report.Row("Tip diameter shaft min"), "");
  EXPECT_NE(report.Row("equivalent eff.surface pressure"), "");
  EXPECT_NE(report.Row("safety   fW*padm/peq"), "");
  // Pins over the shaft's teeth, between the hub's.
  EXPECT_EQ(At(report.Row("measurement over pins max.Ref."), 35, 6), "MRemax");
  EXPECT_EQ(At(report.Row("measurement between pins max."), 35, 6), "MRimax");
  EXPECT_TRUE(report.Has("STRENGTH TO NIEMANN (2005)"));
  // Column headings of the later pages, and the material section in English too.
  bool headings = false;
  for (const std::string& line : report.lines) {
    if (line.find("sign") == std::string::npos) continue;
    headings = true;
    EXPECT_EQ(At(line, 35, 4), "sign");
    EXPECT_EQ(At(line, 44, 4), "unit");
    EXPECT_EQ(At(line, 51, 7), "  shaft");
    EXPECT_EQ(At(line, 62, 3), "hub");
  }
  EXPECT_TRUE(headings);
  EXPECT_TRUE(report.Has("MATERIAL SHAFT/HUB"));
  EXPECT_FALSE(report.Has("WERKSTOFF"));
  EXPECT_NE(report.Row("Material name 1/2:"), "");
  EXPECT_NE(report.Row("Support factor"), "");
  EXPECT_NE(report.Row("Permissible surface pressure"), "");
  EXPECT_EQ(At(report.Row("yield strength"), 44, 3), "psi");
  EXPECT_NE(report.Row("Tolerance actual shaft"), "");
  EXPECT_NE(report.Row("tooth thickness max. effective"), "");
}

TEST(CalculationReport, HeaderNamesTheDrawings) {
  DesignRecord d = Design();
  d.drawing.shaftName1 = "Antriebswelle";
  d.drawing.shaftNumber = "W-4711";
  d.drawing.infoLines = {"Info eins", "Info zwei", "Info drei"};
  Vocabulary english;
  english.Load(2);
  const auto header = CalculationReportHeader(d, english, "1.5");
  EXPECT_EQ(header[0], "ZT6 V1.5  Serration to DIN 5481");
  // The name from column 1, "No.: " and the number from column 40, 72 characters in all.
  EXPECT_EQ(header[1], "Antriebswelle" + std::string(26, ' ') + "No.: W-4711" + std::string(22, ' '));
  EXPECT_EQ(header[3], "Info eins");
  EXPECT_EQ(header[4], "Info zwei");
  EXPECT_EQ(CalculationReportColumns(english),
            (std::array<std::string, 5>{"", "sign", "unit", "  shaft", "hub"}));
}

TEST(Vocabulary, LoadsGermanOrEnglishOnly) {
  Vocabulary words;
  EXPECT_EQ(words["Zähnezahl"], Oem("Zähnezahl"));
  words.Load(2);
  EXPECT_EQ(words["Zähnezahl"], "Number of teeth");
  EXPECT_EQ(words["unter Last verschiebbare Nabe"], "under load displaceable hub");
  words.Load(1);
  words.Load(7);  // no vocabulary of its own: the English words
  EXPECT_EQ(words.Language(), 2);
  EXPECT_EQ(words["Welle"], "shaft");
  EXPECT_THROW(words["Unbekannt"], std::out_of_range);
}

}  // namespace
}  // namespace zt6
