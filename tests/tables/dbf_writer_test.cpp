// New tables from a field list and records.

#include "tables/dbf_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "raw_dbf.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "tables/dbf_header.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ReadLittleEndian;

const std::vector<DbfFieldSpec> kFields = {
    {"name", 'C', 6, 0}, {"dii", 'N', 6, 2}, {"ok", 'L', 1, 0}, {"day", 'D', 8, 0}};

TEST(DbfWriterTest, WritesADbase3TableWithTheDosCodePageDriver) {
  test_support::TempDir dir("zt6_writer");
  const fs::path path = dir.path() / "t.dbf";
  const PinnedDbfToday pinned({2027, 11, 23});
  const DbfCreateResult created = CreateDbfTable(
      path.string(), kFields, {{Utf8ToCp1252("Maß"), "1,5", "y", "20240131"}, {"", "", "", ""}});
  ASSERT_TRUE(created.ok) << created.error;

  const std::string bytes = test_support::FileBytes(path);
  EXPECT_EQ(bytes[0], 0x03);
  EXPECT_EQ(bytes[1], 2027 - 1900);
  EXPECT_EQ(bytes[2], 11);
  EXPECT_EQ(bytes[3], 23);
  EXPECT_EQ(ReadLittleEndian(bytes, 4, 4), 2u);
  EXPECT_EQ(ReadLittleEndian(bytes, 8, 2), 32u + 4 * 32 + 1);
  EXPECT_EQ(ReadLittleEndian(bytes, 10, 2), 1u + 6 + 6 + 1 + 8);
  EXPECT_EQ(bytes[29], 0x02);
  EXPECT_EQ(bytes.substr(32, 12), std::string("NAME\0\0\0\0\0\0\0C", 12));
  EXPECT_EQ(bytes[32 + 16], 6);
  EXPECT_EQ(bytes[64 + 11], 'N');
  EXPECT_EQ(bytes[64 + 17], 2);
  EXPECT_EQ(bytes[160], 0x0D);
  // 0xE1 is sharp s in code page 850.
  EXPECT_EQ(bytes.substr(161), std::string(" Ma\xE1   ") + "  1.50" + "T" + "20240131" +
                                   std::string(22, ' ') + "\x1A");
}

TEST(DbfWriterTest, RefusesWhatWouldGiveAWrongTable) {
  test_support::TempDir dir("zt6_writer");
  const fs::path path = dir.path() / "t.dbf";
  const std::vector<std::string> good = {"a", "1", "T", "20240131"};
  const auto withField = [&](std::size_t i, DbfFieldSpec spec) {
    std::vector<DbfFieldSpec> fields = kFields;
    fields[i] = spec;
    return fields;
  };
  const auto withValue = [&](std::size_t i, std::string value) {
    std::vector<std::string> record = good;
    record[i] = value;
    return std::vector<std::vector<std::string>>{record};
  };
  const struct {
    const char* what;
    std::vector<DbfFieldSpec> fields;
    std::vector<std::vector<std::string>> records;
  } cases[] = {
      {"no fields", {}, {}},
      {"name of eleven characters", withField(0, {"ABCDEFGHIJK", 'C', 6, 0}), {}},
      {"same name twice", withField(1, {"NAME", 'N', 6, 2}), {}},
      {"memo field", withField(0, {"NAME", 'M', 10, 0}), {}},
      {"decimals without room", withField(1, {"DII", 'N', 3, 2}), {}},
      {"logical field of length 2", withField(2, {"OK", 'L', 2, 0}), {}},
      {"too few values", kFields, {{"a", "1"}}},
      {"text longer than its field", kFields, withValue(0, "abcdefg")},
      {"number wider than its field", kFields, withValue(1, "1000")},
      {"no number", kFields, withValue(1, "x")},
      {"no truth letter", kFields, withValue(2, "X")},
      {"no date", kFields, withValue(3, "31.01.2024")},
  };
  for (const auto& c : cases) {
    const DbfCreateResult created = CreateDbfTable(path.string(), c.fields, c.records);
    EXPECT_FALSE(created.ok) << c.what;
    EXPECT_FALSE(created.error.empty()) << c.what;
    EXPECT_FALSE(fs::exists(path)) << c.what;
  }
  EXPECT_TRUE(CreateDbfTable(path.string(), kFields, {good}).ok);
}

}  // namespace
}  // namespace zt6
