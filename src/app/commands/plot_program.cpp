#include "app/commands/plot_program.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "base/codepage.h"
#include "base/folder_join.h"
#include "base/safe_file.h"
#include "cad/plot_command_line.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr int kLineLength = 60;               // the command line prompt
constexpr std::size_t kLongestDirectLine = 60;  // longer built lines go into a batch file
constexpr std::size_t kChoiceWidth = 64;
constexpr const char* kBatchExtension = ".BAT";

#ifdef _WIN32
constexpr char kSeparator = '\\';
// The folder prompt checks the program file the line starts.
constexpr const char* kWindowsProgramFile = "wplotrix.exe";
constexpr const char* kDosProgramFile = "plotrix.exe";
constexpr const char* kBatchLineEnd = "\r\n";
#else
constexpr char kSeparator = '/';
constexpr const char* kWindowsProgramFile = "WPLOTRIX";
constexpr const char* kDosProgramFile = "PLOTRIX";
constexpr const char* kBatchLineEnd = "\n";
#endif

// The folder of the program an old line starts, without the last separator.
std::string ProgramFolderOf(const std::string& line) {
  const std::string program = line.substr(0, line.find(' '));
  const std::size_t last = program.rfind(kSeparator);
  return last == std::string::npos ? std::string() : program.substr(0, last);
}

int SelectedLine(const Program& program) {
  const int n = static_cast<int>(program.config.plotCommandLines.size());
  return std::clamp(program.plotLine, 1, std::max(n, 1));
}

// The line becomes a program name with ".BAT" and is split at blanks, so the name
// can hold neither; a separator would put the file outside the working folder.
bool UsableBatchName(const std::string& name) {
  return !name.empty() && name.find_first_of(". /\\") == std::string::npos;
}

bool WriteBatchFile(const fs::path& file, const std::string& line) {
#ifdef _WIN32
  const std::string content = line + kBatchLineEnd;
#else
  // The shell reads the file-system names in the platform's spelling.
  const std::string content = Cp850ToUtf8(line) + kBatchLineEnd;
#endif
  if (!WriteFileSafely(file, content).ok) return false;
#ifndef _WIN32
  std::error_code ec;  // the file is started through the shell, so this is a courtesy
  fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
#endif
  return true;
}

// An overlong line goes into a batch file whose name becomes the line. Cancel keeps
// the long line (with the cancel flag set).
std::string IntoBatchFile(Prompts& prompts, const std::string& line, const fs::path& folder) {
  ShellState& shell = prompts.shell();
  prompts.ShowMessage("Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
  std::string name;
  for (;;) {
    shell.helpNumber = 2170;
    name = prompts.AskText("Name der Batch-Datei (ohne .bat)", 20, name);
    if (shell.cancel) return line;
    if (UsableBatchName(name)) {
      const std::string file = name + kBatchExtension;
      if (WriteBatchFile(folder / Cp850ToUtf8(file), line)) return file;
      prompts.ShowError("Datei " + file + " " + "kann nicht angelegt werden");
    }
    // Without message boxes nobody can correct the name.
    if (!shell.messageBoxesEnabled) {
      shell.cancel = true;
      return line;
    }
  }
}

std::vector<std::string> SplitAtBlanks(const std::string& line) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while ((start = line.find_first_not_of(' ', start)) != std::string::npos) {
    const std::size_t end = line.find(' ', start);
    words.push_back(line.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end;
  }
  return words;
}

#ifndef _WIN32
// A program named with a drive letter or a backslash, as on Windows: here a backslash
// would be part of the file's name.
bool IsWindowsProgram(const std::string& program) {
  const bool drive = program.size() >= 2 && program[1] == ':' &&
                     std::isalpha(static_cast<unsigned char>(program[0])) != 0;
  return drive || program.find('\\') != std::string::npos;
}
#endif

bool IsBatchFile(const std::string& program) {
  if (program.size() < 4) return false;
  std::string extension = program.substr(program.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  });
  return extension == kBatchExtension;
}

}  // namespace

