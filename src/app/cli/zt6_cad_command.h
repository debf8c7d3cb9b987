#pragma once
// "zt6 cad": one drawing of a project file as a DXF file, as an SVG picture of the
// screen drawing or printed on a PDF page, to a file or the standard output.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/zt6_outputs.h"

namespace zt6 {

// args[0] is "cad". usageError prints a usage problem and gives the exit code.
int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError,
               const Zt6Outputs& outputs = {});

}  // namespace zt6
