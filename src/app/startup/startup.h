#pragma once
// Start-up: the settings and the session file are read first; then the command-line
// step ends help and batch runs with an exit code, or prepares the interactive start
// (project directory, template project, first calculation).

#include "app/files/configuration.h"
#include "app/ports/launcher.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"
#include "app/startup/command_line.h"
#include "app/state/program.h"
#include "calc/standard_tables.h"

namespace zt6 {

struct StartOutcome {
  bool exitNow = false;  // help, batch run or refusal finished: end the process with exitCode
  int exitCode = 0;
  CommandLine commandLine;
};

// Reads the configuration (working directory, then the per-user folder) and the session
// file, and hands the settings to the shell. Without a configuration the defaults stay.
void LoadSettingsAndSession(Program& program, ScreenSize screen);

// The ports a batch report may hand its file to.
struct OutputPorts {
  Launcher& launcher;
  Printer& printer;
};

StartOutcome RunCommandLineStep(Program& program, Prompts& prompts, StandardTables& tables,
                                OutputPorts ports);

// The file name of the template for new designs in the project directory.
std::string TemplateProjectPath(const Program& program);

}  // namespace zt6
