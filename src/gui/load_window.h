#pragma once
// The load dialog: power, speed and torque (one computed from the other two), the
// maximum torque and the load factors, with their proposals and the unit switch.

#include <QDialog>

#include "app/forms/load_form.h"
#include "gui/form_binding.h"

class QButtonGroup;
class QLabel;

namespace zt6::gui {

class LoadWindow : public QDialog {
  Q_OBJECT

 public:
  LoadWindow(LoadForm& form, Prompts& prompts, bool& cancelFlag, QWidget* parent);

 protected:
  void reject() override;

 private:
  void Refill();
  void ApplyMode();

  LoadForm& form_;
  Prompts& prompts_;
  bool& cancel_;
  FormBinding binding_;
  QButtonGroup* mode_;
  std::vector<QLabel*> torqueUnits_;
};

}  // namespace zt6::gui
