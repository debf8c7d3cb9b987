#pragma once
// Printing a finished text report (DOS text with form-feed lines between pages) on
// the printer: a page-range dialog, then one printer page per report page with the
// configured font, each line converted to the Windows code page.

#include <string>

#include "app/files/configuration.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"

namespace zt6 {

// path is a file-system name. A missing file gives path + " not found !".
void PrintTextFile(const std::string& path, Printer& printer, Prompts& prompts,
                   const Configuration& config);

}  // namespace zt6
