#pragma once
// Saving and opening project files with the program's dialogs and checks: the file
// dialogs when no name is given, the name check with the overwrite question, archive
// mode, and the calculation run that makes derived quantities current after reading.

#include <optional>
#include <string>

#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "calc/standard_tables.h"

namespace zt6 {

// Writes the project. An empty name asks with the save dialog; a name without "." is
// completed to project directory + name + ".zt6". On success the project name becomes
// the name. Any refusal or failure sets the cancel flag; a failed write leaves the
// previous file as it was.
void WriteProject(Program& program, Prompts& prompts, std::string name);

// What Read does with a cut file, one that ends before the lines every version wrote.
enum class CutFile {
  Refuse,  // an error box naming the last line; nothing is taken
  Ask,     // the user decides; taken, the missing values get their defaults
  Defer,   // refused without a word, for a caller that asks once a window is open
};

// Whether the inputs read must lie in their ranges (calc/input_ranges.h). Batch runs
// refuse a file holding a value no dialog takes; the desktop opens it for mending.
enum class RangeCheck { Off, Refuse };

enum class ReadOutcome { Read, Refused, Cut };

// Reads the project and runs the calculation. An empty name asks with the open dialog.
// A file that cannot be opened or is no project file gives an error box and the cancel
// flag, and the design is left unchanged; so does a cut file unless `cut` lets the user
// take it. On success the project name becomes the name.
ReadOutcome ReadProject(Program& program, Prompts& prompts, StandardTables& tables,
                        std::string name, CutFile cut = CutFile::Refuse,
                        RangeCheck ranges = RangeCheck::Off);

// "Datei NAME: Feld z = 20001 liegt außerhalb des gültigen Wertebereichs 3 .. 500"
// (code page 850), or nothing when every input lies in its range.
std::optional<std::string> OutOfRangeText(const std::string& path, const DesignRecord& design);

// "Datei NAME endet vorzeitig nach Zeile N" (code page 850), for a cut file.
std::string CutFileText(const std::string& path, std::size_t lines);

// The completed file name: a name without "." gets the project directory and ".zt6".
std::string ProjectFilePath(const Program& program, const std::string& name);

}  // namespace zt6
