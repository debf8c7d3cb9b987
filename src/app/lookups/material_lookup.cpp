#include "app/lookups/material_lookup.h"

#include <algorithm>
#include <string>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

constexpr const char* kMaterialTable = "wst1base";
constexpr const char* kMaterialTitle = "Werkstoffdatenbank";
constexpr const char* kGroupTable = "zt5wstyp";
constexpr const char* kGroupTitle = "Werkstoffgruppen mit fH und fS";
constexpr int kMaterialHelp = 9500;
constexpr int kGroupHelp = 9520;

// Text fields keep their padding in the table; the design holds them without it.
std::string FieldText(const CurrentTable& table, int field, std::size_t width) {
  return std::string(TrimBlanksAtEnd(FitWidth(AnsiToOem(table.DbfField(field)), width)));
}

void CopyMaterialRow(const CurrentTable& table, Material& m) {
  m.number = FieldText(table, 1, width::materialNumber);
  m.name = FieldText(table, 2, width::materialName);
  m.text3 = FieldText(table, 3, width::materialText3);
  m.type = ParseWhole(table.DbfField(4));
  m.field5 = ParseWhole(table.DbfField(5));
  m.Re = ParseWhole(table.DbfField(6));
  m.field7 = ParseWhole(table.DbfField(7));
  for (int k = 0; k < 4; ++k) m.fields8to11[static_cast<std::size_t>(k)] = ParseReal(table.DbfField(8 + k));
  m.text12 = FieldText(table, 12, width::materialLongText);
  m.text13 = FieldText(table, 13, width::materialLongText);
  // The row is kept as a 16-bit number in the design, as the project file holds it.
  m.tableRow = static_cast<std::uint16_t>(std::min<std::int64_t>(table.DbfRecNo(), 65535));
}

// fS and fH of the material's group, by part: shaft fields 5 and 8, hub 7 and 6.
void TakeGroupFactors(TableAccess& access, MaterialPart part, Material& m,
                      RunMessages& messages) {
  CurrentTable& table = access.table();
  if (!access.Use(kGroupTable)) return;
  table.DbfIndexOn(table.DbfFieldName(1), kGroupTable);
  const std::string type = FormatInteger(m.type, 2, false);
  if (table.DbfFind(type)) {
    const bool shaft = part == MaterialPart::Shaft;
    m.fH = ParseReal(table.DbfField(shaft ? 8 : 6));
    m.fS = ParseReal(table.DbfField(shaft ? 5 : 7));
  } else {
    const std::string text = "Werkstofftyp " + type + " nicht gefunden.";
    access.prompts().ShowMessage(text);
    messages.Add(text);
  }
  table.DbfClose();
}

}  // namespace

bool PickMaterial(TableAccess& access, MaterialPart part, DesignRecord& design,
                  RunMessages& messages) {
  Material& m = design.material[part == MaterialPart::Shaft ? 0 : 1];
  const std::string title =
      std::string("Werkstoff ") + (part == MaterialPart::Shaft ? "Welle" : "Nabe");
  if (!access.Use(kMaterialTable)) return false;
  CurrentTable& table = access.table();
  bool copied = false;
  access.Run([&] {
    table.DbfIndexOn(table.DbfFieldName(1), kMaterialTable);
    if (!table.DbfFind(OemToAnsi(m.number, false)) && m.tableRow != 0) table.DbfGo(m.tableRow);
    access.prompts().shell().helpNumber = kMaterialHelp;
    const PickResult result = access.prompts().ui().PickRow(title, table, PickMode::Choose);
    if (result != PickResult::Chosen) {
      if (result == PickResult::Escaped) access.prompts().shell().cancel = true;
      table.DbfClose();
      return;
    }
    CopyMaterialRow(table, m);
    copied = true;
    TakeGroupFactors(access, part, m, messages);
  });
  return copied;
}

void ViewMaterialTable(TableAccess& access) {
  if (!access.Use(kMaterialTable, TableUse::Edit)) return;
  access.Run([&] {
    access.prompts().shell().helpNumber = kMaterialHelp;
    access.prompts().ui().PickRow(kMaterialTitle, access.table(), PickMode::Browse);
    access.table().DbfClose();
  });
}

void ViewMaterialGroups(TableAccess& access, RunMessages& messages) {
  CurrentTable& table = access.table();
  if (table.DbfUse(kGroupTable, access.folders(TableUse::Edit), TableUse::Edit).ok == false) {
    messages.Add("Fatal  : DIN 6885 Datenbank");
    return;
  }
  access.Run([&] {
    table.DbfIndexOn(table.DbfFieldName(1), kGroupTable);
    access.prompts().shell().helpNumber = kGroupHelp;
    access.prompts().ui().PickRow(kGroupTitle, table, PickMode::Browse);
    table.DbfClose();
  });
}

}  // namespace zt6
