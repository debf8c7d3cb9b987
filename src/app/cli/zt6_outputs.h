#pragma once
// What the static zt6 cannot write itself: PDF (painted by the desktop's printer code)
// and spreadsheet workbooks. Small companion programs beside zt6 hand these in, and
// zt6 hands such a command line over to them, so its other routes load no library.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ports/printer.h"
#include "app/ports/workbook.h"
#include "cad/solid_section.h"
#include "calc/design_record.h"

namespace zt6 {

struct Zt6Outputs {
  // A printer whose jobs write one PDF file (A4) at the path, without dialogs;
  // empty when this program cannot write PDF.
  std::function<std::unique_ptr<Printer>(const std::string& pdfPath)> pdf;
  Workbooks* workbooks = nullptr;  // null when this program cannot write workbooks
  // Writes the 3D model of the calculated design as a STEP file at the path; "" when
  // written, else what went wrong. Empty when this program cannot write STEP.
  StepModelWriter step;
};

// The companion that writes the output of this command line: "zt6-pdf" for a report
// or drawing in --format pdf, "zt6-xlsx" for a report in --format xlsx, "zt6-step" for a
// 3D model (cad --model or --format step); "" otherwise.
std::string CompanionProgramFor(const std::vector<std::string>& args);

// Why a PDF printer's file was not written, for a message: the file and the system's
// reason where the printer knows them.
std::string PdfWriteProblem(const Printer& printer);

}  // namespace zt6
