// Number fields of the dialogs as a user meets them: OK without an edit keeps every
// stored value, the unit switch loses nothing, bad numbers are refused naming the
// field, and Cancel leaves the project as it was.

#include <gtest/gtest.h>

#include <QMessageBox>

#include "app/files/project_file.h"
#include "support/file_bytes.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;
using test_support::TextOf;
using test_support::Type;

class ValueEntryTest : public test_support::GuiFixture {
 protected:
  // Opens a copy of a bundled example as if from the command line.
  void OpenExample(const std::string& file) {
    const std::string source = std::string(ZT6_DATA_DIR) + "/examples/" + file;
    std::filesystem::copy_file(source, dir.path() / file);
    program.recent.entries[0] = (dir.path() / file).string();
    Run("mi_file1");
    ASSERT_FALSE(program.projectName.empty());
  }
  std::string ProjectText() const {
    return ProjectFileText(program.design, program.docs, program.config.format);
  }
  std::string SavedFile() {
    Run("mi_FileSave");
    return test_support::FileBytes(dir.path() / (program.projectName + ".zt6"));
  }
};

// Opening and saving leaves the file as it was; OK in the dimensions dialog (in mm and
// in inches) without an edit must do the same.
TEST_F(ValueEntryTest, OkWithoutAnEditKeepsTheStoredValues) {
  OpenExample("inch_shaft.zt6");
  const std::string before = SavedFile();
  for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::English}) {
    program.config.format.units = units;
    script.Expect("TForm_zt6abm", [](QWidget* w) { ClickButton(w, "Button_ok"); });
    Run("mi_editabmessungen");
    EXPECT_EQ(SavedFile(), before) << (units == UnitSystem::English ? "inch" : "mm");
  }
}

}  // namespace
}  // namespace zt6
