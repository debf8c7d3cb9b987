#pragma once
// The drawing identification dialog: drawing names and numbers of shaft and hub and
// the three information lines.

#include <QDialog>

#include "app/forms/identification_form.h"
#include "gui/form_binding.h"

namespace zt6::gui {

class IdentificationWindow : public QDialog {
  Q_OBJECT

 public:
  IdentificationWindow(IdentificationForm& form, const QString& caption, bool& cancelFlag,
                       QWidget* parent);

 protected:
  void reject() override;

 private:
  IdentificationForm& form_;
  bool& cancel_;
  FormBinding binding_;
};

}  // namespace zt6::gui
