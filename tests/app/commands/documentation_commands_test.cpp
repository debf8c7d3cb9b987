// The documentation menu without a window: the change-record operations with their
// change list, opening document links and the document setup.

#include "app/commands/documentation_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/forms/change_form.h"
#include "app/ports/posix_launcher.h"
#include "app/ports/recording_launcher.h"
#include "app/ports/recording_printer.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

// The windows as a script: the change dialog types `typed` into its record through
// the form, or is cancelled.
class ScriptedDocumentationDialogs : public DocumentationDialogs {
 public:
  explicit ScriptedDocumentationDialogs(Program& program) : program_(program) {}
  bool confirm = true;
  std::string typed = "Bohrung";
  std::vector<std::string> opened;

  bool ChangeRecord(int k) override {
    opened.push_back("change " + std::to_string(k));
    ChangeForm form(program_.docs.changes[static_cast<std::size_t>(k - 1)], program_.shell.cancel);
    form.Fill();
    form.fields["Edit_aenderung"] = typed;
    return Finish(form);
  }
  bool DrawingInformation() override {
    opened.push_back("drawing information");
    return Answer();
  }
  bool DocumentSetup() override {
    opened.push_back("document setup");
    if (confirm) program_.docs.documents[0].file = "neu.pdf";
    return Answer();
  }

 private:
  bool Finish(ChangeForm& form) {
    if (!confirm) return Answer();
    form.Accept();
    return true;
  }
  bool Answer() {
    if (!confirm) program_.shell.cancel = true;
    return confirm;
  }
  Program& program_;
};

class DocumentationCommandsTest : public ::testing::Test {
 protected:
  DocumentationCommandsTest() {
    program.config.temporaryFolder = Utf8ToCp850(dir.path().string());
    program.config.askTextDevice = false;
    program.config.textDevice = 8;  // "OUTDOS.TXT" in the temporary folder
    program.shell.messageBoxesEnabled = true;
    program.projectName = "welle";
  }

  void Run(ChangeOperation operation) {
    ReportOutput output(program, prompts, launcher, printer);
    ChangeRecordOperation(operation, output, program, prompts, dialogs);
  }
  // The change list the last operation showed on the screen ("" when none).
  std::string ShownList() const {
    const auto shown = ui.Of("textfile");
    if (shown.empty()) return {};
    return Cp1252ToUtf8(test_support::FileBytes(shown.back().text));
  }
  void AddRecords(std::size_t n, const std::string& text) {
    for (std::size_t i = 0; i < n; ++i) {
      AddChangeRecord(program.docs, "01.01.2026");
      program.docs.changes[program.docs.changeCount - 1].changeText = text;
    }
  }

