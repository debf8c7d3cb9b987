// The CSV sources the shipped tables are built from.

#include "tables/table_source.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt6 {
namespace {

using ::testing::HasSubstr;

TEST(TableSourceTest, ReadsDeclarationsAndQuotedValuesInTheWindowsCodePage) {
  const TableSource source = ParseTableSource(
      "NAME:C:20,DII:N:6:2,HART:L:1\n"
      "\"Maß, \"\"neu\"\"\",12.00,T\n"
      ",,\n");
  ASSERT_TRUE(source.ok) << source.error;
  ASSERT_EQ(source.fields.size(), 3u);
  EXPECT_EQ(source.fields[1].name, "DII");
  EXPECT_EQ(source.fields[1].type, 'N');
  EXPECT_EQ(source.fields[1].length, 6);
  EXPECT_EQ(source.fields[1].decimals, 2);
  EXPECT_EQ(source.fields[2].decimals, 0);
  ASSERT_EQ(source.records.size(), 2u);
  EXPECT_EQ(source.records[0][0], "Ma\xDF, \"neu\"");
  EXPECT_EQ(source.records[1], (std::vector<std::string>{"", "", ""}));
}

TEST(TableSourceTest, RefusesWhatWouldGiveAWrongTableWithTheLine) {
  struct Case { const char* csv; const char* problem; };
  for (const Case& c : {
           Case{"", "line 1"},
           Case{"NAME:X:5\n", "type must be one of"},
           Case{"VERYLONGNAME:C:5\n", "1 to 10 characters"},
           Case{"N:N:4:4\n", "decimals below the length"},
           Case{"N:N\n", "NAME:T:LEN"},
           Case{"A:C:5,B:C:5\nx,y\nx\n", "line 3: 1 values for 2 fields"},
           Case{"A:C:5\n\"open\n", "line 2: unterminated quote"},
           Case{"A:C:5\n\xE2\x82\xAC\n", "code page 850 lacks"},  // the euro sign
       }) {
    SCOPED_TRACE(c.csv);
    const TableSource source = ParseTableSource(c.csv);
    EXPECT_FALSE(source.ok);
    EXPECT_THAT(source.error, HasSubstr(c.problem));
  }
}

}  // namespace
}  // namespace zt6
