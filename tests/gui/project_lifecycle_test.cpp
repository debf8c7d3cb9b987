// The open project through its life on the desktop: what New starts from, the
// demonstration beside a user's project, a file that ends early, saving into a folder
// that cannot take the file, and the recent list with its session file.

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableView>
#include <cstdlib>
#include <fstream>
#include <tuple>

#include "app/files/project_file.h"
#include "app/files/session_file.h"
#include "app/forms/dimension_form.h"
#include "app/ports/batch_ui.h"
#include "app/startup/startup.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;
using test_support::ModalScript;
using test_support::TextOf;

// Answers a question box with the given button and notes its text.
ModalScript::Action Answer(QMessageBox::StandardButton button, QString* text = nullptr) {
  return [button, text](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    if (text != nullptr) *text = box->text();
    box->button(button)->click();
  };
}

// Types a file name into the open or save dialog and confirms it.
ModalScript::Action ChooseFile(const fs::path& file) {
  return [file](QWidget* w) {
    auto* name = w->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(file.string()));
    QTest::keyClick(name, Qt::Key_Return);
  };
}

class ProjectLifecycleTest : public test_support::GuiFixture {
 protected:
  // A bundled example copied into the project folder and opened as recent entry 1.
  fs::path OpenExample(const std::string& name) {
    const fs::path file = dir.path() / name;
    fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples" / name, file,
                  fs::copy_options::overwrite_existing);
    program.recent.entries[0] = file.string();
    Run("mi_file1");
    EXPECT_EQ(program.projectName, file.stem().string());
    return file;
  }

  std::string ProjectText() const {
    return ProjectFileText(program.design, program.docs, program.config.format);
  }

  std::string Title() const { return window->windowTitle().toStdString(); }

  // The first `lines` lines of a bundled example, as a file cut short.
  fs::path CutCopy(const std::string& example, int lines) {
    const std::string bytes =
        test_support::FileBytes(std::string(ZT6_DATA_DIR) + "/examples/" + example);
    std::size_t end = 0;
    for (int k = 0; k < lines; ++k) end = bytes.find("\r\n", end) + 2;
    const fs::path file = dir.path() / "truncated.zt6";
    std::ofstream(file, std::ios::binary) << bytes.substr(0, end);
    return file;
  }
};

// ---- the demonstration ----

// The demonstration's first windows: the two introduction texts, then the first step's
// text, which is cancelled and the tour ended. `during` looks at the program meanwhile.
void EndDemonstrationAtItsFirstStep(ModalScript& script, const std::function<void()>& during) {
  script.Expect("ConfirmMessage", [during](QWidget* w) {
    during();
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
  });
  script.Expect("ConfirmMessage", Answer(QMessageBox::Ok));
  script.Expect("ConfirmMessage", Answer(QMessageBox::Cancel));
  script.Expect("YesNoCancel", Answer(QMessageBox::Yes));  // "Demomodus beenden ?"
}

