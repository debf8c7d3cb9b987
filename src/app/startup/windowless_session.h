#pragma once
// One run of the program without windows: the state, the batch prompts on text
// streams, the standard tables and the batch launcher and printer, wired once for
// every windowless route (wzt6's batch switches, zt6 calc, report and cad).

#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/batch_ports.h"
#include "app/ports/batch_ui.h"
#include "app/ports/prompts.h"
#include "app/startup/startup.h"
#include "app/state/program.h"

namespace zt6 {

struct WindowlessOptions {
  // zt6.cfg and the session file as wzt6 reads them; without, the settings' defaults.
  bool readSettings = true;
  // A companion command: no window ever, the system's temporary folder when none is
  // configured, the words of the configured menu language.
  bool command = false;
  // Overrides the configured table folder.
  std::optional<std::string> tableFolder;
};

class WindowlessSession {
 public:
  // Prompts write their texts to `out`, their errors to `err`; the launcher and the
  // printer report to `err`.
  WindowlessSession(const WindowlessOptions& options, std::ostream& out = std::cout,
                    std::ostream& err = std::cerr);
  WindowlessSession(const WindowlessSession&) = delete;
  WindowlessSession& operator=(const WindowlessSession&) = delete;

  // Reads and calculates the project: kExitDone, kExitRefused when it cannot be read,
  // kExitFatalRun (messages written to the error stream) after a fatal message.
  int Read(const std::string& file);
  // Reads the project as Read does, without regard to how its calculation ended.
  int Load(const std::string& file);
  // Calculates the design again: kExitRefused when a standard table cannot be read,
  // else as Read.
  int Calculate();
  OutputPorts Ports() { return {launcher, printer}; }

  Program program;
  BatchUi ui;
  Prompts prompts;
  TableAccess access;
  DatabaseTables tables;
  BatchLauncher launcher;
  BatchPrinter printer;

 private:
  // Names a zt6.cfg that was not read since it is no configuration: on the error stream.
  void ReportRefusedConfiguration(bool command);
  // kExitFatalRun with the messages on the error stream after a fatal run, else kExitDone.
  int FatalOutcome();

  std::ostream& err_;
};

}  // namespace zt6
