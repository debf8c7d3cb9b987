#pragma once
// "zt6 identify": which DIN 5481 size a measured shaft or hub is.

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/command_options.h"

namespace zt6 {

// args[0] is "identify".
int IdentifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const UsageErrorFn& usageError);

}  // namespace zt6
