#include "app/commands/report_output.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/commands/print_text_file.h"
#include "app/commands/run_summary.h"
#include "app/files/output_file_choice.h"
#include "app/help/language_files.h"
#include "app/ports/text_editor.h"
#include "base/beta_symbols.h"
#include "base/blanks.h"
#include "base/codepage.h"
#include "base/folder_join.h"
#include "base/number_format.h"
#include "base/program_identity.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "calc/message_descriptions.h"
#include "calc/run_message_language.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryReportTries = 11;
constexpr std::size_t kOwnerTextLength = 60;
constexpr const char* kWindowsCopy = "outwin.txt";

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  std::string text = value ? Utf8ToCp850(value) : std::string();
  if (text.size() > kOwnerTextLength) text.resize(kOwnerTextLength);
  return text;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

// Creates path anew, empty; false when it cannot be written.
bool CreateEmpty(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  return f != nullptr && std::fclose(f) == 0;
}

// A working file of this process alone: in its own folder, so parallel runs sharing
// the temporary folder never write each other's; in the temporary folder itself only
// when no folder of its own can be made there.
std::string WorkFilePath(const Program& program, const std::string& name) {
  const fs::path folder = WorkFolderPath(program);
  return folder.empty() ? TemporaryFilePath(program.config, name) : (folder / name).string();
}

// The printer port's device file; the name the report shows is "LPT" + port.
std::string PrinterPortDevice(int port) { return "/dev/lp" + std::to_string(port - 1); }

}  // namespace

std::vector<std::string> ReportDeviceChoices() {
  return {kReportDeviceNames.begin(), kReportDeviceNames.end()};
}

std::string TemporaryFilePath(const Configuration& config, const std::string& name) {
  return Cp850ToUtf8(JoinFolder(config.temporaryFolder, Utf8ToCp850(name)));
}

std::string ProjectFileStem(const Program& program) {
  const std::string stem = fs::path(program.projectName).stem().string();
  return stem.empty() ? std::string(kProgramLowerName) : stem;
}

std::string FreshTemporaryFilePath(const Configuration& config, const std::string& stem,
                                   const std::string& extension) {
  std::string path = TemporaryFilePath(config, stem + extension);
  for (int n = 2; Exists(path); ++n)
    path = TemporaryFilePath(config, stem + "_" + std::to_string(n) + extension);
  return path;
}

std::string DescriptionFilePath(const Program& program) {
  // The descriptions in the report's language, else the German ones.
  const int language = program.words.Language();
  for (const std::string& name : {LanguageFileName("zt6.err", language), std::string("zt6.err")}) {
    const std::string configured =
        Cp850ToUtf8(JoinFolder(program.config.pltFolder, Utf8ToCp850(name)));
    if (Exists(configured)) return configured;
    if (program.shippedDataFolder.empty()) continue;
    const std::string shipped = (fs::path(program.shippedDataFolder) / name).string();
    if (Exists(shipped)) return shipped;
  }
  const std::string configured = Cp850ToUtf8(JoinFolder(program.config.pltFolder, "zt6.err"));
  if (program.shippedDataFolder.empty()) return configured;
  return (fs::path(program.shippedDataFolder) / "zt6.err").string();
}

std::vector<ReportRemark> RunRemarks(const Program& program) {
  const fs::path file = DescriptionFilePath(program);
  std::vector<ReportRemark> remarks;
  for (int k = 1; k <= program.messages.Count(); ++k) {
    const std::string& message = program.messages.Message(k);
    MessageDescription description = LookUpDescription(file, message);
    if (description.cause == kNoDescription)
      description.cause = program.words[std::string(kNoDescription)];
    remarks.push_back({RunMessageInLanguage(message, program.words.Language()), description.cause,
                       description.remedy});
  }
  return remarks;
}

namespace {

// Header box line 3: the project file as the user named it.
std::string ProjectFileText(const Program& program) {
  if (program.projectFromCommandLine) return Utf8ToCp850(program.projectName);
  const std::string file = program.projectName + "." + kProjectExtension;
  if (program.projectDirectory.size() + program.projectName.size() <= 69)
    return Utf8ToCp850(JoinFolder(program.projectDirectory, file));
  return Utf8ToCp850(file);
}

}  // namespace

