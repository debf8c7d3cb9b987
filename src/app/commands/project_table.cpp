#include "app/commands/project_table.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "app/files/project_folder.h"
#include "app/files/project_io.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_format.h"
#include "base/program_identity.h"

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
  return {"File",
          "Date  y/m/d",
          "1 (Welle)",
          "2 (Nabe)",
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
  for (const fs::path& file : ProjectFiles(program.projectDirectory)) {
    prompts.ui().SetWaitCursor(true);
    if (progress) progress(file.filename().string());
    program.shell.cancel = false;
    // Reading names the project after the file and calculates the design, so the
    // derived quantities and safeties of the row are current.
    const bool plain = file.extension().string() == std::string(".") + kProjectExtension &&
                       file.stem().string().find('.') == std::string::npos;
    ReadProject(program, prompts, tables, plain ? file.stem().string() : file.string());
    const bool read = !program.shell.cancel;
    program.shell.cancel = false;
    if (read) rows.push_back(Row(file, program.design, program.config.format));
  }
  prompts.ui().SetWaitCursor(false);
  return rows;
}

}  // namespace zt6
