#pragma once
// Choosing a size for a load: for every row of the DIN 5481 table the shortest hub
// length in whole millimetres at which shaft and hub reach the required safety
// against the equivalent and the maximum flank pressure.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/lookups/table_access.h"
#include "app/state/program.h"
#include "calc/design_record.h"
#include "calc/standard_tables.h"

namespace zt6 {

struct SizeLoad {
  double TN = 0;               // nominal torque, N·m
  double Tmax = 0;             // peak torque, N·m
  double safety = 1.0;         // required by all four safeties
  double maxLengthFactor = 2;  // the longest hub considered is this times D
  std::optional<ToleranceClass> toleranceClass;  // else the design's
};

// shaft.Seq, shaft.Smax, hub.Seq, hub.Smax in this order.
inline constexpr std::array<const char*, 4> kSafetyNames = {"shaft.Seq", "shaft.Smax", "hub.Seq",
                                                            "hub.Smax"};
using Safeties = std::array<double, 4>;
Safeties SafetiesOf(const DesignRecord& design);

struct SizeCandidate {
  std::string designation;  // code page 850, as the table holds it
  DesignRecord design;      // the size at its shortest length, calculated
  Safeties safeties{};
};

struct SizeRejection {
  std::string designation;  // code page 850
  // The weakest safety at the longest length considered, or the fatal message
  // (code page 850) when the size cannot be calculated at all.
  int weakest = 0;          // index into kSafetyNames
  double bestValue = 0;
  double longestLength = 0;
  std::string fatalMessage;
};

struct SizeSearchResult {
  std::vector<SizeCandidate> candidates;  // smallest D first
  std::vector<SizeRejection> rejected;    // in table order
  bool tableRead = false;                 // false: no size table to search
};

// The design gives materials, factors and tolerance class; the load and the lengths
// come from `load`. Every run goes through `tables` (remembered per row).
SizeSearchResult SearchSizes(const DesignRecord& design, const SizeLoad& load, Program& program,
                             TableAccess& access, StandardTables& tables);

}  // namespace zt6
