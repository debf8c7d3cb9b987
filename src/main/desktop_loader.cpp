#include "main/desktop_loader.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

#include "app/lookups/shipped_tables.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

using RunDesktopFn = int (*)(Program*, int, char**);

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DisplayAvailable() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

int RunDesktopModule(Program& program, int argc, char** argv, std::ostream& err) {
  const std::string folder =
      FolderBesideProgram({".", fs::path(ZT6_DESKTOP_MODULE_DIR)}, ZT6_DESKTOP_MODULE);
  if (folder.empty()) {
    err << "wzt6: the desktop window (" ZT6_DESKTOP_MODULE ") is not installed beside the "
           "program; the batch switches (\"wzt6 /?\") work without it.\n";
    return 1;
  }
  const std::string path = (fs::path(folder) / ZT6_DESKTOP_MODULE).string();
  // The module takes the core from this program: every symbol is bound now, so a
  // mismatch shows here and not in the middle of a session.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    err << "wzt6: cannot open the desktop window: " << dlerror() << '\n';
    return 1;
  }
  const auto run = reinterpret_cast<RunDesktopFn>(dlsym(module, "zt6_run_desktop"));
  if (run == nullptr) {
    err << "wzt6: " << path << " is not the desktop window of this program\n";
    return 1;
  }
  // The module stays loaded until the process ends: Qt's objects live until exit.
  return run(&program, argc, argv);
}

}  // namespace zt6
