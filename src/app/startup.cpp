#include "app/startup.h"

#include "app/help_screen.h"
#include "report/codepage.h"

namespace zt6 {

namespace {

// Interactive start: fixes the project directory and clears the flags the window
// relies on. Template reading and the first calculation join here as soon as the
// project reader and the calculation run exist.
void PrepareInteractiveStart(Program& program) {
  if (program.projectFromCommandLine) program.projectDirectory.clear();
  program.shell.cancel = false;
  program.modified = false;
}

StartOutcome Exit(StartOutcome outcome, int code) {
  outcome.exitNow = true;
  outcome.exitCode = code;
  return outcome;
}

}  // namespace

StartOutcome RunCommandLineStep(Program& program, Prompts& prompts) {
  StartOutcome outcome;
  outcome.commandLine = ClassifyArguments(program.arguments);
  const CommandLine& line = outcome.commandLine;
  ShellState& shell = program.shell;
  shell.noGui = line.noGui;
  shell.cancel = false;
  shell.messageBoxesEnabled = true;

  switch (line.action) {
    case StartAction::Interactive:
      PrepareInteractiveStart(program);
      return outcome;
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
    case StartAction::InteractiveNoRead:
      break;
    case StartAction::BatchReport:
    case StartAction::BatchCad:
      // No project reader in this build: the file counts as unreadable.
      prompts.ShowError(Oem("Projektdateien können in dieser Version noch nicht gelesen werden: ") +
                        line.project);
      return Exit(outcome, 1);
    case StartAction::InteractiveWithFile:
      if (line.project.find('.') == std::string::npos) {
        prompts.ShowError(Oem("Erweiterung .") + kProjectExtension +
                          Oem(" muß mit angegeben werden"));
        return Exit(outcome, 0);
      }
      program.projectFromCommandLine = true;
      break;
    default:
      break;
  }
  PrepareInteractiveStart(program);
  return outcome;
}

}  // namespace zt6
