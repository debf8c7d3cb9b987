#include "app/commands/spreadsheet_commands.h"

#include <algorithm>
#include <cctype>

#include "app/commands/print_calculation_report.h"
#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/files/project_io.h"
#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "report/calculation_report.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxProjectBytes = 1u << 20;

// Digits with at most one decimal separator and an optional exponent, nothing else.
bool IsNumberText(std::string_view text, char separator) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  bool separatorSeen = false;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isdigit(c) != 0) {
      ++digits;
    } else if (c == static_cast<unsigned char>(separator) && !separatorSeen) {
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) ++i;
    if (i == exponentStart) return false;
  }
  return i == text.size();
}

std::string DosToUtf8(std::string_view dos, bool asciiSpecial) {
  return ConvertWithBeta(
      dos,
      [&](std::string_view piece) { return Cp1252ToUtf8(OemToAnsiAnyLength(piece, asciiSpecial)); },
      "β");
}

}  // namespace

WorkbookCell SpreadsheetCell(const std::string& utf8, int tabSeparator) {
  WorkbookCell cell{utf8, std::nullopt};
  std::string_view trimmed(utf8);
  while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t'))
    trimmed.remove_prefix(1);
  while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t'))
    trimmed.remove_suffix(1);
  const char separator = tabSeparator == 1 ? '.' : ',';
  if (!IsNumberText(trimmed, separator)) return cell;
  std::string plain(trimmed);
  for (char& c : plain)
    if (c == separator) c = '.';
  cell.number = TryParseReal(plain);
  return cell;
}

WorkbookSheet ProjectFileSheet(const std::string& projectFileBytes, bool asciiSpecial) {
  WorkbookSheet sheet;
  for (const std::string& line : SplitLines(projectFileBytes))
    sheet.push_back({WorkbookCell{DosToUtf8(line, asciiSpecial), std::nullopt}});
  return sheet;
}

WorkbookSheet TabSeparatedSheet(const std::string& reportBytes, int tabSeparator,
                                bool asciiSpecial, const std::vector<std::size_t>& textLines) {
  WorkbookSheet sheet;
  for (const std::string& line : SplitLines(reportBytes)) {
    const bool texts = line.find('\t') == std::string::npos ||
                       std::find(textLines.begin(), textLines.end(), sheet.size()) != textLines.end();
    std::vector<WorkbookCell> row;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      const std::string field = line.substr(start, tab == std::string::npos ? tab : tab - start);
      const std::string utf8 = DosToUtf8(field, asciiSpecial);
      row.push_back(texts ? WorkbookCell{utf8, std::nullopt} : SpreadsheetCell(utf8, tabSeparator));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    sheet.push_back(std::move(row));
  }
  return sheet;
}

WorkbookSheet GridSheet(const std::vector<std::vector<std::string>>& rows, int tabSeparator) {
  WorkbookSheet sheet;
  for (const auto& row : rows) {
    std::vector<WorkbookCell> cells;
    for (const std::string& text : row) cells.push_back(SpreadsheetCell(text, tabSeparator));
    sheet.push_back(std::move(cells));
  }
  return sheet;
}

std::string CannotStartSpreadsheet() { return "Excel kann nicht gestartet werden"; }

bool OpenWorkbook(const WorkbookSheet& sheet, const std::string& path, Workbooks& workbooks,
                  Launcher& launcher, Prompts& prompts, const std::string& failureText) {
  const std::string problem = workbooks.Write(path, sheet);
  if (!problem.empty()) {
    prompts.ShowError(failureText + "\r\n" + Utf8ToCp850(problem));
    return false;
  }
  if (!launcher.Open(path)) {
    prompts.ShowError(failureText + "\r\n" + Utf8ToCp850(path));
    return false;
  }
  return true;
}

namespace {

bool ProjectIntoWorkbook(Program& program, Prompts& prompts, Workbooks& workbooks,
                         Launcher& launcher) {
  if (program.projectName.empty()) {
    prompts.ShowMessage("File not found. Use \"File->Save\"");
    prompts.shell().cancel = true;
    return false;
  }
  const std::string file = Cp850ToUtf8(ProjectFilePath(program, program.projectName));
  const FileContent content = ReadWholeFile(file, kMaxProjectBytes);
  if (!content.ok || content.tooLarge) {
    prompts.ShowMessage("File not found. Use \"File->Save\"");
    prompts.shell().cancel = true;
    return false;
  }
  const std::string path = TemporaryFilePath(program.config, Cp850ToUtf8(program.projectName) + ".xlsx");
  return OpenWorkbook(ProjectFileSheet(content.bytes, program.config.format.asciiSpecial), path,
                      workbooks, launcher, prompts, CannotStartSpreadsheet());
}

}  // namespace

bool StartSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                      Launcher& launcher) {
  if (program.projectName.empty()) {
    prompts.ShowMessage(
        Oem("Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")"));
    return false;
  }
  return ProjectIntoWorkbook(program, prompts, workbooks, launcher);
}

bool ExportToSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                         Launcher& launcher, const std::function<void()>& save) {
  prompts.shell().cancel = false;
  if (program.modified) {
    save();
    if (prompts.shell().cancel) return false;
  }
  return ProjectIntoWorkbook(program, prompts, workbooks, launcher);
}

std::string TabSeparatedReport(Program& program, const std::string& shownName) {
  ReportWriter& writer = program.report;
  SetUpCalculationReport(program);
  writer.Begin(6, Utf8ToCp850(shownName), ReportSettingsOf(program.config),
               ReportPageInfoOf(program, std::nullopt));
  writer.PageHeader(0, 0);
  WriteCalculationReport(program);
  writer.Finish();
  return writer.Output();
}

bool ReportToSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                         Launcher& launcher) {
  if (program.messages.FatalFlag()) {
    // As every report request after a fatal run: the run-message summary instead.
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
    return false;
  }
  // Named after the project, and new each time: the spreadsheet program may still hold
  // the workbook of an earlier printout open. The report's header names it.
  const std::string path =
      FreshTemporaryFilePath(program.config, ProjectFileStem(program) + "_Ausdruck", ".xlsx");
  const std::string report = TabSeparatedReport(program, path);
  ++program.report.fileCounter;
  return OpenWorkbook(TabSeparatedSheet(report, ReportSettingsOf(program.config).tabSeparator,
                                        program.config.format.asciiSpecial,
                                        program.report.TextLines()),
                      path, workbooks, launcher, prompts, CannotStartSpreadsheet());
}

}  // namespace zt6