ReportPageInfo ReportPageInfoOf(const Program& program, const std::optional<std::tm>& time) {
  std::tm now{};
  if (time) {
    now = *time;
  } else {
    const std::time_t t = std::time(nullptr);
    localtime_r(&t, &now);
  }
  ReportPageInfo info;
  info.programTitle = ProgramTitleLine(program.words["Kerbverzahnung"]);
  info.version = kProgramVersion;
  info.ownerText = EnvironmentText("ZT6_OWNER");
  info.installationText = EnvironmentText("ZT6_INSTALLATION");
  info.date = FormatDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                         program.config.format.dateCode);
  info.time = FormatTime(now.tm_hour, now.tm_min);
  info.projectFileText = ProjectFileText(program);
  info.informationLines = program.design.drawing.infoLines;
  return info;
}

ReportSettings ReportSettingsOf(const Configuration& config) {
  ReportSettings settings;
  settings.ruleStyle = config.separatorStyle;
  settings.linesPerPage = config.linesPerPage;
  settings.headerSpaceLines = config.headerSpaceLines;
  settings.headerMode = config.headerMode;
  settings.tabSeparator = config.spreadsheetSeparator;
  settings.asciiSpecial = config.format.asciiSpecial;
  return settings;
}

ReportOutput::ReportOutput(Program& program, Prompts& prompts, Launcher& launcher,
                           Printer& printer)
    : program_(program), prompts_(prompts), launcher_(launcher), printer_(printer),
      writer_(program.report) {}

bool ReportOutput::CreateReportFile(const std::string& path) {
  if (CreateEmpty(path)) return true;
  prompts_.ReportFileError(FileError::Create);
  prompts_.shell().cancel = true;
  return false;
}

bool ReportOutput::ChooseFile(const std::string& pattern, const std::string& proposal) {
  const std::optional<std::string> chosen =
      ChooseOutputFile(program_, prompts_, program_.projectDirectory, pattern, proposal, "");
  if (!chosen) return false;
  outputPath_ = *chosen;
  return true;
}

void ReportOutput::Open(int device, std::string name) {
  ShellState& shell = prompts_.shell();
  const Configuration& config = program_.config;
  // The project's own name proposes a text file, never the project file itself.
  if (name.empty() || name == program_.projectName) name = OutputFileProposal(program_.projectName, "txt");
  if (name.find('.') == std::string::npos) name += ".txt";
  if (device == 90) return;

  int chosen = device != 0 ? device : config.textDevice;
  if (device == 0 && config.askTextDevice) {
    std::vector<std::string> items;
    for (const std::string& item : ReportDeviceChoices()) items.push_back(Oem(item));
    shell.cancel = false;
    shell.helpNumber = 1020;
    chosen = prompts_.AskChoice("Ausgabe auf ..", items, chosen);
    if (shell.cancel) return;
  }

  bool pause = false;
  switch (chosen) {
    case 0:
    case 1:
    case 4:
    case 5: {
      // The first name not in use, so two running programs do not share a file.
      for (int i = 1; i <= kTemporaryReportTries; ++i) {
        outputPath_ = TemporaryFilePath(config, "$OUT" + std::to_string(i) + ".TMP");
        if (std::FILE* f = std::fopen(outputPath_.c_str(), "wbx")) {
          std::fclose(f);
          break;
        }
      }
      if (!CreateReportFile(outputPath_)) return;
      break;
    }
    case 2: {
      outputPath_ = PrinterPortDevice(config.printerPort);
      shell.helpNumber = 1025;
      const char answer = prompts_.AskYesNo("Pause nach jeder Seite ?", 'N');
      if (shell.cancel) return;
      pause = answer == 'J';
      // A stream never opened still tests true, so ask whether it is open.
      std::ofstream port;
      if (Exists(outputPath_)) port.open(outputPath_, std::ios::binary | std::ios::app);
      if (!port.is_open()) {
        prompts_.ReportFileError(FileError::Create);
        shell.cancel = true;
        return;
      }
      break;
    }
    case 3:
      if (!ChooseFile("*.txt", name)) return;
      break;
    case 6:
    case 9:
      if (config.askTextDevice) {
        if (!ChooseFile("*.txt", name)) return;
      } else if (chosen == 9) {
        // The batch report's original in the DOS code page, named after the project.
        outputPath_ = WorkFilePath(program_, ProjectFileStem(program_) + "_dos.txt");
      } else {
        outputPath_ =
            WorkFilePath(program_, "$$$" + std::to_string(writer_.fileCounter + 1) + ".txt");
      }
      break;
    case 7:
      // An empty browser setting means the desktop's default browser, which is
      // always there, so the page goes to the temporary folder. It is rewritten for
      // every report, so it is not asked about.
      outputPath_ = TemporaryFilePath(config, std::string(kProgramLowerName) + ".htm");
      if (!CreateReportFile(outputPath_)) return;
      break;
    case 8:
      outputPath_ = TemporaryFilePath(config, "OUTDOS.TXT");
      if (!CreateReportFile(outputPath_)) return;
      break;
    default:
      // Devices outside 0..9 have no output.
      prompts_.ReportFileError(FileError::Create);
      shell.cancel = true;
      return;
  }

  // The header names the file the user gets: the port, the batch report's Windows
  // copy, or the file written.
  const std::string shownName = chosen == 2   ? "LPT" + std::to_string(config.printerPort)
                                : chosen == 9 ? Utf8ToCp850(BatchCopyPath())
                                              : Utf8ToCp850(outputPath_);
  writer_.Begin(chosen, shownName, ReportSettingsOf(config), ReportPageInfoOf(program_, fixedTime));
  writer_.SetPauseQuestion(pause, [this] {
    return prompts_.AskYesNoCancel("Blatt in Drucker einlegen.  Fortfahren ?");
  });
}

