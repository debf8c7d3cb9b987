#include "app/startup/windowless_session.h"

#include <filesystem>

#include "app/cli/zt6_commands.h"
#include "app/files/project_io.h"
#include "app/lookups/shipped_tables.h"
#include "base/codepage.h"
#include "calc/calculation_run.h"
#include "calc/run_message_language.h"

namespace zt6 {

WindowlessSession::WindowlessSession(const WindowlessOptions& options, std::ostream& out,
                                     std::ostream& err)
    : ui(out, err),
      prompts(ui, program.shell, program.config.format),
      access(program.table, prompts, program.config, program.work),
      tables(access),
      launcher(err),
      printer(err),
      err_(err) {
  prompts.UseWords(program.words);
  program.shippedTableFolder = options.tableFolder.value_or(ShippedTableFolder());
  program.shippedDataFolder = ShippedDataFolder();
  if (options.readSettings) {
    LoadSettingsAndSession(program, kBatchScreenSize);
    ReportRefusedConfiguration(options.command);
  } else {
    program.config.dbfFolder = Utf8ToCp850(program.shippedTableFolder);
  }
  if (options.tableFolder) program.config.dbfFolder = Utf8ToCp850(*options.tableFolder);
  if (!options.command) return;
  std::error_code ec;
  if (program.config.temporaryFolder.empty())
    program.config.temporaryFolder =
        Utf8ToCp850(std::filesystem::temp_directory_path(ec).string());
  if (program.config.menuLanguage > 0) program.words.Load(program.config.menuLanguage);
  program.shell.noGui = true;
}

void WindowlessSession::ReportRefusedConfiguration(bool command) {
  const std::filesystem::path& file = program.refusedConfiguration;
  if (file.empty()) return;
  if (command) {
    err_ << "zt6: " << file.string()
         << ": not a configuration file (it does not start with \"zt6 Konfiguration\"); "
            "its settings are not used\n";
    return;
  }
  prompts.ShowErrorAlways("Datei " + Utf8ToCp850(file.string()) +
                          Oem(" ist keine Konfigurationsdatei und wird nicht gelesen !"));
}

int WindowlessSession::Read(const std::string& file) {
  if (const int loaded = Load(file); loaded != kExitDone) return loaded;
  return FatalOutcome();
}

int WindowlessSession::Load(const std::string& file) {
  program.shell.cancel = false;  // a missing configuration file is no refusal here
  ReadProject(program, prompts, tables, file, CutFile::Refuse, RangeCheck::Refuse);
  if (program.shell.cancel) return kExitRefused;
  program.projectName = file;
  program.projectFromCommandLine = true;
  return kExitDone;
}

int WindowlessSession::Calculate() {
  program.shell.cancel = false;
  CalculationRun(program.design, program.messages, tables);
  if (program.shell.cancel) return kExitRefused;
  return FatalOutcome();
}

int WindowlessSession::FatalOutcome() {
  const RunMessages& messages = program.messages;
  if (!messages.FatalFlag()) return kExitDone;
  for (int k = 1; k <= messages.Count(); ++k)
    err_ << Cp850ToUtf8(RunMessageInLanguage(messages.Message(k), program.words.Language()))
         << '\n';
  return kExitFatalRun;
}

}  // namespace zt6
