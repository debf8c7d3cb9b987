#include "app/commands/project_table.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "app/commands/report_output.h"
#include "app/commands/spreadsheet_commands.h"
#include "app/files/project_file.h"
#include "app/files/project_folder.h"
#include "app/files/project_io.h"
#include "report/vocabulary.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/program_identity.h"
#include "calc/calculation_run.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

// The file's modification date as "yyyy/mm/dd", whatever the date setting.
std::string FileDate(const fs::path& path) {
  std::error_code ec;
  const fs::file_time_type written = fs::last_write_time(path, ec);
  if (ec) return {};
  const std::time_t t = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(written)));
  std::tm local{};
  localtime_r(&t, &local);
  return FormatDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 3);
}

std::string Shown(std::string_view oem) { return Cp850ToUtf8(oem); }

constexpr std::size_t kColumns = 18;
// Columns z .. S max 2 hold numbers; the material names between them do not.
bool IsNumberColumn(std::size_t column) {
  return column >= 5 && column < kColumns && column != 12 && column != 13;
}
constexpr std::size_t kFirstSafetyColumn = 14;

// Why a file gives no numbers (UTF-8), or nothing when it was read.
std::string ReadProblem(const ProjectParseResult& parsed) {
  if (!parsed.opened) return "nicht gefunden oder kein Zugriffsrecht";
  if (!parsed.ok) return "keine gültige Projektdatei";
  if (parsed.truncated) return "endet vorzeitig nach Zeile " + std::to_string(parsed.lines);
  return {};
}

std::vector<std::string> Row(const fs::path& file, const DesignRecord& d,
                             const FormatSettings& f) {
  return {file.filename().string(),
          FileDate(file),
          Shown(d.drawing.shaftNumber),
          Shown(d.drawing.hubNumber),
          Shown(d.designation),
          FormatInteger(d.z, 3, false),
          FormatLength(d.P, 3, 3, f),
          FormatFixed(d.gammaE, 3, 2, f),
          FormatLength(d.D, 3, 2, f),
          FormatLength(d.l, 3, 1, f),
          FormatTorque(d.TN, 5, 1, f),
          FormatTorque(d.Tmax, 5, 1, f),
          Shown(d.material[0].name),
          Shown(d.material[1].name),
          FormatFixed(d.material[0].Seq, 3, 2, f),
          FormatFixed(d.material[1].Seq, 3, 2, f),
          FormatFixed(d.material[0].Smax, 3, 2, f),
          FormatFixed(d.material[1].Smax, 3, 2, f)};
}

}  // namespace

std::vector<std::string> ProjectTableHeadings(const Program& program) {
  const FormatSettings& f = program.config.format;
  const std::string length = LengthUnitText(f);
  const std::string torque = TorqueUnitText(f);
  const Vocabulary& w = program.words;
  return {Cp850ToUtf8(w["Datei"]),
          Cp850ToUtf8(w["Datum  j/m/t"]),
          "1 (" + Cp850ToUtf8(w["Welle"]) + ")",
          "2 (" + Cp850ToUtf8(w["Nabe"]) + ")",
          OemToDisplay(program.words["Profil"], f.asciiSpecial),
          "z",
          "P [" + length + "]",
          "gamma e [°]",
          "D [" + length + "]",
          "l [" + length + "]",
          "TN [" + torque + "]",
          "Tmax [" + torque + "]",
          "Material 1",
          "Material 2",
          "S eq 1",
          "S eq 2",
          "S max 1",
          "S max 2"};
}

std::vector<std::vector<std::string>> ProjectTableRows(
    Program& program, Prompts& prompts, StandardTables& tables,
    const std::function<void(const std::string&)>& progress) {
  std::vector<std::vector<std::string>> rows;
  const FormatSettings& format = program.config.format;
  for (const fs::path& file : ProjectFiles(program.projectDirectory)) {
    prompts.ui().SetWaitCursor(true);
    if (progress) progress(file.filename().string());
    DesignRecord design;
    DocumentationData docs = InitialDocumentation(TodayText(format.dateCode));
    const ProjectParseResult parsed = LoadProjectFile(file, design, docs);
    program.shell.cancel = false;
    if (const std::string problem = ReadProblem(parsed); !problem.empty()) {
      std::vector<std::string> row(kColumns);
      row[0] = file.filename().string();
      row[1] = FileDate(file);
      row[2] = problem;
      rows.push_back(std::move(row));
      continue;
    }
    RunMessages messages;
    CalculationRun(design, messages, tables);
    std::vector<std::string> row = Row(file, design, format);
    if (messages.FatalFlag())
      std::fill(row.begin() + kFirstSafetyColumn, row.end(), std::string());
    rows.push_back(std::move(row));
  }
  prompts.ui().SetWaitCursor(false);
  return rows;
}

std::string ProjectNameOfListedFile(const std::string& folder, const std::string& fileName) {
  const fs::path file(fileName);
  const bool plain = file.extension().string() == std::string(".") + kProjectExtension &&
                     file.stem().string().find('.') == std::string::npos;
  return plain ? file.stem().string() : (fs::path(folder) / file).string();
}

std::string ProjectTableWorkbookPath(const Program& program) {
  std::error_code ec;
  fs::path folder = fs::absolute(
      program.projectDirectory.empty() ? fs::path(".") : fs::path(program.projectDirectory), ec);
  folder = folder.lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  const std::string name = folder.filename().string();
  return FreshTemporaryFilePath(program.config, (name.empty() ? "" : name + "_") + "Projekttabelle",
                                ".xlsx");
}

WorkbookSheet ProjectTableSheet(const std::vector<std::vector<std::string>>& cells,
                                const FormatSettings& format) {
  WorkbookSheet sheet;
  for (std::size_t r = 0; r < cells.size(); ++r) {
    std::vector<WorkbookCell>& row = sheet.emplace_back();
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      const std::string& text = cells[r][c];
      const bool number = r > 0 && IsNumberColumn(c);
      row.push_back(number ? SpreadsheetCell(text, format.decimalSeparator)
                           : WorkbookCell{text, std::nullopt});
    }
  }
  return sheet;
}

}  // namespace zt6