std::optional<std::string> PlotParameterSequence(Program& program, Prompts& prompts,
                                                 const std::string& oldLine,
                                                 const fs::path& workingFolder) {
  ShellState& shell = prompts.shell();
  PlotParameters a;
  shell.helpNumber = 2080;
  a.windowsProgram =
      prompts.AskChoice("PLOTRIX/WPLOTRIX", {"WPLOTRIX.EXE (Windows)", "PLOTRIX.EXE (MS-DOS)"},
                        2) == 1;
  if (shell.cancel) return std::nullopt;

  const std::string prompt =
      std::string("Programmverzeichnis von ") + (a.windowsProgram ? "wplotrix.exe" : "plotrix.exe");
  const char* programFile = a.windowsProgram ? kWindowsProgramFile : kDosProgramFile;
  a.programFolder = ProgramFolderOf(oldLine);
  for (;;) {
    shell.helpNumber = 2080;
    a.programFolder = prompts.AskText(prompt, 40, a.programFolder);
    if (shell.cancel) return std::nullopt;
    prompts.CheckFileForReading(Cp850ToUtf8(JoinFolder(a.programFolder, programFile)));
    if (!shell.cancel) break;
    if (!shell.messageBoxesEnabled) return std::nullopt;  // nobody can correct it
    shell.cancel = false;
  }

  shell.helpNumber = 2090;
  a.format = static_cast<PlotFormat>(
      prompts.AskChoice("Ausgabeformat",
                        {"HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)",
                         "HP-GL/2  (PL2)", "Aristo  (ART)"},
                        1));
  if (shell.cancel) return std::nullopt;

  shell.helpNumber = 2110;
  a.outputInterface = static_cast<PlotInterface>(
      prompts.AskChoice("Ausgabeschnittstelle", {"seriell", "parallel", "Datei"}, 2));
  if (shell.cancel) return std::nullopt;
  switch (a.outputInterface) {
    case PlotInterface::Serial:
      shell.helpNumber = 2120;
      a.port = prompts.AskWholeNumber("COM-Port", 1, 1, 4);
      break;
    case PlotInterface::Parallel:
      shell.helpNumber = 2120;
      a.port = prompts.AskWholeNumber("LPT-Port", 1, 1, 4);
      break;
    case PlotInterface::File:
      shell.helpNumber = 2130;
      a.outputFile = prompts.AskText("Name der Ausgabedatei", 30, "");
      break;
  }
  if (shell.cancel) return std::nullopt;

  shell.helpNumber = 2140;
  a.scale = prompts.AskRealNumber(Oem("Maßstab (0=anpassen)"), 1, 0, 1000);
  if (shell.cancel) return std::nullopt;
  shell.helpNumber = 2145;
  a.rotate = prompts.AskYesNo("Plot um 90 Grad drehen ?", 'N') == 'J';
  if (shell.cancel) return std::nullopt;
  shell.helpNumber = 2150;
  a.xShift = prompts.AskRealNumber("Nullpunktverschiebung in x-Richtung", 0, -1e8, 1e8);
  if (shell.cancel) return std::nullopt;
  a.yShift = prompts.AskRealNumber("Nullpunktverschiebung in y-Richtung", 0, -1e8, 1e8);
  if (shell.cancel) return std::nullopt;
  shell.helpNumber = 2160;
  a.textWidthFactor = prompts.AskRealNumber("Textbreitenfaktor", 1, 0.1, 10);
  if (shell.cancel) return std::nullopt;
  if (a.format == PlotFormat::Ps) {
    shell.helpNumber = 2280;
    a.font = prompts.AskText("Postscript-Zeichensatz", 28, "");
    if (shell.cancel) return std::nullopt;
  }

  const std::string line =
      PlotParameterLine(a, program.config.temporaryFolder, program.config.format);
  if (line.size() <= kLongestDirectLine) return line;
  return IntoBatchFile(prompts, line, workingFolder);
}

bool ChoosePlotCommandLine(Program& program, Prompts& prompts) {
  std::error_code ec;
  return ChoosePlotCommandLine(program, prompts, fs::current_path(ec));
}

