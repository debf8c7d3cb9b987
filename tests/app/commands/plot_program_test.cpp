// The plot output's command line: choosing, editing, building it from prompts, the
// batch file for an overlong line, and starting the plot program (also for real,
// with a stand-in script that records what it was given).

#include "app/commands/plot_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/ports/posix_launcher.h"
#include "app/ports/recording_launcher.h"
#include "app/ports/scripted_ui.h"
#include "base/codepage.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

struct Bench {
  explicit Bench(std::vector<std::string> lines) {
    program.config.plotCommandLines = std::move(lines);
    program.config.temporaryFolder = Utf8ToCp850(dir.path().string());
  }
  bool Choose() { return ChoosePlotCommandLine(program, prompts, dir.path()); }
  const std::string& Line(std::size_t n = 1) const {
    return program.config.plotCommandLines[n - 1];
  }

  test_support::TempDir dir{"zt6_plot"};
  Program program;
  ScriptedUi ui;
  Prompts prompts{ui, program.shell, program.config.format};
  RecordingLauncher launcher;
};

// The answers after "0": the DOS program in folder, format, interface and its port
// as preset, every number and the rotation as preset, then the font for PostScript.
void QueuePresetSequence(ScriptedUi& ui, const std::string& folder, int format,
                         const std::string& font = {}) {
  ui.QueueOk();  // PLOTRIX.EXE (MS-DOS)
  ui.QueueText(folder);
  ui.QueueChoice(format);
  for (int i = 0; i < 7; ++i) ui.QueueOk();  // interface, port, scale, rotate, x, y, factor
  if (format == 2) ui.QueueText(font);
}

// Writes an executable program file.
fs::path Executable(const fs::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
  fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
  return file;
}

// The plot program's folder: the folder prompt takes at most 40 characters.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& standIn = {})
      : path_(fs::temp_directory_path() / ("zp" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    Executable(path_ / "PLOTRIX", standIn);
  }
  ~ProgramFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  std::string Text() const { return path_.string(); }

 private:
  fs::path path_;
};

TEST(PlotProgram, SingleLineIsEditedAndStartedWithoutAChoice) {
  Bench b({"/opt/plotrix/WPLOTRIX /tmp/plotrix  /M2"});
  b.program.plotLine = 4;  // out of range: the only line
  b.ui.QueueOk();          // the settings window leaves the line
  b.ui.QueueOk();          // the text prompt too
  EXPECT_TRUE(b.Choose());
  EXPECT_TRUE(b.ui.Of("choice").empty());
  ASSERT_EQ(b.ui.Of("plotline").size(), 1u);
  EXPECT_EQ(b.ui.Of("plotline")[0].text, b.Line());
  const auto texts = b.ui.Of("text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "PLOTRIX-Kommandozeile (0=Parameter)");
  EXPECT_EQ(texts[0].current, 60);
  EXPECT_EQ(b.program.plotLine, 1);

  RunPlotProgram(b.program, b.prompts, b.launcher);
  ASSERT_EQ(b.launcher.calls.size(), 1u);
  EXPECT_EQ(b.launcher.calls[0].program, "/opt/plotrix/WPLOTRIX");
  EXPECT_EQ(b.launcher.calls[0].arguments, (std::vector<std::string>{"/tmp/plotrix", "/M2"}));
  EXPECT_TRUE(b.ui.Of("message").empty());
}

TEST(PlotProgram, ChoiceAmongLinesEditsOnlyTheChosenOne) {
  const std::string longLine =
      "/opt/p/WPLOTRIX /tmp/plotrix /CPS /TCourier /X100 /Y200 /B0.8 /R /M*";
  Bench b({"A plotrix", longLine, "C plotrix"});
  b.program.plotLine = 2;
  b.ui.QueueChoice(3);
  b.ui.QueueText("C plotrix /CPLT /D1 /P2");  // built in the settings window
  b.ui.QueueText("C plotrix /CPLT /D1 /P3");  // then changed in the text prompt
  EXPECT_TRUE(b.Choose());
  const auto choices = b.ui.Of("choice");
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].text, "PLOTRIX-Befehlszeile");
  EXPECT_EQ(choices[0].current, 2);
  EXPECT_EQ(choices[0].items[1], longLine.substr(0, 64));
  EXPECT_EQ(b.ui.Of("text")[0].items[0], "C plotrix /CPLT /D1 /P2");
  EXPECT_EQ(b.program.config.plotCommandLines,
            (std::vector<std::string>{"A plotrix", longLine, "C plotrix /CPLT /D1 /P3"}));
  EXPECT_EQ(b.program.plotLine, 3);

  // A configured line longer than the prompt's 60 characters is offered whole.
  Bench kept({longLine});
  kept.ui.QueueOk();
  kept.ui.QueueOk();
  EXPECT_TRUE(kept.Choose());
  EXPECT_EQ(kept.Line(), longLine);
}

