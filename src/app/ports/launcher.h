#pragma once
// The Launcher port: starts other programs and opens documents. Nothing waits for
// the started program.

#include <string>
#include <vector>

namespace zt6 {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts program with arguments; false when it could not be started.
  virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
  // Opens a file or address with the desktop's default program; false on failure.
  virtual bool Open(const std::string& fileOrAddress) = 0;
};

}  // namespace zt6
