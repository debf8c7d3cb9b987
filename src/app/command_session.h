#pragma once
// The program of one zt6 command on a project file: settings and tables as wzt6 finds
// them, the batch prompts on the error stream, and the project read and calculated.

#include <optional>
#include <ostream>
#include <string>

#include "app/batch_ui.h"
#include "app/program.h"
#include "app/prompts.h"

namespace zt6 {

class CommandSession {
 public:
  // tableFolder overrides the configured table folder.
  CommandSession(std::ostream& err, const std::optional<std::string>& tableFolder);
  CommandSession(const CommandSession&) = delete;
  CommandSession& operator=(const CommandSession&) = delete;

  // Reads and calculates the project: kExitDone, kExitRefused when it cannot be read,
  // kExitFatalRun (messages written to the error stream) after a fatal message.
  int Read(const std::string& file);

  Program program;
  BatchUi ui;
  Prompts prompts;

 private:
  std::ostream& err_;
};

}  // namespace zt6
