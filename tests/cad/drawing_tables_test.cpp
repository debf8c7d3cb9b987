// The drawing tables: the grid of the table builder, the data, load, strength and fit
// tables of a calculated 12x14 serration, read back from the DXF file they go to.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cad/drawing_table_builder.h"
#include "cad/drawing_tables.h"
#include "cad/fit_table.h"
#include "cad_fixture.h"
#include "calc/iso286.h"
#include "base/codepage.h"

namespace zt6 {
namespace {

using cad_test::CadFixture;
using cad_test::Calculated12x14;

struct DrawnText {
  std::string layer;
  double x = 0;
  double y = 0;
  double height = 0;
  double widthFactor = 0;
  std::string text;
};

struct DrawnLine {
  std::string layer;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool Vertical() const { return x1 == x2; }
};

struct Drawn {
  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;

  // The texts on a layer at one x, top to bottom.
  std::vector<const DrawnText*> Column(const std::string& layer, double x) const {
    std::vector<const DrawnText*> found;
    for (const DrawnText& t : texts)
      if (t.layer == layer && std::abs(t.x - x) < 1e-6) found.push_back(&t);
    std::stable_sort(found.begin(), found.end(),
                     [](const DrawnText* a, const DrawnText* b) { return a->y > b->y; });
    return found;
  }
  const DrawnText* Find(const std::string& text) const {
    for (const DrawnText& t : texts)
      if (t.text == text) return &t;
    return nullptr;
  }
};

// Draws between begin and finish of a DXF output and reads the TEXT and LINE entities.
template <typename Draw>
Drawn DrawDxf(Draw draw) {
  CadFixture f;
  const std::vector<DxfGroup> groups = cad_test::DrawDxf(f, draw, 210, 297);
  Drawn drawn;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code != 0 || (groups[i].value != "TEXT" && groups[i].value != "LINE")) continue;
    DrawnText t;
    DrawnLine l;
    for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j) {
      const DxfGroup& g = groups[j];
      const double v = g.code == 1 || g.code == 8 || g.code == 7 ? 0 : BlockNumber(g.value);
      switch (g.code) {
        case 8: t.layer = l.layer = g.value; break;
        case 1: t.text = g.value; break;
        case 10: t.x = l.x1 = v; break;
        case 20: t.y = l.y1 = v; break;
        case 11: l.x2 = v; break;
        case 21: l.y2 = v; break;
        case 40: t.height = v; break;
        case 41: t.widthFactor = v; break;
        default: break;
      }
    }
    if (groups[i].value == "TEXT") drawn.texts.push_back(t);
    else drawn.lines.push_back(l);
  }
  return drawn;
}

DesignRecord Example() {
  DesignRecord d = Calculated12x14();
  d.designation = "12x14";
  return d;
}

TEST(DrawingTableBuilder, ColumnsRowsAndCellTexts) {
  // h = 2: columns of 5 and 3 characters are 9 and 5.4 wide, rows 4 high. " Title" at
  // width factor 0.75 would be 9 wide: it is narrowed to end 0.3 before the rule.
  const Drawn drawn = DrawDxf([](CadOutput& cad) {
    DrawingTable table(cad, 10, 50, 2, {5, 3});
    EXPECT_DOUBLE_EQ(table.ColumnX(1), 19);
    EXPECT_DOUBLE_EQ(table.ColumnX(2), 24.4);
    EXPECT_DOUBLE_EQ(table.ColumnX(7), 24.4);
    table.Header({"Title"});
    table.Row({"a", "b"});
    table.Row({"", "x"});
  });
  struct Expected {
    const char* text;
    const char* layer;
    double x, y;
    double widthFactor = 0.75;
  };
  for (const Expected& e : {Expected{" Title", "17", 10, 47, 8.7 / 12}, Expected{" a", "18", 10, 43},
                            Expected{" b", "18", 19, 43}, Expected{" x", "18", 19, 39}}) {
    const DrawnText* t = drawn.Find(e.text);
    ASSERT_NE(t, nullptr) << e.text;
    EXPECT_EQ(t->layer, e.layer) << e.text;
    EXPECT_NEAR(t->x, e.x, 1e-6) << e.text;
    EXPECT_NEAR(t->y, e.y, 1e-6) << e.text;
    EXPECT_NEAR(t->height, 2, 1e-6);
    EXPECT_NEAR(t->widthFactor, e.widthFactor, 1e-6) << e.text;
  }
  EXPECT_EQ(drawn.texts.size(), 4u);  // the empty cell is not written

  std::vector<double> horizontals;  // y of every horizontal line across the full width
  std::vector<std::pair<double, double>> verticals;  // x and top
  for (const DrawnLine& l : drawn.lines) {
    EXPECT_EQ(l.layer, "17");
    if (l.Vertical()) {
      EXPECT_NEAR(std::abs(l.y1 - l.y2), 4, 1e-6);
      verticals.emplace_back(l.x1, std::max(l.y1, l.y2));
    } else {
      EXPECT_NEAR(std::min(l.x1, l.x2), 10, 1e-6);
      EXPECT_NEAR(std::max(l.x1, l.x2), 24.4, 1e-6);
      horizontals.push_back(l.y1);
    }
  }
  std::sort(horizontals.begin(), horizontals.end());
  EXPECT_EQ(horizontals, (std::vector<double>{38, 42, 46, 50}))
      << "header top and bottom, then one bottom line per row";
  std::sort(verticals.begin(), verticals.end());
  // Header: both edges and the one separator; each row: all three boundaries. The file
  // holds six decimals, so the values read back are exact.
  EXPECT_EQ(verticals, (std::vector<std::pair<double, double>>{
                           {10, 42}, {10, 46}, {10, 50}, {19, 42}, {19, 46}, {19, 50},
                           {24.4, 42}, {24.4, 46}, {24.4, 50}}));
}

