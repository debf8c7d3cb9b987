#pragma once
// "zt6 sweep": one calculation per value of one or two varied inputs, as JSON lines,
// CSV or an SVG chart.

#include <ostream>
#include <string>
#include <vector>

#include "app/cli/command_options.h"

namespace zt6 {

// args[0] is "sweep".
int SweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const UsageErrorFn& usageError);

}  // namespace zt6
