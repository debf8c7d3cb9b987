// The CAD menu's 3D model: the dialog in the menu language, its refusals, the save
// dialog's proposal, and the same file the command line writes.

#include <gtest/gtest.h>

#ifdef ZT6_HAVE_STEP

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <map>
#include <sstream>

#include "app/cli/zt6_commands.h"
#include "app/files/project_io.h"
#include "step/step_model.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"
#include "step/step_read_back.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::ClickButton;

// The products and their solids: the file without its header's time stamp and without
// the colour styles at its end, which OpenCASCADE writes in the order of a hash map of
// the solids' addresses, so in any order from run to run.
std::string SolidsOfFile(std::string step) {
  const std::size_t at = step.find("FILE_NAME(");
  const std::size_t end = step.find(";", at);
  if (at != std::string::npos && end != std::string::npos) step.erase(at, end - at);
  return step.substr(0, step.find("MECHANICAL_DESIGN_GEOMETRIC_PRESENTATION_REPRESENTATION"));
}

// The colour of every solid by its name, from OpenCASCADE's reader.
std::map<std::string, std::string> ColoursByName(const fs::path& file) {
  std::map<std::string, std::string> colours;
  const auto solids = test_support::ReadStepSolids(file);
  if (!solids) return colours;
  for (const auto& solid : *solids) {
    colours[solid.name] = solid.colour ? Quantity_Color::StringName(solid.colour->Name()) : "none";
    if (solid.colour) {
      colours[solid.name] += " " + std::to_string(solid.colour->Red()) + " " +
                             std::to_string(solid.colour->Green()) + " " +
                             std::to_string(solid.colour->Blue());
    }
  }
  return colours;
}

class StepModelTest : public test_support::GuiFixture {
 protected:
  fs::path project = dir.path() / "welle_12x14.zt6";
};

TEST_F(StepModelTest, WritesTheFileTheCommandLineWrites) {
  fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples/welle_12x14.zt6", project);
  program.config.cadFolder = Utf8ToCp850(dir.path().string());
  {
    TableAccess access(program.table, prompts, program.config, program.work);
    DatabaseTables tables(access);
    ReadProject(program, prompts, tables, project.string());
  }
  program.projectName = project.string();
  Run("mi_helplanguageenglisch");
  const fs::path written = dir.path() / "model.step";
  std::string proposal;
  QStringList parts;
  script.Expect("StepModelWindow", [&parts](QWidget* w) {
    auto* part = w->findChild<QComboBox*>("part");
    for (int i = 0; i < part->count(); ++i) parts << part->itemText(i);
    EXPECT_EQ(part->currentIndex(), 2);  // the assembly proposed
    EXPECT_EQ(test_support::TextOf(w, "hubDiameter"), "29");  // 2·Dee rounded up
    EXPECT_EQ(w->windowTitle(), "3D Model (STEP)");
    w->findChild<QComboBox*>("condition")->setCurrentIndex(1);  // max material
    w->findChild<QCheckBox*>("pins")->setChecked(true);
    test_support::Type(w, "hubDiameter", "14");  // not above Dei: refused, the dialog stays
    ClickButton(w, "Button_ok");
    EXPECT_TRUE(w->isVisible());
    test_support::Type(w, "hubDiameter", "30,5");
    ClickButton(w, "Button_ok");
  });
  QString refusal;
  script.Expect("MessageBox", [&refusal](QWidget* w) {
    refusal = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  script.Expect("SaveDialog", [&proposal, written](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    proposal = name->text().toStdString();
    name->setText(QString::fromStdString(written.string()));
    QTest::keyClick(name, Qt::Key_Return);
  });
  Run("mi_cadstep");
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_EQ(parts, QStringList({"Shaft", "Hub", "Shaft + Hub"}));
  EXPECT_EQ(refusal, "The hub outer diameter must be above Dei !");
  EXPECT_EQ(proposal, "welle_12x14.step");

  const fs::path fromCli = dir.path() / "cli.step";
  Zt6Outputs outputs;
  outputs.step = [](const DesignRecord& d, const SolidModelOptions& o, const SolidNames& n,
                    const std::string& path) {
    return WriteStepFile(BuildModelSolids(d, o, n), path);
  };
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(RunZt6({"cad", project.string(), "--tables", test_support::TableFolderCopy(),
                    "--model", "assembly", "--condition", "max", "--pins", "--hub-diameter",
                    "30.5", "--language", "2", "-o", fromCli.string()},
                   out, err, in, outputs),
            0)
      << err.str();
  const std::string desktop = test_support::FileBytes(written);
  ASSERT_FALSE(desktop.empty());
  EXPECT_EQ(SolidsOfFile(desktop), SolidsOfFile(test_support::FileBytes(fromCli)));
  const auto colours = ColoursByName(written);
  EXPECT_EQ(colours.size(), 6u);
  EXPECT_EQ(colours, ColoursByName(fromCli));
}

}  // namespace
}  // namespace zt6

#endif
