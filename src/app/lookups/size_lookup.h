#pragma once
// The DIN 5481 size table and its four parallel tolerance tables, and the runout
// table: which row is taken and how its field texts become numbers of the design.
// Every lookup opens its table, reads and closes it again.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/lookups/table_access.h"
#include "app/ports/ui.h"
#include "calc/design_record.h"
#include "calc/standard_tables.h"

namespace zt6 {

// The tables of database mode as the calculation run and the design variant use them.
class DatabaseTables final : public StandardTables {
 public:
  explicit DatabaseTables(TableAccess& access) : access_(access) {}
  double Runout(double D, RunMessages& messages) override;
  bool ReadToleranceRow(ToleranceTable table, DesignRecord& design,
                        RunMessages& messages) override;
  bool SizeByDiameter(double d, DesignRecord& design) override;

 private:
  TableAccess& access_;
};

// The size table in the pick window, opened on the design's table row; in choose
// mode the chosen row becomes the design's size. True when a row was taken.
bool PickSize(TableAccess& access, PickMode mode, DesignRecord& design);
// The designations of the size table in the pick window's order ("7x8", "A - 12x14");
// empty when the table cannot be read.
std::vector<std::string> SizeDesignations(TableAccess& access);
// One row of the size table as a design takes it, with its source ("DIN5481-05").
struct SizeRow {
  std::string designation;  // code page 850, as SizeDesignations
  std::int32_t z = 0;
  double D = 0, Dee = 0, Dii = 0, gammaE = 0, riMax = 0, reMax = 0;
  std::string source;
};
// Every row in the pick window's order; empty when the table cannot be read.
std::vector<SizeRow> SizeRows(TableAccess& access);
// The row of that designation taken as the pick window takes a chosen row. A name
// matches the designation field or the whole designation with its prefix, ignoring
// blanks at either end and the case of letters ("21X24"). False when no row matches
// or the table cannot be read.
bool TakeSizeByDesignation(TableAccess& access, std::string_view designation,
                           DesignRecord& design);
// Reads the size row at the design's table row again. True when it was read.
bool RereadSize(TableAccess& access, DesignRecord& design);
// Tolerance table k in the pick window; in choose mode the chosen row is read.
void ViewToleranceTable(TableAccess& access, ToleranceTable table, PickMode mode,
                        DesignRecord& design);
void ViewRunoutTable(TableAccess& access);

// The table names and the titles their windows show.
const char* ToleranceTableName(ToleranceTable table);
const char* ToleranceTableTitle(ToleranceTable table);

// The column of the F beta guide value for an engaged width l (4, 5 or 6), or 0
// when l is beyond the table.
int FbetaField(double l);

}  // namespace zt6
