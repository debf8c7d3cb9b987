#include "app/files/session_file.h"

#include <algorithm>

#include "base/program_identity.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxSessionBytes = 1 << 20;

}  // namespace

std::string SessionText(std::string_view projectDirectory, const RecentFiles& recent) {
  LineWriter w;
  w.Line(std::string(kProgramLowerName) + " Session " + SingleLine(projectDirectory));
  for (const std::string& entry : recent.entries) w.Line(SingleLine(entry));
  return w.Text();
}

RecentFiles ReadSessionText(std::string_view bytes) {
  LineReader lines(SplitLines(bytes));
  lines.Next();
  RecentFiles recent;
  for (std::string& entry : recent.entries) entry = lines.Next();
  return recent;
}

RecentFiles LoadSession(const std::filesystem::path& file) {
  const FileContent content = ReadWholeFile(file, kMaxSessionBytes);
  return content.ok ? ReadSessionText(content.bytes) : RecentFiles{};
}

bool SaveSession(const std::filesystem::path& file, std::string_view projectDirectory,
                 const RecentFiles& recent) {
  return WriteFileSafely(file, SessionText(projectDirectory, recent)).ok;
}

}  // namespace zt6
