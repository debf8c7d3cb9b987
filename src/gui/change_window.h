#pragma once
// The change dialog "Änderung k": change text, date, editor and description of one
// change record.

#include <QDialog>

#include "app/forms/change_form.h"
#include "gui/form_binding.h"

class QPlainTextEdit;

namespace zt6::gui {

class ChangeWindow : public QDialog {
  Q_OBJECT

 public:
  // today: the date text of the date button (UTF-8).
  ChangeWindow(ChangeForm& form, int k, const QString& today, bool& cancelFlag, QWidget* parent);

 protected:
  void reject() override;

 private:
  // Typing beyond the description limit is taken back; a longer text that was read
  // from a project file is shown and kept whole.
  void LimitDescription();

  ChangeForm& form_;
  bool& cancel_;
  FormBinding binding_;
  QPlainTextEdit* memo_;
  QString lastDescription_;
};

}  // namespace zt6::gui
