#pragma once
// How the lookups reach the standard tables: the current table, the folders it is
// opened from, and the prompts that show an open error or a table fault. A table
// fault ends the current command with the error box and the cancel flag, and the
// table is closed so the next lookup starts afresh.

#include <string>

#include "app/files/configuration.h"
#include "app/ports/prompts.h"
#include "base/work_folder.h"
#include "tables/current_table.h"
#include "tables/dbf_error.h"

namespace zt6 {

// The table folder of the settings and, for editing, the process's own folder in the
// temporary folder of the settings, as file-system paths.
TableFolders TableFoldersOf(const Configuration& config, const WorkFolder& work, TableUse use);

class TableAccess {
 public:
  // The folders are taken from the settings at each opening, so a changed setting counts.
  TableAccess(CurrentTable& table, Prompts& prompts, const Configuration& config,
              WorkFolder& work);

  CurrentTable& table() { return table_; }
  Prompts& prompts() { return prompts_; }
  TableFolders folders(TableUse use) const { return TableFoldersOf(config_, work_, use); }

  // Opens a table of the table folder by name, to read or, where the pick window may
  // change it, to edit; an open error is shown and sets the cancel flag (false).
  bool Use(const std::string& name, TableUse use = TableUse::Read);
  // Shows a table fault (text in the Windows code page), closes the table and sets
  // the cancel flag.
  void ReportFault(const std::string& text);

  // Runs one lookup command; a table fault inside it is reported and ends it (false).
  template <typename Command>
  bool Run(Command&& command) {
    try {
      command();
      return true;
    } catch (const DbfError& fault) {
      ReportFault(fault.what());
      return false;
    }
  }

 private:
  CurrentTable& table_;
  Prompts& prompts_;
  const Configuration& config_;
  WorkFolder& work_;
};

}  // namespace zt6