bool ChoosePlotCommandLine(Program& program, Prompts& prompts, const fs::path& workingFolder) {
  ShellState& shell = prompts.shell();
  std::vector<std::string>& lines = program.config.plotCommandLines;
  if (lines.empty()) lines.emplace_back(kDefaultPlotCommandLine);
  shell.cancel = false;

  int selected = SelectedLine(program);
  if (lines.size() >= 2) {
    std::vector<std::string> items;
    for (const std::string& line : lines) items.push_back(line.substr(0, kChoiceWidth));
    shell.helpNumber = 2055;
    selected = prompts.AskChoice(program.words["PLOTRIX-Befehlszeile"], items, selected);
    if (shell.cancel) return false;
  }
  program.plotLine = selected;
  std::string& line = lines[static_cast<std::size_t>(selected - 1)];

  // The window sees the line in the file system's spelling, not the display's: an
  // ASCII transliteration would change folder names.
  shell.helpNumber = 2055;
  const std::string shown = Cp850ToUtf8(line);
  const std::optional<std::string> edited = prompts.ui().EditPlotCommandLine(shown);
  if (!edited) {
    shell.cancel = true;
    return false;
  }
  if (*edited != shown) line = Utf8ToCp850(*edited);

  // A longer line (from the window or the configuration) is offered whole, not cut.
  shell.helpNumber = 2060;
  const int limit = std::max(kLineLength, static_cast<int>(line.size()));
  std::string answer = prompts.AskText("PLOTRIX-Kommandozeile (0=Parameter)", limit, line);
  if (shell.cancel) return false;
  if (answer.empty() || answer.front() == '0') {
    // A cancelled sequence keeps the old line rather than storing the "0".
    const std::optional<std::string> built =
        PlotParameterSequence(program, prompts, line, workingFolder);
    if (!built) {
      shell.cancel = true;
      return false;
    }
    answer = *built;
  }
  line = answer;
  return !shell.cancel;
}

void RunPlotProgram(Program& program, Prompts& prompts, Launcher& launcher) {
  std::vector<std::string>& lines = program.config.plotCommandLines;
  const std::size_t selected = static_cast<std::size_t>(SelectedLine(program) - 1);
  const std::string line = selected < lines.size() ? lines[selected] : std::string();
  std::vector<std::string> words = SplitAtBlanks(line);
#ifndef _WIN32
  // A line this system cannot start is said before anything is tried, and the plot
  // program's settings are offered to put it right.
  std::string problem;
  if (words.empty()) {
    problem = "Kein Plotprogramm eingestellt.";
  } else if (IsWindowsProgram(words.front())) {
    problem = Oem("Das Plotprogramm ") + words.front() + Oem(" ist ein Windows-Programm.");
  }
  if (!problem.empty()) {
    if (!prompts.shell().messageBoxesEnabled) return;
    const std::string text =
        problem + Oem(" Die Einstellungen des Plotprogramms öffnen?");
    if (!prompts.ui().ConfirmMessage(
            "PLOTRIX", OemToDisplay(text, prompts.format().asciiSpecial)))
      return;
    prompts.shell().helpNumber = 2055;
    const std::optional<std::string> edited = prompts.ui().EditPlotCommandLine(Cp850ToUtf8(line));
    if (edited && selected < lines.size()) lines[selected] = Utf8ToCp850(*edited);
    return;
  }
#endif
  if (words.empty()) {
    prompts.ShowError(PlotStartErrorText(2));
    return;
  }
  // The line is passed whole: the launcher takes an argument list of any length.
  std::string programName = words.front();
  words.erase(words.begin());
  for (std::string& word : words) word = Cp850ToUtf8(word);
  std::string started = Cp850ToUtf8(programName);
#ifndef _WIN32
  if (IsBatchFile(programName)) {
    words.insert(words.begin(), started);
    started = "/bin/sh";
  }
#endif
  const StartVerdict verdict = launcher.StartAndCheck(started, words);
  const std::string name = Oem("Plotprogramm ") + programName;
  switch (verdict.kind) {
    case StartVerdict::Kind::Started: return;
    case StartVerdict::Kind::NotFound: prompts.ShowError(name + " nicht gefunden"); return;
    case StartVerdict::Kind::NotExecutable:
      prompts.ShowError(name + Oem(" ist nicht ausführbar"));
      return;
    case StartVerdict::Kind::ExitCode:
      prompts.ShowError(name + " endete mit Exit-Code " + std::to_string(verdict.exitCode));
      return;
    case StartVerdict::Kind::Failed:
      prompts.ShowError(name + " konnte nicht gestartet werden" +
                        (verdict.reason.empty() ? std::string() : ": " + Utf8ToCp850(verdict.reason)));
      return;
  }
}

}  // namespace zt6
