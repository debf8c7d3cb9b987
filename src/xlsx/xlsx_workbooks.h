#pragma once
// The Workbooks port on libxlsxwriter: one worksheet of texts and numbers in an
// .xlsx file, written beside the target and renamed into place.

#include "app/ports/workbook.h"

namespace zt6 {

class XlsxWorkbooks : public Workbooks {
 public:
  std::string Write(const std::string& path, const WorkbookSheet& sheet) override;
};

}  // namespace zt6
