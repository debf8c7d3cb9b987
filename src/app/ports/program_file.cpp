#include "app/ports/program_file.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/codepage.h"

namespace zt6 {

namespace fs = std::filesystem;

bool IsProgramFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

std::string FindProgram(std::string_view setting) {
  const std::string name(setting);
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return IsProgramFile(name) ? name : std::string();
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "";
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    if (!folder.empty()) {
      const std::string candidate = (fs::path(folder) / name).string();
      if (IsProgramFile(candidate)) return candidate;
    }
    if (colon == std::string_view::npos) break;
    folders.remove_prefix(colon + 1);
  }
  return {};
}

std::optional<std::string> ChooseProgramFile(Prompts& prompts, const std::string& current) {
  const std::string found = FindProgram(current);
  std::string folder = fs::path(found.empty() ? current : found).parent_path().string();
  for (;;) {
    const std::optional<std::string> chosen = prompts.ui().ChooseFileToRead(folder, "*.*");
    if (!chosen) {
      prompts.shell().cancel = true;
      return std::nullopt;
    }
    if (IsProgramFile(*chosen)) return chosen;
    prompts.ShowErrorAlways("Datei " + Utf8ToCp850(*chosen) + Oem(" ist kein ausführbares Programm !"));
    folder = fs::path(*chosen).parent_path().string();
  }
}

}  // namespace zt6
