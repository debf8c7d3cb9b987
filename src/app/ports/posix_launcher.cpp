#include "app/ports/posix_launcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <thread>

extern char** environ;

namespace zt6 {

namespace {

// How long Open waits for xdg-open's verdict: 40 polls of 50 ms.
constexpr int kOpenVerdictPolls = 40;
constexpr int kOpenVerdictPollMs = 50;

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

pid_t PosixLauncher::Spawn(const std::string& program, const std::vector<std::string>& arguments) {
  ReapFinished();
  if (program.empty()) return -1;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  // posix_spawnp reports a program that cannot be executed as its result.
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

bool PosixLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
  const pid_t pid = Spawn(program, arguments);
  if (pid < 0) return false;
  running_.push_back(pid);
  return true;
}

bool PosixLauncher::Open(const std::string& fileOrAddress) {
  const pid_t pid = Spawn("xdg-open", {fileOrAddress});
  if (pid < 0) return false;
  // Without a program for the file xdg-open ends at once with a failure status; one
  // that found a program ends with 0 or keeps running as that program. So a short wait
  // tells a failure from a start, without waiting for the document to be closed.
  for (int i = 0; i < kOpenVerdictPolls; ++i) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (done < 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(kOpenVerdictPollMs));
  }
  running_.push_back(pid);
  return true;
}

}  // namespace zt6
