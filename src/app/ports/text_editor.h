#pragma once
// Finding a graphical text editor to show a text file in (the report's "Export
// Notepad", report device 5): the desktop's default program for text files when it
// runs in a window of its own, else a known editor on the search path. A default that
// needs a terminal (vim, nano) cannot open on a desktop without one, which is why
// xdg-open alone is not enough.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ports/launcher.h"
#include "app/ports/prompts.h"

namespace zt6 {

struct TextEditorSearch {
  std::string searchPath;                 // as $PATH
  std::vector<std::string> dataFolders;   // $XDG_DATA_HOME, then $XDG_DATA_DIRS
  // The desktop entry file name of the default program for text/plain ("" if none).
  std::function<std::string()> defaultDesktopEntry;
};

// The search of this process: its environment and `xdg-mime query default text/plain`.
TextEditorSearch TextEditorSearchOfEnvironment();

// The program to start with the file as its argument; nullopt when none was found.
std::optional<std::string> FindTextEditor(const TextEditorSearch& search);

// Starts the editor found on the file; otherwise says that none was found and where
// the file lies. False when nothing was started.
bool OpenInTextEditor(const std::string& file, Launcher& launcher, Prompts& prompts,
                      const TextEditorSearch& search = TextEditorSearchOfEnvironment());

}  // namespace zt6
