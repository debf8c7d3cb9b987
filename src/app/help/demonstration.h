#pragma once
// The self-running demonstration: an example design, then a fixed sequence of the
// program's own menu commands, each after a text from the control file "zt6.dem" in the
// PLT folder (code page 850: two header lines, then four lines per text, the text in the
// third; "zt6.en.dem" in English). Cancelling a dialog asks "Demomodus beenden ?".

#include <functional>
#include <string>
#include <vector>

namespace zt6 {

struct Program;
class Prompts;
class TableAccess;

inline constexpr const char* kDemonstrationFile = "zt6.dem";

// The menu items run after each text, in order; "" is a text with no command after it.
const std::vector<std::string>& DemonstrationSequence();

// Text n (1-based) of the control file's lines; the message when the file ends first.
std::string DemonstrationText(const std::vector<std::string>& fileLines, int n);

// The demonstration's introduction: the two texts in the text language (1 German,
// 2 English), each with OK and Cancel. False when the user cancelled.
bool ShowDemonstrationIntroduction(Prompts& prompts, int textLanguage = 1);

// Row 4 of the DIN 5481 table, the hub length, the two materials and the load.
void LoadExampleDesign(Program& program, TableAccess& access);

class Demonstration {
 public:
  // runMenuItem carries out a menu item by name as its click does; calculate runs the
  // calculation with the after-calculation refresh.
  Demonstration(Program& program, Prompts& prompts, TableAccess& access,
                std::function<void(const std::string&)> runMenuItem,
                std::function<void()> calculate);
  void Run();

 private:
  // Asks "Demomodus beenden ?" when the cancel flag is set; false when the user ends.
  bool GoOn();
  // One step: the next text; false when the demonstration ends.
  bool Step();

  Program& program_;
  Prompts& prompts_;
  TableAccess& access_;
  std::function<void(const std::string&)> runMenuItem_;
  std::function<void()> calculate_;
  std::vector<std::string> file_;
  bool fileRead_ = false;
  std::string filePath_;
  int step_ = 0;
};

}  // namespace zt6
