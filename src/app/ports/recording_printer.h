#pragma once
// A Printer for tests: answers the page dialog as told and records every page with
// the lines drawn on it; drawing jobs paint on the canvas the test hands it.

#include <optional>
#include <string>
#include <vector>

#include "app/ports/printer.h"

namespace zt6 {

class RecordingPrinter : public Printer {
 public:
  struct PrintedLine {
    int x = 0;
    int y = 0;
    std::string text;
  };
  using Page = std::vector<PrintedLine>;

  // What the print dialog answers; nullopt = the whole offered range.
  std::optional<PageRange> range;
  bool cancelDialog = false;
  bool startJob = true;   // what BeginText reports
  int pageHeight = 6600;

  int offeredPages = 0;   // pages offered by the last dialog
  PrintFont font;          // font of the last job
  std::vector<Page> pages;  // pages of the last job
  int jobs = 0;           // jobs ended

  std::optional<PageRange> ChooseTextPages(int pages) override;
  bool BeginText(const PrintFont& font) override;
  int PageHeight() override { return pageHeight; }
  void NewPage() override;
  void DrawTextLine(int x, int y, const std::string& text) override;
  void EndText() override;

  // Drawing jobs: the canvas to replay on (none: no job starts) and its page size.
  Canvas* drawingCanvas = nullptr;
  int pageWidth = 4000;
  int drawingJobs = 0;    // drawing jobs ended
  bool landscape = false;
  void SetLandscape(bool value) override { landscape = value; }
  bool Landscape() const override { return landscape; }
  std::optional<PrinterPage> BeginDrawing() override;
  void EndDrawing() override { ++drawingJobs; }
};

}  // namespace zt6
