// zt6-xlsx-module: the workbook writer on libxlsxwriter as a module the desktop loads
// on its first workbook, so the window starts without libxlsxwriter and its libraries.

#include "xlsx/xlsx_workbooks.h"

extern "C" __attribute__((visibility("default"))) zt6::Workbooks* zt6_xlsx_workbooks() {
  static zt6::XlsxWorkbooks workbooks;
  return &workbooks;
}
