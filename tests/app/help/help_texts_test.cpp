// Help texts by number: the file a number is looked up in, the head, continuation and
// end rules of an entry, the messages for a missing file or number.

#include "app/help/help_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/files/configuration.h"
#include "base/codepage.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::TempDir;

TEST(HelpTexts, NumbersFrom4000AreTheProgramsOwnBelowTheShared) {
  TempDir dir("zt6help");
  dir.Write("morvane.hlp", "3995\r\nshared text\r\n4000\r\nwrong file\r\n");
  dir.Write("zt6.hlp", "3995\r\nwrong file\r\n4000\r\nown text\r\n");
  Configuration config;
  config.pltFolder = Utf8ToCp850(dir.path().string());
  EXPECT_EQ(LookUpHelp(config, 3995).lines[0], "shared text");
  EXPECT_EQ(LookUpHelp(config, 4000).lines[0], "own text");
  // Names written in other cases are found as well.
  std::filesystem::rename(dir.path() / "zt6.hlp", dir.path() / "ZT6.HLP");
  EXPECT_EQ(LookUpHelp(config, 4000).lines[0], "own text");
}

// The help follows the menu language at once: English from the English file, German
// for an entry it lacks; languages without texts of their own take the English ones.
TEST(HelpTexts, TheMenuLanguageChoosesTheFileWithGermanForAMissingEntry) {
  TempDir dir("zt6help");
  dir.Write("zt6.hlp", "5005\r\nDeutsch 5005\r\n5010\r\nDeutsch 5010\r\n");
  dir.Write("zt6.en.hlp", "5005\r\nEnglish 5005\r\n");
  Configuration config;
  config.pltFolder = Utf8ToCp850(dir.path().string());
  const struct {
    int menuLanguage;
    const char* text5005;
  } cases[] = {{0, "Deutsch 5005"}, {1, "Deutsch 5005"}, {2, "English 5005"}, {7, "English 5005"}};
  for (const auto& c : cases) {
    config.menuLanguage = c.menuLanguage;
    EXPECT_EQ(LookUpHelp(config, 5005).lines[0], c.text5005) << c.menuLanguage;
    EXPECT_EQ(LookUpHelp(config, 5010).lines[0], "Deutsch 5010") << c.menuLanguage;
  }
}

TEST(HelpTexts, EntryRulesForHeadContinuationAndEnd) {
  const std::vector<std::string> file = {
      "5005",        "first line", "5006",
      "second line", "5010:abc",   "plain 1",
      "plain 2",     "5013",       "marks line 4 in place of 3: nothing",
      "plain 4",     "plain 5",    "plain 6 is too many",
      "5020",        "only line",
  };
  const HelpEntry a = FindHelpEntry(file, 5005);
  EXPECT_TRUE(a.found);
  EXPECT_THAT(a.lines, ::testing::ElementsAre("first line", "second line", "", "", ""));
  EXPECT_FALSE(a.HasImage());
  EXPECT_EQ(a.image, "NULL");

  const HelpEntry b = FindHelpEntry(file, 5010);
  EXPECT_EQ(b.image, "abc");
  EXPECT_TRUE(b.HasImage());
  EXPECT_THAT(b.lines, ::testing::ElementsAre("plain 1", "plain 2", "", "plain 4", "plain 5"));

  EXPECT_THAT(FindHelpEntry(file, 5020).lines, ::testing::ElementsAre("only line", "", "", "", ""));
  // Continuation numbers are no heads of their own entry.
  EXPECT_EQ(HelpHeadNumbers(file), (std::vector<int>{5005, 5010, 5020}));
}

TEST(HelpTexts, MissingFileAndMissingNumberGiveTheirMessages) {
  TempDir dir("zt6help");
  dir.Write("zt6.hlp", "5005\r\ntext\r\n");
  Configuration config;
  config.pltFolder = Utf8ToCp850(dir.path().string());
  EXPECT_EQ(LookUpHelp(config, 5015).lines[0], "Hilfetext Nr 5015: keine Hilfe vorhanden.");
  EXPECT_FALSE(LookUpHelp(config, 5015).found);
  const std::string missing = (dir.path() / "nothere.hlp").string();
  EXPECT_EQ(LookUpHelpInFile(missing, 1000).lines[0],
            "Datei " + Utf8ToCp850(missing) + " nicht gefunden !");
  EXPECT_EQ(HelpCaption(5005, 0), "HILFETEXT Nr.5005");
  EXPECT_EQ(HelpCaption(5005, 1), "HILFETEXT Nr.5005");
  EXPECT_EQ(HelpCaption(5005, 2), "HELP TEXT No.5005");
}

TEST(HelpTexts, AsStringTheLinesAreJoinedWithSingleBlanksInTheWindowsCharacters) {
  HelpEntry e;
  e.lines = {Oem("Zähnezahl"), "z", "", "", ""};
  EXPECT_EQ(HelpTextAsString(e, false), "Zähnezahl z");
  EXPECT_EQ(HelpTextAsString(e, true), "Zaehnezahl z");
}

}  // namespace
}  // namespace zt6
