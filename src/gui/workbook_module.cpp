#include "gui/workbook_module.h"

#include <QLibrary>

#include "app/startup/desktop_handover.h"

namespace zt6::gui {

std::string ModuleWorkbooks::Write(const std::string& path, const WorkbookSheet& sheet) {
  if (loaded_ == nullptr) {
    if (module_.empty()) module_ = DesktopProgramPath(kWorkbookModule, ".");
    if (module_.empty()) return path + ": " + kWorkbookModule + " is missing";
    // Never unloaded: the module's writer lives as long as the program.
    QLibrary library(QString::fromStdString(module_));
    using Entry = Workbooks* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(kWorkbookModuleEntry));
    if (entry == nullptr) return path + ": " + library.errorString().toStdString();
    loaded_ = entry();
  }
  return loaded_->Write(path, sheet);
}

}  // namespace zt6::gui
