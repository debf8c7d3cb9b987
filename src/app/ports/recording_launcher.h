#pragma once
// A Launcher for tests: records every call and starts nothing.

#include <optional>
#include <string>
#include <vector>

#include "app/ports/launcher.h"

namespace zt6 {

class RecordingLauncher : public Launcher {
 public:
  struct Call {
    bool open = false;                   // Open() rather than Start()
    std::string program;                 // program, or the file or address opened
    std::vector<std::string> arguments;  // Start() only
  };

  std::vector<Call> calls;
  bool succeed = true;  // what every call reports
  // What StartAndCheck reports; none: Started or Failed as succeed says.
  std::optional<StartVerdict> verdict;

  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
  StartVerdict StartAndCheck(const std::string& program,
                             const std::vector<std::string>& arguments) override;
  bool Open(const std::string& fileOrAddress) override;
};

}  // namespace zt6
