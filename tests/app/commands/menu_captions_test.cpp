// The main menu's tree and its captions in the menu languages.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/commands/menu_captions.h"

namespace zt6 {
namespace {

const MenuEntry* Find(const std::string& name) { return FindMenuEntry(name); }

TEST(MenuTree, ParentsComeFirstAndEveryNameIsUnique) {
  std::set<std::string> menus;
  std::set<std::string> names;
  std::vector<std::string> bar;
  for (const MenuEntry& e : MainMenuTree()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name;
    EXPECT_TRUE(e.parent.empty() || menus.contains(e.parent)) << e.name;
    if (e.parent.empty()) bar.push_back(e.name);
    if (e.kind == MenuEntryKind::Menu) menus.insert(e.name);
  }
  EXPECT_EQ(bar, (std::vector<std::string>{"mi_file", "mi_Edit", "mi_View", "mi_CAD",
                                           "mi_database", "mi_documentation", "mi_OLE",
                                           "mi_extras", "mi_Help"}));
  EXPECT_EQ(menus, (std::set<std::string>{"mi_file", "mi_Edit", "mi_View", "mi_CAD", "mi_database",
                                          "mi_documentation", "mi_OLE", "mi_extras", "mi_Help", "mi_viewprofil",
                                          "mi_viewfertigungszeichnung", "mi_viewtabelle",
                                          "mi_viewtabelletol", "mi_helplanguage"}));
  for (const char* view : {"mi_viewprofil", "mi_viewfertigungszeichnung", "mi_viewtabelle",
                           "mi_viewtabelletol"}) {
    for (const char* part : {"welle", "nabe", "wellenabe"}) {
      const MenuEntry* item = Find(std::string(view) + part);
      ASSERT_NE(item, nullptr) << view << part;
      EXPECT_EQ(item->parent, view);
    }
  }
}

// Every item says what it does; submenus and separators do nothing themselves. Drawing
// items name drawings that exist, the other arguments lie in their ranges.
TEST(MenuTree, EveryItemHasItsCommandAndEveryDrawingItemADrawing) {
  std::set<int> screen, cad, changeOperations, documents;
  for (const MenuEntry& e : MainMenuTree()) {
    if (e.kind != MenuEntryKind::Item) {
      EXPECT_TRUE(e.command == MenuCommand::None || e.command == MenuCommand::Hidden) << e.name;
      continue;
    }
    EXPECT_NE(e.command, MenuCommand::None) << e.name;
    switch (e.command) {
      case MenuCommand::ScreenDrawing: screen.insert(e.argument); break;
      case MenuCommand::CadDrawing: cad.insert(e.argument); break;
      case MenuCommand::OpenRecent: EXPECT_TRUE(e.argument >= 1 && e.argument <= 4) << e.name; break;
      case MenuCommand::Language:
        EXPECT_TRUE(std::set<int>({1, 2, 7, 8}).contains(e.argument)) << e.name;
        break;
      case MenuCommand::ToleranceTable: EXPECT_TRUE(e.argument >= 1 && e.argument <= 4) << e.name; break;
      case MenuCommand::ChangeRecords: EXPECT_TRUE(changeOperations.insert(e.argument).second); break;
      case MenuCommand::OpenDocument: EXPECT_TRUE(documents.insert(e.argument).second); break;
      default: EXPECT_EQ(e.argument, 0) << e.name;
    }
  }
  // Each documentation operation and document link has exactly one item.
  EXPECT_EQ(changeOperations, (std::set<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(documents, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Find("mi_docudeleteChange")->argument, 3);
  // The screen shows drawings 1..14 and the CAD menu the profiles and manufacturing sheets.
  EXPECT_EQ(screen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(cad, (std::set<int>{6, 7, 8, 15, 16, 17}));
  EXPECT_EQ(Find("mi_viewtabelletolnabe")->argument, 12);
  EXPECT_EQ(Find("mi_noSuchItem"), nullptr);
}

TEST(MenuTree, FileMenuEndsWithTheRecentItemsTheirSeparatorAndExit) {
  std::vector<std::string> file;
  for (const MenuEntry& e : MainMenuTree())
    if (e.parent == "mi_file") file.push_back(e.name);
  ASSERT_GE(file.size(), 6u);
  const std::vector<std::string> tail(file.end() - 6, file.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"mi_file1", "mi_file2", "mi_file3", "mi_file4",
                                            "sep_fileRecent", "mi_fileexit"}));
  EXPECT_EQ(Find("sep_fileRecent")->kind, MenuEntryKind::Separator);

  const std::pair<const char*, const char*> shortcuts[] = {
      {"mi_fileNew", "Ctrl+N"},  {"mi_fileOpen", "Ctrl+O"}, {"mi_FileSave", "Ctrl+S"},
      {"mi_fileprint", "Ctrl+P"}, {"mi_file1", "Shift+F1"}, {"mi_file4", "Shift+F4"}};
  int withShortcut = 0;
  for (const MenuEntry& e : MainMenuTree()) withShortcut += e.shortcut.empty() ? 0 : 1;
  EXPECT_EQ(withShortcut, 8);
  for (const auto& [name, key] : shortcuts) EXPECT_EQ(Find(name)->shortcut, key) << name;
}

TEST(MenuCaptions, EachMenuLanguageHasItsCaptionsAndFixedItemsKeepTheirs) {
  struct Case {
    int language;
    const char* open;
    const char* hub;        // a view submenu's hub item
    const char* cadBoth;    // CAD manufacturing drawing of shaft and hub
    const char* document3;
  };
  const Case cases[] = {
      {1, "Ö&ffnen...", "&Nabe", "&Welle + &Nabe &Fertigungszeichnung", "D&okument &3"},
      {2, "&Open...", "&Hub", "Sh&aft + &Hub &Production drawing", "D&ocument &3"},
      {7, "&Deschide...", "&Bucsa", "Arbore + &Bucsa &Desen de productie", "D&ocument &3"},
      {8, "열기(&O)", "허브(&H)", "축(&a) + 허브(&H) 산품도(&P)", "문서(&o) &3"},
  };
  Vocabulary words;
  for (const Case& c : cases) {
    MenuCaptions captions;
    captions.Load(c.language, words);
    EXPECT_EQ(captions.Language(), c.language);
    EXPECT_EQ(captions.Caption("mi_fileOpen"), c.open);
    EXPECT_EQ(captions.Caption("mi_viewtabelletolnabe"), c.hub);
    EXPECT_EQ(captions.Caption("mi_cadfertwellenabe"), c.cadBoth);
    EXPECT_EQ(captions.Caption("mi_Document3"), c.document3);
    EXPECT_EQ(captions.Caption("mi_helplanguageKorea"), "&Korea");
    EXPECT_EQ(captions.Caption("mi_OleExportExcel"), "Export ZT6 -> Excel");
    EXPECT_EQ(captions.Caption("mi_dbfzt6f2"), "Tol. F Nabe");
    // Every item but the recent entries, which show file names, has a caption.
    const std::set<std::string> recent{"mi_file1", "mi_file2", "mi_file3", "mi_file4"};
    for (const MenuEntry& e : MainMenuTree()) {
      if (e.kind != MenuEntryKind::Separator && !recent.contains(e.name)) {
        EXPECT_FALSE(captions.Caption(e.name).empty()) << e.name;
      }
    }
  }
}

TEST(MenuCaptions, LanguagesWithoutGroupTwoKeepThePreviousShaftAndHubWords) {
  Vocabulary words;
  MenuCaptions captions;
  captions.Load(3, words);  // from German
  EXPECT_EQ(captions.Caption("mi_fileNew"), "&New...");
  EXPECT_EQ(captions.Caption("mi_editLast"), "&Last");
  EXPECT_EQ(captions.Caption("mi_viewprofilwelle"), "&Welle");
  EXPECT_EQ(captions.Caption("mi_dbwstyp"), "Werkstoff&typ");
  EXPECT_EQ(captions.Caption("mi_viewPassung"), "&Toleranzen Zahn&dicke");

  captions.Load(8, words);
  captions.Load(9, words);
  EXPECT_EQ(captions.Language(), 9);
  EXPECT_EQ(captions.Caption("mi_fileNew"), "&New...");
  EXPECT_EQ(captions.Caption("mi_editLast"), "하중(&L)");
  EXPECT_EQ(captions.Caption("mi_cadprofilnabe"), "이형상(&T) 허브(&H)");
}

TEST(MenuCaptions, FineAndCoarseFollowTheReportWords) {
  Vocabulary words;
  MenuCaptions captions;
  EXPECT_EQ(captions.Caption("mi_dbfzt6f1f"), "Tol. F Welle, fein");
  words.Load(2);
  captions.Load(2, words);
  EXPECT_EQ(captions.Caption("mi_dbfzt6f1f"), "Tol. F shaft, fine");
  EXPECT_EQ(captions.Caption("mi_dbfzt6f1g"), "Tol. F shaft, coarse");
  EXPECT_EQ(captions.Caption("mi_dbfzt6f2"), "Tol. F hub");
  EXPECT_EQ(captions.Caption("mi_OlePrintoutExcel"), "Printout -> Excel");
  words.Load(1);
  captions.Load(7, words);  // Romanian has no report words of its own
  EXPECT_EQ(captions.Caption("mi_dbfzt6f1g"), "Tol. F Welle, grob");
  EXPECT_EQ(captions.Caption("mi_OlePrintoutExcel"), "Ausdruck -> Excel");
}

}  // namespace
}  // namespace zt6
