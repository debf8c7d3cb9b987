#include "cad/profile_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "base/number_format.h"

namespace zt6 {

namespace {

constexpr double kPi = std::numbers::pi;

double Distance(ProfilePoint p, ProfilePoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

// Angle at the centre between two points on a circle of radius r.
double CentralAngle(ProfilePoint p, ProfilePoint q, double r) {
  const double d = Distance(p, q);
  return std::acos(std::clamp(1 - d * d / (2 * r * r), -1.0, 1.0));
}

ProfilePoint Mirrored(ProfilePoint p) { return {-p.x, p.y}; }

// The angles and means both outlines are built from.
struct ToothGeometry {
  double h = 0;    // half pitch angle
  double phiS = 0; // angular space width of the shaft on D
  double phiH = 0; // angular tooth width of the hub on D
  double a = 0;    // half flank angle of the shaft
};

ToothGeometry GeometryOf(const DesignRecord& d) {
  ToothGeometry g;
  g.h = kPi / d.z;
  g.phiS = 2 * (d.P - d.SMean) / d.D;
  g.phiH = 2 * (d.P - d.EMean) / d.D;
  g.a = d.gammaERad / 2;
  return g;
}

ProfilePoint OnCircle(double angleFromY, double radius) {
  return {std::sin(angleFromY) * radius, std::cos(angleFromY) * radius};
}

void DrawDiameter(CadOutput& cad, const char* label, double diameter, double xd,
                  const FormatSettings& format, const char* tail = "") {
  cad.VerticalDimension(label + FormatSignificantLengthA(diameter, format) + tail, "", "", 0,
                        -diameter / 2, 0, diameter / 2, xd);
}

}  // namespace

ProfilePoint FlankCircleIntersection(ProfilePoint f, double a, double r) {
  if (std::sin(a) == 0) {
    if (r * r < f.x * f.x) return {};
    return {f.x, std::sqrt(r * r - f.x * f.x)};
  }
  const double l = std::cos(a) / std::sin(a);
  const double m = f.y - f.x * l;
  const double k2 = 1 + l * l;
  const double k1 = 2 * l * m;
  const double k0 = m * m - r * r;
  const double discriminant = k1 * k1 - 4 * k2 * k0;
  if (discriminant < 0) return {};
  const double x = (-k1 + std::sqrt(discriminant)) / (2 * k2);
  return {x, m + l * x};
}

std::array<ProfileVertex, 8> ShaftToothSpaceOutline(const DesignRecord& d) {
  const ToothGeometry g = GeometryOf(d);
  const ProfilePoint tipMiddle = OnCircle(g.h, d.DeeMean / 2);
  const ProfilePoint flank = OnCircle(g.phiS / 2, d.D / 2);
  const ProfilePoint tip = FlankCircleIntersection(flank, g.a, d.DeeMean / 2);
  const double theta = CentralAngle(tipMiddle, tip, d.DeeMean / 2);
  // The root arc touches the root circle at (0, Die/2).
  const double re = d.reMean;
  const ProfilePoint rootRight{re * std::cos(g.a), d.DieMean / 2 + re * (1 - std::sin(g.a))};
  // Both tip lands run clockwise about the origin (left to right over the top).
  return {{{Mirrored(tipMiddle), -theta},
           {Mirrored(tip), 0},
           {Mirrored(flank), 0},
           {Mirrored(rootRight), kPi - d.gammaERad},
           {rootRight, 0},
           {flank, 0},
           {tip, -theta},
           {tipMiddle, 0}}};
}

std::array<ProfileVertex, 8> HubToothOutline(const DesignRecord& d) {
  const ToothGeometry g = GeometryOf(d);
  const ProfilePoint rootMiddle = OnCircle(g.h, d.DeiMean / 2);
  const ProfilePoint flank = OnCircle(g.phiH / 2, d.D / 2);
  const ProfilePoint tip = FlankCircleIntersection(flank, g.a, d.DiiMean / 2);
  // The root arc's centre lies on the radius through the space middle, ri inside the
  // root circle; the arc ends where the flank (direction a) touches it, so it meets
  // both the root circle and the flank without a kink.
  const double ri = d.riMean;
  const ProfilePoint centre{rootMiddle.x - ri * std::sin(g.h), rootMiddle.y - ri * std::cos(g.h)};
  const ProfilePoint rootEnd{centre.x - ri * std::cos(g.a), centre.y + ri * std::sin(g.a)};
  const double beta = -(kPi / 2 - g.a + g.h);  // clockwise
  return {{{Mirrored(rootMiddle), beta},
           {Mirrored(rootEnd), 0},
           {Mirrored(flank), 0},
           {Mirrored(tip), 0},
           {tip, 0},
           {flank, 0},
           {rootEnd, beta},
           {rootMiddle, 0}}};
}

void DrawToothBlock(CadOutput& cad, const DesignRecord& design, ProfilePart part) {
  const std::array<ProfileVertex, 8> outline =
      part == ProfilePart::Hub ? HubToothOutline(design) : ShaftToothSpaceOutline(design);
  // The hub's outline has a layer, and so a colour, of its own: where both parts are drawn
  // together they are told apart.
  cad.Layer(part == ProfilePart::Hub ? kHubOutlineLayer : 5);
  cad.PolylineBegin(0);
  for (const ProfileVertex& vertex : outline)
    cad.Vertex(vertex.point.x, vertex.point.y, vertex.bulge);
  cad.PolylineEnd();
}

void DrawProfile(CadOutput& cad, const DesignRecord& d, ProfilePart part, bool withDimensions,
                 const FormatSettings& format) {
  const bool shaft = part != ProfilePart::Hub;
  const bool hub = part != ProfilePart::Shaft;
  const double dee = d.DeeMean;
  if (withDimensions) {
    cad.DimensionUnit(0.01 * dee);
    cad.Layer(1);
    const double k = 0.51 * d.Deimax;
    cad.Line(-k, 0, k, 0);
    cad.Line(0, -k, 0, k);
    cad.Circle(0, 0, d.D / 2);
    if (shaft) {
      cad.Layer(3);
      DrawDiameter(cad, "Die = ", d.DieMean, -0.58 * dee, format);
      cad.Circle(0, 0, d.DFeMean / 2);
      DrawDiameter(cad, "DFe = ", d.DFeMean, -0.64 * dee, format);
      cad.Circle(0, 0, dee / 2);
      DrawDiameter(cad, "Dee = ", dee, -0.70 * dee, format, " ");
      cad.Circle(0, 0, d.DieMean / 2);
    }
    if (hub) {
      cad.Layer(3);
      cad.Circle(0, 0, d.DiiMean / 2);
      DrawDiameter(cad, "Dii = ", d.DiiMean, 0.60 * dee, format);
      cad.Circle(0, 0, d.DeiMean / 2);
      DrawDiameter(cad, "Dei = ", d.DeiMean, 0.72 * dee, format);
      cad.Circle(0, 0, d.DFiMean / 2);
      DrawDiameter(cad, "DFi = ", d.DFiMean, 0.66 * dee, format);
    }
  }
  cad.Layer(5);
  const auto insertTeeth = [&](const char* block) {
    for (int i = 1; i <= d.z; ++i)
      cad.Insert(block, 0, 0, static_cast<double>(i * 360) / d.z, 1, 1);
  };
  if (shaft) insertTeeth("zahn1");
  if (hub) insertTeeth("zahn2");
}

}  // namespace zt6
