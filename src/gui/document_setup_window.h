#pragma once
// The window "Document Setup": program and file of the five document links, each with
// a "..." button that chooses it.

#include <QDialog>

#include "app/forms/document_setup_form.h"
#include "gui/form_binding.h"

namespace zt6::gui {

class DocumentSetupWindow : public QDialog {
  Q_OBJECT

 public:
  DocumentSetupWindow(DocumentSetupForm& form, Prompts& prompts, bool& cancelFlag,
                      QWidget* parent);

 protected:
  void reject() override;

 private:
  DocumentSetupForm& form_;
  Prompts& prompts_;
  bool& cancel_;
  FormBinding binding_;
};

}  // namespace zt6::gui
