#pragma once
// Varying inputs: one calculation per value of one input, or per pair of values of
// two (a grid, the first input outermost), each from the same design.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/design_record.h"
#include "calc/record_fields.h"
#include "calc/run_messages.h"
#include "calc/standard_tables.h"

namespace zt6 {

inline constexpr std::size_t kMostSweepPoints = 1'000'000;

struct SweepAxis {
  const RecordField* field = nullptr;
  double from = 0;
  double to = 0;
  double step = 0;
  std::size_t count = 0;  // values from `from` to `to`, both included when on the grid

  double Value(std::size_t k) const;
};

// "NAME=FROM:TO:STEP": the axis, or the problem in English ("unknown name \"x\"",
// "FROM 5 lies above TO 3", ...).
std::variant<SweepAxis, std::string> ParseSweepAxis(std::string_view text);

// Result (or input) names separated by commas ("shaft.Seq,peq"), each a number of
// the design; none gives the four safeties. The fields, or the problem in English.
std::variant<std::vector<const RecordField*>, std::string> ParseChartResults(
    std::string_view names);

// The number of calculations of the grid; "" or the problem when it exceeds
// kMostSweepPoints.
std::string SweepSizeProblem(std::span<const SweepAxis> axes);

// The values of each point, in the axes' order.
using SweepVisit = std::function<void(std::span<const double> values, const DesignRecord& design,
                                      const RunMessages& messages)>;

// Calculates every point of the grid in order and hands it to `visit`.
void RunSweep(const DesignRecord& design, std::span<const SweepAxis> axes,
              StandardTables& tables, const SweepVisit& visit);

// The unit a field's values are given in ("mm", "N·m", "N/mm²", "°"), "" for numbers
// without a unit (factors, safeties, counts).
std::string_view FieldUnit(std::string_view name);

}  // namespace zt6
