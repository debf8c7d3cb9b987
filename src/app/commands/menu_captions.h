#pragma once
// The main menu: its tree of items named as the window binds them, and the caption
// table of the menu languages. Captions are UTF-8 with "&" before the accelerator.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "report/vocabulary.h"

namespace zt6 {

enum class MenuEntryKind { Menu, Item, Separator };

// What choosing an item does. Submenus and separators have none; the first three
// kinds are items without a command of their own.
enum class MenuCommand {
  None,             // a submenu or a separator
  NotYetAvailable,  // the window comes with a later version: it says so
  WithoutCommand,   // no command in this system: shown, but disabled
  Hidden,           // not part of this build (the maker's web page and mail)
  New,
  Open,
  OpenTable,
  Save,
  SaveAs,
  OpenRecent,       // argument: the recent entry 1..4
  Exit,
  EditText,
  EditDimensions,
  EditMaterial,
  EditLoad,
  Report,
  RunMessages,
  ScreenDrawing,    // argument: the drawing kind
  CadDrawing,       // argument: the drawing kind
  DrawingList,
  StepModel,        // the 3D model of shaft and hub as a STEP file
  PrintDrawing,       // the print configuration, then the drawing on paper
  PrinterSetup,       // the print configuration in set-up mode
  StartSpreadsheet,   // the project file into a workbook
  ExportSpreadsheet,  // the same after saving; enabled once the first succeeded
  ReportSpreadsheet,  // the calculation report into a workbook
  Din5481Table,
  ToleranceTable,   // argument: the table, as calc's ToleranceTable numbers it
  RunoutTable,
  MaterialTable,
  MaterialGroups,
  MessageSummary,
  Language,         // argument: the menu language 1, 2, 7 or 8
  About,
  ChangeRecords,    // argument: the documentation operation 1..6
  OpenDocument,     // argument: the document link 1..5
  DocumentSetup,
  Settings,         // the settings dialog
  HelpImages,       // the help image browser
  Demo,             // the self-running demonstration
  SizeForLoad,      // the sizes that carry a load, one taken into the design
  ParameterStudy,   // results over a varied input, as a chart
};

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  std::string name;        // object name ("mi_fileNew"); a separator's is unique too
  std::string parent;      // "" for the menu bar
  std::string shortcut;    // "Ctrl+N", "Shift+F1", or ""
  std::string fixedCaption;  // caption when the caption table has no entry
  MenuCommand command = MenuCommand::None;
  int argument = 0;          // drawing kind, recent entry, table or language
};

// The whole tree in menu order, parents before their children.
const std::vector<MenuEntry>& MainMenuTree();
// The entry of that name, or nullptr.
const MenuEntry* FindMenuEntry(std::string_view name);

class MenuCaptions {
 public:
  MenuCaptions();  // German

  // Group one for languages 1..9, group two (shaft, hub, load, ...) for 1, 2, 7 and 8
  // only; any other language leaves group two as it was. The database items' fein/grob
  // follow the report words.
  void Load(int language, const Vocabulary& words);
  int Language() const { return language_; }
  // The item's caption in the loaded set, else its fixed caption.
  std::string Caption(std::string_view name) const;

 private:
  int language_ = 1;
  std::map<std::string, std::string, std::less<>> captions_;
};

}  // namespace zt6
