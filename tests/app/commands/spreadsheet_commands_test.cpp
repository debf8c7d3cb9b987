// The spreadsheet commands: which cells the workbooks get, where they are written,
// and the messages when a workbook cannot be written or opened.

#include "app/commands/spreadsheet_commands.h"

#include <gtest/gtest.h>

#include "app/files/project_io.h"
#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "calc/calculation_run.h"
#include "app/ports/recording_launcher.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/designs.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

class RecordingWorkbooks : public Workbooks {
 public:
  std::string Write(const std::string& path, const WorkbookSheet& sheet) override {
    paths.push_back(path);
    sheets.push_back(sheet);
    return problem;
  }
  std::vector<std::string> paths;
  std::vector<WorkbookSheet> sheets;
  std::string problem;  // what every write reports
};

TEST(SpreadsheetCell, WholeNumbersInTheConfiguredDecimalSeparatorAreNumbers) {
  struct Case {
    const char* text;
    int separator;
    std::optional<double> number;
  };
  const Case cases[] = {
      {"   31", 2, 31},          {"13,800", 2, 13.8},     {"13.800", 1, 13.8},
      {"-0,025 ", 2, -0.025},   {"1,5E-3", 2, 0.0015},   {"13.800", 2, std::nullopt},
      {"1,2,3", 2, std::nullopt}, {"12x14", 2, std::nullopt}, {"A11", 1, std::nullopt},
      {"", 2, std::nullopt},    {"-", 2, std::nullopt},  {"1E", 1, std::nullopt},
  };
  for (const Case& c : cases) {
    const WorkbookCell cell = SpreadsheetCell(c.text, c.separator);
    EXPECT_EQ(cell.number.has_value(), c.number.has_value()) << c.text;
    if (c.number && cell.number) {
      EXPECT_DOUBLE_EQ(*cell.number, *c.number) << c.text;
    }
    EXPECT_EQ(cell.text, c.text);
  }
}

TEST(SpreadsheetSheets, DosLinesBecomeRowsOfWindowsTexts) {
  const WorkbookSheet report =
      TabSeparatedSheet(Oem("Zähnezahl\tz\t\t   31\r\n\r\nMaß\r\n"), 2, false);
  ASSERT_EQ(report.size(), 3u);
  ASSERT_EQ(report[0].size(), 4u);
  EXPECT_EQ(report[0][0].text, "Zähnezahl");
  EXPECT_FALSE(report[0][0].number);
  EXPECT_EQ(report[0][2].text, "");
  EXPECT_EQ(report[0][3].number, 31);
  EXPECT_EQ(report[2][0].text, "Maß");

  // The project file: every line a text in column 1, numbers too.
  const WorkbookSheet project = ProjectFileSheet(Oem("ZT6\r\n12,5\r\nGröße\r\n"), false);
  ASSERT_EQ(project.size(), 3u);
  EXPECT_EQ(project[1].size(), 1u);
  EXPECT_FALSE(project[1][0].number);
  EXPECT_EQ(project[2][0].text, "Größe");
}

class SpreadsheetCommands : public ::testing::Test {
 protected:
  SpreadsheetCommands() {
    program.projectDirectory = dir.path().string() + "/";
    program.config.temporaryFolder = Utf8ToCp850(dir.path().string());
    program.config.dbfFolder = Utf8ToCp850(test_support::TableFolderCopy());
    program.design = test_support::SelfDefined12x14();
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    CalculationRun(program.design, program.messages, tables);
  }
  test_support::TempDir dir{"zt6_spreadsheet"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingWorkbooks workbooks;
  RecordingLauncher launcher;
};

TEST_F(SpreadsheetCommands, StartNeedsASavedProject) {
  EXPECT_FALSE(StartSpreadsheet(program, prompts, workbooks, launcher));
  ASSERT_EQ(ui.Of("message").size(), 1u);
  EXPECT_EQ(ui.Of("message")[0].text,
            "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")");
  // A name whose file is gone.
  program.projectName = "fehlt";
  EXPECT_FALSE(StartSpreadsheet(program, prompts, workbooks, launcher));
  EXPECT_EQ(ui.Of("message").back().text, "File not found. Use \"File->Save\"");
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_TRUE(workbooks.paths.empty());
  EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(SpreadsheetCommands, TheProjectFileGoesIntoAWorkbookThatIsOpened) {
  WriteProject(program, prompts, "welle");
  ASSERT_FALSE(program.shell.cancel);
  ASSERT_TRUE(StartSpreadsheet(program, prompts, workbooks, launcher));
  ASSERT_EQ(workbooks.paths.size(), 1u);
  EXPECT_EQ(workbooks.paths[0], (dir.path() / "welle.xlsx").string());
  EXPECT_GT(workbooks.sheets[0].size(), 10u);
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_TRUE(launcher.calls[0].open);
  EXPECT_EQ(launcher.calls[0].program, workbooks.paths[0]);

  // Export saves a modified project first; a cancelled save stops it.
  int saves = 0;
  program.modified = true;
  EXPECT_FALSE(ExportToSpreadsheet(program, prompts, workbooks, launcher, [&] {
    ++saves;
    program.shell.cancel = true;
  }));
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(workbooks.paths.size(), 1u);
  program.modified = false;
  EXPECT_TRUE(ExportToSpreadsheet(program, prompts, workbooks, launcher, [&] { ++saves; }));
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(workbooks.paths.size(), 2u);
}

TEST_F(SpreadsheetCommands, FailuresSayExcelCannotStartWithTheReasonOrTheWorkbook) {
  WriteProject(program, prompts, "welle");
  workbooks.problem = "/nirgends/welle.xlsx: Permission denied";
  EXPECT_FALSE(StartSpreadsheet(program, prompts, workbooks, launcher));
  EXPECT_EQ(ui.Of("message").back().text,
            "Excel kann nicht gestartet werden\r\n/nirgends/welle.xlsx: Permission denied");
  EXPECT_TRUE(launcher.calls.empty());

  workbooks.problem.clear();
  launcher.succeed = false;
  EXPECT_FALSE(ReportToSpreadsheet(program, prompts, workbooks, launcher));
  const std::string workbook = (dir.path() / "welle_Ausdruck.xlsx").string();
  EXPECT_EQ(ui.Of("message").back().text, "Excel kann nicht gestartet werden\r\n" + workbook);
  ASSERT_EQ(workbooks.paths.size(), 2u);
  EXPECT_EQ(workbooks.paths[1], workbook);
  EXPECT_EQ(program.report.fileCounter, 1);
}

TEST_F(SpreadsheetCommands, TheReportArrivesAsTextsAndNumbers) {
  ASSERT_TRUE(ReportToSpreadsheet(program, prompts, workbooks, launcher));
  bool teeth = false;
  for (const auto& row : workbooks.sheets.at(0)) {
    if (row.size() >= 4 && row[0].text == "Zähnezahl") {
      teeth = true;
      EXPECT_EQ(row[3].number, 31);
    }
  }
  EXPECT_TRUE(teeth);
}

}  // namespace
}  // namespace zt6
