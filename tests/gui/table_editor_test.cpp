// The table editor and pick window on small tables: pick mode hides deleted records and
// the editing controls, close-on-choice takes the record under the cursor, edits reach
// the file, Append copies the current record, search and sort keep their records.
// Typed values reach the file only when posted (row left, OK, navigator post), values a
// field cannot hold are refused, deleted rows look deleted, and the exports never
// write over the open table.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <functional>

#include "base/blanks.h"
#include "gui/table_editor_window.h"
#include "support/file_bytes.h"
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

  // The shipped tables copied into the test's folder, so edits land there.
  std::filesystem::path CopyShippedTables() {
    const auto folder = dir.path() / "tables";
    std::filesystem::copy(ZT6_TABLE_DIR, folder);
    program.config.dbfFolder = Utf8ToCp850(folder.string());
    return folder;
  }
  // Double-clicks a cell and types into the editor that opens, as a user does.
  QLineEdit* TypeIntoCell(int row, int column, const QString& text) {
    const QModelIndex index = Grid()->model()->index(row, column);
    const QPoint at = Grid()->visualRect(index).center();
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (cell == nullptr) return nullptr;
    QTest::keyClicks(cell, text);
    return cell;
  }
  static void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
    QCoreApplication::processEvents();  // the cell editor hands its text over queued
  }
  QString Shown(int row, int column) {
    return Grid()->model()->index(row, column).data().toString();
  }
  // The next window is a message; its text is kept.
  void ExpectMessage(std::vector<std::string>& texts) {
    script.Expect("MessageBox", [&texts](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      texts.push_back(box->text().toStdString());
      box->accept();
    });
  }
};

// Field n of record k as the file holds it now, read by a table object of its own.
std::string InFile(const std::filesystem::path& file, std::int64_t record, int field) {
  RunMessages messages;
  CurrentTable table(messages);
  table.DbfUsePath(file.string());
  table.DbfGo(record);
  return std::string(TrimBlanks(table.DbfField(field)));
}

// The first record whose field 1 holds text; 0 when none does.
std::int64_t RecordNamed(const std::filesystem::path& file, const std::string& text) {
  RunMessages messages;
  CurrentTable table(messages);
  table.DbfUsePath(file.string());
  for (std::int64_t k = 1; k <= table.DbfRecCount(); ++k) {
    table.DbfGo(k);
    if (TrimBlanks(table.DbfField(1)) == text) return k;
  }
  return 0;
}

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

