#pragma once
// "zt6 size": the DIN 5481 sizes that carry a load, each at its shortest hub length.

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/command_options.h"

namespace zt6 {

// args[0] is "size".
int SizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const UsageErrorFn& usageError);

}  // namespace zt6
