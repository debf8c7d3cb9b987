#include "app/ports/recording_launcher.h"

namespace zt6 {

bool RecordingLauncher::Start(const std::string& program,
                              const std::vector<std::string>& arguments) {
  calls.push_back({false, program, arguments});
  return succeed;
}

StartVerdict RecordingLauncher::StartAndCheck(const std::string& program,
                                              const std::vector<std::string>& arguments) {
  const bool started = Start(program, arguments);
  if (verdict) return *verdict;
  return started ? StartVerdict{} : StartVerdict{StartVerdict::Kind::Failed, 0, {}};
}

bool RecordingLauncher::Open(const std::string& fileOrAddress) {
  calls.push_back({true, fileOrAddress, {}});
  return succeed;
}

}  // namespace zt6
