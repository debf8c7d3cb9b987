#pragma once
// Help texts by number: numbers below 4000 in the shared file "morvane.hlp", the
// others in the program's own "zt6.hlp", both code page 850 in the PLT folder.
//
// An entry is a head line whose first four characters are its number (optionally
// ":" and the name of its help image), then its first text line; lines 2 to 5 are
// plain lines, or a number line (entry number + line number - 1) followed by the
// text of that line. A number line divisible by 5 ends the entry.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

struct Configuration;
class DrawingWindow;
class Prompts;

inline constexpr int kSharedHelpLimit = 4000;  // numbers from here on are the program's own
inline constexpr const char* kSharedHelpFile = "morvane.hlp";
inline constexpr const char* kProgramHelpFile = "zt6.hlp";

struct HelpEntry {
  std::array<std::string, 5> lines;  // CP850; a missing file or entry gives the message in line 1
  std::string image;                 // plot file name without ".plt"; "" or "NULL" for none
  bool found = false;
  bool HasImage() const { return !image.empty() && image != "NULL"; }
};

// The file a help number is looked up in ("morvane.hlp" or "zt6.hlp").
const char* HelpFileName(int number);

// The entry of number in the lines of a help file (CP850).
HelpEntry FindHelpEntry(const std::vector<std::string>& fileLines, int number);
// The entry of number in the help file at path (its name is used in the message of
// a missing file).
HelpEntry LookUpHelpInFile(const std::string& path, int number);
// The entry of number from the help files of the configuration's PLT folder.
HelpEntry LookUpHelp(const Configuration& config, int number);

// The five lines, each shown as the window shows it (UTF-8), joined with single blanks:
// the tooltip of a label.
std::string HelpTextAsString(const HelpEntry& entry, bool asciiSpecial);

// The message box caption "HILFETEXT Nr.5005", "HELP TEXT No.5005" in the other menus.
std::string HelpCaption(int number, int menuLanguage);

// Every number a help file holds as a head, in file order (for the completeness test and
// the demonstration's check).
std::vector<int> HelpHeadNumbers(const std::vector<std::string>& fileLines);

enum class HelpMode { Both = 0, Text = 1, Image = 2 };

// Shows the help of number (0 = the current help number of the shell): the text in a
// message box captioned "HILFETEXT Nr.n", the image in the drawing area (cleared, a world
// window of 160 by 120, then the image's plot file). Clears the cancel flag.
void ShowHelp(const Configuration& config, Prompts& prompts, DrawingWindow& drawing, int number,
              HelpMode mode);

// Draws the help image name (without ".plt") of the PLT folder into the cleared drawing
// area. False when the plot file cannot be read.
bool DrawHelpImage(const Configuration& config, DrawingWindow& drawing, const std::string& name);

}  // namespace zt6
