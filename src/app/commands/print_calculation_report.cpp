#include "app/commands/print_calculation_report.h"

#include "app/commands/run_summary.h"
#include "base/program_identity.h"
#include "report/calculation_report.h"

namespace zt6 {

void PrintCalculationReport(ReportOutput& output, Program& program, Prompts& prompts) {
  if (program.messages.FatalFlag()) {
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
    return;
  }
  SetUpCalculationReport(program);
  prompts.shell().cancel = false;
  output.Open(0, program.projectName);
  if (prompts.shell().cancel) return;
  if (!output.FirstPageHeader(0)) return;
  if (!WriteCalculationReport(program)) {
    prompts.shell().cancel = true;
    output.Abandon();
    return;
  }
  output.Close();
}

void SetUpCalculationReport(Program& program) {
  ReportWriter& writer = program.report;
  writer.SetHeader(CalculationReportHeader(program.design, program.words, kProgramVersion), 0);
  writer.SetColumns(CalculationReportColumns(program.words));
  writer.SetWords(program.words);
}

bool WriteCalculationReport(Program& program) {
  return WriteCalculationReportPages(program.report, program.design, program.words,
                                     program.config.format, RunRemarks(program));
}

}  // namespace zt6
