// Fuzzes the table layer: any file is refused with a DbfError or opened; an opened
// table is read field by field in every order, searched, written as delimited text and
// read back, appended to and packed, without a crash or hang, and every field text
// keeps the length its type promises.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "calc/run_messages.h"
#include "tables/current_table.h"
#include "tables/dbf_error.h"

namespace {

// A plain array, so the folder's name outlives every static object for the clean-up.
char workFolder[] = "/tmp/zt6_dbf_fuzz_XXXXXX";

void RemoveWorkFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(workFolder, ignored);
}

const std::string& WorkFolder() {
  static const std::string folder = [] {
    if (mkdtemp(workFolder) == nullptr) __builtin_trap();
    std::atexit(RemoveWorkFolder);
    return std::string(workFolder);
  }();
  return folder;
}

void CheckFieldTexts(const zt6::CurrentTable& table) {
  for (int n = 1; n <= table.DbfFieldCount(); ++n) {
    const zt6::DbfColumn& column = *table.FieldByNumber(n);
    const std::string text = table.DbfField(n);
    switch (column.type) {
      case 'L':
        if (text != "Y" && text != "N") __builtin_trap();
        break;
      case 'M':
        if (text != "MEMO" && text != "none") __builtin_trap();
        break;
      default:
        if (text.size() != static_cast<std::size_t>(column.length)) __builtin_trap();
    }
  }
}

// Visits every record in the active order; the walk must end within the record count.
void Walk(zt6::CurrentTable& table) {
  std::int64_t steps = 0;
  for (table.DbfGoTop(); !table.DbfEof(); table.DbfSkip(1)) {
    CheckFieldTexts(table);
    if (++steps > table.DbfRecCount()) __builtin_trap();
  }
  CheckFieldTexts(table);  // the blank record past the end
  table.DbfSkip(-1);
  table.DbfSkip(-3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = WorkFolder() + "/t.dbf";
  const std::string text = WorkFolder() + "/t.txt";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  zt6::RunMessages messages;
  zt6::CurrentTable table(messages);
  try {
    table.DbfUsePath(path);
  } catch (const zt6::DbfError&) {
    return 0;
  }
  try {
    Walk(table);
    table.SetHideDeleted(true);
    for (int n = 1; n <= table.DbfFieldCount(); ++n) {
      table.DbfIndexOn(table.DbfFieldName(n), "fuzz");
      Walk(table);
      table.DbfFindNear(" 1,5");
      table.DbfFind("A.1");
      CheckFieldTexts(table);
    }
    table.SetHideDeleted(false);
    table.DbfGo(table.DbfRecCount() + 1);
    table.DbfCopyToDelimited(text);
    table.DbfGo(1);
    if (table.DbfAppendRecord()) CheckFieldTexts(table);
    table.DbfAppendFromDelimited(text);
    table.DbfPack();
    Walk(table);
    table.DbfClose();
  } catch (const zt6::DbfError&) {
    // A refused value or write is a fault the layer reports; the object stays usable.
    try {
      table.DbfClose();
    } catch (const zt6::DbfError&) {
    }
  }
  return 0;
}
