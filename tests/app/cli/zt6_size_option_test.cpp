// --size, --class and --set on zt6 calc, report and cad: the DIN 5481 row taken as the
// dimensions dialog takes it, for every row of the shipped table.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/number_parse.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "support/flat_json.h"
#include "support/json_checks.h"
#include "support/run_zt6.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"
#include "tables/table_source.h"

namespace zt6 {
namespace {

using test_support::FlatJson;
using test_support::JsonEntry;
using test_support::NumberAt;
using test_support::ReadJson;
using test_support::RunZt6Command;
using test_support::Zt6Outcome;

// The records of a shipped table's CSV source, as texts.
std::vector<std::vector<std::string>> SourceRecords(const std::string& table) {
  const FileContent csv =
      ReadWholeFile(std::string(ZT6_DATA_DIR) + "/tables/" + table + ".csv", 1 << 20);
  const TableSource source = ParseTableSource(csv.bytes);
  EXPECT_TRUE(source.ok) << table << ": " << source.error;
  return source.records;
}

std::vector<std::string> Messages(const FlatJson& json) {
  std::vector<std::string> texts;
  const auto count = json.find("messages");
  if (count == json.end()) return texts;
  for (int k = 0; k < std::stoi(count->second.text); ++k)
    texts.push_back(json.at("messages." + std::to_string(k)).text);
  return texts;
}

class Zt6Size : public ::testing::Test {
 protected:
  // No configuration in reach: report and cad read zt6.cfg like wzt6.
  void SetUp() override { setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1); }

  test_support::TempDir dir{"zt6_size"};
  const std::string tables = test_support::TableFolderCopy();
  const std::string example12 = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";
};

// Every row, both classes, on a new design: the row's dimensions, its tolerance row,
// the dialog's width proposal 2 D, and a run without interference or fatal message.
TEST_F(Zt6Size, EveryRowOfTheTableCalculatesInBothClasses) {
  const auto sizes = SourceRecords("din5481");
  const auto totals = SourceRecords("zt6tol");
  ASSERT_EQ(sizes.size(), 27u);
  ASSERT_EQ(totals.size(), sizes.size());
  for (std::size_t k = 0; k < sizes.size(); ++k) {
    const std::vector<std::string>& row = sizes[k];
    for (const std::string toleranceClass : {"fein", "grob"}) {
      SCOPED_TRACE(row[0] + " " + toleranceClass);
      const Zt6Outcome r = RunZt6Command(
          {"calc", "--size", row[0], "--class", toleranceClass, "--json", "--tables", tables});
      ASSERT_EQ(r.exitCode, 0) << r.err;
      EXPECT_EQ(r.err, "");
      const FlatJson json = ReadJson(r.out);
      EXPECT_EQ(json.at("inputs.designation").text, row[0]);
      EXPECT_EQ(NumberAt(json, "inputs.dimension_source"), 1);
      EXPECT_EQ(NumberAt(json, "inputs.table_row"), static_cast<double>(k + 1));
      EXPECT_EQ(NumberAt(json, "inputs.tolerance_class"), toleranceClass == "grob" ? 2 : 1);
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.Dii"), ParseReal(row[1]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.Dee"), ParseReal(row[2]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.D"), ParseReal(row[3]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.z"), ParseReal(row[4]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.gamma_e"), ParseReal(row[5]));
      // A tabled root radius is taken; where the table has none the run computes it.
      if (ParseReal(row[7]) > 0) {
        EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.re_max"), ParseReal(row[7]));
      } else {
        EXPECT_GT(NumberAt(json, "inputs.re_max"), 0);
      }
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.l"), 2 * ParseReal(row[3]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.TGi"), ParseReal(totals[k][1]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.TGe"),
                       (toleranceClass == "grob" ? 2 : 1) * ParseReal(totals[k][2]));
      EXPECT_DOUBLE_EQ(NumberAt(json, "inputs.DRi"), ParseReal(totals[k][3]));
      EXPECT_EQ(json.at("fatal").text, "false");
      for (const std::string& message : Messages(json)) {
        EXPECT_EQ(message.find("Dii < DFe"), std::string::npos) << message;
        EXPECT_EQ(message.find("Dee > DFi"), std::string::npos) << message;
      }
    }
  }
}

