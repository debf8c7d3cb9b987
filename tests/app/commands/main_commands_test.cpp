// The main menu's commands without a window: the save query before them, New, Open,
// the recent entries, Save As, the input commands, language, title and close.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <map>
#include <string>
#include <vector>

#include "app/commands/main_commands.h"
#include "app/files/project_file.h"
#include "app/files/recent_list.h"
#include "app/ports/scripted_ui.h"
#include "cad/cad_fixture.h"
#include "base/codepage.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

// The input dialogs as a script: each is confirmed unless told otherwise; a confirmed
// dimensions or load dialog types in the 12x14 serration's values, a cancelled one sets
// the cancel flag.
class ScriptedDialogs : public InputDialogs {
 public:
  explicit ScriptedDialogs(Program& program) : program_(program) {}
  std::map<std::string, bool> confirm;  // dialog name -> answer; missing = OK
  std::vector<std::string> opened;

  bool DrawingIdentification() override { return Answer("identification"); }
  bool Dimensions() override {
    if (!Answer("dimensions")) return false;
    const DesignRecord typed = test_support::SelfDefined12x14();
    program_.design.dimensionSource = typed.dimensionSource;
    program_.design.Dii = typed.Dii;
    program_.design.Dee = typed.Dee;
    program_.design.D = typed.D;
    program_.design.z = typed.z;
    program_.design.gammaE = typed.gammaE;
    program_.design.l = typed.l;
    program_.design.TGi = typed.TGi;
    program_.design.TGe = typed.TGe;
    return true;
  }
  bool Material() override { return Answer("material"); }
  // A confirmed load dialog types in the 12x14 design's load.
  bool Load() override {
    if (!Answer("load")) return false;
    const DesignRecord typed = test_support::SelfDefined12x14();
    program_.design.TN = typed.TN;
    program_.design.Tmax = typed.Tmax;
    program_.design.KA = typed.KA;
    return true;
  }

 private:
  bool Answer(const std::string& dialog) {
    opened.push_back(dialog);
    const auto it = confirm.find(dialog);
    const bool ok = it == confirm.end() || it->second;
    if (!ok) program_.shell.cancel = true;
    return ok;
  }
  Program& program_;
};

// Counts the size choices of the design variant, each answered with the 12x14 size;
// no table behind it.
class CountingTables : public StandardTables {
 public:
  int sizeChoices = 0;
  double Runout(double, RunMessages&) override { return 0; }
  bool ReadToleranceRow(ToleranceTable, DesignRecord&, RunMessages&) override { return false; }
  bool SizeByDiameter(double, DesignRecord& design) override {
    ++sizeChoices;
    const DesignRecord size = test_support::SelfDefined12x14();
    design.Dii = size.Dii;
    design.Dee = size.Dee;
    design.D = size.D;
    design.z = size.z;
    design.gammaE = size.gammaE;
    design.TGi = size.TGi;
    design.TGe = size.TGe;
    return true;
  }
};

// The choice prompt also notes the help number it was opened with.
class HelpNumberUi : public ScriptedUi {
 public:
  explicit HelpNumberUi(const ShellState& shell) : shell_(shell) {}
  std::vector<int> choiceHelp;
  std::optional<int> AskChoice(const std::string& prompt, const std::vector<std::string>& items,
                               int current) override {
    choiceHelp.push_back(shell_.helpNumber);
    return ScriptedUi::AskChoice(prompt, items, current);
  }

 private:
  const ShellState& shell_;
};

