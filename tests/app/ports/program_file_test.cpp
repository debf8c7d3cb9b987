#include "app/ports/program_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ports/scripted_ui.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFile, OnlyExecutableFilesAreTakenAndBareNamesAreLookedUpOnThePath) {
  test_support::TempDir dir{"zt6_program"};
  const fs::path tool = dir.path() / "editor";
  const fs::path text = dir.path() / "notes.txt";
  std::ofstream(tool) << "#!/bin/sh\n";
  std::ofstream(text) << "text\n";
  fs::permissions(tool, fs::perms::owner_exec, fs::perm_options::add);

  EXPECT_TRUE(IsProgramFile(tool.string()));
  EXPECT_FALSE(IsProgramFile(text.string()));
  EXPECT_FALSE(IsProgramFile(dir.path().string()));  // a folder is no program
  {
    test_support::ScopedEnvironment path("PATH", "/nowhere:" + dir.path().string());
    EXPECT_EQ(FindProgram("editor"), tool.string());
    EXPECT_EQ(FindProgram("notes.txt"), "");
  }

  ShellState shell;
  ScriptedUi ui;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  ui.QueueText(text.string());  // refused: no execute bit
  ui.QueueText(tool.string());
  EXPECT_EQ(ChooseProgramFile(prompts, tool.string()), tool.string());
  ASSERT_EQ(ui.recorded.size(), 3u);
  EXPECT_EQ(ui.recorded[0].text, dir.path().string());  // starts in the program's folder
  EXPECT_EQ(ui.recorded[0].caption, "*.*");
  EXPECT_NE(ui.recorded[1].text.find("ist kein ausf"), std::string::npos);

  ui.QueueCancel();
  EXPECT_EQ(ChooseProgramFile(prompts, tool.string()), std::nullopt);
  EXPECT_TRUE(shell.cancel);
}

}  // namespace
}  // namespace zt6
