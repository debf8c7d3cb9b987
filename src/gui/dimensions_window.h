#pragma once
// The dimensions dialog: the serration's size from the DIN 5481 table or typed, with
// the proposals, the unit switch and the check of its number fields on OK.

#include <QDialog>

#include "app/forms/dimension_form.h"
#include "gui/form_binding.h"

class QButtonGroup;
class QLabel;
class QGroupBox;
class QPushButton;

namespace zt6::gui {

class DimensionsWindow : public QDialog {
  Q_OBJECT

 public:
  DimensionsWindow(DimensionForm& form, Prompts& prompts, bool& cancelFlag, QWidget* parent);

 private:
  void Refill();
  void ApplyEnabling();
  void Ok();
  void reject() override;

  DimensionForm& form_;
  Prompts& prompts_;
  bool& cancel_;
  FormBinding binding_;
  QButtonGroup* source_;
  QButtonGroup* tolerance_;
  QGroupBox* toleranceBox_;
  QPushButton* databaseButton_;
  std::vector<QWidget*> dimensionWidgets_;
  std::vector<QLabel*> lengthUnits_;
};

}  // namespace zt6::gui
