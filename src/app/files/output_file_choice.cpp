#include "app/files/output_file_choice.h"

#include <filesystem>
#include <system_error>

#include "app/files/project_io.h"
#include "base/codepage.h"

namespace zt6 {

namespace fs = std::filesystem;

std::string OutputFileProposal(const std::string& projectName, const std::string& extension) {
  if (projectName.empty()) return {};
  fs::path name = fs::path(projectName).filename();
  name.replace_extension(extension);
  return name.string();
}

bool IsOpenProjectFile(const Program& program, const std::string& path) {
  if (program.projectName.empty()) return false;
  const fs::path project = ProjectFilePath(program, program.projectName);
  std::error_code ec;
  if (fs::equivalent(project, path, ec)) return true;
  // Not both there: compare the names as the file system would resolve them.
  const fs::path a = fs::weakly_canonical(fs::absolute(project, ec), ec);
  const fs::path b = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return !ec && a == b;
}

std::string OpenProjectRefusal(const std::string& path) {
  return Utf8ToCp850(fs::path(path).filename().string()) +
         Oem(" ist die geöffnete Projektdatei und wird nicht überschrieben !");
}

std::optional<std::string> ChooseOutputFile(Program& program, Prompts& prompts,
                                            const std::string& folder, const std::string& filter,
                                            const std::string& proposal,
                                            const std::string& extension) {
  ShellState& shell = prompts.shell();
  std::optional<std::string> chosen = prompts.ui().ChooseFileToWrite(folder, filter, proposal);
  if (!chosen || chosen->empty()) {
    shell.cancel = true;
    return std::nullopt;
  }
  if (!extension.empty() && fs::path(*chosen).filename().string().find('.') == std::string::npos)
    *chosen += "." + extension;
  if (IsOpenProjectFile(program, *chosen)) {
    prompts.ShowErrorAlways(OpenProjectRefusal(*chosen));
    shell.cancel = true;
    return std::nullopt;
  }
  prompts.CheckFileForWriting(*chosen);
  if (shell.cancel) return std::nullopt;
  return chosen;
}

}  // namespace zt6
