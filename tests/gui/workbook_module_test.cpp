// The desktop's workbooks come from a module loaded on the first one: without the
// module the command says so, names the workbook and writes nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "gui/workbook_module.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

TEST(WorkbookModule, WritesThroughTheModuleOrNamesTheMissingOne) {
  test_support::TempDir dir{"workbook"};
  const WorkbookSheet sheet{{WorkbookCell{"Zähnezahl", {}}, WorkbookCell{"", 31.0}}};

  gui::ModuleWorkbooks found;
  const std::string written = (dir.path() / "a.xlsx").string();
  EXPECT_EQ(found.Write(written, sheet), "");
  EXPECT_GT(fs::file_size(written), 0u);

  gui::ModuleWorkbooks missing((dir.path() / "zt6-xlsx-module.so").string());
  const std::string target = (dir.path() / "b.xlsx").string();
  const std::string error = missing.Write(target, sheet);
  EXPECT_TRUE(error.starts_with(target + ": ")) << error;
  EXPECT_NE(error.find("zt6-xlsx-module.so"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace zt6
