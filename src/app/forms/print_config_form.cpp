#include "app/forms/print_config_form.h"

#include <filesystem>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/number_parse.h"

namespace zt6 {

namespace {

constexpr int kPickHelp = 1040;
constexpr int kNameLength = 25;

}  // namespace

PrintConfigFields PrintConfigFieldsOf(const Configuration& config, bool printerLandscape) {
  PrintConfigFields f;
  f.scaleX = Cp850ToUtf8(FormatSignificant(config.printScaleX, config.format));
  f.scaleY = Cp850ToUtf8(FormatSignificant(config.printScaleY, config.format));
  f.originX = std::to_string(config.printOriginX);
  f.originY = std::to_string(config.printOriginY);
  f.frame = config.printBorder;
  f.colourIndex = config.printMode == 2 ? 1 : 0;
  f.orientationIndex = printerLandscape ? 1 : 0;
  return f;
}

std::optional<Refusal> CheckPrintConfig(const PrintConfigFields& fields) {
  const NumberRule scale{NumberKind::Real, NumberRange::Positive()};
  const NumberRule origin{NumberKind::Whole, NumberRange::Any()};
  const FieldTexts texts{{"Edit_scalex", fields.scaleX},
                         {"Edit_scaley", fields.scaleY},
                         {"Edit_originx", fields.originX},
                         {"Edit_originy", fields.originY}};
  const NumberField checked[] = {{"Edit_scalex", "Maßstab x", scale},
                                 {"Edit_scaley", "Maßstab y", scale},
                                 {"Edit_originx", "Ursprung x", origin},
                                 {"Edit_originy", "Ursprung y", origin}};
  return FirstRefused(texts, checked);
}

bool TakePrintConfigOver(const PrintConfigFields& fields, Configuration& config) {
  config.printScaleX = ParseReal(fields.scaleX);
  config.printScaleY = ParseReal(fields.scaleY);
  config.printOriginX = ParseWhole(fields.originX);
  config.printOriginY = ParseWhole(fields.originY);
  config.printBorder = fields.frame;
  config.printMode = fields.colourIndex + 1;
  const bool landscape = fields.orientationIndex != 0;
  config.printOrientation = landscape ? 2 : 1;
  return landscape;
}

bool OpenPrintoutTable(const Program& program, TableAccess& access) {
  access.prompts().shell().cancel = false;
  const std::filesystem::path beside =
      std::filesystem::path(program.startDirectory) / "printout.dbf";
  std::error_code ec;
  if (!program.startDirectory.empty() && std::filesystem::is_regular_file(beside, ec)) {
    return access.Run([&] { access.table().DbfUsePath(beside.string()); });
  }
  return access.Use("printout", TableUse::Edit);
}

bool PickPrintConfig(Program& program, TableAccess& access, PrintConfigFields& fields,
                     std::int64_t& lastRecord) {
  if (!OpenPrintoutTable(program, access)) return false;
  CurrentTable& table = access.table();
  bool chosen = false;
  access.Run([&] {
    if (lastRecord > 0 && lastRecord <= table.DbfRecCount()) table.DbfGo(lastRecord);
    access.prompts().shell().helpNumber = kPickHelp;
    if (access.prompts().ui().PickRow("Printout", table, PickMode::Browse) != PickResult::Chosen ||
        table.DbfEof()) {
      return;
    }
    lastRecord = table.DbfRecNo();
    fields.scaleX = Cp850ToUtf8(TrimBlanks(table.DbfField(2)));
    fields.scaleY = Cp850ToUtf8(TrimBlanks(table.DbfField(3)));
    fields.originX = Cp850ToUtf8(TrimBlanks(table.DbfField(4)));
    fields.originY = Cp850ToUtf8(TrimBlanks(table.DbfField(5)));
    fields.orientationIndex = table.DbfLogical("landscape") ? 1 : 0;
    fields.colourIndex = table.DbfLogical("monochrom") ? 0 : 1;
    fields.fit = table.DbfLogical("variable");
    fields.frame = table.DbfLogical("borderline");
    chosen = true;
  });
  access.Run([&] { table.DbfClose(); });
  access.prompts().shell().cancel = false;
  return chosen;
}

bool StorePrintConfig(Program& program, TableAccess& access, const PrintConfigFields& fields) {
  if (!OpenPrintoutTable(program, access)) return false;
  CurrentTable& table = access.table();
  Prompts& prompts = access.prompts();
  const std::string name = prompts.AskText("Name", kNameLength, "");
  bool stored = false;
  if (!prompts.shell().cancel) {
    stored = access.Run([&] {
      table.DbfBlankBuffer();
      table.DbfReplaceText("name", name);
      table.DbfReplaceReal("xscale", ParseReal(fields.scaleX));
      table.DbfReplaceReal("yscale", ParseReal(fields.scaleY));
      table.DbfReplaceInteger("xorigin", ParseWhole(fields.originX));
      table.DbfReplaceInteger("yorigin", ParseWhole(fields.originY));
      table.DbfReplaceLogical("landscape", fields.orientationIndex == 1);
      table.DbfReplaceLogical("monochrom", fields.colourIndex == 0);
      table.DbfReplaceLogical("variable", fields.fit);
      table.DbfReplaceLogical("borderline", fields.frame);
      if (!table.DbfAppendRecord()) throw DbfError("printout: the record could not be appended");
    });
  }
  if (table.IsOpen()) access.Run([&] { table.DbfClose(); });
  return stored;
}

}  // namespace zt6
