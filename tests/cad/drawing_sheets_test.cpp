// The sheets of the drawing list: blocks and inserts per kind, the manufacturing
// frame with its change table and switches, the tolerance diagram and the list texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "cad/drawing_sheets.h"
#include "cad/manufacturing_frame.h"
#include "cad_fixture.h"
#include "dxf_entities.h"
#include "base/codepage.h"

namespace zt6 {
namespace {

using cad_test::CadFixture;
using cad_test::Calculated12x14;
using cad_test::DxfEntities;
using cad_test::DxfEntity;

std::vector<DxfEntity> Produced(const DesignRecord& d, int kind, const DocumentationData& docs = {},
                                FrameOptions frame = {}) {
  CadFixture f;
  EXPECT_TRUE(cad_test::Produce(f, d, kind, CadOutputType::Dxf, docs, std::move(frame)));
  return DxfEntities(f.DxfGroups());
}

std::vector<const DxfEntity*> Where(const std::vector<DxfEntity>& all, const std::string& block,
                                    const std::string& type) {
  std::vector<const DxfEntity*> found;
  for (const DxfEntity& e : all)
    if (e.block == block && e.type == type) found.push_back(&e);
  return found;
}

const DxfEntity* TextAt(const std::vector<DxfEntity>& all, const std::string& block, double x,
                        double y) {
  for (const DxfEntity* e : Where(all, block, "TEXT"))
    if (std::abs(e->x - x) < 1e-6 && std::abs(e->y - y) < 1e-6) return e;
  return nullptr;
}

std::vector<std::string> BlockNames(const std::vector<DxfEntity>& all) {
  std::vector<std::string> names;
  for (const DxfEntity& e : all)
    if (!e.block.empty() && (names.empty() || names.back() != e.block)) names.push_back(e.block);
  return names;
}

TEST(ChangeIndex, LettersNumbersOrCapitals) {
  struct Case {
    std::size_t index;
    int style;
    const char* text;
  };
  for (const Case& c : {Case{1, 0, "a"}, Case{3, 0, "c"}, Case{3, 1, "3"}, Case{3, 2, "C"},
                        Case{26, 2, "Z"}, Case{12, 1, "12"}})
    EXPECT_EQ(ChangeIndexText(c.index, c.style), c.text) << c.index << " " << c.style;
}

TEST(DrawingSheets, BlocksAndInsertsOfEachKind) {
  const DesignRecord d = Calculated12x14();
  struct Insert {
    const char* name;
    double x, y, sx, sy;
  };
  struct Case {
    int kind;
    std::vector<std::string> blocks;
    std::vector<Insert> inserts;  // besides the teeth of the profile kinds
  };
  const std::vector<Case> cases{
      {3, {}, {}},
      {13, {}, {}},
      {14, {}, {}},
      {5,
       {"zahn1", "zahn2", "profil", "TABLE_1", "TABLE_2", "TABLE_3", "TABLE_4"},
       {{"TABLE_1", 2, 42, 0.6, 0.6},
        {"TABLE_2", 82, 42, 0.6, 0.6},
        {"TABLE_3", 82, 117, 0.5, 0.5},
        {"TABLE_4", 82, 78, 0.5, 0.5},
        {"profil", 40, 85, 45 / d.Dii, 45 / d.Dii}}},
      {6,
       {"FRAME_1", "zahn1", "zahn2", "profil", "TABLE_1"},
       {{"FRAME_1", 0, 0, 1, 1}, {"profil", 110, 240, 80 / d.Dee, 80 / d.Dee},
        {"TABLE_1", 52, 188, 0.8, 0.8}}},
      {8,
       {"FRAME_1", "zahn1", "zahn2", "profil", "TABLE_1", "TABLE_2", "TABLE_3", "TABLE_4"},
       {{"FRAME_1", 0, 0, 1, 1}, {"profil", 110, 240, 80 / d.Dee, 80 / d.Dee},
        {"TABLE_1", 22, 180, 0.6, 0.75}, {"TABLE_2", 113, 180, 0.6, 0.75}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const std::vector<DxfEntity> all = Produced(d, c.kind);
    EXPECT_EQ(BlockNames(all), c.blocks);
    const auto inserts = Where(all, "", "INSERT");
    ASSERT_EQ(inserts.size(), c.inserts.size());
    for (std::size_t i = 0; i < inserts.size(); ++i) {
      EXPECT_EQ(inserts[i]->name, c.inserts[i].name);
      EXPECT_NEAR(inserts[i]->x, c.inserts[i].x, 1e-6);
      EXPECT_NEAR(inserts[i]->y, c.inserts[i].y, 1e-6);
      EXPECT_NEAR(inserts[i]->sx, c.inserts[i].sx, 1e-6);
      EXPECT_NEAR(inserts[i]->sy, c.inserts[i].sy, 1e-6);
    }
    // Table sheets hold tables only: text on the table layers, no profile.
    if (c.blocks.empty() && c.kind != 14) {
      EXPECT_TRUE(Where(all, "", "POLYLINE").empty());
      EXPECT_FALSE(Where(all, "", "TEXT").empty());
    }
  }
}

// Where shaft and hub are drawn together (the profiles and the tooth forms of both), the
// hub's outline is on a layer of its own, in another colour than the shaft's.
TEST(DrawingSheets, TheHubOutlineHasItsOwnLayerAndColour) {
  const CadSettings settings;
  for (const int kind : {9, 17}) {
    const auto all = Produced(Calculated12x14(), kind);
    const auto shaft = Where(all, "zahn1", "POLYLINE");
    const auto hub = Where(all, "zahn2", "POLYLINE");
    ASSERT_EQ(shaft.size(), 1u) << kind;
    ASSERT_EQ(hub.size(), 1u) << kind;
    EXPECT_EQ(shaft[0]->layer, "5") << kind;
    EXPECT_EQ(hub[0]->layer, "20") << kind;
  }
  EXPECT_NE(settings.colours16to31[20 - 16], settings.layerColours[5]);
}

TEST(DrawingSheets, SheetLimitsOfTheKinds) {
  const DesignRecord d = Calculated12x14();
  struct Case {
    int kind;
    double x1, y1, x2, y2;
  };
  // The table sheets reach 5 mm beyond their tables of 126 (data) and 148.05 mm.
  for (const Case& c : {Case{1, -d.Dii, -0.8 * d.Dii, d.Dii, 0.8 * d.Dii},
                        Case{4, -5, -5, 131, 100}, Case{5, 0, 0, 160, 120},
                        Case{7, -5, -5, 225, 310}, Case{10, -5, -5, 131, 150},
                        Case{12, -5, -5, 153.05, 160}, Case{13, -2, -5, 300, 200}}) {
    CadFixture f;
    ASSERT_TRUE(cad_test::Produce(f, d, c.kind, CadOutputType::Dxf));
    EXPECT_EQ(f.cad.LimitX1(), c.x1) << c.kind;
    EXPECT_EQ(f.cad.LimitY1(), c.y1) << c.kind;
    EXPECT_NEAR(f.cad.LimitX2(), c.x2, 1e-9) << c.kind;
    EXPECT_EQ(f.cad.LimitY2(), c.y2) << c.kind;
  }
}

// More records than rows: the bottom row names the oldest records it leaves out, the
// seven newest fill the rows above.
TEST(ManufacturingFrame, TenChangeRecordsNameTheThreeTheyLeaveOut) {
  DocumentationData docs;
  docs.changeCount = 10;
  for (std::size_t i = 0; i < 10; ++i) {
    docs.changes[i].changeText = "Text " + std::to_string(i + 1);
    docs.changes[i].date = "0" + std::to_string(i) + ".01.2026";
    docs.changes[i].editor = "ab";
  }
  const auto all = Produced(Calculated12x14(), 6, docs);
  ASSERT_NE(TextAt(all, "FRAME_1", 19, 6.5 + 4.2), nullptr);
  EXPECT_EQ(TextAt(all, "FRAME_1", 19, 6.5 + 4.2)->text, "a-c");
  ASSERT_NE(TextAt(all, "FRAME_1", 27, 6.5 + 4.2), nullptr);
  EXPECT_EQ(TextAt(all, "FRAME_1", 27, 6.5 + 4.2)->text, "nicht dargestellt");
  for (int row = 2; row <= 8; ++row) {
    const double y = 6.5 + 4.2 * row;
    const std::size_t record = static_cast<std::size_t>(row) + 2;  // records 4 .. 10
    const DxfEntity* index = TextAt(all, "FRAME_1", 21, y);
    ASSERT_NE(index, nullptr) << row;
    EXPECT_EQ(index->text, std::string(1, static_cast<char>('a' + record - 1)));
    const DxfEntity* text = TextAt(all, "FRAME_1", 27, y);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "Text " + std::to_string(record));
    EXPECT_NE(TextAt(all, "FRAME_1", 52.5, y), nullptr);
    EXPECT_NE(TextAt(all, "FRAME_1", 66, y), nullptr);
  }
  EXPECT_EQ(TextAt(all, "FRAME_1", 21, 6.5 + 4.2 * 9), nullptr);
}

// Numbers, names and persons keep every character: narrower, lower, on two lines (a
// joined text at its "/"); a text that fits in no way ends with "..." and a message.
TEST(ManufacturingFrame, IdentifiersAreNeverCut) {
  DesignRecord d = Calculated12x14();
  d.drawing.shaftName1 = "Zwischenwelle Stufe 2/3";
  d.drawing.hubName1 = "Kupplungsnabe Stufe 2/3";
  d.drawing.shaftNumber = "HG2400-310-0045-A";
  d.drawing.hubNumber = "HG2400-320-0046-B";
  d.drawing.infoLines[0] = Oem("Hauptgetriebe HG 2400 für Schwerlast-Förderanlage Nord");
  DocumentationData docs;
  docs.changeCount = 1;
  docs.changes[0] = {"Text", "01.01.2026", Oem("Weißenb"), ""};
  docs.signOff[0] = {"01.01.2026", Oem("Weißenberger")};
  const auto all = Produced(d, 8, docs);
  // The frame's texts between two heights, top line first, joined.
  const auto within = [&](double x1, double x2, double y1, double y2) {
    std::vector<const DxfEntity*> found;
    for (const DxfEntity* e : Where(all, "FRAME_1", "TEXT"))
      if (e->x >= x1 && e->x < x2 && e->y >= y1 && e->y < y2) found.push_back(e);
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->y > b->y; });
    std::string joined;
    for (const DxfEntity* e : found) joined += e->text;
    return joined;
  };
  const struct {
    const char* what;
    double x1, x2, y1, y2;
    std::string whole;
  } cases[] = {
      {"name", 119, 121, 29.5, 43, "Zwischenwelle Stufe 2/3/Kupplungsnabe Stufe 2/3"},
      {"number", 119, 121, 9.4, 22, "HG2400-310-0045-A/HG2400-320-0046-B"},
      {"second line", 119, 121, 22, 29.5, Oem("Hauptgetriebe HG 2400 für Schwerlast-Förderanlage Nord")},
      {"editor", 65.5, 72, 9.2, 13.4, Oem("Weißenb")},
      {"sign-off name", 99, 101, 34.6, 38.8, Oem("Weißenberger")},
  };
  for (const auto& c : cases) EXPECT_EQ(within(c.x1, c.x2, c.y1, c.y2), c.whole) << c.what;

