#pragma once
// Records as delimited text: one line per record ending in CR LF, the fields in field
// order separated by ",", C values in double quotes without trailing blanks, N and F
// trimmed, D as eight digits, L as one letter, M left out; the text ends with 0x1A.
// Texts stay in the stored (DOS) code page.

#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_field.h"

namespace zt6 {

// One line, CR LF included, for a stored record (deletion flag first).
std::string DelimitedLine(const std::vector<DbfColumn>& columns, std::string_view record);

// The stored records, each with a blank deletion flag and recordLength bytes long,
// for the lines of a delimited text. A quoted value may hold commas; missing values
// give blank fields, surplus ones are ignored. Throws DbfError for a number that does
// not fit its field.
std::string RecordsFromDelimited(const std::vector<DbfColumn>& columns, std::size_t recordLength,
                                 std::string_view text);

inline constexpr char kDelimitedEnd = 0x1A;

}  // namespace zt6
