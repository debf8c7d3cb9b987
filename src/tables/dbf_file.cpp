#include "tables/dbf_file.h"

#include <algorithm>

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
  // The records keep the file's memory: a large table is not copied once more.
  table.header = bytes.substr(0, layout.headerLength);
  bytes.erase(0, std::min<std::size_t>(layout.headerLength, bytes.size()));
  bytes.resize(std::min(bytes.size(), std::size_t{layout.recordCount} * layout.recordLength));
  table.records = std::move(bytes);
  return table;
}

}  // namespace zt6
