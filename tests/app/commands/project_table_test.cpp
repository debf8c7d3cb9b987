// The project table of "Open (Table)": every project file of the folder read,
// calculated and shown as one row.

#include "app/commands/project_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/lookups/size_lookup.h"
#include "app/lookups/table_access.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/table_copy.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

// Two examples, one from the standard table and one self-defined, beside a file that
// is no project; both dated 5 March 2024 at noon.
struct ProjectFolder {
  ProjectFolder() {
    for (const char* name : {"welle_12x14.zt6", "din5481_17x20.zt6"}) {
      const fs::path file = dir.Write(
          name, test_support::FileBytes(std::string(ZT6_DATA_DIR) + "/examples/" + name));
      using namespace std::chrono;
      const sys_time<seconds> noon = sys_days{2024y / March / 5} + 12h;
      fs::last_write_time(file, file_clock::from_sys(noon));
    }
    dir.Write("notizen.txt", "keine Projektdatei");
    program.config.dbfFolder = Utf8ToCp850(test_support::TableFolderCopy());
    program.config.temporaryFolder = Utf8ToCp850(fs::temp_directory_path().string());
    program.projectDirectory = dir.path().string();
  }

  Rows Read() {
    return ProjectTableRows(program, prompts, tables,
                            [this](const std::string& file) { progress.push_back(file); });
  }

