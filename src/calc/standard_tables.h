#pragma once
// The lookups the calculation run and the design variant make in the standard
// tables (DIN 5481 sizes, tolerance and deviation tables). The tables themselves
// live behind this interface, so self-defined designs need none of them.

#include "calc/design_record.h"
#include "calc/run_messages.h"

namespace zt6 {

// Tolerance tables, numbered as the lookups number them.
enum class ToleranceTable { ShaftFine = 1, ShaftCoarse = 2, Hub = 3, TotalTolerances = 4 };

class StandardTables {
 public:
  virtual ~StandardTables() = default;
  // Runout Fr in mm for the reference diameter D; 0 when the runout table cannot be
  // read. A row that is missing or holds no number is a fatal message naming it.
  virtual double Runout(double D, RunMessages& messages) = 0;
  // Reads one tolerance table at the record's table row into the record. False when
  // nothing was read (no row chosen, table missing); a row that is missing or holds
  // no number is a fatal message naming the table and the row.
  virtual bool ReadToleranceRow(ToleranceTable table, DesignRecord& design,
                                RunMessages& messages) = 0;
  // Opens the size choice on the first size whose Dii is not below d and takes the
  // chosen row into the record. False when cancelled or when there is no size table.
  virtual bool SizeByDiameter(double d, DesignRecord& design) = 0;
};

// Stands in when no tables are available: nothing is ever read.
class NoStandardTables final : public StandardTables {
 public:
  double Runout(double, RunMessages&) override { return 0; }
  bool ReadToleranceRow(ToleranceTable, DesignRecord&, RunMessages&) override { return false; }
  bool SizeByDiameter(double, DesignRecord&) override { return false; }
};

}  // namespace zt6
