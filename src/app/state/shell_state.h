#pragma once
// Process-wide shell flags shared by every prompt and file check.

#include <string>
#include <vector>

namespace zt6 {

struct ShellState {
  bool cancel = false;               // set by Cancel/ESC of any prompt and by failed file checks
  bool messageBoxesEnabled = true;   // error boxes of configuration, prompt and table layers
  int helpNumber = 0;                // help text shown by the prompts' help buttons
  bool overwriteQuestion = true;     // ask before overwriting an existing file
  bool noGui = false;                // "/NOGUI" on the command line
  bool demoMode = false;             // self-running demonstration active
  bool archiveMode = false;          // file and user commands refused
  int helpLevel = 0;                 // configured help level 0, 1 or 2
};

}  // namespace zt6
