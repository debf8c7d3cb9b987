#pragma once
// Creates a new dBASE table from a field list and its records, written safely
// (temporary file, then rename). The file is a dBASE III table (version 0x03) with
// the code-page-850 language driver byte, texts stored in the DOS code page, and
// the 0x1A end byte, so other dBASE readers decode it without guessing.

#include <string>
#include <vector>

#include "tables/dbf_field.h"

namespace zt6 {

struct DbfCreateResult {
  bool ok = false;
  std::string error;
};

// Each record holds one text per field in the Windows code page: C as is, N and F a
// number ("," or "." as the decimal point) stored with the declared decimals, L one
// of T/F/Y/N (any case), D eight digits. A value that does not fit its field is an
// error, never a silently cut number.
DbfCreateResult CreateDbfTable(const std::string& path, const std::vector<DbfFieldSpec>& fields,
                               const std::vector<std::vector<std::string>>& records);

}  // namespace zt6
