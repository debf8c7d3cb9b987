#pragma once
// The project table of "Open (Table)": one row per project file of the project folder,
// each read and calculated, with the columns the table window shows.

#include <functional>
#include <string>
#include <vector>

#include "app/ports/prompts.h"
#include "app/ports/workbook.h"
#include "app/state/program.h"
#include "calc/standard_tables.h"

namespace zt6 {

// The 18 column headings (UTF-8) in the current unit system and language.
std::vector<std::string> ProjectTableHeadings(const Program& program);

// Reads and calculates every "*.zt6" file of the project folder in folder order and
// returns one row of 18 UTF-8 texts per file. Each file is read on a design of its own
// from the defaults, so the open project stays as it is and no row shows another
// file's values: a file that cannot be read has its error in the third column and no
// numbers; a design whose run ends fatally has no safeties. progress gets each file
// name before it is read (the window caption shows it).
std::vector<std::vector<std::string>> ProjectTableRows(
    Program& program, Prompts& prompts, StandardTables& tables,
    const std::function<void(const std::string&)>& progress = {});

// The name Read takes for a listed file: its stem when folder and extension complete
// it again, else the whole path.
std::string ProjectNameOfListedFile(const std::string& folder, const std::string& fileName);

// A new workbook for Export Excel, named after the project folder:
// "<folder>_Projekttabelle.xlsx" in the temporary folder, "_2", "_3" ... when it exists.
std::string ProjectTableWorkbookPath(const Program& program);

// The grid as the table window shows it (heading row first) for Export Excel: the
// number columns as numbers read with the table's decimal separator, every other
// column as text (a drawing number "0815" keeps its zero).
WorkbookSheet ProjectTableSheet(const std::vector<std::vector<std::string>>& cells,
                                const FormatSettings& format);

}  // namespace zt6