TEST_F(ProjectLifecycleTest, DemonstrationAsksFirstRunsApartAndGivesTheProjectBack) {
  const fs::path file = OpenExample("getriebe_mit_aenderungen.zt6");
  program.design.TN *= 2;  // an unsaved change, as the load dialog makes it
  program.modified = true;
  const std::string edited = ProjectText();
  const std::string savedBytes = test_support::FileBytes(file);

  struct Case {
    QMessageBox::StandardButton answer;
    bool savedBefore;
  };
  for (const Case& c : {Case{QMessageBox::No, false}, Case{QMessageBox::Yes, true}}) {
    QString question;
    std::string titleDuring, designationDuring, shaftNumberDuring;
    script.Expect("YesNoCancel", Answer(c.answer, &question));
    EndDemonstrationAtItsFirstStep(script, [&] {
      titleDuring = Title();
      designationDuring = program.design.designation;
      shaftNumberDuring = program.design.drawing.shaftNumber;
    });
    Run("mi_helpDemo");

    EXPECT_TRUE(question.startsWith("Datei speichern (")) << question.toStdString();
    // The tour ran on its own design, under no project name and documentation.
    EXPECT_EQ(titleDuring.find("getriebe"), std::string::npos) << titleDuring;
    EXPECT_NE(designationDuring, "21x24");
    EXPECT_EQ(shaftNumberDuring, "");
    // Afterwards the project is back as it was, unsaved changes included.
    EXPECT_EQ(ProjectText(), edited) << c.savedBefore;
    EXPECT_EQ(program.projectName, "getriebe_mit_aenderungen");
    EXPECT_NE(Title().find("getriebe_mit_aenderungen"), std::string::npos) << Title();
    EXPECT_EQ(program.modified, !c.savedBefore);
    EXPECT_EQ(test_support::FileBytes(file) == savedBytes, !c.savedBefore);
  }
  // A save after the tour writes the project's values, not the tour's.
  Run("mi_FileSave");
  DesignRecord read;
  DocumentationData docs;
  ASSERT_TRUE(LoadProjectFile(file, read, docs).ok);
  EXPECT_EQ(ProjectFileText(read, docs, program.config.format), edited);
}

TEST_F(ProjectLifecycleTest, CancelToTheSaveQuestionRunsNoDemonstration) {
  OpenExample("getriebe_mit_aenderungen.zt6");
  program.modified = true;
  const std::string before = ProjectText();
  script.Expect("YesNoCancel", Answer(QMessageBox::Cancel));
  Run("mi_helpDemo");
  EXPECT_EQ(ProjectText(), before);
  EXPECT_TRUE(program.modified);
  EXPECT_FALSE(program.shell.demoMode);
}

// ---- New ----

// The DIN 5481 row at `designation` chosen in the pick window.
ModalScript::Action PickSizeRow(const QString& designation) {
  return [designation](QWidget* w) {
    auto* grid = w->findChild<QTableView*>("DBGrid1");
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) {
        if (model->index(row, column).data().toString().trimmed() != designation) continue;
        grid->setCurrentIndex(model->index(row, column));
        ClickButton(w, "Button_ok");
        return;
      }
    }
    ADD_FAILURE() << "no row " << designation.toStdString();
    ClickButton(w, "Button_cancel");
  };
}

// New after an open project, as the user went: Nachrechnung, the identification, the
// dimensions from the DIN 5481 table, material and load left with Cancel. Nothing of
// the project before carries over, and the design equals the one
// `zt6 calc --size 17x20` builds.
TEST_F(ProjectLifecycleTest, NewStartsFromTheDefaultsAndATableSizeBringsItsTolerancesAndPins) {
  OpenExample("welle_12x14.zt6");  // self-defined, TG 0.04, named W-12-014 / N-12-014
  QStringList identification;
  bool databaseChecked = false;
  script.Expect("Tin_radiodialog", [](QWidget* w) {
    ClickButton(w, "RadioButton_2");  // "Nachrechnung"
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_uni5", [&identification](QWidget* w) {
    for (const char* field : {"Edit_zeichname1", "Edit_zeichnr1", "Edit_zeichnr2", "Edit_info1"})
      identification << TextOf(w, field);
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_zt6abm", [&databaseChecked](QWidget* w) {
    auto* database = w->findChild<QRadioButton*>("RadioGroup_abm1");
    databaseChecked = database != nullptr && database->isChecked();
    if (!databaseChecked) ClickButton(w, "RadioGroup_abm1");
    ClickButton(w, "Button_db");  // returns once the pick window below is answered
    ClickButton(w, "Button_l");
    ClickButton(w, "Button_ok");
  });
  script.Expect("Tdbf4", PickSizeRow("17x20"));
  script.Expect("TForm_ztwst", [](QWidget* w) { ClickButton(w, "Button_cancel"); });
  script.Expect("TForm_zt4last", [](QWidget* w) { ClickButton(w, "Button_cancel"); });
  Run("mi_fileNew");
  EXPECT_EQ(identification, QStringList({"", "", "", ""}));
  EXPECT_TRUE(databaseChecked);

  DesignRecord expected;
  {
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    RunMessages messages;
    DimensionForm form(expected, messages, program.config.format, program.words, access,
                       program.shell.cancel);
    form.Fill();
    form.source = static_cast<int>(DimensionSource::Database);
    ASSERT_TRUE(form.TakeDin5481("17x20"));
    form.Propose("Button_l");
    ASSERT_TRUE(form.Accept());
    CalculationRun(expected, messages, tables);
  }
  const DesignRecord& d = program.design;
  EXPECT_EQ(d.dimensionSource, DimensionSource::Database);
  EXPECT_EQ(d.designation, expected.designation);
  EXPECT_NEAR(expected.TGi, 0.0483, 1e-9);  // the table's values, not 12x14's 0.04
  for (const auto& [name, is, should] :
       {std::tuple{"TGi", d.TGi, expected.TGi}, {"TGe", d.TGe, expected.TGe},
        {"DRi", d.DRi, expected.DRi}, {"DRe", d.DRe, expected.DRe}, {"D", d.D, expected.D}}) {
    EXPECT_DOUBLE_EQ(is, should) << name;
  }
  EXPECT_TRUE(d.drawing.hubNumber.empty());
  EXPECT_EQ(program.docs.changeCount, 0u);
}

