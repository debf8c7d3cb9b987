// An independent dBASE reader (Debian's python3-dbfread) must read every shipped table
// and a table ZT6 changed exactly as ZT6 reads them.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "calc/run_messages.h"
#include "support/table_fixture.h"
#include "tables/current_table.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

struct Dump {
  std::vector<std::vector<std::string>> fields;   // name, type, length, decimals
  std::vector<std::vector<std::string>> records;  // present records, values as printed
  int deleted = -1;
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> parts;
  std::stringstream in(line);
  for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
  if (!line.empty() && line.back() == '\t') parts.emplace_back();
  return parts;
}

Dump IndependentDump(const fs::path& table) {
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/tables/dbf_dump.py";
  const std::string command = "/usr/bin/python3 '" + script + "' '" + table.string() + "' 2>&1";
  Dump dump;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return dump;
  std::string output;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
  std::stringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> parts = SplitTabs(line);
    if (parts.empty()) continue;
    const std::string kind = parts.front();
    parts.erase(parts.begin());
    if (kind == "FIELD") dump.fields.push_back(parts);
    else if (kind == "RECORD") dump.records.push_back(parts);
    else if (kind == "DELETED" && parts.size() == 1) dump.deleted = std::stoi(parts[0]);
    else ADD_FAILURE() << "dbfread: " << line;
  }
  return dump;
}

// Compares what ZT6 reads from every record with the independent reader's dump.
void ExpectSameAsIndependentReader(const fs::path& file) {
  SCOPED_TRACE(file.string());
  const Dump dump = IndependentDump(file);
  ASSERT_GE(dump.deleted, 0) << "dbfread did not read the table";
  RunMessages messages;
  CurrentTable table(messages);
  table.DbfUsePath(file.string());
  ASSERT_EQ(table.DbfFieldCount(), static_cast<int>(dump.fields.size()));
  for (int n = 1; n <= table.DbfFieldCount(); ++n) {
    const DbfColumn* field = table.FieldByNumber(n);
    const std::vector<std::string>& theirs = dump.fields[static_cast<std::size_t>(n - 1)];
    ASSERT_EQ(theirs.size(), 4u);
    EXPECT_EQ(field->name, theirs[0]);
    EXPECT_EQ(std::string(1, field->type), theirs[1]);
    EXPECT_EQ(std::to_string(field->length), theirs[2]);
    EXPECT_EQ(std::to_string(field->decimals), theirs[3]);
  }
  EXPECT_EQ(table.DbfRecCount(), static_cast<std::int64_t>(dump.records.size()) + dump.deleted);

  std::size_t present = 0;
  for (table.DbfGoTop(); !table.DbfEof(); table.DbfSkip(1)) {
    if (table.DbfDeleted()) continue;
    ASSERT_LT(present, dump.records.size());
    const std::vector<std::string>& theirs = dump.records[present++];
    ASSERT_EQ(theirs.size(), dump.fields.size());
    for (int n = 1; n <= table.DbfFieldCount(); ++n) {
      SCOPED_TRACE("record " + std::to_string(table.DbfRecNo()) + " field " + std::to_string(n));
      const std::string& value = theirs[static_cast<std::size_t>(n - 1)];
      const std::string ours = table.DbfField(n);
      switch (table.FieldByNumber(n)->type) {
        case 'N':
        case 'F':
          if (ours.find_first_not_of(' ') == std::string::npos) {
            EXPECT_EQ(value, "<none>");
          } else {
            ASSERT_NE(value, "<none>");
            EXPECT_NEAR(ParseReal(ours), std::stod(value), 1e-9);
          }
          break;
        case 'L':
          EXPECT_EQ(ours == "Y" ? "T" : "F", value == "<none>" ? "F" : value);
          break;
        default:
          EXPECT_EQ(Cp1252ToUtf8(TrimBlanksAtEnd(ours)), value);
      }
    }
  }
  EXPECT_EQ(present, dump.records.size());
}

TEST(IndependentReaderTest, ReadsEveryShippedTableAsZt6Does) {
  const std::vector<std::string> names = {"din5481", "zt6f1f",   "zt6f1g",   "zt6f2f",  "zt6tol",
                                          "zt6fr",   "wst1base", "zt5wstyp", "printout"};
  for (const std::string& name : names) {
    const fs::path file = fs::path(ZT6_TABLE_DIR) / (name + ".dbf");
    ASSERT_TRUE(fs::exists(file)) << file;
    ExpectSameAsIndependentReader(file);
  }
}

TEST(IndependentReaderTest, ConfirmsRecordsZt6AppendedAndPacked) {
  test_support::TempDir dir("zt6_independent");
  const fs::path file = dir.path() / "werk.dbf";
  test_support::WriteTable(file, {{"NAME", 'C', 20, 0}, {"RE", 'N', 6, 1}, {"HART", 'L', 1, 0}},
                           {{"Maß", "235", "F"}, {"weg", "1", "T"}});
  RunMessages messages;
  CurrentTable table(messages);
  table.DbfUsePath(file.string());
  table.DbfGo(2);
  table.DbfDelete(true);
  table.DbfBlankBuffer();
  table.DbfReplaceText("NAME", Utf8ToCp1252("Grauguß"));
  table.DbfReplaceReal("RE", 300.5);
  table.DbfReplaceLogical("HART", true);
  ASSERT_TRUE(table.DbfAppendRecord());
  table.DbfClose();

  Dump before = IndependentDump(file);
  EXPECT_EQ(before.deleted, 1);
  EXPECT_EQ(before.records.size(), 2u);

  table.DbfUsePath(file.string());
  table.DbfPack();
  table.DbfClose();
  const Dump packed = IndependentDump(file);
  EXPECT_EQ(packed.deleted, 0);
  ASSERT_EQ(packed.records.size(), 2u);
  EXPECT_EQ(packed.records[0], (std::vector<std::string>{"Maß", "235.0", "F"}));
  EXPECT_EQ(packed.records[1], (std::vector<std::string>{"Grauguß", "300.5", "T"}));
  ExpectSameAsIndependentReader(file);
}

}  // namespace
}  // namespace zt6
