#include "app/ports/batch_ui.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands/run_summary.h"
#include "app/ports/prompts.h"
#include "base/codepage.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

class BatchUiTest : public ::testing::Test {
 protected:
  std::ostringstream out;
  std::ostringstream err;
  BatchUi ui{out, err};
};

TEST_F(BatchUiTest, BoxesBecomeCaptionedLinesOnStandardError) {
  ui.MessageBox("Fehler : ", "Datei x nicht gefunden");
  ui.MessageBox("Meldung:", "fertig");
  ui.MessageBox("", "ohne");
  EXPECT_EQ(err.str(), "Fehler : Datei x nicht gefunden\nMeldung: fertig\nohne\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(BatchUiTest, QuestionsTakeTheSafeAnswer) {
  EXPECT_EQ(ui.AskYesNoCancel("ZT6", "?"), Answer::Cancel);
  EXPECT_EQ(ui.AskYesNo("?", false), std::optional<bool>(false));
  EXPECT_EQ(ui.AskYesNo("?", true), std::optional<bool>(true));
  EXPECT_EQ(ui.AskChoice("?", {"a", "b", "c"}, 2), std::optional<int>(2));
  EXPECT_EQ(ui.AskText("Eingabe", "?", 10, "alt"), std::optional<std::string>("alt"));
  EXPECT_FALSE(ui.ChooseDirectory("/tmp"));
  EXPECT_FALSE(ui.ChooseFileToRead("/tmp", "*.zt6"));
  EXPECT_FALSE(ui.ChooseFileToWrite("/tmp", "*.zt6", "demo"));
  const MessageWindowResult window = ui.ShowMessageWindow("m", "c", "r");
  EXPECT_FALSE(window.cancelled);
  EXPECT_FALSE(window.editedCause);
  EXPECT_FALSE(window.editedRemedy);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(),
            "? -> Abbrechen\n? -> Nein\n? -> Ja\n?\n  1. a\n  2. b\n  3. c\n"
            "m\n  Ursache: c\n  Abhilfe: r\n");
}

TEST_F(BatchUiTest, RunSummaryGoesToStandardError) {
  ShellState shell;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  RunMessages messages;
  messages.Add(Oem("Fehler : Dii < DFe !"));
  shell.helpLevel = 2;  // preselects message 1, so its description is shown too
  RunSummary(messages, prompts, std::filesystem::path(ZT6_DATA_DIR) / "zt6.err").Summary();
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("  1. Fehler : Dii < DFe !\n  2. Weiter/zur\u00fcck...\n"),
            std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("Ursache: Der kleinste Kopfkreisdurchmesser der Nabe"), std::string::npos);

  err.str("");
  shell.noGui = true;
  RunSummary(messages, prompts, std::filesystem::path(ZT6_DATA_DIR) / "zt6.err").Summary();
  EXPECT_EQ(err.str(), "");
}

TEST_F(BatchUiTest, TextWindowsPrintToStandardOutput) {
  ui.ShowTextScreen({"Aufruf:", "  wzt6 datei /I"});
  const test_support::TempDir dir("zt6_batch_ui");
  const std::filesystem::path file = dir.path() / "outwin.txt";
  std::ofstream(file, std::ios::binary) << "Seite 1\nMa\xDF\n";  // Windows-1252
  ui.ShowTextFile(file.string());
  std::filesystem::remove(file);
  EXPECT_EQ(out.str(), "Aufruf:\n  wzt6 datei /I\nSeite 1\nMaß\n");

  ui.ShowTextFile(file.string());
  EXPECT_EQ(err.str(), file.string() + " not found !\n");
}

TEST_F(BatchUiTest, EmptyTextFileLeavesTheOutputUsable) {
  const test_support::TempDir dir("zt6_batch_ui");
  const std::filesystem::path file = dir.path() / "empty.txt";
  std::ofstream{file};
  ui.ShowTextFile(file.string());
  std::filesystem::remove(file);
  ui.ShowTextScreen({"danach"});
  EXPECT_EQ(out.str(), "danach\n");
}

TEST_F(BatchUiTest, WithPromptsErrorsFollowTheSwitchAndQuestionsCancel) {
  ShellState shell;
  shell.messageBoxesEnabled = false;
  FormatSettings format;
  Prompts prompts(ui, shell, format);
  prompts.ShowError("still");
  prompts.ShowErrorAlways(Oem("Größe fehlt"));
  EXPECT_EQ(err.str(), "Fehler : Größe fehlt\n");
  EXPECT_FALSE(prompts.AskYesNoCancel("weiter ?"));
  EXPECT_TRUE(shell.cancel);
}

}  // namespace
}  // namespace zt6
