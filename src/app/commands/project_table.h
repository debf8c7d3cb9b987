#pragma once
// The project table of "Open (Table)": one row per project file of the project folder,
// each read and calculated, with the columns the table window shows.

#include <functional>
#include <string>
#include <vector>

#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "calc/standard_tables.h"

namespace zt6 {

// The 18 column headings (UTF-8) in the current unit system and language.
std::vector<std::string> ProjectTableHeadings(const Program& program);

// Reads and calculates every "*.zt6" file of the project folder in folder order and
// returns one row of 18 UTF-8 texts per file read. progress gets each file name before
// it is read (the window caption shows it).
std::vector<std::vector<std::string>> ProjectTableRows(
    Program& program, Prompts& prompts, StandardTables& tables,
    const std::function<void(const std::string&)>& progress = {});

}  // namespace zt6
