#include "app/commands/main_commands.h"

#include <cctype>
#include <filesystem>

#include "app/commands/drawing_command.h"
#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/files/configuration_file.h"
#include "app/files/project_io.h"
#include "app/files/recent_list.h"
#include "app/startup/startup.h"
#include "base/codepage.h"
#include "calc/calculation_run.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

constexpr int kCalculationKindHelp = 2750;

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// The screen's intermediate block files "$name.dx$".
bool IsTemporaryDrawingFile(const fs::path& file) {
  const std::string name = file.filename().string();
  if (name.size() < 5 || name.front() != '$') return false;
  std::string ext = name.substr(name.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".dx$";
}

void DeleteTemporaryDrawingFiles(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || !IsTemporaryDrawingFile(it->path())) continue;
    std::error_code removeError;
    fs::remove(it->path(), removeError);
  }
}

// The overwrite question on or off for the length of one write.
class ScopedOverwriteQuestion {
 public:
  ScopedOverwriteQuestion(ShellState& shell, bool ask)
      : shell_(shell), before_(shell.overwriteQuestion) {
    shell_.overwriteQuestion = ask;
  }
  ~ScopedOverwriteQuestion() { shell_.overwriteQuestion = before_; }
  ScopedOverwriteQuestion(const ScopedOverwriteQuestion&) = delete;
  ScopedOverwriteQuestion& operator=(const ScopedOverwriteQuestion&) = delete;

 private:
  ShellState& shell_;
  bool before_;
};

}  // namespace

int ResultGraphicKind(int setting) {
  switch (setting) {
    case 2: return 13;  // "Quick 2": both tolerance tables
    case 3: return 8;   // "Fertigungszeichnung"
    case 4: return 14;  // "Diagramm"
    case 5: return 9;   // "Zeichnung"
    default: return 5;  // "Quick 1", "egal" and anything else
  }
}

MainCommands::MainCommands(Program& program, Prompts& prompts, StandardTables& tables,
                           InputDialogs& dialogs, CadPorts& screenPorts)
    : program_(program),
      prompts_(prompts),
      tables_(tables),
      dialogs_(dialogs),
      screenPorts_(screenPorts),
      programTitle_(ProgramTitleLine(program.words["Kerbverzahnung"])) {
  // The prompts speak the program's language from now on, switches included.
  prompts_.UseWords(program_.words);
}

std::string MainCommands::ProjectPath() const {
  return ProjectFilePath(program_, program_.projectName);
}

bool MainCommands::SaveQuery() {
  ShellState& shell = program_.shell;
  shell.cancel = false;
  savedByQuery_ = false;
  if (program_.projectFromCommandLine && program_.config.archiveMode) {
    program_.modified = false;
    return true;
  }
  if (!program_.modified) return true;
  if (!program_.projectName.empty()) {
    const std::string file = ProjectPath();
    if (prompts_.AskYesNoCancel(program_.words["Datei speichern"] + " (" + Utf8ToCp850(file) +
                                ") ?")) {
      const ScopedOverwriteQuestion noQuestion(shell, false);
      WriteProject(program_, prompts_, program_.projectName);
      if (!shell.cancel) program_.modified = false;
      savedByQuery_ = !shell.cancel;
    } else if (!shell.cancel) {
      program_.modified = false;
    }
    return !shell.cancel;
  }
  if (prompts_.AskYesNoCancel(program_.words["Bisherige Eingaben verwerfen ?"])) {
    program_.modified = false;
  } else {
    shell.cancel = true;
  }
  return !shell.cancel;
}

void MainCommands::Calculate() {
  prompts_.ui().SetWaitCursor(true);
  CalculationRun(program_.design, program_.messages, tables_);
  prompts_.ui().SetWaitCursor(false);
}

void MainCommands::RunSummaryDialog() {
  RunSummary(program_.messages, prompts_, DescriptionFilePath(program_), program_.words.Language())
      .Summary();
}

void MainCommands::AfterCalculationRefresh() {
  DrawingCommand(program_, prompts_, screenPorts_,
                 ResultGraphicKind(program_.config.resultGraphic), CadOutputType::Screen);
}

