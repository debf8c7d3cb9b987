#include "cad/insert_placement.h"

#include <cmath>
#include <numbers>

namespace zt6 {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

InsertPlacement InsertPlacement::Of(double x, double y, double angle, double sx, double sy) {
  const double c = std::cos(angle * kDegree);
  const double s = std::sin(angle * kDegree);
  InsertPlacement p;
  p.a_ = c * sx;
  p.b_ = -s * sy;
  p.c_ = s * sx;
  p.d_ = c * sy;
  p.e_ = x;
  p.f_ = y;
  return p;
}

InsertPlacement InsertPlacement::After(const InsertPlacement& inner) const {
  InsertPlacement p;
  p.a_ = a_ * inner.a_ + b_ * inner.c_;
  p.b_ = a_ * inner.b_ + b_ * inner.d_;
  p.c_ = c_ * inner.a_ + d_ * inner.c_;
  p.d_ = c_ * inner.b_ + d_ * inner.d_;
  p.e_ = a_ * inner.e_ + b_ * inner.f_ + e_;
  p.f_ = c_ * inner.e_ + d_ * inner.f_ + f_;
  return p;
}

PlacedPoint InsertPlacement::Point(double x, double y) const {
  return {a_ * x + b_ * y + e_, c_ * x + d_ * y + f_};
}

double InsertPlacement::Direction(double degrees) const {
  const double ux = std::cos(degrees * kDegree);
  const double uy = std::sin(degrees * kDegree);
  return std::atan2(c_ * ux + d_ * uy, a_ * ux + b_ * uy) / kDegree;
}

double InsertPlacement::Stretch(double degrees) const {
  const double ux = std::cos(degrees * kDegree);
  const double uy = std::sin(degrees * kDegree);
  return std::hypot(a_ * ux + b_ * uy, c_ * ux + d_ * uy);
}

double InsertPlacement::RadiusFactor() const { return std::sqrt(std::abs(a_ * d_ - b_ * c_)); }

}  // namespace zt6