// Row of every symbol: 1 is the first row below the header, "" a blank row.
struct DataTableCase {
  int part;
  int kind;
  double symbolX;  // x + 0.9 * 3.5 * first column width
  std::vector<std::string> symbols;
};

TEST(DataTable, RowsOfEachPartAndKind) {
  const DesignRecord d = Example();
  const std::string beta = Oem("Fß");
  const std::vector<DataTableCase> cases{
      {1, 1, 63, {"Z", "m", "gam.e", "D", "Dee", "Remax", "Die", "P"}},
      {1, 2, 81.9, {"Z", "m", "gam.e", "D", "", "Dee", "DFe", "Remax", "", "Sv", "Smax",
                    "Smin", "", "DRe", "MRemax", "MRemin", "", "Falpha", beta, "Fp", "Fr"}},
      {2, 1, 63, {"Z", "m", "gam.i", "D", "Rimax", "Dii", "Dei", "P"}},
      {2, 2, 81.9, {"Z", "m", "gam.i", "D", "", "Rimax", "DFi", "Dii", "", "Emax", "Emin",
                    "Ev", "", "DRi", "MRimax", "MRimin", "", "Falpha", beta, "Fp", "Fr"}},
  };
  for (const DataTableCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "part " << c.part << " kind " << c.kind);
    const Drawn drawn = DrawDxf([&](CadOutput& cad) {
      DrawDataTable(cad, d, c.part, c.kind, 0, 100, Vocabulary(), FormatSettings());
    });
    std::vector<std::string> byRow(c.symbols.size());
    for (const DrawnText* t : drawn.Column("18", c.symbolX)) {
      const double row = (100 - t->y - 1.5 * 3.5) / 7;  // baseline 0.5 h above the bottom
      const auto k = static_cast<std::size_t>(std::lround(row));
      ASSERT_NEAR(row, static_cast<double>(k), 1e-6) << t->text;
      ASSERT_TRUE(k >= 1 && k <= byRow.size()) << t->text;
      byRow[k - 1] = t->text.substr(1);
    }
    EXPECT_EQ(byRow, c.symbols);
    // One bottom line per row, blank rows included, below the header band.
    const auto bottoms = std::count_if(drawn.lines.begin(), drawn.lines.end(), [](auto& l) {
      return !l.Vertical() && l.y1 < 100 - 7 - 1e-6;
    });
    EXPECT_EQ(bottoms, static_cast<long>(c.symbols.size()));
  }
}