  // No way left: cut with the mark, and a run message names the text.
  d.drawing.shaftNumber = std::string(60, 'N');
  CadFixture f;
  ASSERT_TRUE(cad_test::Produce(f, d, 8, CadOutputType::Dxf, docs, {}));
  const auto cut = DxfEntities(f.DxfGroups());
  const DxfEntity* number = TextAt(cut, "FRAME_1", 120, 12);
  ASSERT_NE(number, nullptr);
  EXPECT_TRUE(number->text.ends_with("...")) << number->text;
  EXPECT_TRUE(number->text.starts_with("NNNN")) << number->text;
  const std::vector<std::string> messages = f.Messages();
  EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const std::string& m) {
    return m.starts_with(Oem("Warnung: Text gekürzt: NNN"));
  }));
}

TEST(ManufacturingFrame, TitleOfShaftAndHubAndTheDefaults) {
  DesignRecord d = Calculated12x14();
  d.drawing.shaftName1 = "Antriebswelle";
  d.drawing.shaftNumber = "W-1";
  d.drawing.hubName1 = "";
  d.drawing.hubNumber = "";
  d.drawing.infoLines[0] = "Projekt";
  const auto all = Produced(d, 8);
  ASSERT_NE(TextAt(all, "FRAME_1", 120, 32.5), nullptr);
  EXPECT_EQ(TextAt(all, "FRAME_1", 120, 32.5)->text, "Antriebswelle/Nabe");
  EXPECT_EQ(TextAt(all, "FRAME_1", 120, 12)->text, "W-1/2");
  EXPECT_EQ(TextAt(all, "FRAME_1", 120, 25)->text, "Projekt");
}

