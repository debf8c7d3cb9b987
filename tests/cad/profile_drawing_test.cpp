// Tooth outlines and the profile drawing of a calculated 12x14 serration.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cad/drawing_sheets.h"
#include "cad/profile_drawing.h"
#include "cad_fixture.h"

namespace zt6 {
namespace {

using cad_test::CadFixture;
using cad_test::Calculated12x14;

constexpr double kPi = std::numbers::pi;

ProfilePoint Rotated(ProfilePoint p, double angle) {
  return {p.x * std::cos(angle) - p.y * std::sin(angle), p.x * std::sin(angle) + p.y * std::cos(angle)};
}

double Distance(ProfilePoint p, ProfilePoint q) { return std::hypot(q.x - p.x, q.y - p.y); }

double Direction(ProfilePoint from, ProfilePoint to) { return std::atan2(to.y - from.y, to.x - from.x); }

// Tangent directions at both ends of the arc from p to q with included angle phi.
std::pair<double, double> ArcEndTangents(ProfilePoint p, ProfilePoint q, double phi) {
  const double chord = Direction(p, q);
  return {chord - phi / 2, chord + phi / 2};
}

double AngleDifference(double a, double b) { return std::remainder(a - b, 2 * kPi); }

// Outlines that close into a ring: each block's right end, turned by one pitch, is the
// left end of the next block.
TEST(ToothOutline, NeighbouringBlocksMeet) {
  const DesignRecord d = Calculated12x14();
  ASSERT_EQ(d.z, 31);
  for (const auto& outline : {ShaftToothSpaceOutline(d), HubToothOutline(d)}) {
    const ProfilePoint right = Rotated(outline[7].point, 2 * kPi / d.z);
    EXPECT_NEAR(right.x, outline[0].point.x, 1e-12);
    EXPECT_NEAR(right.y, outline[0].point.y, 1e-12);
    for (std::size_t i = 0; i < 4; ++i) {  // symmetric about the y axis
      EXPECT_NEAR(outline[i].point.x, -outline[7 - i].point.x, 1e-12);
      EXPECT_NEAR(outline[i].point.y, outline[7 - i].point.y, 1e-12);
    }
  }
}

TEST(ToothOutline, ShaftFlankIsStraightAndMeetsTheRootArcTangentially) {
  const DesignRecord d = Calculated12x14();
  const auto v = ShaftToothSpaceOutline(d);
  // Root arc: included angle pi - gamma e, touching the root circle at (0, Die/2).
  EXPECT_NEAR(v[3].bulge, kPi - d.gammaERad, 1e-12);
  const double a = d.gammaERad / 2;
  const double flank = Direction(v[5].point, v[6].point);  // F -> T
  EXPECT_NEAR(flank, kPi / 2 - a, 1e-9);
  EXPECT_NEAR(Direction(v[4].point, v[5].point), flank, 1e-9);  // R+ -> F on the same line
  const auto [start, end] = ArcEndTangents(v[3].point, v[4].point, v[3].bulge);
  EXPECT_NEAR(AngleDifference(end, flank), 0, 1e-9);
  EXPECT_NEAR(AngleDifference(start, Direction(v[2].point, v[3].point)), 0, 1e-9);
  EXPECT_NEAR(std::hypot(v[6].point.x, v[6].point.y), d.DeeMean / 2, 1e-12);  // T on the tip
  EXPECT_NEAR(std::hypot(v[7].point.x, v[7].point.y), d.DeeMean / 2, 1e-12);
}

TEST(ToothOutline, HubRootArcMeetsFlankAndRootCircleWithoutKink) {
  const DesignRecord d = Calculated12x14();
  const auto v = HubToothOutline(d);
  const double a = d.gammaERad / 2;
  const double flank = Direction(v[5].point, v[6].point);  // Fh -> G
  EXPECT_NEAR(flank, kPi / 2 - a, 1e-9);
  EXPECT_NEAR(Direction(v[4].point, v[5].point), flank, 1e-9);  // Th -> Fh -> G straight
  const auto [start, end] = ArcEndTangents(v[6].point, v[7].point, v[6].bulge);
  EXPECT_NEAR(AngleDifference(start, flank), 0, 1e-9);
  // At the space middle B the arc runs along the root circle (perpendicular to OB).
  EXPECT_NEAR(AngleDifference(end, -kPi / d.z), 0, 1e-9);
  EXPECT_NEAR(std::hypot(v[7].point.x, v[7].point.y), d.DeiMean / 2, 1e-12);
  // The tip is a straight chord on the tip circle.
  EXPECT_EQ(v[3].bulge, 0);
  EXPECT_NEAR(std::hypot(v[4].point.x, v[4].point.y), d.DiiMean / 2, 1e-12);
}

// The centre of the arc from p to q with included angle phi (counter-clockwise when
// positive): on the chord's perpendicular bisector, left of the chord for phi > 0.
ProfilePoint ArcCentre(ProfilePoint p, ProfilePoint q, double phi) {
  const double c = Distance(p, q);
  const double offset = c / (2 * std::tan(phi / 2));
  return {(p.x + q.x) / 2 - offset * (q.y - p.y) / c, (p.y + q.y) / 2 + offset * (q.x - p.x) / c};
}

// Every arc of both tooth blocks lies on its circle: the tip lands on the tip circle
// about the origin, the root arcs on their fillet circles.
TEST(ToothOutline, EveryArcCentreIsTheCentreOfItsCircle) {
  const DesignRecord d = Calculated12x14();
  const double h = kPi / d.z;
  const double filletDistance = d.DeiMean / 2 - d.riMean;  // hub fillet centre from the origin
  const ProfilePoint hubFillet{filletDistance * std::sin(h), filletDistance * std::cos(h)};
  struct Arc {
    const char* block;
    std::size_t vertex;
    ProfilePoint centre;
  };
  const Arc arcs[] = {{"zahn1", 0, {0, 0}},
                      {"zahn1", 3, {0, d.DieMean / 2 + d.reMean}},
                      {"zahn1", 6, {0, 0}},
                      {"zahn2", 0, {-hubFillet.x, hubFillet.y}},
                      {"zahn2", 6, hubFillet}};
  const auto shaft = ShaftToothSpaceOutline(d);
  const auto hub = HubToothOutline(d);
  int arcsFound = 0;
  for (const auto* outline : {&shaft, &hub}) {
    const std::string block = outline == &shaft ? "zahn1" : "zahn2";
    for (std::size_t i = 0; i + 1 < outline->size(); ++i) {
      if ((*outline)[i].bulge == 0) continue;
      ++arcsFound;
      const auto arc = std::find_if(std::begin(arcs), std::end(arcs), [&](const Arc& a) {
        return a.block == block && a.vertex == i;
      });
      ASSERT_NE(arc, std::end(arcs)) << block << " has an arc at vertex " << i;
      const ProfilePoint c =
          ArcCentre((*outline)[i].point, (*outline)[i + 1].point, (*outline)[i].bulge);
      EXPECT_NEAR(c.x, arc->centre.x, 1e-9) << block << " vertex " << i + 1;
      EXPECT_NEAR(c.y, arc->centre.y, 1e-9) << block << " vertex " << i + 1;
    }
  }
  EXPECT_EQ(arcsFound, 5);
}

TEST(ToothOutline, FlankMissingTheCircleGivesTheOrigin) {
  const ProfilePoint miss = FlankCircleIntersection({5, 5}, 0.5, 1);
  EXPECT_EQ(miss.x, 0);
  EXPECT_EQ(miss.y, 0);
  const ProfilePoint vertical = FlankCircleIntersection({3, 0}, 0, 5);
  EXPECT_DOUBLE_EQ(vertical.x, 3);
  EXPECT_DOUBLE_EQ(vertical.y, 4);
  const ProfilePoint verticalMiss = FlankCircleIntersection({6, 0}, 0, 5);
  EXPECT_EQ(verticalMiss.x, 0);
  const ProfilePoint cut = FlankCircleIntersection({0, 0}, kPi / 4, 2);
  EXPECT_NEAR(cut.x, std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(cut.y, std::sqrt(2.0), 1e-12);
}

TEST(ToothOutline, OneToothSpansTheWholeCircle) {
  DesignRecord d = Calculated12x14();
  d.z = 1;
  const auto v = ShaftToothSpaceOutline(d);
  EXPECT_NEAR(v[7].point.x, 0, 1e-12);  // the tooth middle lies opposite, at -y
  EXPECT_NEAR(v[7].point.y, -d.DeeMean / 2, 1e-12);
  CadFixture f;
  ASSERT_TRUE(cad_test::Produce(f, d, drawing_kind::kShaftProfile, CadOutputType::Dxf));
  std::vector<double> angles;
  const auto groups = f.DxfGroups();
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].code == 0 && groups[i].value == "INSERT")
      for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j)
        if (groups[j].code == 50) angles.push_back(BlockNumber(groups[j].value));
  EXPECT_EQ(angles, std::vector<double>{360});
}

