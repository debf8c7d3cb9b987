#pragma once
// The readable source of a shipped table: a CSV text in UTF-8 whose first line
// declares the fields ("NAME:T:LEN:DEC", DEC optional) and whose other lines are the
// records, one value per field, quoted as RFC 4180 quotes ("a,b", "say ""x""").

#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_field.h"

namespace zt6 {

struct TableSource {
  bool ok = false;
  std::string error;  // "line N: what is wrong"
  std::vector<DbfFieldSpec> fields;
  std::vector<std::vector<std::string>> records;  // values in the Windows code page
};

TableSource ParseTableSource(std::string_view csv);

}  // namespace zt6