// ---- a file that ends early ----

TEST_F(ProjectLifecycleTest, ACutFileIsNamedWithItsLastLineAndTakenOnlyWhenTheUserAgrees) {
  OpenExample("welle_12x14.zt6");
  const std::string before = ProjectText();
  const std::string directory = program.projectDirectory;
  const fs::path cut = CutCopy("din5481_17x20.zt6", 12);

  QString question;
  script.Expect("OpenDialog", ChooseFile(cut));
  script.Expect("YesNoCancel", Answer(QMessageBox::No, &question));
  Run("mi_fileOpen");
  EXPECT_TRUE(question.contains("truncated.zt6 endet vorzeitig nach Zeile 12"))
      << question.toStdString();
  EXPECT_EQ(ProjectText(), before);
  EXPECT_EQ(program.projectName, "welle_12x14");
  EXPECT_EQ(program.projectDirectory, directory);
  EXPECT_NE(Title().find("welle_12x14"), std::string::npos);

  // Agreed: taken, and what the file lacks is the defaults', not welle_12x14's.
  script.Expect("OpenDialog", ChooseFile(cut));
  script.Expect("YesNoCancel", Answer(QMessageBox::Yes));
  // Without a size the run ends with a fatal message, whose summary the drawing shows.
  script.Expect("Tin_radiodialog", [](QWidget* w) { ClickButton(w, "Button_ok"); });
  Run("mi_fileOpen");
  EXPECT_EQ(program.projectName, "truncated");
  EXPECT_EQ(program.design.Dii, 0.0);
  EXPECT_EQ(program.design.material[0].name, DesignRecord{}.material[0].name);
  EXPECT_EQ(program.design.dimensionSource, DesignRecord{}.dimensionSource);
}

TEST_F(ProjectLifecycleTest, ACutFileOnTheCommandLineIsAskedAboutOnceTheWindowIsOpen) {
  const fs::path cut = CutCopy("welle_12x14.zt6", 30);
  // The command-line step runs before the window, without one.
  program.arguments = {cut.string()};
  RecordingLauncher noLauncher;
  BatchPrinter noPrinter{std::cerr};
  BatchUi batchUi;
  Prompts batchPrompts(batchUi, program.shell, program.config.format);
  {
    TableAccess access(program.table, batchPrompts, program.config, program.work);
    DatabaseTables tables(access);
    const StartOutcome outcome =
        RunCommandLineStep(program, batchPrompts, tables, OutputPorts{noLauncher, noPrinter});
    ASSERT_FALSE(outcome.exitNow);
  }
  EXPECT_TRUE(program.projectName.empty());
  EXPECT_FALSE(program.projectFromCommandLine);

  QString question;
  script.Expect("YesNoCancel", Answer(QMessageBox::Yes, &question));
  window->OpenCutCommandLineProject();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(question.contains("endet vorzeitig nach Zeile 30")) << question.toStdString();
  EXPECT_EQ(program.projectName, cut.string());
  EXPECT_TRUE(program.projectFromCommandLine);
  EXPECT_EQ(program.recent.entries[0], cut.string());
}

