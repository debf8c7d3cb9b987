// The main window driven through its menu and the real dialogs: a new design typed in,
// materials picked from the table, the unit switches, Cancel, and the close query.

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTableView>
#include <QTableWidget>

#include "app/commands/menu_captions.h"
#include "app/files/project_file.h"
#include "calc/calculation_run.h"
#include "gui/dbf_table_model.h"
#include "gui/drawing_view.h"
#include "support/drawn_texts.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"
#include "support/scoped_environment.h"

namespace zt6 {
namespace {

using test_support::ClickButton;
using test_support::TextOf;
using test_support::Type;

// Chooses a row of the pick window and confirms it; notes the material number shown.
test_support::ModalScript::Action PickRow(int row, QString& shownNumber) {
  return [row, &shownNumber](QWidget* window) {
    auto* grid = window->findChild<QTableView*>("DBGrid1");
    ASSERT_NE(grid, nullptr);
    ASSERT_GT(grid->model()->rowCount(), row);
    grid->setCurrentIndex(grid->model()->index(row, 0));
    shownNumber = grid->model()->index(row, 0).data().toString();
    ClickButton(window, "Button_ok");
  };
}

// The summary after a calculation: a message box, or the message list left with OK.
void CloseSummary(test_support::ModalScript& script) {
  script.Expect("MessageBox|Tin_radiodialog|Tin_codedialog", [](QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
      box->accept();
    } else {
      ClickButton(window, "Button_ok");
    }
  });
}

class MainWindowTest : public test_support::GuiFixture {
 protected:
  std::string ProjectText() const {
    return ProjectFileText(program.design, program.docs, program.config.format);
  }
  // Opens the bundled 12x14 example as if from the command line.
  void OpenExample() {
    const std::string source = std::string(ZT6_DATA_DIR) + "/examples/welle_12x14.zt6";
    std::filesystem::copy_file(source, dir.path() / "welle_12x14.zt6");
    program.recent.entries[0] = (dir.path() / "welle_12x14.zt6").string();
    Run("mi_file1");
    ASSERT_EQ(program.projectName, "welle_12x14");
  }
};

TEST_F(MainWindowTest, NewRecalculationTypedDimensionsPickedMaterialsAndLoad) {
  QString shaftNumber, hubNumber;
  script.Expect("Tin_radiodialog", [](QWidget* w) {
    ClickButton(w, "RadioButton_2");  // "Nachrechnung"
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_uni5", [](QWidget* w) {
    Type(w, "Edit_zeichname1", QString::fromUtf8("Welle Getriebe Süd"));
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_zt6abm", [](QWidget* w) {
    ClickButton(w, "RadioGroup_abm2");  // self-defined
    Type(w, "Edit_name", "12x14");
    Type(w, "Edit_d1", "12");
    Type(w, "Edit_d3", "14,2");  // a comma reads as the decimal point
    Type(w, "Edit_d5", "13");
    Type(w, "Edit_z", "31");
    Type(w, "Edit_beta", "60");
    Type(w, "Edit_tgi", "0.04");
    ClickButton(w, "Button_tge");  // TGe takes the text of TGi
    Type(w, "Edit_l", "26");
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_ztwst", [](QWidget* w) {
    ClickButton(w, "Button1");
    ClickButton(w, "Button2");
    ClickButton(w, "Button_ok");
  });
  script.Expect("Tdbf4", PickRow(0, shaftNumber));
  script.Expect("Tdbf4", PickRow(1, hubNumber));
  script.Expect("TForm_zt4last", [](QWidget* w) {
    ClickButton(w, "RadioGroup13");  // TN computed from P and n
    Type(w, "Edit_p", "10");
    Type(w, "Edit_n", "1000");
    ClickButton(w, "Button_tmax");
    ClickButton(w, "Button_ka");
    ClickButton(w, "Button_ok");
  });
  CloseSummary(script);
  Run("mi_fileNew");

  const DesignRecord& d = program.design;
  EXPECT_EQ(Cp850ToUtf8(d.drawing.shaftName1), "Welle Getriebe Süd");
  EXPECT_EQ(d.dimensionSource, DimensionSource::SelfDefined);
  EXPECT_EQ(d.designation, "12x14");
  EXPECT_DOUBLE_EQ(d.Dii, 12.0);
  EXPECT_DOUBLE_EQ(d.Dee, 14.2);
  EXPECT_DOUBLE_EQ(d.D, 13.0);
  EXPECT_EQ(d.z, 31);
  EXPECT_DOUBLE_EQ(d.TGi, 0.04);
  EXPECT_DOUBLE_EQ(d.TGe, 0.04);
  EXPECT_DOUBLE_EQ(d.l, 26.0);
  EXPECT_EQ(Cp850ToUtf8(d.material[0].number), shaftNumber.trimmed().toStdString());
  EXPECT_EQ(Cp850ToUtf8(d.material[1].number), hubNumber.trimmed().toStdString());
  EXPECT_NE(d.material[0].Re, 0);
  EXPECT_NEAR(d.TN, 10 * 60000 / (1000 * 2 * 3.14159265358979), 0.05);  // as shown, 3 digits
  EXPECT_NEAR(d.Tmax, 3 * d.TN, 0.05);  // from the TN field, through its own field
  EXPECT_DOUBLE_EQ(d.KA, 1.0);
  EXPECT_TRUE(program.modified);

  // The record was calculated: the dimension over pins of the hand-worked 12x14 geometry
  // (tests/calc/calculation_run_test.cpp, WorkedExampleGeometry), and the shaft's safety
  // Re * fS * fH * fW / peq from the picked material's yield strength.
  EXPECT_NEAR(d.MReV, 14.2256106, 1e-7);
  const Material& shaft = d.material[0];
  ASSERT_GT(d.peq, 0);
  EXPECT_NEAR(shaft.Seq, shaft.Re * shaft.fS * shaft.fH * d.fW / d.peq, 1e-9);

  // The Quick drawing (the default result graphic) is on the screen, with the designation.
  const auto& records = program.drawing.Records();
  ASSERT_FALSE(records.empty());
  EXPECT_TRUE(std::any_of(records.begin(), records.end(),
                          [](const std::string& r) { return r.find("12x14") != std::string::npos; }));
  EXPECT_EQ(window->windowTitle().toStdString(), "ZT6  -  Kerbverzahnung DIN 5481");
}

TEST_F(MainWindowTest, UnitSwitchThereAndBackLeavesEveryDialogsRecordUnchanged) {
  OpenExample();
  const DesignRecord before = program.design;
  script.Expect("TForm_zt6abm", [](QWidget* w) {
    const QString dii = TextOf(w, "Edit_d1");
    ClickButton(w, "Button_metric");
    EXPECT_NE(TextOf(w, "Edit_d1"), dii);  // now in inches
    ClickButton(w, "Button_metric");
    EXPECT_EQ(TextOf(w, "Edit_d1").toDouble(), dii.toDouble());
    ClickButton(w, "Button_ok");
  });
  Run("mi_editabmessungen");
  script.Expect("TForm_ztwst", [](QWidget* w) {
    ClickButton(w, "Button_metric");
    EXPECT_TRUE(w->findChild<QLabel*>("Label_plim1")->text().endsWith("psi"));
    ClickButton(w, "Button_metric");
    ClickButton(w, "Button_ok");
  });
  Run("mi_EditMaterial");
  script.Expect("TForm_zt4last", [](QWidget* w) {
    ClickButton(w, "Button_metric");
    ClickButton(w, "Button_metric");
    ClickButton(w, "Button_ok");
  });
  Run("mi_editLast");

  const DesignRecord& d = program.design;
  EXPECT_EQ(program.config.format.units, UnitSystem::Metric);
  for (const auto& [name, was, is] :
       {std::tuple{"Dii", before.Dii, d.Dii}, {"Dee", before.Dee, d.Dee}, {"D", before.D, d.D},
        {"l", before.l, d.l}, {"TGi", before.TGi, d.TGi}, {"DRi", before.DRi, d.DRi},
        {"TN", before.TN, d.TN}, {"Tmax", before.Tmax, d.Tmax}}) {
    EXPECT_NEAR(is, was, std::abs(was) * 0.002 + 1e-9) << name;
  }
  EXPECT_EQ(d.z, before.z);
  EXPECT_EQ(d.material[0].Re, before.material[0].Re);
  EXPECT_EQ(d.material[1].Re, before.material[1].Re);
}

TEST_F(MainWindowTest, CancelInEachDialogChangesNothing) {
  OpenExample();
  const std::string before = ProjectText();
  program.modified = false;
  struct Case {
    const char* item;
    const char* dialog;
    const char* field;
  };
  for (const Case& c : {Case{"mi_editabmessungen", "TForm_zt6abm", "Edit_l"},
                        Case{"mi_EditMaterial", "TForm_ztwst", "Edit_Re1"},
                        Case{"mi_editLast", "TForm_zt4last", "Edit_tmax"},
                        Case{"mi_EditText", "TForm_uni5", "Edit_info1"}}) {
    const std::string field = c.field;
    script.Expect(c.dialog, [field](QWidget* w) {
      Type(w, field.c_str(), "999");
      ClickButton(w, "Button_cancel");
    });
    Run(c.item);
    EXPECT_EQ(ProjectText(), before) << c.dialog;
  }
  // Escape cancels as well.
  script.Expect("TForm_zt4last", [](QWidget* w) {
    Type(w, "Edit_ka", "7");
    QTest::keyClick(w, Qt::Key_Escape);
  });
  Run("mi_editLast");
  EXPECT_EQ(ProjectText(), before);
}

// New forgets the open project before its first dialog: the title no longer names it
// while the dialogs are open.
TEST_F(MainWindowTest, NewClearsTheTitleBeforeItsDialogs) {
  OpenExample();
  ASSERT_TRUE(window->windowTitle().contains("welle_12x14"));
  QString titleDuringNew;
  script.Expect("Tin_radiodialog", [this, &titleDuringNew](QWidget* w) {
    titleDuringNew = window->windowTitle();
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileNew");
  EXPECT_FALSE(titleDuringNew.isEmpty());
  EXPECT_FALSE(titleDuringNew.contains("welle_12x14")) << titleDuringNew.toStdString();
}

// Switching between typed and database dimensions keeps the dialog's size and the
// DIN 5481 button where it was.
TEST_F(MainWindowTest, DimensionsDialogKeepsItsLayoutWhenTheSourceChanges) {
  QRect selfDefined, database;
  QSize sizeSelf, sizeDatabase;
  script.Expect("TForm_zt6abm", [&](QWidget* w) {
    ClickButton(w, "RadioGroup_abm2");
    QApplication::processEvents();
    sizeSelf = w->size();
    selfDefined = w->findChild<QWidget*>("Button_db")->geometry();
    ClickButton(w, "RadioGroup_abm1");
    QApplication::processEvents();
    sizeDatabase = w->size();
    database = w->findChild<QWidget*>("Button_db")->geometry();
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  EXPECT_EQ(sizeSelf, sizeDatabase);
  EXPECT_EQ(selfDefined, database);
}

// A tooth count too large to draw says so, with its own cause and remedy, instead of
// blaming the temporary folder; ten thousand teeth are still drawn.
TEST_F(MainWindowTest, TooManyTeethToDrawGiveTheirOwnMessage) {
  for (const int z : {1000000, 10000}) {
    program.design.z = z;
    {
      TableAccess access(program.table, prompts, program.config, program.work);
      DatabaseTables tables(access);
      CalculationRun(program.design, program.messages, tables);
    }
    program.drawing.Clear();
    QStringList shown;
    bool chosen = false;
    // The summary's list: the tooth message is chosen once, then the list is left.
    auto list = [&shown, &chosen](QWidget* w) {
      for (auto* button : w->findChildren<QAbstractButton*>()) {
        shown << button->text();
        if (!chosen && button->text().contains(QString::fromUtf8("Zähne"))) {
          chosen = true;
          button->click();
          ClickButton(w, "Button_ok");
          return;
        }
      }
      qobject_cast<QDialog*>(w)->reject();
    };
    if (z > 20000) {
      script.Expect("Tin_radiodialog", list);
      script.Expect("Thelperr", [&shown](QWidget* w) {
        for (auto* edit : w->findChildren<QPlainTextEdit*>()) shown << edit->toPlainText();
        ClickButton(w, "Button_ok");
      });
    }
    Run("mi_viewQuick");
    const QString all = shown.join("\n");
    if (z > 20000) {
      EXPECT_TRUE(all.contains(QString::fromUtf8("Zu viele Zähne: z=1000000 > 20000"))) << all.toStdString();
      EXPECT_TRUE(all.contains("Jeder Zahn wird einzeln gezeichnet")) << all.toStdString();
      EXPECT_FALSE(all.contains("Temp")) << all.toStdString();
      EXPECT_TRUE(program.drawing.Records().empty());
    } else {
      EXPECT_TRUE(script.unexpected.empty());
      EXPECT_FALSE(program.drawing.Records().empty());
    }
  }
}

// The redraw after a resize waits while a dialog is open and repeats only a drawing that
// gave a picture: resizing while the tooth message's summary is up, or after it, brings
// up no second summary.
TEST_F(MainWindowTest, ResizingAroundTheToothMessageBringsNoSecondSummary) {
  program.design.z = 1000000;
  {
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    CalculationRun(program.design, program.messages, tables);
  }
  program.drawing.Clear();
  // Longer than the redraw's settling time, so its timer fires meanwhile.
  const auto resizeAndSettle = [this] {
    window->resize(window->width() + 40, window->height() + 30);
    QTest::qWait(400);
  };
  script.Expect("Tin_radiodialog", [&resizeAndSettle](QWidget* w) {
    resizeAndSettle();
    qobject_cast<QDialog*>(w)->reject();
  });
  Run("mi_viewQuick");
  resizeAndSettle();
  EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front();
  EXPECT_TRUE(program.drawing.Records().empty());
}

TEST_F(MainWindowTest, CloseAsksToSaveAndCancelKeepsTheWindowOpen) {
  OpenExample();
  program.modified = true;
  script.Expect("YesNoCancel", [](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith("Datei speichern (")) << box->text().toStdString();
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(script.Done());

  std::ofstream(dir.path() / "tmp" / "$welle.dx$") << "0\nEOF\n";
  script.Expect("YesNoCancel", [](QWidget* w) {
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
  });
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "tmp" / "$welle.dx$"));
  EXPECT_TRUE(script.unexpected.empty());
}

TEST_F(MainWindowTest, ProjectTableListsTheFolderAndOpensTheChosenFile) {
  for (const char* name : {"welle_12x14.zt6", "din5481_17x20.zt6"}) {
    const std::filesystem::path source = std::filesystem::path(ZT6_DATA_DIR) / "examples" / name;
    std::filesystem::copy_file(source, dir.path() / name);
  }
  int rows = 0, columns = 0;
  QString chosen;
  script.Expect("TForm_preview", [&](QWidget* w) {
    auto* grid = w->findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    rows = grid->rowCount();
    columns = grid->columnCount();
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Datei");
    EXPECT_EQ(grid->horizontalHeaderItem(8)->text(), "D [mm]");
    chosen = grid->item(1, 0)->text();
    // A double-click chooses (its first click only selects).
    const QPoint at = grid->visualItemRect(grid->item(1, 3)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  });
  script.Expect("TForm_preview", [](QWidget* w) {
    w->findChild<QAction*>("mi_fileExit")->trigger();
  });
  Run("mi_fileOpenTable");
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(columns, 18);
  EXPECT_EQ(QString::fromStdString(program.projectName) + ".zt6", chosen);
  EXPECT_FALSE(program.modified);
  EXPECT_TRUE(window->windowTitle().contains(chosen.left(6))) << window->windowTitle().toStdString();
}

// The keyboard chooses too: the arrow keys move to a row, Enter opens its file; the
// menus are in the menu language.
TEST_F(MainWindowTest, ProjectTableChoosesByKeyboardWithMenusInTheMenuLanguage) {
  for (const char* name : {"welle_12x14.zt6", "din5481_17x20.zt6"}) {
    const std::filesystem::path source = std::filesystem::path(ZT6_DATA_DIR) / "examples" / name;
    std::filesystem::copy_file(source, dir.path() / name);
  }
  Run("mi_helplanguageenglisch");
  QStringList captions;
  QString chosen;
  script.Expect("TForm_preview", [&](QWidget* w) {
    for (const char* name : {"mi_file", "mi_Help"}) captions << w->findChild<QMenu*>(name)->title();
    captions << w->findChild<QAction*>("mi_fileExit")->text();
    auto* grid = w->findChild<QTableWidget*>("StringGrid1");
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(grid->currentRow(), 1);
    chosen = grid->item(1, 0)->text();
    QTest::keyClick(grid, Qt::Key_Return);
  });
  script.Expect("TForm_preview", [](QWidget* w) {
    w->findChild<QAction*>("mi_fileExit")->trigger();
  });
  Run("mi_fileOpenTable");
  EXPECT_EQ(captions, QStringList({"&File", "&Help", "E&xit"}));
  EXPECT_EQ(QString::fromStdString(program.projectName) + ".zt6", chosen);
  EXPECT_TRUE(script.unexpected.empty());
}

TEST_F(MainWindowTest, ReportOnTheScreenOpensTheTextWindow) {
  OpenExample();
  QString text;
  script.Expect("TForm_showtextfile", [&](QWidget* w) {
    text = w->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    qobject_cast<QDialog*>(w)->accept();
  });
  Run("mi_ViewAusdruck");
  EXPECT_TRUE(text.contains("12x14")) << text.left(400).toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Zähnezahl"))) << text.left(400).toStdString();
}

// The report window opens with the printout font at the place and size the settings
// four "Textfenster" fields give, and stores its place and size back when it closes;
// "<" proposes a place and size. Before, it always opened at 820x600 in a fixed font.
TEST_F(MainWindowTest, ReportWindowOpensWhereTheSettingsSayAndStoresItsPlaceBack) {
  OpenExample();
  program.config.printoutFont = "DejaVu Sans Mono";
  program.config.printoutFontSize = 13;
  program.config.printoutFontStyle = 2;
  script.Expect("Tconfig", [](QWidget* w) {
    auto* tabs = w->findChild<QTabWidget*>("Pagecontrol1");
    tabs->setCurrentWidget(tabs->findChild<QWidget*>("Tab_textdruck"));
    auto* propose = w->findChild<QPushButton*>("Button_Textwindow");
    ASSERT_NE(propose, nullptr);
    EXPECT_EQ(propose->text(), "<");
    EXPECT_EQ(w->findChild<QPushButton*>("Button_dirtempenv")->text(), "<");  // was "< TEMP"
    Type(w, "Edit_x", "1024");
    Type(w, "Edit_y", "700");
    ClickButton(w, "Button_Textwindow");
    EXPECT_EQ(TextOf(w, "Edit_left"), "10");
    EXPECT_EQ(TextOf(w, "Edit_top"), "40");
    EXPECT_EQ(TextOf(w, "Edit_width"), "910");  // 13 points x 70
    EXPECT_EQ(TextOf(w, "Edit_height"), "680");
    Type(w, "Edit_left", "30");
    Type(w, "Edit_top", "45");
    Type(w, "Edit_width", "510");
    Type(w, "Edit_height", "333");
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileConfig");
  ASSERT_EQ(program.config.textWindow.width, 510);

  QRect opened;
  QFont font;
  script.Expect("TForm_showtextfile", [&](QWidget* w) {
    opened = QRect(w->pos(), w->size());
    font = w->findChild<QPlainTextEdit*>("Memo1")->font();
    w->move(70, 80);
    w->resize(600, 400);
    qobject_cast<QDialog*>(w)->accept();
  });
  Run("mi_ViewAusdruck");
  EXPECT_EQ(opened, QRect(30, 45, 510, 333));
  EXPECT_EQ(font.family(), "DejaVu Sans Mono");
  EXPECT_EQ(font.pointSize(), 13);
  EXPECT_TRUE(font.italic());
  EXPECT_FALSE(font.bold());
  EXPECT_EQ(program.config.textWindow.left, 70);
  EXPECT_EQ(program.config.textWindow.top, 80);
  EXPECT_EQ(program.config.textWindow.width, 600);
  EXPECT_EQ(program.config.textWindow.height, 400);
}

// Export Notepad starts a windowed editor found on the path, or says that none was
// found; before, it handed the file to the desktop, whose terminal editor never opened.
TEST_F(MainWindowTest, ExportNotepadOpensAnEditorOrSaysThereIsNone) {
  OpenExample();
  test_support::TempDir bin("zt6_gui_editors");
  test_support::ScopedEnvironment path("PATH", bin.path().string());
  test_support::ScopedEnvironment dataDirs("XDG_DATA_DIRS", bin.path().string());
  test_support::ScopedEnvironment dataHome("XDG_DATA_HOME", bin.path().string());
  auto exportNotepad = [this] {
    script.Expect("TForm_showtextfile", [](QWidget* w) {
      w->findChild<QAction*>("mi_dateiExportNotepad")->trigger();
      qobject_cast<QDialog*>(w)->accept();
    });
  };
  QString message;
  exportNotepad();
  script.Expect("MessageBox", [&message](QWidget* w) {
    message = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_ViewAusdruck");
  EXPECT_TRUE(message.contains("Kein Texteditor")) << message.toStdString();
  EXPECT_TRUE(launcher.calls.empty());

  const auto kate = bin.path() / "kate";
  { std::ofstream(kate) << "#!/bin/sh\n"; }
  std::filesystem::permissions(kate, std::filesystem::perms::owner_all);
  exportNotepad();
  Run("mi_ViewAusdruck");
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0].program, kate.string());
  ASSERT_EQ(launcher.calls[0].arguments.size(), 1u);
  EXPECT_TRUE(test_support::FileBytes(launcher.calls[0].arguments[0]).find("12x14") != std::string::npos);
}

// Every item of the menu tree has its handler in the window; a name that is no item
// is refused rather than ignored.
TEST_F(MainWindowTest, EveryMenuCommandHasAHandler) {
  for (const MenuEntry& e : MainMenuTree()) {
    if (e.kind != MenuEntryKind::Item || e.command == MenuCommand::WithoutCommand ||
        e.command == MenuCommand::Hidden)
      continue;
    EXPECT_TRUE(window->Handles(e.command)) << e.name;
    EXPECT_NE(window->Item(e.name), nullptr) << e.name;
  }
  EXPECT_FALSE(window->Click("mi_fileNeu"));
  EXPECT_FALSE(window->Click("mi_file"));  // a submenu
}

TEST_F(MainWindowTest, MenuCaptionsFollowTheLanguageAndEveryItemHasItsFunction) {
  EXPECT_EQ(window->Item("mi_fileNew")->text(), QString("&Neu..."));
  EXPECT_FALSE(window->Item("mi_file1")->isVisible());
  EXPECT_FALSE(window->Item("sep_fileRecent")->isVisible());
  Run("mi_helplanguageKorea");
  EXPECT_EQ(window->Item("mi_fileNew")->text(), QString::fromUtf8("새로만들기(&N)"));
  EXPECT_EQ(window->Item("mi_editLast")->text(), QString::fromUtf8("하중(&L)"));
  Run("mi_helplanguageenglisch");
  EXPECT_EQ(window->Item("mi_fileNew")->text(), QString("&New..."));
  EXPECT_EQ(program.config.menuLanguage, 2);

  // Every function of the menu is built now: no item may still say it comes later.
  for (const MenuEntry& entry : MainMenuTree())
    EXPECT_NE(entry.command, MenuCommand::NotYetAvailable) << entry.name;
  EXPECT_FALSE(window->Item("mi_editvorauslegung")->isEnabled());
}

// Every item of every menu is drawn whole in each language: captions with two or
// three accelerators ("축(&a) + 허브(&H) 산품도(&P)") once lost their middle.
TEST_F(MainWindowTest, EveryMenuCaptionIsShownWholeInEveryLanguage) {
  const std::pair<const char*, int> languages[] = {{"mi_helplanguagedeutsch", 1},
                                                   {"mi_helplanguageenglisch", 2},
                                                   {"mi_helplanguageRoman", 7},
                                                   {"mi_helplanguageKorea", 8}};
  for (const auto& [item, language] : languages) {
    Run(item);
    MenuCaptions table;
    table.Load(language, program.words);
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
      menu->popup(window->mapToGlobal(QPoint(0, 0)));
      const QString drawn = test_support::DrawnTexts(*menu).join("");
      for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible() || action->text().isEmpty()) continue;
        const std::string name = action->objectName().toStdString();
        if (name.rfind("mi_file", 0) == 0 && name.size() == 8) continue;  // recent files
        if (name != "mi_viewErrorMessages") {
          EXPECT_EQ(action->text().toStdString(), table.Caption(name)) << name;
        }
        const QString shown = QString(action->text()).remove('&');
        EXPECT_TRUE(drawn.contains(shown))
            << language << " " << name << ": " << shown.toStdString() << " drawn as "
            << drawn.toStdString();
      }
      menu->hide();
    }
  }
}

// Qt's own buttons and dialogs speak the program's menu language (English where Qt has
// no translation, as for Romanian).
TEST_F(MainWindowTest, StandardButtonsAndFileDialogsFollowTheMenuLanguage) {
  const std::tuple<const char*, const char*, const char*> languages[] = {
      {"mi_helplanguagedeutsch", "&Ja", "Abbrechen"},
      {"mi_helplanguageenglisch", "&Yes", "Cancel"},
      {"mi_helplanguageRoman", "&Yes", "Cancel"},
      {"mi_helplanguageKorea", "예(&Y)", "취소"}};
  for (const auto& [item, yes, cancel] : languages) {
    Run(item);
    QString shownYes, shownCancel, dialogCancel;
    script.Expect("YesNoCancel", [&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      shownYes = box->button(QMessageBox::Yes)->text();
      shownCancel = box->button(QMessageBox::Cancel)->text();
      box->button(QMessageBox::Cancel)->click();
    });
    ui.AskYesNoCancel("ZT6", "?");
    script.Expect("SaveDialog", [&](QWidget* w) {
      for (auto* button : w->findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(cancel)) dialogCancel = button->text();
      qobject_cast<QDialog*>(w)->reject();
    });
    ui.ChooseFileToWrite(dir.path().string(), "*.dxf", "a.dxf");
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(shownYes.toStdString(), yes) << item;
    EXPECT_EQ(shownCancel.toStdString(), cancel) << item;
    EXPECT_EQ(dialogCancel.toStdString(), cancel) << item;
  }
}

// Resizing the window draws the picture again; a design whose run ended fatally has none,
// and its run summary must not come up again with every new size.
TEST_F(MainWindowTest, ResizingAfterAFatalRunShowsNoSummary) {
  program.design.Dii = program.design.D + 5;  // "D <= Dii": fatal
  {
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    CalculationRun(program.design, program.messages, tables);
  }
  ASSERT_TRUE(program.messages.FatalFlag());
  window->resize(window->width() + 40, window->height() + 30);
  QTest::qWait(400);  // beyond the redraw's settling time
  EXPECT_TRUE(script.unexpected.empty())
      << "unexpected window " << script.unexpected.front() << " after resizing";
}

}  // namespace
}  // namespace zt6
