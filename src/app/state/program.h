#pragma once
// The process-wide state of one ZT6 process, owned once by main and handed out
// piece by piece, so every test can start from a fresh instance.

#include <string>
#include <vector>

#include "app/files/configuration.h"
#include "app/files/configuration_file.h"
#include "app/files/session_file.h"
#include "app/state/shell_state.h"
#include "base/program_identity.h"
#include "base/work_folder.h"
#include "cad/drawing_window.h"
#include "calc/design_record.h"
#include "calc/run_messages.h"
#include "docs/documentation_data.h"
#include "report/report_writer.h"
#include "report/vocabulary.h"
#include "tables/current_table.h"

namespace zt6 {

// "ZT6  -  " + connection term + " DIN 5481"; the term is fixed at start-up.
std::string ProgramTitleLine(const std::string& connectionTerm = "Kerbverzahnung");

struct Program {
  // This process's own working files; first, so that it goes last, after the table
  // that may stand open on a copy in it.
  WorkFolder work;
  DesignRecord design;
  DocumentationData docs = InitialDocumentation(TodayText(1));
  RunMessages messages;
  CurrentTable table{messages};  // the one table object of the run
  ShellState shell;
  Configuration config;        // the settings; config.format drives numbers and texts
  ConfigurationPlace configPlace;
  RecentFiles recent;
  ReportWriter report;         // the one report writer of the run
  Vocabulary words;            // report words of the current language
  DrawingWindow drawing{shell.cancel};  // the drawing command stream of the window

  std::string startDirectory;  // working directory at program start
  std::string shippedTableFolder;  // the tables installed with the program, if found
  std::string shippedDataFolder;   // the message descriptions installed with it, if found
  std::string userDirectory;   // typed at the user-directory prompt
  std::string projectName;
  std::string projectDirectory;
  bool projectFromCommandLine = false;
  // A file named on the command line that ends early: not taken at start-up; the
  // window asks once it is open.
  std::string cutCommandLineProject;
  // A zt6.cfg found at start that is no configuration and was not read; empty for none.
  std::filesystem::path refusedConfiguration;
  bool modified = false;
  int plotLine = 1;            // the selected plot command line, 1-based
  std::vector<std::string> arguments;  // command-line arguments without the program name
};

// The process's working folder in the temporary folder of the settings; empty when
// none can be made.
std::filesystem::path WorkFolderPath(const Program& program);

// Puts a project file first on the recent list (as a whole path) and writes the session
// file at once, so the list survives a program that does not end through its window.
void RememberRecentFile(Program& program, const std::string& path);
// Writes the recent list into the session file (nothing without a settings place).
void WriteSessionFile(const Program& program);

}  // namespace zt6
