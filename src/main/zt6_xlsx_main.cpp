// zt6-xlsx: "zt6 report --format xlsx", started by zt6 in its place; the workbook is
// written with libxlsxwriter, which the static zt6 does not carry.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli/zt6_process.h"
#include "xlsx/xlsx_workbooks.h"

int main(int argc, char** argv) {
  zt6::XlsxWorkbooks workbooks;
  zt6::Zt6Outputs outputs;
  outputs.workbooks = &workbooks;
  const std::vector<std::string> args(argv + 1, argv + argc);
  return zt6::RunZt6Process(args, outputs);
}
