#pragma once
// Printing a finished text report (DOS text with form-feed lines between pages) on
// the printer: a page-range dialog, then one printer page per report page with the
// configured font, each line converted to the Windows code page.

#include <optional>
#include <string>

#include "app/files/configuration.h"
#include "app/ports/printer.h"
#include "app/ports/prompts.h"

namespace zt6 {

// The code page of the text to print: the DOS report file, or a Windows copy of it
// (the report text window shows the copy; converting it again would spoil umlauts).
enum class PrintedText { Dos, Windows };

// path is a file-system name. A missing file gives path + " not found !".
void PrintTextFile(const std::string& path, Printer& printer, Prompts& prompts,
                   const Configuration& config, PrintedText code = PrintedText::Dos);

enum class PrintOutcome { Printed, Cancelled, NoJob, OutsideRange };

// The same for report text already in memory. With `chosen` (a command line's range)
// no dialog is shown. A range is cut to the pages there are; one that holds none of
// them prints nothing.
PrintOutcome PrintText(const std::string& bytes, Printer& printer, const Configuration& config,
                       PrintedText code = PrintedText::Dos,
                       const std::optional<PageRange>& chosen = std::nullopt);

// The pages PrintText offers: one per form-feed line, and one for text after the last.
int PrintedPageCount(const std::string& bytes);

}  // namespace zt6