TEST(PlotProgram, CancelAtAnyStepAbandonsAndKeepsTheLines) {
  const std::vector<std::string> lines{"A plotrix", "B plotrix"};
  const std::vector<std::pair<const char*, std::function<void(ScriptedUi&)>>> cases = {
      {"choice", [](ScriptedUi& ui) { ui.QueueCancel(); }},
      {"settings window", [](ScriptedUi& ui) { ui.QueueChoice(2); ui.QueueCancel(); }},
      {"text prompt", [](ScriptedUi& ui) { ui.QueueChoice(2); ui.QueueOk(); ui.QueueCancel(); }},
      {"parameter sequence", [](ScriptedUi& ui) {
         ui.QueueChoice(2);
         ui.QueueOk();
         ui.QueueText("0");
         ui.QueueOk();      // the DOS program
         ui.QueueCancel();  // its folder
       }},
  };
  for (const auto& [step, queue] : cases) {
    Bench b(lines);
    queue(b.ui);
    EXPECT_FALSE(b.Choose()) << step;
    EXPECT_TRUE(b.program.shell.cancel) << step;
    EXPECT_EQ(b.program.config.plotCommandLines, lines) << step;
    EXPECT_EQ(b.ui.PendingAnswers(), 0u) << step;
  }
}

TEST(PlotProgram, ZeroBuildsTheLineFromPromptsWithPresets) {
  const ProgramFolder folder;
  Bench b({folder.Text() + "/WPLOTRIX x"});
  b.program.config.temporaryFolder = "/t";  // short, so the line stays within 60 characters
  b.program.config.format.decimalSeparator = 2;
  b.ui.QueueOk();
  b.ui.QueueText("");  // empty counts like "0"
  b.ui.QueueOk();      // PLOTRIX.EXE (MS-DOS)
  b.ui.QueueText("/no/such/folder");  // refused: asked again
  b.ui.QueueText(folder.Text());
  b.ui.QueueChoice(2);  // PostScript
  for (int i = 0; i < 7; ++i) b.ui.QueueOk();
  b.ui.QueueText("Courier");
  EXPECT_TRUE(b.Choose());
  EXPECT_EQ(b.Line(), folder.Text() + "/PLOTRIX /t/plotrix /CPS /TCourier");

  const auto choices = b.ui.Of("choice");
  ASSERT_EQ(choices.size(), 3u);
  EXPECT_EQ(choices[0].text, "PLOTRIX/WPLOTRIX");
  EXPECT_EQ(choices[1].items[1], "Postscript  (PS)");
  EXPECT_EQ(std::vector<int>({choices[0].current, choices[1].current, choices[2].current}),
            (std::vector<int>{2, 1, 2}));
  const auto texts = b.ui.Of("text");
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[1].text, "Programmverzeichnis von plotrix.exe");
  EXPECT_EQ(texts[1].items[0], folder.Text());  // the old program's folder
  EXPECT_EQ(texts[2].items[0], "/no/such/folder");  // asked again with what was typed
  const auto messages = b.ui.Of("message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Datei /no/such/folder/PLOTRIX nicht gefunden oder kein Zugriffsrecht !");
  EXPECT_EQ(b.ui.PendingAnswers(), 0u);
}

