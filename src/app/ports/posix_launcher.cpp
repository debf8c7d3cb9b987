#include "app/ports/posix_launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

extern char** environ;

namespace zt6 {

namespace {

// How long Open waits for xdg-open's verdict: 40 polls of 50 ms.
constexpr int kOpenVerdictPolls = 40;
constexpr int kOpenVerdictPollMs = 50;

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Where the program would be found: NotFound, NotExecutable, or Started when a file
// that may be executed is there. A name without "/" is searched in PATH.
StartVerdict::Kind Locate(const std::string& program) {
  if (program.find('/') != std::string::npos) {
    if (!IsRegularFile(program)) return StartVerdict::Kind::NotFound;
    return access(program.c_str(), X_OK) == 0 ? StartVerdict::Kind::Started
                                              : StartVerdict::Kind::NotExecutable;
  }
  const char* path = std::getenv("PATH");
  const std::string_view folders = path != nullptr ? path : "/usr/bin:/bin";
  StartVerdict::Kind found = StartVerdict::Kind::NotFound;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    std::string file(end > start ? folders.substr(start, end - start) : std::string_view("."));
    file += '/';
    file += program;
    if (IsRegularFile(file)) {
      if (access(file.c_str(), X_OK) == 0) return StartVerdict::Kind::Started;
      found = StartVerdict::Kind::NotExecutable;
    }
    if (end >= folders.size()) return found;
    start = end + 1;
  }
}

}  // namespace

PosixLauncher::~PosixLauncher() { ReapFinished(); }

void PosixLauncher::ReapFinished() {
  // Only our own children, so a waitpid elsewhere in the program is not robbed.
  std::erase_if(running_, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

void PosixLauncher::WaitForStarted() {
  for (const pid_t pid : running_) waitpid(pid, nullptr, 0);
  running_.clear();
}

pid_t PosixLauncher::Spawn(const std::string& program, const std::vector<std::string>& arguments,
                           int* error) {
  ReapFinished();
  if (program.empty()) return -1;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  // posix_spawnp reports a program that cannot be executed as its result.
  const int result = posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
  if (result != 0) {
    if (error != nullptr) *error = result;
    return -1;
  }
  return pid;
}

bool PosixLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
  const pid_t pid = Spawn(program, arguments);
  if (pid < 0) return false;
  running_.push_back(pid);
  return true;
}

std::optional<int> PosixLauncher::EndedAtOnce(pid_t pid) {
  for (int i = 0; i < kOpenVerdictPolls; ++i) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(kOpenVerdictPollMs));
  }
  return std::nullopt;
}

StartVerdict PosixLauncher::StartAndCheck(const std::string& program,
                                          const std::vector<std::string>& arguments) {
  if (program.empty()) return {StartVerdict::Kind::NotFound, 0, {}};
  const StartVerdict::Kind located = Locate(program);
  if (located != StartVerdict::Kind::Started) return {located, 0, {}};
  int error = 0;
  const pid_t pid = Spawn(program, arguments, &error);
  if (pid < 0) return {StartVerdict::Kind::Failed, 0, std::strerror(error)};
  const std::optional<int> status = EndedAtOnce(pid);
  if (!status) {
    running_.push_back(pid);
    return {};
  }
  if (WIFEXITED(*status)) {
    if (WEXITSTATUS(*status) == 0) return {};
    return {StartVerdict::Kind::ExitCode, WEXITSTATUS(*status), {}};
  }
  return {StartVerdict::Kind::Failed, 0,
          WIFSIGNALED(*status) ? strsignal(WTERMSIG(*status)) : std::string()};
}

bool PosixLauncher::Open(const std::string& fileOrAddress) {
  const pid_t pid = Spawn("xdg-open", {fileOrAddress});
  if (pid < 0) return false;
  // Without a program for the file xdg-open ends at once with a failure status; one
  // that found a program ends with 0 or keeps running as that program. So a short wait
  // tells a failure from a start, without waiting for the document to be closed.
  const std::optional<int> status = EndedAtOnce(pid);
  if (status) return WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
  running_.push_back(pid);
  return true;
}

}  // namespace zt6