// On a project: the row replaces the dimensions, the project's width and load stay,
// and --set comes last whatever the order on the command line.
TEST_F(Zt6Size, SizeReplacesTheProjectsDimensionsAndSetComesLast) {
  const Zt6Outcome project = RunZt6Command({"calc", example12, "--json", "--tables", tables});
  ASSERT_EQ(project.exitCode, 0) << project.err;
  const FlatJson before = ReadJson(project.out);
  ASSERT_EQ(NumberAt(before, "inputs.dimension_source"), 2);

  const Zt6Outcome sized = RunZt6Command({"calc", example12, "--set", "TN=77", "--size",
                                          "21X24", "--json", "--tables", tables});
  ASSERT_EQ(sized.exitCode, 0) << sized.err;
  const FlatJson after = ReadJson(sized.out);
  EXPECT_EQ(after.at("inputs.designation").text, "21x24");
  EXPECT_EQ(NumberAt(after, "inputs.dimension_source"), 1);
  EXPECT_DOUBLE_EQ(NumberAt(after, "inputs.D"), 22);
  EXPECT_DOUBLE_EQ(NumberAt(after, "inputs.z"), 34);
  EXPECT_DOUBLE_EQ(NumberAt(after, "inputs.l"), NumberAt(before, "inputs.l"));
  EXPECT_EQ(NumberAt(after, "inputs.TN"), 77);
  EXPECT_EQ(after.at("inputs.shaft.name").text, before.at("inputs.shaft.name").text);

  // A length set on the command line wins over the project's and the proposal.
  const Zt6Outcome width = RunZt6Command(
      {"calc", "--size", "21x24", "--set", "l=30", "--json", "--tables", tables});
  ASSERT_EQ(width.exitCode, 0) << width.err;
  EXPECT_DOUBLE_EQ(NumberAt(ReadJson(width.out), "inputs.l"), 30);
}

// An unknown size is refused by every command with the list of the table's sizes.
TEST_F(Zt6Size, UnknownSizeIsRefusedWithTheListOfSizes) {
  const auto sizes = SourceRecords("din5481");
  const std::vector<std::vector<std::string>> commands = {
      {"calc", "--size", "21x25"},
      {"calc", example12, "--size", "21x25", "--json"},
      {"report", "--size", "21x25"},
      {"cad", example12, "--drawing", "1", "--size", "21x25"},
  };
  for (std::vector<std::string> args : commands) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    args.insert(args.end(), {"--tables", tables});
    const Zt6Outcome r = RunZt6Command(args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("unknown size \"21x25\""), std::string::npos) << r.err;
    for (const auto& row : sizes) EXPECT_NE(r.err.find(" " + row[0]), std::string::npos) << row[0];
  }
  // Without a size table there is no list to give.
  const Zt6Outcome missing = RunZt6Command({"calc", "--size", "21x24", "--tables", "/nonexistent"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no DIN 5481 size table"), std::string::npos) << missing.err;
  // A class that does not exist is a usage error.
  EXPECT_EQ(RunZt6Command({"calc", "--size", "21x24", "--class", "mittel"}).exitCode, 2);
}

// The value column of the report line that holds `symbol` ("TGe"), as a number.
double ReportValue(const std::string& report, const std::string& symbol) {
  for (const std::string& line : SplitLines(report)) {
    const std::size_t at = line.find(" " + symbol + " ");
    if (at == std::string::npos) continue;
    const std::size_t unit = line.find("mm", at);
    if (unit != std::string::npos) return ParseReal(line.substr(unit + 2));
  }
  ADD_FAILURE() << "no line with " << symbol;
  return 0;
}

// report and cad with --size need no project file; the size shows in what they write.
TEST_F(Zt6Size, ReportAndCadOfANewDesignOfThatSize) {
  std::string reports[2];
  for (const int k : {0, 1}) {
    const Zt6Outcome report = RunZt6Command({"report", "--size", "45x50", "--class",
                                             k == 0 ? "fein" : "grob", "--tables", tables});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    reports[k] = report.out;
  }
  EXPECT_NE(reports[0].find("45x50"), std::string::npos);
  EXPECT_EQ(reports[0].find(".zt6"), std::string::npos);  // no file, so no file name
  EXPECT_DOUBLE_EQ(ReportValue(reports[0], "D"), 47.5);
  EXPECT_DOUBLE_EQ(ReportValue(reports[0], "l"), 95);  // the width proposal 2 D
  // The coarse class doubles the tooth thickness tolerance of the tolerance row.
  EXPECT_GT(ReportValue(reports[0], "TGe"), 0);
  EXPECT_NEAR(ReportValue(reports[1], "TGe"), 2 * ReportValue(reports[0], "TGe"), 0.0015);

  const Zt6Outcome cad = RunZt6Command({"cad", "--size", "12x14", "--drawing", "5", "--format",
                                        "txt", "--tables", tables});
  ASSERT_EQ(cad.exitCode, 0) << cad.err;
  EXPECT_TRUE(cad.out.starts_with("MINMAX\t"));
  EXPECT_NE(cad.out.find("12x14"), std::string::npos);

  // Without --size a file is still needed.
  EXPECT_EQ(RunZt6Command({"report", "--class", "grob"}).exitCode, 2);
}

}  // namespace
}  // namespace zt6
