// The drawing command with the user's choices: output type, file, plot output, screen.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "app/commands/drawing_command.h"
#include "app/ports/recording_launcher.h"
#include "app/ports/scripted_ui.h"
#include "cad/cad_fixture.h"
#include "base/codepage.h"
#include "calc/message_descriptions.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

struct Bench {
  Bench() {
    program.design = cad_test::Calculated12x14();
    program.config.temporaryFolder = Utf8ToCp850(dir.path().string());
    program.config.cadFolder = Utf8ToCp850(dir.path().string());
    program.projectName = "welle";
    program.projectDirectory = "/projekte";
  }
  DrawingOutcome Draw(int kind, CadOutputType type) {
    return DrawingCommand(program, prompts, ports, kind, type,
                          test_support::LocalTime(2026, 2, 1, 9, 5));
  }

  test_support::TempDir dir{"zt6_drawing_command"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingLauncher launcher;
  PromptCadPorts ports{program, prompts, launcher};
};

TEST(DrawingCommand, TheUserChoosesTypeAndFile) {
  Bench b;
  b.ui.QueueChoice(1);
  b.ui.QueueText((b.dir.path() / "profil").string());
  EXPECT_EQ(b.Draw(9, CadOutputType::Choose), DrawingOutcome::Drawn);
  const auto choices = b.ui.Of("choice");
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].items.size(), 5u);
  EXPECT_EQ(choices[0].items[2], "Kontrollausgabe auf Bildschirm");
  const auto files = b.ui.Of("filewrite");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].caption, "*.dxf|*.dxf|*.*|*.*");
  EXPECT_EQ(files[0].items, std::vector<std::string>{"welle.dxf"});
  EXPECT_TRUE(test_support::FileBytes(b.dir.path() / "profil.dxf").ends_with("EOF\r\n"));

  Bench cancelled;
  cancelled.ui.QueueCancel();
  EXPECT_EQ(cancelled.Draw(9, CadOutputType::Choose), DrawingOutcome::Cancelled);
  Bench noFile;
  noFile.ui.QueueChoice(1);
  noFile.ui.QueueCancel();
  EXPECT_EQ(noFile.Draw(9, CadOutputType::Choose), DrawingOutcome::Cancelled);
  EXPECT_TRUE(fs::is_empty(noFile.dir.path()));
}

TEST(DrawingCommand, ScreenDrawingWithFooterLeavesNoBlockFiles) {
  Bench b;
  EXPECT_EQ(b.Draw(17, CadOutputType::Screen), DrawingOutcome::Drawn);
  const auto& records = b.program.drawing.Records();
  ASSERT_FALSE(records.empty());
  // Layer 0 comes before the sheet; the sheet's window spans the profile sheet.
  EXPECT_EQ(records[2], "10;1;1;1022;766;-12;-9.6;12;9.6");
  const std::string footer = "01.02.2026 9:05 - MORVANE ZT6 V1.5 - /projekte/welle.zt6";
  EXPECT_NE(std::find_if(records.begin(), records.end(),
                         [&](const std::string& r) {
                           return r.starts_with("6;") && r.ends_with(";" + footer);
                         }),
            records.end());
  std::size_t lines = 0;
  for (const std::string& r : records) lines += r.starts_with("4;") ? 1 : 0;
  EXPECT_GT(lines, 62u * 4);  // at least the straight pieces of every tooth
  EXPECT_TRUE(fs::is_empty(b.dir.path()));
  EXPECT_GE(b.ports.repaintRequests, 2);
}

TEST(DrawingCommand, PlotOutputWritesThePlotFileThenStartsThePlotProgram) {
  Bench b;
  b.program.config.plotCommandLines = {"/opt/plotrix/WPLOTRIX plotrix /CPS /TCourier"};
  b.ui.QueueOk();  // the settings window
  b.ui.QueueOk();  // the command line prompt
  EXPECT_EQ(b.Draw(1, CadOutputType::Plot), DrawingOutcome::Drawn);
  EXPECT_TRUE(test_support::FileBytes(b.dir.path() / "plotrix.dxf").ends_with("EOF\r\n"));
  ASSERT_EQ(b.launcher.calls.size(), 1u);
  EXPECT_EQ(b.launcher.calls[0].program, "/opt/plotrix/WPLOTRIX");
  EXPECT_EQ(b.launcher.calls[0].arguments,
            (std::vector<std::string>{"plotrix", "/CPS", "/TCourier"}));
  EXPECT_TRUE(b.ui.Of("message").empty());

  // A cancelled command line writes nothing and starts nothing; so does a batch run.
  Bench cancelled;
  cancelled.ui.QueueCancel();
  EXPECT_EQ(cancelled.Draw(1, CadOutputType::Plot), DrawingOutcome::Cancelled);
  Bench batch;
  batch.ports.batchCad = true;
  EXPECT_EQ(batch.Draw(1, CadOutputType::Plot), DrawingOutcome::Cancelled);
  for (Bench* none : {&cancelled, &batch}) {
    EXPECT_TRUE(fs::is_empty(none->dir.path()));
    EXPECT_TRUE(none->launcher.calls.empty());
  }
}

