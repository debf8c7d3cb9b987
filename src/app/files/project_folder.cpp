#include "app/files/project_folder.h"

#include <algorithm>
#include <system_error>

#include "base/program_identity.h"
#include "base/text_lines.h"

namespace zt6 {

namespace fs = std::filesystem;

std::vector<fs::path> ProjectFiles(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  const std::string extension = "." + AsciiUpper(kProjectExtension);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (!it->is_regular_file(ec)) continue;
    if (AsciiUpper(path.extension().string()) == extension) files.push_back(path);
  }
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return AsciiUpper(a.filename().string()) < AsciiUpper(b.filename().string());
  });
  return files;
}

}  // namespace zt6
