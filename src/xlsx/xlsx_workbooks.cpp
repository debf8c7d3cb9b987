#include "xlsx/xlsx_workbooks.h"

#include <xlsxwriter.h>

#include <filesystem>
#include <system_error>

namespace zt6 {

namespace {

namespace fs = std::filesystem;

// Limits of a worksheet.
constexpr std::size_t kMaxRows = 1048576;
constexpr std::size_t kMaxColumns = 16384;
constexpr std::size_t kMaxCellBytes = 32767;

// The text cut to what a cell holds, at a character boundary.
std::string CellText(const std::string& utf8) {
  if (utf8.size() <= kMaxCellBytes) return utf8;
  std::size_t end = kMaxCellBytes;
  while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
  return utf8.substr(0, end);
}

}  // namespace

std::string XlsxWorkbooks::Write(const std::string& path, const WorkbookSheet& sheet) {
  if (sheet.size() > kMaxRows) return path + ": too many rows for a worksheet";
  const std::string part = path + ".part";
  lxw_workbook* workbook = workbook_new(part.c_str());
  if (workbook == nullptr) return path + ": the workbook cannot be created";
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
  lxw_error cellError = LXW_NO_ERROR;
  for (std::size_t r = 0; r < sheet.size() && cellError == LXW_NO_ERROR; ++r) {
    const auto& row = sheet[r];
    for (std::size_t c = 0; c < row.size() && c < kMaxColumns; ++c) {
      const WorkbookCell& cell = row[c];
      const auto rowIndex = static_cast<lxw_row_t>(r);
      const auto columnIndex = static_cast<lxw_col_t>(c);
      lxw_error e = LXW_NO_ERROR;
      if (cell.number) {
        e = worksheet_write_number(worksheet, rowIndex, columnIndex, *cell.number, nullptr);
      } else if (!cell.text.empty()) {
        e = worksheet_write_string(worksheet, rowIndex, columnIndex, CellText(cell.text).c_str(),
                                   nullptr);
      }
      if (e != LXW_NO_ERROR) cellError = e;
    }
  }
  const lxw_error closed = workbook_close(workbook);
  std::error_code ec;
  if (cellError != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
    fs::remove(part, ec);
    return path + ": " + lxw_strerror(cellError != LXW_NO_ERROR ? cellError : closed);
  }
  fs::rename(part, path, ec);
  if (ec) {
    fs::remove(part, ec);
    return path + ": " + ec.message();
  }
  return {};
}

}  // namespace zt6
