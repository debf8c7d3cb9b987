// Report output: choosing the device, writing the report file and handing it to its
// destination, driven with recording ports and a temporary folder.

#include "app/commands/report_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ports/recording_launcher.h"
#include "app/ports/recording_printer.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::FileBytes;
using test_support::TempDir;

constexpr const char* kUmlautLine = "Zähnezahl und Fußkreis";

// One program with every folder in a fresh temporary folder and recording ports.
struct Bench {
  explicit Bench(const std::string& prefix = "zt6_report_output") : dir(prefix) {
    const std::string folder = Utf8ToCp850(dir.path().string());
    program.config.temporaryFolder = folder;
    program.config.pltFolder = folder;
    program.projectName = "welle";
    program.projectDirectory = dir.path().string();
    output.fixedTime = test_support::LocalTime(2024, 3, 7, 9, 5);
  }

  fs::path Temp(const std::string& name) const { return dir.path() / name; }

  // A small report: a line with CP850 umlauts and one table row.
  void Report(int device, const std::string& name = "") {
    output.Open(device, name);
    if (program.shell.cancel) return;
    if (!output.FirstPageHeader(0)) return;
    program.report.Line(Oem(kUmlautLine));
    program.report.Row4("Teilkreisdurchmesser", "D", "mm", "13.5");
    output.Close();
  }

  std::vector<std::string> Texts(const std::string& kind) const {
    std::vector<std::string> texts;
    for (const RecordedPrompt& p : ui.Of(kind)) texts.push_back(p.text);
    return texts;
  }

  std::vector<std::string> FilesInTemp() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir;
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingLauncher launcher;
  RecordingPrinter printer;
  ReportOutput output{program, prompts, launcher, printer};
};

using Files = std::vector<std::string>;

TEST(ReportOutput, ScreenShowsTheWindowsCopyAndDeletesTheReportFile) {
  Bench b;
  b.Report(1);
  EXPECT_EQ(b.Texts("textfile"), Files{b.Temp("outwin.txt").string()});
  EXPECT_EQ(b.FilesInTemp(), Files{"outwin.txt"});  // "$OUT1.TMP" is gone

  const std::string copy = FileBytes(b.Temp("outwin.txt"));
  // Windows-1252: the umlauts converted, the box characters replaced by ASCII stand-ins.
  EXPECT_NE(copy.find(Utf8ToCp1252(kUmlautLine)), std::string::npos);
  EXPECT_EQ(copy.find(Oem(kUmlautLine)), std::string::npos);
  EXPECT_EQ(copy.substr(0, 7 + 70 + 2), "       +" + std::string(68, '-') + "+\r\n");
  EXPECT_FALSE(b.program.shell.cancel);
}

TEST(ReportOutput, FileDeviceSavesTheDosReportAndAWindowsCopy) {
  Bench b;
  const fs::path chosen = b.Temp("bericht.txt");
  b.ui.QueueText(chosen.string());
  b.Report(3);

  ASSERT_EQ(b.ui.Of("filewrite").size(), 1u);
  EXPECT_EQ(b.ui.Of("filewrite")[0].caption, "*.txt");
  const std::string report = FileBytes(chosen);
  EXPECT_EQ(report, b.program.report.Output());
  EXPECT_NE(report.find(Oem(kUmlautLine)), std::string::npos);
  EXPECT_NE(report.find(Oem("╔")), std::string::npos);
  EXPECT_NE(FileBytes(b.Temp("outwin.txt")).find(Utf8ToCp1252(kUmlautLine)), std::string::npos);
  EXPECT_EQ(b.Texts("message"),
            Files{chosen.string() + " und Windows-Datei outwin.txt wurden angelegt."});

  Bench cancelled("zt6_report_output_cancel");
  cancelled.ui.QueueCancel();
  cancelled.Report(3);
  EXPECT_TRUE(cancelled.program.shell.cancel);
  EXPECT_EQ(cancelled.FilesInTemp(), Files{});
  EXPECT_TRUE(cancelled.Texts("message").empty());
}

