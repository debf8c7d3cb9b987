#pragma once
// "zt6 cad": one drawing of a project file as a DXF file or as an SVG picture of the
// screen drawing, to a file or the standard output.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

// args[0] is "cad". usageError prints a usage problem and gives the exit code.
int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError);

}  // namespace zt6
