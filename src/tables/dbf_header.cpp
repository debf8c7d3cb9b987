#include "tables/dbf_header.h"

#include <ctime>
#include <optional>

#include "tables/dbf_messages.h"
#include "tables/dbf_values.h"

namespace zt6 {

namespace {

// Where the parts of a field descriptor lie in each variant.
struct DescriptorShape {
  std::size_t first = 32;  // offset of the first descriptor
  std::size_t size = 32;
  std::size_t typeAt = 11;
  std::size_t lengthAt = 16;
  std::size_t decimalsAt = 17;
};

constexpr DescriptorShape kDBase2Shape{8, 16, 11, 12, 15};
constexpr DescriptorShape kDBase3Shape{32, 32, 11, 16, 17};
constexpr DescriptorShape kDBase7Shape{68, 48, 32, 33, 34};
constexpr std::size_t kDBase2HeaderLength = 521;
constexpr int kDBase2MaxFields = 32;
constexpr int kMaxFields = 255;
constexpr char kDescriptorEnd = 0x0D;

unsigned Byte(std::string_view file, std::size_t at) {
  return static_cast<unsigned char>(file[at]);
}
unsigned Word(std::string_view file, std::size_t at) {
  return Byte(file, at) | Byte(file, at + 1) << 8;
}
std::uint32_t Long(std::string_view file, std::size_t at) {
  return Word(file, at) | static_cast<std::uint32_t>(Word(file, at + 2)) << 16;
}

bool Known(unsigned char version, DbfDialect& dialect) {
  switch (version) {
    case 0x02:
      dialect = DbfDialect::DBase2;
      return true;
    case 0x03:
    case 0x83:
    case 0x8B:
    case 0xF5:
    case 0x30:
      dialect = DbfDialect::DBase3;
      return true;
    case 0x04:
    case 0x8C:
      dialect = DbfDialect::DBase7;
      return true;
    default:
      return false;
  }
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// The type letter as the layer uses it; 0 for a letter no table may hold.
char FieldType(char letter) {
  switch (letter) {
    case 'C':
    case 'N':
    case 'F':
    case 'L':
    case 'D':
    case 'M':
      return letter;
    case 'B':
    case 'G':
    case 'P':
    case 'b':
    case 'g':
    case 'p':
      return 'M';
    default:
      return 0;
  }
}

DbfColumn ReadDescriptor(std::string_view descriptor, const DescriptorShape& shape,
                         std::string_view path) {
  DbfColumn column;
  const std::string_view raw = descriptor.substr(0, 11);
  column.name = UpperAscii(StoredToWindows(raw.substr(0, raw.find('\0'))));
  column.name.erase(column.name.find_last_not_of(' ') + 1);  // some writers pad with blanks
  const char letter = descriptor[shape.typeAt];
  column.type = FieldType(letter);
  column.length = static_cast<int>(Byte(descriptor, shape.lengthAt));
  column.decimals = static_cast<int>(Byte(descriptor, shape.decimalsAt));
  if (column.name.empty()) RefuseTable(path, "Feld ohne Namen");
  if (column.type == 0) {
    RefuseTable(path, "Feld " + column.name + ": unbekannter Feldtyp " +
                          StoredToWindows(std::string_view(&letter, 1)));
  }
  if (column.length == 0) RefuseTable(path, "Feld " + column.name + WindowsText(": Länge 0"));
  if (column.type != 'N' && column.type != 'F') column.decimals = 0;
  return column;
}

[[noreturn]] void TooManyFields(std::string_view path) {
  RefuseTable(path, "Zu viele Datenfelder");
}

}  // namespace

DbfLayout ReadDbfLayout(std::string_view file, std::string_view path) {
  DbfLayout layout;
  if (file.empty() || !Known(static_cast<unsigned char>(file[0]), layout.dialect))
    RefuseTable(path, "Keine dBASE-Datei");
  layout.version = static_cast<unsigned char>(file[0]);

  DescriptorShape shape = kDBase3Shape;
  std::size_t slots = 0;
  if (layout.dialect == DbfDialect::DBase2) {
    shape = kDBase2Shape;
    if (file.size() < kDBase2HeaderLength)
      RefuseTable(path, WindowsText("Dateikopf unvollständig"));
    layout.recordCount = Word(file, 1);
    layout.recordLength = Word(file, 6);
    layout.headerLength = kDBase2HeaderLength;
    slots = kDBase2MaxFields;
  } else {
    if (layout.dialect == DbfDialect::DBase7) shape = kDBase7Shape;
    if (file.size() < shape.first) RefuseTable(path, WindowsText("Dateikopf unvollständig"));
    layout.recordCount = Long(file, 4);
    layout.headerLength = Word(file, 8);
    layout.recordLength = Word(file, 10);
    if (layout.headerLength >= shape.first)
      slots = (layout.headerLength - shape.first) / shape.size;
    if (slots < 1 || slots > kMaxFields) TooManyFields(path);
    if (layout.headerLength > file.size()) {
      RefuseTable(path, WindowsText("Kopflänge ") + std::to_string(layout.headerLength) +
                            WindowsText(" größer als die Datei"));
    }
  }
  layout.hasMemo =
      (layout.version & 0x80) != 0 || (layout.version == 0x30 && (Byte(file, 28) & 0x02) != 0);

  int offset = 1;
  for (std::size_t k = 0; k < slots; ++k) {
    const std::string_view descriptor = file.substr(shape.first + k * shape.size, shape.size);
    if (descriptor.front() == kDescriptorEnd) break;
    DbfColumn column = ReadDescriptor(descriptor, shape, path);
    column.offset = offset;
    offset += column.length;
    layout.columns.push_back(std::move(column));
  }
  if (layout.columns.empty()) TooManyFields(path);
  if (static_cast<std::size_t>(offset) > layout.recordLength) {
    RefuseTable(path, WindowsText("Satzlänge ") + std::to_string(layout.recordLength) +
                          WindowsText(" kürzer als die Felder (") + std::to_string(offset) + ")");
  }
  const std::size_t complete = (file.size() - layout.headerLength) / layout.recordLength;
  if (layout.recordCount > complete) {
    RefuseTable(path, WindowsText("Satzanzahl ") + std::to_string(layout.recordCount) +
                          ", aber nur " + std::to_string(complete) +
                          WindowsText(" vollständige Sätze in der Datei"));
  }
  return layout;
}

namespace {
std::optional<DbfDate>& PinnedDate() {
  static std::optional<DbfDate> pinned;
  return pinned;
}
}  // namespace

PinnedDbfToday::PinnedDbfToday(DbfDate date) { PinnedDate() = date; }
PinnedDbfToday::~PinnedDbfToday() { PinnedDate().reset(); }

DbfDate Today() {
  if (PinnedDate()) return *PinnedDate();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::uint32_t MaxRecordCount(DbfDialect dialect) {
  return dialect == DbfDialect::DBase2 ? 0xFFFFu : 0xFFFFFFFFu;
}

std::size_t StampLength(DbfDialect dialect) { return dialect == DbfDialect::DBase2 ? 6 : 8; }

void StampHeader(std::string& header, DbfDialect dialect, std::uint32_t count, DbfDate date) {
  const auto byte = [](unsigned value) { return static_cast<char>(value & 0xFF); };
  if (dialect == DbfDialect::DBase2) {
    header[1] = byte(count);
    header[2] = byte(count >> 8);
    header[3] = byte(static_cast<unsigned>(date.month));
    header[4] = byte(static_cast<unsigned>(date.day));
    header[5] = byte(static_cast<unsigned>(date.year % 100));
    return;
  }
  header[1] = byte(static_cast<unsigned>(date.year - 1900));
  header[2] = byte(static_cast<unsigned>(date.month));
  header[3] = byte(static_cast<unsigned>(date.day));
  for (int k = 0; k < 4; ++k) header[static_cast<std::size_t>(4 + k)] = byte(count >> (8 * k));
}

}  // namespace zt6
