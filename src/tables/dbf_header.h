#pragma once
// The header of a dBASE file in its variants: dBASE II (fixed 521-byte header, 16-byte
// field descriptors), dBASE III/IV and the like (32-byte descriptors), dBASE 7 (48-byte
// descriptors after a 68-byte header). Reading checks the header against the file's
// size so that no later access can run outside the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_field.h"

namespace zt6 {

enum class DbfDialect { DBase2, DBase3, DBase7 };

struct DbfLayout {
  DbfDialect dialect = DbfDialect::DBase3;
  unsigned char version = 0x03;
  bool hasMemo = false;
  std::size_t headerLength = 0;  // offset of the first record
  std::size_t recordLength = 0;  // deletion flag included
  std::uint32_t recordCount = 0;
  std::vector<DbfColumn> columns;  // names upper case, Windows code page
};

// Reads the header of a whole table file. Throws DbfError naming path when the file is
// no table, its fields are bad, or its header does not match the file's size. Records
// the header counts but the file does not hold are refused, not silently dropped.
DbfLayout ReadDbfLayout(std::string_view file, std::string_view path);

struct DbfDate {
  int year = 1900;
  int month = 1;
  int day = 1;
};
// Today's date for the header stamp: the local clock's, or the date pinned.
DbfDate Today();

// Pins Today() to one date while it lives, so headers can be compared byte for byte
// whatever the hour (tests around midnight).
class PinnedDbfToday {
 public:
  explicit PinnedDbfToday(DbfDate date);
  ~PinnedDbfToday();
  PinnedDbfToday(const PinnedDbfToday&) = delete;
  PinnedDbfToday& operator=(const PinnedDbfToday&) = delete;
};

// The most records the dialect's header can count.
std::uint32_t MaxRecordCount(DbfDialect dialect);
// How many leading header bytes carry the date and the record count.
std::size_t StampLength(DbfDialect dialect);
// Writes the date of last update and the record count into header bytes.
void StampHeader(std::string& header, DbfDialect dialect, std::uint32_t count, DbfDate date);

}  // namespace zt6
