#pragma once
// The desktop's workbooks: written by the module zt6-xlsx-module beside the program,
// loaded on the first workbook, so the window starts without libxlsxwriter.

#include <string>

#include "app/ports/workbook.h"

namespace zt6::gui {

// The module's file name; its entry point hands out the module's Workbooks.
inline constexpr const char* kWorkbookModule = "zt6-xlsx-module.so";
inline constexpr const char* kWorkbookModuleEntry = "zt6_xlsx_workbooks";

class ModuleWorkbooks : public Workbooks {
 public:
  // module: the module's path; "" looks for it beside the desktop program.
  explicit ModuleWorkbooks(std::string module = {}) : module_(std::move(module)) {}
  std::string Write(const std::string& path, const WorkbookSheet& sheet) override;

 private:
  std::string module_;
  Workbooks* loaded_ = nullptr;
};

}  // namespace zt6::gui
