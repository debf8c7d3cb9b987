#pragma once
// Identifying a measured part: the DIN 5481 sizes ranked by how well they explain
// the tip diameter, the tooth count, the root diameter and a dimension over (shaft)
// or between (hub) two pins of a given diameter.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/lookups/table_access.h"
#include "app/state/program.h"
#include "calc/standard_tables.h"

namespace zt6 {

struct PartMeasurement {
  std::optional<double> tip;       // tip diameter, mm
  std::optional<int> teeth;
  std::optional<double> root;      // root diameter, mm
  std::optional<double> overPins;  // over (shaft) or between (hub) two pins, mm
  std::optional<double> pin;       // the pins' diameter, mm
  bool hub = false;
};

// A measured value against its limits.
struct LimitCheck {
  double minimum = 0;
  double maximum = 0;
  // 0 inside the limits, else the signed distance to the nearer one (+ above).
  double miss = 0;
  bool Inside() const { return miss == 0; }
};

struct IdentifiedSize {
  std::string designation;  // code page 850
  double D = 0;
  int z = 0;
  // 1 when every measurement lies at the middle of its limits, towards 0 the worse
  // they fit; the tooth count weighs most.
  double score = 0;
  std::optional<LimitCheck> tip;
  std::optional<bool> teethMatch;
  std::optional<LimitCheck> root;
  // Fine and coarse tolerance class, with the pins measured.
  std::optional<std::array<LimitCheck, 2>> pins;
};

// Best first. Empty when the size table cannot be read.
std::vector<IdentifiedSize> IdentifySize(const PartMeasurement& measured, Program& program,
                                         TableAccess& access, StandardTables& tables);

}  // namespace zt6
