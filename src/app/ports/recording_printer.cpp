#include "app/ports/recording_printer.h"

namespace zt6 {

std::optional<PageRange> RecordingPrinter::ChooseTextPages(int count) {
  offeredPages = count;
  if (cancelDialog) return std::nullopt;
  return range ? *range : PageRange{1, count};
}

bool RecordingPrinter::BeginText(const PrintFont& textFont) {
  if (!startJob) return false;
  font = textFont;
  pages.assign(1, Page{});
  return true;
}

void RecordingPrinter::NewPage() { pages.emplace_back(); }

void RecordingPrinter::DrawTextLine(int x, int y, const std::string& text) {
  pages.back().push_back({x, y, text});
}

void RecordingPrinter::EndText() { ++jobs; }

std::optional<PrinterPage> RecordingPrinter::BeginDrawing() {
  if (drawingCanvas == nullptr) return std::nullopt;
  return PrinterPage{drawingCanvas, pageWidth, pageHeight};
}

}  // namespace zt6
