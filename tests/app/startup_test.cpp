#include <gtest/gtest.h>

#include "app/help_screen.h"
#include "app/scripted_ui.h"
#include "app/startup.h"
#include "report/codepage.h"

namespace zt6 {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartOutcome Run(std::vector<std::string> args) {
    program.arguments = std::move(args);
    return RunCommandLineStep(program, prompts);
  }
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.format};
};

TEST(HelpScreen, HasTwentyOneLinesOfAtMost65Characters) {
  const auto& lines = HelpScreenLines();
  ASSERT_EQ(lines.size(), 21u);
  for (const std::string& l : lines) EXPECT_LE(l.size(), 65u) << l;
  EXPECT_EQ(lines[0], "ZT6 Command Line Mode");
  EXPECT_EQ(lines[10], "/NOGUI  -> No GUI, exit on fatal error");
  EXPECT_EQ(lines[20], "Example: wzt6 test.edi /E /NOGUI   ->  test.edi");
}

TEST_F(StartupTest, HelpShowsTheTextScreenAndExitsZero) {
  program.shell.cancel = true;
  const StartOutcome out = Run({"/?"});
  EXPECT_TRUE(out.exitNow);
  EXPECT_EQ(out.exitCode, 0);
  ASSERT_EQ(ui.Of("textscreen").size(), 1u);
  EXPECT_EQ(ui.Of("textscreen")[0].items, HelpScreenLines());
  EXPECT_FALSE(program.shell.cancel);
  EXPECT_TRUE(program.shell.messageBoxesEnabled);
}

TEST_F(StartupTest, FileNameWithoutExtensionIsRefusedWithExitZero) {
  const StartOutcome out = Run({"/HELP"});
  EXPECT_TRUE(out.exitNow);
  EXPECT_EQ(out.exitCode, 0);
  const auto boxes = ui.Of("message");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Fehler : ");
  EXPECT_EQ(boxes[0].text, "Erweiterung .zt6 muß mit angegeben werden");
}

TEST_F(StartupTest, BatchRoutesWithoutAReadableProjectExitOne) {
  for (const std::string second : {"/I", "/CAD1:1"}) {
    ui.recorded.clear();
    const StartOutcome out = Run({"proj.zt6", second, "/NOGUI"});
    EXPECT_TRUE(out.exitNow) << second;
    EXPECT_EQ(out.exitCode, 1) << second;
    EXPECT_TRUE(program.shell.noGui);
    EXPECT_EQ(ui.Of("message").size(), 1u) << second;
  }
}

TEST_F(StartupTest, InteractiveStartsKeepTheProjectName) {
  StartOutcome out = Run({"C:\\x\\proj.zt6", "/E"});
  EXPECT_FALSE(out.exitNow);
  EXPECT_EQ(program.projectName, "C:\\x\\proj.zt6");
  EXPECT_FALSE(program.projectFromCommandLine);

  out = Run({"proj.zt6", "/NOGUI"});
  EXPECT_FALSE(out.exitNow);
  EXPECT_TRUE(program.projectFromCommandLine);
  EXPECT_TRUE(program.projectDirectory.empty());
  EXPECT_TRUE(ui.Of("message").empty());

  out = Run({"Demo"});
  EXPECT_FALSE(out.exitNow);
  EXPECT_TRUE(program.shell.demoMode);
}

}  // namespace
}  // namespace zt6
