#include "app/state/program.h"

#include "app/files/recent_list.h"

namespace zt6 {

std::string ProgramTitleLine(const std::string& connectionTerm) {
  return std::string(kProgramTitle) + "  -  " + connectionTerm + " DIN 5481";
}

std::filesystem::path WorkFolderPath(const Program& program) {
  return program.work.Path(FolderSettingPath(program.config.temporaryFolder));
}

void RememberRecentFile(Program& program, const std::string& path) {
  AddRecent(program.recent, RecentEntryPath(path));
  WriteSessionFile(program);
}

void WriteSessionFile(const Program& program) {
  if (program.configPlace.directory.empty()) return;  // no settings place (tests, tools)
  SaveSession(program.configPlace.SessionFile(), program.projectDirectory, program.recent);
}

}  // namespace zt6
