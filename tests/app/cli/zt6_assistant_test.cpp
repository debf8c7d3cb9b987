// zt6 size, identify and sweep checked against zt6 calc: the sizes found carry the
// load at their length and not one millimetre shorter, every size is found from its
// measured dimensions, and a sweep gives exactly the single calculations.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/json_writer.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "support/flat_json.h"
#include "support/json_checks.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::FlatJson;
using test_support::NumberAt;
using test_support::ReadJson;
using test_support::RunZt6Command;
using test_support::Zt6Outcome;

const std::string kExamples = std::string(ZT6_DATA_DIR) + "/examples/";
const char* const kSafeties[] = {"shaft.Seq", "shaft.Smax", "hub.Seq", "hub.Smax"};

std::string Text(double value) { return ShortestNumber(value); }

// The smallest of the four safeties zt6 calc gives for the size at length l, or -1
// after a fatal run.
double WeakestSafety(const std::string& project, const std::string& size, double TN,
                     double Tmax, double l, const std::string& toleranceClass) {
  std::vector<std::string> args = {"calc"};
  if (!project.empty()) args.push_back(project);
  args.insert(args.end(), {"--size", size, "--set", "TN=" + Text(TN), "--set",
                           "Tmax=" + Text(Tmax), "--set", "l=" + Text(l), "--json"});
  if (!toleranceClass.empty()) args.insert(args.end(), {"--class", toleranceClass});
  const Zt6Outcome r = RunZt6Command(args);
  const FlatJson json = ReadJson(r.out);
  if (json.at("fatal").text == "true") return -1;
  double weakest = 1e300;
  for (const char* name : kSafeties) weakest = std::min(weakest, NumberAt(json, std::string("results.") + name));
  return weakest;
}

struct SizeCase {
  std::string project;  // "" for the defaults
  double TN, Tmax, safety, maxLength;
  std::string toleranceClass;
};

// Each candidate reaches the safety in zt6 calc at its length, one millimetre shorter
// it does not (unless that lies below 0.5 D); every size smaller than the first
// candidate fails even at the longest length.
TEST(Zt6SizeCommand, CandidatesAgreeWithCalcAndSmallerSizesFail) {
  const std::vector<SizeCase> cases = {
      {"", 200, 200, 1.0, 2, ""},
      {kExamples + "welle_12x14.zt6", 50, 120, 1.5, 1.5, ""},
      {kExamples + "din5481_17x20.zt6", 900, 1500, 1.25, 2, "grob"},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.project + " TN " + Text(c.TN));
    std::vector<std::string> args = {"size"};
    if (!c.project.empty()) args.push_back(c.project);
    args.insert(args.end(), {"--torque", Text(c.TN), "--peak", Text(c.Tmax), "--safety",
                             Text(c.safety), "--max-length", Text(c.maxLength), "--json"});
    if (!c.toleranceClass.empty()) args.insert(args.end(), {"--class", c.toleranceClass});
    const Zt6Outcome r = RunZt6Command(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const FlatJson json = ReadJson(r.out);
    const int candidates = std::stoi(json.at("candidates").text);
    const int rejected = std::stoi(json.at("rejected").text);
    ASSERT_GT(candidates, 0);
    ASSERT_GT(rejected, 0) << "the case should reject the smallest sizes";
    EXPECT_EQ(candidates + rejected, 27);
    double previousD = 0;
    for (int k = 0; k < candidates; ++k) {
      const std::string at = "candidates." + std::to_string(k) + ".";
      const std::string size = json.at(at + "designation").text;
      const double l = NumberAt(json, at + "l");
      const double D = NumberAt(json, at + "D");
      SCOPED_TRACE(size + " l " + Text(l));
      EXPECT_GE(D, previousD) << "smallest D first";
      previousD = D;
      EXPECT_EQ(l, std::floor(l));
      EXPECT_LE(l, c.maxLength * D);
      EXPECT_GE(WeakestSafety(c.project, size, c.TN, c.Tmax, l, c.toleranceClass), c.safety);
      if (l - 1 >= std::ceil(0.5 * D)) {
        EXPECT_LT(WeakestSafety(c.project, size, c.TN, c.Tmax, l - 1, c.toleranceClass),
                  c.safety);
      }
      // The safeties printed are those of zt6 calc.
      EXPECT_DOUBLE_EQ(std::min({NumberAt(json, at + "safeties.shaft.Seq"),
                                 NumberAt(json, at + "safeties.shaft.Smax"),
                                 NumberAt(json, at + "safeties.hub.Seq"),
                                 NumberAt(json, at + "safeties.hub.Smax")}),
                       WeakestSafety(c.project, size, c.TN, c.Tmax, l, c.toleranceClass));
    }
    for (int k = 0; k < rejected; ++k) {
      const std::string at = "rejected." + std::to_string(k) + ".";
      const std::string size = json.at(at + "designation").text;
      SCOPED_TRACE(size);
      const Zt6Outcome row = RunZt6Command({"calc", "--size", size, "--json"});
      const double D = NumberAt(ReadJson(row.out), "inputs.D");
      const double longest = std::floor(c.maxLength * D + 1e-9);
      EXPECT_LT(WeakestSafety(c.project, size, c.TN, c.Tmax, longest, c.toleranceClass),
                c.safety);
      EXPECT_NE(json.at(at + "reason").text.find("reaches only"), std::string::npos);
    }
  }
}