TEST(PlotProgram, OverlongLineGoesIntoABatchFileStartedByTheShell) {
  const ProgramFolder folder;
  Bench b({"x"});
  b.ui.QueueOk();
  b.ui.QueueText("0");
  QueuePresetSequence(b.ui, folder.Text(), 3);
  b.ui.QueueText("a.b");    // a name with "." is asked again
  b.ui.QueueText("plot 1");  // so is one with a blank
  b.ui.QueueText("PLOT1");
  EXPECT_TRUE(b.Choose());
  const std::string built = folder.Text() + "/PLOTRIX " + b.dir.path().string() + "/plotrix /CPLT";
  ASSERT_GT(built.size(), 60u);
  EXPECT_EQ(b.Line(), "PLOT1.BAT");
  EXPECT_EQ(test_support::FileBytes(b.dir.path() / "PLOT1.BAT"), built + "\n");
  EXPECT_NE(fs::status(b.dir.path() / "PLOT1.BAT").permissions() & fs::perms::owner_exec,
            fs::perms::none);
  EXPECT_EQ(b.ui.Of("message")[0].text, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
  const auto texts = b.ui.Of("text");
  EXPECT_EQ(texts.back().text, "Name der Batch-Datei (ohne .bat)");
  EXPECT_EQ(texts.back().current, 20);

  RunPlotProgram(b.program, b.prompts, b.launcher);
  ASSERT_EQ(b.launcher.calls.size(), 1u);
  EXPECT_EQ(b.launcher.calls[0].program, "/bin/sh");
  EXPECT_EQ(b.launcher.calls[0].arguments, std::vector<std::string>{"PLOT1.BAT"});

  // A batch file that cannot be created is reported and the name asked again;
  // Cancel then keeps the long line and abandons the plot.
  Bench failing({"x"});
  failing.ui.QueueOk();
  failing.ui.QueueText("0");
  QueuePresetSequence(failing.ui, folder.Text(), 3);
  failing.ui.QueueText("PLOT1");
  failing.ui.QueueCancel();
  EXPECT_FALSE(ChoosePlotCommandLine(failing.program, failing.prompts,
                                     failing.dir.path() / "missing"));
  EXPECT_EQ(failing.Line(),
            folder.Text() + "/PLOTRIX " + failing.dir.path().string() + "/plotrix /CPLT");
  const auto messages = failing.ui.Of("message");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].caption, "Fehler : ");
  EXPECT_EQ(messages[1].text, "Datei PLOT1.BAT kann nicht angelegt werden");
}

// A failed start names the program and the reason; before, every failure said
// "file not found" without naming the program.
TEST(PlotProgram, FailedStartNamesTheProgramAndTheReason) {
  using K = StartVerdict::Kind;
  const std::vector<std::pair<StartVerdict, std::string>> cases = {
      {{K::NotFound, 0, {}}, "Plotprogramm /opt/plotrix/WPLOTRIX nicht gefunden"},
      {{K::NotExecutable, 0, {}}, "Plotprogramm /opt/plotrix/WPLOTRIX ist nicht ausführbar"},
      {{K::Failed, 0, "Permission denied"},
       "Plotprogramm /opt/plotrix/WPLOTRIX konnte nicht gestartet werden: Permission denied"},
      {{K::ExitCode, 3, {}}, "Plotprogramm /opt/plotrix/WPLOTRIX endete mit Exit-Code 3"},
  };
  for (const auto& [verdict, text] : cases) {
    Bench b({"/opt/plotrix/WPLOTRIX plotrix"});
    b.launcher.verdict = verdict;
    RunPlotProgram(b.program, b.prompts, b.launcher);
    ASSERT_EQ(b.launcher.calls.size(), 1u);
    const auto messages = b.ui.Of("message");
    ASSERT_EQ(messages.size(), 1u) << text;
    EXPECT_EQ(messages[0].caption, "Fehler : ");
    EXPECT_EQ(messages[0].text, text);
  }
}

