// The calculation report of the 17x20 example from the standard table in its three
// forms. The text form (German, rule style 2, 66 lines per page, header on every page,
// as the text window gets it) is compared byte for byte with a report checked by hand
// column by column; the HTML form is read by Python's HTML parser and must hold one
// table row per row of the tab-separated form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <filesystem>
#include <fstream>

#include "app/commands/report_output.h"
#include "app/files/project_io.h"
#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "report/calculation_report.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/flat_json.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(ZT6_DATA_DIR) / ".." / "tests" / "app" / "golden" /
                         "din5481_17x20_de_style2.txt";

// The report in the form of the device, as the writer builds it.
std::string ReportOfTheExample(int device) {
  Program program;
  program.config.dbfFolder = Utf8ToCp850(test_support::TableFolderCopy());
  program.config.temporaryFolder = Utf8ToCp850(fs::temp_directory_path().string());
  ScriptedUi ui;
  Prompts prompts(ui, program.shell, program.config.format);
  TableAccess access(program.table, prompts, program.config, program.work);
  DatabaseTables tables(access);
  ReadProject(program, prompts, tables, std::string(ZT6_DATA_DIR) + "/examples/din5481_17x20.zt6");
  EXPECT_FALSE(program.shell.cancel);
  program.projectDirectory = "/home/konstruktion/zt6";
  program.projectName = "din5481_17x20";

  ReportPageInfo info = ReportPageInfoOf(program, test_support::LocalTime(2024, 3, 5, 9, 5));
  info.ownerText = Oem("Konstruktion Getriebebau, Prüffeld 3");

  ReportWriter& writer = program.report;
  writer.SetHeader(CalculationReportHeader(program.design, program.words, "1.5"), 0);
  writer.SetColumns(CalculationReportColumns(program.words));
  writer.Begin(device, "$OUT1.TMP", ReportSettingsOf(program.config), info);
  writer.PageHeader(0, 0);
  EXPECT_TRUE(WriteCalculationReportPages(writer, program.design, program.words,
                                          program.config.format, RunRemarks(program)));
  writer.Finish();
  return writer.Output();
}

std::size_t Count(const std::string& text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

TEST(CalculationReportGolden, MatchesTheCheckedReport) {
  const std::string report = Cp850ToUtf8(ReportOfTheExample(1));
  if (std::getenv("ZT6_WRITE_GOLDEN") != nullptr) {
    std::ofstream(kGolden, std::ios::binary) << report;
    GTEST_FAIL() << kGolden << " written: check it by hand before committing";
  }
  EXPECT_EQ(report, test_support::FileBytes(kGolden));
}

TEST(CalculationReportForms, HtmlHoldsOneTableRowPerTabSeparatedRow) {
  // Rows of four and five values in the tab-separated form.
  std::map<std::size_t, int> tabRows;
  const std::string tabs = ReportOfTheExample(6);
  for (std::size_t start = 0, end; (end = tabs.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    const std::size_t fields = Count(tabs.substr(start, end - start), '\t') + 1;
    if (fields >= 4) ++tabRows[fields];
  }
  ASSERT_EQ(tabRows[4], 21 + 1 + 16);  // dimensions, run-out, strength
  ASSERT_EQ(tabRows[5], 20 + 3 + 5 + 3);  // tolerances, deviations, materials, factors

  const test_support::TempDir dir("zt6_report_forms");
  const fs::path page = dir.path() / "report.htm";
  std::ofstream(page, std::ios::binary) << ReportOfTheExample(7);
  const std::string script = std::string(ZT6_DATA_DIR) + "/../tests/app/html_structure.py";
  const std::string command = "/usr/bin/python3 '" + script + "' '" + page.string() + "' 2>&1";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
  }
  const auto json = test_support::FlatJsonReader::Read(out);
  ASSERT_TRUE(json.has_value()) << out;
  EXPECT_EQ(json->at("problems").text, "0") << out;
  EXPECT_EQ(json->at("rows.4").text, std::to_string(tabRows[4]));
  EXPECT_EQ(json->at("rows.5").text, std::to_string(tabRows[5]));
  EXPECT_EQ(json->count("rows.1"), 0u) << "no one-cell rows without run messages";
  // A five-column row without an open table opens one with the headings: shaft and hub
  // tolerances, deviations, material number and strength values.
  EXPECT_EQ(json->at("heading_rows").text, "5");
  EXPECT_EQ(json->at("charset").text, "windows-1252");
  // Umlauts arrive as themselves through the declared code page.
  bool umlaut = false;
  for (const auto& [key, entry] : *json)
    if (key.rfind("texts.", 0) == 0 && entry.text == "Zähnezahl") umlaut = true;
  EXPECT_TRUE(umlaut);
}

}  // namespace
}  // namespace zt6
