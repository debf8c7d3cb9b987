#pragma once
// "zt6 report": the calculation report of a project file as text, tab-separated text,
// HTML, the printed pages as PDF or a spreadsheet workbook, to a file or the standard
// output.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/zt6_outputs.h"

namespace zt6 {

// args[0] is "report". usageError prints a usage problem and gives the exit code.
int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<int(std::string_view)>& usageError,
                  const Zt6Outputs& outputs = {});

}  // namespace zt6
