// The table editor and pick window on small tables: pick mode hides deleted records and
// the editing controls, close-on-choice takes the record under the cursor, edits reach
// the file, Append copies the current record, search and sort keep their records.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include "gui/table_editor_window.h"
#include "support/gui_fixture.h"
#include "support/table_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;

class TableEditorTest : public test_support::GuiFixture {
 protected:
  // Ten records "R1".."R10" with a number; record 5 flagged deleted.
  void OpenTable() {
    const auto file = dir.path() / "parts.dbf";
    std::vector<std::vector<std::string>> records;
    for (int i = 1; i <= 10; ++i) {
      records.push_back({"R" + std::to_string(i), "teil nummer " + std::to_string(i),
                         std::to_string(i * 10)});
    }
    test_support::WriteTable(file, {{"NAME", 'C', 6, 0}, {"TEXT", 'C', 20, 0}, {"WERT", 'N', 6, 1}},
                             records);
    program.table.DbfUsePath(file.string());
    program.table.DbfGo(5);
    program.table.DbfDelete(true);
    program.table.DbfGo(1);
  }
  gui::TableEditorWindow& editor() { return window->TableEditor(); }
  QTableView* Grid() { return editor().findChild<QTableView*>("DBGrid1"); }
};

TEST_F(TableEditorTest, PickModeHidesDeletedRecordsAndTheEditingControls) {
  OpenTable();
  int rows = 0;
  script.Expect("Tdbf4", [&](QWidget* w) {
    rows = Grid()->model()->rowCount();
    EXPECT_FALSE(w->findChild<QWidget*>("nbInsert")->isVisible());
    EXPECT_TRUE(w->findChild<QWidget*>("nbNext")->isVisible());
    EXPECT_FALSE(w->findChild<QMenu*>("mi_edit")->menuAction()->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "Teile   ");
    Grid()->setCurrentIndex(Grid()->model()->index(4, 1));  // the fifth row shown: R6
    ClickButton(w, "Button_ok");
  });
  EXPECT_EQ(ui.PickRow("Teile", program.table, PickMode::Choose), PickResult::Chosen);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(rows, 9);
  EXPECT_EQ(program.table.DbfRecNo(), 6);
  EXPECT_FALSE(program.shell.cancel);

  script.Expect("Tdbf4", [&](QWidget* w) {
    rows = Grid()->model()->rowCount();
    EXPECT_TRUE(w->findChild<QWidget*>("nbInsert")->isVisible());
    EXPECT_TRUE(w->windowTitle().contains("parts.dbf"));
    ClickButton(w, "Button_cancel");
  });
  EXPECT_EQ(ui.PickRow("Teile", program.table, PickMode::Browse), PickResult::Cancelled);
  EXPECT_EQ(rows, 10);
  EXPECT_TRUE(program.shell.cancel);
}

TEST_F(TableEditorTest, CloseOnChoiceTakesTheRecordBeforeTheCursorMoves) {
  OpenTable();
  program.table.DbfGo(4);
  script.Expect("Tdbf4", [&](QWidget*) { QTest::keyClick(Grid(), Qt::Key_Down); });
  editor().DbfSetTitles("", "Teile");
  EXPECT_EQ(editor().DbfShow("CLOSE", true), PickResult::Chosen);
  EXPECT_EQ(editor().ChosenRecord(), 4);
  EXPECT_EQ(editor().Key(), 13);
}

TEST_F(TableEditorTest, EditsAppendSortAndSearchWorkOnTheTable) {
  OpenTable();
  program.table.DbfGo(3);
  script.Expect("Tdbf4", [&](QWidget* w) {
    // A typed cell reaches the record; Append copies the current record to the end.
    QAbstractItemModel* model = Grid()->model();
    EXPECT_TRUE(model->setData(model->index(2, 1), QString::fromUtf8("geändert"), Qt::EditRole));
    Grid()->setCurrentIndex(model->index(2, 0));
    editor().mi_editAppendClick();
    EXPECT_EQ(model->rowCount(), 11);
    // Sorting by the text column keeps the current record.
    Grid()->setCurrentIndex(model->index(1, 0));
    editor().SortByColumn(1);
    EXPECT_EQ(program.table.DbfRecNo(), 2);
    // The search asks for its text and finds it in lower case inside a longer value.
    ClickButton(w, "Button_search");
    EXPECT_EQ(program.table.DbfRecNo(), 7);
    ClickButton(w, "Button_cancel");
  });
  script.Expect("Tin_textdialog", [](QWidget* w) {
    test_support::Type(w, "EditEinText", "NUMMER 7");
    ClickButton(w, "Button_ok");
  });
  editor().DbfSetTitles("", "Teile");
  editor().DbfShow("", false);
  EXPECT_TRUE(script.Done());

  program.table.DbfGo(3);
  EXPECT_EQ(Cp1252ToUtf8(program.table.DbfField(2)).substr(0, 9), "geändert");
  program.table.DbfGo(11);
  EXPECT_EQ(program.table.DbfField(1).substr(0, 2), "R3");
  EXPECT_EQ(Cp1252ToUtf8(program.table.DbfField(2)).substr(0, 9), "geändert");
}

}  // namespace
}  // namespace zt6
