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
    std::uint32_t length = 1;
    for (const RawField& f : fields) length += static_cast<std::uint32_t>(f.length);
    std::string bytes(std::max<std::size_t>(header, 32 + 32 * fields.size() + 1), '\0');
    bytes[0] = static_cast<char>(version);
    bytes[1] = 99;  // 1999-01-01
    bytes[2] = 1;
    bytes[3] = 1;
    PutLittleEndian(bytes, 4, count.value_or(static_cast<std::uint32_t>(records.size())), 4);
    PutLittleEndian(bytes, 8, header, 2);
    PutLittleEndian(bytes, 10, recordLength.value_or(length), 2);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::size_t at = 32 + 32 * i;
      bytes.replace(at, fields[i].name.size(), fields[i].name);
      bytes[at + 11] = fields[i].type;
      bytes[at + 16] = static_cast<char>(fields[i].length);
      bytes[at + 17] = static_cast<char>(fields[i].decimals);
    }
    bytes[32 + 32 * fields.size()] = 0x0D;
    bytes.resize(header);
    for (const std::string& record : records) bytes += record;
    return bytes + '\x1A';
  }
};

}  // namespace zt6::test_support
