#include "tables/dbf_file.h"

#include "base/safe_file.h"
#include "tables/dbf_error.h"
#include "tables/dbf_messages.h"

namespace zt6 {

DbfFile LoadDbfFile(const std::string& path) {
  FileContent content = ReadWholeFile(path, kMaxTableBytes);
  if (content.tooLarge) {
    RefuseTable(path,
                WindowsText("Datei größer als ") + std::to_string(kMaxTableBytes >> 20) + " MiB");
  }
  if (!content.ok) throw DbfError(NotFoundText(path));
  return DbfFileFromBytes(path, std::move(content.bytes));
}

DbfFile DbfFileFromBytes(const std::string& path, std::string bytes) {
  DbfFile table;
  table.path = path;
  table.layout = ReadDbfLayout(bytes, path);
  const DbfLayout& layout = table.layout;
  table.records =
      bytes.substr(layout.headerLength, std::size_t{layout.recordCount} * layout.recordLength);
  bytes.resize(layout.headerLength);
  table.header = std::move(bytes);
  return table;
}

}  // namespace zt6
