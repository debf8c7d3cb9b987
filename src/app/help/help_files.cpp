#include "app/help/help_files.h"

#include <filesystem>
#include <system_error>

#include "app/files/configuration.h"
#include "app/help/language_files.h"
#include "app/lookups/shipped_tables.h"
#include "base/codepage.h"
#include "base/folder_join.h"
#include "base/text_lines.h"

namespace zt6 {

namespace fs = std::filesystem;

std::string ShippedHelpFolder() {
  // Beside the programs in the build; share/zt6 seen from bin, and from libexec/zt6 where
  // the desktop program is installed.
  return FolderBesideProgram(
      {"help", fs::path("..") / "share" / "zt6", fs::path("..") / ".." / "share" / "zt6"},
      "zt6.hlp");
}

std::string FindFileIgnoringCase(const std::string& folder, std::string_view name) {
  std::error_code ec;
  const fs::path base = folder.empty() ? fs::path(".") : fs::path(folder);
  const fs::path exact = base / std::string(name);
  if (fs::is_regular_file(exact, ec)) return folder.empty() ? std::string(name) : exact.string();
  const std::string wanted = AsciiUpper(name);
  for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
    if (AsciiUpper(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
      return folder.empty() ? it->path().filename().string() : it->path().string();
    }
  }
  return {};
}

std::string HelpFolder(const Configuration& config) {
  const std::string configured = Cp850ToUtf8(config.pltFolder);
  std::error_code ec;
  if (!configured.empty() && fs::is_directory(configured, ec)) return configured;
  const std::string shipped = ShippedHelpFolder();
  return shipped.empty() ? configured : shipped;
}

std::string HelpFilePath(const Configuration& config, std::string_view name) {
  const std::string configuredFolder = Cp850ToUtf8(config.pltFolder);
  if (std::string found = FindFileIgnoringCase(configuredFolder, name); !found.empty())
    return found;
  if (const std::string shipped = ShippedHelpFolder(); !shipped.empty()) {
    if (std::string found = FindFileIgnoringCase(shipped, name); !found.empty()) return found;
  }
  return Cp850ToUtf8(JoinFolder(config.pltFolder, Utf8ToCp850(name)));
}

std::string LanguageHelpFilePath(const Configuration& config, std::string_view name) {
  const int language = TextLanguage(config.menuLanguage);
  if (language != 1) {
    std::string path = HelpFilePath(config, LanguageFileName(name, language));
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return path;
  }
  return HelpFilePath(config, name);
}

}  // namespace zt6
