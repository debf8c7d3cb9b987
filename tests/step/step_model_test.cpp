// The 3D models of "zt6 cad --model": written through the command as a user runs it, read
// back with OpenCASCADE's STEP reader and measured against the calculated design and an
// area worked out here from the profile drawing's outlines.

#include <gtest/gtest.h>

#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/zt6_commands.h"
#include "cad/profile_drawing.h"
#include "cad/solid_section.h"
#include "step/step_model.h"
#include "support/bundled_examples.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"
#include "step/step_read_back.h"

namespace zt6 {
namespace {

using test_support::ReadSolid;
using test_support::TempDir;

constexpr double kPi = std::numbers::pi;

// One run of "zt6 cad" in this process with the STEP writer of zt6-step, keeping the
// design and options the writer was handed.
struct ModelRun {
  int exitCode = -1;
  std::string err;
  DesignRecord design;
  SolidModelOptions options;
  SolidNames names;
  std::filesystem::path file;
};

ModelRun RunModel(const TempDir& dir, std::vector<std::string> args) {
  ModelRun run;
  run.file = dir.path() / "model.step";
  args.insert(args.begin(), {"cad", "--tables", test_support::TableFolderCopy()});
  args.insert(args.end(), {"-o", run.file.string()});
  Zt6Outputs outputs;
  outputs.step = [&run](const DesignRecord& d, const SolidModelOptions& o, const SolidNames& n,
                        const std::string& path) {
    run.design = d;
    run.options = o;
    run.names = n;
    return WriteStepFile(BuildModelSolids(d, o, n), path);
  };
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  run.exitCode = RunZt6(args, out, err, in, outputs);
  run.err = err.str();
  return run;
}

// The area enclosed by the origin and one outline of the profile drawing, by the
// shoelace formula with each arc's circular segment added.
double SectorArea(const std::array<ProfileVertex, 8>& outline) {
  double twice = 0;
  ProfilePoint previous{0, 0};
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const ProfilePoint p = outline[i].point;
    twice += previous.x * p.y - p.x * previous.y;
    previous = p;
    if (i + 1 < outline.size() && outline[i].bulge != 0) {
      const ProfilePoint q = outline[i + 1].point;
      const double phi = std::fabs(outline[i].bulge);
      const double r = std::hypot(q.x - p.x, q.y - p.y) / (2 * std::sin(phi / 2));
      twice += (outline[i].bulge > 0 ? 1 : -1) * r * r * (phi - std::sin(phi));
    }
  }
  twice += previous.x * 0 - 0 * previous.y;
  return std::fabs(twice) / 2;
}

double ShaftArea(const DesignRecord& d) { return d.z * SectorArea(ShaftToothSpaceOutline(d)); }
double HubArea(const DesignRecord& d, double hubDiameter) {
  return kPi * hubDiameter * hubDiameter / 4 - d.z * SectorArea(HubToothOutline(d));
}

// The solids of a written model: shaft and hub valid, closed, exact, named, coloured,
// of the volume their section and length give.
void ExpectSolidModel(const ModelRun& run, bool pins) {
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // Not even the edges' parameter-space copies are approximated.
  EXPECT_EQ(test_support::FileBytes(run.file).find("B_SPLINE"), std::string::npos);
  const auto solids = test_support::ReadStepSolids(run.file);
  ASSERT_TRUE(solids.has_value()) << "OpenCASCADE's STEP reader refused " << run.file;
  const bool shaft = run.options.part != SolidPart::Hub;
  const bool hub = run.options.part != SolidPart::Shaft;
  const std::size_t parts = (shaft ? 1u : 0u) + (hub ? 1u : 0u);
  ASSERT_EQ(solids->size(), parts * (pins ? 3 : 1));
  const DesignRecord d = UnderCondition(run.design, run.options.condition);
  std::size_t at = 0;
  if (shaft) {
    const ReadSolid& s = (*solids)[at++];
    EXPECT_EQ(s.name, run.names.shaft);
    const double expected = ShaftArea(d) * run.options.shaftLength;
    EXPECT_NEAR(test_support::Volume(s.shape), expected, 1e-6 * expected) << s.name;
  }
  if (hub) {
    const ReadSolid& s = (*solids)[at++];
    EXPECT_EQ(s.name, run.names.hub);
    const double expected = HubArea(d, run.options.hubDiameter) * d.l;
    EXPECT_NEAR(test_support::Volume(s.shape), expected, 1e-6 * expected) << s.name;
  }
  for (const ReadSolid& s : *solids) {
    EXPECT_TRUE(test_support::ValidClosedSolid(s.shape)) << s.name;
    EXPECT_TRUE(test_support::OnlyPlanesAndCylinders(s.shape)) << s.name;
    EXPECT_TRUE(s.colour.has_value()) << s.name;
  }
}

std::vector<std::string> Din5481Sizes() {
  std::ifstream table(std::string(ZT6_DATA_DIR) + "/tables/din5481.csv");
  std::vector<std::string> sizes;
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line))
    if (!line.empty()) sizes.push_back(line.substr(0, line.find(',')));
  return sizes;
}