class MainCommandsTest : public ::testing::Test {
 protected:
  MainCommandsTest() {
    program.projectDirectory = dir.path().string();
    fs::create_directories(dir.path() / "tmp");
    program.config.temporaryFolder = Utf8ToCp850((dir.path() / "tmp").string());
    program.config.pltFolder = Utf8ToCp850(dir.path().string());
    program.design = test_support::SelfDefined12x14();
  }
  // A project file of the 12x14 serration with the nominal torque TN.
  std::string WriteProject(const std::string& name, double TN) {
    DesignRecord d = test_support::SelfDefined12x14();
    d.TN = TN;
    return dir.Write(name, ProjectFileText(d, DocumentationData{}, FormatSettings{})).string();
  }
  std::vector<std::string> Texts(const std::string& kind) const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of(kind)) texts.push_back(p.text);
    return texts;
  }
  bool Drawn() const { return !program.drawing.Records().empty(); }

  test_support::TempDir dir{"zt6_main_commands"};
  Program program;
  HelpNumberUi ui{program.shell};
  Prompts prompts{ui, program.shell, program.config.format};
  CountingTables tables;
  ScriptedDialogs dialogs{program};
  cad_test::RecordingCadPorts screen;
  MainCommands commands{program, prompts, tables, dialogs, screen};
};

TEST_F(MainCommandsTest, SaveQueryBranches) {
  enum class Reply { None, Yes, No, Cancel };
  struct Case {
    const char* what;
    bool named, modified, archivedCommandLine;
    Reply reply;
    const char* question;  // "" = none asked
    bool goOn, modifiedAfter, written;
  };
  const std::string file = (dir.path() / "welle.zt6").string();
  const std::string save = "Datei speichern (" + file + ") ?";
  const Case cases[] = {
      {"named, saved", true, true, false, Reply::Yes, save.c_str(), true, false, true},
      {"named, not saved", true, true, false, Reply::No, save.c_str(), true, false, false},
      {"named, cancelled", true, true, false, Reply::Cancel, save.c_str(), false, true, false},
      {"unnamed, discarded", false, true, false, Reply::Yes, "Bisherige Eingaben verwerfen ?",
       true, false, false},
      {"unnamed, kept", false, true, false, Reply::No, "Bisherige Eingaben verwerfen ?", false,
       true, false},
      {"unchanged", true, false, false, Reply::None, "", true, false, false},
      {"archive", true, true, true, Reply::None, "", true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteProject("welle.zt6", 1);  // the overwrite question must not come up
    program.design.TN = 33;
    program.projectName = c.named ? "welle" : "";
    program.modified = c.modified;
    program.projectFromCommandLine = c.archivedCommandLine;
    program.config.archiveMode = c.archivedCommandLine;
    ui.recorded.clear();
    if (c.reply == Reply::Yes) ui.QueueYes();
    if (c.reply == Reply::No) ui.QueueNo();
    if (c.reply == Reply::Cancel) ui.QueueCancel();

    EXPECT_EQ(commands.SaveQuery(), c.goOn);
    EXPECT_EQ(program.shell.cancel, !c.goOn);
    EXPECT_EQ(program.modified, c.modifiedAfter);
    const std::vector<std::string> asked = Texts("yesnocancel");
    EXPECT_EQ(asked, std::string(c.question).empty() ? std::vector<std::string>{}
                                                     : std::vector<std::string>{c.question});
    DesignRecord read;
    DocumentationData docs;
    ASSERT_TRUE(LoadProjectFile(file, read, docs).ok);
    EXPECT_EQ(read.TN, c.written ? 33 : 1);
    EXPECT_TRUE(program.shell.overwriteQuestion);
  }
}

TEST_F(MainCommandsTest, NewNachrechnungRunsTheDialogsCalculatesAndShowsTheSummary) {
  program.projectName = "alt";
  program.design.P = 0;
  program.docs.replacedBy = "4711";
  program.design.drawing.infoLines[0] = "alt";
  program.design.drawing.hubNumber = "N-12-014";
  ui.QueueChoice(2);  // Nachrechnung
  commands.New();
  EXPECT_EQ(dialogs.opened,
            (std::vector<std::string>{"identification", "dimensions", "material", "load"}));
  ASSERT_EQ(ui.Of("choice").size(), 1u);
  EXPECT_EQ(ui.Of("choice")[0].items, (std::vector<std::string>{"Auslegung", "Nachrechnung"}));
  EXPECT_EQ(ui.choiceHelp, std::vector<int>{2750});
  EXPECT_GT(program.design.P, 0);  // calculated
  EXPECT_EQ(program.messages.Count(), 0);
  EXPECT_EQ(Texts("message"), std::vector<std::string>{"Berechnung erfolgreich ohne Fehlermeldungen"});
  EXPECT_TRUE(Drawn());
  EXPECT_TRUE(program.modified);
  EXPECT_TRUE(program.projectName.empty());
  EXPECT_TRUE(program.docs.replacedBy.empty());
  EXPECT_TRUE(program.design.drawing.infoLines[0].empty());
  EXPECT_TRUE(program.design.drawing.hubNumber.empty());  // nothing inherited
  EXPECT_EQ(tables.sizeChoices, 0);
}

TEST_F(MainCommandsTest, NewNachrechnungCancelled) {
  // Cancel in the dimensions dialog: nothing calculated, nothing drawn.
  program.design = DesignRecord{};
  dialogs.confirm["dimensions"] = false;
  ui.QueueChoice(2);
  commands.New();
  EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"identification", "dimensions"}));
  EXPECT_EQ(program.design.P, 0);
  EXPECT_FALSE(Drawn());
  EXPECT_FALSE(program.modified);

  // Material cancelled: the load dialog still comes, then a calculation without summary.
  dialogs.opened.clear();
  dialogs.confirm = {{"material", false}};
  ui.QueueChoice(2);
  commands.New();
  EXPECT_EQ(dialogs.opened,
            (std::vector<std::string>{"identification", "dimensions", "material", "load"}));
  EXPECT_GT(program.design.P, 0);
  EXPECT_TRUE(Texts("message").empty());
  EXPECT_TRUE(Drawn());
  EXPECT_TRUE(program.modified);
  EXPECT_FALSE(program.shell.cancel);

  // Cancel at the choice of the calculation: no dialog at all.
  dialogs.opened.clear();
  program.modified = false;
  ui.QueueCancel();
  commands.New();
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_FALSE(program.modified);
}

