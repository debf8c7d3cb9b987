// The project table (Open (Table)) as a user meets it: a cut file among good ones,
// choosing with the mouse and the keyboard, leaving without a choice, Export Excel.

#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/gui_fixture.h"
#include "support/pdf_reading.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::GuiFixture;
using test_support::Shell;
using test_support::WorkbookCells;

class ProjectTableWindowTest : public GuiFixture {
 protected:
  // The folder of the walk: two examples and a copy of 17x20 cut after 12 lines, which
  // sorts right below it. welle_12x14 is the open project.
  void SetUp() override {
    const fs::path examples = fs::path(ZT6_DATA_DIR) / "examples";
    for (const char* name : {"welle_12x14.zt6", "din5481_17x20.zt6"})
      fs::copy_file(examples / name, dir.path() / name);
    std::ifstream whole(examples / "din5481_17x20.zt6", std::ios::binary);
    std::ofstream cut(dir.path() / "din5481_17x20_truncated.zt6", std::ios::binary);
    std::string line;
    for (int i = 0; i < 12 && std::getline(whole, line); ++i) cut << line << '\n';
    cut.close();
    program.recent.entries[0] = (dir.path() / "welle_12x14.zt6").string();
    Run("mi_file1");
    ASSERT_EQ(program.projectName, "welle_12x14");
    openZ_ = program.design.z;
    openD_ = program.design.D;
  }

  static QTableWidget* Grid(QWidget* w) { return w->findChild<QTableWidget*>("StringGrid1"); }
  static int RowOf(QTableWidget* grid, const QString& file) {
    for (int r = 0; r < grid->rowCount(); ++r)
      if (grid->item(r, 0) != nullptr && grid->item(r, 0)->text() == file) return r;
    return -1;
  }
  static QString Cell(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item == nullptr ? QString() : item->text();
  }

  void ExpectTheOpenProjectUntouched() {
    EXPECT_EQ(program.projectName, "welle_12x14");
    EXPECT_EQ(program.design.z, openZ_);
    EXPECT_EQ(program.design.D, openD_);
    EXPECT_FALSE(program.modified);
    EXPECT_TRUE(window->windowTitle().contains("welle_12x14")) << window->windowTitle().toStdString();
  }

  int openZ_ = 0;
  double openD_ = 0;
};

// The cut file's row says why it has no numbers; before, it showed the numbers and
// safeties of the row above it.
TEST_F(ProjectTableWindowTest, AFileThatCannotBeReadShowsItsErrorAndNoNumbers) {
  script.Expect("TForm_preview", [&](QWidget* w) {
    QTableWidget* grid = Grid(w);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 3);
    const int good = RowOf(grid, "din5481_17x20.zt6");
    const int cut = RowOf(grid, "din5481_17x20_truncated.zt6");
    ASSERT_GE(good, 0);
    ASSERT_GE(cut, 0);
    EXPECT_EQ(Cell(grid, good, 5).trimmed(), "33");
    EXPECT_FALSE(Cell(grid, good, 14).trimmed().isEmpty());
    EXPECT_TRUE(Cell(grid, cut, 2).contains("endet vorzeitig nach Zeile 12"))
        << Cell(grid, cut, 2).toStdString();
    for (int c = 4; c < grid->columnCount(); ++c)
      EXPECT_TRUE(Cell(grid, cut, c).trimmed().isEmpty()) << "column " << c << ": "
                                                          << Cell(grid, cut, c).toStdString();
    w->findChild<QAction*>("mi_fileExit")->trigger();
  });
  Run("mi_fileOpenTable");
  ExpectTheOpenProjectUntouched();
}

// A click only selects, Escape / Abbrechen / Exit / the close button leave the project
// that was open; before, a click loaded the row at once and leaving kept the last file
// read (the alphabetically last one) as the open project.
TEST_F(ProjectTableWindowTest, AClickSelectsAndLeavingKeepsTheOpenProject) {
  struct Leave {
    const char* how;
    std::function<void(QWidget*)> action;
  };
  const std::vector<Leave> ways{
      {"Escape", [](QWidget* w) { QTest::keyClick(Grid(w), Qt::Key_Escape); }},
      {"Abbrechen", [](QWidget* w) { test_support::ClickButton(w, "Button_cancel"); }},
      {"Exit", [](QWidget* w) { w->findChild<QAction*>("mi_fileExit")->trigger(); }},
      {"close", [](QWidget* w) { w->close(); }},
  };
  for (const Leave& leave : ways) {
    SCOPED_TRACE(leave.how);
    bool stayedOpen = false;
    script.Expect("TForm_preview", [&](QWidget* w) {
      QTableWidget* grid = Grid(w);
      const int row = RowOf(grid, "din5481_17x20.zt6");
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                        grid->visualItemRect(grid->item(row, 3)).center());
      QApplication::processEvents();
      stayedOpen = w->isVisible();
      EXPECT_EQ(grid->currentRow(), row);
      leave.action(w);
    });
    Run("mi_fileOpenTable");
    EXPECT_TRUE(stayedOpen);
    ExpectTheOpenProjectUntouched();
  }
}