TEST(ReportOutput, WindowsPrinterPrintsOnePagePerFormFeedAndDeletesTheFile) {
  Bench b;
  b.output.Open(4, "");
  ASSERT_TRUE(b.output.FirstPageHeader(0));
  b.program.report.Line(Oem(kUmlautLine));
  b.program.report.EndPage();
  b.program.report.PageHeader(0, 0);
  b.program.report.Line("zweite Seite");
  b.program.report.EndPage();
  b.output.Close();

  EXPECT_EQ(b.printer.jobs, 1);
  EXPECT_EQ(b.printer.offeredPages, 2);
  ASSERT_EQ(b.printer.pages.size(), 2u);
  auto pageHas = [&](std::size_t page, const std::string& text) {
    for (const auto& line : b.printer.pages[page])
      if (line.text.find(text) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(pageHas(0, kUmlautLine));
  EXPECT_TRUE(pageHas(0, "Bl. 1"));
  EXPECT_FALSE(pageHas(0, "zweite Seite"));
  EXPECT_TRUE(pageHas(1, "Bl. 2"));
  EXPECT_TRUE(pageHas(1, "zweite Seite"));
  EXPECT_EQ(b.FilesInTemp(), Files{});
}

TEST(ReportOutput, TextProgramAndBrowserGetTheFileOrAreReportedMissing) {
  struct Case {
    int device;
    std::string program;  // configured text program or browser
    enum { Open, Start, Missing, Editor } outcome;
    std::string file;     // handed over, in the temporary folder
  };
  // Without a configured text program, a windowed editor found on the path opens it.
  test_support::TempDir editors("zt6_report_output_editors");
  const fs::path editor = editors.path() / "mousepad";
  { std::ofstream(editor) << "#!/bin/sh\n"; }
  fs::permissions(editor, fs::perms::owner_all);
  test_support::ScopedEnvironment path("PATH", editors.path().string());
  test_support::ScopedEnvironment dataDirs("XDG_DATA_DIRS", editors.path().string());
  test_support::ScopedEnvironment dataHome("XDG_DATA_HOME", editors.path().string());
  const Case cases[] = {
      {5, "", Case::Editor, "outwin.txt"},
      {5, "/bin/true", Case::Start, "outwin.txt"},
      {5, "/nonexistent/textprogramm", Case::Missing, ""},
      {7, "", Case::Open, "zt6.htm"},
      {7, "/bin/true", Case::Start, "zt6.htm"},
      {7, "/nonexistent/browser", Case::Missing, ""},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.device) + " " + c.program);
    Bench b("zt6_report_output_" + std::to_string(++n));
    (c.device == 5 ? b.program.config.textProgram : b.program.config.htmlBrowser) =
        Utf8ToCp850(c.program);
    b.Report(c.device);
    // The text program's report file stays, whatever became of the program.
    if (c.device == 5) {
      EXPECT_TRUE(fs::exists(b.Temp("$OUT1.TMP")));
    }

    if (c.outcome == Case::Missing) {
      EXPECT_TRUE(b.launcher.calls.empty());
      EXPECT_EQ(b.Texts("message"), Files{c.program + " not found"});
      continue;
    }
    EXPECT_TRUE(b.Texts("message").empty());
    const std::string file = b.Temp(c.file).string();
    ASSERT_EQ(b.launcher.calls.size(), 1u);
    const RecordingLauncher::Call& call = b.launcher.calls[0];
    if (c.outcome == Case::Open) {
      EXPECT_TRUE(call.open);
      EXPECT_EQ(call.program, file);
    } else if (c.outcome == Case::Editor) {
      EXPECT_FALSE(call.open);
      EXPECT_EQ(call.program, editor.string());
      EXPECT_EQ(call.arguments, Files{file});
    } else {
      EXPECT_FALSE(call.open);
      EXPECT_EQ(call.program, c.program);
      EXPECT_EQ(call.arguments, Files{file});
    }
    const std::string handed = FileBytes(file);
    EXPECT_NE(handed.find(Utf8ToCp1252(kUmlautLine)), std::string::npos);
    if (c.device == 7) {
      EXPECT_EQ(handed.find("<HTML>"), handed.find('\n') + 1);
      EXPECT_NE(handed.find("</HTML>"), std::string::npos);
    }
  }
}

