#pragma once
// Rounding of drawing arithmetic to pixels: half to even, as the replay has always
// rounded, and clamped so that a far zoom or a bad value cannot overflow an int.

#include <algorithm>
#include <cmath>

namespace zt6 {

// Far beyond any device, yet sums of a few such values still fit in an int.
inline constexpr double kPixelLimit = 1e9;

inline int RoundPixel(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

}  // namespace zt6