// What a profile sheet holds in its ENTITIES section: kind, layer and block of each.
std::vector<std::string> EntitySummary(const std::vector<DxfGroup>& groups) {
  std::vector<std::string> summary;
  bool inEntities = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code == 2 && groups[i].value == "ENTITIES") inEntities = true;
    if (!inEntities || groups[i].code != 0 || groups[i].value == "ENDSEC" ||
        groups[i].value == "EOF")
      continue;
    std::string line = groups[i].value;
    for (std::size_t j = i + 1; j < groups.size() && groups[j].code != 0; ++j)
      if (groups[j].code == 8 || groups[j].code == 2) line += " " + groups[j].value;
    summary.push_back(line);
  }
  return summary;
}

TEST(ProfileSheet, WithoutDimensionsOnlyTheTeeth) {
  const DesignRecord d = Calculated12x14();
  CadFixture f;
  ASSERT_TRUE(cad_test::Produce(f, d, drawing_kind::kShaftProfile, CadOutputType::Dxf));
  const std::vector<std::string> summary = EntitySummary(f.DxfGroups());
  EXPECT_EQ(summary, std::vector<std::string>(31, "INSERT 5 zahn1"));
}

TEST(ProfileSheet, WithDimensionsCentreLinesCirclesAndDiameters) {
  const DesignRecord d = Calculated12x14();
  struct Case {
    int kind;
    int circles;
    int texts;
    const char* block;
  };
  for (const Case c : {Case{drawing_kind::kShaft, 4, 3, "zahn1"}, Case{drawing_kind::kHub, 4, 3, "zahn2"},
                       Case{drawing_kind::kShaftAndHub, 7, 6, nullptr}}) {
    CadFixture f;
    ASSERT_TRUE(cad_test::Produce(f, d, c.kind, CadOutputType::Dxf));
    const std::vector<std::string> summary = EntitySummary(f.DxfGroups());
    int circles = 0, texts = 0, inserts = 0;
    for (const std::string& s : summary) {
      circles += s.starts_with("CIRCLE") ? 1 : 0;
      texts += s.starts_with("TEXT") ? 1 : 0;
      if (s.starts_with("INSERT")) {
        ++inserts;
        if (c.block) {
          EXPECT_EQ(s, std::string("INSERT 5 ") + c.block);
        }
      }
    }
    EXPECT_EQ(summary.at(0), "LINE 1");  // centre lines first, on layer 1
    EXPECT_EQ(summary.at(2), "CIRCLE 1");  // the reference circle
    EXPECT_EQ(circles, c.circles) << c.kind;
    EXPECT_EQ(texts, c.texts) << c.kind;
    EXPECT_EQ(inserts, c.block ? 31 : 62) << c.kind;
  }
}

