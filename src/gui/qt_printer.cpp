#include "gui/qt_printer.h"

#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/dialog_placement.h"
#include "gui/painter_canvas.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

// A PDF page keeps the border a laser printer cannot print on.
constexpr double kPdfMarginMm = 5;
constexpr int kPdfResolution = 600;

}  // namespace

QFont PrintoutFont(const PrintFont& font) {
  QFont qfont(FromUtf8(font.name));
  qfont.setStyleHint(QFont::TypeWriter);  // a fixed pitch when the face is missing
  qfont.setPointSize(font.pointSize > 0 ? font.pointSize : 10);
  const int style = font.style >= 0 && font.style <= 15 ? font.style : 0;
  qfont.setBold((style & 1) != 0);
  qfont.setItalic((style & 2) != 0);
  qfont.setUnderline((style & 4) != 0);
  qfont.setStrikeOut((style & 8) != 0);
  return qfont;
}

QtPrinter::QtPrinter(PageDialog dialog)
    : dialog_(std::move(dialog)) {}

// Made on first use: a QPrinter asks the print system for its printers, which the
// desktop's start need not wait for.
QPrinter& QtPrinter::Device() const {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

std::unique_ptr<QtPrinter> QtPrinter::ToPdf(const std::string& path, PageDialog dialog) {
  auto printer = std::make_unique<QtPrinter>(std::move(dialog));
  QPrinter& device = printer->Device();
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(FromUtf8(path));
  device.setResolution(kPdfResolution);
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                        QPageLayout::Millimeter);
  return printer;
}

QtPrinter::~QtPrinter() { End(); }

std::optional<PageRange> QtPrinter::SystemPrintDialog(QPrinter& printer, int pages) {
  QPrintDialog dialog(&printer, MainWindowForDialogs());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(pages, 1));
  dialog.setFromTo(1, std::max(pages, 1));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
    return PageRange{printer.fromPage(), printer.toPage()};
  return PageRange{1, pages};
}

std::optional<PageRange> QtPrinter::ChooseTextPages(int pages) {
  if (!dialog_) return PageRange{1, pages};
  return dialog_(Device(), pages);
}

bool QtPrinter::Begin() {
  End();
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&Device())) {
    painter_.reset();
    return false;
  }
  return true;
}

void QtPrinter::End() {
  canvas_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
}

bool QtPrinter::BeginText(const PrintFont& font) {
  if (!Begin()) return false;
  textFont_ = QFont(PrintoutFont(font), &Device());
  painter_->setFont(textFont_);
  painter_->setPen(Qt::black);
  return true;
}

int QtPrinter::PageHeight() { return Device().height(); }

void QtPrinter::NewPage() { Device().newPage(); }

void QtPrinter::DrawTextLine(int x, int y, const std::string& text) {
  if (!painter_) return;
  painter_->drawText(x, y + QFontMetrics(textFont_, &Device()).ascent(), FromUtf8(text));
}

void QtPrinter::EndText() { End(); }

void QtPrinter::SetLandscape(bool landscape) {
  Device().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinter::Landscape() const {
  return Device().pageLayout().orientation() == QPageLayout::Landscape;
}

std::optional<PrinterPage> QtPrinter::BeginDrawing() {
  if (!Begin()) return std::nullopt;
  canvas_ = std::make_unique<PainterCanvas>(*painter_);
  return PrinterPage{canvas_.get(), Device().width(), Device().height()};
}

void QtPrinter::EndDrawing() { End(); }

}  // namespace zt6::gui
