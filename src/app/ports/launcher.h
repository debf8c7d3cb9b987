#pragma once
// The Launcher port: starts other programs and opens documents. Nothing waits for
// the started program.

#include <string>
#include <vector>

namespace zt6 {

// What a start that waits a moment for the program's verdict found.
struct StartVerdict {
  enum class Kind { Started, NotFound, NotExecutable, Failed, ExitCode };
  Kind kind = Kind::Started;
  int exitCode = 0;    // ExitCode: the program ended at once with this code
  std::string reason;  // Failed: the system's reason
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts program with arguments; false when it could not be started.
  virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
  // Starts like Start and waits a moment: a program that cannot be found, executed or
  // started, or that ends at once with a failure, is told apart. A launcher that cannot
  // tell says Started or Failed.
  virtual StartVerdict StartAndCheck(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    if (Start(program, arguments)) return {};
    return {StartVerdict::Kind::Failed, 0, {}};
  }
  // Opens a file or address with the desktop's default program; false on failure.
  virtual bool Open(const std::string& fileOrAddress) = 0;
};

}  // namespace zt6
