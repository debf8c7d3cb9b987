#include "app/files/session_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/files/configuration_file.h"
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
  // The per-user folder is made on first use, as for the configuration beside it.
  if (const std::filesystem::path user = UserConfigurationFolder();
      !user.empty() && file.parent_path().lexically_normal() == user.lexically_normal()) {
    std::error_code ec;
    std::filesystem::create_directories(user, ec);  // a failure shows up as the write's
  }
  return WriteFileSafely(file, SessionText(projectDirectory, recent)).ok;
}

}  // namespace zt6
