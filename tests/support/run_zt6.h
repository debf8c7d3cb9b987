#pragma once
// Runs the zt6 command line in this process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/zt6_commands.h"

namespace zt6::test_support {

struct Zt6Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// input is what the command reads from standard input.
inline Zt6Outcome RunZt6Command(const std::vector<std::string>& args,
                                const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Zt6Outcome outcome;
  outcome.exitCode = RunZt6(args, out, err, in);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

}  // namespace zt6::test_support
