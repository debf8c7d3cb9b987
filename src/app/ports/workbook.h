#pragma once
// The Workbooks port: the spreadsheet commands write their cells into a workbook
// file, which the desktop's default program then opens. A cell holds a text or a
// number.

#include <optional>
#include <string>
#include <vector>

namespace zt6 {

struct WorkbookCell {
  std::string text;              // UTF-8; the cell's text when it holds no number
  std::optional<double> number;  // the cell's value when it holds a number
};
// Rows of cells, row 1 first.
using WorkbookSheet = std::vector<std::vector<WorkbookCell>>;

class Workbooks {
 public:
  virtual ~Workbooks() = default;
  // Writes the sheet as a workbook file at path (replacing it only when the whole
  // workbook was written); "" when done, else what went wrong.
  virtual std::string Write(const std::string& path, const WorkbookSheet& sheet) = 0;
};

}  // namespace zt6
