#pragma once
// One field of a dBASE table: name (at most 10 characters, upper case), type letter
// (C N F L D M; B G P are read as M), declared length and decimals.

#include <string>

namespace zt6 {

struct DbfFieldSpec {
  std::string name;
  char type = 'C';
  int length = 1;
  int decimals = 0;
};

struct DbfColumn : DbfFieldSpec {
  int offset = 0;  // position in the record; the deletion flag is byte 0
};

}  // namespace zt6
