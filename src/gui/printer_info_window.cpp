#include "gui/printer_info_window.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/desktop_text.h"
#include "gui/dialog_placement.h"

namespace zt6::gui {

namespace {

QString Number(double value) { return QString::number(value, 'f', 0); }

}  // namespace

std::vector<std::pair<QString, QString>> PrinterInfoRows(QPrinter& printer) {
  const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
  const QPageLayout layout = printer.pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QRect printable = layout.paintRectPixels(printer.resolution());
  const QStringList fonts = QFontDatabase::families();
  std::vector<std::pair<QString, QString>> rows = {
      {DesktopText::tr("Name"), pdf ? "PDF: " + printer.outputFileName() : printer.printerName()},
      // No driver version, brush, pen or marker counts on this system.
      {DesktopText::tr("Treiberversion"), "?"},
      // Device technology: a PDF file is a metafile, every CUPS queue a raster printer.
      {DesktopText::tr("Technologie"),
       pdf ? DesktopText::tr("Metafile") : DesktopText::tr("Rasterdrucker")},
      {DesktopText::tr("Druckbreite (mm)"), Number(paper.width())},
      {DesktopText::tr("Druckhöhe (mm)"), Number(paper.height())},
      {DesktopText::tr("Breite (Pixel)"), QString::number(printable.width())},
      {DesktopText::tr("Höhe (Pixel)"), QString::number(printable.height())},
      {DesktopText::tr("Linker Seitenoffset (Pixel)"), QString::number(printable.left())},
      {DesktopText::tr("Oberer Seitenoffset (Pixel)"), QString::number(printable.top())},
      {DesktopText::tr("DPI (horizontal)"), QString::number(printer.resolution())},
      {DesktopText::tr("DPI (vertikal)"), QString::number(printer.resolution())},
      {DesktopText::tr("Pinsel"), "?"},
      {DesktopText::tr("Stifte"), "?"},
      {DesktopText::tr("Markierer"), "?"},
      {DesktopText::tr("Farben"), printer.colorMode() == QPrinter::Color ? "16777216" : "2"},
      {DesktopText::tr("Schriften"), QString::number(fonts.size())},
  };
  for (const QString& font : fonts) rows.emplace_back(QString(), font);
  return rows;
}

PrinterInfoWindow::PrinterInfoWindow(QPrinter& printer, QWidget* parent) : QDialog(parent) {
  setObjectName("TForm_printerinfo");
  setWindowTitle(DesktopText::tr("Druckerinformation"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QTableWidget(this);
  grid->setObjectName("StringGrid1");
  const auto rows = PrinterInfoRows(printer);
  grid->setColumnCount(2);
  grid->setRowCount(static_cast<int>(rows.size()));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    grid->setItem(static_cast<int>(r), 0, new QTableWidgetItem(rows[r].first));
    grid->setItem(static_cast<int>(r), 1, new QTableWidgetItem(rows[r].second));
  }
  grid->setColumnWidth(0, 150);
  grid->setColumnWidth(1, 398);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(grid);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(580, 460);
  PlaceDialog(*this);
}

}  // namespace zt6::gui