void MainCommands::StartFromDefaults() {
  const std::string today = TodayText(program_.config.format.dateCode);
  // Nothing of the project open before carries over: not its size, tolerances and pins,
  // nor its names and numbers.
  program_.design = DesignRecord{};
  program_.docs = InitialDocumentation(today);
  const std::string templateFile = TemplateProjectPath(program_);
  if (Exists(templateFile)) {
    ReadProject(program_, prompts_, tables_, templateFile);
    program_.shell.cancel = false;  // a broken template leaves the defaults
  }
  program_.projectName.clear();
  program_.projectFromCommandLine = false;
  ResetDocumentation(program_.docs, program_.design.drawing, today);
  program_.drawing.Clear();
  if (onProjectCleared) onProjectCleared();
}

void MainCommands::New() {
  ShellState& shell = program_.shell;
  if (!SaveQuery()) return;
  StartFromDefaults();

  shell.helpNumber = kCalculationKindHelp;
  const int kind = prompts_.AskChoice("Berechnungsart", {"Auslegung", "Nachrechnung"}, 2);
  if (shell.cancel) return;
  if (!dialogs_.DrawingIdentification()) return;

  if (kind == 2) {
    if (!dialogs_.Dimensions()) return;
    const bool material = dialogs_.Material();
    shell.cancel = false;
    const bool load = dialogs_.Load();
    shell.cancel = false;
    Calculate();
    if (material && load) {
      program_.modified = true;
      RunSummaryDialog();
      shell.cancel = false;
    }
  } else {
    if (!dialogs_.Material() || !dialogs_.Load()) return;
    program_.modified = true;
    prompts_.ui().SetWaitCursor(true);
    DesignVariant(program_.design, program_.messages, tables_);
    prompts_.ui().SetWaitCursor(false);
    if (shell.cancel) return;
  }
  AfterCalculationRefresh();
  program_.modified = true;
}

bool MainCommands::ReadAndTake(const std::string& name, bool remember) {
  // A file not taken leaves the open project where it was: a later Save must not
  // write it under the refused file's folder or name.
  const std::string directoryBefore = program_.projectDirectory;
  ReadProject(program_, prompts_, tables_, name, CutFile::Ask);
  if (program_.shell.cancel) {
    program_.projectDirectory = directoryBefore;
    return false;
  }
  program_.modified = false;
  if (remember) RememberRecentFile(program_, ProjectPath());
  AfterCalculationRefresh();
  return true;
}

bool MainCommands::OpenCutCommandLineProject() {
  const std::string file = program_.cutCommandLineProject;
  program_.cutCommandLineProject.clear();
  if (file.empty()) return false;
  program_.shell.cancel = false;
  if (ReadProject(program_, prompts_, tables_, file, CutFile::Ask) != ReadOutcome::Read) {
    program_.shell.cancel = false;
    return false;
  }
  program_.projectDirectory.clear();  // the name carries its own path, as at start-up
  program_.projectFromCommandLine = true;
  program_.modified = false;
  RememberRecentFile(program_, ProjectPath());
  AfterCalculationRefresh();
  return true;
}

bool MainCommands::BeginDemonstration() {
  const bool wasModified = program_.modified;
  const bool named = !program_.projectName.empty();
  if (!SaveQuery()) return false;
  putAside_ = ProjectSnapshot::Take(program_);
  if (wasModified && !savedByQuery_) {
    if (named) {
      // "No" to saving: the changes stay unsaved, and they come back after the tour.
      putAside_->modified = true;
    } else {
      putAside_.reset();  // discarded inputs of an unnamed design are gone
    }
  }
  program_.design = DesignRecord{};
  program_.docs = InitialDocumentation(TodayText(program_.config.format.dateCode));
  program_.projectName.clear();
  program_.projectFromCommandLine = false;
  program_.drawing.Clear();
  if (onProjectCleared) onProjectCleared();
  return true;
}

void MainCommands::EndDemonstration() {
  const bool cancelled = program_.shell.cancel;
  program_.shell.cancel = false;
  if (putAside_) {
    putAside_->RestoreInto(program_);
    putAside_.reset();
  } else {
    StartFromDefaults();
    program_.modified = false;
  }
  Calculate();
  AfterCalculationRefresh();
  program_.shell.cancel = cancelled;
}

bool MainCommands::OpenFromProjectTable(const std::string& name) {
  // Read names the project only when the file was taken.
  return ReadAndTake(name, false);
}

