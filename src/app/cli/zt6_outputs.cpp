#include "app/cli/zt6_outputs.h"

namespace zt6 {

std::string CompanionProgramFor(const std::vector<std::string>& args) {
  if (args.empty() || (args[0] != "report" && args[0] != "cad")) return {};
  // The last --format given counts, as the commands' own parser takes it.
  std::string format;
  bool model = false;
  for (std::size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
    if (args[i] == "--format" && i + 1 < args.size()) {
      format = args[++i];
    } else if (args[i].starts_with("--format=")) {
      format = args[i].substr(9);
    } else if (args[i] == "--model" || args[i].starts_with("--model=")) {
      model = true;
    }
  }
  if (format == "pdf") return "zt6-pdf";
  if (format == "xlsx" && args[0] == "report") return "zt6-xlsx";
  if (args[0] == "cad" && (format == "step" || model)) return "zt6-step";
  return {};
}

std::string PdfWriteProblem(const Printer& printer) {
  const std::string error = printer.OutputError();
  return error.empty() ? "the PDF file could not be written" : error;
}

}  // namespace zt6
