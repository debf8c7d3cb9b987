#pragma once
// Printing the drawing of the window: the command stream replayed once more on a
// printer page, mapped by the print settings (scale, origin, frame, colour mode).

#include "app/files/configuration.h"
#include "app/ports/printer.h"
#include "cad/drawing_window.h"

namespace zt6 {

// fitToPage first resets zoom and pan to the whole drawing, as "anpassen" asks.
// False when no print job could be started.
bool PrintDrawing(DrawingWindow& window, Printer& printer, bool fitToPage);

// The replay on the page of a drawing job already begun.
void ReplayOnPaper(DrawingWindow& window, const PrinterPage& page);

// The print settings of the configuration handed to the drawing window's replay.
void ApplyPrintSettings(DrawingWindow& window, const Configuration& config);

}  // namespace zt6
