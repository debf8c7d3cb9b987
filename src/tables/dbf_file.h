#pragma once
// A whole table file in memory: its header bytes as read and its records in the
// stored (DOS code page) form. Tables are read whole and refused above a size limit.

#include <cstddef>
#include <string>
#include <string_view>

#include "tables/dbf_header.h"

namespace zt6 {

inline constexpr std::size_t kMaxTableBytes = std::size_t{256} << 20;
// The byte after the last record.
inline constexpr char kDbfEndOfFile = 0x1A;

struct DbfFile {
  std::string path;
  DbfLayout layout;
  std::string header;   // the first headerLength bytes, kept as read
  std::string records;  // recordCount × recordLength bytes

  std::size_t Count() const { return layout.recordCount; }
  // Record k = 1..Count(), deletion flag first.
  std::string_view Record(std::size_t k) const {
    return std::string_view(records).substr((k - 1) * layout.recordLength, layout.recordLength);
  }
};

// Reads and checks a table file. Throws DbfError: the not-found text when it cannot
// be read, the refusal texts when it is no table or too large.
DbfFile LoadDbfFile(const std::string& path);
// The table as it is split from the bytes of a whole file (the path names it in errors).
DbfFile DbfFileFromBytes(const std::string& path, std::string bytes);

}  // namespace zt6