class EverySize : public testing::TestWithParam<std::string> {};

TEST_P(EverySize, AssemblyIsTwoExactSolidsOfTheSectionsVolume) {
  TempDir dir("zt6_step");
  ExpectSolidModel(RunModel(dir, {"--size", GetParam(), "--model", "assembly", "--format", "step"}),
                   false);
}

std::string SizeTestName(const testing::TestParamInfo<std::string>& size) {
  std::string name = size.param;
  std::replace(name.begin(), name.end(), 'x', '_');
  return "size_" + name;
}

INSTANTIATE_TEST_SUITE_P(Din5481, EverySize, testing::ValuesIn(Din5481Sizes()), SizeTestName);

class EveryExample : public testing::TestWithParam<std::string> {};

TEST_P(EveryExample, AssemblyIsTwoExactSolidsOfTheSectionsVolume) {
  TempDir dir("zt6_step");
  const std::string project = (std::filesystem::path(ZT6_DATA_DIR) / "examples" / GetParam()).string();
  ExpectSolidModel(RunModel(dir, {project, "--model", "assembly"}), false);
}

INSTANTIATE_TEST_SUITE_P(Bundled, EveryExample, test_support::BundledExamples(),
                         test_support::ExampleTestName);

// Parts, conditions and the dimensions the design does not hold, with pins.
TEST(StepModel, PartsConditionsAndGivenDimensions) {
  struct Case {
    std::vector<std::string> args;
    SolidPart part;
    MaterialCondition condition;
  };
  const std::vector<Case> cases = {
      {{"--model", "shaft", "--condition", "max", "--shaft-length", "40"}, SolidPart::Shaft,
       MaterialCondition::Max},
      {{"--model", "hub", "--condition", "min", "--hub-diameter", "22.5"}, SolidPart::Hub,
       MaterialCondition::Min},
      {{"--model", "assembly", "--condition", "mean"}, SolidPart::Assembly, MaterialCondition::Mean},
  };
  for (const Case& c : cases) {
    TempDir dir("zt6_step");
    std::vector<std::string> args = {"--size", "12x14", "--pins"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ModelRun run = RunModel(dir, args);
    EXPECT_EQ(run.options.part, c.part);
    EXPECT_EQ(run.options.condition, c.condition);
    ExpectSolidModel(run, true);
  }
}

TEST(StepModel, DefaultsAreTwiceTheTipDiameterRoundedUpAndTwiceTheWidth) {
  TempDir dir("zt6_step");
  const ModelRun run = RunModel(dir, {"--size", "12x14", "--model", "assembly"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.options.hubDiameter, 29);  // Dee 14.2
  EXPECT_EQ(run.options.shaftLength, 2 * run.design.l);
  const auto solids = test_support::ReadStepSolids(run.file);
  ASSERT_TRUE(solids && solids->size() == 2);
  // The hub centred on the shaft.
  Bnd_Box shaftBox, hubBox;
  BRepBndLib::Add((*solids)[0].shape, shaftBox);
  BRepBndLib::Add((*solids)[1].shape, hubBox);
  double x0, y0, z0, x1, y1, z1, h0, h1;
  shaftBox.Get(x0, y0, z0, x1, y1, z1);
  double a, b, c, e;
  hubBox.Get(a, b, h0, c, e, h1);
  EXPECT_NEAR((z0 + z1) / 2, (h0 + h1) / 2, 1e-6);
  EXPECT_NEAR(h1 - h0, run.design.l, 1e-6);
}

// Placed pins touch both flanks of their space and nothing else, and their distance is
// the dimension over or between pins of the condition.
TEST(StepModel, PinsTouchBothFlanksAtTheDimensionOverPins) {
  struct Case {
    const char* size;
    const char* condition;
  };
  // 12x14: z = 31, odd; 17x20: z = 33; 30x34: z = 35; 8x10: z = 28, even.
  for (const Case c : {Case{"12x14", "max"}, Case{"8x10", "min"}, Case{"30x34", "max"}}) {
    TempDir dir("zt6_step");
    const ModelRun run =
        RunModel(dir, {"--size", c.size, "--model", "assembly", "--pins", "--condition", c.condition});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto solids = test_support::ReadStepSolids(run.file);
    ASSERT_TRUE(solids && solids->size() == 6) << c.size;
    const bool max = std::string(c.condition) == "max";
    const DesignRecord& d = run.design;
    // Shaft pins: over pins; hub pins: between pins; max material is S max and E min.
    const double expected[2] = {max ? d.MRemax : d.MRemin, max ? d.MRimin : d.MRimax};
    for (int part = 0; part < 2; ++part) {
      const TopoDS_Shape& body = (*solids)[static_cast<std::size_t>(part)].shape;
      std::vector<gp_Pnt> axes;
      double diameter = 0;
      for (std::size_t k = 0; k < 2; ++k) {
        const TopoDS_Shape& pin = (*solids)[2 + 2 * static_cast<std::size_t>(part) + k].shape;
        EXPECT_LT(test_support::Distance(pin, body), 1e-6) << c.size;
        int touched = 0;
        for (TopExp_Explorer f(body, TopAbs_FACE); f.More(); f.Next()) {
          // The pins are as long as their part: its end faces meet theirs.
          const auto plane =
              Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(TopoDS::Face(f.Current())));
          if (!plane.IsNull() && plane->Axis().Direction().IsParallel(gp::DZ(), 1e-12)) continue;
          if (test_support::Distance(pin, f.Current()) < 1e-6) {
            ++touched;
            EXPECT_FALSE(plane.IsNull()) << "a pin touches a curved face";
          }
        }
        EXPECT_EQ(touched, 2) << c.size << " part " << part;
        EXPECT_LT(test_support::Volume(BRepAlgoAPI_Common(pin, body).Shape()),
                  1e-9 * test_support::Volume(pin));
        for (TopExp_Explorer f(pin, TopAbs_FACE); f.More(); f.Next()) {
          const auto cylinder = Handle(Geom_CylindricalSurface)::DownCast(
              BRep_Tool::Surface(TopoDS::Face(f.Current())));
          if (!cylinder.IsNull()) {
            axes.push_back(cylinder->Location());
            diameter = 2 * cylinder->Radius();
          }
        }
      }
      ASSERT_EQ(axes.size(), 2u);
      const double between = std::hypot(axes[0].X() - axes[1].X(), axes[0].Y() - axes[1].Y());
      const double measured = part == 0 ? between + diameter : between - diameter;
      EXPECT_NEAR(measured, expected[part], 1e-6) << c.size << " part " << part;
    }
  }
}

// At max material shaft and hub share no volume, and the gap between them is the
// profile's flank clearance.
TEST(StepModel, NoInterferenceAtMaxMaterial) {
  for (const char* size : {"12x14", "8x10", "120x125"}) {
    TempDir dir("zt6_step");
    const ModelRun run = RunModel(dir, {"--size", size, "--model", "assembly", "--condition", "max"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto solids = test_support::ReadStepSolids(run.file);
    ASSERT_TRUE(solids && solids->size() == 2);
    const TopoDS_Shape& shaft = (*solids)[0].shape;
    const TopoDS_Shape& hub = (*solids)[1].shape;
    const double smaller = std::min(test_support::Volume(shaft), test_support::Volume(hub));
    EXPECT_LT(test_support::Volume(BRepAlgoAPI_Common(shaft, hub).Shape()), 1e-9 * smaller) << size;
    // Both flanks run in direction (sin a, cos a) from their points on the reference circle.
    const DesignRecord& d = run.design;
    const double a = d.gammaERad / 2;
    const double spaceHalf = (d.P - d.Smax) / d.D;
    const double toothHalf = (d.P - d.Emin) / d.D;
    const double clearance = d.D / 2 *
                             std::fabs((std::sin(spaceHalf) - std::sin(toothHalf)) * std::cos(a) -
                                       (std::cos(spaceHalf) - std::cos(toothHalf)) * std::sin(a));
    EXPECT_GT(clearance, 0);
    EXPECT_NEAR(test_support::Distance(shaft, hub), clearance, 1e-6) << size;
  }
}

TEST(StepModel, NamesComeFromTheDrawingIdentificationElseTheDesignation) {
  TempDir dir("zt6_step");
  const std::string example = (std::filesystem::path(ZT6_DATA_DIR) / "examples/welle_12x14.zt6").string();
  const ModelRun named = RunModel(dir, {example, "--model", "assembly"});
  ASSERT_EQ(named.exitCode, 0) << named.err;
  EXPECT_EQ(named.names.shaft, "Antriebswelle Kerbverzahnung W-12-014");
  EXPECT_EQ(named.names.hub, "Nabe Kerbverzahnung N-12-014");
  const ModelRun plain = RunModel(dir, {"--size", "17x20", "--model", "hub", "--language", "2"});
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_EQ(plain.names.hub, "17x20 hub");
  const auto solids = test_support::ReadStepSolids(plain.file);
  ASSERT_TRUE(solids && solids->size() == 1);
  EXPECT_EQ((*solids)[0].name, "17x20 hub");
}

TEST(StepModel, RefusedInput) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--model", "assembly", "--hub-diameter", "14"}, 2, "hub diameter must be above"},
      {{"--model", "assembly", "--hub-diameter", "0"}, 2, "--hub-diameter takes a length"},
      {{"--model", "shaft", "--shaft-length", "-3"}, 2, "--shaft-length takes a length"},
      {{"--model", "shaft", "--shaft-length", "x"}, 2, "--shaft-length takes a length"},
      {{"--model", "cone"}, 2, "unknown model \"cone\""},
      {{"--model", "hub", "--condition", "worst"}, 2, "unknown condition \"worst\""},
      {{"--model", "hub", "--format", "dxf"}, 2, "--model writes --format step"},
      {{"--model", "hub", "--drawing", "1"}, 2, "leave --drawing out"},
      {{"--format", "step"}, 2, "--format step needs --model"},
      {{"--drawing", "1", "--pins"}, 2, "--pins goes with --model"},
      {{"--model", "shaft", "--set", "z=501"}, 2, "z = 501 is outside its range"},
  };
  for (const Case& c : cases) {
    TempDir dir("zt6_step");
    std::vector<std::string> args = {"--size", "12x14"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ModelRun run = RunModel(dir, args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.message << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(run.file)) << c.message;
  }
}

TEST(StepModel, FatalRunIsRefusedWithItsMessage) {
  TempDir dir("zt6_step");
  const auto project = dir.Write("fatal.zt6", test_support::ProjectWithFatalRun());
  const ModelRun run = RunModel(dir, {project.string(), "--model", "assembly"});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.err.find("Fatal  : D <= Dii !"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(run.file));
}

TEST(StepModel, InterferenceIsWrittenWithTheMessage) {
  TempDir dir("zt6_step");
  const ModelRun run = RunModel(dir, {"--size", "12x14", "--set", "re_max=0.4", "--model", "shaft"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("Fehler : Dii < DFe !"), std::string::npos) << run.err;
  EXPECT_TRUE(test_support::ReadStepSolids(run.file).has_value());
}

// The installed route: zt6 hands the command line over to zt6-step beside it.
TEST(StepModel, Zt6HandsTheModelToItsCompanion) {
  TempDir dir("zt6_step");
  const auto file = dir.path() / "hub.step";
  const std::string command = std::string(ZT6_ZT6_EXE) + " cad --tables " +
                              test_support::TableFolderCopy() +
                              " --size 12x14 --model hub -o " + file.string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string bytes = test_support::FileBytes(file);
  EXPECT_TRUE(bytes.starts_with("ISO-10303-21;")) << bytes.substr(0, 40);
  EXPECT_NE(bytes.find("AUTOMOTIVE_DESIGN"), std::string::npos);  // AP214
  EXPECT_NE(bytes.find("SI_UNIT(.MILLI.,.METRE.)"), std::string::npos);
  EXPECT_EQ(bytes.find("B_SPLINE"), std::string::npos);
}

}  // namespace
}  // namespace zt6
