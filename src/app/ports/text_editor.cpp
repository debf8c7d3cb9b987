#include "app/ports/text_editor.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/codepage.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

// Graphical editors of the common desktops, the desktop's own first.
constexpr std::array<const char*, 11> kKnownEditors = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma",
    "xed", "featherpad", "leafpad", "geany", "xdg-text-editor"};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, separator)) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

std::optional<std::string> OnSearchPath(const std::string& program, const std::string& searchPath) {
  if (program.find('/') != std::string::npos) {
    if (access(program.c_str(), X_OK) == 0) return program;
    return std::nullopt;
  }
  for (const std::string& folder : Split(searchPath, ':')) {
    const fs::path candidate = fs::path(folder) / program;
    std::error_code ec;
    if (fs::is_regular_file(candidate, ec) && access(candidate.c_str(), X_OK) == 0)
      return candidate.string();
  }
  return std::nullopt;
}

// The program of a desktop entry that runs in its own window, or nullopt.
std::optional<std::string> WindowedProgramOf(const fs::path& entry, const std::string& searchPath) {
  std::ifstream in(entry);
  std::string line;
  std::string exec;
  bool terminal = false;
  bool inEntry = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    if (!inEntry) continue;
    if (line.rfind("Exec=", 0) == 0) exec = line.substr(5);
    if (line.rfind("Terminal=", 0) == 0) terminal = line.substr(9) == "true";
  }
  if (terminal || exec.empty()) return std::nullopt;
  const std::vector<std::string> words = Split(exec, ' ');
  if (words.empty() || words.front() == "env") return std::nullopt;
  std::string program = words.front();
  if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
    program = program.substr(1, program.size() - 2);
  return OnSearchPath(program, searchPath);
}

std::string EnvironmentOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

}  // namespace

TextEditorSearch TextEditorSearchOfEnvironment() {
  TextEditorSearch search;
  search.searchPath = EnvironmentOr("PATH", "/usr/bin:/bin");
  const std::string home = EnvironmentOr("HOME", "");
  search.dataFolders.push_back(
      EnvironmentOr("XDG_DATA_HOME", home.empty() ? std::string() : home + "/.local/share"));
  for (const std::string& folder :
       Split(EnvironmentOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':'))
    search.dataFolders.push_back(folder);
  const std::string searchPath = search.searchPath;
  search.defaultDesktopEntry = [searchPath]() -> std::string {
    if (!OnSearchPath("xdg-mime", searchPath)) return {};
    std::FILE* pipe = popen("xdg-mime query default text/plain 2>/dev/null", "r");
    if (pipe == nullptr) return {};
    std::array<char, 512> buffer{};
    std::string answer;
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
      answer += buffer.data();
    pclose(pipe);
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == ' ')) answer.pop_back();
    return answer;
  };
  return search;
}

std::optional<std::string> FindTextEditor(const TextEditorSearch& search) {
  const std::string entry = search.defaultDesktopEntry ? search.defaultDesktopEntry() : "";
  // Entry names hold no folder; anything else is not looked up.
  if (!entry.empty() && entry.find('/') == std::string::npos) {
    for (const std::string& folder : search.dataFolders) {
      if (folder.empty()) continue;
      const fs::path file = fs::path(folder) / "applications" / entry;
      std::error_code ec;
      if (!fs::is_regular_file(file, ec)) continue;
      if (auto program = WindowedProgramOf(file, search.searchPath)) return program;
      break;  // the first entry of that name is the one the desktop uses
    }
  }
  for (const char* editor : kKnownEditors) {
    if (auto program = OnSearchPath(editor, search.searchPath)) return program;
  }
  return std::nullopt;
}

bool OpenInTextEditor(const std::string& file, Launcher& launcher, Prompts& prompts,
                      const TextEditorSearch& search) {
  const std::optional<std::string> editor = FindTextEditor(search);
  if (!editor) {
    prompts.ShowErrorAlways(Oem("Kein Texteditor mit eigenem Fenster gefunden (z. B. gedit, kate, "
                                "mousepad); die Datei liegt unter ") +
                            Utf8ToCp850(file));
    return false;
  }
  if (launcher.Start(*editor, {file})) return true;
  prompts.ShowErrorAlways(Utf8ToCp850(*editor) + " not found");
  return false;
}

}  // namespace zt6
