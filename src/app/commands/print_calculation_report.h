#pragma once
// The calculation report of the current design: from the view command, the batch run
// and the spreadsheet export. After a fatal run message it shows the run summary
// instead.

#include "app/commands/report_output.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"

namespace zt6 {

void PrintCalculationReport(ReportOutput& output, Program& program, Prompts& prompts);

// The two halves every route shares: the page header and columns of the report in the
// program's words, and, once the writer has begun and written the first page header,
// the pages themselves. False when the writer was cancelled.
void SetUpCalculationReport(Program& program);
bool WriteCalculationReport(Program& program);

}  // namespace zt6
