// Files the desktop writes on the user's choice: the save dialog proposes the project's
// name with the output's own extension, an existing file is asked about, and the open
// project file is never written over. Windows-style filters become Qt's.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "app/files/project_io.h"
#include "gui/file_filter.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;

class OutputFilesTest : public test_support::GuiFixture {
 protected:
  // The 12x14 example opened as `wzt6 welle_12x14.zt6` does: named with its extension.
  void OpenFromCommandLine() {
    fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples/welle_12x14.zt6", project);
    program.config.cadFolder = Utf8ToCp850(dir.path().string());
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    program.projectName = project.string();
    ReadProject(program, prompts, tables, project.string());
    ASSERT_FALSE(program.shell.cancel);
    program.projectFromCommandLine = true;
    projectBytes = test_support::FileBytes(project);
  }

  // CAD → Zahnform Welle → DXF; the save dialog's proposal is noted, then `answer` runs.
  void ChooseDxf(const std::function<void(QFileDialog*)>& answer) {
    script.Expect("Tin_radiodialog", [](QWidget* w) {
      ClickButton(w, "RadioButton_1");
      ClickButton(w, "Button_ok");
    });
    script.Expect("SaveDialog", [this, answer](QWidget* w) {
      auto* dialog = qobject_cast<QFileDialog*>(w);
      ASSERT_NE(dialog, nullptr);
      proposal = dialog->findChild<QLineEdit*>("fileNameEdit")->text().toStdString();
      shownFilters = dialog->nameFilters();
      answer(dialog);
    });
  }

  static void Take(QFileDialog* dialog, const fs::path& file) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    name->setText(QString::fromStdString(file.string()));
    QTest::keyClick(name, Qt::Key_Return);
  }

  fs::path project = dir.path() / "welle_12x14.zt6";
  std::string projectBytes;
  std::string proposal;
  QStringList shownFilters;
};

TEST_F(OutputFilesTest, CadSaveDialogProposesTheCadNameAndNeverWritesOverTheProject) {
  OpenFromCommandLine();
  QString refusal;
  ChooseDxf([this](QFileDialog* d) { Take(d, project); });
  script.Expect("MessageBox", [&refusal](QWidget* w) {
    refusal = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_cadprofilwelle");
  EXPECT_EQ(proposal, "welle_12x14.dxf");
  EXPECT_EQ(shownFilters, QStringList({"*.dxf (*.dxf)", "*.* (*)"}));
  EXPECT_TRUE(refusal.contains("welle_12x14.zt6")) << refusal.toStdString();
  EXPECT_TRUE(refusal.contains("Projektdatei")) << refusal.toStdString();
  EXPECT_EQ(test_support::FileBytes(project), projectBytes);
  EXPECT_FALSE(fs::exists(dir.path() / "welle_12x14.dxf"));
}

// The CAD save dialog starts in the configured CAD folder, else in the project's folder
// (before, with no CAD folder it started wherever the last dialog had been).
TEST_F(OutputFilesTest, CadSaveDialogStartsInTheCadFolderElseTheProjectFolder) {
  OpenFromCommandLine();
  const fs::path cad = dir.path() / "cad";
  fs::create_directories(cad);
  for (const std::string& setting : {std::string(), cad.string()}) {
    program.config.cadFolder = setting;
    QString shown;
    ChooseDxf([&shown](QFileDialog* d) {
      shown = d->directory().absolutePath();
      d->reject();
    });
    Run("mi_cadprofilwelle");
    const fs::path expected = setting.empty() ? dir.path() : cad;
    EXPECT_EQ(fs::path(shown.toStdString()), fs::canonical(expected)) << setting;
  }
}

TEST_F(OutputFilesTest, AnExistingCadFileIsWrittenOnlyAfterYes) {
  OpenFromCommandLine();
  const fs::path dxf = dir.path() / "welle_12x14.dxf";
  { std::ofstream(dxf) << "older drawing"; }
  for (const bool yes : {false, true}) {
    ChooseDxf([this, dxf](QFileDialog* d) { Take(d, dxf); });
    script.Expect("YesNoCancel", [yes](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    Run("mi_cadprofilwelle");
    const std::string written = test_support::FileBytes(dxf);
    if (yes) {
      EXPECT_NE(written.find("ENTITIES"), std::string::npos) << written.substr(0, 40);
    } else {
      EXPECT_EQ(written, "older drawing");
    }
  }
  EXPECT_EQ(test_support::FileBytes(project), projectBytes);
}

TEST_F(OutputFilesTest, ReportToFileProposesATextFileAndRefusesTheProject) {
  OpenFromCommandLine();
  program.config.askTextDevice = true;
  script.Expect("Tin_radiodialog|Tin_codedialog", [](QWidget* w) {
    ClickButton(w, "RadioButton_3");  // device 3: file
    ClickButton(w, "Button_ok");
  });
  script.Expect("SaveDialog", [this](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    proposal = dialog->findChild<QLineEdit*>("fileNameEdit")->text().toStdString();
    Take(dialog, project);
  });
  script.Expect("MessageBox", [](QWidget* w) { qobject_cast<QMessageBox*>(w)->accept(); });
  Run("mi_ViewAusdruck");
  EXPECT_EQ(proposal, "welle_12x14.txt");
  EXPECT_EQ(test_support::FileBytes(project), projectBytes);
}

TEST(FileFilterTest, WindowsFiltersBecomeQtFilters) {
  const std::pair<std::string, std::string> cases[] = {
      {"*.dxf|*.dxf|*.*|*.*", "*.dxf (*.dxf);;*.* (*)"},
      {"*.zt6", "*.zt6 (*.zt6)"},
      {"", "*.* (*)"},
      {"HTML|*.htm;*.html|Alle Dateien|*.*", "HTML (*.htm *.html);;Alle Dateien (*)"},
      {"Text|*.txt|Rest", "Text (*.txt);;Rest (Rest)"},
  };
  for (const auto& [windows, qt] : cases)
    EXPECT_EQ(gui::QtFileFilter(windows).toStdString(), qt) << windows;
}

}  // namespace
}  // namespace zt6
