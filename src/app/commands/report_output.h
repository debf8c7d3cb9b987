#pragma once
// Where a report goes: choosing the device (0..9) and its file, writing the finished
// document, and handing it to its destination — the text window, the printer port,
// a file, the printer, the text program, a spreadsheet file or the web browser — with
// the Windows copies some destinations need.

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ports/launcher.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"
#include "app/state/program.h"
#include "base/safe_file.h"
#include "report/report_writer.h"

namespace zt6 {

// The names of the report devices 1..7, as the device dialog and the settings list them.
inline constexpr std::array<std::string_view, 7> kReportDeviceNames{
    "Bildschirm",
    "Textdrucker",
    "Datei",
    "Windows-Drucker",
    "externes Textprogramm",
    "TXT File (Excel, QPRO ...)",
    "HTML File (Netscape, Internet Explorer ...)"};
// The seven choices of the device dialog, devices 1..7.
std::vector<std::string> ReportDeviceChoices();

// Report file names in the temporary folder (file-system names).
std::string TemporaryFilePath(const Configuration& config, const std::string& name);
// The project's file name without folder and extension (file-system name), "zt6"
// when there is no project name: output the user gets carries it.
std::string ProjectFileStem(const Program& program);
// A file of the temporary folder that does not exist yet: stem + extension, else
// stem + "_2" + extension and so on, so a file handed to another program (which may
// still hold it open) is never written over with other content.
std::string FreshTemporaryFilePath(const Configuration& config, const std::string& stem,
                                   const std::string& extension);

// The message description file in the report words' language ("zt6.en.err" for
// English): in the PLT folder, else the one installed with the program; the German
// "zt6.err" where there is none in that language.
std::string DescriptionFilePath(const Program& program);

// The run messages of the last calculation with their causes and remedies.
std::vector<ReportRemark> RunRemarks(const Program& program);

// The page-header texts of a report of the current project; the clock when no time
// is given.
ReportPageInfo ReportPageInfoOf(const Program& program, const std::optional<std::tm>& time);
// The layout settings of the configuration.
ReportSettings ReportSettingsOf(const Configuration& config);

class ReportOutput {
 public:
  ReportOutput(Program& program, Prompts& prompts, Launcher& launcher, Printer& printer);

  // Chooses the device (0 = the configured one, asked when so configured; 1..9 forced;
  // 90 = nothing) and its file, and starts an empty document. A cancelled dialog or a
  // refused file sets the cancel flag.
  void Open(int device, std::string name);
  // The first page header; false (and the cancel flag) when it was cancelled.
  bool FirstPageHeader(int columnHeadings);
  // Finishes the document, writes it and hands it to its destination.
  void Close();
  // A report stopped by its caller: what was written so far goes to the file, which
  // is not handed on.
  void Abandon();

  // Header date and time; the clock when unset (tests fix them).
  std::optional<std::tm> fixedTime;

 private:
  bool CreateReportFile(const std::string& path);
  bool ChooseFile(const std::string& pattern, const std::string& proposal);
  bool WriteOutput();
  bool WriteWindowsCopy(const std::string& path);
  void ReportWriteFailure(const std::string& path, const SafeWriteResult& written);
  // The batch report's Windows copy beside the project, named after it.
  std::string BatchCopyPath() const;
  void OpenTextProgram();
  void OpenBrowser();
  void Remove(const std::string& path);

  Program& program_;
  Prompts& prompts_;
  Launcher& launcher_;
  Printer& printer_;
  ReportWriter& writer_;
  std::string outputPath_;  // the file written (file-system name) or the printer port
};

// The stand-alone report of the run messages (device 1).
void ReportRunMessages(ReportOutput& output, Program& program, Prompts& prompts);

}  // namespace zt6
