#pragma once
// "Ausdruck" (TForm_printconf): the print settings of a drawing with the named
// configurations of the table "printout". Normal mode prints the drawing of the
// window on OK; set-up mode only sets the printer up and shows "Printer Info".

#include <QDialog>
#include <cstdint>
#include <functional>

#include "app/forms/print_config_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zt6::gui {

class QtPrinter;

class PrintConfigWindow : public QDialog {
  Q_OBJECT

 public:
  // lastRecord: the printout record picked last in this run, kept by the caller.
  PrintConfigWindow(Program& program, TableAccess& access, QtPrinter& printer, bool setupMode,
                    std::int64_t& lastRecord, QWidget* parent);

  // Normal mode, after OK: reset the window's zoom when "anpassen" asks for it, and
  // repaint (the window does that); set before showing.
  std::function<void()> onFitToPage;

  void reject() override;

 private:
  void Button_okClick();
  void Button_dbClick();
  void Button_appendClick();
  void Button_printerClick();
  PrintConfigFields Fields() const;
  // Checks the numbers; a refusal is shown and its edit focused (false).
  bool FieldsTaken();
  void Show(const PrintConfigFields& fields);
  void ShowPrinterName();

  Program& program_;
  TableAccess& access_;
  QtPrinter& printer_;
  bool setupMode_;
  // The orientation radio as first shown: a paper sheet's own, else the configured one.
  int shownOrientation_ = 0;
  std::int64_t& lastRecord_;
  QLineEdit* scaleX_;
  QLineEdit* scaleY_;
  QLineEdit* originX_;
  QLineEdit* originY_;
  QCheckBox* frame_;
  QCheckBox* fit_;
  QRadioButton* monochrome_;
  QRadioButton* colour_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  QLabel* printerName_;
};

}  // namespace zt6::gui
