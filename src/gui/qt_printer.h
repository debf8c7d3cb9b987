#pragma once
// The Printer port on QPrinter: CUPS printers through the system's print dialog, or
// a PDF file. Text pages and drawings are painted with QPainter; drawings through the
// same canvas the window paints on.

#include <QFont>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/ports/printer.h"

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;

namespace zt6::gui {

class PainterCanvas;
class CheckedFile;

class QtPrinter : public Printer {
 public:
  // Asks for the pages of a text job (the print dialog); nullopt = cancelled.
  using PageDialog = std::function<std::optional<PageRange>(QPrinter&, int pages)>;

  // The desktop's printer: the system's print dialog chooses printer (or PDF file)
  // and pages.
  explicit QtPrinter(PageDialog dialog = SystemPrintDialog);
  // Every job goes into the PDF file at path (A4, 600 dpi); without a dialog the
  // text jobs print every page. The file is written by this printer itself, so that a
  // failed write is known (OutputError).
  static std::unique_ptr<QtPrinter> ToPdf(const std::string& path, PageDialog dialog = {});
  ~QtPrinter() override;

  std::optional<PageRange> ChooseTextPages(int pages) override;
  bool BeginText(const PrintFont& font) override;
  int PageHeight() override;
  void NewPage() override;
  void DrawTextLine(int x, int y, const std::string& text) override;
  void EndText() override;

  void SetLandscape(bool landscape) override;
  bool Landscape() const override;
  // The print settings' "anpassen", kept while the program runs.
  bool fitToPage = false;
  std::optional<PrinterPage> BeginDrawing() override;
  void EndDrawing() override;
  std::string OutputError() const override { return outputError_; }

  // The printer of the dialogs; for a PDF printer its twin with the same page.
  QPrinter& Device() const;
  // The dialog of the desktop: QPrintDialog with the page range 1..pages.
  static std::optional<PageRange> SystemPrintDialog(QPrinter& printer, int pages);

 private:
  bool Begin();
  void End();
  // What is painted on: the PDF file, or the printer.
  QPagedPaintDevice& Paper() const;

  mutable std::unique_ptr<QPrinter> printer_;  // see Device()
  PageDialog dialog_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<PainterCanvas> canvas_;
  QFont textFont_;
  std::unique_ptr<CheckedFile> pdfFile_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::string outputError_;
};

// The font of text printouts: face, size in points, style bits (bold 1, italic 2,
// underline 4, strike-out 8; other bits ignored).
QFont PrintoutFont(const PrintFont& font);

}  // namespace zt6::gui
