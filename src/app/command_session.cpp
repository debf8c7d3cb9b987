#include "app/command_session.h"

#include <filesystem>

#include "app/project_io.h"
#include "app/shipped_tables.h"
#include "app/size_lookup.h"
#include "app/startup.h"
#include "app/table_access.h"
#include "app/zt6_commands.h"
#include "report/codepage.h"

namespace zt6 {

CommandSession::CommandSession(std::ostream& err, const std::optional<std::string>& tableFolder)
    : ui(err, err), prompts(ui, program.shell, program.config.format), err_(err) {
  program.shippedTableFolder = tableFolder.value_or(ShippedTableFolder());
  program.shippedDataFolder = ShippedDataFolder();
  LoadSettingsAndSession(program, kBatchScreenSize);
  if (tableFolder) program.config.dbfFolder = Utf8ToCp850(*tableFolder);
  std::error_code ec;
  if (program.config.temporaryFolder.empty())
    program.config.temporaryFolder =
        Utf8ToCp850(std::filesystem::temp_directory_path(ec).string());
  if (program.config.menuLanguage > 0) program.words.Load(program.config.menuLanguage);
  program.shell.noGui = true;
}

int CommandSession::Read(const std::string& file) {
  TableAccess access(program.table, prompts, program.config);
  DatabaseTables tables(access);
  program.shell.cancel = false;  // a missing configuration file is no refusal here
  ReadProject(program, prompts, tables, file);
  if (program.shell.cancel) return kExitRefused;
  program.projectName = file;
  program.projectFromCommandLine = true;
  const RunMessages& messages = program.messages;
  if (!messages.FatalFlag()) return kExitDone;
  for (int k = 1; k <= messages.Count(); ++k) err_ << Cp850ToUtf8(messages.Message(k)) << '\n';
  return kExitFatalRun;
}

}  // namespace zt6
