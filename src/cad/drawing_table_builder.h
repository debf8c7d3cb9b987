#pragma once
// The grid every drawing table is made of: a header band and rows of cells, ruled on
// layer 17 with the cell texts on layer 18. Columns are sized in characters of the
// table's text height, so one layout serves every table.

#include <array>
#include <string>
#include <vector>

#include "cad/cad_output.h"

namespace zt6 {

inline constexpr int kTableColumns = 7;
// Column widths in characters; 0 for a column the table does not use.
using TableColumnWidths = std::array<int, kTableColumns>;
// Cell texts (CP850) from the first column on; empty cells are left blank.
using TableCells = std::vector<std::string>;

// The width of a table of text height h with those columns.
double TableWidth(double h, const TableColumnWidths& widths);

class DrawingTable {
 public:
  // x, y: top-left corner; h: text height. Draws nothing yet.
  DrawingTable(CadOutput& cad, double x, double y, double h, const TableColumnWidths& widths);

  // Left edge of column i (0-based); i = 7 is the right edge of the table.
  double ColumnX(int i) const { return columnX_.at(static_cast<std::size_t>(i)); }
  double RowHeight() const { return 2 * h_; }

  // The framed header band at the top; its cells sit like row cells. Sets the text
  // style and plain justification the rows rely on, so it comes first.
  void Header(const TableCells& cells);
  // The next row below the header or the previous row; a row without text is a
  // blank row, ruled like the others.
  void Row(const TableCells& cells);
  // A row of identifiers (materials): its texts are never cut while they can narrow,
  // lower or break in two within the row (CadOutput::IdentifierWithin).
  void IdentifierRow(const TableCells& cells);

 private:
  // Column boundaries that are really there: the left edge and the right edge of every
  // column with a width.
  std::vector<double> Boundaries() const;
  void CellTexts(const TableCells& cells, double bottom, bool identifiers = false);
  void RowOf(const TableCells& cells, bool identifiers);

  CadOutput& cad_;
  double y_;
  double h_;
  std::array<double, kTableColumns + 1> columnX_{};
  double bottom_;  // bottom line of the last row, the header band's before the first
  std::array<bool, kTableColumns> used_{};
};

}  // namespace zt6
