#pragma once
// The command-line help screen of wzt6.

#include <string>
#include <vector>

namespace zt6 {

// The 21 lines of the help screen.
const std::vector<std::string>& HelpScreenLines();

}  // namespace zt6
