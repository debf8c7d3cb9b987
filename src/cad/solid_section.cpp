#include "cad/solid_section.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "base/codepage.h"
#include "cad/arc_construction.h"
#include "cad/drawing_sheets.h"

namespace zt6 {

namespace {

constexpr double kPi = std::numbers::pi;

ProfilePoint Rotated(ProfilePoint p, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {c * p.x - s * p.y, s * p.x + c * p.y};
}

double Distance(ProfilePoint p, ProfilePoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

// Below this length (mm) two points are one and a point lies on a line: far under any
// manufacturing tolerance, far above the rounding of the construction.
constexpr double kSame = 1e-9;

bool OnOneCircle(const SectionSegment& a, const SectionSegment& b) {
  return a.arc && b.arc && a.counterClockwise == b.counterClockwise &&
         Distance(a.centre, b.centre) < kSame && std::fabs(a.radius - b.radius) < kSame;
}

bool OnOneLine(const SectionSegment& a, const SectionSegment& b) {
  if (a.arc || b.arc) return false;
  const double dx = b.end.x - a.start.x;
  const double dy = b.end.y - a.start.y;
  const double length = std::hypot(dx, dy);
  if (length < kSame) return false;
  // The shared point's distance from the line through the outer ends, and both pieces
  // pointing the same way.
  const double offset = std::fabs((a.end.x - a.start.x) * dy - (a.end.y - a.start.y) * dx) / length;
  const double along = (a.end.x - a.start.x) * dx + (a.end.y - a.start.y) * dy;
  return offset < kSame && along > 0;
}

// The z outlines rotated about the origin as the profile inserts them, run clockwise,
// each piece starting where the one before ended; pieces of one circle or one line joined.
std::vector<SectionSegment> ClosedSection(const std::array<ProfileVertex, 8>& outline, int z) {
  std::vector<SectionSegment> raw;
  const double pitch = 2 * kPi / z;
  // The outline runs clockwise from its left end to its right end; the copy turned by
  // one pitch clockwise begins where it ends.
  for (int k = 0; k < z; ++k) {
    const double turn = -k * pitch;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
      SectionSegment s;
      s.start = Rotated(outline[i].point, turn);
      s.end = Rotated(outline[i + 1].point, turn);
      const double bulge = outline[i].bulge;
      if (bulge != 0) {
        const ArcThroughPoints arc = ArcThrough(s.start.x, s.start.y, s.end.x, s.end.y, bulge);
        if (!arc.ok) continue;
        s.arc = true;
        s.centre = {arc.cx, arc.cy};
        s.radius = arc.r;
        s.counterClockwise = bulge > 0;
        // Tip and root circles are about the axis itself.
        if (std::hypot(s.centre.x, s.centre.y) < kSame) s.centre = {0, 0};
      }
      raw.push_back(s);
    }
  }
  std::vector<SectionSegment> joined;
  for (SectionSegment s : raw) {
    if (!joined.empty()) s.start = joined.back().end;
    if (Distance(s.start, s.end) < kSame) continue;
    if (!joined.empty() && (OnOneCircle(joined.back(), s) || OnOneLine(joined.back(), s))) {
      joined.back().end = s.end;
      continue;
    }
    joined.push_back(s);
  }
  // The ring closes where it began: the last piece may continue the first.
  if (joined.size() > 1) {
    joined.back().end = joined.front().start;
    if (OnOneCircle(joined.back(), joined.front()) || OnOneLine(joined.back(), joined.front())) {
      joined.front().start = joined.back().start;
      joined.pop_back();
    }
  }
  return joined;
}

PinPair PlacePins(double centreRadius, double diameter, double firstAngle, int z, bool outer) {
  // Opposite spaces; for an odd count the space nearest to opposite, as the
  // dimension over pins is measured.
  const int steps = z / 2;
  const double second = firstAngle - steps * 2 * kPi / z;
  PinPair pins;
  pins.diameter = diameter;
  pins.centres = {{{std::sin(firstAngle) * centreRadius, std::cos(firstAngle) * centreRadius},
                   {std::sin(second) * centreRadius, std::cos(second) * centreRadius}}};
  const double between = Distance(pins.centres[0], pins.centres[1]);
  pins.overPins = outer ? between + diameter : between - diameter;
  return pins;
}

std::string Joined(const std::string& a, const std::string& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return a + " " + b;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

double DefaultHubDiameter(const DesignRecord& d) { return std::ceil(2 * d.Dee); }

double DefaultShaftLength(const DesignRecord& d) { return 2 * d.l; }

SolidModelOptions WithDefaults(const DesignRecord& d, SolidModelOptions options) {
  if (options.hubDiameter == 0) options.hubDiameter = DefaultHubDiameter(d);
  if (options.shaftLength == 0) options.shaftLength = DefaultShaftLength(d);
  return options;
}

std::string SolidModelProblem(const DesignRecord& d, const SolidModelOptions& options) {
  if (!DrawableGeometry(d)) return "the design has no drawable profile";
  if (d.z > kMaxTeethDrawn)
    return "z = " + std::to_string(d.z) + " is beyond the " + std::to_string(kMaxTeethDrawn) +
           " teeth a model is built with";
  if (!(d.l > 0)) return "the tooth width l must be above 0";
  if (!(options.shaftLength > 0) || !std::isfinite(options.shaftLength))
    return "the shaft length must be above 0";
  const double root = std::max({d.Deimax, d.Deimin, d.DeiMean});
  if (!(options.hubDiameter > root) || !std::isfinite(options.hubDiameter)) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", root);
    return std::string("the hub diameter must be above the hub's root diameter Dei ") + text;
  }
  return {};
}

DesignRecord UnderCondition(const DesignRecord& d, MaterialCondition condition) {
  DesignRecord c = d;
  if (condition == MaterialCondition::Max) {
    c.SMean = d.Smax;
    c.DeeMean = d.Deemax;
    c.DieMean = d.Diemax;
    c.reMean = d.reMin;
    c.EMean = d.Emin;
    c.DiiMean = d.Diimin;
    c.DeiMean = d.Deimin;
    c.riMean = d.riMin;
  } else if (condition == MaterialCondition::Min) {
    c.SMean = d.Smin;
    c.DeeMean = d.Deemin;
    c.DieMean = d.Diemin;
    c.reMean = d.reMax;
    c.EMean = d.Emax;
    c.DiiMean = d.Diimax;
    c.DeiMean = d.Deimax;
    c.riMean = d.riMax;
  }
  return c;
}

std::vector<SectionSegment> ShaftSection(const DesignRecord& d) {
  return ClosedSection(ShaftToothSpaceOutline(d), d.z);
}

std::vector<SectionSegment> HubBoreSection(const DesignRecord& d) {
  return ClosedSection(HubToothOutline(d), d.z);
}

PinPair ShaftPins(const DesignRecord& d) {
  // The pin touches both flanks: its centre lies on the space's middle, beyond the
  // flanks' meeting point by the radius over the sine of the half flank angle.
  const double halfAngle = d.gammaERad / 2;
  const double theta = (d.P - d.SMean) / d.D;
  const double vertex = d.D / 2 * (std::cos(theta) - std::sin(theta) / std::tan(halfAngle));
  return PlacePins(vertex + d.DRe / 2 / std::sin(halfAngle), d.DRe, 0, d.z, true);
}

PinPair HubPins(const DesignRecord& d) {
  const double halfAngle = d.gammaIRad / 2;
  const double theta = d.EMean / d.D;
  const double vertex = d.D / 2 * (std::cos(theta) + std::sin(theta) / std::tan(halfAngle));
  return PlacePins(vertex - d.DRi / 2 / std::sin(halfAngle), d.DRi, kPi / d.z, d.z, false);
}

SolidNames NamesOfSolids(const DesignRecord& d, const Vocabulary& words) {
  const DrawingIdentification& id = d.drawing;
  const std::string designation = Cp850ToUtf8(Trimmed(d.designation));
  const auto name = [&](const std::string& n1, const std::string& n2, const std::string& number,
                        const char* word) {
    const std::string given =
        Trimmed(Joined(Joined(Trimmed(n1), Trimmed(n2)), Trimmed(number)));
    if (!given.empty()) return Cp850ToUtf8(given);
    return Joined(designation, Cp850ToUtf8(words[word]));
  };
  return {name(id.shaftName1, id.shaftName2, id.shaftNumber, "Welle"),
          name(id.hubName1, id.hubName2, id.hubNumber, "Nabe")};
}

}  // namespace zt6
