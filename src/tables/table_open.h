#pragma once
// Where a table of the table folder is opened from: the file itself, or, for editing,
// a copy in the process's own temporary folder when the table folder or the file is
// write-protected, so that edits never fail half-way and the original stays untouched.

#include <string>

#include "tables/current_table.h"

namespace zt6 {

struct TableLocation {
  bool ok = false;
  std::string path;   // the file to open
  std::string error;  // the open error's text (Windows code page) when !ok
};

// name gets ".dbf" when it holds no "."; it is looked for in the table folder.
TableLocation LocateTableForUse(const std::string& name, const TableFolders& folders,
                                TableUse use);

}  // namespace zt6
