#include "app/commands/step_model_command.h"

#include "app/commands/report_output.h"
#include "app/commands/run_summary.h"
#include "app/files/output_file_choice.h"
#include "app/files/configuration_file.h"
#include "base/codepage.h"
#include "base/private_folder.h"
#include "base/safe_file.h"
#include "cad/drawing_sheets.h"

namespace zt6 {

std::optional<std::string> StepModelCommand(Program& program, Prompts& prompts,
                                            ModelDialog& dialog, const StepModelWriter& writer) {
  if (program.messages.FatalFlag()) {
    RunSummary(program.messages, prompts, DescriptionFilePath(program), program.words.Language())
        .Summary();
    return std::nullopt;
  }
  const DesignRecord& design = program.design;
  if (!DrawableGeometry(design) || !SolidModelProblem(design, WithDefaults(design, {})).empty()) {
    prompts.ShowErrorAlways(Oem("Die Verzahnung ist unvollständig; es kann nichts gezeichnet werden"));
    return std::nullopt;
  }
  const std::optional<SolidModelOptions> options = dialog.Ask(design, WithDefaults(design, {}));
  if (!options) return std::nullopt;
  const std::string folder = FolderSettingPath(program.config.cadFolder).string();
  const std::optional<std::string> file =
      ChooseOutputFile(program, prompts, folder, "*.step|*.step|*.*|*.*",
                       OutputFileProposal(program.projectName, "step"), "step");
  if (!file) return std::nullopt;
  // Built in a private folder, then put in place whole: a failed write keeps the old file.
  PrivateFolder work;
  const std::string built = (work.Path() / "model.step").string();
  std::string problem = work.Path().empty() ? "no temporary folder" : "";
  if (problem.empty()) problem = writer(design, *options, NamesOfSolids(design, program.words), built);
  if (problem.empty()) {
    const FileContent bytes = ReadWholeFile(built, std::size_t{1} << 31);
    const SafeWriteResult written = bytes.ok ? WriteFileSafely(*file, bytes.bytes)
                                             : SafeWriteResult{false, ReadErrorText(bytes.errorNumber)};
    problem = written.error;
  }
  if (!problem.empty()) {
    prompts.ShowErrorAlways(Oem("Fehler beim Schreiben von ") + Utf8ToCp850(*file) + ": " +
                            Utf8ToCp850(problem));
    return std::nullopt;
  }
  return file;
}

}  // namespace zt6