TEST_F(MainCommandsTest, NewAuslegungChoosesTheSizeFromTheLoad) {
  program.design.l = 5;
  ui.QueueChoice(1);
  commands.New();
  EXPECT_EQ(dialogs.opened, (std::vector<std::string>{"identification", "material", "load"}));
  EXPECT_EQ(tables.sizeChoices, 1);
  EXPECT_DOUBLE_EQ(program.design.l, 2 * program.design.D);
  EXPECT_TRUE(Drawn());
  EXPECT_TRUE(program.modified);

  // A cancelled load dialog: no design run.
  dialogs.opened.clear();
  dialogs.confirm["load"] = false;
  program.modified = false;
  ui.QueueChoice(1);
  commands.New();
  EXPECT_EQ(tables.sizeChoices, 1);
  EXPECT_FALSE(program.modified);
}

TEST_F(MainCommandsTest, NewStartsFromTheTemplateInTheProjectDirectory) {
  WriteProject("null.zt6", 77);
  dialogs.confirm["load"] = false;  // the template's load stays
  ui.QueueChoice(2);
  commands.New();
  EXPECT_EQ(program.design.TN, 77);
  EXPECT_TRUE(program.projectName.empty());
  EXPECT_EQ(commands.Title(), "ZT6  -  Kerbverzahnung DIN 5481");
}

