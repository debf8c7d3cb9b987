#include "app/cli/zt6_commands.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <variant>

#include "app/cli/command_options.h"
#include "app/cli/zt6_cad_command.h"
#include "app/cli/zt6_report_command.h"
#include "app/files/project_file.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "base/json_writer.h"
#include "base/number_parse.h"
#include "calc/calculation_run.h"
#include "calc/design_record.h"
#include "calc/iso286.h"
#include "calc/record_fields.h"
#include "calc/run_messages.h"

namespace zt6 {

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: zt6 COMMAND [ARGUMENTS]\n"
         "\n"
         "commands:\n"
         "  calc [FILE.zt6] [--set NAME=VALUE ...] [--json] [--tables DIR]\n"
         "      one calculation run of the project's inputs, changed by --set (applied\n"
         "      in order);\n"
         "      NAME is a symbol with blanks as \"_\", e.g. Dii, gamma_e, shaft.Re;\n"
         "      --json prints inputs, results, messages and the fatal flag as JSON;\n"
         "      database-mode designs read the standard tables from DIR (default: the\n"
         "      tables installed with zt6)\n"
         "  fit SIZE CODE\n"
         "      ISO 286 limits of one size, e.g. zt6 fit 12 A11\n"
         "  report FILE.zt6 [--format text|tsv|html] [-o OUT] [--language 1|2]\n"
         "         [--encoding utf8|dos|windows] [--tables DIR]\n"
         "      the calculation report with the settings of zt6.cfg (working folder,\n"
         "      then the user's folder): text as written to a report file, tsv as for\n"
         "      a spreadsheet, html as for the web browser (Windows-1252, declared);\n"
         "      text and tsv in UTF-8 unless --encoding dos (code page 850) or\n"
         "      windows (Windows-1252); --language 2 for English words\n"
         "  cad FILE.zt6 --drawing N [--format dxf|igs|txt|svg] [-o OUT]\n"
         "      [--language 1|2] [--tables DIR]\n"
         "      drawing N of the drawing list (1..17) as a DXF, IGES or tab-separated\n"
         "      text CAD file, or as SVG the way the screen shows it; --language 2\n"
         "      for English words\n"
         "  help\n"
         "      show this text\n"
         "\n"
         "exit codes: 0 done, 1 input refused or unreadable (a project or a standard\n"
         "            table), 2 usage error, 3 the calculation ended with a fatal message\n";
}

int UsageError(std::ostream& err, std::string_view problem) {
  err << "zt6: " << problem << "\n\n";
  PrintUsage(err);
  return kExitUsage;
}

// ---- calc ----

struct CalcOptions {
  std::vector<std::string> assignments;  // NAME=VALUE in the order given
  std::vector<std::string> files;
  bool json = false;
  std::optional<std::string> tableFolder;
};

std::optional<CalcOptions> ParseCalcOptions(const std::vector<std::string>& args,
                                            std::ostream& err) {
  const auto arguments = ParseCommandArguments(
      args,
      {{"--json", false}, {"--set", true, "--set needs NAME=VALUE"},
       {"--tables", true, "--tables needs a folder"}},
      [&err](std::string_view problem) { return UsageError(err, problem); });
  if (!arguments) return std::nullopt;
  CalcOptions options;
  options.assignments = arguments->All("--set");
  options.files = arguments->files;
  options.json = arguments->Has("--json");
  options.tableFolder = arguments->Last("--tables");
  return options;
}

std::string ExpectedValue(const RecordField& field) {
  switch (field.kind) {
    case FieldKind::Real:
      return "a number";
    case FieldKind::Text:
      return "a text";
    case FieldKind::Whole:
    case FieldKind::Selector:
      break;
  }
  if (field.minimum == std::numeric_limits<std::int32_t>::min() &&
      field.maximum == std::numeric_limits<std::int32_t>::max()) {
    return "a whole number";
  }
  return "a whole number from " + std::to_string(field.minimum) + " to " +
         std::to_string(field.maximum);
}

// Applies one NAME=VALUE; false after a message on err.
bool ApplyAssignment(std::string_view assignment, DesignRecord& design, std::ostream& err) {
  const auto equals = assignment.find('=');
  if (equals == std::string_view::npos || equals == 0) {
    err << "zt6 calc: --set expects NAME=VALUE, not \"" << assignment << "\"\n";
    return false;
  }
  const std::string_view name = assignment.substr(0, equals);
  const std::string_view text = assignment.substr(equals + 1);
  const RecordField* field = FindRecordField(name);
  if (field == nullptr) {
    err << "zt6 calc: unknown name \"" << name << "\"\n";
    return false;
  }
  if (field->role != FieldRole::Input) {
    err << "zt6 calc: \"" << name << "\" is a result and cannot be set\n";
    return false;
  }
  const auto value = field->kind == FieldKind::Text ? ParseFieldValue(*field, Utf8ToCp850(text))
                                                    : ParseFieldValue(*field, text);
  if (!value || !SetField(*field, design, *value)) {
    err << "zt6 calc: bad value \"" << text << "\" for " << name << ": " << ExpectedValue(*field)
        << " expected\n";
    return false;
  }
  return true;
}

std::string ListingValue(const FieldValue& value) {
  if (const auto* real = std::get_if<double>(&value)) return ShortestNumber(*real);
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return std::to_string(*whole);
  return Cp850ToUtf8(std::get<std::string>(value));
}

