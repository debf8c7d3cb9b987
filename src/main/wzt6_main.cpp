// wzt6: the ZT6 program. Help and batch runs end in the command-line step; the
// desktop window is started afterwards.

#include <iostream>
#include <string>
#include <vector>

#include "app/batch_ports.h"
#include "app/batch_ui.h"
#include "app/program.h"
#include "app/prompts.h"
#include "app/shipped_tables.h"
#include "app/size_lookup.h"
#include "app/table_access.h"
#include "app/startup.h"
#ifdef ZT6_HAVE_GUI
#include "gui/desktop.h"
#endif

int main(int argc, char** argv) {
  zt6::Program program;
  program.arguments.assign(argv + 1, argv + argc);
  program.shippedTableFolder = zt6::ShippedTableFolder();
  program.shippedDataFolder = zt6::ShippedDataFolder();

  zt6::LoadSettingsAndSession(program, zt6::kBatchScreenSize);

  zt6::BatchUi ui;
  zt6::Prompts prompts(ui, program.shell, program.config.format);
  zt6::TableAccess access(program.table, prompts, program.config);
  zt6::DatabaseTables tables(access);
  zt6::BatchLauncher launcher(std::cerr);
  zt6::BatchPrinter printer(std::cerr);
  const zt6::StartOutcome outcome =
      zt6::RunCommandLineStep(program, prompts, tables, {launcher, printer});
  if (outcome.exitNow) return outcome.exitCode;

#ifdef ZT6_HAVE_GUI
  if (zt6::gui::DisplayAvailable()) return zt6::gui::RunDesktop(program, argc, argv);
  std::cerr << "wzt6: no display for the desktop window; the batch switches (\"wzt6 /?\") "
               "work without one.\n";
#else
  std::cerr << "wzt6: built without the desktop window; \"wzt6 /?\" shows the command line.\n";
#endif
  return 1;
}
