#include "app/files/session_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::TempDir;

TEST(SessionFile, RoundTripKeepsTheFourEntriesInOrder) {
  TempDir temp("zt6session");
  const std::filesystem::path file = temp.path() / "zt6.cff";
  RecentFiles recent;
  recent.entries = {Oem("/home/anna/Maße/welle.zt6"), "", "nabe.zt6", "bad\r\nname.zt6"};
  ASSERT_TRUE(SaveSession(file, "/home/anna/", recent));

  const std::string bytes = test_support::FileBytes(file);
  EXPECT_EQ(bytes, "zt6 Session /home/anna/\r\n" + recent.entries[0] +
                       "\r\n\r\nnabe.zt6\r\nbad  name.zt6\r\n");
  const RecentFiles back = LoadSession(file);
  EXPECT_EQ(back.entries[0], recent.entries[0]);
  EXPECT_EQ(back.entries[1], "");
  EXPECT_EQ(back.entries[2], "nabe.zt6");
  EXPECT_EQ(back.entries[3], "bad  name.zt6");
}

TEST(SessionFile, MissingFileOrLinesGiveEmptyEntries) {
  TempDir temp("zt6session");
  const RecentFiles none = LoadSession(temp.path() / "absent.cff");
  for (const std::string& entry : none.entries) EXPECT_EQ(entry, "");

  const RecentFiles shortFile = ReadSessionText("zt6 Session x\r\na.zt6\r\n");
  EXPECT_EQ(shortFile.entries[0], "a.zt6");
  EXPECT_EQ(shortFile.entries[1], "");
  EXPECT_EQ(shortFile.entries[3], "");

  EXPECT_FALSE(SaveSession(temp.path() / "no" / "such" / "folder.cff", "", none));
}

}  // namespace
}  // namespace zt6
