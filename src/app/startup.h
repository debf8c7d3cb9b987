#pragma once
// The command-line step of wzt6: help and batch runs end here with an exit code;
// otherwise the interactive start is prepared.

#include "app/command_line.h"
#include "app/program.h"
#include "app/prompts.h"

namespace zt6 {

struct StartOutcome {
  bool exitNow = false;  // help or batch run finished: end the process with exitCode
  int exitCode = 0;
  CommandLine commandLine;
};

StartOutcome RunCommandLineStep(Program& program, Prompts& prompts);

}  // namespace zt6