void WriteJsonValue(JsonWriter& json, const FieldValue& value) {
  if (const auto* real = std::get_if<double>(&value)) {
    json.Number(*real);
  } else if (const auto* whole = std::get_if<std::int32_t>(&value)) {
    json.Integer(*whole);
  } else {
    json.String(Cp850ToUtf8(std::get<std::string>(value)));
  }
}

void WriteJson(const DesignRecord& design, const RunMessages& messages, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  for (const FieldRole role : {FieldRole::Input, FieldRole::Result}) {
    json.Key(role == FieldRole::Input ? "inputs" : "results");
    json.BeginObject();
    // The per-part fields ("shaft.Re") sit in the objects "shaft" and "hub".
    for (const std::string_view part : {std::string_view{}, std::string_view{"shaft."},
                                        std::string_view{"hub."}}) {
      if (!part.empty()) {
        json.Key(part.substr(0, part.size() - 1));
        json.BeginObject();
      }
      for (const RecordField& field : RecordFields()) {
        const std::string_view name = field.name;
        const bool inPart = part.empty() ? name.find('.') == std::string_view::npos
                                         : name.starts_with(part);
        if (field.role != role || !inPart) continue;
        json.Key(name.substr(part.size()));
        WriteJsonValue(json, field.get(design));
      }
      if (!part.empty()) json.EndObject();
    }
    json.EndObject();
  }
  json.Key("messages");
  json.BeginArray();
  for (int k = 1; k <= messages.Count(); ++k) json.String(Cp850ToUtf8(messages.Message(k)));
  json.EndArray();
  json.Key("fatal");
  json.Bool(messages.FatalFlag());
  json.EndObject();
}

void WriteListing(const DesignRecord& design, const RunMessages& messages, std::ostream& out) {
  for (const FieldRole role : {FieldRole::Input, FieldRole::Result}) {
    out << (role == FieldRole::Input ? "[inputs]\n" : "\n[results]\n");
    for (const RecordField& field : RecordFields()) {
      if (field.role == role) out << field.name << " = " << ListingValue(field.get(design)) << '\n';
    }
  }
  out << "\n[messages]\n";
  for (int k = 1; k <= messages.Count(); ++k) out << Cp850ToUtf8(messages.Message(k)) << '\n';
}

int Calc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto options = ParseCalcOptions(args, err);
  if (!options) return kExitUsage;
  if (options->files.size() > 1) return UsageError(err, "calc takes at most one project file");
  DesignRecord design;
  if (!options->files.empty()) {
    const std::string& file = options->files.front();
    DocumentationData docs;
    const ProjectParseResult loaded = LoadProjectFile(file, design, docs);
    if (!loaded.ok) {
      err << "zt6 calc: " << file << ": " << loaded.problem << "\n";
      return kExitRefused;
    }
  }
  for (const std::string& assignment : options->assignments) {
    if (!ApplyAssignment(assignment, design, err)) return kExitUsage;
  }
  // The standard tables as a windowless run reads them, without the settings file:
  // open errors go to err.
  WindowlessSession session({.readSettings = false, .command = true, .tableFolder = options->tableFolder},
                            err, err);
  RunMessages& messages = session.program.messages;
  CalculationRun(design, messages, session.tables);
  if (options->json) {
    WriteJson(design, messages, out);
  } else {
    WriteListing(design, messages, out);
  }
  // A table that could not be read leaves values of the project standing in for it.
  if (session.program.shell.cancel) return kExitRefused;
  return messages.FatalFlag() ? kExitFatalRun : kExitDone;
}

// ---- fit ----

std::string FixedMillimetres(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 4);
  if (result.ec != std::errc()) return ShortestNumber(value);
  return std::string(buffer.data(), result.ptr);
}

// Signed micrometres, "+290", "-9", "+0.5", "0".
std::string SignedMicrometres(double value) {
  if (value == 0) return "0";
  return (value > 0 ? "+" : "") + ShortestNumber(value);
}

// A refused designation leaves both limits at the size; computed limits always span a
// tolerance, also when a message accompanies them.
bool LimitsComputed(const ToleranceLimits& limits) {
  return limits.message.empty() || limits.upperDeviation != limits.lowerDeviation;
}

int Fit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return UsageError(err, "fit needs SIZE and CODE");
  const auto size = TryParseReal(args[1]);
  if (!size) return UsageError(err, "SIZE \"" + args[1] + "\" is not a number");
  const ToleranceLimits limits = Limits(*size, Utf8ToCp850(args[2]));
  if (LimitsComputed(limits)) {
    out << "lower limit: " << FixedMillimetres(limits.lower) << " mm\n"
        << "upper limit: " << FixedMillimetres(limits.upper) << " mm\n"
        << "lower deviation: " << SignedMicrometres(limits.lowerDeviation) << " µm\n"
        << "upper deviation: " << SignedMicrometres(limits.upperDeviation) << " µm\n";
  }
  if (limits.message.empty()) return kExitDone;
  err << Cp850ToUtf8(limits.message) << '\n';
  return kExitRefused;
}

}  // namespace

int RunZt6(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string& command = args[0];
  if (command == "help" || command == "--help" || command == "-h") {
    PrintUsage(out);
    return kExitDone;
  }
  if (command == "calc") return Calc(args, out, err);
  if (command == "fit") return Fit(args, out, err);
  if (command == "report")
    return ReportCommand(args, out, err, [&err](std::string_view problem) {
      return UsageError(err, problem);
    });
  if (command == "cad")
    return CadCommand(args, out, err, [&err](std::string_view problem) {
      return UsageError(err, problem);
    });
  return UsageError(err, "unknown command \"" + command + "\"");
}

}  // namespace zt6