  test_support::TempDir dir{"zt6_docs"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingLauncher launcher;
  RecordingPrinter printer;
  ScriptedDocumentationDialogs dialogs{program};
  const std::string today = TodayText(1);
};

TEST_F(DocumentationCommandsTest, TheOperationsAndTheirLists) {
  struct Case {
    const char* what;
    std::size_t recordsBefore;
    bool confirm;
    bool staleCancelFlag;
    ChangeOperation operation;
    std::size_t recordsAfter;
    std::vector<std::string> dialogs;
    bool listShown;
    std::vector<std::string> inList;
    bool modifies;  // closing would ask to save
  };
  const std::vector<Case> cases{
      {"new, confirmed", 2, true, false, ChangeOperation::New, 3, {"change 3"}, true,
       {"  c     " + today, "Bohrung"}, true},
      {"new, cancelled: counted, dated today, no list", 2, false, false, ChangeOperation::New, 3,
       {"change 3"}, false, {}, true},
      {"new with 25 records", 25, true, false, ChangeOperation::New, 25, {}, false, {}, false},
      {"edit last", 2, true, false, ChangeOperation::EditLast, 2, {"change 2"}, true, {"Bohrung"}, true},
      {"edit last with none", 0, true, false, ChangeOperation::EditLast, 0, {}, false, {}, false},
      {"delete last", 2, true, false, ChangeOperation::DeleteLast, 1, {}, true, {"  a     "}, true},
      {"delete last, No to the question: kept, no list", 2, false, false,
       ChangeOperation::DeleteLast, 2, {}, false, {}, false},
      {"delete last with none: an empty list", 0, true, false, ChangeOperation::DeleteLast, 0, {},
       true, {"Erstellungsdatum: "}, false},
      {"show after an earlier command's cancel", 1, true, true, ChangeOperation::Show, 1, {}, true,
       {"alt"}, false},
      {"drawing information", 1, true, false, ChangeOperation::DrawingInformation, 1,
       {"drawing information"}, false, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    program.docs = InitialDocumentation("01.01.2026");
    AddRecords(c.recordsBefore, "alt");
    program.modified = false;
    dialogs.confirm = c.confirm;
    dialogs.opened.clear();
    ui.recorded.clear();
    program.shell.cancel = c.staleCancelFlag;
    // Delete last asks first; confirm answers Yes.
    if (c.operation == ChangeOperation::DeleteLast && c.recordsBefore > 0)
      ui.Queue({c.confirm ? ScriptedAnswer::Kind::Yes : ScriptedAnswer::Kind::No});

    Run(c.operation);
    EXPECT_EQ(program.docs.changeCount, c.recordsAfter);
    EXPECT_EQ(dialogs.opened, c.dialogs);
    EXPECT_EQ(!ui.Of("textfile").empty(), c.listShown);
    const std::string list = ShownList();
    for (const std::string& text : c.inList) EXPECT_NE(list.find(text), std::string::npos) << list;
    EXPECT_EQ(program.modified, c.modifies);
    if (c.operation == ChangeOperation::New && c.recordsBefore < kMaxChangeRecords) {
      EXPECT_EQ(program.docs.changes[c.recordsAfter - 1].date, today);
    }
  }
}

TEST_F(DocumentationCommandsTest, TheTwentySixthIsRefusedWithTheError) {
  AddRecords(25, "x");
  Run(ChangeOperation::New);
  const auto boxes = ui.Of("message");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Fehler : ");
  EXPECT_EQ(boxes[0].text, "Max. Änderungen = 25 !");
  EXPECT_EQ(program.docs.changeCount, 25u);

  // Without message boxes nothing is shown, and still nothing is added.
  ui.recorded.clear();
  program.shell.messageBoxesEnabled = false;
  Run(ChangeOperation::New);
  EXPECT_TRUE(ui.Of("message").empty());
  EXPECT_EQ(program.docs.changeCount, 25u);
}

TEST_F(DocumentationCommandsTest, DeleteThenNewBringsTheTextsBackDatedToday) {
  AddRecords(2, "zweite");
  program.docs.changes[1].description = "Bohrung\nvergrößert";
  ui.Queue({ScriptedAnswer::Kind::Yes});  // delete asks first
  Run(ChangeOperation::DeleteLast);
  dialogs.confirm = false;  // the dialog shows the old texts and is cancelled
  Run(ChangeOperation::New);
  ASSERT_EQ(program.docs.changeCount, 2u);
  EXPECT_EQ(program.docs.changes[1].changeText, "zweite");
  EXPECT_EQ(program.docs.changes[1].description, "Bohrung\nvergrößert");
  EXPECT_EQ(program.docs.changes[1].date, today);
}

TEST_F(DocumentationCommandsTest, PrintGoesToTheReportDeviceWithThePageHeader) {
  AddRecords(3, Oem("Maß"));
  program.design.drawing.infoLines = {Oem("Getriebe Übersicht"), "", ""};
  Run(ChangeOperation::Print);
  EXPECT_TRUE(ui.Of("textfile").empty());
  const std::string file = Cp850ToUtf8(test_support::FileBytes(dir.path() / "OUTDOS.TXT"));
  EXPECT_NE(file.find("Änderungsprotokoll"), std::string::npos) << file;
  EXPECT_NE(file.find("Getriebe Übersicht"), std::string::npos);
  EXPECT_NE(file.find("  c     01.01.2026   "), std::string::npos);
  // The screen copy has no page header.
  Run(ChangeOperation::Show);
  EXPECT_EQ(ShownList().find("Änderungsprotokoll"), std::string::npos);
}

TEST(OpenDocument, DefaultProgramOpensTheFileOtherProgramsTakeItAsOneArgument) {
  struct Case {
    const char* program;
    const char* file;
    bool open;  // through the desktop's default program
    std::string started;
    std::vector<std::string> arguments;
  };
  const std::vector<Case> cases{
      {"NOTEPAD.EXE", "/home/k/Zeichnung 1.pdf", true, "/home/k/Zeichnung 1.pdf", {}},
      {"", "plan.txt", true, "plan.txt", {}},
      {"C:\\WINDOWS\\notepad.exe", "a.txt", true, "a.txt", {}},
      {"/usr/bin/okular", "/home/k/Prüfplan mit Blanks.pdf", false, "/usr/bin/okular",
       {"/home/k/Prüfplan mit Blanks.pdf"}},
      {"  libreoffice  ", "", false, "libreoffice", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    RecordingLauncher launcher;
    EXPECT_TRUE(OpenDocument({c.program, c.file}, launcher));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].open, c.open);
    EXPECT_EQ(launcher.calls[0].program, c.started);
    EXPECT_EQ(launcher.calls[0].arguments, c.arguments);
  }
  // A start that fails is reported to the caller only.
  RecordingLauncher failing;
  failing.succeed = false;
  EXPECT_FALSE(OpenDocument({"/nicht/da", "x"}, failing));
  EXPECT_EQ(failing.calls.size(), 1u);
}

TEST(OpenDocument, TheDefaultProgramWithoutAFileStartsTheTextEditorFound) {
  test_support::TempDir dir("zt6_docs_editor");
  TextEditorSearch search;
  search.searchPath = dir.path().string();
  search.defaultDesktopEntry = [] { return std::string(); };
  RecordingLauncher launcher;
  EXPECT_FALSE(OpenDocument({"NOTEPAD.EXE", ""}, launcher, search));  // no editor: no effect
  EXPECT_TRUE(launcher.calls.empty());

  const fs::path editor = dir.path() / "mousepad";
  std::ofstream(editor) << "#!/bin/sh\n";
  fs::permissions(editor, fs::perms::owner_all);
  EXPECT_TRUE(OpenDocument({"NOTEPAD.EXE", ""}, launcher, search));
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0].program, editor.string());
  EXPECT_TRUE(launcher.calls[0].arguments.empty());
}

// How fast both return is timed in bench/open_document_bench.cpp; a hang ends in the
// test timeout.
TEST(OpenDocument, MissingProgramOrFileNeitherHangsNorThrows) {
  PosixLauncher launcher;
  EXPECT_FALSE(OpenDocument({"/nicht/vorhanden/programm", "/tmp/x.txt"}, launcher));
  // The program is there, the file is not: it is started and not waited for.
  EXPECT_TRUE(OpenDocument({"true", "/nicht/vorhanden/datei.txt"}, launcher));
}

TEST_F(DocumentationCommandsTest, DocumentSetupSetsTheModifiedFlagOnlyAfterOk) {
  dialogs.confirm = false;
  DocumentSetupCommand(program, dialogs);
  EXPECT_FALSE(program.modified);
  EXPECT_TRUE(program.shell.cancel);
  EXPECT_EQ(program.docs.documents[0].file, "");
  dialogs.confirm = true;
  DocumentSetupCommand(program, dialogs);
  EXPECT_TRUE(program.modified);
}

}  // namespace
}  // namespace zt6
