#pragma once
// The calculation report of the current design: from the view command, the batch run
// and the spreadsheet export. After a fatal run message it shows the run summary
// instead.

#include "app/program.h"
#include "app/prompts.h"
#include "app/report_output.h"

namespace zt6 {

void PrintCalculationReport(ReportOutput& output, Program& program, Prompts& prompts);

}  // namespace zt6
