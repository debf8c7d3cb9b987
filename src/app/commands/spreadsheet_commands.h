#pragma once
// The spreadsheet commands: the project file, the calculation report or a table
// window's grid written as a workbook and opened with the desktop's default program.

#include <functional>
#include <string>
#include <vector>

#include "app/ports/launcher.h"
#include "app/ports/prompts.h"
#include "app/ports/workbook.h"
#include "app/state/program.h"

namespace zt6 {

// A cell's text, read as a number when the whole text is one, written with the
// decimal separator of tab-separated values (1 ".", 2 ","); blanks around it ignored.
WorkbookCell SpreadsheetCell(const std::string& utf8, int tabSeparator);

// Line k of the project file (DOS text) in cell (k, 1), converted to the Windows
// code page as text.
WorkbookSheet ProjectFileSheet(const std::string& projectFileBytes, bool asciiSpecial);
// A tab-separated report (DOS text): each line a row, split at the tabs. A line without
// a tab (titles, designations) and the lines listed in textLines (0-based, the writer's
// TextLines) are texts throughout; every other cell that reads as a number is one.
WorkbookSheet TabSeparatedSheet(const std::string& reportBytes, int tabSeparator,
                                bool asciiSpecial,
                                const std::vector<std::size_t>& textLines = {});
// The grid of a table window (UTF-8 cells), row by row.
WorkbookSheet GridSheet(const std::vector<std::vector<std::string>>& rows, int tabSeparator);

// Writes the sheet to path and opens it. On failure `failureText` (CP850) is shown,
// with the workbook's path when the workbook was written. True when opened.
bool OpenWorkbook(const WorkbookSheet& sheet, const std::string& path, Workbooks& workbooks,
                  Launcher& launcher, Prompts& prompts, const std::string& failureText);

// "Excel kann nicht gestartet werden" (CP850).
std::string CannotStartSpreadsheet();

// Start Excel: the project file into a workbook in the temporary folder. True when
// it was opened (the export items are then enabled).
bool StartSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                      Launcher& launcher);
// Export ZT6 -> Excel: save first when modified (save clears the modified flag or
// sets the cancel flag), then as Start Excel.
bool ExportToSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                         Launcher& launcher, const std::function<void()>& save);
// Printout -> Excel: the calculation report's tab-separated form in a new workbook
// named after the project ("welle_Ausdruck.xlsx", then "welle_Ausdruck_2.xlsx", ...).
// The report's file number counts on as for a tab-separated report.
bool ReportToSpreadsheet(Program& program, Prompts& prompts, Workbooks& workbooks,
                         Launcher& launcher);

// The calculation report of the design as tab-separated DOS text; its header names
// shownName (UTF-8), the file the user gets.
std::string TabSeparatedReport(Program& program, const std::string& shownName);

}  // namespace zt6
