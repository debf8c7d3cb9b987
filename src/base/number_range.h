#pragma once
// The values a number may take: a range with open or closed bounds, and whether it must
// be whole. Shared by the dialogs' number check, the command line and the file readers.

#include <limits>
#include <string>
#include <string_view>

namespace zt6 {

struct NumberRange {
  double low = -std::numeric_limits<double>::infinity();
  bool lowIncluded = true;
  double high = std::numeric_limits<double>::infinity();
  bool highIncluded = true;

  static constexpr NumberRange Any() { return {}; }
  static constexpr NumberRange Positive() { return {0, false}; }  // > 0
  static constexpr NumberRange NotNegative() { return {0, true}; }  // >= 0
  static constexpr NumberRange AtLeast(double low) { return {low, true}; }
  static constexpr NumberRange Between(double low, double high) {
    return {low, true, high, true};
  }
  static constexpr NumberRange Inside(double low, double high) {  // both bounds excluded
    return {low, false, high, false};
  }
  static constexpr NumberRange AboveUpTo(double low, double high) {  // > low, <= high
    return {low, false, high, true};
  }

  // False for NaN.
  bool Holds(double value) const;
  // "> 0", ">= 3", "1 .. 16", "> 0 und <= 1000" (conjunction as given); empty for Any().
  std::string Text(std::string_view conjunction = "und") const;
  // The range with both bounds multiplied by factor > 0 (a unit conversion).
  NumberRange Scaled(double factor) const;
};

enum class NumberKind { Real, Whole };

struct NumberRule {
  NumberKind kind = NumberKind::Real;
  NumberRange range;
};

}  // namespace zt6
