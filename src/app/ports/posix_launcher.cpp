#include "app/ports/posix_launcher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>

extern char** environ;

namespace zt6 {

PosixLauncher::~PosixLauncher() { ReapFinished(); }

void PosixLauncher::ReapFinished() {
  // Only our own children, so a waitpid elsewhere in the program is not robbed.
  std::erase_if(running_, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

void PosixLauncher::WaitForStarted() {
  for (const pid_t pid : running_) waitpid(pid, nullptr, 0);
  running_.clear();
}

bool PosixLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
  ReapFinished();
  if (program.empty()) return false;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  // posix_spawnp reports a program that cannot be executed as its result.
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    return false;
  running_.push_back(pid);
  return true;
}

bool PosixLauncher::Open(const std::string& fileOrAddress) {
  return Start("xdg-open", {fileOrAddress});
}

}  // namespace zt6
