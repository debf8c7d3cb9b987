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

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  std::string name;        // object name ("mi_fileNew"); a separator's is unique too
  std::string parent;      // "" for the menu bar
  std::string shortcut;    // "Ctrl+N", "Shift+F1", or ""
  std::string fixedCaption;  // caption when the caption table has no entry
};

// The whole tree in menu order, parents before their children.
const std::vector<MenuEntry>& MainMenuTree();

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
