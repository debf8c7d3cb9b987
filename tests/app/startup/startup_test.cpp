// The command-line step and the interactive start.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/startup/help_screen.h"
#include "app/files/project_file.h"
#include "app/ports/recording_launcher.h"
#include "app/ports/recording_printer.h"
#include "app/ports/scripted_ui.h"
#include "app/startup/startup.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

// Every folder of the settings points into a fresh folder, so no directory message
// interferes and the template is looked for there.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.startDirectory = dir.path().string();
    program.configPlace.directory = dir.path();
    for (std::string* folder : {&program.config.cadFolder, &program.config.dbfFolder,
                                &program.config.pltFolder, &program.config.temporaryFolder,
                                &program.config.ediFolder, &program.config.defaultDataFolder})
      *folder = dir.path().string();
  }
  StartOutcome Run(std::vector<std::string> args) {
    program.arguments = std::move(args);
    return RunCommandLineStep(program, prompts, tables, {launcher, printer});
  }
  // A self-defined 12x14 project written by the program's own writer.
  fs::path WriteProjectFile(const std::string& name, double Dii) {
    DesignRecord d;
    d.dimensionSource = DimensionSource::SelfDefined;
    d.Dii = Dii;
    d.Dee = 14.2;
    d.D = 13;
    d.z = 31;
    d.l = 26;
    d.TGi = d.TGe = 0.04;
    d.TN = 50;
    d.Tmax = 120;
    return dir.Write(name, ProjectFileText(d, DocumentationData{}, FormatSettings{}));
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of("message")) texts.push_back(p.text);
    return texts;
  }

  TempDir dir{"zt6_startup"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  NoStandardTables tables;
  RecordingLauncher launcher;
  RecordingPrinter printer;
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
  const std::string garbage = dir.Write("kaputt.zt6", std::string("\x7f" "ELF\0\0", 6)).string();
  // A file cut after line 20 is not taken for a whole project either.
  const std::string whole = test_support::FileBytes(WriteProjectFile("ganz.zt6", 12));
  std::size_t end = 0;
  for (int line = 0; line < 20; ++line) end = whole.find("\r\n", end) + 2;
  const std::string cut = dir.Write("kurz.zt6", whole.substr(0, end)).string();
  for (const std::string& file : {(dir.path() / "proj.zt6").string(), garbage, cut}) {
    for (const std::string second : {"/I", "/CAD1:1"}) {
      ui.recorded.clear();
      const StartOutcome out = Run({file, second, "/NOGUI"});
      EXPECT_TRUE(out.exitNow) << second;
      EXPECT_EQ(out.exitCode, 1) << second;
      EXPECT_TRUE(program.shell.noGui);
      ASSERT_EQ(Boxes().size(), 1u) << second;
      EXPECT_EQ(Boxes()[0].rfind("Datei ", 0), 0u);
      if (file == cut) {
        EXPECT_NE(Boxes()[0].find("endet vorzeitig nach Zeile 20"), std::string::npos);
      }
    }
  }
}

TEST_F(StartupTest, BatchRoutesReadTheProjectAndNameItAfterTheFile) {
  const fs::path file = WriteProjectFile("welle.zt6", 12);
  const StartOutcome out = Run({file.string(), "/cad2:19"});
  EXPECT_TRUE(out.exitNow);
  EXPECT_EQ(program.projectName, "welle");
  EXPECT_DOUBLE_EQ(program.design.Dii, 12);
  EXPECT_GT(program.design.MReV, 14);  // calculated after reading
  // There is no drawing 19: said plainly, nothing written.
  EXPECT_EQ(out.exitCode, 2);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_NE(Boxes()[0].find("Zeichnung 19 gibt es nicht"), std::string::npos);
}