TEST(DataTable, ShaftValuesOfTheExample) {
  const DesignRecord d = Example();
  const Drawn drawn = DrawDxf([&](CadOutput& cad) {
    DrawDataTable(cad, d, 1, 2, 0, 100, Vocabulary(), FormatSettings());
  });
  // Tolerance kind: columns of 26, 7, 4 characters at h = 3.5.
  EXPECT_NE(drawn.Find(Oem(" Welle 12x14")), nullptr);
  const auto values = drawn.Column("18", 116.55);
  ASSERT_GE(values.size(), 5u);
  EXPECT_EQ(values[0]->text, std::string(8, ' ') + "31");  // blank + z right-aligned in 9
  EXPECT_EQ(values[1]->text, "  (0.4194)");        // 13/31 with four decimals
  EXPECT_EQ(values[2]->text, "    60.000");        // F5.3
  EXPECT_EQ(values[3]->text, "     13.00");        // L6.2
  EXPECT_EQ(values[4]->text, "     14.2 a11");     // L6.1 + the fit
  const auto units = drawn.Column("18", 103.95);
  ASSERT_GE(units.size(), 3u);
  EXPECT_EQ(units[0]->text, " mm");  // m (z has no unit)
  EXPECT_EQ(units[1]->text, Oem(" °"));
  EXPECT_NE(drawn.Find(Oem(" Fuß-Formkreisdurchmesser")), nullptr);
  EXPECT_NE(drawn.Find(Oem(" Zahndicke max.wirksam")), nullptr);
}

// The tables give no deviation for a self-defined design or a width beyond their range:
// the record holds 0 there, which the sheet shows as a dash, never as 0.000.
TEST(DataTable, DeviationsTheTablesDoNotGiveShowADash) {
  DesignRecord d = Example();
  d.Falpha[0] = 0.011;
  d.Fbeta[0] = 0;  // l beyond the table's range
  d.Fp[0] = 0.02;
  d.Fr = 0;
  for (const int part : {1, 2}) {
    d.Falpha[1] = 0.011;
    d.Fbeta[1] = 0;
    d.Fp[1] = 0.02;
    const Drawn drawn = DrawDxf([&](CadOutput& cad) {
      DrawDataTable(cad, d, part, 2, 0, 100, Vocabulary(), FormatSettings());
    });
    const auto values = drawn.Column("18", 116.55);
    ASSERT_GE(values.size(), 4u);
    const std::string expected[] = {"     0.011", std::string(5, ' ') + Oem("─"), "     0.020",
                                    std::string(5, ' ') + Oem("─")};
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(values[values.size() - 4 + i]->text, expected[i]) << "part " << part << " row " << i;
  }
}

// A size with a fit keeps its digits (28.575 a11, not 28.57), in inches with four
// decimals (1.1250 a11, not 1.12), as does every diameter in inches; on the data tables
// of shaft and hub and on the fit table alike.
TEST(DataTable, FittedSizesAndInchDiametersKeepTheirDigits) {
  DesignRecord d = Example();
  d.Dee = 28.575;
  d.Dii = 25.4;
  d.D = 26.9875;
  FormatSettings inches;
  inches.units = UnitSystem::English;
  const struct {
    const char* what;
    FormatSettings format;
    std::vector<std::string> texts;
  } cases[] = {
      {"mm", FormatSettings(), {" 28.575 a11", "   25.4 A11", "     26.99"}},
      {"inches", inches, {" 1.1250 a11", " 1.0000 A11", " 1.0625"}},
  };
  for (const auto& c : cases) {
    const Drawn drawn = DrawDxf([&](CadOutput& cad) {
      DrawDataTable(cad, d, 1, 2, 0, 100, Vocabulary(), c.format);
      DrawDataTable(cad, d, 2, 2, 0, 200, Vocabulary(), c.format);
      DrawFitTable(cad, d, 8, c.format);
    });
    for (const std::string& text : c.texts)
      EXPECT_TRUE(std::any_of(drawn.texts.begin(), drawn.texts.end(), [&](const DrawnText& t) {
        return t.text.ends_with(text);
      })) << c.what << ": " << text;
  }
  const Drawn fit = DrawDxf([&](CadOutput& cad) { DrawFitTable(cad, d, 8, inches); });
  EXPECT_NE(fit.Find(" 1.1250 a11"), nullptr);
}

TEST(DataTable, EnglishWordsAndUnits) {
  DesignRecord d = Example();
  Vocabulary english;
  english.Load(2);
  FormatSettings inch;
  inch.units = UnitSystem::English;
  const Drawn drawn = DrawDxf([&](CadOutput& cad) {
    DrawDataTable(cad, d, 2, 1, 0, 100, english, inch);
  });
  const auto labels = drawn.Column("18", 0);
  ASSERT_EQ(labels.size(), 8u);
  EXPECT_EQ(labels[0]->text, " Number of teeth");
  EXPECT_EQ(labels[2]->text, " Gap angle interior");
  EXPECT_EQ(labels[5]->text, " Tip diameter");
  EXPECT_NE(drawn.Find(" hub 12x14"), nullptr);
  // D = 13 mm = 0.51181 in: a diameter in inches has four decimals.
  const auto values = drawn.Column("18", 94.5);
  ASSERT_EQ(values.size(), 8u);
  EXPECT_EQ(values[3]->text, "     0.5118");
  EXPECT_EQ(drawn.Column("18", 81.9)[2]->text, " in");  // z has no unit
}

