#pragma once
// Reading numbers typed by the user or read from files. The first "," counts as the
// decimal point; leading blanks and trailing blanks or line ends are ignored. Reading
// never depends on the C locale and never throws.

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/units.h"

namespace zt6 {

// Empty when the text is not a finite number.
std::optional<double> TryParseReal(std::string_view text);
// Empty when the text is not a whole number within 32 bits.
std::optional<std::int32_t> TryParseWhole(std::string_view text);

// Text that is not a number gives 0.
double ParseReal(std::string_view text);
std::int32_t ParseWhole(std::string_view text);

// A length, torque or stress typed in the current unit system, as internal metric value.
double ParseQuantity(std::string_view text, QuantityKind kind, UnitSystem units);
// A strength typed in the current stress unit, as whole N/mm² (rounded, saturated).
std::int32_t ParseStrength(std::string_view text, UnitSystem units);

}  // namespace zt6
