#include "app/startup/startup.h"

#include <filesystem>

#include "app/commands/drawing_command.h"
#include "app/commands/print_calculation_report.h"
#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/files/project_io.h"
#include "app/files/recent_list.h"
#include "app/startup/help_screen.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/folder_join.h"
#include "base/safe_file.h"
#include "cad/drawing_sheets.h"
#include "calc/calculation_run.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

StartOutcome Exit(StartOutcome outcome, int code) {
  outcome.exitNow = true;
  outcome.exitCode = code;
  return outcome;
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The user directory is a subfolder of the data directory named at a prompt. Returns
// false when the program has to end (Cancel, or a name that is no such subfolder).
bool AskUserDirectory(Program& program, Prompts& prompts, int& exitCode) {
  const std::string preset = program.shell.demoMode ? "DAROD" : "";
  const bool wasCancelled = program.shell.cancel;
  program.shell.cancel = false;
  program.shell.helpNumber = 1500;
  const std::string name = prompts.AskText("Passwort (User) eingeben ...", 8, preset);
  if (program.shell.cancel) {
    exitCode = 0;
    return false;
  }
  program.shell.cancel = wasCancelled;
  const std::string dataFolder = Cp850ToUtf8(program.config.defaultDataFolder);
  if (!IsFolder(dataFolder)) prompts.ShowError("Invalid Directory " + program.config.defaultDataFolder);
  const std::string typed = Cp850ToUtf8(name);
  const bool malformed = typed.empty() || typed == ".." || typed == "\\" || typed == "/" ||
                         typed == "." || (typed.size() > 1 && typed[1] == ':') ||
                         typed.find('/') != std::string::npos;
  if (malformed || !IsFolder(JoinFolder(dataFolder, typed))) {
    prompts.ShowError(Oem("Ungültiges Passwort ") + name + " !");
    exitCode = 1;
    return false;
  }
  program.userDirectory = typed;
  return true;
}

// Ends the interactive preparation: project directory, template, first calculation.
StartOutcome InteractiveStart(Program& program, Prompts& prompts, StandardTables& tables,
                              StartOutcome outcome) {
  ShellState& shell = program.shell;
  if (program.projectFromCommandLine) {
    // The project name carries its own path.
    program.projectDirectory.clear();
  } else {
    if (program.config.askUserDirectory) {
      int exitCode = 0;
      if (!AskUserDirectory(program, prompts, exitCode)) return Exit(outcome, exitCode);
    }
    prompts.ui().SetWaitCursor(true);
    program.projectDirectory =
        JoinFolder(Cp850ToUtf8(program.config.defaultDataFolder), program.userDirectory);
    std::error_code ec;
    if (!shell.demoMode && fs::is_regular_file(TemplateProjectPath(program), ec)) {
      ReadProject(program, prompts, tables, TemplateProjectPath(program));
      program.projectName.clear();
    }
  }
  shell.cancel = false;
  CalculationRun(program.design, program.messages, tables);
  shell.cancel = false;
  program.modified = false;
  prompts.ui().SetWaitCursor(false);
  return outcome;
}

// The batch report: the tab-separated report, whose Windows copy is written as the
// project name + ".txt" in the current folder.
StartOutcome BatchReport(Program& program, Prompts& prompts, OutputPorts ports,
                         StartOutcome outcome) {
  program.config.textDevice = 9;
  program.config.askTextDevice = false;
  ReportOutput output(program, prompts, ports.launcher, ports.printer);
  PrintCalculationReport(output, program, prompts);
  // A report that could not be written is a failed run, not a finished one.
  if (prompts.shell().cancel) return Exit(outcome, 1);
  if (program.messages.Count() > 0 && !program.messages.FatalFlag())
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
  return Exit(outcome, 0);
}

// The batch CAD output of a project that was read: drawing j in format i, the file
// named after the project.
StartOutcome BatchCad(Program& program, Prompts& prompts, OutputPorts output,
                      StartOutcome outcome) {
  const int format = outcome.commandLine.cadFormat;
  const int kind = outcome.commandLine.cadDrawing;
  PromptCadPorts ports(program, prompts, output.launcher);
  ports.batchCad = true;
  // Only the file formats run without a window: DXF, IGES and text.
  const bool fileFormat = format == 1 || format == 2 || format == 5;
  if (!program.messages.FatalFlag() && (!fileFormat || !DrawingAvailable(kind))) {
    prompts.ShowErrorAlways(
        // The number as typed: one too large for a number reads as 0.
        fileFormat ? "Zeichnung " + Utf8ToCp850(outcome.commandLine.cadDrawingText) +
                         " gibt es nicht (1.." +
                         std::to_string(drawing_kind::kLast) + ")"
                   : "CAD-Format " + std::to_string(format) +
                         Oem(" ist im Stapelbetrieb nicht möglich (1 DXF, 2 IGES, 5 TXT)"));
    return Exit(outcome, 2);
  }
  const DrawingOutcome drawn =
      DrawingCommand(program, prompts, ports, kind, static_cast<CadOutputType>(format));
  // A drawing that could not be written is a failed run, not a finished one.
  if (drawn == DrawingOutcome::Cancelled) return Exit(outcome, 1);
  if (drawn == DrawingOutcome::Drawn && program.messages.Count() > 0)
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
  return Exit(outcome, 0);
}

// The batch output is named after the project in the working folder: a project named
// "p.txt" would get its report written over itself, which is refused.
bool WouldOverwriteProject(const Program& program, Prompts& prompts, const CommandLine& line) {
  const char* extension = line.action == StartAction::BatchReport
                              ? "txt"
                              : ExtensionOf(static_cast<CadOutputType>(line.cadFormat));
  if (*extension == '\0') return false;
  const std::string output = program.projectName + "." + extension;
  if (!IsSameFile(output, line.project)) return false;
  prompts.ShowErrorAlways("Datei " + Utf8ToCp850(output) +
                          Oem(" ist die Projektdatei selbst und wird nicht überschrieben !"));
  return true;
}

}  // namespace