TEST(DrawingTables, UnknownPartKindOrDrawingDrawNothing) {
  const DesignRecord d = Example();
  for (const auto& [part, kind] : std::vector<std::pair<int, int>>{{0, 1}, {3, 2}, {1, 0}, {2, 3}}) {
    const Drawn drawn = DrawDxf([&](CadOutput& cad) {
      DrawDataTable(cad, d, part, kind, 0, 100, Vocabulary(), FormatSettings());
    });
    EXPECT_TRUE(drawn.texts.empty() && drawn.lines.empty()) << part << " " << kind;
  }
  for (int kind : {5, 9}) {
    const Drawn drawn =
        DrawDxf([&](CadOutput& cad) { DrawFitTable(cad, d, kind, FormatSettings()); });
    EXPECT_TRUE(drawn.texts.empty() && drawn.lines.empty()) << kind;
  }
}

TEST(LoadTable, ValuesOfTheExampleWithTeqAlwaysInNewtonMetres) {
  const DesignRecord d = Example();  // TN 20, Tmax 60, KA 1.25, l 26
  ASSERT_DOUBLE_EQ(d.Teq, 25);
  struct Case {
    UnitSystem units;
    std::vector<std::string> symbols, units_, values;
  };
  // Columns 27, 7, 7 characters at h = 3.5: symbol at 85.05, unit at 107.1, value at 129.15.
  const std::vector<Case> cases{
      {UnitSystem::Metric,
       {"TN", "Tmax", "KA", "Teq", "l", "fW", "K lambda", "peq", "pmax"},
       {"Nm", "Nm", "", "Nm", "mm", "", "", "MPa", "MPa"},
       {"20", "60", "   1.25", "25", "    26.00", "   1.00", "  1.00"}},
      // 20 Nm = 177.01 lbfin, 60 Nm = 531.04 lbfin, 26 mm = 1.0236 in; Teq stays.
      {UnitSystem::English,
       {"TN", "Tmax", "KA", "Teq", "l", "fW", "K lambda", "peq", "pmax"},
       {"lbfin", "lbfin", "", "Nm", "in", "", "", "psi", "psi"},
       {"177", "531", "   1.25", "25", "    1.024", "   1.00", "  1.00"}},
  };
  for (const Case& c : cases) {
    FormatSettings format;
    format.units = c.units;
    const Drawn drawn = DrawDxf(
        [&](CadOutput& cad) { DrawLoadTable(cad, d, 0, 100, Vocabulary(), format); });
    EXPECT_NE(drawn.Find(" Last"), nullptr);
    const auto symbols = drawn.Column("18", 85.05);
    ASSERT_EQ(symbols.size(), c.symbols.size());
    for (std::size_t i = 0; i < symbols.size(); ++i) EXPECT_EQ(symbols[i]->text, " " + c.symbols[i]);
    // Rows without a unit leave the cell empty; match units to rows by height.
    for (std::size_t i = 0; i < symbols.size(); ++i) {
      std::string unit;
      for (const DrawnText* u : drawn.Column("18", 107.1))
        if (std::abs(u->y - symbols[i]->y) < 1e-6) unit = u->text.substr(1);
      EXPECT_EQ(unit, c.units_[i]) << c.symbols[i];
    }
    const auto values = drawn.Column("18", 129.15);
    ASSERT_EQ(values.size(), 9u);
    for (std::size_t i = 0; i < c.values.size(); ++i)
      EXPECT_EQ(values[i]->text, " " + c.values[i]) << c.symbols[i];
  }
}

