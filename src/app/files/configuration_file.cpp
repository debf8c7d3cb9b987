#include "app/files/configuration_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/safe_file.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryFolderLength = 60;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool FolderExists(std::string_view setting) {
  const fs::path folder = FolderSettingPath(setting);
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec);
}

// Permission bits can lie (other owners, read-only mounts): only creating and
// removing a real file tells.
bool FolderWritable(std::string_view setting) {
  if (!FolderExists(setting)) return false;
  // One generator per thread: sessions may run side by side in threads.
  thread_local std::mt19937_64 generator{std::random_device{}()};
  const fs::path folder = FolderSettingPath(setting);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const fs::path probe = folder / (".zt6probe" + std::to_string(generator() % 1000000000));
    std::FILE* f = std::fopen(probe.string().c_str(), "wbx");
    if (!f) {
      if (errno == EEXIST) continue;
      return false;
    }
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    return fs::remove(probe, ec) && closed;
  }
  return false;
}

std::string SystemTemporaryFolder(const std::string& startFolder) {
  std::error_code ec;
  const fs::path system = fs::temp_directory_path(ec);
  return ec || system.empty() ? startFolder : Utf8ToCp850(system.string());
}

bool WriteProtected(const fs::path& file) {
  const auto lacksWrite = [](const fs::file_status& status) {
    return fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
  };
  std::error_code ec;
  if (lacksWrite(fs::status(file, ec))) return true;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  return lacksWrite(fs::status(folder, ec));
}

void CheckTemporaryFolder(Configuration& config, Prompts& prompts, const std::string& startFolder) {
  if (FolderWritable(config.temporaryFolder)) return;
  ShellState& shell = prompts.shell();
  const bool cancelBefore = shell.cancel;
  for (;;) {
    prompts.ShowError(Oem("ungültiger Ordner für temporäre Dateien konfiguriert"));
    if (!shell.messageBoxesEnabled) break;
    shell.cancel = false;
    shell.helpNumber = 1610;
    std::string answer = prompts.AskText(Oem("Ordner für temporäre Dateien"),
                                         kTemporaryFolderLength, config.temporaryFolder);
    if (shell.cancel || answer == config.temporaryFolder) break;
    config.temporaryFolder = std::move(answer);
    if (FolderWritable(config.temporaryFolder)) {
      shell.cancel = cancelBefore;
      return;
    }
  }
  // Later steps need somewhere to put their files.
  config.temporaryFolder = SystemTemporaryFolder(startFolder);
  shell.cancel = cancelBefore;
}

}  // namespace

fs::path FolderSettingPath(std::string_view setting) {
  return fs::path(Cp850ToUtf8(TrimBlanks(setting)));
}

fs::path ConfigurationPlace::ConfigurationFile() const { return directory / (baseName + ".cfg"); }

fs::path ConfigurationPlace::SessionFile() const { return directory / (baseName + ".cff"); }

fs::path UserConfigurationFolder() {
  const fs::path xdg = Environment("XDG_CONFIG_HOME");
  // Relative values are to be ignored, as for every XDG variable.
  if (xdg.is_absolute()) return xdg / kProgramLowerName;
  const std::string home = Environment("HOME");
  if (!home.empty()) return fs::path(home) / ".config" / kProgramLowerName;
  return {};
}

bool LooksLikeConfiguration(std::string_view bytes) {
  const std::string_view head = "zt6 konfiguration";
  if (bytes.size() < head.size()) return false;
  for (std::size_t i = 0; i < head.size(); ++i) {
    const char c = bytes[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != head[i]) return false;
  }
  return bytes.find('\0') == std::string_view::npos;
}

fs::path LoadConfiguration(Configuration& config, ConfigurationPlace& place, ScreenSize screen,
                           std::string_view startDirectory, ShellState& shell, fs::path* refused) {
  if (config.defaultDataFolder.empty())
    config.defaultDataFolder = StartFolderSetting(startDirectory);
  const auto read = [&](const fs::path& file) {
    const FileContent content = ReadWholeFile(file, kMaxConfigurationBytes);
    if (!content.ok) return false;
    if (!LooksLikeConfiguration(content.bytes)) {
      if (refused != nullptr && refused->empty()) *refused = file;
      return false;
    }
    ReadConfigurationText(content.bytes, config, screen, startDirectory);
    return true;
  };

  const fs::path first = place.ConfigurationFile();
  if (read(first)) return first;
  if (const fs::path user = UserConfigurationFolder(); !user.empty()) {
    ConfigurationPlace userPlace = place;
    userPlace.directory = user;
    const fs::path second = userPlace.ConfigurationFile();
    if (second.lexically_normal() != first.lexically_normal() && read(second)) {
      place.directory = user;
      return second;
    }
  }

  config.drawingAreaX = screen.width - 9;
  config.drawingAreaY = screen.height - 91;
  config.textWindow.height = screen.height - 80;
  // Nothing read: the settings are saved into the user's folder, not into whichever
  // folder the program was started from.
  if (const fs::path user = UserConfigurationFolder(); !user.empty()) place.directory = user;
  shell.cancel = true;
  return {};
}

bool SaveConfiguration(const Configuration& config, const fs::path& file, Prompts& prompts) {
  const std::string text = ConfigurationText(config);
  if (const fs::path user = UserConfigurationFolder();
      !user.empty() && file.parent_path().lexically_normal() == user.lexically_normal()) {
    std::error_code ec;
    fs::create_directories(user, ec);  // a failure shows up as the write's error
  }
  for (;;) {
    const SafeWriteResult result = WriteFileSafely(file, text);
    if (result.ok) return true;
    prompts.ShowError(WriteProtected(file) ? Oem("Schreibschutz entfernen !")
                                           : "I/O-Error " + Utf8ToCp850(result.error));
    if (!prompts.shell().messageBoxesEnabled ||
        !prompts.AskYesNoCancel(Oem("Nochmals versuchen ?"))) {
      prompts.shell().cancel = true;
      return false;
    }
  }
}

void CheckDirectories(Configuration& config, Prompts& prompts, const std::string& startDirectory) {
  const std::string startFolder = Utf8ToCp850(startDirectory);
  if (TrimBlanks(config.temporaryFolder).empty()) {
    const std::string temp = Environment("TEMP");
    config.temporaryFolder = temp.empty() ? SystemTemporaryFolder(startFolder) : Utf8ToCp850(temp);
  }
  for (std::string* folder :
       {&config.dbfFolder, &config.pltFolder, &config.ediFolder, &config.defaultDataFolder}) {
    if (TrimBlanks(*folder).empty()) *folder = startFolder;
  }

  // An empty CAD folder means the working directory, as for the file dialogs; only a
  // folder that was set is checked, so a fresh installation starts without a complaint.
  if (!TrimBlanks(config.cadFolder).empty() && !FolderWritable(config.cadFolder))
    prompts.ShowError(Oem("ungültiger CAD Ordner konfiguriert"));
  if (!FolderExists(config.dbfFolder)) prompts.ShowError(Oem("ungültiger DBF Ordner konfiguriert"));
  if (!FolderExists(config.pltFolder)) prompts.ShowError(Oem("ungültiger PLT Ordner konfiguriert"));
  CheckTemporaryFolder(config, prompts, startFolder);
  if (!FolderWritable(config.ediFolder))
    prompts.ShowError(Oem("ungültiger EDI Ordner konfiguriert"));
  if (!FolderWritable(config.defaultDataFolder))
    prompts.ShowError(Oem("ungültiger Data Ordner konfiguriert"));
}

}  // namespace zt6
