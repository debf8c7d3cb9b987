#include "app/print_calculation_report.h"

#include "app/program_identity.h"
#include "app/run_summary.h"
#include "report/calculation_report.h"

namespace zt6 {

void PrintCalculationReport(ReportOutput& output, Program& program, Prompts& prompts) {
  if (program.messages.FatalFlag()) {
    RunSummary(program.messages, prompts, DescriptionFilePath(program)).Summary();
    return;
  }
  ReportWriter& writer = program.report;
  writer.SetHeader(CalculationReportHeader(program.design, program.words, kProgramVersion), 0);
  writer.SetColumns(CalculationReportColumns(program.words));
  prompts.shell().cancel = false;
  output.Open(0, program.projectName);
  if (prompts.shell().cancel) return;
  if (!output.FirstPageHeader(0)) return;
  if (!WriteCalculationReportPages(writer, program.design, program.words, program.config.format,
                                   RunRemarks(program))) {
    prompts.shell().cancel = true;
    output.Abandon();
    return;
  }
  output.Close();
}

}  // namespace zt6