// ---- saving where the file cannot go ----

TEST_F(ProjectLifecycleTest, SavingIntoAnUnusableFolderNamesTheFolderAndTheReason) {
  OpenExample("welle_12x14.zt6");
  const fs::path missing = dir.path() / "fehlt";
  QString message;
  script.Expect("SaveDialog", ChooseFile(missing / "neu.zt6"));
  script.Expect("MessageBox", Answer(QMessageBox::Ok, &message));
  Run("mi_FileSaveAs");
  EXPECT_TRUE(message.contains(QString::fromStdString("Ordner " + missing.string() + " fehlt")))
      << message.toStdString();
  EXPECT_EQ(program.projectName, "welle_12x14");

  // A folder nobody may write into; root passes permission bits, so it is made immutable.
  const fs::path locked = dir.path() / "gesperrt";
  fs::create_directory(locked);
  if (std::system(("chattr +i '" + locked.string() + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no immutable folders here";
  script.Expect("SaveDialog", ChooseFile(locked / "neu.zt6"));
  script.Expect("MessageBox", Answer(QMessageBox::Ok, &message));
  Run("mi_FileSaveAs");
  std::system(("chattr -i '" + locked.string() + "'").c_str());
  EXPECT_TRUE(message.contains(
      QString::fromStdString("keine Schreibberechtigung im Ordner " + locked.string())))
      << message.toStdString();
}

// ---- the recent list ----

TEST_F(ProjectLifecycleTest, SaveAsAndCommandLineFilesReachTheRecentListAndTheSessionFile) {
  const fs::path first = OpenExample("welle_12x14.zt6");
  const fs::path savedAs = dir.path() / "kopie.zt6";
  script.Expect("SaveDialog", ChooseFile(savedAs));
  Run("mi_FileSaveAs");
  EXPECT_EQ(program.recent.entries[0], savedAs.string());
  EXPECT_EQ(program.recent.entries[1], first.string());
  EXPECT_TRUE(window->Item("mi_file1")->isVisible());
  EXPECT_TRUE(window->Item("mi_file1")->text().endsWith("kopie.zt6"));
  // In the session file at once, not only when the window ends.
  EXPECT_EQ(LoadSession(program.configPlace.SessionFile()).entries[0], savedAs.string());

  // `wzt6 kopie.zt6` typed in the project folder: the list keeps the whole path.
  const fs::path startedIn = fs::current_path();
  fs::current_path(dir.path());
  program.recent = {};
  fs::remove(program.configPlace.SessionFile());
  program.arguments = {"kopie.zt6"};
  BatchUi batchUi;
  Prompts batchPrompts(batchUi, program.shell, program.config.format);
  RecordingLauncher noLauncher;
  BatchPrinter noPrinter{std::cerr};
  {
    TableAccess access(program.table, batchPrompts, program.config, program.work);
    DatabaseTables tables(access);
    RunCommandLineStep(program, batchPrompts, tables, OutputPorts{noLauncher, noPrinter});
  }
  fs::current_path(startedIn);
  EXPECT_EQ(program.recent.entries[0], savedAs.string());
  // The command-line step alone writes no session file: a start without a display ends
  // there. The desktop writes it once its window is open.
  EXPECT_FALSE(fs::exists(program.configPlace.SessionFile()));
  WriteSessionFile(program);
  EXPECT_EQ(LoadSession(program.configPlace.SessionFile()).entries[0], savedAs.string());
}

}  // namespace
}  // namespace zt6
