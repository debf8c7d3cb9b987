#pragma once
// Extras -> "Größe nach Last...": torque, peak torque and safety asked for, the sizes
// that carry them listed with their shortest hub length, the chosen one taken into the
// current design as the dimensions dialog's DIN 5481 button takes a row.

#include <QDialog>

#include "app/assistant/size_search.h"
#include "app/lookups/table_access.h"
#include "app/ports/ui.h"
#include "app/state/program.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zt6::gui {

class SizeForLoadWindow : public QDialog {
  Q_OBJECT

 public:
  SizeForLoadWindow(Program& program, TableAccess& access, Ui& ui, int language,
                    QWidget* parent);

  // Button_search: the sizes for the typed load; false (with a message) when the
  // numbers are refused.
  bool Search();
  const SizeSearchResult& Result() const { return result_; }

 protected:
  // OK takes the chosen row into the design.
  void accept() override;

 private:
  QString Caption(const char* key) const;

  Program& program_;
  TableAccess& access_;
  Ui& ui_;
  int language_;
  SizeSearchResult result_;
  QLineEdit* torque_;
  QLineEdit* peak_;
  QLineEdit* safety_;
  QTableWidget* table_;
  QLabel* rejected_;
  QPushButton* ok_;
};

// The window run from the menu: true when a size was taken into the design.
bool ChooseSizeForLoad(Program& program, TableAccess& access, Ui& ui, int language,
                       QWidget* parent);

}  // namespace zt6::gui
