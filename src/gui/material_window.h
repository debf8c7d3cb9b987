#pragma once
// The material dialog: material number, name, yield strength and the two factors of
// shaft and hub, with the material database buttons and the permissible pressure.

#include <QDialog>

#include "app/forms/material_form.h"
#include "gui/form_binding.h"

class QLabel;
class QPushButton;

namespace zt6::gui {

class MaterialWindow : public QDialog {
  Q_OBJECT

 public:
  MaterialWindow(MaterialForm& form, Prompts& prompts, bool& cancelFlag, QWidget* parent);

 protected:
  void reject() override;

 private:
  void Refill();
  void RefreshPart(int part);

  MaterialForm& form_;
  Prompts& prompts_;
  bool& cancel_;
  FormBinding binding_;
  QLabel* pressure_[2] = {};
  QLabel* unit_[2] = {};
  QPushButton* database_[2] = {};
};

}  // namespace zt6::gui
