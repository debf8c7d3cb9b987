#include "app/startup/desktop_handover.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/lookups/shipped_tables.h"

namespace zt6 {

namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DisplayAvailable() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

bool OpensWindow(const CommandLine& commandLine) {
  switch (commandLine.action) {
    case StartAction::Help:
    case StartAction::BatchReport:
    case StartAction::BatchCad:
      return false;
    case StartAction::Interactive:
    case StartAction::Demo:
    case StartAction::InteractiveNoRead:
    case StartAction::InteractiveWithFile:
      break;
  }
  return DisplayAvailable();
}

std::string DesktopProgramPath(const std::string& name, const std::string& installedFolder) {
  const std::string folder = FolderBesideProgram({".", installedFolder}, name.c_str());
  return folder.empty() ? std::string() : (std::filesystem::path(folder) / name).string();
}

int HandOverToDesktop(const std::string& path, char** argv, std::ostream& err) {
  return HandOver(path, argv, err, "wzt6");
}

int HandOver(const std::string& path, char** argv, std::ostream& err, const std::string& who) {
  std::vector<char*> arguments{const_cast<char*>(path.c_str())};
  for (char** arg = argv + 1; *arg != nullptr; ++arg) arguments.push_back(*arg);
  arguments.push_back(nullptr);
  execv(path.c_str(), arguments.data());
  err << who << ": cannot start " << path << ": " << std::strerror(errno) << '\n';
  return 1;
}

}  // namespace zt6
