#include "app/files/project_folder.h"

#include <algorithm>
#include <system_error>

#include "base/program_identity.h"
#include "base/text_lines.h"

namespace zt6 {

namespace fs = std::filesystem;

std::vector<fs::path> ProjectFiles(const std::string& folder, std::error_code* error) {
  std::vector<fs::path> files;
  std::error_code ec;
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  const std::string extension = "." + AsciiUpper(kProjectExtension);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    std::error_code entry;  // an entry that cannot be looked at is left out
    if (!it->is_regular_file(entry)) continue;
    if (AsciiUpper(path.extension().string()) == extension) files.push_back(path);
  }
  if (error != nullptr) *error = ec;
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return AsciiUpper(a.filename().string()) < AsciiUpper(b.filename().string());
  });
  return files;
}

}  // namespace zt6
