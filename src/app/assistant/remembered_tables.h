#pragma once
// The standard tables for many calculations of the same sizes: every row read once
// is remembered, so a search or a sweep over thousands of runs opens each table file
// only for the first run of a row. A tolerance row that could not be read and a
// runout with a fatal message are not remembered: they go to the tables again and
// report as they always do.

#include <map>
#include <tuple>

#include "calc/standard_tables.h"

namespace zt6 {

class RememberedTables final : public StandardTables {
 public:
  explicit RememberedTables(StandardTables& tables) : tables_(tables) {}
  double Runout(double D, RunMessages& messages) override;
  bool ReadToleranceRow(ToleranceTable table, DesignRecord& design,
                        RunMessages& messages) override;
  bool SizeByDiameter(double d, DesignRecord& design) override;

 private:
  // What one tolerance row puts into the design.
  struct RowValues {
    double a = 0, b = 0, c = 0, d = 0;
  };
  // Table, table row, and the F beta column that the width selects.
  using RowKey = std::tuple<int, int, int>;

  StandardTables& tables_;
  std::map<double, double> runouts_;
  std::map<RowKey, RowValues> rows_;
};

}  // namespace zt6
