#pragma once
// The Printer port: paper output. Text reports are printed line by line onto pages
// the core lays out; drawings are replayed on a printer page through the drawing
// canvas, mapped as the drawing window maps them for paper.

#include <optional>
#include <string>

#include "cad/drawing_window.h"

namespace zt6 {

struct PageRange {
  int from = 1;
  int to = 1;
};

struct PrintFont {
  std::string name = "Courier New";
  int pointSize = 10;
  int style = 0;  // bits: bold 1, italic 2, underline 4, strike-out 8
};

class Printer {
 public:
  virtual ~Printer() = default;
  // Sets the printer to portrait and shows the print dialog for pages 1..pages with
  // that range preset; nullopt when cancelled.
  virtual std::optional<PageRange> ChooseTextPages(int pages) = 0;
  // Begins a print job with the font; false when no job could be started.
  virtual bool BeginText(const PrintFont& font) = 0;
  // Printable page height in device pixels.
  virtual int PageHeight() = 0;
  virtual void NewPage() = 0;
  // One line of text (UTF-8) with its top at y pixels.
  virtual void DrawTextLine(int x, int y, const std::string& text) = 0;
  virtual void EndText() = 0;

  // The orientation of the following jobs.
  virtual void SetLandscape(bool /*landscape*/) {}
  virtual bool Landscape() const { return false; }
  // Begins a drawing job of one page: the canvas with the page's printable size in
  // device pixels; nullopt when no job could be started. The canvas lives until
  // EndDrawing.
  virtual std::optional<PrinterPage> BeginDrawing() { return std::nullopt; }
  virtual void EndDrawing() {}
  // Why the pages of the jobs ended did not all reach their file ("FILE: No space left
  // on device"); empty when they did, or when no file is written.
  virtual std::string OutputError() const { return {}; }
};

}  // namespace zt6
