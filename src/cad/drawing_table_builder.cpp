#include "cad/drawing_table_builder.h"

namespace zt6 {

namespace {

constexpr int kRuleLayer = 17;
constexpr int kTextLayer = 18;
// Room kept free before a column's right rule, in text heights.
constexpr double kCellMargin = 0.15;

// A column is as wide as that many characters of 0.9 text heights.
double ColumnWidth(double h, int characters) { return 0.9 * h * characters; }

}  // namespace

double TableWidth(double h, const TableColumnWidths& widths) {
  double width = 0;
  for (const int characters : widths) width += ColumnWidth(h, characters);
  return width;
}

DrawingTable::DrawingTable(CadOutput& cad, double x, double y, double h,
                           const TableColumnWidths& widths)
    : cad_(cad), y_(y), h_(h), bottom_(y - 2 * h) {
  columnX_[0] = x;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    columnX_[i + 1] = columnX_[i] + ColumnWidth(h, widths[i]);
    used_[i] = widths[i] > 0;
  }
}

std::vector<double> DrawingTable::Boundaries() const {
  std::vector<double> xs{columnX_[0]};
  for (std::size_t i = 0; i < used_.size(); ++i)
    if (used_[i]) xs.push_back(columnX_[i + 1]);
  return xs;
}

// Each text ends a little before the column's right rule, on every output.
void DrawingTable::CellTexts(const TableCells& cells, double bottom, bool identifiers) {
  for (std::size_t i = 0; i < cells.size() && i < used_.size(); ++i) {
    if (cells[i].empty() || !used_[i]) continue;
    const double room = columnX_[i + 1] - columnX_[i] - kCellMargin * h_;
    if (identifiers) {
      cad_.IdentifierWithin(" " + cells[i], columnX_[i], bottom + 0.5 * h_, room, bottom,
                            bottom + 2 * h_);
    } else {
      cad_.TextWithin(" " + cells[i], columnX_[i], bottom + 0.5 * h_, room);
    }
  }
}

void DrawingTable::Header(const TableCells& cells) {
  const double bottom = y_ - 2 * h_;
  cad_.Layer(kRuleLayer);
  cad_.Rectangle(columnX_[0], y_, columnX_[kTableColumns], bottom);
  const std::vector<double> xs = Boundaries();
  // The rectangle already draws both edges.
  for (std::size_t i = 1; i + 1 < xs.size(); ++i) cad_.Line(xs[i], y_, xs[i], bottom);
  cad_.TextStyle(0, 0, h_, 0.75 * h_);
  cad_.Justification(0, 0);
  // The header text stays on the rule layer, where the header band is drawn.
  CellTexts(cells, bottom);
}

void DrawingTable::Row(const TableCells& cells) { RowOf(cells, false); }

void DrawingTable::IdentifierRow(const TableCells& cells) { RowOf(cells, true); }

void DrawingTable::RowOf(const TableCells& cells, bool identifiers) {
  const double top = bottom_;
  const double bottom = top - 2 * h_;
  cad_.Layer(kRuleLayer);
  cad_.Line(columnX_[0], bottom, columnX_[kTableColumns], bottom);
  for (double x : Boundaries()) cad_.Line(x, top, x, bottom);
  cad_.Layer(kTextLayer);
  CellTexts(cells, bottom, identifiers);
  bottom_ = bottom;
}

}  // namespace zt6
