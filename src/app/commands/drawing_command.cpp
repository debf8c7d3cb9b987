#include "app/commands/drawing_command.h"

#include "app/commands/cad_setup.h"
#include "app/commands/plot_program.h"
#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/files/configuration_file.h"
#include "app/files/output_file_choice.h"
#include "base/codepage.h"
#include "cad/drawing_sheets.h"

namespace zt6 {

std::optional<int> PromptCadPorts::ChooseOutputType() {
  prompts_.shell().helpNumber = 2050;
  const bool wasCancelled = prompts_.shell().cancel;
  prompts_.shell().cancel = false;
  const int chosen = prompts_.AskChoice("CAD-Code", CadOutputTypeTexts(program_.words), 3);
  if (prompts_.shell().cancel) return std::nullopt;
  prompts_.shell().cancel = wasCancelled;
  return chosen;
}

std::optional<std::string> PromptCadPorts::ChooseOutputFile(const std::string& extension) {
  if (batchCad) return program_.projectName + "." + extension;
  // Without a CAD folder the drawing goes beside the project.
  std::string folder = FolderSettingPath(program_.config.cadFolder).string();
  if (folder.empty()) folder = program_.projectDirectory;
  const std::string filter = "*." + extension + "|*." + extension + "|*.*|*.*";
  return zt6::ChooseOutputFile(program_, prompts_, folder, filter,
                               OutputFileProposal(program_.projectName, extension), extension);
}

// Windowless runs never start the plot program: nothing is written for it.
bool PromptCadPorts::ChoosePlotCommandLine() {
  if (batchCad) return false;
  return zt6::ChoosePlotCommandLine(program_, prompts_);
}

void PromptCadPorts::ShowStatus(const std::string&) {}

// The plot file's name is part of the command line already.
void PromptCadPorts::RunPlotProgram(const std::string&) {
  zt6::RunPlotProgram(program_, prompts_, launcher_);
}

void PromptCadPorts::ReportWriteError(const std::string& file, const std::string& error) {
  prompts_.ShowErrorAlways(Oem("Fehler beim Schreiben von ") + Utf8ToCp850(file) + ": " +
                           Utf8ToCp850(error));
}

DrawingOutcome DrawingCommand(Program& program, Prompts& prompts, CadPorts& ports, int kind,
                              CadOutputType type, const std::optional<std::tm>& fixedTime) {
  if (program.messages.FatalFlag()) {
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
    return DrawingOutcome::FatalRun;
  }
  if (!DrawingAvailable(kind)) return DrawingOutcome::NotAvailable;
  if (!DrawableGeometry(program.design)) {
    prompts.ShowErrorAlways(Oem("Die Verzahnung ist unvollständig; es kann nichts gezeichnet werden"));
    return DrawingOutcome::Cancelled;
  }
  if (program.design.z > kMaxTeethDrawn) {
    // Short enough for the run message list to keep the largest z and the limit whole.
    const std::string text = Oem("Zu viele Zähne: z=") + std::to_string(program.design.z) +
                             " > " + std::to_string(kMaxTeethDrawn);
    // A windowless run shows no run summary: there it is said as an error.
    if (program.shell.noGui) {
      prompts.ShowErrorAlways(text);
    } else {
      program.messages.Add(text);
      RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
          .Summary();
    }
    return DrawingOutcome::Cancelled;
  }
  program.drawing.SetSettings(DrawingSettingsOf(program.config));
  CadOutput cad(program.drawing, program.messages, program.shell.cancel, ports);
  cad.SetSettings(CadSettingsOf(program, fixedTime));
  program.shell.cancel = false;
  const SheetContext context{program.design, program.words, program.config.format, program.docs,
                             FrameOptionsOf(program, fixedTime)};
  if (!ProduceDrawing(cad, context, kind, type)) return DrawingOutcome::NotAvailable;
  if (program.shell.cancel) return DrawingOutcome::Cancelled;
  return DrawingOutcome::Drawn;
}

void DrawingMenu(Program& program, Prompts& prompts, CadPorts& ports, CadOutputType type) {
  if (program.messages.FatalFlag()) {
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
    return;
  }
  int chosen = 1;
  program.shell.cancel = false;
  while (!program.shell.cancel) {
    prompts.shell().helpNumber = 2050;
    chosen = prompts.AskChoice(program.words["Bitte wählen"], DrawingListTexts(program.words),
                               chosen);
    if (program.shell.cancel || chosen == drawing_kind::kReturn) break;
    DrawingCommand(program, prompts, ports, chosen, type);
  }
}

}  // namespace zt6