// The DOS originals are working files in the process's own folder, so that a second
// program with the same counter never writes over them; the Windows copies are the
// user's, in the temporary folder.
TEST(ReportOutput, SpreadsheetFilesAreNumberedAndKeepLongLines) {
  Bench b;
  b.Report(6);
  EXPECT_EQ(b.program.report.fileCounter, 1);
  const fs::path work = WorkFolderPath(b.program);
  ASSERT_EQ(work.parent_path(), b.dir.path());
  const Files workFolder{work.filename().string()};
  EXPECT_EQ(b.FilesInTemp(), (Files{"$$1.txt", workFolder[0]}));
  EXPECT_NE(FileBytes(work / "$$$1.txt").find("Teilkreisdurchmesser\tD\tmm\t13,5\r\n"),
            std::string::npos);
  EXPECT_NE(FileBytes(b.Temp("$$1.txt")).find(Utf8ToCp1252(kUmlautLine)), std::string::npos);

  // The second report takes the next numbers; a row far beyond 255 characters reaches
  // the Windows copy whole.
  std::string longRow = Oem("Maß");
  for (int i = 0; i < 40; ++i) longRow += "\tWert " + std::to_string(i);
  ASSERT_GT(longRow.size(), 255u);
  b.output.Open(6, "");
  ASSERT_TRUE(b.output.FirstPageHeader(0));
  b.program.report.Line(longRow);
  b.output.Close();
  EXPECT_EQ(b.program.report.fileCounter, 2);
  EXPECT_EQ(b.FilesInTemp(), (Files{"$$1.txt", "$$2.txt", workFolder[0]}));
  EXPECT_TRUE(fs::exists(work / "$$$2.txt"));
  EXPECT_NE(FileBytes(b.Temp("$$2.txt")).find(Utf8ToCp1252("Maß") + longRow.substr(3) + "\r\n"),
            std::string::npos);
}

TEST(ReportOutput, DeviceDialogOffersTheSevenDevicesAndUsesTheChoice) {
  const Files expected = {"Bildschirm",
                          "Textdrucker",
                          "Datei",
                          "Windows-Drucker",
                          "externes Textprogramm",
                          "TXT File (Excel, QPRO ...)",
                          "HTML File (Netscape, Internet Explorer ...)"};
  Bench b;
  b.program.config.askTextDevice = true;
  b.program.config.textDevice = 5;
  b.ui.QueueChoice(4);
  b.Report(0);
  const auto choices = b.ui.Of("choice");
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].text, "Ausgabe auf ..");
  EXPECT_EQ(choices[0].items, expected);
  EXPECT_EQ(choices[0].current, 5);
  EXPECT_EQ(b.printer.jobs, 1);  // device 4, not the configured 5
  EXPECT_TRUE(b.launcher.calls.empty());

  Bench cancelled("zt6_report_output_cancel");
  cancelled.program.config.askTextDevice = true;
  cancelled.ui.QueueCancel();
  cancelled.Report(0);
  EXPECT_TRUE(cancelled.program.shell.cancel);
  EXPECT_EQ(cancelled.FilesInTemp(), Files{});
  EXPECT_TRUE(cancelled.ui.Of("textfile").empty());
}

TEST(ReportOutput, MissingPrinterPortIsAFileWriteError) {
  Bench b;
  b.program.config.printerPort = 4;
  if (fs::exists("/dev/lp3")) GTEST_SKIP() << "this machine has a printer port";
  b.ui.QueueNo();  // no pause after each page
  b.Report(2);
  EXPECT_TRUE(b.program.shell.cancel);
  EXPECT_EQ(b.Texts("message"), Files{"file write error"});
  EXPECT_EQ(b.FilesInTemp(), Files{});
  // Writing to the missing port would create a plain file in its place (as root).
  std::error_code ec;
  EXPECT_FALSE(fs::remove("/dev/lp3", ec));
}

