#include "app/commands/print_drawing.h"

#include "app/commands/cad_setup.h"

namespace zt6 {

namespace {

// The replay paints the screen and the paper together; printing needs the paper only
// (the window repaints itself).
class NoScreen : public Canvas {
 public:
  void SetPen(Rgb, int, PenStyle) override {}
  void SetBrush(Rgb, bool) override {}
  void SetTextColour(Rgb) override {}
  void Line(PixelPoint, PixelPoint) override {}
  void Ellipse(PixelPoint, PixelPoint) override {}
  void Arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override {}
  void Polygon(const std::array<PixelPoint, 4>&) override {}
  void Text(PixelPoint, const TextFont&, std::string_view) override {}
};

}  // namespace

bool PrintDrawing(DrawingWindow& window, Printer& printer, bool fitToPage) {
  if (fitToPage) {
    window.RestoreLimit();
    window.ResetZoom();
    window.ReSetWindow();
  }
  std::optional<PrinterPage> page = printer.BeginDrawing();
  if (!page || page->canvas == nullptr) return false;
  page->fit = fitToPage;
  ReplayOnPaper(window, *page);
  printer.EndDrawing();
  return true;
}

void ReplayOnPaper(DrawingWindow& window, const PrinterPage& page) {
  NoScreen screen;
  const bool sleep = window.sleepEnabled;
  window.sleepEnabled = false;
  window.Replay(screen, &page);
  window.sleepEnabled = sleep;
}

void ApplyPrintSettings(DrawingWindow& window, const Configuration& config) {
  DrawingSettings s = window.Settings();
  TakePrintSettings(s, config);
  window.SetSettings(s);
}

}  // namespace zt6
