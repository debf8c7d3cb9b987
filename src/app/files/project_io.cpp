#include "app/files/project_io.h"

#include <filesystem>

#include "app/files/project_file.h"
#include "base/codepage.h"
#include "base/folder_join.h"
#include "base/safe_file.h"
#include "calc/calculation_run.h"
#include "calc/input_ranges.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

const std::string kProjectPattern = std::string("*.") + kProjectExtension;

// A chosen file moves the project directory to its folder; its name loses the extension.
std::string TakeChosenFile(Program& program, const std::string& chosen) {
  const fs::path path(chosen);
  program.projectDirectory = path.parent_path().string();
  return path.stem().string();
}

void RestoreCursor(Prompts& prompts) { prompts.ui().SetWaitCursor(false); }

}  // namespace

std::string ProjectFilePath(const Program& program, const std::string& name) {
  if (name.find('.') != std::string::npos) return name;
  return JoinFolder(program.projectDirectory, name + "." + kProjectExtension);
}

void WriteProject(Program& program, Prompts& prompts, std::string name) {
  ShellState& shell = program.shell;
  if (program.projectFromCommandLine && name != "aktuell") {
    if (shell.archiveMode) {
      prompts.ShowError(Oem("File- und User- Befehle sind im Archivierungsmodus nicht möglich."));
      shell.cancel = true;
      return;
    }
    program.projectFromCommandLine = false;
  }
  if (name.empty()) {
    const std::string proposal = shell.demoMode ? "demo" : program.projectName;
    const auto chosen =
        prompts.ui().ChooseFileToWrite(program.projectDirectory, kProjectPattern, proposal);
    if (!chosen || chosen->empty()) {
      shell.cancel = true;
      return;
    }
    name = TakeChosenFile(program, *chosen);
  }
  const std::string path = ProjectFilePath(program, name);
  prompts.CheckFileForWriting(path);
  if (shell.cancel) {
    RestoreCursor(prompts);
    return;
  }
  const SafeWriteResult written =
      WriteFileSafely(path, ProjectFileText(program.design, program.docs, program.config.format));
  if (!written.ok) {
    prompts.ReportWriteFailure(path, written.errorNumber);
  } else {
    program.projectName = name;
  }
  RestoreCursor(prompts);
}

std::string CutFileText(const std::string& path, std::size_t lines) {
  return "Datei " + Utf8ToCp850(path) + " endet vorzeitig nach Zeile " + std::to_string(lines);
}

std::optional<std::string> OutOfRangeText(const std::string& path, const DesignRecord& design) {
  const auto out = FirstInputOutOfRange(design);
  if (!out) return std::nullopt;
  return "Datei " + Utf8ToCp850(path) + ": Feld " + std::string(out->input->field) + " = " +
         InputValueText(out->value) + Oem(" liegt außerhalb des gültigen Wertebereichs ") +
         out->input->rule.range.Text("und");
}

ReadOutcome ReadProject(Program& program, Prompts& prompts, StandardTables& tables,
                        std::string name, CutFile cut, RangeCheck ranges) {
  ShellState& shell = program.shell;
  const auto refused = [&](ReadOutcome outcome) {
    shell.cancel = true;
    RestoreCursor(prompts);
    return outcome;
  };
  if (name.empty()) {
    const auto chosen = prompts.ui().ChooseFileToRead(program.projectDirectory, kProjectPattern);
    if (!chosen || chosen->empty()) {
      shell.cancel = true;
      return ReadOutcome::Refused;
    }
    name = TakeChosenFile(program, *chosen);
  }
  const std::string path = ProjectFilePath(program, name);
  DesignRecord design = program.design;
  DocumentationData docs = program.docs;
  ProjectParseResult parsed = LoadProjectFile(path, design, docs);
  if (!parsed.opened) {
    prompts.CheckFileForReading(path);
    return refused(ReadOutcome::Refused);  // also when the file vanished between the two looks
  }
  if (!parsed.ok) {
    prompts.ShowError("Datei " + Utf8ToCp850(path) + Oem(" ist keine gültige Projektdatei !"));
    return refused(ReadOutcome::Refused);
  }
  if (parsed.truncated) {
    const std::string text = CutFileText(path, parsed.lines);
    if (cut == CutFile::Refuse) prompts.ShowError(text + " !");
    if (cut != CutFile::Ask) return refused(ReadOutcome::Cut);
    if (!prompts.AskYesNoCancel(text + Oem(". Die fehlenden Werte erhalten ihre Vorgabewerte. "
                                           "Trotzdem öffnen ?"))) {
      return refused(ReadOutcome::Cut);
    }
    // What the file lacks comes from the defaults, never from the project open before.
    design = DesignRecord{};
    docs = InitialDocumentation(TodayText(program.config.format.dateCode));
    parsed = LoadProjectFile(path, design, docs);
    if (!parsed.ok) return refused(ReadOutcome::Refused);
  }
  if (ranges == RangeCheck::Refuse) {
    if (const auto text = OutOfRangeText(path, design)) {
      prompts.ShowError(*text + " !");
      return refused(ReadOutcome::Refused);
    }
  }
  program.design = std::move(design);
  program.docs = std::move(docs);
  program.projectName = name;
  // Drawings and reports use derived quantities straight after reading.
  CalculationRun(program.design, program.messages, tables);
  RestoreCursor(prompts);
  return ReadOutcome::Read;
}

}  // namespace zt6
