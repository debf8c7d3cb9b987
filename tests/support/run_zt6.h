#pragma once
// Runs the zt6 command line in this process and keeps what it printed.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/zt6_commands.h"
#include "support/table_copy.h"

namespace zt6::test_support {

struct Zt6Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// input is what the command reads from standard input. The commands that read tables
// read the test's copy (support/table_copy.h) unless args name a folder.
inline Zt6Outcome RunZt6Command(std::vector<std::string> args, const std::string& input = "") {
  const bool readsTables = !args.empty() && (args[0] == "calc" || args[0] == "report" ||
                                             args[0] == "cad" || args[0] == "size" ||
                                             args[0] == "identify" || args[0] == "sweep");
  if (readsTables && std::find(args.begin(), args.end(), "--tables") == args.end() &&
      std::none_of(args.begin(), args.end(),
                   [](const std::string& a) { return a.starts_with("--tables="); }))
    args.insert(args.begin() + 1, {"--tables", TableFolderCopy()});
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