TEST_F(MainCommandsTest, OpenAddsTheFileToTheRecentListOnce) {
  const std::string file = WriteProject("welle.zt6", 45);
  program.modified = true;
  program.projectName = "alt";
  ui.QueueNo();  // do not save "alt"
  ui.QueueText(file);
  commands.Open();
  EXPECT_EQ(program.design.TN, 45);
  EXPECT_FALSE(program.modified);
  EXPECT_TRUE(Drawn());
  EXPECT_EQ(commands.Title(), "ZT6  -  Kerbverzahnung DIN 5481  -  welle.zt6");
  EXPECT_EQ(program.recent.entries[0], file);
  EXPECT_EQ(commands.RecentItemCaption(1), "&1 " + ShortenedPath(file));
  EXPECT_TRUE(commands.RecentSeparatorVisible());

  ui.QueueText(file);
  commands.Open();
  EXPECT_EQ(program.recent.entries[0], file);
  EXPECT_TRUE(program.recent.entries[1].empty());
  EXPECT_TRUE(commands.RecentItemCaption(2).empty());

  // A cancelled file dialog reads nothing.
  program.design.TN = 3;
  commands.Open();
  EXPECT_EQ(program.design.TN, 3);
  EXPECT_TRUE(program.shell.cancel);
}

TEST_F(MainCommandsTest, RecentEntries) {
  const std::string kept = WriteProject("nabe.zt6", 12);
  const std::string gone = (dir.path() / "weg.zt6").string();
  program.recent.entries = {gone, kept, "", ""};
  program.projectDirectory = "/anderswo";

  commands.OpenRecent(1);
  EXPECT_EQ(Texts("message"), std::vector<std::string>{"File " + gone + " not found !"});
  EXPECT_EQ(program.recent.entries, (RecentFiles{{kept, "", "", ""}}).entries);

  program.design.TN = 1;
  program.modified = true;
  ui.QueueNo();  // discard the changes? no: nothing is opened
  commands.OpenRecent(1);
  EXPECT_EQ(program.design.TN, 1);
  EXPECT_TRUE(program.shell.cancel);

  ui.QueueYes();
  commands.OpenRecent(1);
  EXPECT_EQ(program.design.TN, 12);
  EXPECT_EQ(program.projectName, "nabe");
  EXPECT_EQ(fs::path(program.projectDirectory), dir.path());
  EXPECT_FALSE(program.modified);
  EXPECT_TRUE(Drawn());
  EXPECT_EQ(program.recent.entries[0], kept);
  EXPECT_TRUE(program.recent.entries[1].empty());

  RecentFiles none;
  program.recent = none;
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(commands.RecentItemCaption(k).empty());
  EXPECT_FALSE(commands.RecentSeparatorVisible());
}

TEST_F(MainCommandsTest, SaveAndSaveAs) {
  program.modified = true;
  ui.QueueText((dir.path() / "neu.zt6").string());
  commands.Save();  // no name yet: the save dialog asks for one
  EXPECT_EQ(program.projectName, "neu");
  EXPECT_FALSE(program.modified);
  EXPECT_TRUE(fs::exists(dir.path() / "neu.zt6"));
  EXPECT_TRUE(program.recent.entries[0].empty());

  // Save under the name again: no question although the file exists.
  program.modified = true;
  ui.recorded.clear();
  commands.Save();
  EXPECT_TRUE(ui.recorded.empty());
  EXPECT_FALSE(program.modified);

  program.modified = true;
  ui.QueueText((dir.path() / "kopie.zt6").string());
  commands.SaveAs();
  EXPECT_EQ(program.recent.entries[0], (dir.path() / "kopie.zt6").string());
  EXPECT_FALSE(program.modified);
  EXPECT_EQ(commands.Title(), "ZT6  -  Kerbverzahnung DIN 5481  -  kopie.zt6");

  program.modified = true;
  commands.SaveAs();  // cancelled dialog
  EXPECT_TRUE(program.modified);
}