TEST(ReportOutput, TemporaryReportFileTakesTheFirstFreeNumber) {
  Bench first;
  first.program.config.textDevice = 0;  // the report file stays
  first.Report(0);
  EXPECT_EQ(first.FilesInTemp(), Files{"$OUT1.TMP"});
  EXPECT_NE(FileBytes(first.Temp("$OUT1.TMP")).find(Oem(kUmlautLine)), std::string::npos);

  Bench taken("zt6_report_output_taken");
  taken.program.config.textDevice = 0;
  taken.dir.Write("$OUT1.TMP", "another program's report");
  taken.Report(0);
  EXPECT_EQ(taken.FilesInTemp(), (Files{"$OUT1.TMP", "$OUT2.TMP"}));
  EXPECT_EQ(FileBytes(taken.Temp("$OUT1.TMP")), "another program's report");
  EXPECT_NE(FileBytes(taken.Temp("$OUT2.TMP")).find(Oem(kUmlautLine)), std::string::npos);
}

class RunMessagesReport : public ::testing::Test {
 protected:
  void SetUp() override {
    b.dir.Write("zt6.err", Oem("; Beschreibungen\r\n"
                               "Warnung: Pressung hoch\r\n"
                               "Die Flankenpressung liegt nahe der zulässigen.\r\n"
                               "Nabenlänge vergrößern.\r\n"
                               "Fehler : Werkstoff fehlt\r\n"
                               "Kein Werkstoff der Nabe gewählt.\r\n"
                               "Werkstoff auswählen.\r\n"));
  }
  Bench b;
};

TEST_F(RunMessagesReport, WithoutMessagesOnlyTellsSo) {
  ReportRunMessages(b.output, b.program, b.prompts);
  EXPECT_EQ(b.Texts("message"), Files{"Berechnung erfolgreich ohne Fehlermeldungen"});
  EXPECT_TRUE(b.ui.Of("textfile").empty());
  EXPECT_EQ(b.FilesInTemp(), Files{"zt6.err"});
}

TEST_F(RunMessagesReport, ListsEachMessageWithItsCauseOnOnePage) {
  b.program.messages.Add("Warnung: Pressung hoch");
  b.program.messages.Add("Fehler : Werkstoff fehlt");
  ReportRunMessages(b.output, b.program, b.prompts);

  ASSERT_EQ(b.Texts("textfile"), Files{b.Temp("outwin.txt").string()});
  const std::string shown = Cp1252ToUtf8(FileBytes(b.Temp("outwin.txt")));
  for (const char* text :
       {"ZT6 V1.5", "Bl. 1/ 1", "Fehlermeldungen", "Warnung: Pressung hoch",
        "Die Flankenpressung liegt nahe der zulässigen.", "Nabenlänge vergrößern.",
        "Fehler : Werkstoff fehlt", "Kein Werkstoff der Nabe gewählt."})
    EXPECT_NE(shown.find(text), std::string::npos) << text;
  EXPECT_EQ(b.FilesInTemp(), (Files{"outwin.txt", "zt6.err"}));
}

TEST_F(RunMessagesReport, FatalRunShowsTheSummaryInsteadOfAReport) {
  b.program.messages.AddFatal("Fatal  : D <= Dii !");
  ReportRunMessages(b.output, b.program, b.prompts);
  const auto choices = b.ui.Of("choice");
  ASSERT_EQ(choices.size(), 1u);
  ASSERT_FALSE(choices[0].items.empty());
  EXPECT_EQ(choices[0].items[0], "Fatal  : D <= Dii !");
  EXPECT_TRUE(b.ui.Of("textfile").empty());
  EXPECT_EQ(b.FilesInTemp(), Files{"zt6.err"});
}

}  // namespace
}  // namespace zt6
