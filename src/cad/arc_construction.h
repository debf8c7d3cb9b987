#pragma once
// The arc through two points with a given included angle: polyline segments with a
// bulge become arcs this way wherever a format cannot hold the bulge itself.

#include <string>

namespace zt6 {

struct ArcThroughPoints {
  bool ok = false;       // false: nothing to draw
  std::string message;   // run message when the construction failed or degenerated
  double cx = 0;
  double cy = 0;
  double r = 0;
  double startAngle = 0;  // degrees; the arc runs counter-clockwise from start to end
  double endAngle = 0;
};

// phi: included angle in radians, positive = counter-clockwise from p1 to p2.
ArcThroughPoints ArcThrough(double x1, double y1, double x2, double y2, double phi);

// An arc from a1 to a2 degrees that closes on itself: equal angles, or 0 and 360
// within 0.00001 either way round. Formats write it as a circle.
bool IsFullTurn(double a1, double a2);

}  // namespace zt6
