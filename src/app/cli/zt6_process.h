#pragma once
// The zt6 command line as a process, shared by zt6 and its companions: the output it
// prints is checked to its end (a full disk or a closed pipe is an error, said as
// such), and an interrupted run leaves no working file behind.

#include <string>
#include <vector>

#include "app/cli/zt6_outputs.h"

namespace zt6 {

// args are the words after the program's name; returns the process's exit code.
int RunZt6Process(const std::vector<std::string>& args, const Zt6Outputs& outputs = {});

}  // namespace zt6
