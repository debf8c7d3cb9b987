// Files the desktop hands to the user or names to them: each carries the project's
// name, none is written over with other content, a path keeps its case.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <filesystem>

#include "gui/table_editor_window.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"
#include "support/pdf_reading.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::GuiFixture;
using test_support::Shell;

class UserFilesTest : public GuiFixture {};

// Printout -> Excel twice: two workbooks named after the project, each naming itself in
// its header; before, both were "$$1.xlsx"-style names and the header said "$$$1.txt".
TEST_F(UserFilesTest, PrintoutToExcelGivesANewWorkbookNamedAfterTheProject) {
  if (Shell("/usr/bin/python3 -c 'import openpyxl'").exitCode != 0)
    GTEST_SKIP() << "python3-openpyxl is not installed";
  fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples" / "welle_12x14.zt6", dir.path() / "welle_12x14.zt6");
  program.recent.entries[0] = (dir.path() / "welle_12x14.zt6").string();
  Run("mi_file1");
  Run("mi_OlePrintoutExcel");
  Run("mi_OlePrintoutExcel");
  ASSERT_EQ(launcher.calls.size(), 2u);
  const std::vector<std::string> expected{"welle_12x14_Ausdruck.xlsx", "welle_12x14_Ausdruck_2.xlsx"};
  for (std::size_t i = 0; i < 2; ++i) {
    const fs::path workbook = launcher.calls[i].program;
    EXPECT_EQ(workbook.filename(), expected[i]);
    const std::string cells = test_support::WorkbookCells(workbook);
    EXPECT_NE(cells.find("2\t1\ts\t" + workbook.string() + "\n"), std::string::npos) << cells;
    EXPECT_EQ(cells.find("$$"), std::string::npos) << cells;
  }
}

// The table editor's Export HTML names the chosen file as chosen; it upper-cased the
// path ("/TMP/WALK/DIN5481.HTM"), which names no file on Linux.
TEST_F(UserFilesTest, ExportHtmlKeepsTheCaseOfThePath) {
  const fs::path table = dir.path() / "Teile.dbf";
  test_support::WriteTable(table, {{"NAME", 'C', 6, 0}}, {{"Welle"}});
  program.table.DbfUsePath(table.string());
  const fs::path page = dir.path() / "Walk" / "din5481.htm";
  fs::create_directories(page.parent_path());
  script.Expect("Tdbf4", [&](QWidget* w) {
    window->TableEditor().mi_fileExportHtmlClick();
    test_support::ClickButton(w, "Button_cancel");
  });
  script.Expect("QFileDialog", [page](QWidget* w) {
    w->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(page.string()));
    static_cast<QDialog*>(qobject_cast<QFileDialog*>(w))->accept();
  });
  window->TableEditor().DbfSetTitles("", "Teile");
  window->TableEditor().DbfShow("", false);
  EXPECT_TRUE(script.Done());
  const std::string html = test_support::FileBytes(page);
  EXPECT_NE(html.find("<P>" + page.string() + "</P>"), std::string::npos) << html;
}

}  // namespace
}  // namespace zt6
