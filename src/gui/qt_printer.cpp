#include "gui/qt_printer.h"

#include <QFile>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <cerrno>
#include <cstring>

#include "gui/dialog_placement.h"
#include "gui/painter_canvas.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

// A PDF page keeps the border a laser printer cannot print on.
constexpr double kPdfMarginMm = 5;
constexpr int kPdfResolution = 600;

}  // namespace

// A file that keeps the first failed write's reason: the PDF writer does not look at
// what its writes return, and the file's own error state is reset by later calls.
class CheckedFile : public QFile {
 public:
  using QFile::QFile;
  // "No space left on device"; empty while every write succeeded.
  QString firstError;

 protected:
  qint64 writeData(const char* data, qint64 length) override {
    qint64 done = 0;
    while (done < length) {
      const qint64 written = QFile::writeData(data + done, length - done);
      if (written <= 0) {
        // The system's own words, as the other write errors of the programs give them.
        const int error = errno;
        if (firstError.isEmpty()) firstError = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : errorString();
        return done > 0 ? done : -1;
      }
      done += written;
    }
    return done;
  }
};

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
  printer->pdfFile_ = std::make_unique<CheckedFile>(FromUtf8(path));
  printer->pdf_ = std::make_unique<QPdfWriter>(printer->pdfFile_.get());
  // The dialogs' printer gets the same page, so that both measure alike.
  QPrinter& twin = printer->Device();
  twin.setOutputFormat(QPrinter::PdfFormat);
  for (QPagedPaintDevice* device : {static_cast<QPagedPaintDevice*>(&twin),
                                    static_cast<QPagedPaintDevice*>(printer->pdf_.get())}) {
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                           QPageLayout::Millimeter);
  }
  twin.setResolution(kPdfResolution);
  printer->pdf_->setResolution(kPdfResolution);
  return printer;
}

QPagedPaintDevice& QtPrinter::Paper() const {
  if (pdf_) return *pdf_;
  return Device();
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
  if (pdfFile_ && !pdfFile_->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    outputError_ = ToUtf8(pdfFile_->fileName()) + ": " + ToUtf8(pdfFile_->errorString());
    return false;
  }
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&Paper())) {
    painter_.reset();
    return false;
  }
  return true;
}

void QtPrinter::End() {
  canvas_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
  if (!pdfFile_ || !pdfFile_->isOpen()) return;
  QString problem = pdfFile_->firstError;
  pdfFile_->close();
  if (problem.isEmpty() && pdfFile_->error() != QFileDevice::NoError)
    problem = pdfFile_->errorString();
  if (!problem.isEmpty() && outputError_.empty())
    outputError_ = ToUtf8(pdfFile_->fileName()) + ": " + ToUtf8(problem);
}

bool QtPrinter::BeginText(const PrintFont& font) {
  if (!Begin()) return false;
  textFont_ = QFont(PrintoutFont(font), &Paper());
  painter_->setFont(textFont_);
  painter_->setPen(Qt::black);
  return true;
}

int QtPrinter::PageHeight() { return Paper().height(); }

void QtPrinter::NewPage() { Paper().newPage(); }

void QtPrinter::DrawTextLine(int x, int y, const std::string& text) {
  if (!painter_) return;
  painter_->drawText(x, y + QFontMetrics(textFont_, &Paper()).ascent(), FromUtf8(text));
}

void QtPrinter::EndText() { End(); }

void QtPrinter::SetLandscape(bool landscape) {
  const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  Device().setPageOrientation(orientation);
  if (pdf_) pdf_->setPageOrientation(orientation);
}

bool QtPrinter::Landscape() const {
  return Paper().pageLayout().orientation() == QPageLayout::Landscape;
}

std::optional<PrinterPage> QtPrinter::BeginDrawing() {
  if (!Begin()) return std::nullopt;
  canvas_ = std::make_unique<PainterCanvas>(*painter_);
  PrinterPage page{canvas_.get(), Paper().width(), Paper().height()};
  // Where the printable area lies on the paper, so that a sheet prints at its own size.
  const QRectF area = Paper().pageLayout().paintRect(QPageLayout::Millimeter);
  if (area.width() > 0) {
    page.pixelsPerMm = page.width / area.width();
    page.left = area.left();
    page.top = area.top();
  }
  return page;
}

void QtPrinter::EndDrawing() { End(); }

}  // namespace zt6::gui
