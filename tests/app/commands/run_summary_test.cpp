#include "app/commands/run_summary.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "calc/message_descriptions.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

const char* const kPrompt =
    "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.";
const char* const kProceed = "Weiter/zurück...";

class RunSummaryTest : public ::testing::Test {
 protected:
  zt6::test_support::TempDir temp{"zt6_summary"};
  const fs::path dir = temp.path();
  fs::path file;
  ScriptedUi ui;
  ShellState shell;
  FormatSettings format;
  Prompts prompts{ui, shell, format};
  RunMessages messages;

  void SetUp() override {
    file = dir / "zt6.err";
    std::ofstream(file, std::ios::binary)
        << Oem("Fehler : Dii < DFe !\r\nNabenkopf im Fußradius\r\nDii vergrößern\r\n"
               "Fehler : Seq<1 (Wert Bauteil)\r\nPressung zu hoch\r\nL vergrößern\r\n"
               "Warnung: Tmax < Teq !\r\nTmax zu klein\r\nTmax prüfen\r\n");
  }

  void AddThree() {
    messages.Add("Fehler : Dii < DFe !");
    messages.Add("Fehler : Seq<1 (0.85 Welle)");
    messages.Add("Warnung: Tmax < Teq !");
  }
  void RunSummary_() {
    RunSummary summary(messages, prompts, file);
    summary.Summary();
  }
  std::vector<int> Preselections() const {
    std::vector<int> result;
    for (const RecordedPrompt& p : ui.Of("choice")) result.push_back(p.current);
    return result;
  }
};

TEST_F(RunSummaryTest, WithoutMessagesReportsSuccessUnlessWindowless) {
  RunSummary_();
  ASSERT_EQ(ui.recorded.size(), 1u);
  EXPECT_EQ(ui.recorded[0].kind, "message");
  EXPECT_EQ(ui.recorded[0].text, "Berechnung erfolgreich ohne Fehlermeldungen");

  for (bool noGui : {true, false}) {
    ui.recorded.clear();
    shell.noGui = noGui;
    shell.demoMode = !noGui;
    RunSummary_();
    AddThree();
    RunSummary_();
    messages.Clear();
    EXPECT_TRUE(ui.recorded.empty()) << (noGui ? "/NOGUI" : "demo");
  }
}

TEST_F(RunSummaryTest, HelpLevelZeroStartsOnProceedAndReturnsWithTheNextMessage) {
  AddThree();
  shell.cancel = true;  // left over from an earlier prompt
  ui.QueueChoice(2);
  ui.QueueOk();          // message window
  ui.QueueChoice(4);     // "Weiter/zurück..."
  RunSummary_();

  const std::vector<RecordedPrompt> choices = ui.Of("choice");
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0].text, kPrompt);
  EXPECT_EQ(choices[0].items,
            (std::vector<std::string>{"Fehler : Dii < DFe !", "Fehler : Seq<1 (0.85 Welle)",
                                      "Warnung: Tmax < Teq !", kProceed}));
  EXPECT_EQ(Preselections(), (std::vector<int>{4, 3}));

  const std::vector<RecordedPrompt> windows = ui.Of("messagewindow");
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].text, "Fehler : Seq<1 (0.85 Welle)");
  EXPECT_EQ(windows[0].items, (std::vector<std::string>{"Pressung zu hoch", "L vergrößern"}));
  EXPECT_FALSE(shell.cancel);
  EXPECT_EQ(shell.helpNumber, 1210);
  EXPECT_EQ(ui.PendingAnswers(), 0u);
}

TEST_F(RunSummaryTest, HelpLevelTwoWalksTheMessagesAndEndsAfterTheLast) {
  messages.Add("Fehler : Dii < DFe !");
  messages.Add("Warnung: Tmax < Teq !");
  shell.helpLevel = 2;
  ui.QueueOk();  // accept message 1
  ui.QueueOk();  // its window
  ui.QueueOk();  // accept message 2
  ui.QueueOk();  // its window: the preselection now reaches "Weiter/zurück..."
  RunSummary_();
  EXPECT_EQ(Preselections(), (std::vector<int>{1, 2}));
  EXPECT_EQ(ui.Of("messagewindow").size(), 2u);
  EXPECT_EQ(ui.PendingAnswers(), 0u);
}

TEST_F(RunSummaryTest, CancelStopsTheSummary) {
  AddThree();
  ui.QueueChoice(1);
  ui.QueueCancel();  // message window
  RunSummary_();
  EXPECT_EQ(ui.Of("choice").size(), 1u);
  EXPECT_TRUE(shell.cancel);

  ui.recorded.clear();
  ui.QueueCancel();  // the list itself
  RunSummary_();
  EXPECT_EQ(ui.Of("choice").size(), 1u);
  EXPECT_TRUE(ui.Of("messagewindow").empty());
  EXPECT_TRUE(shell.cancel);
}

TEST_F(RunSummaryTest, MessageWithoutEntryGetsABoxAndMissingFileEndsTheSummary) {
  messages.Add("Invalid temp directory");
  messages.Add("Fehler : Dii < DFe !");
  ui.QueueChoice(1);
  ui.QueueCancel();
  RunSummary_();
  const std::vector<RecordedPrompt> boxes = ui.Of("message");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Meldung");
  EXPECT_EQ(boxes[0].text, kNoDescription);
  EXPECT_EQ(Preselections(), (std::vector<int>{3, 2}));

  ui.recorded.clear();
  fs::remove(file);
  ui.QueueChoice(2);
  ui.QueueChoice(1);
  RunSummary_();
  EXPECT_EQ(ui.Of("choice").size(), 1u);
  ASSERT_EQ(ui.Of("message").size(), 1u);
  EXPECT_EQ(ui.Of("message")[0].text,
            "Datei " + file.string() + " nicht gefunden oder kein Zugriffsrecht !");
  EXPECT_TRUE(shell.cancel);
}

TEST_F(RunSummaryTest, ConfirmedEditsAreStoredInTheDescriptionFile) {
  AddThree();
  ui.QueueChoice(2);
  ui.QueueEditedDescription("Flankenpressung über pzul", "Länge L\nvergrößern");
  ui.QueueChoice(4);
  RunSummary_();
  EXPECT_EQ(Cause(file, "Fehler : Seq<1 (0.85 Nabe)"), Oem("Flankenpressung über pzul"));
  EXPECT_EQ(Remedy(file, "Fehler : Seq<1 (0.85 Nabe)"), Oem("Länge L vergrößern"));
  EXPECT_EQ(Cause(file, "Warnung: Tmax < Teq !"), "Tmax zu klein");
  EXPECT_TRUE(ui.Of("message").empty());
}

}  // namespace
}  // namespace zt6
