#include "app/lookups/table_access.h"

#include "app/files/configuration_file.h"
#include "base/codepage.h"
#include "tables/dbf_error.h"

namespace zt6 {

TableFolders TableFoldersOf(const Configuration& config, const WorkFolder& work, TableUse use) {
  // A reader needs no copy, so no working folder is made for it.
  return {FolderSettingPath(config.dbfFolder).string(),
          use == TableUse::Edit ? work.Path(FolderSettingPath(config.temporaryFolder)).string()
                                : std::string()};
}

TableAccess::TableAccess(CurrentTable& table, Prompts& prompts, const Configuration& config,
                         WorkFolder& work)
    : table_(table), prompts_(prompts), config_(config), work_(work) {}

bool TableAccess::Use(const std::string& name, TableUse use) {
  const DbfUseResult opened = table_.DbfUse(name, folders(use), use);
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
