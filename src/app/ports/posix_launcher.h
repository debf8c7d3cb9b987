#pragma once
// A Launcher that starts programs itself with posix_spawn, for runs without a desktop
// toolkit. Programs are not waited for; finished ones are reaped on the next start and
// when the launcher goes, so none lingers as a zombie.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ports/launcher.h"

namespace zt6 {

class PosixLauncher : public Launcher {
 public:
  PosixLauncher() = default;
  ~PosixLauncher() override;
  PosixLauncher(const PosixLauncher&) = delete;
  PosixLauncher& operator=(const PosixLauncher&) = delete;

  // A program without "/" is searched in PATH; false when it cannot be started.
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
  // Tells a program missing from the path or folder, one without execute permission,
  // a failed start, and an exit with a failure code within a moment.
  StartVerdict StartAndCheck(const std::string& program,
                             const std::vector<std::string>& arguments) override;
  // Through "xdg-open"; false when it cannot start or ends at once with a failure
  // (no program for the file), which it does within a moment.
  bool Open(const std::string& fileOrAddress) override;
  // Waits until every program started here has ended (for callers that read what it wrote).
  void WaitForStarted();

 private:
  void ReapFinished();
  // Starts the program; its process id, or -1.
  pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
              int* error = nullptr);
  // Waits a moment for the program to end: its wait status, or nullopt while it runs.
  static std::optional<int> EndedAtOnce(pid_t pid);
  std::vector<pid_t> running_;
};

}  // namespace zt6