TEST(ManufacturingFrame, SwitchedOffLinesAreLeftOut) {
  const DesignRecord d = Calculated12x14();
  FrameOptions on;
  on.projectFileText = std::string(160, 'p');
  on.dateTime = "01.02.2026 9:05";
  on.titleLine = "MORVANE   ZT6  V1.5";
  on.releaseText = "Frei";
  const auto shown = Produced(d, 7, {}, on);
  ASSERT_NE(TextAt(shown, "FRAME_1", 18, 1), nullptr);
  EXPECT_EQ(TextAt(shown, "FRAME_1", 18, 1)->text, std::string(150, 'p'));
  ASSERT_NE(TextAt(shown, "FRAME_1", 1, 293), nullptr);
  EXPECT_EQ(TextAt(shown, "FRAME_1", 74, 23.2)->text, "Frei");
  const auto dated = [](const std::vector<DxfEntity>& all) {
    for (const DxfEntity* e : Where(all, "FRAME_1", "TEXT"))
      if (e->text == "01.02.2026 9:05") return true;
    return false;
  };
  EXPECT_TRUE(dated(shown));

  FrameOptions off = on;
  off.omitFileName = off.omitDate = off.omitTitleLine = true;
  const auto hidden = Produced(d, 7, {}, off);
  EXPECT_EQ(TextAt(hidden, "FRAME_1", 18, 1), nullptr);
  EXPECT_EQ(TextAt(hidden, "FRAME_1", 1, 293), nullptr);
  EXPECT_FALSE(dated(hidden));
}

