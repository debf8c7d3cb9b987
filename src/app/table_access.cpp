#include "app/table_access.h"

#include "report/codepage.h"
#include "tables/dbf_error.h"

namespace zt6 {

namespace {

std::string FolderPath(const std::string& setting) {
  const std::size_t first = setting.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return Cp850ToUtf8(setting.substr(first, setting.find_last_not_of(' ') - first + 1));
}

}  // namespace

TableFolders TableFoldersOf(const Configuration& config) {
  return {FolderPath(config.dbfFolder), FolderPath(config.temporaryFolder)};
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
