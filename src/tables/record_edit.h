#pragma once
// The values typed into one record of the table editor grid, held until the record is
// posted. As in a data grid, a record is written when the cursor leaves it, on OK or
// on the navigator's post; Cancel drops what was typed.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "tables/current_table.h"

namespace zt6 {

class RecordEdit {
 public:
  // The record typed into; 0 when nothing waits.
  std::int64_t Record() const { return record_; }

  // Keeps text (Windows code page) for field n of the record. A text the field cannot
  // hold throws DbfError naming the field, and nothing is kept. Values typed into
  // another record must be posted or dropped first.
  void Set(const CurrentTable& table, std::int64_t record, int field, std::string_view text);
  // The text form of field n of the record as it will be posted; empty when not typed.
  std::optional<std::string> Text(const CurrentTable& table, std::int64_t record,
                                  int field) const;

  // Writes the record with its typed values into the table. A write fault throws
  // DbfError and the values stay.
  void Post(CurrentTable& table);
  void Drop();

 private:
  std::int64_t record_ = 0;
  std::map<int, std::string> typed_;  // field number -> text as typed
};

}  // namespace zt6
