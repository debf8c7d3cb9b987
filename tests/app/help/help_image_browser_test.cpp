// The help image list and the browser's editing commands: fields with and without
// quotes, each edit written back whole, the questions asked with their help numbers.

#include "app/help/help_image_browser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/ports/prompts.h"
#include "app/ports/scripted_ui.h"
#include "app/state/program.h"
#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using ::testing::ElementsAre;
using test_support::TempDir;

TEST(HelpImageList, FieldsInQuotesAndAFieldWithoutItsQuote) {
  const HelpImageList good = ParseHelpImageList({"\"profil\",\"Profil\"", "", "\"ka\",\"KA, Richtwerte\""});
  EXPECT_FALSE(good.fieldError);
  ASSERT_EQ(good.entries.size(), 2u);
  EXPECT_EQ(good.entries[1].information, "KA, Richtwerte");
  EXPECT_EQ(HelpImageDisplayLine(good.entries[1]), "ka      : KA, Richtwerte");

  const HelpImageList bad = ParseHelpImageList({"profil,\"Profil\"", "\"ka\",\"KA\""});
  EXPECT_TRUE(bad.fieldError);
  ASSERT_EQ(bad.entries.size(), 2u);  // read on after the bad field
  EXPECT_EQ(bad.entries[0].name, "profil");
  EXPECT_EQ(bad.entries[0].information, "Profil");
  EXPECT_EQ(HelpImageListLine("abcdefghij", std::string(60, 'x')),
            "\"abcdefgh\",\"" + std::string(50, 'x') + "\"");
}

class BrowserTest : public ::testing::Test {
 protected:
  TempDir dir{"zt6browser"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};

  void SetUp() override {
    program.config.pltFolder = Utf8ToCp850(dir.path().string());
    dir.Write("ZT6.dbh", "\"eins\",\"Bild eins\"\r\n\"zwei\",\"Bild zwei\"\r\n");
    dir.Write("zwei.plt", "IN;SP1;PU0,0;PD400,0;");
    dir.Write("neu.plt", "IN;");
  }
  std::vector<std::string> List() {
    return SplitLines(ReadWholeFile(dir.path() / "ZT6.dbh", 4096).bytes);
  }
};

TEST_F(BrowserTest, DrawsAnEntryAndEditsTheListFile) {
  HelpImageBrowser browser(program, prompts);
  ASSERT_TRUE(browser.ListExists());
  browser.Read();
  EXPECT_THAT(browser.DisplayLines(), ElementsAre("eins    : Bild eins", "zwei    : Bild zwei"));
  browser.Draw(1);
  EXPECT_THAT(program.drawing.Records(), ::testing::Contains("4;0;0;10;0"));

  // New: a plot file, then its information; appended.
  ui.QueueText((dir.path() / "neu.plt").string());
  ui.QueueText(Oem("Neues Bild"));
  EXPECT_TRUE(browser.New());
  EXPECT_EQ(program.shell.helpNumber, 2310);
  // Insert before the first, change the second (name upper-cased), delete the last.
  ui.QueueText((dir.path() / "neu.plt").string());
  ui.QueueText("Davor");
  EXPECT_TRUE(browser.Insert(0));
  ui.QueueText("anders");
  ui.QueueOk();  // the information as it was
  EXPECT_TRUE(browser.Change(1));
  const std::vector<RecordedPrompt> texts = ui.Of("text");
  EXPECT_EQ(texts[texts.size() - 2].text, "Dateiname (ohne Endung .plt)");
  EXPECT_EQ(texts[texts.size() - 2].items[0], "EINS");
  EXPECT_EQ(texts.back().items[0], "Bild eins");
  ui.QueueYes();
  EXPECT_TRUE(browser.Remove(3));
  EXPECT_THAT(List(), ElementsAre("\"neu\",\"Davor\"", "\"ANDERS\",\"Bild eins\"",
                                  "\"zwei\",\"Bild zwei\""));
  // "Löschen ?" answered No ends the browser and changes nothing.
  ui.QueueNo();
  EXPECT_FALSE(browser.Remove(0));
  EXPECT_EQ(List().size(), 3u);
}

TEST_F(BrowserTest, ABadFieldIsReportedAndWithoutAListAPlotFileIsChosen) {
  dir.Write("ZT6.dbh", "eins,\"Bild eins\"\r\n");
  HelpImageBrowser browser(program, prompts);
  browser.Read();
  EXPECT_EQ(ui.Of("message").at(0).text, "DBH file error");
  EXPECT_EQ(browser.Entries().size(), 1u);

  std::filesystem::remove(dir.path() / "ZT6.dbh");
  TempDir other("zt6browser_other");
  other.Write("bild.plt", "PD400,400;");
  // Without a list (here the shipped one would stand in) a plot file is chosen.
  HelpImageBrowser without(program, prompts);
  ui.QueueText((other.path() / "bild.plt").string());
  EXPECT_TRUE(without.ChooseAndDrawPlotFile());
  EXPECT_EQ(Cp850ToUtf8(program.config.pltFolder), other.path().string());
  EXPECT_THAT(program.drawing.Records(), ::testing::Contains("4;0;0;10;10"));
}

}  // namespace
}  // namespace zt6
