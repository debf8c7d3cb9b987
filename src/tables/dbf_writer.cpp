#include "tables/dbf_writer.h"

#include <set>
#include <string_view>

#include "base/safe_file.h"
#include "tables/dbf_error.h"
#include "tables/dbf_file.h"
#include "tables/dbf_header.h"
#include "tables/dbf_values.h"

namespace zt6 {

namespace {

constexpr char kVersion = 0x03;
constexpr char kLanguageDriverCp850 = 0x02;
constexpr std::size_t kLanguageDriverAt = 29;
constexpr char kDescriptorEnd = 0x0D;
constexpr std::size_t kMaxFields = 255;
constexpr std::size_t kMaxRecordLength = 0xFFFF;

void PutWord(std::string& bytes, std::size_t at, std::size_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// The checked column for a field, or an error text.
std::string CheckField(const DbfFieldSpec& spec, DbfColumn& column) {
  column.name = UpperAscii(spec.name);
  column.type = UpperAscii(std::string(1, spec.type)).front();
  column.length = spec.length;
  column.decimals = spec.decimals;
  const std::string label = "field " + (column.name.empty() ? std::string("\"\"") : column.name);
  if (column.name.empty() || column.name.size() > 10)
    return label + ": name needs 1 to 10 characters";
  if (std::string_view("CNFLD").find(column.type) == std::string_view::npos)
    return label + ": type must be C, N, F, L or D";
  const bool numeric = column.type == 'N' || column.type == 'F';
  if (column.length < 1 || column.length > 254) return label + ": length must be 1 to 254";
  if (column.type == 'L' && column.length != 1) return label + ": a logical field has length 1";
  if (column.type == 'D' && column.length != 8) return label + ": a date field has length 8";
  if (column.decimals < 0 || (!numeric && column.decimals != 0) ||
      (column.decimals > 0 && column.decimals > column.length - 2)) {
    return label + ": decimals do not fit the length";
  }
  return {};
}

std::string Header(const std::vector<DbfColumn>& columns, std::size_t recordLength,
                   std::size_t count) {
  const std::size_t headerLength = 32 + 32 * columns.size() + 1;
  std::string header(headerLength, '\0');
  header[0] = kVersion;
  StampHeader(header, DbfDialect::DBase3, static_cast<std::uint32_t>(count), Today());
  PutWord(header, 8, headerLength);
  PutWord(header, 10, recordLength);
  header[kLanguageDriverAt] = kLanguageDriverCp850;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const DbfColumn& column = columns[i];
    const std::size_t at = 32 + 32 * i;
    header.replace(at, column.name.size(), WindowsToStored(column.name));
    header[at + 11] = column.type;
    header[at + 16] = static_cast<char>(column.length);
    header[at + 17] = static_cast<char>(column.decimals);
  }
  header.back() = kDescriptorEnd;
  return header;
}

// A value in its stored form; C texts too long for the field are refused, not cut.
std::string StoredValue(const DbfColumn& column, const std::string& value) {
  if (column.type == 'C' &&
      WindowsToStored(value).size() > static_cast<std::size_t>(column.length)) {
    throw DbfError("\"" + value + "\" is longer than " + ColumnLabel(column));
  }
  const std::size_t letter = value.find_first_not_of(' ');
  if (column.type == 'L' && letter != std::string::npos &&
      (value.find_last_not_of(' ') != letter ||
       std::string_view("TtFfYyNn").find(value[letter]) == std::string_view::npos)) {
    throw DbfError("\"" + value + "\" is no truth value for " + ColumnLabel(column));
  }
  return StoredText(column, value);
}

}  // namespace

DbfCreateResult CreateDbfTable(const std::string& path, const std::vector<DbfFieldSpec>& fields,
                               const std::vector<std::vector<std::string>>& records) {
  if (fields.empty() || fields.size() > kMaxFields) return {false, "a table needs 1 to 255 fields"};
  std::vector<DbfColumn> columns(fields.size());
  std::set<std::string> names;
  std::size_t recordLength = 1;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (std::string error = CheckField(fields[i], columns[i]); !error.empty())
      return {false, error};
    if (!names.insert(columns[i].name).second)
      return {false, "field " + columns[i].name + " twice"};
    columns[i].offset = static_cast<int>(recordLength);
    recordLength += static_cast<std::size_t>(columns[i].length);
  }
  if (recordLength > kMaxRecordLength) return {false, "the record is longer than 65535 bytes"};

  std::string bytes = Header(columns, recordLength, records.size());
  for (std::size_t k = 0; k < records.size(); ++k) {
    const std::string where = "record " + std::to_string(k + 1);
    if (records[k].size() != columns.size()) {
      return {false, where + ": " + std::to_string(records[k].size()) + " values for " +
                         std::to_string(columns.size()) + " fields"};
    }
    bytes += ' ';
    for (std::size_t i = 0; i < columns.size(); ++i) {
      try {
        bytes += StoredValue(columns[i], records[k][i]);
      } catch (const DbfError& fault) {
        return {false, where + ": " + fault.what()};
      }
    }
    if (bytes.size() > kMaxTableBytes) return {false, "the table would be larger than 256 MiB"};
  }
  bytes += kDbfEndOfFile;
  const SafeWriteResult written = WriteFileSafely(path, bytes);
  if (!written.ok) return {false, path + ": " + written.error};
  return {true, {}};
}

}  // namespace zt6
