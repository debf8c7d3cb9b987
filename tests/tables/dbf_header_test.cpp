// Opening tables: the header variants that are read, the refusal texts, and files
// whose header does not match their contents.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/codepage.h"
#include "current_table_fixture.h"
#include "raw_dbf.h"
#include "tables/dbf_error.h"
#include "tables/dbf_header.h"

namespace zt6 {
namespace {

using test_support::PutLittleEndian;
using test_support::RawField;
using test_support::RawTable;

const std::vector<RawField> kFields = {{"NAME", 'C', 4}, {"VAL", 'N', 5, 1}};
const std::string kRecord = " Bolt 12.5";

// dBASE II: count in two bytes at 1, date at 3 (month, day, year), record length at 6,
// 16-byte descriptors from 8, records after the fixed 521-byte header.
std::string DBase2(const std::vector<RawField>& fields, const std::vector<std::string>& records) {
  std::string bytes(521, '\0');
  bytes[0] = 0x02;
  PutLittleEndian(bytes, 1, static_cast<std::uint32_t>(records.size()), 2);
  bytes[3] = 1;
  bytes[4] = 1;
  bytes[5] = 99;
  const std::uint32_t length = test_support::PutDescriptors(bytes, fields, {8, 16, 11, 12, 15});
  bytes[8 + 16 * fields.size()] = 0x0D;
  PutLittleEndian(bytes, 6, length, 2);
  for (const std::string& record : records) bytes += record;
  return bytes + '\x1A';
}

// dBASE 7: 48-byte descriptors after a 68-byte header, type, length and decimals at 32..34.
std::string DBase7(unsigned char version, const std::vector<RawField>& fields,
                   const std::vector<std::string>& records) {
  const std::size_t headerLength = 68 + 48 * fields.size() + 1;
  std::string bytes(headerLength, '\0');
  bytes[0] = static_cast<char>(version);
  PutLittleEndian(bytes, 4, static_cast<std::uint32_t>(records.size()), 4);
  PutLittleEndian(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
  const std::uint32_t length = test_support::PutDescriptors(bytes, fields, {68, 48, 32, 33, 34});
  PutLittleEndian(bytes, 10, length, 2);
  bytes.back() = 0x0D;
  for (const std::string& record : records) bytes += record;
  return bytes + '\x1A';
}

RawTable Plain(unsigned char version) {
  RawTable raw;
  raw.version = version;
  raw.fields = kFields;
  raw.records = {kRecord};
  return raw;
}

class DbfHeaderTest : public test_support::TableTest {
 protected:
  // The DbfError text of opening these bytes; empty when they open.
  std::string OpenError(const std::string& bytes) {
    const std::string path = WriteRaw("x.dbf", bytes).string();
    try {
      table_.DbfUsePath(path);
    } catch (const DbfError& fault) {
      EXPECT_FALSE(table_.IsOpen());
      return fault.what();
    }
    return {};
  }
  std::string Refusal(const std::string& reason) {
    return "Dataset error: " + (TableFolder() / "x.dbf").string() +
           " ist keine dBASE-Datenbank. (" + reason + ") [Use/OpenDbf]";
  }
};

TEST_F(DbfHeaderTest, ReadsTheHeaderVariants) {
  RawTable foxPro = Plain(0x30);
  foxPro.headerLength = 32 + 32 * 2 + 1 + 263;  // the back link follows the descriptors
  RawTable mixedCase = Plain(0xF5);
  mixedCase.fields = {{"name", 'C', 4}, {"Val", 'N', 5, 1}};
  RawTable binary = Plain(0x8B);
  binary.fields.push_back({"PIC", 'b', 10});
  binary.records = {kRecord + "         7"};
  const struct {
    const char* what;
    std::string bytes;
    int fields;
  } cases[] = {
      {"dBASE III", Plain(0x03).Bytes(), 2},
      {"dBASE III with memo", Plain(0x83).Bytes(), 2},
      {"FoxPro", foxPro.Bytes(), 2},
      {"lower-case names", mixedCase.Bytes(), 2},
      {"binary field read as memo", binary.Bytes(), 3},
      {"dBASE II", DBase2(kFields, {kRecord}), 2},
      {"dBASE 7", DBase7(0x04, kFields, {kRecord}), 2},
      {"dBASE 7 with memo", DBase7(0x8C, kFields, {kRecord}), 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(OpenError(c.bytes), "");
    ASSERT_EQ(table_.DbfFieldCount(), c.fields);
    EXPECT_EQ(table_.DbfFieldName(1), "NAME");
    EXPECT_EQ(table_.DbfFieldName(2), "VAL");
    EXPECT_EQ(table_.DbfRecCount(), 1);
    EXPECT_EQ(table_.DbfField(1), "Bolt");
    EXPECT_EQ(table_.DbfField(2), " 12.5");
    if (c.fields == 3) {
      EXPECT_EQ(table_.FieldByNumber(3)->type, 'M');
      EXPECT_EQ(table_.DbfField(3), "MEMO");
    }
    table_.DbfClose();
  }
}

TEST_F(DbfHeaderTest, AppendKeepsTheDBase2HeaderLayout) {
  const PinnedDbfToday pinned({2027, 11, 23});
  const std::string path = WriteRaw("x.dbf", DBase2(kFields, {kRecord})).string();
  table_.DbfUsePath(path);
  table_.DbfReplaceText("NAME", "Nut");
  table_.DbfReplaceReal("VAL", 1.5);
  ASSERT_TRUE(table_.DbfAppendRecord());
  table_.DbfClose();

  const std::string bytes = Bytes(path);
  EXPECT_EQ(test_support::ReadLittleEndian(bytes, 1, 2), 2u);
  EXPECT_EQ(bytes[3], 11);  // month, day, year of the century
  EXPECT_EQ(bytes[4], 23);
  EXPECT_EQ(bytes[5], 27);
  EXPECT_EQ(bytes.substr(521 + 10), " Nut   1.5\x1A");
  table_.DbfUsePath(path);
  table_.DbfGo(2);
  EXPECT_EQ(table_.DbfField(1), "Nut ");
}

TEST_F(DbfHeaderTest, FieldCountsOutsideOneTo255AreRefusedWithTheirText) {
  RawTable none = Plain(0x03);
  none.fields.clear();
  none.records.clear();
  RawTable tooMany = Plain(0x03);
  tooMany.fields.assign(256, RawField{"F", 'C', 1});
  tooMany.records.clear();
  RawTable most = tooMany;
  most.fields.resize(255);
  RawTable endsAtOnce = Plain(0x03);
  endsAtOnce.fields.clear();
  endsAtOnce.headerLength = 32 + 32 + 1;  // room for one descriptor, but the list ends at once

  EXPECT_EQ(OpenError(none.Bytes()), Refusal("Zu viele Datenfelder"));
  EXPECT_EQ(OpenError(tooMany.Bytes()), Refusal("Zu viele Datenfelder"));
  EXPECT_EQ(OpenError(endsAtOnce.Bytes()), Refusal("Zu viele Datenfelder"));
  EXPECT_EQ(OpenError(most.Bytes()), "");
  EXPECT_EQ(table_.DbfFieldCount(), 255);
}

TEST_F(DbfHeaderTest, OnlyTheKnownVersionBytesOpen) {
  for (const unsigned char version : {0x00, 0x01, 0x05, 0x31, 0x43, 0xFF}) {
    RawTable raw = Plain(version);
    EXPECT_EQ(OpenError(raw.Bytes()), Refusal("Keine dBASE-Datei")) << int{version};
  }
  EXPECT_EQ(OpenError(""), Refusal("Keine dBASE-Datei"));
}

TEST_F(DbfHeaderTest, HeadersThatDoNotMatchTheFileAreRefused) {
  const auto with = [](auto change) {
    RawTable raw = Plain(0x03);
    change(raw);
    return raw.Bytes();
  };
  std::string headerBeyondFile = Plain(0x03).Bytes();
  PutLittleEndian(headerBeyondFile, 8, 32 + 32 * 200 + 1, 2);
  const struct {
    const char* what;
    std::string bytes;
    std::string reason;
  } cases[] = {
      {"cut header", std::string("\x03\x63\x01\x01", 4), Utf8ToCp1252("Dateikopf unvollständig")},
      {"cut dBASE II header", DBase2(kFields, {kRecord}).substr(0, 300),
       Utf8ToCp1252("Dateikopf unvollständig")},
      {"header beyond the file", headerBeyondFile, Utf8ToCp1252("größer als die Datei")},
      {"record shorter than its fields", with([](RawTable& r) { r.recordLength = 3; }),
       Utf8ToCp1252("Satzlänge 3 kürzer als die Felder (10)")},
      {"more records counted than present", with([](RawTable& r) { r.count = 5; }),
       Utf8ToCp1252("Satzanzahl 5, aber nur 1 vollständige Sätze")},
      {"absurd record count", with([](RawTable& r) { r.count = 0xFFFFFFFF; }),
       "Satzanzahl 4294967295"},
      {"unknown field type", with([](RawTable& r) { r.fields[1].type = 'X'; }),
       "unbekannter Feldtyp X"},
      {"field of length 0", with([](RawTable& r) { r.fields[0].length = 0; }),
       Utf8ToCp1252("NAME: Länge 0")},
      {"field without name", with([](RawTable& r) { r.fields[0].name = ""; }), "Feld ohne Namen"},
  };
  for (const auto& c : cases) {
    const std::string error = OpenError(c.bytes);
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(error.rfind("Dataset error: ", 0), 0u) << c.what;
  }
  EXPECT_EQ(OpenError(Plain(0x03).Bytes()), "");  // the object stays usable
}

}  // namespace
}  // namespace zt6