bool ReportOutput::FirstPageHeader(int columnHeadings) {
  writer_.PageHeader(0, columnHeadings);
  if (writer_.Cancelled()) prompts_.shell().cancel = true;
  return !prompts_.shell().cancel;
}

bool ReportOutput::WriteOutput() {
  bool ok = false;
  if (writer_.Device() == 2) {
    // Only an existing port is written; opening a missing one would create a plain file.
    std::ofstream port;
    if (Exists(outputPath_)) port.open(outputPath_, std::ios::binary | std::ios::app);
    // Printer set-up codes kept beside the program go out before the report.
    const FileContent setup = ReadWholeFile("TEXT.HXP", 1u << 20);
    if (setup.ok) port << setup.bytes;
    port << writer_.Output();
    port.close();
    ok = static_cast<bool>(port);
  } else {
    const SafeWriteResult written = WriteFileSafely(outputPath_, writer_.Output());
    if (!written.ok) {
      ReportWriteFailure(outputPath_, written);
      return false;
    }
    ok = true;
  }
  if (!ok) {
    prompts_.ReportFileError(FileError::Create);
    prompts_.shell().cancel = true;
  }
  return ok;
}

// Line by line into the Windows code page; long lines are converted whole, never
// dropped.
bool ReportOutput::WriteWindowsCopy(const std::string& path) {
  const FileContent report = ReadWholeFile(outputPath_, 64u << 20);
  LineWriter copy;
  for (const std::string& line : SplitLines(report.bytes))
    copy.Line(
        OemToAnsiAnyLength(SpellBetaSymbols(line, "beta"), program_.config.format.asciiSpecial));
  const SafeWriteResult written = WriteFileSafely(path, copy.Text());
  if (written.ok) return true;
  ReportWriteFailure(path, written);
  return false;
}

// A file that could not be written, named with the reason.
void ReportOutput::ReportWriteFailure(const std::string& path, const SafeWriteResult& written) {
  prompts_.ReportWriteFailure(path, written.errorNumber, written.error);
  prompts_.shell().cancel = true;
}
// Beside the project, named after it: "welle.zt6" gives "welle.txt".
std::string ReportOutput::BatchCopyPath() const {
  const fs::path copy = fs::path(program_.projectName).replace_extension("txt");
  std::error_code ec;
  const fs::path absolute = fs::absolute(copy, ec);
  return ec ? copy.string() : absolute.string();
}

