#include "base/folder_join.h"

namespace zt6 {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool NeedsSeparatorAfter(unsigned char c) {
  return (c >= 0x21 && c <= 0x29) || (c >= 0x30 && c <= 0x39) || (c >= 0x3B && c <= 0x5A) ||
         (c >= 0x5F && c <= 0x7A);
}

}  // namespace

std::string JoinFolder(std::string_view folder, std::string_view name) {
  const std::size_t first = folder.find_first_not_of(' ');
  std::string result;
  if (first != std::string_view::npos) {
    const std::size_t last = folder.find_last_not_of(' ');
    result.assign(folder.substr(first, last - first + 1));
    if (NeedsSeparatorAfter(static_cast<unsigned char>(result.back()))) result += kSeparator;
  }
  result.append(name);
  return result;
}

}  // namespace zt6