TEST(StrengthTable, HeaderColumnsMaterialsAndPermissibleWord) {
  const DesignRecord d = Example();
  for (int language : {1, 2}) {
    Vocabulary words;
    words.Load(language);
    const Drawn drawn = DrawDxf(
        [&](CadOutput& cad) { DrawStrengthTable(cad, d, 10, 100, words, FormatSettings()); });
    // Columns 22, 6, 6, 7 characters at h = 3.5 from x = 10.
    const DrawnText* one = drawn.Find(" 1");
    const DrawnText* two = drawn.Find(" 2");
    ASSERT_TRUE(one && two);
    EXPECT_NEAR(one->x, 117.1, 1e-6);
    EXPECT_NEAR(two->x, 139.15, 1e-6);
    EXPECT_NEAR(one->y, 100 - 5.25, 1e-6);
    EXPECT_NE(drawn.Find(language == 1 ? " FESTIGKEIT" : " STRENGTH"), nullptr);
    const auto shaft = drawn.Column("18", 117.1);
    const auto hub = drawn.Column("18", 139.15);
    ASSERT_EQ(shaft.size(), 8u);
    ASSERT_EQ(hub.size(), 8u);
    EXPECT_EQ(shaft[0]->text, " 30CrMoV9");
    // A material is an identifier: eleven characters narrow to a width factor of at
    // least 0.5 in the 7-character column, whole, and end before the table's edge.
    EXPECT_EQ(hub[0]->text, " EN-GJL-300");
    EXPECT_GE(hub[0]->widthFactor, 0.5);
    EXPECT_LE(hub[0]->x + 11 * 3.5 * hub[0]->widthFactor, 139.15 + 7 * 0.9 * 3.5);
    EXPECT_EQ(shaft[1]->text, "   1050");  // stress 6.0
    EXPECT_EQ(hub[2]->text, "   2.00");    // fS F3.2
    const std::string permissible = language == 1 ? "zul" : "adm";
    EXPECT_NE(drawn.Find(" p" + permissible), nullptr);
    const std::string safety = language == 1 ? " Sicherheit" : " safety";
    EXPECT_NE(drawn.Find(safety + "   fL*p" + permissible + "/pmax"), nullptr);
  }
}

TEST(FitTable, LimitsOfTheTipDiametersFromIso286) {
  const DesignRecord d = Example();
  // ISO 286-1: a, 14-18 mm: es = -290 um; A, 10-14 mm: EI = +290 um; IT11 over 10 up to
  // 18 mm = 110 um. So Dee 14.2 a11 is 13.800 ... 13.910 and Dii 12 A11 12.290 ... 12.400.
  const ToleranceLimits dee = Limits(14.2, "a11");
  const ToleranceLimits dii = Limits(12, "A11");
  ASSERT_DOUBLE_EQ(dee.upperDeviation, -290);
  ASSERT_DOUBLE_EQ(dee.lowerDeviation, -400);
  ASSERT_DOUBLE_EQ(dii.lowerDeviation, 290);
  ASSERT_DOUBLE_EQ(dii.upperDeviation, 400);

  struct Case {
    int kind;
    double x, y;
    std::vector<std::vector<std::string>> rows;
  };
  const std::vector<std::string> deeRow{" 14.2 a11", "   13.800", "   13.910"};
  const std::vector<std::string> diiRow{" 12 A11", "   12.290", "   12.400"};
  for (const Case& c : {Case{6, 132, 58, {deeRow}}, Case{7, 132, 58, {diiRow}},
                        Case{8, 134, 62, {deeRow, diiRow}}}) {
    SCOPED_TRACE(c.kind);
    const Drawn drawn =
        DrawDxf([&](CadOutput& cad) { DrawFitTable(cad, d, c.kind, FormatSettings()); });
    const std::vector<std::string> headings{Oem(" Paßmaß"), Oem(" Mindestmaß"),
                                            Oem(" Höchstmaß")};
    for (std::size_t col = 0; col < 3; ++col) {
      const double x = c.x + 22.5 * static_cast<double>(col);  // 10 characters at h = 2.5
      const DrawnText* heading = drawn.Find(headings[col]);
      ASSERT_NE(heading, nullptr);
      EXPECT_NEAR(heading->x, x, 1e-6);
      EXPECT_NEAR(heading->y, c.y - 3.75, 1e-6);
      EXPECT_NEAR(heading->height, 2.5, 1e-6);
      const auto cells = drawn.Column("18", x);
      ASSERT_EQ(cells.size(), c.rows.size());
      for (std::size_t r = 0; r < c.rows.size(); ++r) {
        EXPECT_EQ(cells[r]->text, c.rows[r][col]);
        EXPECT_NEAR(cells[r]->y, c.y - 5 * static_cast<double>(r + 1) - 3.75, 1e-6);
      }
    }
  }
}

}  // namespace
}  // namespace zt6