TEST_F(MainCommandsTest, InputCommandsRecalculateAsEachDialogDemands) {
  struct Case {
    const char* dialog;
    void (MainCommands::*command)();
    bool confirmed;
    bool calculated, modified;
  };
  const Case cases[] = {
      {"dimensions", &MainCommands::EditDimensions, true, true, true},
      {"dimensions", &MainCommands::EditDimensions, false, true, false},
      {"material", &MainCommands::EditMaterial, true, true, true},
      {"material", &MainCommands::EditMaterial, false, true, false},
      {"load", &MainCommands::EditLoad, true, true, true},
      {"load", &MainCommands::EditLoad, false, false, false},
      {"identification", &MainCommands::EditText, true, false, true},
      {"identification", &MainCommands::EditText, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dialog) + (c.confirmed ? " confirmed" : " cancelled"));
    program.design = test_support::SelfDefined12x14();
    program.drawing.Clear();
    program.modified = false;
    program.shell.cancel = false;
    dialogs.confirm = {{c.dialog, c.confirmed}};
    dialogs.opened.clear();
    (commands.*c.command)();
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{c.dialog});
    EXPECT_EQ(program.design.P > 0, c.calculated);
    EXPECT_EQ(Drawn(), c.calculated);
    EXPECT_EQ(program.modified, c.modified);
  }
}

TEST_F(MainCommandsTest, RunMessageItemAndLanguage) {
  EXPECT_EQ(commands.MessageItemCaption(), "&Fehlermeldungen (0)");
  EXPECT_FALSE(commands.MessageItemEnabled());
  program.messages.Add("eins");
  program.messages.Add("zwei");
  EXPECT_EQ(commands.MessageItemCaption(), "&Fehlermeldungen (2)");
  EXPECT_TRUE(commands.MessageItemEnabled());

  commands.SetLanguage(2);
  EXPECT_EQ(program.config.menuLanguage, 2);
  EXPECT_EQ(program.words.Language(), 2);
  EXPECT_EQ(commands.Captions().Caption("mi_fileNew"), "&New...");
  EXPECT_EQ(commands.MessageItemCaption(), "&Error messages (2)");
  // The program title speaks the new language at once.
  EXPECT_EQ(commands.Title(), "ZT6  -  Serration DIN 5481");

  commands.SetLanguage(3);
  EXPECT_EQ(program.config.menuLanguage, 3);
  EXPECT_EQ(commands.Captions().Caption("mi_viewprofilwelle"), "Sh&aft");
}

TEST_F(MainCommandsTest, TitleVariants) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "ZT6  -  Kerbverzahnung DIN 5481"},
      {"welle", "ZT6  -  Kerbverzahnung DIN 5481  -  welle.zt6"},
      {"/daten/welle.ZT6", "ZT6  -  Kerbverzahnung DIN 5481  -  /daten/welle.ZT6"},
      {"Übergang", "ZT6  -  Kerbverzahnung DIN 5481  -  Übergang.zt6"},
  };
  for (const auto& [name, title] : cases) {
    program.projectName = name;
    EXPECT_EQ(commands.Title(), title);
  }
  // The term comes from the report words of the language the window was created in.
  program.words.Load(2);
  program.projectName.clear();
  const MainCommands english(program, prompts, tables, dialogs, screen);
  EXPECT_EQ(english.Title(), "ZT6  -  Serration DIN 5481");
}

TEST(ResultGraphic, SettingChoosesTheDrawingKind) {
  const std::pair<int, int> cases[] = {{0, 5}, {1, 5}, {2, 13}, {3, 8},
                                       {4, 14}, {5, 9}, {6, 5}, {-1, 5}};
  for (const auto& [setting, kind] : cases) EXPECT_EQ(ResultGraphicKind(setting), kind) << setting;
}

TEST_F(MainCommandsTest, CloseQueryDeletesTheTemporaryDrawingFiles) {
  const fs::path tmp = dir.path() / "tmp";
  for (const char* name : {"$zahn1.dx$", "$RAHMEN.DX$", "zahn.dx$", "$zahn.dxf", "bericht.txt"})
    std::ofstream(tmp / name) << "x";

  // Unsaved changes without a name, not discarded: the window stays open.
  program.modified = true;
  ui.QueueNo();
  EXPECT_FALSE(commands.CloseQuery());
  EXPECT_TRUE(fs::exists(tmp / "$zahn1.dx$"));

  ui.QueueYes();
  EXPECT_TRUE(commands.CloseQuery());
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(tmp)) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"$zahn.dxf", "bericht.txt", "zahn.dx$"}));
}

}  // namespace
}  // namespace zt6
