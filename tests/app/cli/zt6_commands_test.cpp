#include "app/cli/zt6_commands.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <numbers>
#include <sstream>

#include "base/number_parse.h"
#include "base/safe_file.h"
#include "support/flat_json.h"
#include "support/json_checks.h"
#include "support/run_zt6.h"
#include "support/table_copy.h"
#include "tables/table_source.h"

namespace zt6 {
namespace {

using test_support::FlatJson;
using test_support::JsonEntry;
using test_support::NumberAt;
using test_support::ReadJson;

using Outcome = test_support::Zt6Outcome;

Outcome RunCommand(const std::vector<std::string>& args) {
  return test_support::RunZt6Command(args);
}

// A self-defined 12 x 14 serration with a load, as a script would give it.
std::vector<std::string> SelfDefined(std::initializer_list<std::string> more) {
  std::vector<std::string> args = {"calc", "--json"};
  for (const char* set : {"dimension_source=2", "Dii=12", "Dee=14,2", "D=13.2", "z=31",
                          "l=26.4", "TGi=0.04", "TGe=0.04", "TN=50", "Tmax=100"}) {
    args.insert(args.end(), {"--set", set});
  }
  for (const std::string& arg : more) args.push_back(arg);
  return args;
}

TEST(Zt6Fit, PrintsLimitsAndSignedDeviations) {
  struct Case {
    const char* size;
    const char* code;
    const char* expected;
  };
  const Case cases[] = {
      {"12", "A11",
       "lower limit: 12.2900 mm\nupper limit: 12.4000 mm\n"
       "lower deviation: +290 µm\nupper deviation: +400 µm\n"},
      {"12,0", "h7",
       "lower limit: 11.9820 mm\nupper limit: 12.0000 mm\n"
       "lower deviation: -18 µm\nupper deviation: 0 µm\n"},
      {"12", "js1",
       "lower limit: 11.9994 mm\nupper limit: 12.0006 mm\n"
       "lower deviation: -0.6 µm\nupper deviation: +0.6 µm\n"},
  };
  for (const Case& c : cases) {
    const Outcome r = RunCommand({"fit", c.size, c.code});
    EXPECT_EQ(r.exitCode, 0) << c.code;
    EXPECT_EQ(r.out, c.expected) << c.code;
    EXPECT_EQ(r.err, "") << c.code;
  }
}

TEST(Zt6Fit, RefusedDesignationPrintsOnlyTheMessage) {
  const Outcome r = RunCommand({"fit", "12", "Q11"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_FALSE(r.err.empty());
}

TEST(Zt6Fit, BadArgumentsAreUsageErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"fit", "12"}, {"fit", "12", "A11", "x"}, {"fit", "twelve", "A11"}}) {
    const Outcome r = RunCommand(args);
    EXPECT_EQ(r.exitCode, 2) << args.size() << " " << args[1];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: zt6"), std::string::npos);
  }
}

TEST(Zt6Calc, SelfDefinedDesignAsJson) {
  const Outcome r = RunCommand(SelfDefined({"--set", "designation=Größe 12x14", "--set",
                                     "shaft.name=Stahl für Wellen 123456"}));
  ASSERT_EQ(r.exitCode, 0) << r.err << r.out;
  const FlatJson json = ReadJson(r.out);
  EXPECT_EQ(json.at("").text, "4");
  EXPECT_EQ(NumberAt(json, "inputs.dimension_source"), 2);
  EXPECT_EQ(NumberAt(json, "inputs.Dee"), 14.2);
  EXPECT_EQ(NumberAt(json, "inputs.z"), 31);
  EXPECT_EQ(NumberAt(json, "inputs.hub.Re"), 230);
  // The per-part values sit in their own objects, not in dotted keys.
  EXPECT_EQ(json.at("inputs.shaft").kind, JsonEntry::Kind::Object);
  EXPECT_EQ(json.at("results.hub").kind, JsonEntry::Kind::Object);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.Diimin"), 12.29);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.P"), std::numbers::pi * 13.2 / 31);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.Teq"), 50);
  EXPECT_GT(NumberAt(json, "results.shaft.pzul"), 1);
  // Texts go in as UTF-8, are kept in CP850 cut to the field width and come back as UTF-8.
  EXPECT_EQ(json.at("inputs.designation").text, "Größe 12x14");
  EXPECT_EQ(json.at("inputs.shaft.name").text, "Stahl für Wellen 1");
  EXPECT_EQ(json.at("messages").kind, JsonEntry::Kind::Array);
  for (int k = 0; k < std::stoi(json.at("messages").text); ++k) {
    EXPECT_NE(json.at("messages." + std::to_string(k)).text.rfind("Fatal", 0), 0u);
  }
  EXPECT_EQ(json.at("fatal").text, "false");
}