void MainCommands::Open() {
  if (!SaveQuery()) return;
  ReadAndTake("");
}

void MainCommands::OpenRecent(int entry) {
  if (entry < 1 || entry > static_cast<int>(program_.recent.entries.size())) return;
  if (!SaveQuery()) return;
  const std::string path = program_.recent.entries[static_cast<std::size_t>(entry - 1)];
  if (path.empty()) return;
  if (!Exists(path)) {
    RemoveRecent(program_.recent, entry);
    prompts_.ShowMessage("File " + Utf8ToCp850(path) + " not found !");
    return;
  }
  const fs::path file(path);
  const std::string nameBefore = program_.projectName;
  const std::string directoryBefore = program_.projectDirectory;
  program_.projectDirectory = file.parent_path().string();
  program_.projectName = file.stem().string();
  if (!ReadAndTake(program_.projectName)) {
    program_.projectName = nameBefore;
    program_.projectDirectory = directoryBefore;
  }
}

void MainCommands::Save() {
  ShellState& shell = program_.shell;
  shell.cancel = false;
  const ScopedOverwriteQuestion noQuestion(shell, false);
  WriteProject(program_, prompts_, program_.projectName);
  if (!shell.cancel) program_.modified = false;
}

void MainCommands::SaveAs() {
  ShellState& shell = program_.shell;
  shell.cancel = false;
  const ScopedOverwriteQuestion ask(shell, true);
  WriteProject(program_, prompts_, "");
  if (shell.cancel) return;
  RememberRecentFile(program_, ProjectPath());
  program_.modified = false;
}

void MainCommands::EditText() {
  if (dialogs_.DrawingIdentification()) program_.modified = true;
}

void MainCommands::EditDimensions() {
  if (dialogs_.Dimensions()) program_.modified = true;
  // The recalculation runs after Cancel too; the caller still learns of the Cancel.
  const bool cancelled = program_.shell.cancel;
  program_.shell.cancel = false;
  Calculate();
  AfterCalculationRefresh();
  program_.shell.cancel = cancelled;
}

void MainCommands::EditMaterial() {
  if (dialogs_.Material()) program_.modified = true;
  const bool cancelled = program_.shell.cancel;
  program_.shell.cancel = false;
  Calculate();
  AfterCalculationRefresh();
  program_.shell.cancel = cancelled;
}

void MainCommands::EditLoad() {
  if (!dialogs_.Load()) return;
  program_.modified = true;
  Calculate();
  AfterCalculationRefresh();
  program_.modified = true;
}

void MainCommands::SetLanguage(int n) {
  program_.config.menuLanguage = n;
  program_.words.Load(n);
  captions_.Load(n, program_.words);
  programTitle_ = ProgramTitleLine(program_.words["Kerbverzahnung"]);
}

bool MainCommands::CloseQuery() {
  if (!SaveQuery()) return false;
  screenPorts_.ShowStatus(program_.words["Lösche temporäre Dateien ..."]);
  DeleteTemporaryDrawingFiles(FolderSettingPath(program_.config.temporaryFolder));
  return true;
}

std::string MainCommands::Title() const {
  const std::string title = Cp850ToUtf8(programTitle_);
  const std::string& name = program_.projectName;
  if (name.empty()) return title;
  // The project name is a file-system name already.
  if (name.find('.') != std::string::npos) return title + "  -  " + name;
  return title + "  -  " + name + "." + kProjectExtension;
}

std::string MainCommands::MessageItemCaption() const {
  return captions_.Caption("mi_viewErrorMessages") + " (" +
         std::to_string(program_.messages.Count()) + ")";
}

bool MainCommands::MessageItemEnabled() const { return program_.messages.Count() != 0; }

std::string MainCommands::RecentItemCaption(int entry) const {
  if (entry < 1 || entry > static_cast<int>(program_.recent.entries.size())) return {};
  const std::string& path = program_.recent.entries[static_cast<std::size_t>(entry - 1)];
  if (path.empty()) return {};
  return "&" + std::to_string(entry) + " " + ShortenedPath(path);
}

bool MainCommands::RecentSeparatorVisible() const { return !program_.recent.entries[0].empty(); }

}  // namespace zt6
