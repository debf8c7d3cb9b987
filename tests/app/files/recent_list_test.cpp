// The recent-file list of the File menu and the shortened paths its items show.

#include <gtest/gtest.h>

#include <string>

#include "app/files/recent_list.h"

namespace zt6 {
namespace {

RecentFiles List(std::string a, std::string b, std::string c, std::string d) {
  RecentFiles r;
  r.entries = {std::move(a), std::move(b), std::move(c), std::move(d)};
  return r;
}

TEST(RecentList, AddMovesToTheTopDropsTheOldestAndKeepsOneEntryPerFile) {
  RecentFiles r;
  AddRecent(r, "C:\\p\\a.zt6");
  EXPECT_EQ(r.entries, List("C:\\p\\a.zt6", "", "", "").entries);
  AddRecent(r, "C:\\p\\b.zt6");
  AddRecent(r, "C:\\p\\c.zt6");
  AddRecent(r, "C:\\p\\d.zt6");
  AddRecent(r, "C:\\p\\e.zt6");  // a fifth file pushes out the oldest
  EXPECT_EQ(r.entries, List("C:\\p\\e.zt6", "C:\\p\\d.zt6", "C:\\p\\c.zt6", "C:\\p\\b.zt6").entries);
  // The same file in other case moves up instead of appearing twice.
  AddRecent(r, "c:\\P\\C.ZT6");
  EXPECT_EQ(r.entries, List("c:\\P\\C.ZT6", "C:\\p\\e.zt6", "C:\\p\\d.zt6", "C:\\p\\b.zt6").entries);
  AddRecent(r, "C:\\p\\b.zt6");
  EXPECT_EQ(r.entries, List("C:\\p\\b.zt6", "c:\\P\\C.ZT6", "C:\\p\\e.zt6", "C:\\p\\d.zt6").entries);
}

TEST(RecentList, RemoveMovesLaterEntriesUp) {
  RecentFiles r = List("a", "b", "c", "d");
  RemoveRecent(r, 2);
  EXPECT_EQ(r.entries, List("a", "c", "d", "").entries);
  RemoveRecent(r, 3);
  EXPECT_EQ(r.entries, List("a", "c", "", "").entries);
  RemoveRecent(r, 5);  // no such entry
  RemoveRecent(r, 0);
  EXPECT_EQ(r.entries, List("a", "c", "", "").entries);
}

TEST(RecentList, LongPathsKeepTheirFirstFolderAndLastPart) {
  const std::string sixty = "C:\\projects\\zt6\\customers\\2024\\serration\\drawings_a\\gear.zt6";
  ASSERT_EQ(sixty.size(), 60u);
  const std::string fortyNine = std::string(41, 'x') + "\\a\\b.zt6";
  ASSERT_EQ(fortyNine.size(), 49u);
  struct Case {
    std::string path;
    std::string shown;
  };
  const Case cases[] = {
      {sixty, "C:\\...\\gear.zt6"},
      {fortyNine, fortyNine},
      {std::string(45, 'x') + "\\ab\\c", std::string(45, 'x') + "\\...\\c"},  // exactly 50
      {std::string(46, 'x') + "\\a.b", std::string(46, 'x') + "\\a.b"},  // one separator only
      {std::string(60, 'y'), std::string(60, 'y')},                       // no separator
      {"/home/anna/konstruktion/kerbverzahnungen/2024/welle_12x14.zt6", "/.../welle_12x14.zt6"},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortenedPath(c.path), c.shown) << c.path;
  // Characters are counted, not bytes: 48 characters in 92 bytes stay whole.
  std::string umlauts;
  for (int i = 0; i < 44; ++i) umlauts += "\xC3\xBC";
  umlauts += "\\a\\b";
  EXPECT_EQ(ShortenedPath(umlauts), umlauts);
}

}  // namespace
}  // namespace zt6
