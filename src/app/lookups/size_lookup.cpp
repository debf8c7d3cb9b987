#include "app/lookups/size_lookup.h"

#include <optional>
#include <string>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/text_lines.h"
#include "calc/program_math.h"

namespace zt6 {

namespace {

constexpr const char* kSizeTable = "din5481";
constexpr const char* kSizeTitle = "DIN 5481";
constexpr const char* kRunoutTable = "zt6fr";
constexpr int kSizeHelp = 9510;
constexpr int kRunoutHelp = 9590;
constexpr double kMicrometres = 0.001;

// Field texts become numbers the program's way: first "," as ".", else 0.
double FieldReal(const CurrentTable& table, int field) { return ParseReal(table.DbfField(field)); }
std::int32_t FieldWhole(const CurrentTable& table, int field) {
  return ParseWhole(table.DbfField(field));
}

// "A - 12x14" when the prefix field holds "A", else the designation alone; held in
// the DOS code page like every text of the design.
std::string Designation(const CurrentTable& table) {
  const std::string name(TrimBlanks(table.DbfField(1)));
  const std::string prefix(TrimBlanks(table.DbfField(9)));
  return AnsiToOem(prefix.empty() ? name : prefix + " - " + name);
}

void TakeSizeRow(const CurrentTable& table, DesignRecord& d) {
  d.designation = Designation(table);
  d.Dii = FieldReal(table, 2);
  d.Dee = FieldReal(table, 3);
  d.D = FieldReal(table, 4);
  d.z = FieldWhole(table, 5);
  const double gammaE = FieldReal(table, 6);
  d.gammaE = gammaE == 0 ? 60 : gammaE;
  d.riMax = FieldReal(table, 7);
  d.reMax = FieldReal(table, 8);
  d.tableRow = static_cast<std::int32_t>(table.DbfRecNo());
}

// The size table ordered by Dii, as the pick window shows it; a table without a
// usable second field is a table fault like any other.
bool OpenSizeTable(TableAccess& access, TableUse use = TableUse::Read) {
  if (!access.Use(kSizeTable, use)) return false;
  return access.Run([&] { access.table().DbfIndexOn(access.table().DbfFieldName(2), kSizeTable); });
}

// The pick window edits the table it browses.
TableUse UseFor(PickMode mode) { return mode == PickMode::Browse ? TableUse::Edit : TableUse::Read; }

PickResult ShowPick(TableAccess& access, const std::string& title, PickMode mode, int help) {
  access.prompts().shell().helpNumber = help;
  return access.prompts().ui().PickRow(title, access.table(), mode);
}

// A value the run calculates with: empty when the field is blank or holds no number,
// which the program's way of reading would silently take as 0.
std::optional<double> FieldValue(const CurrentTable& table, int field) {
  return TryParseReal(table.DbfField(field));
}

// The record's values from the current row; false, and the record unchanged, when one
// of them is no number.
bool ReadToleranceFields(const CurrentTable& table, ToleranceTable k, DesignRecord& d) {
  if (k == ToleranceTable::TotalTolerances) {
    const auto TGi = FieldValue(table, 2), TGe = FieldValue(table, 3);
    const auto DRi = FieldValue(table, 4), DRe = FieldValue(table, 5);
    if (!TGi || !TGe || !DRi || !DRe) return false;
    d.TGi = *TGi;
    d.TGe = *TGe;
    d.DRi = *DRi;
    d.DRe = *DRe;
    return true;
  }
  const int fbetaField = FbetaField(d.l);
  const auto Falpha = FieldValue(table, 2), Fp = FieldValue(table, 3);
  const auto Fbeta = fbetaField == 0 ? std::optional<double>(0) : FieldValue(table, fbetaField);
  if (!Falpha || !Fp || !Fbeta) return false;
  const int part = k == ToleranceTable::Hub ? 1 : 0;
  d.Falpha[part] = *Falpha * kMicrometres;
  d.Fp[part] = *Fp * kMicrometres;
  d.Fbeta[part] = *Fbeta * kMicrometres;
  return true;
}

}  // namespace

const char* ToleranceTableName(ToleranceTable table) {
  switch (table) {
    case ToleranceTable::ShaftFine: return "zt6f1f";
    case ToleranceTable::ShaftCoarse: return "zt6f1g";
    case ToleranceTable::Hub: return "zt6f2f";
    case ToleranceTable::TotalTolerances: return "zt6tol";
  }
  return "";
}

const char* ToleranceTableTitle(ToleranceTable table) {
  return table == ToleranceTable::Hub ? "zt6f2" : ToleranceTableName(table);
}

int FbetaField(double l) {
  // The width is rounded up to whole millimetres the way the program always did it.
  const double rounded = RoundHalfEven(l + 0.5);
  if (rounded <= 10) return 4;
  if (rounded <= 20) return 5;
  if (rounded <= 50) return 6;
  return 0;
}

double DatabaseTables::Runout(double D, RunMessages& messages) {
  double fr = 0;
  CurrentTable& table = access_.table();
  if (!access_.Use(kRunoutTable)) return 0;
  std::int64_t faultRow = 0;
  // Past the end the loop reads the blank end record, as it always did.
  const auto value = [&](int field) {
    if (table.DbfEof()) return FieldReal(table, field);
    const std::optional<double> v = FieldValue(table, field);
    if (!v && faultRow == 0) faultRow = table.DbfRecNo();
    return v.value_or(0);
  };
  const bool done = access_.Run([&] {
    if (table.DbfRecCount() == 0) faultRow = 1;
    table.DbfGo(1);
    double candidate = 0;
    do {
      value(1);
      candidate = value(2) * kMicrometres;
      table.DbfSkip(1);
    } while (!(D <= value(1) || table.DbfEof()));
    // Past the last range limit no value applies.
    if (D > value(1)) candidate = 0;
    table.DbfClose();
    fr = candidate;
  });
  if (done && faultRow != 0) {
    messages.AddFatal(TableRowFault(kRunoutTable, faultRow));
    return 0;
  }
  return done ? fr : 0;
}

bool DatabaseTables::ReadToleranceRow(ToleranceTable k, DesignRecord& d, RunMessages& messages) {
  CurrentTable& table = access_.table();
  if (!access_.Use(ToleranceTableName(k))) return false;
  bool read = false;
  bool fault = false;
  access_.Run([&] {
    if (d.tableRow != 0) {
      // A row beyond the end is missing, however the table goes on from there.
      table.DbfGo(d.tableRow);
      fault = table.DbfEof() || table.DbfRecNo() != d.tableRow ||
              !ReadToleranceFields(table, k, d);
      read = !fault;
    }
    table.DbfClose();
  });
  if (fault) messages.AddFatal(TableRowFault(ToleranceTableName(k), d.tableRow));
  return read;
}

bool DatabaseTables::SizeByDiameter(double d, DesignRecord& design) {
  if (!OpenSizeTable(access_)) return false;
  CurrentTable& table = access_.table();
  bool taken = false;
  access_.Run([&] {
    // The key is formatted like the field text so that both compare alike.
    // Above the largest size the search finds nothing; the largest one is offered then
    // rather than an empty row past the end.
    if (!table.DbfFindNear(FormatFixed(d, 6, 2, access_.prompts().format()))) table.DbfGoBottom();
    if (ShowPick(access_, kSizeTitle, PickMode::Choose, kSizeHelp) == PickResult::Chosen) {
      TakeSizeRow(table, design);
      // A size from the table comes with the table's tolerances and pins, as when it
      // is picked in the dimensions dialog.
      design.dimensionSource = DimensionSource::Database;
      taken = true;
    }
    table.DbfClose();
  });
  return taken;
}

bool PickSize(TableAccess& access, PickMode mode, DesignRecord& design) {
  if (!OpenSizeTable(access, UseFor(mode))) return false;
  CurrentTable& table = access.table();
  bool taken = false;
  access.Run([&] {
    if (design.tableRow != 0) table.DbfGo(design.tableRow);
    const PickResult result = ShowPick(access, kSizeTitle, mode, kSizeHelp);
    if (mode == PickMode::Choose && result == PickResult::Chosen) {
      TakeSizeRow(table, design);
      taken = true;
    }
    table.DbfClose();
  });
  return taken;
}

std::vector<std::string> SizeDesignations(TableAccess& access) {
  std::vector<std::string> names;
  if (!OpenSizeTable(access)) return names;
  CurrentTable& table = access.table();
  const bool read = access.Run([&] {
    for (table.DbfGoTop(); !table.DbfEof(); table.DbfSkip(1)) names.push_back(Designation(table));
    table.DbfClose();
  });
  if (!read) names.clear();
  return names;
}

std::vector<SizeRow> SizeRows(TableAccess& access) {
  std::vector<SizeRow> rows;
  if (!OpenSizeTable(access)) return rows;
  CurrentTable& table = access.table();
  const bool read = access.Run([&] {
    constexpr int kSourceField = 10;
    for (table.DbfGoTop(); !table.DbfEof(); table.DbfSkip(1)) {
      DesignRecord d;
      TakeSizeRow(table, d);
      const std::string source = table.DbfFieldCount() >= kSourceField
                                     ? AnsiToOem(TrimBlanks(table.DbfField(kSourceField)))
                                     : std::string();
      rows.push_back({d.designation, d.z, d.D, d.Dee, d.Dii, d.gammaE, d.riMax, d.reMax, source});
    }
    table.DbfClose();
  });
  if (!read) rows.clear();
  return rows;
}

bool TakeSizeByDesignation(TableAccess& access, std::string_view designation,
                           DesignRecord& design) {
  const std::string wanted = AsciiUpper(TrimBlanks(Utf8ToCp850(designation)));
  const auto matches = [&wanted](const std::string& name) { return EqualsUpperCased(name, wanted); };
  if (!OpenSizeTable(access)) return false;
  CurrentTable& table = access.table();
  bool taken = false;
  access.Run([&] {
    for (table.DbfGoTop(); !table.DbfEof() && !taken; table.DbfSkip(1)) {
      if (matches(AnsiToOem(TrimBlanks(table.DbfField(1)))) ||
          matches(Designation(table))) {
        TakeSizeRow(table, design);
        taken = true;
      }
    }
    table.DbfClose();
  });
  return taken;
}

bool RereadSize(TableAccess& access, DesignRecord& design) {
  if (!access.Use(kSizeTable)) return false;
  CurrentTable& table = access.table();
  bool read = false;
  access.Run([&] {
    if (design.tableRow != 0) {
      table.DbfGo(design.tableRow);
      TakeSizeRow(table, design);
      read = true;
    }
    table.DbfClose();
  });
  return read;
}

void ViewToleranceTable(TableAccess& access, ToleranceTable k, PickMode mode,
                        DesignRecord& design) {
  if (!access.Use(ToleranceTableName(k), UseFor(mode))) return;
  CurrentTable& table = access.table();
  access.Run([&] {
    const int help = 9610 + 10 * static_cast<int>(k);
    const PickResult result = ShowPick(access, ToleranceTableTitle(k), mode, help);
    // A row without numbers leaves the values as they were.
    if (mode == PickMode::Choose && result == PickResult::Chosen)
      ReadToleranceFields(table, k, design);
    table.DbfClose();
  });
}

void ViewRunoutTable(TableAccess& access) {
  if (!access.Use(kRunoutTable, TableUse::Edit)) return;
  access.Run([&] {
    ShowPick(access, kRunoutTable, PickMode::Browse, kRunoutHelp);
    access.table().DbfClose();
  });
}

}  // namespace zt6
