#include "app/cli/zt6_report_command.h"

#include <filesystem>
#include <optional>

#include "app/cli/command_options.h"
#include "app/cli/design_options.h"
#include "app/cli/zt6_commands.h"
#include "app/commands/print_calculation_report.h"
#include "app/commands/print_text_file.h"
#include "app/commands/report_output.h"
#include "app/commands/spreadsheet_commands.h"
#include "app/startup/windowless_session.h"
#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/private_folder.h"
#include "base/program_identity.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "report/calculation_report.h"
#include "report/change_list.h"

namespace zt6 {

namespace {

enum class Encoding { Utf8, Dos, Windows };

struct ReportOptions : FileCommandOptions {
  std::string form = "text";
  Encoding encoding = Encoding::Utf8;
  std::optional<PageRange> pages;  // --pages, for pdf
  DesignOptions design;
  bool changes = false;  // the change list instead of the calculation report
};

// "2-3", or "2" for one page.
std::optional<PageRange> ParsePages(const std::string& text) {
  const std::size_t dash = text.find('-');
  const auto from = TryParseWhole(text.substr(0, dash));
  const auto to = dash == std::string::npos ? from : TryParseWhole(text.substr(dash + 1));
  if (!from || !to || *from < 1 || *to < *from) return std::nullopt;
  return PageRange{*from, *to};
}

std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args,
                                                const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kFileCommandSpecs;
  specs.insert(specs.end(), kDesignSpecs.begin(), kDesignSpecs.end());
  specs.push_back({"--format"});
  specs.push_back({"--encoding"});
  specs.push_back({"--pages"});
  specs.push_back({"--changes", false});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return std::nullopt;
  ReportOptions options;
  if (const auto form = arguments->Last("--format")) {
    if (!OneOf(*form, {"text", "tsv", "html", "pdf", "xlsx"}, "format", usageError))
      return std::nullopt;
    options.form = *form;
  }
  if (const auto pages = arguments->Last("--pages")) {
    options.pages = ParsePages(*pages);
    if (!options.pages || options.form != "pdf") {
      usageError("--pages takes FROM-TO (pages from 1) with --format pdf");
      return std::nullopt;
    }
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
  if (options.changes &&
      (options.design.Any() || options.file.empty() || options.form == "pdf" || options.form == "xlsx")) {
    usageError(
        "report --changes takes a project file, no design options and the format text, tsv or html");
    return std::nullopt;
  }
  return options;
}

// The device whose form and paging the command writes: a file, a spreadsheet file,
// a web page.
int DeviceOfForm(const std::string& form) {
  if (form == "tsv" || form == "xlsx") return 6;
  if (form == "html") return 7;
  if (form == "pdf") return 4;  // the Windows printer's pages, form feeds between them
  return 3;
}

// The report's pages printed into a PDF file, its bytes for delivery.
int PrintedPdf(const std::string& report, const ReportOptions& options, const Program& program,
               const Zt6Outputs& outputs, std::ostream& out, std::ostream& err) {
  if (!outputs.pdf) {
    err << "zt6 report: PDF is written by zt6-pdf, which is not installed beside zt6\n";
    return kExitRefused;
  }
  PrivateFolder work;
  if (work.Path().empty()) {
    err << "zt6 report: no temporary folder\n";
    return kExitRefused;
  }
  const std::string file = (work.Path() / "report.pdf").string();
  {
    const std::unique_ptr<Printer> printer = outputs.pdf(file);
    const PrintOutcome printed =
        PrintText(report, *printer, program.config, PrintedText::Dos,
                  options.pages ? options.pages : PageRange{1, PrintedPageCount(report)});
    if (printed == PrintOutcome::OutsideRange) {
      err << "zt6 report: pages " << options.pages->from << '-' << options.pages->to
          << ": the report has " << PrintedPageCount(report) << " page(s)\n";
      return kExitRefused;
    }
    if (printed != PrintOutcome::Printed || !printer->OutputError().empty()) {
      err << "zt6 report: " << PdfWriteProblem(*printer) << '\n';
      return kExitRefused;
    }
  }
  const FileContent pdf = ReadWholeFile(file, std::size_t{1} << 30);
  if (!pdf.ok) {
    err << "zt6 report: the PDF file could not be written\n";
    return kExitRefused;
  }
  return DeliverOutput(pdf.bytes, options.output, "report", out, err);
}

// Text and tab-separated reports are DOS text; HTML is Windows text already and says so.
std::string Encoded(const std::string& report, const std::string& form, Encoding encoding,
                    bool asciiSpecial) {
  if (form == "html" || encoding == Encoding::Dos) return report;
  if (encoding == Encoding::Utf8) return Cp850ToUtf8WithBeta(report);
  LineWriter copy;
  for (const std::string& line : SplitLines(report))
    copy.Line(OemToAnsiAnyLength(SpellBetaSymbols(line, "beta"), asciiSpecial));
  return copy.Text();
}

// The tab-separated form as a workbook, its bytes for delivery.
int Workbook(const std::string& report, const ReportOptions& options, const Program& program,
             const Zt6Outputs& outputs, std::ostream& out, std::ostream& err) {
  if (outputs.workbooks == nullptr) {
    err << "zt6 report: workbooks are written by zt6-xlsx, which is not installed beside zt6\n";
    return kExitRefused;
  }
  PrivateFolder work;
  if (work.Path().empty()) {
    err << "zt6 report: no temporary folder\n";
    return kExitRefused;
  }
  const std::string file = (work.Path() / "report.xlsx").string();
  const std::string problem = outputs.workbooks->Write(
      file, TabSeparatedSheet(report, ReportSettingsOf(program.config).tabSeparator,
                              program.config.format.asciiSpecial, program.report.TextLines()));
  if (!problem.empty()) {
    err << "zt6 report: " << problem << '\n';
    return kExitRefused;
  }
  const FileContent workbook = ReadWholeFile(file, std::size_t{1} << 30);
  if (!workbook.ok) {
    err << "zt6 report: the workbook could not be read back\n";
    return kExitRefused;
  }
  return DeliverOutput(workbook.bytes, options.output, "report", out, err);
}

// The change list of a project, as the print command of the documentation menu lays
// it out (with the page header); the calculation's outcome does not matter to it.
int ChangeListCommand(WindowlessSession& session, const ReportOptions& options, std::ostream& out,
                      std::ostream& err) {
  if (const int checked = CheckProjectForRun(options.file, "report", err); checked != kExitDone)
    return checked;
  if (const int read = session.Load(options.file); read != kExitDone) return read;
  Program& program = session.program;
  ReportWriter& writer = program.report;
  writer.SetHeader(
      ChangeListHeader(ProgramTitleLine(program.words["Kerbverzahnung"]), kProgramVersion,
                       program.design.drawing.infoLines, program.words),
      0);
  writer.SetWords(program.words);
  writer.Begin(DeviceOfForm(options.form), Utf8ToCp850(options.output.value_or("-")),
               ReportSettingsOf(program.config), ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteChangeList(writer, program.docs, program.config.changeIndexStyle, program.words);
  writer.Finish();
  const std::string bytes =
      Encoded(writer.Output(), options.form, options.encoding, program.config.format.asciiSpecial);
  return DeliverOutput(bytes, options.output, "report", out, err);
}

// The calculation report of the project as the session's report writer holds it
// afterwards, in the form of the device (shownName: the output's name in headers).
int WriteReport(WindowlessSession& session, const std::string& file, const DesignOptions& design,
                const std::string& form, const std::string& shownName, std::ostream& err) {
  if (const int read = ReadShapedProject(session, file, design, "report", err); read != kExitDone)
    return read;
  Program& program = session.program;
  ReportWriter& writer = program.report;
  SetUpCalculationReport(program);
  writer.Begin(DeviceOfForm(form), Utf8ToCp850(shownName), ReportSettingsOf(program.config),
               ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteCalculationReport(program);
  writer.Finish();
  return kExitDone;
}

}  // namespace

int CalculationReportBytes(const ReportRequest& request, std::string& bytes, std::ostream& err) {
  WindowlessSession session(
      {.readSettings = true, .command = true, .tableFolder = request.tableFolder}, err, err);
  if (request.language > 0) session.program.words.Load(request.language);
  if (const int written = WriteReport(session, request.file, request.design, request.form, "-", err);
      written != kExitDone) {
    return written;
  }
  const Program& program = session.program;
  bytes = Encoded(program.report.Output(), request.form, Encoding::Utf8,
                  program.config.format.asciiSpecial);
  return kExitDone;
}

int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<int(std::string_view)>& usageError,
                  const Zt6Outputs& outputs) {
  const auto options = ParseReportOptions(args, usageError);
  if (!options) return kExitUsage;

  WindowlessSession session({.readSettings = true, .command = true, .tableFolder = options->tableFolder},
                            err, err);
  if (options->language > 0) session.program.words.Load(options->language);
  if (options->changes) return ChangeListCommand(session, *options, out, err);
  if (const int written = WriteReport(session, options->file, options->design, options->form,
                                      options->output.value_or("-"), err);
      written != kExitDone) {
    return written;
  }
  const Program& program = session.program;
  const ReportWriter& writer = program.report;
  if (options->form == "pdf") return PrintedPdf(writer.Output(), *options, program, outputs, out, err);
  if (options->form == "xlsx") return Workbook(writer.Output(), *options, program, outputs, out, err);
  const std::string bytes = Encoded(writer.Output(), options->form, options->encoding,
                                    program.config.format.asciiSpecial);
  return DeliverOutput(bytes, options->output, "report", out, err);
}

}  // namespace zt6