// A load no size carries: nothing to offer is exit 1, every size rejected with a reason.
TEST(Zt6SizeCommand, ALoadNoSizeCarriesIsRefused) {
  const Zt6Outcome r = RunZt6Command({"size", "--torque", "1e9"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("no size reaches S = 1"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("120x125: hub."), std::string::npos) << r.out;
}

// Every size of the table, as shaft and as hub, is found first from the middle of its
// tip diameter limits and its tooth count; with the pins of the table and the middle
// of the fine limits over (between) them it is found first as well, within the limits.
TEST(Zt6IdentifyCommand, FindsEverySizeFromItsMeanTipDiameterAndTeeth) {
  // Every designation of the table: a tooth count no size has ranks them all alike.
  const FlatJson list = ReadJson(RunZt6Command({"identify", "--teeth", "1", "--json"}).out);
  ASSERT_EQ(std::stoi(list.at("candidates").text), 27);
  std::vector<std::string> sizes;
  {
    for (int k = 0; k < 27; ++k) {
      const std::string size = list.at("candidates." + std::to_string(k) + ".designation").text;
      SCOPED_TRACE(size);
      const FlatJson calc = ReadJson(RunZt6Command({"calc", "--size", size, "--json"}).out);
      const std::string z = Text(NumberAt(calc, "inputs.z"));
      const Zt6Outcome shaft = RunZt6Command(
          {"identify", "--tip", Text(NumberAt(calc, "results.Dee_mean")), "--teeth", z, "--json"});
      ASSERT_EQ(shaft.exitCode, 0) << shaft.err;
      const FlatJson s = ReadJson(shaft.out);
      EXPECT_EQ(s.at("candidates.0.designation").text, size);
      EXPECT_EQ(s.at("candidates.0.tip_in_limits").text, "true");
      EXPECT_EQ(s.at("candidates.0.teeth_match").text, "true");
      // 7x8 and 8x10 share their tooth count: the tip decides.
      EXPECT_LT(NumberAt(s, "candidates.1.score"), NumberAt(s, "candidates.0.score"));

      const FlatJson h = ReadJson(RunZt6Command({"identify", "--hub", "--tip",
                                                 Text(NumberAt(calc, "results.Dii_mean")),
                                                 "--teeth", z, "--json"})
                                      .out);
      EXPECT_EQ(h.at("candidates.0.designation").text, size);

      const double mean = (NumberAt(calc, "results.MRemin") + NumberAt(calc, "results.MRemax")) / 2;
      const FlatJson p = ReadJson(RunZt6Command({"identify", "--over-pins", Text(mean), "--pin",
                                                 Text(NumberAt(calc, "inputs.DRe")), "--json"})
                                      .out);
      EXPECT_EQ(p.at("candidates.0.designation").text, size);
      EXPECT_EQ(p.at("candidates.0.pins_in_limits").text, "true");
      EXPECT_DOUBLE_EQ(NumberAt(p, "candidates.0.pins.fein.miss"), 0);
      sizes.push_back(size);
    }
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(std::unique(sizes.begin(), sizes.end()), sizes.end());
}

// A pin dimension outside the limits says by how much, in both classes.
TEST(Zt6IdentifyCommand, PinsOutsideTheLimitsSayByHowMuch) {
  const FlatJson calc = ReadJson(RunZt6Command({"calc", "--size", "21x24", "--json"}).out);
  const double above = NumberAt(calc, "results.MRemax") + 0.05;
  const FlatJson p = ReadJson(RunZt6Command({"identify", "--tip", "23.5", "--teeth", "34",
                                             "--over-pins", Text(above), "--pin",
                                             Text(NumberAt(calc, "inputs.DRe")), "--json"})
                                  .out);
  EXPECT_EQ(p.at("candidates.0.designation").text, "21x24");
  EXPECT_EQ(p.at("candidates.0.pins_in_limits").text, "false");
  EXPECT_NEAR(NumberAt(p, "candidates.0.pins.fein.miss"), 0.05, 1e-9);
  EXPECT_NEAR(NumberAt(p, "candidates.0.pins.fein.max"), NumberAt(calc, "results.MRemax"), 1e-12);
  EXPECT_GT(NumberAt(p, "candidates.0.pins.grob.miss"), 0.05) << "coarse limits lie lower";
}

// Each line of a sweep is the calc of the same design with that value set; across the
// F beta columns of the tolerance tables (l 10, 20, 50) in database mode, and as a grid
// of two inputs with the second turning fastest.
TEST(Zt6SweepCommand, EveryPointEqualsTheSingleCalculation) {
  struct Case {
    std::string project;
    std::vector<std::string> vary;
    std::vector<std::vector<std::string>> points;  // the --set values of each line
  };
  const std::string din = kExamples + "din5481_17x20.zt6";
  const std::string self = kExamples + "welle_12x14.zt6";
  const std::vector<Case> cases = {
      {din, {"l=8:56:12"}, {{"l=8"}, {"l=20"}, {"l=32"}, {"l=44"}, {"l=56"}}},
      {self, {"TN=10:30:10", "z=30:31:1"},
       {{"TN=10", "z=30"}, {"TN=10", "z=31"}, {"TN=20", "z=30"}, {"TN=20", "z=31"},
        {"TN=30", "z=30"}, {"TN=30", "z=31"}}},
      {din, {"shaft.Re=300:500:100"}, {{"shaft.Re=300"}, {"shaft.Re=400"}, {"shaft.Re=500"}}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"sweep", c.project, "--json"};
    for (const std::string& v : c.vary) args.insert(args.end(), {"--vary", v});
    const Zt6Outcome sweep = RunZt6Command(args);
    ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
    const std::vector<std::string> lines = SplitLines(sweep.out);
    ASSERT_EQ(lines.size(), c.points.size()) << sweep.out;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      std::vector<std::string> calcArgs = {"calc", c.project, "--json"};
      for (const std::string& set : c.points[k]) calcArgs.insert(calcArgs.end(), {"--set", set});
      SCOPED_TRACE(c.points[k][0]);
      const Zt6Outcome calc = RunZt6Command(calcArgs);
      ASSERT_EQ(calc.exitCode, 0) << calc.err;
      EXPECT_EQ(lines[k].find('\n'), std::string::npos);
      const FlatJson point = ReadJson(lines[k]);
      const FlatJson single = ReadJson(calc.out);
      ASSERT_FALSE(point.empty());
      for (const auto& [path, entry] : single) {
        ASSERT_TRUE(point.contains(path)) << path;
        EXPECT_EQ(point.at(path).text, entry.text) << path;
      }
      EXPECT_EQ(point.size(), single.size());
    }
  }
}

// The CSV holds the varied inputs and the chosen results, the same numbers as JSON.
TEST(Zt6SweepCommand, CsvHoldsTheVariedInputsAndChosenResults) {
  const std::string project = kExamples + "din5481_17x20.zt6";
  const Zt6Outcome csv = RunZt6Command({"sweep", project, "--vary", "l=20:30:5", "--vary",
                                        "TN=100:200:100", "--y", "peq,hub.Seq", "--csv"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const std::vector<std::string> lines = SplitLines(csv.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "l,TN,peq,hub.Seq");
  const FlatJson calc =
      ReadJson(RunZt6Command({"calc", project, "--set", "l=25", "--set", "TN=200", "--json"}).out);
  EXPECT_EQ(lines[4], "25,200," + calc.at("results.peq").text + "," +
                          calc.at("results.hub.Seq").text);
}

// Bad input is a usage error naming the problem, before anything is calculated.
TEST(Zt6AssistantCommands, BadInputIsAUsageError) {
  const std::string project = kExamples + "welle_12x14.zt6";
  struct Bad {
    std::vector<std::string> args;
    std::string problem;
  };
  const std::vector<Bad> cases = {
      {{"sweep", project, "--vary", "Lange=1:2:1"}, "unknown name \"Lange\""},
      {{"sweep", project, "--vary", "l=30:20:1"}, "FROM lies above TO"},
      {{"sweep", project, "--vary", "l=10:20:0"}, "STEP must be above 0"},
      {{"sweep", project, "--vary", "l=10:20:-1"}, "STEP must be above 0"},
      {{"sweep", project, "--vary", "l=10:20"}, "FROM:TO:STEP as numbers"},
      {{"sweep", project, "--vary", "TN=0.001:2000:0.001"}, "more than 1,000,000 points"},
      {{"sweep", project, "--vary", "l=1:1000:1", "--vary", "TN=1:1001:1"},
       "more than 1,000,000 points"},
      {{"sweep", project, "--vary", "Deemin=1:2:1"}, "is a result"},
      {{"sweep", project, "--vary", "z=30:31:0.5"}, "whole numbers"},
      {{"sweep", project}, "needs --vary"},
      {{"sweep", project, "--vary", "l=1:2:1", "--y", "Seqq"}, "--y: unknown name \"Seqq\""},
      {{"sweep", project, "--vary", "l=1:2:1", "--json", "--csv"}, "exclude each other"},
      {{"size", "--torque", "0"}, "--torque takes a number above 0"},
      {{"size", "--torque", "-5"}, "--torque takes a number above 0"},
      {{"size", "--torque", "abc"}, "--torque takes a number"},
      {{"size"}, "size needs --torque"},
      {{"size", "--torque", "10", "--max-length", "0.3"}, "0.5 or more"},
      {{"identify"}, "identify needs a measurement"},
      {{"identify", "--json"}, "identify needs a measurement"},
      {{"identify", "--over-pins", "25"}, "--over-pins needs --pin"},
      {{"identify", "--tip", "0"}, "--tip takes a number above 0"},
      {{"identify", "--tip", "20", "--teeth", "2.5"}, "--teeth takes a whole number"},
  };
  for (const Bad& bad : cases) {
    SCOPED_TRACE(bad.args[0] + " " + bad.problem);
    const Zt6Outcome r = RunZt6Command(bad.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(bad.problem), std::string::npos) << r.err;
  }
}

// --plot writes the chart as an SVG document with axis names, units and the legend,
// one curve per value of the second input.
TEST(Zt6SweepCommand, PlotWritesTheChart) {
  test_support::TempDir dir{"zt6_sweep_plot"};
  const std::string svg = (dir.path() / "chart.svg").string();
  const Zt6Outcome r = RunZt6Command({"sweep", kExamples + "din5481_17x20.zt6", "--vary",
                                      "l=10:40:1", "--vary", "TN=100:300:100", "--plot", svg});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "") << "a chart alone prints nothing";
  const std::string text = ReadWholeFile(svg, 1 << 24).bytes;
  EXPECT_TRUE(text.starts_with("<?xml")) << text.substr(0, 80);
  for (const char* label : {"l [mm]", "hub.Seq, TN = 100", "hub.Seq, TN = 300",
                            "shaft.Smax, TN = 200", "S = 1"})
    EXPECT_NE(text.find(label), std::string::npos) << label;
}

}  // namespace
}  // namespace zt6