void LoadSettingsAndSession(Program& program, ScreenSize screen) {
  if (program.startDirectory.empty()) {
    std::error_code ec;
    program.startDirectory = fs::current_path(ec).string();
  }
  if (program.configPlace.directory.empty()) program.configPlace.directory = program.startDirectory;
  LoadConfiguration(program.config, program.configPlace, screen, program.startDirectory,
                    program.shell, &program.refusedConfiguration);
  // Until a configuration names a table folder, the tables installed with the program
  // are used: the installation folder plays the part of the start directory here.
  if (TrimBlanks(program.config.dbfFolder).empty() && !program.shippedTableFolder.empty())
    program.config.dbfFolder = StartFolderSetting(program.shippedTableFolder);
  program.recent = LoadSession(program.configPlace.SessionFile());
  program.shell.helpLevel = program.config.helpLevel;
  program.shell.archiveMode = program.config.archiveMode;
  program.docs = InitialDocumentation(TodayText(program.config.format.dateCode));
}

std::string TemplateProjectPath(const Program& program) {
  return JoinFolder(program.projectDirectory, std::string("null.") + kProjectExtension);
}

StartOutcome RunCommandLineStep(Program& program, Prompts& prompts, StandardTables& tables,
                                OutputPorts ports) {
  StartOutcome outcome;
  outcome.commandLine = ClassifyArguments(program.arguments);
  const CommandLine& line = outcome.commandLine;
  ShellState& shell = program.shell;
  shell.noGui = line.noGui;
  shell.cancel = false;
  shell.messageBoxesEnabled = true;
  CheckDirectories(program.config, prompts, program.startDirectory);
  if (!program.config.askUserDirectory) program.projectDirectory.clear();

  switch (line.action) {
    case StartAction::Interactive:
      return InteractiveStart(program, prompts, tables, outcome);
    case StartAction::Help:
      prompts.ui().ShowTextScreen(HelpScreenLines());
      return Exit(outcome, 0);
    default:
      break;
  }

  program.projectName = line.project;
  program.projectDirectory.clear();

  switch (line.action) {
    case StartAction::Demo:
      shell.demoMode = true;
      break;
    case StartAction::BatchReport:
    case StartAction::BatchCad:
      // An empty name would ask with the open dialog, which a batch run has not.
      if (line.project.empty()) {
        prompts.ShowErrorAlways("Keine Projektdatei angegeben");
        return Exit(outcome, 1);
      }
      ReadProject(program, prompts, tables, line.project, CutFile::Refuse, RangeCheck::Refuse);
      if (shell.cancel) return Exit(outcome, 1);
      // A table row the run needs could not be read: a failed run, unlike a design
      // the calculation refuses, and said even without a window.
      if (HasTableFault(program.messages)) {
        for (int k = 1; k <= program.messages.Count(); ++k) {
          const std::string& message = program.messages.Message(k);
          if (message.starts_with(kTableFaultPrefix))
            prompts.ShowErrorAlways(message.substr(kFatalPrefix.size()));
        }
        return Exit(outcome, 1);
      }
      program.projectName = ProjectNameFromPath(line.project);
      if (WouldOverwriteProject(program, prompts, line)) return Exit(outcome, 2);
      if (line.action == StartAction::BatchReport)
        return BatchReport(program, prompts, ports, outcome);
      return BatchCad(program, prompts, ports, outcome);
    case StartAction::InteractiveWithFile: {
      if (line.project.find('.') == std::string::npos) {
        prompts.ShowError(Oem("Erweiterung .") + kProjectExtension +
                          Oem(" muß mit angegeben werden"));
        return Exit(outcome, 0);
      }
      shell.messageBoxesEnabled = false;
      const ReadOutcome read =
          ReadProject(program, prompts, tables, line.project, CutFile::Defer);
      program.projectFromCommandLine = true;
      shell.messageBoxesEnabled = true;
      if (read == ReadOutcome::Cut) {
        // Taken only if the user agrees, which the window asks once it is open; until
        // then the program starts as without a file.
        program.cutCommandLineProject = line.project;
        program.projectName.clear();
        program.projectFromCommandLine = false;
        shell.cancel = false;
        break;
      }
      // On the list now, in the session file once the window is open: a start the
      // window refuses (no display) leaves no session file behind.
      if (read == ReadOutcome::Read) AddRecent(program.recent, RecentEntryPath(line.project));
      if (shell.cancel) {
        // Not readable: it becomes the name of a new project, if it can be created.
        shell.cancel = false;
        prompts.CheckFileForWriting(ProjectFilePath(program, line.project));
        if (shell.cancel) return Exit(outcome, 0);
        program.projectName = line.project;
      }
      break;
    }
    case StartAction::InteractiveNoRead:
    default:
      break;
  }
  return InteractiveStart(program, prompts, tables, outcome);
}

}  // namespace zt6