TEST(Zt6Calc, ReadsAProjectFileAndAppliesSetsOnTop) {
  const std::string example = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";
  const Outcome r = RunCommand({"calc", example, "--json", "--set", "TN=60"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const FlatJson json = ReadJson(r.out);
  EXPECT_EQ(NumberAt(json, "inputs.Dee"), 14.2);
  EXPECT_EQ(NumberAt(json, "inputs.z"), 31);
  EXPECT_EQ(json.at("inputs.shaft.name").text, "16MnCr5");
  EXPECT_EQ(NumberAt(json, "inputs.TN"), 60);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.P"), std::numbers::pi * 13 / 31);

  for (const std::string& bad : {std::string("/nonexistent/x.zt6"), std::string(ZT6_DATA_DIR)}) {
    const Outcome refused = RunCommand({"calc", bad});
    EXPECT_EQ(refused.exitCode, 1) << bad;
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find(bad), std::string::npos);
  }
}

// Record `row` (1-based) of a shipped table's CSV source, as numbers.
std::vector<double> SourceRow(const std::string& table, int row) {
  const FileContent csv = ReadWholeFile(std::string(ZT6_DATA_DIR) + "/tables/" + table + ".csv", 1 << 20);
  const TableSource source = ParseTableSource(csv.bytes);
  EXPECT_TRUE(source.ok) << table << ": " << source.error;
  std::vector<double> values;
  if (!source.ok || static_cast<int>(source.records.size()) < row) return values;
  for (const std::string& text : source.records[static_cast<std::size_t>(row - 1)])
    values.push_back(ParseReal(text));
  return values;
}

TEST(Zt6Calc, DatabaseModeProjectCalculatesFromTheShippedTables) {
  const std::string example = std::string(ZT6_DATA_DIR) + "/examples/din5481_17x20.zt6";
  const Outcome fine = RunCommand({"calc", example, "--json", "--tables", test_support::TableFolderCopy()});
  ASSERT_EQ(fine.exitCode, 0) << fine.err;
  EXPECT_EQ(fine.err, "");
  const FlatJson json = ReadJson(fine.out);
  const int row = static_cast<int>(NumberAt(json, "inputs.table_row"));
  ASSERT_EQ(row, 6);
  const std::vector<double> size = SourceRow("din5481", row);
  const std::vector<double> totals = SourceRow("zt6tol", row);
  const std::vector<double> shaft = SourceRow("zt6f1f", row);
  const std::vector<double> coarse = SourceRow("zt6f1g", row);
  const std::vector<double> hub = SourceRow("zt6f2f", row);
  ASSERT_TRUE(size.size() >= 9 && totals.size() >= 5 && shaft.size() >= 6 && coarse.size() >= 6 &&
              hub.size() >= 6);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.Dii"), size[1]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.Dee"), size[2]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.D"), size[3]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.z"), size[4]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.gamma_e"), size[5] == 0 ? 60 : size[5]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.TGi"), totals[1]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.TGe"), totals[2]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.DRi"), totals[3]);
  EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.DRe"), totals[4]);
  // The example's width of 37 mm takes F beta from the column up to 50 mm.
  ASSERT_EQ(NumberAt(json, "inputs.l"), 37);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.F_alpha_shaft"), shaft[1] * 0.001);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.F_p_shaft"), shaft[2] * 0.001);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.F_beta_shaft"), shaft[5] * 0.001);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.F_alpha_hub"), hub[1] * 0.001);
  EXPECT_DOUBLE_EQ(NumberAt(json, "results.F_beta_hub"), hub[5] * 0.001);
  EXPECT_GT(NumberAt(json, "results.Fr"), 0);

  // Class "grob": the coarse shaft table, and the tooth thickness tolerance doubled.
  const Outcome grob = RunCommand(
      {"calc", example, "--json", "--tables", test_support::TableFolderCopy(), "--set", "tolerance_class=2"});
  ASSERT_EQ(grob.exitCode, 0) << grob.err;
  const FlatJson coarseJson = ReadJson(grob.out);
  EXPECT_DOUBLE_EQ(NumberAt(coarseJson, "inputs.TGe"), 2 * totals[2]);
  EXPECT_DOUBLE_EQ(NumberAt(coarseJson, "inputs.TGi"), totals[1]);
  EXPECT_DOUBLE_EQ(NumberAt(coarseJson, "results.F_alpha_shaft"), coarse[1] * 0.001);

  // Without the tables the run says which file is missing and does not claim success.
  const Outcome missing = RunCommand({"calc", example, "--json", "--tables", "/nonexistent"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("nicht gefunden oder kein Zugriffsrecht"), std::string::npos)
      << missing.err;
}

