#pragma once
// Where the standard tables installed with the program are: beside the program in a
// build tree ("tables/"), or in the installation's shared data ("../share/zt6/tables",
// "../../share/zt6/tables" from libexec/zt6).

#include <filesystem>
#include <initializer_list>
#include <string>

namespace zt6 {

// Where the shipped data is looked for from when the running program is not a zt6
// program: a library host (the Python module) names the folder a zt6 program in bin
// would have. Set once, before any lookup.
void SetProgramFolder(const std::filesystem::path& folder);

// The first of the folders (relative to the program's own folder) that holds the
// file, or "" when none does.
std::string FolderBesideProgram(std::initializer_list<std::filesystem::path> candidates,
                                const char* file);

// The folder holding the shipped "din5481.dbf", or "" when none is found.
std::string ShippedTableFolder();
// The folder holding the shipped message descriptions "zt6.err": beside the program
// in a build tree, or "../share/zt6" ("../../share/zt6"); "" when none is found.
std::string ShippedDataFolder();

}  // namespace zt6
