#include "cad/drawing_sheets.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cad/drawing_tables.h"
#include "cad/fit_table.h"
#include "cad/profile_drawing.h"
#include "cad/tolerance_diagram.h"

namespace zt6 {

namespace {

using namespace drawing_kind;

constexpr int kShaftPart = table_part::kShaft;
constexpr int kHubPart = table_part::kHub;
constexpr int kDataKind = table_kind::kData;
constexpr int kToleranceKind = table_kind::kTolerance;

bool IsManufacturing(int kind) { return kind >= kShaftManufacturing && kind <= kShaftAndHubManufacturing; }

bool HasToothBlocks(int kind) {
  return kind == kShaft || kind == kHub || (kind >= kQuick && kind <= kShaftAndHub) ||
         kind >= kShaftProfile;
}

// The table sheets reach 5 mm beyond their table, as they do on the left.
double TableSheetRight(int tableKind) { return std::max(120.0, DataTableWidth(tableKind) + 5); }

std::array<double, 4> SheetLimits(int kind, const DesignRecord& d) {
  switch (kind) {
    case kShaftTable:
    case kHubTable: return {-5, -5, TableSheetRight(kDataKind), 100};
    case kQuick:
    case kToleranceDiagram: return {0, 0, 160, 120};
    case kShaftManufacturing:
    case kHubManufacturing:
    case kShaftAndHubManufacturing: return {-5, -5, 225, 310};
    case kShaftAndHubTable: return {-5, -5, TableSheetRight(kDataKind), 150};
    case kShaftToleranceTable:
    case kHubToleranceTable: return {-5, -5, TableSheetRight(kToleranceKind), 160};
    case kShaftAndHubToleranceTable: return {-2, -5, 300, 200};
    default: return {-d.Dii, -0.8 * d.Dii, d.Dii, 0.8 * d.Dii};
  }
}

// A drawing name or number the user left empty shows the default.
std::string OrDefault(const std::string& text, const std::string& fallback) {
  return text.empty() ? fallback : text;
}

FrameTitle TitleOf(int kind, const SheetContext& c) {
  const DrawingIdentification& id = c.design.drawing;
  const std::string shaftName = OrDefault(id.shaftName1, c.words["Welle"]);
  const std::string hubName = OrDefault(id.hubName1, c.words["Nabe"]);
  const std::string shaftNumber = OrDefault(id.shaftNumber, "1");
  const std::string hubNumber = OrDefault(id.hubNumber, "2");
  if (kind == kShaftManufacturing) return {shaftName, id.shaftName2, shaftNumber};
  if (kind == kHubManufacturing) return {hubName, id.hubName2, hubNumber};
  return {shaftName + "/" + hubName, id.infoLines[0], shaftNumber + "/" + hubNumber};
}

void DefineBlocks(CadOutput& cad, int kind, const SheetContext& c) {
  const DesignRecord& d = c.design;
  if (IsManufacturing(kind)) {
    cad.BeginBlock("FRAME_1");
    DrawManufacturingFrame(cad, TitleOf(kind, c), c.docs, c.frame, c.words);
    cad.EndBlock();
  }
  if (HasToothBlocks(kind)) {
    cad.BeginBlock("zahn1");
    DrawToothBlock(cad, d, ProfilePart::Shaft);
    cad.EndBlock();
    cad.BeginBlock("zahn2");
    DrawToothBlock(cad, d, ProfilePart::Hub);
    cad.EndBlock();
  }
  if (kind == kQuick || IsManufacturing(kind)) {
    const ProfilePart part = kind == kShaftManufacturing ? ProfilePart::Shaft
                             : kind == kHubManufacturing ? ProfilePart::Hub
                                                         : ProfilePart::Both;
    cad.BeginBlock("profil");
    DrawProfile(cad, d, part, true, c.format);
    cad.EndBlock();
  }
  const int tableKind = kind == kQuick ? kDataKind : kToleranceKind;
  if (kind == kQuick || kind == kShaftManufacturing || kind == kShaftAndHubManufacturing) {
    cad.BeginBlock("TABLE_1");
    DrawDataTable(cad, d, kShaftPart, tableKind, 0, 0, c.words, c.format);
    cad.EndBlock();
  }
  if (kind == kQuick || kind == kHubManufacturing || kind == kShaftAndHubManufacturing) {
    cad.BeginBlock("TABLE_2");
    DrawDataTable(cad, d, kHubPart, tableKind, 0, 0, c.words, c.format);
    cad.EndBlock();
  }
  if (kind == kQuick || kind == kShaftAndHubManufacturing) {
    cad.BeginBlock("TABLE_3");
    DrawLoadTable(cad, d, 0, 0, c.words, c.format);
    cad.EndBlock();
    cad.BeginBlock("TABLE_4");
    DrawStrengthTable(cad, d, 0, 0, c.words, c.format);
    cad.EndBlock();
  }
}

void DrawEntities(CadOutput& cad, int kind, const SheetContext& c) {
  const DesignRecord& d = c.design;
  const auto table = [&](int part, int tableKind, double x, double y) {
    DrawDataTable(cad, d, part, tableKind, x, y, c.words, c.format);
  };
  switch (kind) {
    case kShaft: DrawProfile(cad, d, ProfilePart::Shaft, true, c.format); return;
    case kHub: DrawProfile(cad, d, ProfilePart::Hub, true, c.format); return;
    case kShaftAndHub: DrawProfile(cad, d, ProfilePart::Both, true, c.format); return;
    case kShaftProfile: DrawProfile(cad, d, ProfilePart::Shaft, false, c.format); return;
    case kHubProfile: DrawProfile(cad, d, ProfilePart::Hub, false, c.format); return;
    case kShaftAndHubProfile: DrawProfile(cad, d, ProfilePart::Both, false, c.format); return;
    case kShaftTable: table(kShaftPart, kDataKind, 0, 90); return;
    case kHubTable: table(kHubPart, kDataKind, 0, 90); return;
    case kShaftAndHubTable:
      table(kShaftPart, kDataKind, 0, 145);
      table(kHubPart, kDataKind, 0, 70);
      return;
    case kShaftToleranceTable: table(kShaftPart, kToleranceKind, 0, 156); return;
    case kHubToleranceTable: table(kHubPart, kToleranceKind, 0, 156); return;
    case kShaftAndHubToleranceTable:
      table(kShaftPart, kToleranceKind, 0, 180);
      table(kHubPart, kToleranceKind, 150, 180);
      return;
    case kToleranceDiagram: DrawToleranceDiagram(cad, d, c.words, c.format); return;
    case kQuick:
      cad.Insert("TABLE_1", 2, 42, 0, 0.6, 0.6);
      cad.Insert("TABLE_2", 82, 42, 0, 0.6, 0.6);
      cad.Insert("TABLE_3", 82, 117, 0, 0.5, 0.5);
      cad.Insert("TABLE_4", 82, 78, 0, 0.5, 0.5);
      cad.Insert("profil", 40, 85, 0, 45 / d.Dii, 45 / d.Dii);
      cad.TextStyle(0, 0, 2.5, 2);
      cad.Text(d.designation, 25, 86);
      return;
    default: break;
  }
  // The manufacturing drawings.
  cad.Insert("FRAME_1", 0, 0, 0, 1, 1);
  cad.Insert("profil", 110, 240, 0, 80 / d.Dee, 80 / d.Dee);
  if (kind == kShaftManufacturing) cad.Insert("TABLE_1", 52, 188, 0, 0.8, 0.8);
  if (kind == kHubManufacturing) cad.Insert("TABLE_2", 52, 188, 0, 0.8, 0.8);
  if (kind == kShaftAndHubManufacturing) {
    cad.Insert("TABLE_1", 22, 180, 0, 0.6, 0.75);
    cad.Insert("TABLE_2", 113, 180, 0, 0.6, 0.75);
  }
  DrawFitTable(cad, d, kind, c.format, c.words);
}

}  // namespace

bool DrawableGeometry(const DesignRecord& d) {
  return d.z >= 1 && d.D > 0 && d.Dii > 0 && d.Dee > 0 && std::isfinite(d.DeeMean) &&
         std::isfinite(d.DiiMean) && std::isfinite(d.SMean) && std::isfinite(d.EMean);
}

bool DrawingAvailable(int kind) { return kind >= 1 && kind <= kLast; }

std::vector<std::string> DrawingListTexts(const Vocabulary& w) {
  const std::string drawing = w["Zeichnung"];
  const std::string table = w["Tabelle"];
  const std::string production = w["Fertigungszeichnung"];
  const std::string shaft = w["Welle"];
  const std::string hub = w["Nabe"];
  const std::string profile = w["Profil"];
  return {drawing + " " + shaft,
          drawing + " " + hub,
          table + " " + shaft,
          table + " " + hub,
          w["Quick"],
          production + " " + shaft,
          production + " " + hub,
          production + " " + shaft + " + " + hub,
          drawing + " " + shaft + " +  " + hub,
          table + " " + shaft + " + " + hub,
          table + " tol " + shaft,
          table + " tol " + hub,
          table + " tol " + shaft + " + " + hub,
          w["Toleranz"] + " " + w["Zahndicke"],
          profile + " " + shaft,
          profile + " " + hub,
          profile + " " + shaft + " +  " + hub,
          w["zurück"] + " .."};
}

std::array<double, 2> PaperSheetOf(int kind) {
  switch (kind) {
    case kShaftManufacturing:
    case kHubManufacturing:
    case kShaftAndHubManufacturing: return {210, 297};
    default: return {0, 0};
  }
}

bool ProduceDrawing(CadOutput& cad, const SheetContext& c, int kind, CadOutputType type) {
  if (!DrawingAvailable(kind) || !DrawableGeometry(c.design)) return false;
  cad.StartOutput(type);
  if (cad.Cancelled()) return true;
  cad.Layer(0);
  const std::array<double, 4> limits = SheetLimits(kind, c.design);
  cad.StartSheet(limits[0], limits[1], limits[2], limits[3]);
  if (const std::array<double, 2> paper = PaperSheetOf(kind); paper[0] > 0)
    cad.PaperSheet(paper[0], paper[1]);
  cad.WriteTables(2);
  cad.BeginBlocks();
  DefineBlocks(cad, kind, c);
  cad.EndSection();
  cad.BeginEntities();
  DrawEntities(cad, kind, c);
  cad.EndSection();
  cad.FinishOutput();
  return true;
}

}  // namespace zt6