TEST_F(StartupTest, TemplateGivesTheStartValuesWithoutAProjectName) {
  WriteProjectFile("null.zt6", 12.5);
  const StartOutcome out = Run({});
  EXPECT_FALSE(out.exitNow);
  EXPECT_EQ(program.projectDirectory, dir.path().string() + "/");
  EXPECT_DOUBLE_EQ(program.design.Dii, 12.5);
  EXPECT_TRUE(program.projectName.empty());
  EXPECT_GT(program.design.P, 1.3);  // the first calculation ran
  EXPECT_FALSE(program.shell.cancel);
  EXPECT_FALSE(program.modified);

  // Demonstration mode ignores the template; "/E" keeps the typed name when none is read.
  Program demo;
  demo.config = program.config;
  demo.arguments = {"DEMO"};
  Prompts demoPrompts{ui, demo.shell, demo.config.format};
  RunCommandLineStep(demo, demoPrompts, tables, {launcher, printer});
  EXPECT_DOUBLE_EQ(demo.design.Dii, 0);
}

TEST_F(StartupTest, CommandLineFileThatDoesNotExistStartsANewProject) {
  const std::string fresh = (dir.path() / "neu.zt6").string();
  StartOutcome out = Run({fresh});
  EXPECT_FALSE(out.exitNow);
  EXPECT_EQ(program.projectName, fresh);
  EXPECT_TRUE(program.projectFromCommandLine);
  EXPECT_TRUE(Boxes().empty());  // the failed read is silent

  // One that cannot even be created ends the program, saying why.
  out = Run({(dir.path() / "fehlt" / "neu.zt6").string()});
  EXPECT_TRUE(out.exitNow);
  EXPECT_EQ(out.exitCode, 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_NE(Boxes()[0].find("kann nicht geschrieben werden: Ordner " +
                            (dir.path() / "fehlt").string() + " fehlt"),
            std::string::npos)
      << Boxes()[0];
}

TEST_F(StartupTest, UserDirectoryPromptChoosesTheSubfolderOrEndsTheProgram) {
  program.config.askUserDirectory = true;
  fs::create_directory(dir.path() / "kunde1");
  ui.QueueText("kunde1");
  StartOutcome out = Run({});
  EXPECT_FALSE(out.exitNow);
  EXPECT_EQ(program.projectDirectory, (dir.path() / "kunde1").string());
  ASSERT_EQ(ui.Of("text").size(), 1u);
  EXPECT_EQ(ui.Of("text")[0].current, 8);

  for (const char* bad : {"..", "", "fremd", "c:x", "a/b"}) {
    ui.recorded.clear();
    ui.QueueText(bad);
    out = Run({});
    EXPECT_TRUE(out.exitNow) << bad;
    EXPECT_EQ(out.exitCode, 1) << bad;
    ASSERT_EQ(Boxes().size(), 1u) << bad;
    EXPECT_EQ(Boxes()[0], Cp850ToUtf8(Oem("Ungültiges Passwort ")) + bad + " !");
  }
  ui.QueueCancel();
  out = Run({});
  EXPECT_TRUE(out.exitNow);
  EXPECT_EQ(out.exitCode, 0);
}

TEST_F(StartupTest, SettingsAndSessionAreReadBeforeTheStep) {
  Configuration written;
  written.helpLevel = 2;
  written.archiveMode = true;
  written.format.dateCode = 3;
  dir.Write("zt6.cfg", ConfigurationText(written));
  RecentFiles recent;
  recent.entries[0] = "/daten/welle.zt6";
  dir.Write("zt6.cff", SessionText("/daten", recent));

  LoadSettingsAndSession(program, kBatchScreenSize);
  EXPECT_EQ(program.shell.helpLevel, 2);
  EXPECT_TRUE(program.shell.archiveMode);
  EXPECT_EQ(program.config.format.dateCode, 3);
  EXPECT_EQ(program.recent.entries[0], "/daten/welle.zt6");
  EXPECT_EQ(program.docs.signOff[0].date.substr(4, 1), "/");  // YYYY/MM/DD
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

namespace zt6 {
namespace {

// The example configuration beside the inch project is the writer's own and selects
// English units.
TEST(ExampleConfiguration, SelectsEnglishUnits) {
  const std::string bytes =
      test_support::FileBytes(std::string(ZT6_DATA_DIR) + "/examples/english/zt6.cfg");
  Configuration config;
  ReadConfigurationText(bytes, config, kBatchScreenSize, "/start");
  EXPECT_EQ(config.format.units, UnitSystem::English);
  EXPECT_EQ(config.format.dateCode, 2);
  EXPECT_EQ(ConfigurationText(config).substr(0, 200), bytes.substr(0, 200));
}

}  // namespace
}  // namespace zt6
