#include <gtest/gtest.h>

#include "app/startup/command_line.h"
#include "base/folder_join.h"

namespace zt6 {
namespace {

struct ArgumentCase {
  std::vector<std::string> args;
  StartAction action;
  int cadFormat;
  int cadDrawing;
  bool noGui;
};

TEST(ClassifyArguments, SelectsTheActionFromTheFirstTwoArguments) {
  const std::vector<ArgumentCase> cases = {
      {{}, StartAction::Interactive, 0, 0, false},
      {{"?"}, StartAction::Help, 0, 0, false},
      {{"/?"}, StartAction::Help, 0, 0, false},
      {{"/?", "x.zt6"}, StartAction::Help, 0, 0, false},
      {{"demo"}, StartAction::Demo, 0, 0, false},
      {{"DeMo", "/I"}, StartAction::Demo, 0, 0, false},
      {{"a.zt6", "/I"}, StartAction::BatchReport, 0, 0, false},
      {{"a.zt6", "/i", "/NOGUI"}, StartAction::BatchReport, 0, 0, true},
      {{"a.zt6", "/CAD1:15"}, StartAction::BatchCad, 1, 15, false},
      {{"a.zt6", "/cad2:3"}, StartAction::BatchCad, 2, 3, false},
      {{"a.zt6", "/CADx:3"}, StartAction::BatchCad, 0, 3, false},
      {{"a.zt6", "/CAD5:y", "/nogui"}, StartAction::BatchCad, 5, 0, true},
      {{"a.zt6", "/CAD"}, StartAction::BatchCad, 0, 0, false},
      {{"a.zt6", "/E"}, StartAction::InteractiveNoRead, 0, 0, false},
      {{"a.zt6", "/e"}, StartAction::InteractiveNoRead, 0, 0, false},
      {{"a.zt6", "/G"}, StartAction::InteractiveNoRead, 0, 0, false},
      // "/g" and "/I " are not among the exact switches.
      {{"a.zt6", "/g"}, StartAction::InteractiveWithFile, 0, 0, false},
      {{"a.zt6", "/I "}, StartAction::InteractiveWithFile, 0, 0, false},
      {{"a.zt6"}, StartAction::InteractiveWithFile, 0, 0, false},
      {{"a.zt6", "/NOGUI"}, StartAction::InteractiveWithFile, 0, 0, true},
      // Only the first two arguments select; "/I" in third place does not.
      {{"a.zt6", "/NOGUI", "/I"}, StartAction::InteractiveWithFile, 0, 0, true},
      {{"/HELP"}, StartAction::InteractiveWithFile, 0, 0, false},
  };
  for (const ArgumentCase& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    SCOPED_TRACE(joined);
    const CommandLine line = ClassifyArguments(c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.cadFormat, c.cadFormat);
    EXPECT_EQ(line.cadDrawing, c.cadDrawing);
    EXPECT_EQ(line.noGui, c.noGui);
    if (!c.args.empty() && c.action != StartAction::Help) {
      EXPECT_EQ(line.project, c.args[0]);
    }
  }
}

// Only the system's separators end a folder: elsewhere a backslash or a colon belongs to
// the name, and the output named after it must not land in another place.
TEST(ProjectNameFromPath, DropsFolderAndExtension) {
  EXPECT_EQ(ProjectNameFromPath("test.zt6"), "test");
#ifdef _WIN32
  EXPECT_EQ(ProjectNameFromPath("C:\\daten\\proj.v2.zt6"), "proj.v2");
  EXPECT_EQ(ProjectNameFromPath("c:welle.zt6"), "welle");
#else
  EXPECT_EQ(ProjectNameFromPath("C:\\daten\\proj.v2.zt6"), "C:\\daten\\proj.v2");
  EXPECT_EQ(ProjectNameFromPath("c:welle.zt6"), "c:welle");
  EXPECT_EQ(ProjectNameFromPath("/home/k/a\\b.zt6"), "a\\b");
#endif
  EXPECT_EQ(ProjectNameFromPath("/home/k/nabe.zt6"), "nabe");
  EXPECT_EQ(ProjectNameFromPath("noext"), "noext");
}

TEST(JoinFolder, AppendsASeparatorOnlyAfterNameCharacters) {
#ifdef _WIN32
  const std::string sep = "\\";
#else
  const std::string sep = "/";
#endif
  EXPECT_EQ(JoinFolder("  /data/zt6  ", "x.dbf"), "/data/zt6" + sep + "x.dbf");
  EXPECT_EQ(JoinFolder("tab1", "x"), "tab1" + sep + "x");
  EXPECT_EQ(JoinFolder("dir_", "x"), "dir_" + sep + "x");
  EXPECT_EQ(JoinFolder("dir)", "x"), "dir)" + sep + "x");
  EXPECT_EQ(JoinFolder("/data/", "x"), "/data/x");
  EXPECT_EQ(JoinFolder("C:\\data\\", "x"), "C:\\data\\x");
  EXPECT_EQ(JoinFolder("C:", "x"), "C:x");
  EXPECT_EQ(JoinFolder(".", "x"), ".x");
  EXPECT_EQ(JoinFolder("dir~", "x"), "dir~x");
  EXPECT_EQ(JoinFolder("   ", "x"), "x");
  EXPECT_EQ(JoinFolder("", "x"), "x");
}

}  // namespace
}  // namespace zt6
