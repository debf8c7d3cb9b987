#pragma once
// Writes into an existing table file in place: appended records, records changed in
// the editor, the header upkeep. Holds the file open while it lives; the append lock
// is released when it ends.

#include <cstdint>
#include <string>
#include <string_view>

namespace zt6 {

class TableFileWriter {
 public:
  // Throws DbfError when the file cannot be opened for writing.
  explicit TableFileWriter(const std::string& path);
  ~TableFileWriter();
  TableFileWriter(const TableFileWriter&) = delete;
  TableFileWriter& operator=(const TableFileWriter&) = delete;

  // The append lock: false when someone else holds it.
  bool TryLock();
  // Throws DbfError when not every byte was written.
  void WriteAt(std::uint64_t offset, std::string_view bytes);

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace zt6