TEST(Zt6Calc, FatalRunStillPrintsAndExitsWithThree) {
  // The hub's tip diameter above the pitch diameter: in range, but no serration.
  const Outcome json = RunCommand(SelfDefined({"--set", "Dii=13.5"}));
  EXPECT_EQ(json.exitCode, 3);
  const FlatJson read = ReadJson(json.out);
  EXPECT_EQ(read.at("fatal").text, "true");
  bool found = false;
  for (int k = 0; k < std::stoi(read.at("messages").text); ++k) {
    found = found || read.at("messages." + std::to_string(k)).text == "Fatal  : D <= Dii !";
  }
  EXPECT_TRUE(found) << json.out;

  // The readable listing carries the same facts; the initial design has no dimensions.
  const Outcome listing = RunCommand({"calc"});
  EXPECT_EQ(listing.exitCode, 3);
  EXPECT_NE(listing.out.find("\nDii = 0\n"), std::string::npos) << listing.out;
  EXPECT_NE(listing.out.find("\nshaft.Re = 1050\n"), std::string::npos);
  EXPECT_NE(listing.out.find("[results]\n"), std::string::npos);
  EXPECT_NE(listing.out.find("[messages]\nFatal  : Dii =0 !\n"), std::string::npos);
}

TEST(Zt6Calc, BadArgumentsAreRefusedBeforeAnyRun) {
  struct Case {
    std::vector<std::string> args;
    const char* inMessage;
  };
  const Case cases[] = {
      {{"calc", "--set", "Dx=1"}, "Dx"},
      {{"calc", "--set", "Diimin=1"}, "result"},
      {{"calc", "--set", "z=1.5"}, "whole number"},
      {{"calc", "--set", "dimension_source=3"}, "from 1 to 2"},
      {{"calc", "--set", "Dii=abc"}, "Dii"},
      {{"calc", "--set", "Dii"}, "NAME=VALUE"},
      {{"calc", "--set"}, "NAME=VALUE"},
      {{"calc", "--csv"}, "--csv"},
      {{"report"}, "needs a project file"},
      {{"report", "a.zt6", "b.zt6"}, "one project file"},
      {{"report", "a.zt6", "--format", "docx"}, "docx"},
      {{"report", "a.zt6", "--pages", "2-3"}, "--pages"},
      {{"report", "a.zt6", "--format", "pdf", "--pages", "3-2"}, "--pages"},
      {{"cad", "a.zt6", "--drawing", "6", "--orientation", "landscape"}, "--orientation"},
      {{"cad", "a.zt6", "--drawing", "6", "--format", "pdf", "--orientation", "up"}, "up"},
      {{"report", "a.zt6", "--language", "3"}, "--language"},
      {{"report", "a.zt6", "-o"}, "needs a value"},
      {{"cad", "design.zt6"}, "cad needs --drawing N"},
      {{"frobnicate"}, "frobnicate"},
      {{}, "usage"},
  };
  for (const Case& c : cases) {
    const Outcome r = RunCommand(c.args);
    EXPECT_EQ(r.exitCode, 2) << c.inMessage;
    EXPECT_EQ(r.out, "") << c.inMessage;
    EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
  }
  EXPECT_EQ(RunCommand({"help"}).exitCode, 0);
  EXPECT_NE(RunCommand({"help"}).out.find("zt6 fit 12 A11"), std::string::npos);
}

TEST(Zt6Process, FitThroughTheExecutable) {
  const std::string command = std::string(ZT6_ZT6_EXE) + " fit 12 A11 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  std::array<char, 512> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(out,
            "lower limit: 12.2900 mm\nupper limit: 12.4000 mm\n"
            "lower deviation: +290 µm\nupper deviation: +400 µm\n");
}

}  // namespace
}  // namespace zt6
