#pragma once
// What a run leaves behind only when it is interrupted: the working copy of an output
// being written and the run's private folder. On SIGINT and SIGTERM the paths known at
// that moment are removed and the process ends by the same signal, as it would have
// without a handler. The handler takes no memory and no lock: a small fixed table of
// paths, filled and emptied by the writers.

#include <filesystem>

namespace zt6 {

// Installs the handlers of SIGINT and SIGTERM, unless the signal is ignored (a run
// started to ignore it keeps doing so). Called once by a program's main.
void RemoveLeftoversOnInterrupt();

// Names a file or folder to remove on an interruption while this object lives; the
// destructor only forgets it. A path that does not fit the table is not named.
class LeftoverOnInterrupt {
 public:
  enum class Kind { File, Folder };
  LeftoverOnInterrupt(const std::filesystem::path& path, Kind kind);
  ~LeftoverOnInterrupt();
  LeftoverOnInterrupt(const LeftoverOnInterrupt&) = delete;
  LeftoverOnInterrupt& operator=(const LeftoverOnInterrupt&) = delete;

 private:
  int slot_ = -1;
};

}  // namespace zt6
