#pragma once
// "zt6 calc": one calculation run of a project (or of the initial design) shaped by
// --size, --class and --set, as a listing or JSON; or many projects in one process,
// one JSON line each.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/command_options.h"

namespace zt6 {

// args[0] is "calc"; file names for "-" are read from in.
int CalcCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err, const UsageErrorFn& usageError);

}  // namespace zt6