TEST(ManufacturingFrame, LogoOnlyOnThePlotOutputAndDefinedThere) {
  const DesignRecord d = Calculated12x14();
  const auto logoInserts = [](const std::vector<DxfEntity>& all) {
    int n = 0;
    for (const DxfEntity* e : Where(all, "FRAME_1", "INSERT"))
      if (e->name == kFrameLogoBlock && e->x == 75 && e->y == 10) ++n;
    return n;
  };
  CadFixture dxf;
  std::ofstream(dxf.cad.BlockFilePath(kFrameLogoBlock))
      << "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n5\n21\n5\n0\nEOF\n";
  ASSERT_TRUE(cad_test::Produce(dxf, d, 6, CadOutputType::Dxf));
  EXPECT_EQ(logoInserts(DxfEntities(dxf.DxfGroups())), 0);

  CadFixture plot;
  std::ofstream(plot.cad.BlockFilePath(kFrameLogoBlock))
      << "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n5\n21\n5\n0\nEOF\n";
  ASSERT_TRUE(cad_test::Produce(plot, d, 6, CadOutputType::Plot));
  const auto plotted =
      DxfEntities(ReadDxfGroups(ReadWholeFile(plot.dir.path() / "plotrix.dxf", 1 << 26).bytes));
  EXPECT_EQ(logoInserts(plotted), 1);
  EXPECT_EQ(Where(plotted, kFrameLogoBlock, "LINE").size(), 1u);

  FrameOptions noLogo;
  noLogo.omitLogo = true;
  CadFixture omitted;
  std::ofstream(omitted.cad.BlockFilePath(kFrameLogoBlock)) << "0\nEOF\n";
  ASSERT_TRUE(cad_test::Produce(omitted, d, 6, CadOutputType::Plot, {}, noLogo));
  EXPECT_EQ(logoInserts(DxfEntities(
                ReadDxfGroups(ReadWholeFile(omitted.dir.path() / "plotrix.dxf", 1 << 26).bytes))),
            0);
}

TEST(ToleranceDiagram, ValuesLabelsAndDimensions) {
  const DesignRecord d = Calculated12x14();
  const auto all = Produced(d, 14);
  // Ev = Sv is half the pitch; the values follow their labels with the unit.
  const DxfEntity* first = TextAt(all, "", 90, 100);
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(first->text.starts_with("Ev = Sv = P/2 = ")) << first->text;
  ASSERT_TRUE(first->text.ends_with("mm"));
  const double halfPitch = std::numbers::pi * d.D / d.z / 2;
  EXPECT_NEAR(std::stod(first->text.substr(16)), halfPitch, 0.0005);
  const DxfEntity* last = TextAt(all, "", 90, 100 - 14 * 5.6);
  ASSERT_NE(last, nullptr);
  EXPECT_TRUE(last->text.starts_with("S min = ")) << last->text;
  EXPECT_NEAR(std::stod(last->text.substr(8)), d.Smin, 0.0005);

  for (const char* label : {"E max", "E min", "Ev = Sv", "S max", "S min"}) {
    int n = 0;
    for (const DxfEntity* e : Where(all, "", "TEXT"))
      if (e->text == label && e->x == 3) ++n;
    EXPECT_EQ(n, 1) << label;
  }
  int dimensions = 0;
  for (const DxfEntity* e : Where(all, "", "TEXT"))
    if (e->text == "TG,e" || e->text == "Tact,e" || e->text == "Teff,e" || e->text == "TG,i" ||
        e->text == "Tact,i" || e->text == "Teff,i")
      ++dimensions;
  EXPECT_EQ(dimensions, 6);
  const DxfEntity* title = TextAt(all, "", 3, 112);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text, "ZT6    " + d.designation + Oem("    Toleranz Zahndicke + Zahnlücke"));
}

TEST(DrawingList, EntriesInBothLanguages) {
  Vocabulary words;
  auto german = DrawingListTexts(words);
  ASSERT_EQ(german.size(), 18u);
  EXPECT_EQ(german[8], "Zeichnung Welle +  Nabe");
  EXPECT_EQ(german[10], "Tabelle tol Welle");
  EXPECT_EQ(german[13], "Toleranz Zahndicke");
  EXPECT_EQ(german[17], Oem("zurück .."));
  words.Load(2);
  auto english = DrawingListTexts(words);
  EXPECT_EQ(english[7], "production drawing shaft + hub");
  EXPECT_EQ(english[16], "profile shaft +  hub");
  EXPECT_EQ(english[4], "Quick");
}

}  // namespace
}  // namespace zt6
