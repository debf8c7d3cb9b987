#pragma once
// The session file "zt6.cff": a heading naming the project directory, then the four
// recent project files, entry 1 first, an empty line for an empty entry. Texts are
// written and read as the bytes they are (CP850).

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace zt6 {

struct RecentFiles {
  std::array<std::string, 4> entries;
};

std::string SessionText(std::string_view projectDirectory, const RecentFiles& recent);
// The heading is not read back; missing lines give empty entries.
RecentFiles ReadSessionText(std::string_view bytes);

// A file that cannot be read (or is absurdly large) gives an empty list.
RecentFiles LoadSession(const std::filesystem::path& file);
// Replaces the file only once the new one is complete; true when written.
bool SaveSession(const std::filesystem::path& file, std::string_view projectDirectory,
                 const RecentFiles& recent);

}  // namespace zt6
