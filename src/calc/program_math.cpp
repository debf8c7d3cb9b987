#include "calc/program_math.h"

#include <cfenv>
#include <cmath>
#include <string>

namespace zt6 {

double Power(double base, double exponent, std::string_view name, RunMessages& messages) {
  if (base < 0) {
    messages.Add(std::string(name) + " (pow)");
    base = -base;
  }
  if (base == 0) return exponent > 0 ? 0.0 : (exponent == 0 ? 1.0 : 0.0);
  return FiniteOrZero(std::pow(base, exponent));
}

double Tangent(double x, RunMessages& messages) {
  const double c = std::cos(x);
  if (c == 0) {
    messages.Add("Error: function tan in Unit math");
    return 1e30;
  }
  return std::sin(x) / c;
}

double ArcCos(double x, RunMessages& messages) {
  if (!(x >= -1.0 && x <= 1.0)) {
    messages.Add("Error: function ArcCos in math");
    return 0;
  }
  return std::acos(x);
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return 0;
  // nearbyint honours the rounding mode; the default mode rounds halves to even.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(x);
  std::fesetround(saved);
  return r;
}

double FiniteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

}  // namespace zt6
