#include "app/assistant/remembered_tables.h"

#include "app/lookups/size_lookup.h"

namespace zt6 {

double RememberedTables::Runout(double D, RunMessages& messages) {
  if (const auto it = runouts_.find(D); it != runouts_.end()) return it->second;
  const bool fatalBefore = messages.FatalFlag();
  const double fr = tables_.Runout(D, messages);
  if (messages.FatalFlag() == fatalBefore) runouts_[D] = fr;
  return fr;
}

bool RememberedTables::ReadToleranceRow(ToleranceTable table, DesignRecord& design,
                                        RunMessages& messages) {
  const bool totals = table == ToleranceTable::TotalTolerances;
  const RowKey key{static_cast<int>(table), design.tableRow, totals ? 0 : FbetaField(design.l)};
  const std::size_t part = table == ToleranceTable::Hub ? 1 : 0;
  if (const auto it = rows_.find(key); it != rows_.end()) {
    const RowValues& v = it->second;
    if (totals) {
      design.TGi = v.a;
      design.TGe = v.b;
      design.DRi = v.c;
      design.DRe = v.d;
    } else {
      design.Falpha[part] = v.a;
      design.Fp[part] = v.b;
      design.Fbeta[part] = v.c;
    }
    return true;
  }
  if (!tables_.ReadToleranceRow(table, design, messages)) return false;
  rows_[key] = totals ? RowValues{design.TGi, design.TGe, design.DRi, design.DRe}
                      : RowValues{design.Falpha[part], design.Fp[part], design.Fbeta[part], 0};
  return true;
}

bool RememberedTables::SizeByDiameter(double d, DesignRecord& design) {
  return tables_.SizeByDiameter(d, design);
}

}  // namespace zt6
