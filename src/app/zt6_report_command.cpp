#include "app/zt6_report_command.h"

#include <filesystem>
#include <optional>

#include "app/command_session.h"
#include "app/report_output.h"
#include "app/zt6_commands.h"
#include "report/calculation_report.h"
#include "report/codepage.h"
#include "report/safe_file.h"
#include "report/text_lines.h"

namespace zt6 {

namespace {

enum class Encoding { Utf8, Dos, Windows };

struct ReportOptions {
  std::string file;
  std::string form = "text";
  std::optional<std::string> output;
  std::optional<std::string> tableFolder;
  int language = 0;  // 0: the configured one
  Encoding encoding = Encoding::Utf8;
};

std::optional<ReportOptions> ParseReportOptions(
    const std::vector<std::string>& args, const std::function<int(std::string_view)>& usageError) {
  ReportOptions options;
  const auto value = [&](std::size_t& i) -> std::optional<std::string> {
    if (i + 1 == args.size()) {
      usageError(args[i] + " needs a value");
      return std::nullopt;
    }
    return args[++i];
  };
  bool haveFile = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--format" || arg == "-o" || arg == "--tables" || arg == "--language" ||
        arg == "--encoding") {
      const auto v = value(i);
      if (!v) return std::nullopt;
      if (arg == "--format") {
        if (*v != "text" && *v != "tsv" && *v != "html") {
          usageError("unknown format \"" + *v + "\"");
          return std::nullopt;
        }
        options.form = *v;
      } else if (arg == "-o") {
        options.output = *v;
      } else if (arg == "--tables") {
        options.tableFolder = *v;
      } else if (arg == "--language") {
        if (*v != "1" && *v != "2") {
          usageError("--language takes 1 (German) or 2 (English)");
          return std::nullopt;
        }
        options.language = *v == "1" ? 1 : 2;
      } else {
        if (*v == "utf8") options.encoding = Encoding::Utf8;
        else if (*v == "dos") options.encoding = Encoding::Dos;
        else if (*v == "windows") options.encoding = Encoding::Windows;
        else {
          usageError("unknown encoding \"" + *v + "\"");
          return std::nullopt;
        }
      }
    } else if (arg.starts_with("-") && arg.size() > 1) {
      usageError("unknown option \"" + arg + "\"");
      return std::nullopt;
    } else if (haveFile) {
      usageError("report takes one project file");
      return std::nullopt;
    } else {
      options.file = arg;
      haveFile = true;
    }
  }
  if (!haveFile) {
    usageError("report needs a project file");
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

}  // namespace

int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<int(std::string_view)>& usageError) {
  const auto options = ParseReportOptions(args, usageError);
  if (!options) return kExitUsage;

  CommandSession session(err, options->tableFolder);
  if (options->language > 0) session.program.words.Load(options->language);
  if (const int read = session.Read(options->file); read != kExitDone) return read;
  Program& program = session.program;

  ReportWriter& writer = program.report;
  writer.SetHeader(CalculationReportHeader(program.design, program.words, kProgramVersion), 0);
  writer.SetColumns(CalculationReportColumns(program.words));
  const std::string shownName = Utf8ToCp850(options->output.value_or("-"));
  writer.Begin(DeviceOfForm(options->form), shownName, ReportSettingsOf(program.config),
               ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteCalculationReportPages(writer, program.design, program.words, program.config.format,
                              RunRemarks(program));
  writer.Finish();

  const std::string bytes = Encoded(writer.Output(), options->form, options->encoding,
                                    program.config.format.asciiSpecial);
  if (!options->output) {
    out << bytes;
    out.flush();
    return out ? kExitDone : kExitRefused;
  }
  const SafeWriteResult written = WriteFileSafely(*options->output, bytes);
  if (!written.ok) {
    err << "zt6 report: " << *options->output << ": " << written.error << '\n';
    return kExitRefused;
  }
  return kExitDone;
}

}  // namespace zt6
