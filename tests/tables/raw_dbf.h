#pragma once
// Hand-made table files for the tests: a dBASE III layout written byte by byte, so
// that reader tests do not depend on the project's own writer, and so that broken
// headers can be made on purpose.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zt6::test_support {

struct RawField {
  std::string name;
  char type = 'C';
  int length = 1;
  int decimals = 0;
};

inline void PutLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
  for (int k = 0; k < width; ++k)
    bytes[at + static_cast<std::size_t>(k)] = static_cast<char>(value >> (8 * k) & 0xFF);
}

inline std::uint32_t ReadLittleEndian(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int k = width; k-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(k)));
  return value;
}

// Where a descriptor layout keeps its parts: first descriptor, descriptor size, and the
// bytes of type letter, length and decimals within a descriptor (the name is at 0).
struct DescriptorLayout {
  std::size_t first;
  std::size_t size;
  std::size_t type;
  std::size_t length;
  std::size_t decimals;
};

// Writes the field descriptors; returns the record length they give (deletion flag included).
inline std::uint32_t PutDescriptors(std::string& bytes, const std::vector<RawField>& fields,
                                    const DescriptorLayout& layout) {
  std::uint32_t recordLength = 1;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::size_t at = layout.first + layout.size * i;
    bytes.replace(at, fields[i].name.size(), fields[i].name);
    bytes[at + layout.type] = fields[i].type;
    bytes[at + layout.length] = static_cast<char>(fields[i].length);
    bytes[at + layout.decimals] = static_cast<char>(fields[i].decimals);
    recordLength += static_cast<std::uint32_t>(fields[i].length);
  }
  return recordLength;
}

struct RawTable {
  unsigned char version = 0x03;
  std::vector<RawField> fields;
  std::vector<std::string> records;  // whole records, deletion flag first
  std::optional<std::uint32_t> count;
  std::optional<std::uint32_t> headerLength;
  std::optional<std::uint32_t> recordLength;

  std::string Bytes() const {
    const std::uint32_t header =
        headerLength.value_or(static_cast<std::uint32_t>(32 + 32 * fields.size() + 1));
    std::string bytes(std::max<std::size_t>(header, 32 + 32 * fields.size() + 1), '\0');
    const std::uint32_t length = PutDescriptors(bytes, fields, {32, 32, 11, 16, 17});
    bytes[0] = static_cast<char>(version);
    bytes[1] = 99;  // 1999-01-01
    bytes[2] = 1;
    bytes[3] = 1;
    PutLittleEndian(bytes, 4, count.value_or(static_cast<std::uint32_t>(records.size())), 4);
    PutLittleEndian(bytes, 8, header, 2);
    PutLittleEndian(bytes, 10, recordLength.value_or(length), 2);
    bytes[32 + 32 * fields.size()] = 0x0D;
    bytes.resize(header);
    for (const std::string& record : records) bytes += record;
    return bytes + '\x1A';
  }
};

}  // namespace zt6::test_support
