#include "base/private_folder.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <set>
#include <string>

#include "base/number_parse.h"

namespace zt6 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "zt6-run-";

// The process number in "zt6-run-PID-XXXXXX"; 0 for any other name.
pid_t RunOfFolder(const std::string& name) {
  if (!name.starts_with(kPrefix)) return 0;
  const std::size_t dash = name.find('-', kPrefix.size());
  if (dash == std::string::npos) return 0;
  const auto pid = TryParseWhole(name.substr(kPrefix.size(), dash - kPrefix.size()));
  return pid && *pid > 0 ? static_cast<pid_t>(*pid) : 0;
}

bool RunEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

void RemoveFoldersOfEndedRuns(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const pid_t pid = RunOfFolder(it->path().filename().string());
    if (pid == 0 || pid == ::getpid()) continue;
    struct stat s {};
    if (::lstat(it->path().c_str(), &s) != 0 || !S_ISDIR(s.st_mode) || s.st_uid != ::geteuid())
      continue;
    if (!RunEnded(pid)) continue;
    std::error_code ignored;
    fs::remove_all(it->path(), ignored);
  }
}

PrivateFolder::PrivateFolder(const fs::path& parent) {
  std::error_code ec;
  const fs::path temporary = parent.empty() ? fs::temp_directory_path(ec) : parent;
  if (ec) return;
  // Once a process and place: what killed runs left behind.
  static std::mutex clearing;
  static std::set<fs::path> cleared;
  {
    const std::lock_guard<std::mutex> lock(clearing);
    if (cleared.insert(temporary).second) RemoveFoldersOfEndedRuns(temporary);
  }
  std::string pattern =
      (temporary / (std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) return;
  path_ = pattern;
  leftover_ = std::make_unique<LeftoverOnInterrupt>(path_, LeftoverOnInterrupt::Kind::Folder);
}

PrivateFolder::~PrivateFolder() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
  leftover_.reset();
}

}  // namespace zt6