  test_support::TempDir dir{"zt6_project_table"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  TableAccess access{program.table, prompts, program.config, program.work};
  DatabaseTables tables{access};
  std::vector<std::string> progress;
};

TEST(ProjectTable, OneRowPerProjectFileWithTheFixedFormats) {
  ProjectFolder folder;
  folder.program.shell.cancel = true;  // left over from before: every read clears it
  const Rows rows = folder.Read();
  EXPECT_EQ(folder.progress, (std::vector<std::string>{"din5481_17x20.zt6", "welle_12x14.zt6"}));
  ASSERT_EQ(rows.size(), 2u);
  // Safeties as in the checked calculation report of the 17x20 example.
  const std::vector<std::string> din{
      "din5481_17x20.zt6", "2024/03/05", "W-17-020", "N-17-020", "17x20", " 33",
      "  1.761", " 60.00", " 18.50", " 37.0", "  150.0", "  380.0", "16MnCr5", "C45E",
      " 23.10", " 16.68", " 13.41", "  9.68"};
  EXPECT_EQ(rows[0], din);
  // P = pi * 13 / 31 = 1.3174.
  const std::vector<std::string> head{"welle_12x14.zt6", "2024/03/05", "W-12-014", "N-12-014",
                                      "12x14", " 31", "  1.317", " 60.00", " 13.00", " 26.0",
                                      "   50.0", "  120.0", "16MnCr5", "EN-GJL-250"};
  EXPECT_EQ(std::vector<std::string>(rows[1].begin(), rows[1].begin() + 14), head);
  EXPECT_EQ(rows[1].size(), 18u);
  EXPECT_FALSE(folder.program.shell.cancel);
  // Listing reads no file into the open project: it keeps its name and design.
  EXPECT_EQ(folder.program.projectName, "");
  EXPECT_EQ(folder.program.design.z, DesignRecord{}.z);

  const std::vector<std::string> headings = ProjectTableHeadings(folder.program);
  ASSERT_EQ(headings.size(), 18u);
  EXPECT_EQ(headings[4], "Profil");
  EXPECT_EQ(headings[6], "P [mm]");
  EXPECT_EQ(headings[7], "gamma e [°]");
  EXPECT_EQ(headings[10], "TN [Nm]");
}

TEST(ProjectTable, EnglishUnitsShiftThePlacesOfLengthsAndTorques) {
  ProjectFolder folder;
  folder.program.config.format.units = UnitSystem::English;
  folder.program.words.Load(2);
  const Rows rows = folder.Read();
  ASSERT_EQ(rows.size(), 2u);
  // Lengths: one integer place fewer, one decimal more; torques the other way round.
  // P 1.7612 mm = 0.0693 in, D 18.5 mm = 0.728 in, l 37 mm = 1.46 in,
  // TN 150 Nm = 1327.6 lbf in, Tmax 380 Nm = 3363.3 lbf in.
  EXPECT_EQ(rows[0][6], " 0.0693");
  EXPECT_EQ(rows[0][7], " 60.00");
  EXPECT_EQ(rows[0][8], " 0.728");
  EXPECT_EQ(rows[0][9], " 1.46");
  EXPECT_EQ(rows[0][10], "  1328");
  EXPECT_EQ(rows[0][11], "  3363");
  EXPECT_EQ(rows[0][14], " 23.10");  // safeties have no unit
  const std::vector<std::string> headings = ProjectTableHeadings(folder.program);
  EXPECT_EQ(headings[4], "profile");
  EXPECT_EQ(headings[8], "D [in]");
  EXPECT_EQ(headings[11], "Tmax [lbfin]");
}

// A file that cannot be read gets a row with its error and no numbers, never the values
// of the file read before it; no message box stops the listing.
TEST(ProjectTable, AFileThatCannotBeReadShowsItsErrorInItsRow) {
  ProjectFolder folder;
  const std::string whole =
      test_support::FileBytes(std::string(ZT6_DATA_DIR) + "/examples/din5481_17x20.zt6");
  std::size_t end = 0;
  for (int line = 0; line < 12; ++line) end = whole.find('\n', end) + 1;
  folder.dir.Write("din5481_17x20_cut.zt6", whole.substr(0, end));
  folder.dir.Write("kaputt.zt6", "kein Inhalt\r\n");
  const Rows rows = folder.Read();
  ASSERT_EQ(rows.size(), 4u);
  struct Case {
    std::size_t row;
    const char* file;
    const char* problem;
  };
  for (const Case& c : {Case{1, "din5481_17x20_cut.zt6", "endet vorzeitig nach Zeile 12"},
                        Case{2, "kaputt.zt6", "keine gültige Projektdatei"}}) {
    SCOPED_TRACE(c.file);
    ASSERT_EQ(rows[c.row].size(), 18u);
    EXPECT_EQ(rows[c.row][0], c.file);
    EXPECT_EQ(rows[c.row][2], c.problem);
    for (std::size_t column = 3; column < 18; ++column) EXPECT_EQ(rows[c.row][column], "");
  }
  EXPECT_EQ(rows[3][0], "welle_12x14.zt6");
  EXPECT_TRUE(folder.ui.Of("message").empty());
  EXPECT_FALSE(folder.program.shell.cancel);
}

// The workbook of Export Excel: numbers in the number columns read with the table's
// separator, texts elsewhere even when they look like numbers.
TEST(ProjectTable, ExportSheetKeepsNumbersAndTexts) {
  ProjectFolder folder;
  folder.program.config.format.decimalSeparator = 2;
  std::vector<std::vector<std::string>> cells{ProjectTableHeadings(folder.program)};
  cells.push_back({"a.zt6", "2024/03/05", "0815", "N-1", "12x14", " 31", "  1,234", " 30,00",
                   " 13,50", " 27,0", "  150,0", "  380,0", "16MnCr5", "42", "  1,50", "  2,25",
                   "  1,10", "  1,90"});
  const WorkbookSheet sheet = ProjectTableSheet(cells, folder.program.config.format);
  ASSERT_EQ(sheet.size(), 2u);
  EXPECT_FALSE(sheet[0][5].number);  // the heading "z"
  for (std::size_t c : {0, 1, 2, 3, 4, 12, 13}) {
    EXPECT_FALSE(sheet[1][c].number) << c;
    EXPECT_EQ(sheet[1][c].text, cells[1][c]);
  }
  const std::vector<double> numbers{31, 1.234, 30, 13.5, 27, 150, 380};
  for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(sheet[1][5 + i].number, numbers[i]);
  EXPECT_EQ(sheet[1][17].number, 1.9);
}

}  // namespace
}  // namespace zt6
