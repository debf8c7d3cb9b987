#include "base/number_range.h"

#include <cmath>
#include <cstdio>

namespace zt6 {

namespace {

// Enough digits for a bound typed by hand, few enough for one converted to inches.
std::string Bound(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

}  // namespace

bool NumberRange::Holds(double value) const {
  const bool aboveLow = lowIncluded ? value >= low : value > low;
  const bool belowHigh = highIncluded ? value <= high : value < high;
  return aboveLow && belowHigh;
}

std::string NumberRange::Text(std::string_view conjunction) const {
  const bool hasLow = std::isfinite(low);
  const bool hasHigh = std::isfinite(high);
  const std::string lowText = (lowIncluded ? ">= " : "> ") + Bound(low);
  const std::string highText = (highIncluded ? "<= " : "< ") + Bound(high);
  if (hasLow && hasHigh) {
    if (lowIncluded && highIncluded) return Bound(low) + " .. " + Bound(high);
    return lowText + " " + std::string(conjunction) + " " + highText;
  }
  if (hasLow) return lowText;
  if (hasHigh) return highText;
  return {};
}

NumberRange NumberRange::Scaled(double factor) const {
  NumberRange scaled = *this;
  scaled.low *= factor;
  scaled.high *= factor;
  return scaled;
}

}  // namespace zt6