void ReportOutput::Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

void ReportOutput::OpenTextProgram() {
  const std::string copy = TemporaryFilePath(program_.config, kWindowsCopy);
  const std::string textProgram = Cp850ToUtf8(TrimBlanks(program_.config.textProgram));
  if (!textProgram.empty() && !Exists(textProgram)) {
    prompts_.ShowErrorAlways(Utf8ToCp850(textProgram) + " not found");
    return;
  }
  prompts_.ui().SetWaitCursor(true);
  if (!WriteWindowsCopy(copy)) return;
  if (textProgram.empty()) {
    OpenInTextEditor(copy, launcher_, prompts_);
    return;
  }
  if (!launcher_.Start(textProgram, {copy}))
    prompts_.ShowErrorAlways(Utf8ToCp850(textProgram) + " not found");
}

void ReportOutput::OpenBrowser() {
  const std::string browser = Cp850ToUtf8(TrimBlanks(program_.config.htmlBrowser));
  if (!browser.empty() && !Exists(browser)) {
    prompts_.ShowErrorAlways(Utf8ToCp850(browser) + " not found");
    return;
  }
  prompts_.ui().SetWaitCursor(true);
  const bool started =
      browser.empty() ? launcher_.Open(outputPath_) : launcher_.Start(browser, {outputPath_});
  if (!started)
    prompts_.ShowErrorAlways(Utf8ToCp850(browser.empty() ? outputPath_ : browser) +
                             " not found");
}

void ReportOutput::Close() {
  writer_.Finish();
  if (WriteOutput()) {
    const Configuration& config = program_.config;
    const std::string windowsCopy = TemporaryFilePath(config, kWindowsCopy);
    switch (writer_.Device()) {
      case 1:
        if (WriteWindowsCopy(windowsCopy)) prompts_.ui().ShowTextFile(windowsCopy);
        Remove(outputPath_);
        break;
      case 3:
      case 8:
        if (!WriteWindowsCopy(windowsCopy)) break;
        prompts_.shell().messageBoxesEnabled = true;
        if (writer_.Device() == 3)
          prompts_.ShowMessage(Utf8ToCp850(outputPath_) + " " + "und Windows-Datei" + " " +
                               kWindowsCopy + " " + "wurden angelegt.");
        break;
      case 4:
        PrintTextFile(outputPath_, printer_, prompts_, config);
        Remove(outputPath_);
        break;
      case 5:
        OpenTextProgram();
        break;
      case 6:
        ++writer_.fileCounter;
        WriteWindowsCopy(
            TemporaryFilePath(config, "$$" + std::to_string(writer_.fileCounter) + ".txt"));
        break;
      case 9:
        ++writer_.fileCounter;
        WriteWindowsCopy(BatchCopyPath());
        break;
      case 7:
        OpenBrowser();
        break;
      default:
        break;
    }
  }
  prompts_.ui().SetWaitCursor(false);
}

void ReportOutput::Abandon() {
  if (!outputPath_.empty() && writer_.Device() != 2) WriteFileSafely(outputPath_, writer_.Output());
  prompts_.ui().SetWaitCursor(false);
}

void ReportRunMessages(ReportOutput& output, Program& program, Prompts& prompts) {
  const RunMessages& messages = program.messages;
  if (messages.Count() == 0) {
    prompts.ShowMessage(program.words["Berechnung erfolgreich ohne Fehlermeldungen"]);
    return;
  }
  const auto& info = program.design.drawing.infoLines;
  program.report.SetHeader({std::string(kProgramTitle) + " V" + kProgramVersion,
                            program.words["Fehlermeldungen"], info[0], info[1], info[2]},
                           1);
  program.report.SetWords(program.words);
  if (messages.FatalFlag()) {
    RunSummary(messages, prompts, DescriptionFilePath(program), program.words.Language()).Summary();
    return;
  }
  prompts.shell().cancel = false;
  output.Open(1, program.projectName + ".txt");
  if (prompts.shell().cancel) return;
  if (!output.FirstPageHeader(0)) return;
  program.report.Remarks(RunRemarks(program));
  program.report.EndPage();
  output.Close();
}

}  // namespace zt6
