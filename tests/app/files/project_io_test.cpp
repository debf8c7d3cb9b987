// Saving and opening projects through the dialogs, the name check and archive mode.

#include "app/files/project_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/files/project_file.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

using test_support::FileBytes;

class ProjectIoTest : public ::testing::Test {
 protected:
  TempDir dir{"zt6_project_io"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  NoStandardTables tables;

  void SetUp() override {
    program.projectDirectory = dir.path().string();
    program.design.dimensionSource = DimensionSource::SelfDefined;
    program.design.Dii = 12;
    program.design.Dee = 14.2;
    program.design.D = 13;
    program.design.z = 31;
    program.design.l = 26;
    program.design.TGi = program.design.TGe = 0.04;
  }
  std::vector<std::string> Errors() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of("message")) texts.push_back(p.text);
    return texts;
  }
};

TEST_F(ProjectIoTest, NameWithoutDotIsCompletedAndBecomesTheProjectName) {
  WriteProject(program, prompts, "welle");
  ASSERT_FALSE(program.shell.cancel);
  EXPECT_EQ(program.projectName, "welle");
  const fs::path file = dir.path() / "welle.zt6";
  ASSERT_TRUE(fs::exists(file));

  program.design.Dii = 99;
  program.projectName.clear();
  ReadProject(program, prompts, tables, "welle");
  ASSERT_FALSE(program.shell.cancel);
  EXPECT_EQ(program.projectName, "welle");
  EXPECT_DOUBLE_EQ(program.design.Dii, 12);
  // The run after reading makes derived quantities current.
  EXPECT_NEAR(program.design.P, 3.14159265358979 * 13 / 31, 1e-9);
  EXPECT_TRUE(ui.Of("fileread").empty());
}

TEST_F(ProjectIoTest, EmptyNameAsksWithTheDialogsAndCancelSetsTheFlag) {
  ui.QueueCancel();
  WriteProject(program, prompts, "");
  EXPECT_TRUE(program.shell.cancel);
  ASSERT_EQ(ui.Of("filewrite").size(), 1u);
  EXPECT_TRUE(fs::is_empty(dir.path()));

  program.shell.cancel = false;
  const fs::path sub = dir.path() / "sub";
  fs::create_directory(sub);
  ui.QueueText((sub / "nabe.zt6").string());
  WriteProject(program, prompts, "");
  ASSERT_FALSE(program.shell.cancel);
  EXPECT_EQ(program.projectDirectory, sub.string());
  EXPECT_EQ(program.projectName, "nabe");
  EXPECT_TRUE(fs::exists(sub / "nabe.zt6"));

  ui.QueueText((sub / "nabe.zt6").string());
  ReadProject(program, prompts, tables, "");
  EXPECT_FALSE(program.shell.cancel);
  EXPECT_EQ(ui.Of("fileread").at(0).text.empty(), false);
}

TEST_F(ProjectIoTest, OverwriteQuestionNoKeepsTheOldFile) {
  const fs::path file = dir.Write("alt.zt6", "old contents");
  ui.QueueNo();
  WriteProject(program, prompts, "alt");
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_EQ(FileBytes(file), "old contents");
  ASSERT_EQ(ui.Of("yesnocancel").size(), 1u);
  EXPECT_NE(ui.Of("yesnocancel")[0].text.find("existiert bereits.   "), std::string::npos);

  program.shell.cancel = false;
  ui.QueueYes();
  WriteProject(program, prompts, "alt");
  EXPECT_FALSE(program.shell.cancel);
  EXPECT_NE(FileBytes(file), "old contents");
}

TEST_F(ProjectIoTest, FailedWriteSetsTheFlagAndLeavesThePreviousFile) {
  const fs::path file = dir.Write("fest.zt6", "previous");
  program.shell.overwriteQuestion = false;
  {
    // The write fails after the name check passed.
    const test_support::FileSizeLimit limit(100);
    WriteProject(program, prompts, "fest");
  }
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_EQ(FileBytes(file), "previous");
  // The message names the file and why it could not be written.
  EXPECT_EQ(Errors(), std::vector<std::string>{"Datei \"" + file.string() +
                                               "\" kann nicht geschrieben werden: Datei zu "
                                               "groß (Grenze der Dateigröße) !"});
  EXPECT_TRUE(program.projectName.empty());
}

TEST_F(ProjectIoTest, ArchiveModeRefusesWritesOfACommandLineProject) {
  program.projectFromCommandLine = true;
  program.shell.archiveMode = true;
  WriteProject(program, prompts, "kopie");
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_EQ(Errors().at(0),
            Cp850ToUtf8(Oem("File- und User- Befehle sind im Archivierungsmodus nicht möglich.")));
  EXPECT_FALSE(fs::exists(dir.path() / "kopie.zt6"));

  // "aktuell" is still written; without the archive option the first write clears the flag.
  program.shell.cancel = false;
  WriteProject(program, prompts, "aktuell");
  EXPECT_TRUE(fs::exists(dir.path() / "aktuell.zt6"));
  program.shell.archiveMode = false;
  WriteProject(program, prompts, "kopie");
  EXPECT_FALSE(program.shell.cancel);
  EXPECT_FALSE(program.projectFromCommandLine);
}

TEST_F(ProjectIoTest, UnreadableOrForeignFilesGiveAnErrorAndChangeNothing) {
  dir.Write("fremd.zt6", "PK\x03\x04 not a project");
  for (const char* name : {"fehlt", "fremd"}) {
    SCOPED_TRACE(name);
    program.shell.cancel = false;
    ui.recorded.clear();
    ReadProject(program, prompts, tables, name);
    EXPECT_TRUE(program.shell.cancel);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind("Datei ", 0), 0u);
    EXPECT_DOUBLE_EQ(program.design.Dii, 12);
  }
  EXPECT_NE(Errors()[0].find(Cp850ToUtf8(Oem("keine gültige Projektdatei"))), std::string::npos);

  // With message boxes off the failure is silent but still flagged.
  program.shell.cancel = false;
  program.shell.messageBoxesEnabled = false;
  ui.recorded.clear();
  ReadProject(program, prompts, tables, "fehlt");
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
}  // namespace zt6
