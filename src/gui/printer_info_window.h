#pragma once
// "Printer Info": the current printer's figures as Qt and CUPS report them; a figure
// the system does not have here reads "?".

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QPrinter;

namespace zt6::gui {

// The rows of the window (label, value), the printer fonts last.
std::vector<std::pair<QString, QString>> PrinterInfoRows(QPrinter& printer);

class PrinterInfoWindow : public QDialog {
  Q_OBJECT

 public:
  PrinterInfoWindow(QPrinter& printer, QWidget* parent);
};

}  // namespace zt6::gui
