#pragma once
// What the table editor window does with the open current table beyond showing it:
// the text search, the HTML export and the table printout.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "app/commands/report_output.h"
#include "app/state/program.h"
#include "tables/current_table.h"

namespace zt6 {

// The search rule: the text, trimmed and in upper case, is looked for in every field of
// each record (texts as stored, shown in the Windows code page) without regard to case.
// Searches from the first record (fromNext false) or from the one after the current
// (fromNext true) in the active order; the first record holding it becomes current.
// Not found leaves the current record unchanged. text is UTF-8.
bool SearchTable(CurrentTable& table, std::string_view text, bool fromNext);

// Writes the whole table (deleted records included) as an HTML page to path (UTF-8
// file-system name), safely, in the Windows code page. The heading shows the owner and
// installation texts, the date and the time (the clock when no time is given) as the
// report pages do. False and an error text when it could not be written; starting the
// browser on it is the caller's.
bool ExportTableHtml(const Program& program, CurrentTable& table, const std::string& path,
                     std::string& error, const std::optional<std::tm>& time = std::nullopt);

// The table printout through the report writer: the first seven fields as columns.
// caption is the window caption (UTF-8), title the window's hidden title (CP850).
void PrintTable(ReportOutput& output, Program& program, Prompts& prompts, CurrentTable& table,
                const std::string& caption, const std::string& title);

}  // namespace zt6