TEST(ProfileSheet, DimensionTextsCarryTheMeanDiameters) {
  const DesignRecord d = Calculated12x14();
  CadFixture f;
  ASSERT_TRUE(cad_test::Produce(f, d, drawing_kind::kShaft, CadOutputType::Dxf));
  std::vector<std::string> texts;
  const auto groups = f.DxfGroups();
  std::string entity;
  for (const DxfGroup& g : groups) {
    if (g.code == 0) entity = g.value;
    if (g.code == 1 && entity == "TEXT") texts.push_back(g.value);
  }
  char expected[64];
  std::snprintf(expected, sizeof expected, "Dee = %.4g ", d.DeeMean);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_TRUE(texts[0].starts_with("Die = ")) << texts[0];
  EXPECT_TRUE(texts[1].starts_with("DFe = ")) << texts[1];
  EXPECT_EQ(texts[2], expected);
}

TEST(ProfileSheet, KindsOutsideTheListAndBrokenGeometryDrawNothing) {
  DesignRecord d = Calculated12x14();
  CadFixture f;
  EXPECT_FALSE(cad_test::Produce(f, d, 0, CadOutputType::Dxf));
  EXPECT_FALSE(cad_test::Produce(f, d, 18, CadOutputType::Dxf));
  d.z = 0;
  EXPECT_FALSE(cad_test::Produce(f, d, drawing_kind::kShaft, CadOutputType::Dxf));
  EXPECT_FALSE(std::filesystem::exists(*f.ports.file));
}

}  // namespace
}  // namespace zt6
