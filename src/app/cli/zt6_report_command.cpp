#include "app/cli/zt6_report_command.h"

#include <filesystem>
#include <optional>

#include "app/cli/command_options.h"
#include "app/cli/design_options.h"
#include "app/cli/zt6_commands.h"
#include "app/commands/print_calculation_report.h"
#include "app/commands/report_output.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "base/program_identity.h"
#include "report/calculation_report.h"
#include "report/change_list.h"

namespace zt6 {

namespace {

enum class Encoding { Utf8, Dos, Windows };

struct ReportOptions : FileCommandOptions {
  std::string form = "text";
  Encoding encoding = Encoding::Utf8;
  DesignOptions design;
  bool changes = false;  // the change list instead of the calculation report
};

std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args,
                                                const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kFileCommandSpecs;
  specs.insert(specs.end(), kDesignSpecs.begin(), kDesignSpecs.end());
  specs.push_back({"--format"});
  specs.push_back({"--encoding"});
  specs.push_back({"--changes", false});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return std::nullopt;
  ReportOptions options;
  if (const auto form = arguments->Last("--format")) {
    if (!OneOf(*form, {"text", "tsv", "html"}, "format", usageError)) return std::nullopt;
    options.form = *form;
  }
  if (const auto encoding = arguments->Last("--encoding")) {
    if (!OneOf(*encoding, {"utf8", "dos", "windows"}, "encoding", usageError)) return std::nullopt;
    options.encoding = *encoding == "dos"       ? Encoding::Dos
                       : *encoding == "windows" ? Encoding::Windows
                                                : Encoding::Utf8;
  }
  const auto design = TakeDesignOptions(*arguments, usageError);
  if (!design) return std::nullopt;
  options.design = *design;
  const auto common =
      TakeFileCommandOptions(*arguments, "report", usageError, options.design.size.has_value());
  if (!common) return std::nullopt;
  static_cast<FileCommandOptions&>(options) = *common;
  options.changes = arguments->Has("--changes");
  if (options.changes && (options.design.Any() || options.file.empty())) {
    usageError("report --changes takes a project file and no design options");
    return std::nullopt;
  }
  return options;
}

// The device whose form and paging the command writes: a file, a spreadsheet file,
// a web page.
int DeviceOfForm(const std::string& form) {
  if (form == "tsv") return 6;
  if (form == "html") return 7;
  return 3;
}

// Text and tab-separated reports are DOS text; HTML is Windows text already and says so.
std::string Encoded(const std::string& report, const std::string& form, Encoding encoding,
                    bool asciiSpecial) {
  if (form == "html" || encoding == Encoding::Dos) return report;
  if (encoding == Encoding::Utf8) return Cp850ToUtf8(report);
  LineWriter copy;
  for (const std::string& line : SplitLines(report))
    copy.Line(OemToAnsiAnyLength(line, asciiSpecial));
  return copy.Text();
}

// The change list of a project, as the print command of the documentation menu lays
// it out (with the page header); the calculation's outcome does not matter to it.
int ChangeListCommand(WindowlessSession& session, const ReportOptions& options, std::ostream& out,
                      std::ostream& err) {
  if (const int read = session.Load(options.file); read != kExitDone) return read;
  Program& program = session.program;
  ReportWriter& writer = program.report;
  writer.SetHeader(ChangeListHeader(ProgramTitleLine(program.words["Kerbverzahnung"]),
                                    kProgramVersion, program.design.drawing.infoLines),
                   0);
  writer.Begin(DeviceOfForm(options.form), Utf8ToCp850(options.output.value_or("-")),
               ReportSettingsOf(program.config), ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteChangeList(writer, program.docs, program.config.changeIndexStyle);
  writer.Finish();
  const std::string bytes =
      Encoded(writer.Output(), options.form, options.encoding, program.config.format.asciiSpecial);
  return DeliverOutput(bytes, options.output, "report", out, err);
}

}  // namespace

int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<int(std::string_view)>& usageError) {
  const auto options = ParseReportOptions(args, usageError);
  if (!options) return kExitUsage;

  WindowlessSession session({.readSettings = true, .command = true, .tableFolder = options->tableFolder},
                            err, err);
  if (options->language > 0) session.program.words.Load(options->language);
  if (options->changes) return ChangeListCommand(session, *options, out, err);
  if (const int read = ReadShapedProject(session, options->file, options->design, "report", err);
      read != kExitDone) {
    return read;
  }
  Program& program = session.program;

  ReportWriter& writer = program.report;
  SetUpCalculationReport(program);
  const std::string shownName = Utf8ToCp850(options->output.value_or("-"));
  writer.Begin(DeviceOfForm(options->form), shownName, ReportSettingsOf(program.config),
               ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteCalculationReport(program);
  writer.Finish();

  const std::string bytes = Encoded(writer.Output(), options->form, options->encoding,
                                    program.config.format.asciiSpecial);
  return DeliverOutput(bytes, options->output, "report", out, err);
}

}  // namespace zt6
