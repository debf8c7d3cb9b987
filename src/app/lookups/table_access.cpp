#include "app/lookups/table_access.h"

#include "app/files/configuration_file.h"
#include "base/codepage.h"
#include "tables/dbf_error.h"

namespace zt6 {

TableFolders TableFoldersOf(const Configuration& config) {
  return {FolderSettingPath(config.dbfFolder).string(),
          FolderSettingPath(config.temporaryFolder).string()};
}

TableAccess::TableAccess(CurrentTable& table, Prompts& prompts, const Configuration& config)
    : table_(table), prompts_(prompts), config_(config) {}

bool TableAccess::Use(const std::string& name) {
  const DbfUseResult opened = table_.DbfUse(name, folders());
  if (opened.ok) return true;
  prompts_.ShowError(AnsiToOem(opened.error));
  prompts_.shell().cancel = true;
  return false;
}

void TableAccess::ReportFault(const std::string& text) {
  try {
    table_.DbfClose();
  } catch (const DbfError&) {
    // The fault being reported is the one the user needs to see.
  }
  prompts_.ShowError(AnsiToOem(text));
  prompts_.shell().cancel = true;
}

}  // namespace zt6
