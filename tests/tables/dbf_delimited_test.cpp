// Delimited text: written from a table and appended from again.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "current_table_fixture.h"
#include "raw_dbf.h"
#include "tables/dbf_error.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RawTable;

class DbfDelimitedTest : public test_support::TableTest {
 protected:
  void SetUp() override {
    RawTable raw;
    raw.fields = {
        {"NAME", 'C', 8}, {"VAL", 'N', 7, 2}, {"OK", 'L', 1}, {"DAY", 'D', 8}, {"NOTE", 'M', 10}};
    raw.records = {std::string(" a, \"b\"  ") + "   1.50" + "y" + "20240131" + "        12",
                   std::string("*x       ") + "  -0.25" + "?" + "        " + "          "};
    source_ = WriteRaw("src.dbf", raw.Bytes());
    raw.records.clear();
    target_ = WriteRaw("dst.dbf", raw.Bytes());
  }
  fs::path source_;
  fs::path target_;
};

TEST_F(DbfDelimitedTest, CopyWritesOneLinePerRecordWithoutMemoFields) {
  table_.DbfUsePath(source_.string());
  const fs::path text = dir_.path() / "out.txt";
  table_.DbfCopyToDelimited(text.string());
  EXPECT_EQ(Bytes(text), "\"a, \"b\"\",1.50,T,20240131\r\n\"x\",-0.25,F,\r\n\x1A");
}

TEST_F(DbfDelimitedTest, AppendReadsTheSameFormBack) {
  table_.DbfUsePath(source_.string());
  const fs::path text = dir_.path() / "out.txt";
  table_.DbfCopyToDelimited(text.string());
  table_.DbfUsePath(target_.string());
  table_.DbfAppendFromDelimited(text.string());
  ASSERT_EQ(table_.DbfRecCount(), 2);
  table_.DbfGo(1);
  EXPECT_EQ(table_.DbfField(1), "a, \"b\"  ");
  EXPECT_EQ(table_.DbfField(2), "   1.50");
  EXPECT_EQ(table_.DbfField(3), "Y");
  EXPECT_EQ(table_.DbfField(4), "20240131");
  EXPECT_EQ(table_.DbfField(5), "none");
  table_.DbfGo(2);
  EXPECT_EQ(table_.DbfField(2), "  -0.25");
  EXPECT_EQ(table_.DbfField(3), "N");
  EXPECT_EQ(table_.DbfField(4), "        ");
}

TEST_F(DbfDelimitedTest, AppendTakesLooseLinesAndRefusesNumbersThatDoNotFit) {
  const fs::path text = dir_.path() / "in.txt";
  std::ofstream(text, std::ios::binary) << "\"much too long\",1,5\n"  // LF only; 1 and a stray 5
                                        << "plain,\"2,5\",T,2024\n"
                                        << "\n"
                                        << "\"short\"\r\n"
                                        << "\x1A\"after the end\",1\r\n";
  table_.DbfUsePath(target_.string());
  table_.DbfAppendFromDelimited(text.string());
  ASSERT_EQ(table_.DbfRecCount(), 3);
  table_.DbfGo(1);
  EXPECT_EQ(table_.DbfField(1), "much too");
  EXPECT_EQ(table_.DbfField(2), "   1.00");
  EXPECT_EQ(table_.DbfField(3), "N");  // "5" is no truth letter
  table_.DbfGo(2);
  EXPECT_EQ(table_.DbfField(1), "plain   ");
  EXPECT_EQ(table_.DbfField(2), "   2.50");
  EXPECT_EQ(table_.DbfField(3), "Y");
  EXPECT_EQ(table_.DbfField(4), "        ");  // not a date
  table_.DbfGo(3);
  EXPECT_EQ(table_.DbfField(1), "short   ");
  EXPECT_EQ(table_.DbfField(2), "       ");

  const std::string before = Bytes(target_);
  std::ofstream(text, std::ios::binary) << "\"ok\",1\r\n\"big\",12345.678\r\n";
  EXPECT_THROW(table_.DbfAppendFromDelimited(text.string()), DbfError);
  EXPECT_EQ(Bytes(target_), before);
  EXPECT_EQ(table_.DbfRecCount(), 3);
}

}  // namespace
}  // namespace zt6