TEST(DrawingCommand, FatalRunShowsTheSummaryInstead) {
  Bench b;
  b.program.messages.AddFatal("Dii>=D");
  b.program.shell.noGui = true;
  EXPECT_EQ(b.Draw(1, CadOutputType::Dxf), DrawingOutcome::FatalRun);
  EXPECT_TRUE(fs::is_empty(b.dir.path()));
  EXPECT_TRUE(b.program.drawing.Records().empty());
}

// A windowless run shows no run summary: the refusal is said as an error.
TEST(DrawingCommand, TooManyTeethAreSaidAlsoWithoutTheWindow) {
  Bench b;
  b.program.design.z = 20001;
  b.program.shell.noGui = true;
  EXPECT_EQ(b.Draw(1, CadOutputType::Dxf), DrawingOutcome::Cancelled);
  const auto messages = b.ui.Of("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Fehler : ");
  EXPECT_EQ(messages[0].text, "Zu viele Zähne: z=20001 > 20000");
  EXPECT_TRUE(fs::is_empty(b.dir.path()));
}

// The run message list keeps a message's first characters only: the design's z and
// the limit stay whole up to the largest z, and its description names the same limit.
TEST(DrawingCommand, TooManyTeethMessageKeepsZAndTheLimitWholeInTheRunMessages) {
  for (const int z : {1000000, std::numeric_limits<int>::max()}) {
    Bench b;
    b.program.design.z = z;
    b.program.shell.noGui = false;
    b.ui.QueueCancel();  // leaves the run summary
    EXPECT_EQ(b.Draw(1, CadOutputType::Dxf), DrawingOutcome::Cancelled);
    ASSERT_EQ(b.program.messages.Count(), 1);
    EXPECT_EQ(b.program.messages.Message(1),
              Oem("Zu viele Zähne: z=") + std::to_string(z) + " > 20000");
  }
  const MessageDescription description = LookUpDescription(
      fs::path(ZT6_DATA_DIR) / "zt6.err", Oem("Zu viele Zähne: z=1000000 > 20000"));
  EXPECT_NE(description.cause.find("20000"), std::string::npos) << description.cause;
  EXPECT_NE(description.remedy.find("20000"), std::string::npos) << description.remedy;
  EXPECT_EQ(description.remedy.find("einige hundert"), std::string::npos) << description.remedy;
}

TEST(DrawingMenu, OneDrawingAfterTheOtherUntilReturn) {
  Bench b;
  b.ui.QueueChoice(15);
  b.ui.QueueChoice(3);
  b.ui.QueueChoice(18);
  DrawingMenu(b.program, b.prompts, b.ports, CadOutputType::Screen);
  const auto lists = b.ui.Of("choice");
  ASSERT_EQ(lists.size(), 3u);
  EXPECT_EQ(lists[0].text, "Bitte wählen");  // the Ui sees UTF-8
  EXPECT_EQ(lists[0].items.size(), 18u);
  EXPECT_EQ(lists[2].current, 3);  // the last drawing stays chosen
  // The table sheet was the last drawing: its window spans (-5, -5)..(131, 100).
  const auto& records = b.program.drawing.Records();
  EXPECT_NE(std::find(records.begin(), records.end(), "10;1;1;1022;766;-5;-5;131;100"),
            records.end());
  EXPECT_FALSE(b.program.shell.cancel);
}

TEST(DrawingMenu, CancelInTheListOrInTheOutputChoiceEndsIt) {
  Bench list;
  list.ui.QueueCancel();
  DrawingMenu(list.program, list.prompts, list.ports, CadOutputType::Screen);
  EXPECT_EQ(list.ui.Of("choice").size(), 1u);
  EXPECT_TRUE(list.program.drawing.Records().empty());

  Bench output;
  output.ui.QueueChoice(6);
  output.ui.QueueCancel();  // the "CAD-Code" choice
  output.ui.QueueChoice(1);  // would draw again if the list came back
  DrawingMenu(output.program, output.prompts, output.ports, CadOutputType::Choose);
  EXPECT_EQ(output.ui.Of("choice").size(), 2u);
  EXPECT_TRUE(fs::is_empty(output.dir.path()));
}

TEST(DrawingMenu, FatalRunShowsTheSummaryInsteadOfTheList) {
  Bench b;
  b.program.messages.AddFatal("Dii>=D");
  b.program.shell.noGui = true;
  DrawingMenu(b.program, b.prompts, b.ports, CadOutputType::Screen);
  EXPECT_TRUE(b.ui.Of("choice").empty());
  EXPECT_TRUE(b.program.drawing.Records().empty());
}

}  // namespace
}  // namespace zt6