// Here an empty line or a Windows program cannot be started: it says so, starts
// nothing and offers the plot program's settings, whose line is kept.
TEST(PlotProgram, EmptyOrWindowsLineSaysSoAndOffersTheSettings) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"   ", "Kein Plotprogramm eingestellt."},
      {kDefaultPlotCommandLine, "Das Plotprogramm C:\\PLOTRIX\\WPLOTRIX ist ein Windows-Programm."},
      {"plot\\wplot x", "Das Plotprogramm plot\\wplot ist ein Windows-Programm."},
  };
  for (const auto& [line, text] : cases) {
    Bench b({line});
    b.ui.QueueText("/usr/bin/plotter x");  // the settings window's line
    RunPlotProgram(b.program, b.prompts, b.launcher);
    EXPECT_TRUE(b.launcher.calls.empty());
    const auto messages = b.ui.Of("message");
    ASSERT_EQ(messages.size(), 1u) << line;
    EXPECT_EQ(messages[0].text, text + " Die Einstellungen des Plotprogramms öffnen?");
    ASSERT_EQ(b.ui.Of("plotline").size(), 1u);
    EXPECT_EQ(b.Line(), "/usr/bin/plotter x");
  }
}

// The stand-in records its arguments, one a line; the test waits for it to end.
constexpr const char* kStandIn =
    "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n";

TEST(PlotProgram, StandInProgramReceivesTheCommandLine) {
  Bench b({});
  const fs::path stub = Executable(b.dir.path() / "plotstub", kStandIn);
  b.program.config.plotCommandLines = {Utf8ToCp850(stub.string()) + " " +
                                       b.program.config.temporaryFolder +
                                       "/plotrix /CPS /TCourier"};
  PosixLauncher launcher;
  RunPlotProgram(b.program, b.prompts, launcher);
  launcher.WaitForStarted();
  EXPECT_EQ(test_support::FileBytes(stub.string() + ".args"),
            b.dir.path().string() + "/plotrix\n/CPS\n/TCourier\n");
  EXPECT_TRUE(b.ui.Of("message").empty());

  // A program that is missing, may not be executed, or fails at once says which.
  const fs::path plain = b.dir.path() / "plain";
  { std::ofstream(plain) << "#!/bin/sh\n"; }
  const fs::path failing = Executable(b.dir.path() / "failing", "#!/bin/sh\nexit 7\n");
  const std::vector<std::pair<fs::path, std::string>> cases = {
      {b.dir.path() / "missing", " nicht gefunden"},
      {"zt6-no-such-plot-program", " nicht gefunden"},
      {plain, " ist nicht ausführbar"},
      {failing, " endete mit Exit-Code 7"},
  };
  for (const auto& [file, reason] : cases) {
    b.program.config.plotCommandLines = {Utf8ToCp850(file.string())};
    RunPlotProgram(b.program, b.prompts, launcher);
    EXPECT_EQ(b.ui.Of("message").back().text, "Plotprogramm " + file.string() + reason);
  }
  EXPECT_EQ(b.ui.Of("message").size(), cases.size());
}

TEST(PlotProgram, StandInProgramRunsThroughTheBatchFile) {
  const ProgramFolder folder(kStandIn);
  Bench b({"x"});
  b.ui.QueueOk();
  b.ui.QueueText("0");
  QueuePresetSequence(b.ui, folder.Text(), 4);
  b.ui.QueueText("RUNPLOT");
  ASSERT_TRUE(b.Choose());
  ASSERT_EQ(b.Line(), "RUNPLOT.BAT");

  // The line names the batch file in the working folder.
  const fs::path before = fs::current_path();
  fs::current_path(b.dir.path());
  PosixLauncher launcher;
  RunPlotProgram(b.program, b.prompts, launcher);
  fs::current_path(before);
  launcher.WaitForStarted();
  EXPECT_EQ(test_support::FileBytes(folder.Text() + "/PLOTRIX.args"),
            b.dir.path().string() + "/plotrix\n/CPL2\n");
  EXPECT_EQ(b.ui.Of("message").size(), 1u);  // only that the line is too long
}

}  // namespace
}  // namespace zt6