// Database -> Material, RE of the first material typed as 999: which further steps post
// it to the file and which drop it.
TEST_F(TableEditorTest, ATypedValueReachesTheFileOnlyWhenPosted) {
  const auto table = CopyShippedTables() / "wst1base.dbf";
  const std::string before = InFile(table, 1, 6);
  ASSERT_NE(before, "999");
  struct Case {
    const char* steps;
    std::function<void(QWidget*, QLineEdit*)> then;
    bool posted;
  };
  const Case cases[] = {
      {"no Enter, Abbrechen",
       [](QWidget* w, QLineEdit*) { ClickButton(w, "Button_cancel"); }, false},
      {"Enter, Abbrechen",
       [&](QWidget* w, QLineEdit* cell) {
         PressEnter(cell);
         EXPECT_EQ(Shown(0, 5), "999");  // shown, but still pending
         EXPECT_EQ(InFile(table, 1, 6), before);
         ClickButton(w, "Button_cancel");
       },
       false},
      {"Enter, Esc",
       [this](QWidget*, QLineEdit* cell) {
         PressEnter(cell);
         QTest::keyClick(Grid(), Qt::Key_Escape);
       },
       false},
      {"Enter, navigator cancel, OK",
       [this](QWidget* w, QLineEdit* cell) {
         PressEnter(cell);
         ClickButton(w, "nbCancel");
         EXPECT_NE(Shown(0, 5), "999");
         ClickButton(w, "Button_ok");
       },
       false},
      {"no Enter, navigator cancel, OK",
       [](QWidget* w, QLineEdit*) {
         ClickButton(w, "nbCancel");
         ClickButton(w, "Button_ok");
       },
       false},
      {"Enter, next row, Abbrechen",
       [this](QWidget* w, QLineEdit* cell) {
         PressEnter(cell);
         QTest::keyClick(Grid(), Qt::Key_Down);
         ClickButton(w, "Button_cancel");
       },
       true},
      {"no Enter, navigator next, Abbrechen",
       [](QWidget* w, QLineEdit*) {
         ClickButton(w, "nbNext");
         ClickButton(w, "Button_cancel");
       },
       true},
      {"Enter, navigator post, Abbrechen",
       [](QWidget* w, QLineEdit* cell) {
         PressEnter(cell);
         ClickButton(w, "nbPost");
         ClickButton(w, "Button_cancel");
       },
       true},
      {"no Enter, OK",
       [](QWidget* w, QLineEdit*) { ClickButton(w, "Button_ok"); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    std::filesystem::copy_file(std::filesystem::path(ZT6_TABLE_DIR) / "wst1base.dbf", table,
                               std::filesystem::copy_options::overwrite_existing);
    script.Expect("Tdbf4", [&](QWidget* w) {
      QLineEdit* cell = TypeIntoCell(0, 5, "999");
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(cell->text(), "999");
      c.then(w, cell);
      if (w->isVisible()) ClickButton(w, "Button_cancel");  // a failed step still ends
    });
    Run("mi_dbfmaterial");
    EXPECT_EQ(InFile(table, 1, 6), c.posted ? "999" : before);
  }
}

// DIN 5481, z of 12x14 typed as "abc" and Enter: refused with a message naming the field,
// the record keeps its value also after OK.
TEST_F(TableEditorTest, LettersInANumberFieldAreRefused) {
  const auto table = CopyShippedTables() / "din5481.dbf";
  const std::int64_t record = RecordNamed(table, "12x14");
  ASSERT_NE(record, 0);
  const std::string z = InFile(table, record, 5);
  std::vector<std::string> messages;
  script.Expect("Tdbf4", [&](QWidget* w) {
    const int row = static_cast<int>(record) - 1;
    ASSERT_EQ(Shown(row, 0), "12x14");
    const QString shown = Shown(row, 4);
    QLineEdit* cell = TypeIntoCell(row, 4, "abc");
    ASSERT_NE(cell, nullptr);
    PressEnter(cell);
    EXPECT_EQ(Shown(row, 4), shown);
    ClickButton(w, "Button_ok");
  });
  ExpectMessage(messages);
  Run("mi_dbfDin5481");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Z (N 3)"), std::string::npos) << messages[0];
  EXPECT_NE(messages[0].find("abc"), std::string::npos) << messages[0];
  EXPECT_EQ(InFile(table, record, 5), z);
}

// The editor keeps the size it was left at (before, each opening scaled it again and it
// grew); its Hilfebild shows the image in a window of its own and leaves the main
// drawing as it was (before, it drew into the covered drawing area and left it black).
TEST_F(TableEditorTest, KeepsItsSizeAndShowsTheHelpImageInItsOwnWindow) {
  CopyShippedTables();
  // The drawing's lines in world units: a redraw for a settling window size keeps them.
  const auto lines = [this] {
    std::vector<std::string> drawn;
    for (const std::string& r : program.drawing.Records())
      if (r.rfind("4;", 0) == 0) drawn.push_back(r);
    return drawn;
  };
  const std::vector<std::string> drawingBefore = lines();
  ASSERT_FALSE(drawingBefore.empty());
  std::vector<QSize> sizes;
  int imagePixels = 0;
  for (int opening = 0; opening < 4; ++opening) {
    script.Expect("Tdbf4", [&, opening](QWidget* w) {
      sizes.push_back(w->size());
      if (opening == 1) {
        program.shell.helpNumber = 5005;  // the profile image
        script.Expect("TForm_helppicture", [&imagePixels](QWidget* image) {
          const QImage shot = image->findChild<QWidget*>("HelpImage")->grab().toImage();
          const QRgb background = shot.pixel(0, 0);
          for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) imagePixels += shot.pixel(x, y) != background;
          ClickButton(image, "Button_ok");
        });
        w->findChild<QAction*>("mi_helphilfebild")->trigger();
      }
      ClickButton(w, "Button_ok");
    });
    Run("mi_dbfDin5481");
  }
  ASSERT_EQ(sizes.size(), 4u);
  for (const QSize& size : sizes) EXPECT_EQ(size, sizes.front());
  EXPECT_GT(imagePixels, 200);
  EXPECT_EQ(lines(), drawingBefore);
  EXPECT_TRUE(script.unexpected.empty());
}

// The editor's menus follow the menu language through the caption table.
TEST_F(TableEditorTest, MenusFollowTheMenuLanguage) {
  CopyShippedTables();
  Run("mi_helplanguageenglisch");
  QStringList titles;
  script.Expect("Tdbf4", [&titles](QWidget* w) {
    for (const char* name : {"mi_File", "mi_edit", "mi_view", "mi_Help"})
      titles << w->findChild<QMenu*>(name)->title();
    titles << w->findChild<QAction*>("mi_fileExit")->text();
    ClickButton(w, "Button_ok");
  });
  Run("mi_dbfDin5481");
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Help", "E&xit"}));
}

// Values each field type cannot hold are refused naming the field; values it can hold pass.
TEST_F(TableEditorTest, TypedValuesAreCheckedAgainstTheirField) {
  const auto file = dir.path() / "checks.dbf";
  test_support::WriteTable(file,
                           {{"NAME", 'C', 6, 0}, {"WERT", 'N', 6, 1}, {"ANZ", 'N', 3, 0},
                            {"FAKTOR", 'F', 8, 2}, {"DATUM", 'D', 8, 0}},
                           {{"R1", "10.0", "12", "1.50", "20240105"}});
  program.table.DbfUsePath(file.string());
  struct Case {
    int column;
    const char* typed;
    const char* stored;  // empty: refused, the field keeps its value
  };
  const Case cases[] = {
      {1, "abc", ""},         {1, "12x", ""},          {1, "1.25", ""},
      {1, "99999", ""},       {2, "abc", ""},          {2, "12.5", ""},
      {2, "1234", ""},        {3, "zwei", ""},         {3, "0.125", ""},
      {4, "20241340", ""},    {4, "2024-01-01", ""},   {4, "20230229", ""},
      {0, "SIEBEN7", ""},     {1, "12,5", "12.5"},     {2, " 28 ", "28"},
      {3, "2.5e1", "25.00"},  {4, "20240229", "20240229"}, {0, "R1neu", "R1neu"},
  };
  std::vector<std::string> messages;
  script.Expect("Tdbf4", [&](QWidget* w) {
    QAbstractItemModel* model = Grid()->model();
    for (const Case& c : cases) {
      SCOPED_TRACE(c.typed);
      const QString shown = Shown(0, c.column);
      const std::size_t shownMessages = messages.size();
      const bool taken = model->setData(model->index(0, c.column), c.typed, Qt::EditRole);
      if (*c.stored != '\0') {
        EXPECT_TRUE(taken);
        continue;
      }
      EXPECT_FALSE(taken);
      EXPECT_EQ(Shown(0, c.column), shown);
      ASSERT_EQ(messages.size(), shownMessages + 1);  // said at once, naming field and text
      EXPECT_NE(messages.back().find(program.table.DbfFieldName(c.column + 1) + " ("),
                std::string::npos)
          << messages.back();
      EXPECT_NE(messages.back().find(c.typed), std::string::npos) << messages.back();
    }
    ClickButton(w, "Button_ok");
  });
  for (const Case& c : cases) {
    if (*c.stored == '\0') ExpectMessage(messages);
  }
  editor().DbfSetTitles("", "Prüfung");
  editor().DbfShow("", false);
  EXPECT_TRUE(script.Done());
  program.table.DbfClose();
  for (const Case& c : cases) {
    if (*c.stored == '\0') continue;
    EXPECT_EQ(InFile(file, 1, c.column + 1), c.stored) << c.typed;
  }
}

// A record deleted with the navigator is shown struck through and grey, restored it
// looks as before.
TEST_F(TableEditorTest, DeletedRecordsLookDeleted) {
  OpenTable();
  auto deleted = [this](int row) {
    const QModelIndex index = Grid()->model()->index(row, 1);
    return index.data(Qt::FontRole).value<QFont>().strikeOut() &&
           index.data(Qt::ForegroundRole).isValid();
  };
  script.Expect("Tdbf4", [&](QWidget* w) {
    EXPECT_TRUE(deleted(4));  // record 5 came deleted
    EXPECT_FALSE(deleted(1));
    EXPECT_FALSE(Grid()->model()->index(1, 1).data(Qt::ForegroundRole).isValid());
    Grid()->setCurrentIndex(Grid()->model()->index(1, 1));
    ClickButton(w, "nbDelete");
    EXPECT_TRUE(deleted(1));
    ClickButton(w, "nbDelete");
    EXPECT_FALSE(deleted(1));
    ClickButton(w, "Button_cancel");
  });
  editor().DbfSetTitles("", "Teile");
  editor().DbfShow("", false);
  EXPECT_TRUE(script.Done());
}

// Save As Delimited and Export HTML refuse the open table's own file and ask before they
// replace another existing file.
TEST_F(TableEditorTest, ExportsNeverWriteOverTheOpenTable) {
  OpenTable();
  const auto table = dir.path() / "parts.dbf";
  const auto other = dir.path() / "liste.txt";
  {
    std::ofstream(other) << "alt";
  }
  const std::string tableBytes = test_support::FileBytes(table);
  auto choose = [this](const std::filesystem::path& file) {
    script.Expect("QFileDialog", [file](QWidget* w) {
      auto* name = w->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromStdString(file.string()));  // typed as a whole path
      auto* dialog = static_cast<QDialog*>(qobject_cast<QFileDialog*>(w));
      dialog->accept();
      if (dialog->isVisible()) dialog->reject();  // the name was not taken
    });
  };
  std::vector<std::string> refusals;
  auto answer = [this](QMessageBox::StandardButton button) {
    script.Expect("YesNoCancel", [button](QWidget* w) {
      qobject_cast<QMessageBox*>(w)->button(button)->click();
    });
  };
  std::string afterNo;
  script.Expect("Tdbf4", [&](QWidget* w) {
    editor().mi_fileSaveAsDelimitedClick();
    editor().mi_fileExportHtmlClick();
    editor().mi_fileSaveAsDelimitedClick();
    afterNo = test_support::FileBytes(other);
    editor().mi_fileSaveAsDelimitedClick();
    ClickButton(w, "Button_cancel");
  });
  choose(table);
  ExpectMessage(refusals);
  choose(table);
  ExpectMessage(refusals);
  choose(other);
  answer(QMessageBox::No);
  choose(other);
  answer(QMessageBox::Yes);
  editor().DbfSetTitles("", "Teile");
  editor().DbfShow("", false);
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();
  EXPECT_EQ(test_support::FileBytes(table), tableBytes);
  ASSERT_EQ(refusals.size(), 2u);
  for (const std::string& text : refusals)
    EXPECT_NE(text.find("parts.dbf"), std::string::npos) << text;
  EXPECT_EQ(afterNo, "alt");
  EXPECT_EQ(test_support::FileBytes(other).substr(0, 4), "\"R1\"");
  EXPECT_TRUE(launcher.calls.empty());
}

}  // namespace
}  // namespace zt6
