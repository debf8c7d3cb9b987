#pragma once
// The values every number input of the design may take: one table for the dialogs'
// number check, the command line's assignments and the checks of project files read
// by batch runs. Bounds are metric (mm, N/mm², N·m); a dialog showing English units
// converts them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/number_range.h"
#include "base/units.h"
#include "calc/design_record.h"

namespace zt6 {

struct InputRange {
  std::string_view field;                  // the record field's name (calc/record_fields.h)
  std::optional<QuantityKind> quantity;    // the unit of the bounds; none for plain numbers
  NumberRule rule;
};

std::span<const InputRange> InputRanges();
// Null for a field without a range (texts, selectors, results).
const InputRange* FindInputRange(std::string_view field);
// The field's rule with its bounds in the unit system shown.
NumberRule RuleInUnits(const InputRange& input, UnitSystem units);
// The rule of a field that has one in the table (the dialogs name only such fields).
NumberRule InputRule(std::string_view field, UnitSystem units = UnitSystem::Metric);

// Whether value is one the field takes (a whole number where the rule says so).
bool InputHolds(const InputRange& input, double value);

struct OutOfRange {
  const InputRange* input;
  double value;
};
// A value as a message quotes it: up to 15 significant digits ("20001", "1e+308").
std::string InputValueText(double value);

// The one of power, speed and torque the load dialog computes from the other two
// ("power", "n", "TN"): its value follows from theirs, so no range check takes it.
std::string_view ComputedInput(const DesignRecord& design);

// The first input of the design, in the table's order, whose value the table refuses;
// the computed one of the load is left out.
std::optional<OutOfRange> FirstInputOutOfRange(const DesignRecord& design);

}  // namespace zt6
