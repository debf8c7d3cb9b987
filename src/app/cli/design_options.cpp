#include "app/cli/design_options.h"

#include <limits>
#include <variant>

#include "app/cli/zt6_commands.h"
#include "app/assistant/size_row.h"
#include "app/files/project_for_run.h"
#include "app/lookups/size_lookup.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "calc/record_fields.h"

namespace zt6 {

namespace {

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

int UnknownSize(WindowlessSession& session, const std::string& size, std::string_view command,
                std::ostream& err) {
  const std::vector<std::string> known = SizeDesignations(session.access);
  if (known.empty()) {
    err << "zt6 " << command << ": no DIN 5481 size table to take \"" << size << "\" from\n";
    return kExitRefused;
  }
  err << "zt6 " << command << ": unknown size \"" << size << "\"; the DIN 5481 sizes are:";
  for (std::size_t i = 0; i < known.size(); ++i)
    err << (i == 0 ? " " : ", ") << Cp850ToUtf8(known[i]);
  err << '\n';
  return kExitRefused;
}

}  // namespace

std::optional<DesignOptions> TakeDesignOptions(const CommandArguments& arguments,
                                               const UsageErrorFn& usageError) {
  DesignOptions options;
  options.size = arguments.Last("--size");
  if (const auto toleranceClass = arguments.Last("--class")) {
    if (!OneOf(*toleranceClass, {"fein", "grob"}, "class", usageError)) return std::nullopt;
    options.toleranceClass =
        *toleranceClass == "grob" ? ToleranceClass::Coarse : ToleranceClass::Fine;
  }
  options.assignments = arguments.All("--set");
  return options;
}

bool ApplyAssignment(std::string_view assignment, DesignRecord& design, std::string_view command,
                     std::ostream& err) {
  const auto equals = assignment.find('=');
  if (equals == std::string_view::npos || equals == 0) {
    err << "zt6 " << command << ": --set expects NAME=VALUE, not \"" << assignment << "\"\n";
    return false;
  }
  const std::string_view name = assignment.substr(0, equals);
  const std::string_view text = assignment.substr(equals + 1);
  const RecordField* field = FindRecordField(name);
  if (field == nullptr) {
    err << "zt6 " << command << ": unknown name \"" << name << "\"\n";
    return false;
  }
  if (field->role != FieldRole::Input) {
    err << "zt6 " << command << ": \"" << name << "\" is a result and cannot be set\n";
    return false;
  }
  const auto value = field->kind == FieldKind::Text ? ParseFieldValue(*field, Utf8ToCp850(text))
                                                    : ParseFieldValue(*field, text);
  if (!value || !SetField(*field, design, *value)) {
    err << "zt6 " << command << ": bad value \"" << text << "\" for " << name << ": "
        << ExpectedValue(*field) << " expected\n";
    return false;
  }
  if (const InputRange* range = FindInputRange(field->name)) {
    const double number = std::holds_alternative<double>(*value)
                              ? std::get<double>(*value)
                              : std::get<std::int32_t>(*value);
    if (!InputHolds(*range, number)) {
      err << "zt6 " << command << ": " << OutOfRangeProblem({range, number}) << "\n";
      return false;
    }
  }
  return true;
}

int ShapeDesign(WindowlessSession& session, DesignRecord& design, const DesignOptions& options,
                std::string_view command, std::ostream& err) {
  Program& program = session.program;
  if (options.size) {
    if (!TakeSizeRow(program, session.access, design, *options.size, options.toleranceClass))
      return UnknownSize(session, *options.size, command, err);
  } else if (options.toleranceClass) {
    design.toleranceClass = *options.toleranceClass;
  }
  for (const std::string& assignment : options.assignments) {
    if (!ApplyAssignment(assignment, design, command, err)) return kExitUsage;
  }
  return kExitDone;
}

int CheckProjectForRun(const std::string& file, std::string_view command, std::ostream& err) {
  DesignRecord design;
  DocumentationData docs;
  const ProjectParseResult loaded = LoadProjectForRun(file, design, docs);
  if (loaded.ok) return kExitDone;
  err << "zt6 " << command << ": " << file << ": " << loaded.problem << "\n";
  return kExitRefused;
}

int ReadShapedProject(WindowlessSession& session, const std::string& file,
                      const DesignOptions& options, std::string_view command, std::ostream& err) {
  if (!file.empty()) {
    if (const int checked = CheckProjectForRun(file, command, err); checked != kExitDone)
      return checked;
  }
  if (!options.Any()) return session.Read(file);
  if (!file.empty()) {
    if (const int loaded = session.Load(file); loaded != kExitDone) return loaded;
  } else {
    // A new design has no file: headers show no name rather than a bare extension.
    session.program.projectName.clear();
    session.program.projectFromCommandLine = true;
  }
  if (const int shaped = ShapeDesign(session, session.program.design, options, command, err);
      shaped != kExitDone) {
    return shaped;
  }
  return session.Calculate();
}

}  // namespace zt6
