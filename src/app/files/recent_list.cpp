#include "app/files/recent_list.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>

#include "base/text_lines.h"

namespace zt6 {

namespace {

// Characters, not bytes: paths are file-system names in UTF-8.
std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string RecentEntryPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

void AddRecent(RecentFiles& recent, const std::string& path) {
  const std::string key = AsciiUpper(path);
  for (int k = 1; k <= static_cast<int>(recent.entries.size()); ++k) {
    if (AsciiUpper(recent.entries[static_cast<std::size_t>(k - 1)]) == key) {
      RemoveRecent(recent, k);
      break;
    }
  }
  std::shift_right(recent.entries.begin(), recent.entries.end(), 1);
  recent.entries[0] = path;
}

void RemoveRecent(RecentFiles& recent, int entry) {
  const int n = static_cast<int>(recent.entries.size());
  if (entry < 1 || entry > n) return;
  std::shift_left(recent.entries.begin() + (entry - 1), recent.entries.end(), 1);
  recent.entries.back().clear();
}

std::string ShortenedPath(const std::string& path) {
  if (CharacterCount(path) < 50) return path;
  const auto first = std::find_if(path.begin(), path.end(), IsSeparator);
  const auto last = std::find_if(path.rbegin(), path.rend(), IsSeparator);
  if (first == path.end()) return path;
  const std::size_t firstAt = static_cast<std::size_t>(first - path.begin());
  const std::size_t lastAt = path.size() - 1 - static_cast<std::size_t>(last - path.rbegin());
  if (firstAt >= lastAt) return path;
  return path.substr(0, firstAt + 1) + "..." + path.substr(lastAt);
}

}  // namespace zt6
