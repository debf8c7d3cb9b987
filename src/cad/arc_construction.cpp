#include "cad/arc_construction.h"

#include <cmath>
#include <numbers>

#include "cad/drawing_window.h"

namespace zt6 {

namespace {

// Direction in degrees within [0, 360), as CAD files prefer their arc angles.
double DirectionDegrees(double fromX, double fromY, double toX, double toY) {
  const double degrees = std::atan2(toY - fromY, toX - fromX) * 180.0 / std::numbers::pi;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

}  // namespace

ArcThroughPoints ArcThrough(double x1, double y1, double x2, double y2, double phi) {
  ArcThroughPoints arc;
  const double halfSine = std::sin(phi / 2);
  if (halfSine == 0) {
    arc.message = "Fehler in GetArcCenter (dphi = " + StreamReal(phi) + " ! ";
    return arc;
  }
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double q = std::hypot(dx, dy);
  const double mx = (x1 + x2) / 2;
  const double my = (y1 + y2) / 2;
  const double t = std::sin(phi) == 0 ? 0.0 : (q / 2) / std::tan(phi / 2);
  arc.r = std::fabs((q / 2) / halfSine);
  if (q == 0) {
    arc.message = "GetArcCenter l12=0";
    arc.cx = mx;
    arc.cy = my;
  } else {
    arc.cx = mx + t * (-dy) / q;
    arc.cy = my + t * dx / q;
  }
  const double toFirst = DirectionDegrees(arc.cx, arc.cy, x1, y1);
  const double toSecond = DirectionDegrees(arc.cx, arc.cy, x2, y2);
  arc.startAngle = phi >= 0 ? toFirst : toSecond;
  arc.endAngle = phi >= 0 ? toSecond : toFirst;
  arc.ok = true;
  return arc;
}

bool IsFullTurn(double a1, double a2) {
  constexpr double kTolerance = 0.00001;
  const auto near = [](double a, double b) { return std::fabs(a - b) <= kTolerance; };
  return a1 == a2 || (near(a1, 0) && near(a2, 360)) || (near(a1, 360) && near(a2, 0));
}

}  // namespace zt6