// Double-click, Enter after the arrow keys, and OK each open the chosen row; the table
// comes back afterwards, as it does after every choice.
TEST_F(ProjectTableWindowTest, DoubleClickEnterAndOkChooseTheRow) {
  struct Choice {
    const char* how;
    const char* file;
    std::function<void(QTableWidget*, QWidget*, int)> choose;
  };
  const std::vector<Choice> choices{
      {"double-click", "din5481_17x20.zt6",
       [](QTableWidget* grid, QWidget*, int row) {
         const QPoint at = grid->visualItemRect(grid->item(row, 3)).center();
         QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
         QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
       }},
      {"keyboard", "welle_12x14.zt6",
       [](QTableWidget* grid, QWidget*, int row) {
         grid->setFocus();
         grid->setCurrentCell(0, 0);
         for (int r = 0; r < row; ++r) QTest::keyClick(grid, Qt::Key_Down);
         QTest::keyClick(grid, Qt::Key_Return);
       }},
      {"OK", "din5481_17x20.zt6",
       [](QTableWidget* grid, QWidget* w, int row) {
         grid->setCurrentCell(row, 2);
         test_support::ClickButton(w, "Button_ok");
       }},
  };
  for (const Choice& choice : choices) {
    SCOPED_TRACE(choice.how);
    script.Expect("TForm_preview", [&](QWidget* w) {
      QTableWidget* grid = Grid(w);
      choice.choose(grid, w, RowOf(grid, choice.file));
    });
    QString shownAgain;
    script.Expect("TForm_preview", [&](QWidget* w) {
      shownAgain = window->windowTitle();
      w->findChild<QAction*>("mi_fileExit")->trigger();
    });
    Run("mi_fileOpenTable");
    EXPECT_EQ(program.projectName + ".zt6", choice.file);
    EXPECT_TRUE(shownAgain.contains(QString(choice.file).left(8))) << shownAgain.toStdString();
    EXPECT_FALSE(program.modified);
  }
  EXPECT_EQ(program.design.z, 33);
}

// Export Excel: numbers are numbers in every number column (they were texts whenever
// the number format and the spreadsheet setting used different decimal separators),
// the cut file's error stands in its row, and each export gets a workbook of its own
// named after the folder, never "$$1.xlsx" over one the spreadsheet may still hold.
TEST_F(ProjectTableWindowTest, ExportExcelKeepsNumbersAndWritesAFreshNamedWorkbook) {
  if (Shell("/usr/bin/python3 -c 'import openpyxl'").exitCode != 0)
    GTEST_SKIP() << "python3-openpyxl is not installed";
  program.config.format.decimalSeparator = 1;  // "0.500" in the grid
  script.Expect("TForm_preview", [](QWidget* w) {
    w->findChild<QAction*>("mi_fileExportExcel")->trigger();
    w->findChild<QAction*>("mi_fileExportExcel")->trigger();
    w->findChild<QAction*>("mi_fileExit")->trigger();
  });
  Run("mi_fileOpenTable");
  ASSERT_EQ(launcher.calls.size(), 2u);
  const std::string first = launcher.calls[0].program;
  const std::string second = launcher.calls[1].program;
  EXPECT_NE(first, second);
  const std::string folder = dir.path().filename().string();
  for (const std::string& path : {first, second}) {
    const std::string name = fs::path(path).filename().string();
    EXPECT_EQ(name.find("$$"), std::string::npos) << name;
    EXPECT_NE(name.find(folder), std::string::npos) << name;
    EXPECT_TRUE(fs::exists(path)) << path;
  }
  const std::string cells = WorkbookCells(first);
  // Row 2 is din5481_17x20: z, P, gamma e, D, l, TN, Tmax and the safeties as numbers.
  for (int column : {6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18}) {
    const std::string prefix = "2\t" + std::to_string(column) + "\tn\t";
    EXPECT_NE(cells.find(prefix), std::string::npos) << prefix << "\n" << cells;
  }
  EXPECT_NE(cells.find("3\t1\ts\tdin5481_17x20_truncated.zt6\n"), std::string::npos) << cells;
  EXPECT_NE(cells.find("3\t3\ts\tendet vorzeitig nach Zeile 12"), std::string::npos) << cells;
  EXPECT_EQ(cells.find("3\t6\t"), std::string::npos) << cells;
}

}  // namespace
}  // namespace zt6
