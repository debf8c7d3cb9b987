#pragma once
// "zt6 report": the calculation report of a project file as text, tab-separated text,
// HTML, the printed pages as PDF or a spreadsheet workbook, to a file or the standard
// output.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/design_options.h"
#include "app/cli/zt6_outputs.h"

namespace zt6 {

// args[0] is "report". usageError prints a usage problem and gives the exit code.
int ReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<int(std::string_view)>& usageError,
                  const Zt6Outputs& outputs = {});

struct ReportRequest {
  std::string file;  // "" with a size: a new design
  DesignOptions design;
  std::string form = "text";  // text, tsv or html
  int language = 0;           // 1 German, 2 English; 0 the configured words
  std::optional<std::string> tableFolder;
};

// The calculation report as "zt6 report" writes it to standard output: text and tsv in
// UTF-8, html in Windows-1252. kExitDone with the bytes, else the command's exit code
// after its message on err.
int CalculationReportBytes(const ReportRequest& request, std::string& bytes, std::ostream& err);

}  // namespace zt6
