#pragma once
// Saving and opening project files with the program's dialogs and checks: the file
// dialogs when no name is given, the name check with the overwrite question, archive
// mode, and the calculation run that makes derived quantities current after reading.

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

// Reads the project and runs the calculation. An empty name asks with the open dialog.
// A file that cannot be opened or is no project file gives an error box and the cancel
// flag, and the design is left unchanged. On success the project name becomes the name.
void ReadProject(Program& program, Prompts& prompts, StandardTables& tables, std::string name);

// The completed file name: a name without "." gets the project directory and ".zt6".
std::string ProjectFilePath(const Program& program, const std::string& name);

}  // namespace zt6
